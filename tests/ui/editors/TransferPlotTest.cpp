// The compressor and gate plots of the main window: the faders, moved with the keyboard on the
// shown window, refill the plots' curve and dot, and the plots draw the curve where the points lie.

#include "EditorRig.h"
#include "WindowInput.h"

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"
#include "platform/ui/VirtualKeys.h"
#include "ui/editors/EditorMath.h"
#include "widgets/AdvTrackBar.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace edtest;
using editors::XY;
using vcl::VK_END;
using vcl::VK_HOME;
using vcl::VK_PRIOR;

bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 2000 && !done(); ++i)
        QTest::qWait(5);
    return done();
}

// A key on the top-level window after a click has given the fader the focus.
void KeyOnFader(TfmMain& form, TAdvTrackBar* fader, int key)
{
    edtest::ClickOnWindow(form, fader);
    QTest::keyClick(form.windowHandle(), static_cast<Qt::Key>(key));
    QApplication::processEvents();
}

// True when the curve's colour lies within a pixel of the middle of every segment of the curve.
bool CurveDrawn(TiXYPlot& plot, const QImage& image)
{
    const std::vector<XY> curve = CurveOf(plot);
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const double x = (curve[i - 1].first + curve[i].first) / 2;
        const double y = (curve[i - 1].second + curve[i].second) / 2;
        const int px = plot.XAxis(0)->PositionToPixels(x);
        const int py = plot.YAxis(0)->PositionToPixels(y);
        bool found = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                found = found || (image.pixel(px + dx, py + dy) & 0xFFFFFF) == 0xFFFFFF;
        if (!found)
            return false;
    }
    return curve.size() >= 2;
}

QImage Shot(TiXYPlot& plot, const char* name)
{
    const QImage image = plot.grab().toImage();
    const QString dir = QDir::current().absoluteFilePath(QStringLiteral("transfer-plots"));
    QDir().mkpath(dir);
    image.save(dir + QStringLiteral("/%1.png").arg(QString::fromLatin1(name)));
    return image;
}

TEST(TransferPlots, CompressorCurveFollowsTheThresholdFaderAndIsDrawn)
{
    EditorRig rig;
    edtest::ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuComp"));
    auto* plot = rig.Get<TiXYPlot>("ipComp");
    auto* threshold = rig.Get<TAdvTrackBar>("isCompThresholdOut1");
    auto* knee = rig.Get<vcl::TUpDown>("udCompKneeOut1");
    auto* ratio = rig.Get<vcl::TUpDown>("udCompRatioOut1");
    for (int key : { VK_HOME, VK_END }) {
        KeyOnFader(*rig.Form, threshold, key);
        const int ratioIndex = ratio->Position() == ratio->Max() ? 15 : ratio->Position();
        const editors::CompCurve expected = editors::CompCurvePoints(threshold->Position(), knee->Position(), ratioIndex);
        ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == expected.Curve; })) << "key " << key;
        EXPECT_EQ(plot->Channel(1)->GetX(0), expected.Dot.first);
        EXPECT_TRUE(CurveDrawn(*plot, Shot(*plot, key == VK_HOME ? "comp-lowest" : "comp-highest"))) << "key " << key;
    }
    for (int i = 0; i < 8; ++i) // the ratio's up arrow, clicked on the window
        edtest::ClickOnWindow(*rig.Form, ratio, QPoint(ratio->width() / 2, 3));
    KeyOnFader(*rig.Form, threshold, VK_HOME);
    ASSERT_GT(ratio->Position(), 0);
    const int ratioIndex = ratio->Position() == ratio->Max() ? 15 : ratio->Position();
    const editors::CompCurve bent = editors::CompCurvePoints(threshold->Position(), knee->Position(), ratioIndex);
    ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == bent.Curve; }));
    EXPECT_TRUE(CurveDrawn(*plot, Shot(*plot, "comp-ratio")));
    rig.Form->grab().save(QDir::current().absoluteFilePath(QStringLiteral("transfer-plots/window-comp.png")));
}

TEST(TransferPlots, GateCurveFollowsTheThresholdFaderAndIsDrawn)
{
    EditorRig rig;
    edtest::ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuGate"));
    auto* plot = rig.Get<TiXYPlot>("ipGate");
    auto* threshold = rig.Get<TAdvTrackBar>("isGateThresholdInA");
    for (int key : { VK_HOME, VK_PRIOR }) {
        KeyOnFader(*rig.Form, threshold, key);
        const editors::GateCurve expected = editors::GateCurvePoints(threshold->Position());
        ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == expected.Curve; })) << "key " << key;
        EXPECT_TRUE(CurveDrawn(*plot, Shot(*plot, key == VK_HOME ? "gate-first" : "gate-second"))) << "key " << key;
    }
    rig.Form->grab().save(QDir::current().absoluteFilePath(QStringLiteral("transfer-plots/window-gate.png")));
}

} // namespace
