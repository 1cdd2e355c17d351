// The compressor and gate plots of the main window: the window seeds them, the faders and up-downs,
// worked with the keyboard and the mouse on the shown window, refill the plots' curve and dot, and
// the plots draw the curve where the points lie.

#include "EditorRig.h"
#include "TransferPlotPixels.h"
#include "WindowInput.h"

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"
#include "platform/ui/VirtualKeys.h"
#include "ui/editors/EditorMath.h"
#include "widgets/AdvTrackBar.h"

#include <QDir>
#include <QTest>

#include <tuple>

#include <gtest/gtest.h>

namespace {

using namespace edtest;
using editors::XY;

bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 2000 && !done(); ++i)
        QTest::qWait(5);
    return done();
}

// Keys on the top-level window after a click has given the fader the focus (the click itself may
// move the fader a page, so the keys start with an absolute one).
void KeysOnFader(TfmMain& form, TAdvTrackBar* fader, const std::vector<Qt::Key>& keys)
{
    edtest::ClickOnWindow(form, fader);
    for (Qt::Key key : keys)
        QTest::keyClick(form.windowHandle(), key);
    QApplication::processEvents();
}

QImage Shot(TiXYPlot& plot, const char* name)
{
    const QImage image = plot.grab().toImage();
    const QString dir = QDir::current().absoluteFilePath(QStringLiteral("transfer-plots"));
    QDir().mkpath(dir);
    image.save(dir + QStringLiteral("/%1.png").arg(QString::fromLatin1(name)));
    return image;
}

// The points the Comp page's controls of Out1 ask for, as they stand.
editors::CompCurve ExpectedCompCurve(EditorRig& rig)
{
    auto* threshold = rig.Get<TAdvTrackBar>("isCompThresholdOut1");
    auto* knee = rig.Get<vcl::TUpDown>("udCompKneeOut1");
    auto* ratio = rig.Get<vcl::TUpDown>("udCompRatioOut1");
    const int ratioIndex = ratio->Position() == ratio->Max() ? 15 : ratio->Position();
    return editors::CompCurvePoints(threshold->Position(), knee->Position(), ratioIndex);
}

// A click on the up arrow of an up-down, through the window.
void ClickUp(EditorRig& rig, vcl::TUpDown* upDown)
{
    edtest::ClickOnWindow(*rig.Form, upDown, QPoint(upDown->width() / 2, 3));
}

TEST(TransferPlots, CompressorCurveFollowsTheThresholdRatioAndKneeAndIsDrawn)
{
    EditorRig rig;
    edtest::ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuComp"));
    auto* plot = rig.Get<TiXYPlot>("ipComp");
    auto* threshold = rig.Get<TAdvTrackBar>("isCompThresholdOut1");
    // Home puts a vertical fader at its top (+20 dB), End at its bottom (-90 dB).
    for (const auto& [key, position, picture] : { std::tuple(Qt::Key_Home, 40, "comp-highest"),
                                                   std::tuple(Qt::Key_End, -180, "comp-lowest") }) {
        KeysOnFader(*rig.Form, threshold, { key });
        ASSERT_EQ(threshold->Position(), position) << picture;
        const editors::CompCurve expected = ExpectedCompCurve(rig);
        ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == expected.Curve; })) << picture;
        EXPECT_EQ(plot->Channel(1)->GetX(0), expected.Dot.first);
        EXPECT_TRUE(edtest::TransferCurveDrawn(*plot, Shot(*plot, picture))) << picture;
    }
    auto* ratio = rig.Get<vcl::TUpDown>("udCompRatioOut1");
    for (int i = 0; i < 8; ++i)
        ClickUp(rig, ratio);
    KeysOnFader(*rig.Form, threshold, { Qt::Key_End });
    ASSERT_GT(ratio->Position(), 0);
    const editors::CompCurve bent = ExpectedCompCurve(rig);
    ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == bent.Curve; }));
    EXPECT_TRUE(edtest::TransferCurveDrawn(*plot, Shot(*plot, "comp-ratio")));

    // A knee opens the corner at the threshold: the two middle points part.
    auto* knee = rig.Get<vcl::TUpDown>("udCompKneeOut1");
    const int kneeBefore = knee->Position();
    for (int i = 0; i < 6; ++i)
        ClickUp(rig, knee);
    ASSERT_GT(knee->Position(), kneeBefore);
    const editors::CompCurve soft = ExpectedCompCurve(rig);
    ASSERT_NE(soft.Curve[1], soft.Curve[2]);
    ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == soft.Curve; }));
    EXPECT_TRUE(edtest::TransferCurveDrawn(*plot, Shot(*plot, "comp-knee")));
    rig.Form->grab().save(QDir::current().absoluteFilePath(QStringLiteral("transfer-plots/window-comp.png")));
}

// The window's creation seeds both plots; every redraw then takes out exactly the points a channel
// holds (which empties it, statistics and all) and puts the new ones in.
TEST(TransferPlots, WindowSeedsThePlotsAndARedrawReplacesEveryPoint)
{
    EditorRig rig;
    auto* comp = rig.Get<TiXYPlot>("ipComp");
    auto* gate = rig.Get<TiXYPlot>("ipGate");
    EXPECT_EQ(CurveOf(*comp), (std::vector<XY> { { 20, 20 }, { -10, -10 }, { -10, -10 }, { -100, -100 } }));
    EXPECT_EQ(CurveOf(*gate), (std::vector<XY> { { 20, 20 }, { -90, -90 }, { -90, -100 } }));
    ASSERT_EQ(comp->Channel(1)->Count(), 1);
    EXPECT_EQ(XY(comp->Channel(1)->GetX(0), comp->Channel(1)->GetY(0)), XY(19.8, 20.4));
    ASSERT_EQ(gate->Channel(1)->Count(), 1);
    EXPECT_EQ(XY(gate->Channel(1)->GetX(0), gate->Channel(1)->GetY(0)), XY(-89.8, -90.4));

    // A press on Out1's name draws its curve at once; a press on InA's name the gate's.
    edtest::ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuComp"));
    edtest::ClickOnWindow(*rig.Form, rig.Get<vcl::TControl>("lbCompOut1"));
    edtest::ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuGate"));
    edtest::ClickOnWindow(*rig.Form, rig.Get<vcl::TControl>("lbGateInA"));
    const struct
    {
        TiXYPlot* plot;
        std::vector<XY> curve;
        XY dot;
    } cases[] = {
        { comp, ExpectedCompCurve(rig).Curve, ExpectedCompCurve(rig).Dot },
        { gate, editors::GateCurvePoints(rig.Get<TAdvTrackBar>("isGateThresholdInA")->Position()).Curve,
          editors::GateCurvePoints(rig.Get<TAdvTrackBar>("isGateThresholdInA")->Position()).Dot },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plot->Name().toStdString());
        EXPECT_EQ(CurveOf(*c.plot), c.curve);
        const TiXYPlotChannel* curve = c.plot->Channel(0);
        double lowest = 1e300;
        for (const XY& p : c.curve)
            lowest = std::min(lowest, p.first);
        EXPECT_EQ(curve->RunningXMin(), lowest); // the seed points left no trace in the statistics
        const TiXYPlotChannel* dot = c.plot->Channel(1);
        ASSERT_EQ(dot->Count(), 1);
        EXPECT_EQ(XY(dot->GetX(0), dot->GetY(0)), c.dot);
        EXPECT_EQ(dot->RunningXMin(), c.dot.first);
        EXPECT_EQ(dot->RunningXMax(), c.dot.first);
    }
}

TEST(TransferPlots, GateCurveFollowsTheThresholdFaderAndIsDrawn)
{
    EditorRig rig;
    edtest::ShowPageByClick(*rig.Form, QStringLiteral("rzbMenuGate"));
    auto* plot = rig.Get<TiXYPlot>("ipGate");
    auto* threshold = rig.Get<TAdvTrackBar>("isGateThresholdInA");
    // End puts the threshold at -90 dB; two pages up from there make it -80 dB.
    const std::tuple<std::vector<Qt::Key>, int, const char*> steps[] = {
        { { Qt::Key_End }, -180, "gate-lowest" }, { { Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageUp }, -160, "gate-raised" }
    };
    for (const auto& [keys, position, picture] : steps) {
        KeysOnFader(*rig.Form, threshold, keys);
        ASSERT_EQ(threshold->Position(), position) << picture;
        const editors::GateCurve expected = editors::GateCurvePoints(threshold->Position());
        ASSERT_TRUE(WaitFor([&] { return CurveOf(*plot) == expected.Curve; })) << picture;
        EXPECT_TRUE(edtest::TransferCurveDrawn(*plot, Shot(*plot, picture))) << picture;
    }
    rig.Form->grab().save(QDir::current().absoluteFilePath(QStringLiteral("transfer-plots/window-gate.png")));
}

} // namespace
