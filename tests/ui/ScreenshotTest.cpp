// Pictures of the window as a user sees it, against the device emulator: the link dialog after
// connecting, the Gain page after an edit, a channel page with overlays, both crossover filters
// bypassed, the compressor and gate curves after their faders and up-downs moved, the progress
// window of a preset store, in English and Chinese. Runs only when ZQ9_SCREENSHOT_DIR names a
// folder to write to.
#include "FDialogsRig.h"
#include "editors/TransferPlotPixels.h"

#include "controls/MyPEQAllpass.h"
#include "plot/iXYPlot.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TUpDown.h"
#include "ui/editors/EditorMath.h"
#include "widgets/AdvTrackBar.h"

#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QTest>
#include <QWindow>

using namespace dlgtest;

namespace {

void Click(TfmMain& form, const QString& name)
{
    auto* c = dynamic_cast<vcl::TControl*>(form.FindComponent(name));
    ASSERT_NE(c, nullptr) << name.toStdString();
    ASSERT_TRUE(c->isVisible()) << name.toStdString();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(&form, QPoint(c->width() / 2, c->height() / 2)));
    QApplication::processEvents();
}

void Save(QWidget& w, const QString& dir, const QString& name)
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

template <class T>
T* Find(TfmMain& form, const char* name)
{
    auto* c = dynamic_cast<T*>(form.FindComponent(QString::fromLatin1(name)));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// Presses at a point of a control through the window: a click, then keys.
void ClickAndKeys(TfmMain& form, vcl::TControl* control, QPoint at, int clicks, const std::vector<Qt::Key>& keys)
{
    const QPoint pos = control->mapTo(&form, at);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
    for (Qt::Key key : keys)
        QTest::keyClick(form.windowHandle(), key);
    QApplication::processEvents();
}

// What the X server shows of the window, once the curve's timer has run and the plot has painted.
QImage ScreenOf(TfmMain& form)
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
    return QGuiApplication::primaryScreen()->grabWindow(form.winId()).toImage();
}

// Out1's compressor curve after its threshold, ratio and knee were worked on the window, and InA's
// gate curve after its threshold: each plot holds the points its controls ask for, and the screen
// shows them.
void TransferPlots(TfmMain& form, const QString& dir, const QString& tag)
{
    Click(form, QStringLiteral("rzbMenuComp"));
    auto* threshold = Find<TAdvTrackBar>(form, "isCompThresholdOut1");
    auto* ratio = Find<vcl::TUpDown>(form, "udCompRatioOut1");
    auto* knee = Find<vcl::TUpDown>(form, "udCompKneeOut1");
    auto* comp = Find<TiXYPlot>(form, "ipComp");
    ASSERT_TRUE(threshold && ratio && knee && comp);
    const QPoint middle(threshold->width() / 2, threshold->height() / 2);
    ClickAndKeys(form, threshold, middle, 1, { Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp,
                                               Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp,
                                               Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp });
    EXPECT_EQ(threshold->Position(), -80); // -40 dB
    ClickAndKeys(form, ratio, QPoint(ratio->width() / 2, 3), 5, {});
    ClickAndKeys(form, knee, QPoint(knee->width() / 2, 3), 4, {});
    const int ratioIndex = ratio->Position() == ratio->Max() ? 15 : ratio->Position();
    const editors::CompCurve expected = editors::CompCurvePoints(threshold->Position(), knee->Position(), ratioIndex);
    QImage screen = ScreenOf(form);
    std::vector<editors::XY> shown;
    for (int i = 0; i < comp->Channel(0)->Count(); ++i)
        shown.emplace_back(comp->Channel(0)->GetX(i), comp->Channel(0)->GetY(i));
    EXPECT_EQ(shown, expected.Curve) << tag.toStdString();
    EXPECT_TRUE(edtest::TransferCurveDrawn(*comp, screen, comp->mapTo(&form, QPoint(0, 0)))) << tag.toStdString();
    screen.save(QDir(dir).filePath(QStringLiteral("comp-page-") + tag + QStringLiteral(".png")));

    Click(form, QStringLiteral("rzbMenuGate"));
    auto* gateThreshold = Find<TAdvTrackBar>(form, "isGateThresholdInA");
    auto* gate = Find<TiXYPlot>(form, "ipGate");
    ASSERT_TRUE(gateThreshold && gate);
    ClickAndKeys(form, gateThreshold, QPoint(gateThreshold->width() / 2, gateThreshold->height() / 2), 1,
                 { Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp,
                   Qt::Key_PageUp });
    EXPECT_EQ(gateThreshold->Position(), -120); // -60 dB
    screen = ScreenOf(form);
    std::vector<editors::XY> gateShown;
    for (int i = 0; i < gate->Channel(0)->Count(); ++i)
        gateShown.emplace_back(gate->Channel(0)->GetX(i), gate->Channel(0)->GetY(i));
    EXPECT_EQ(gateShown, editors::GateCurvePoints(gateThreshold->Position()).Curve) << tag.toStdString();
    EXPECT_TRUE(edtest::TransferCurveDrawn(*gate, screen, gate->mapTo(&form, QPoint(0, 0)))) << tag.toStdString();
    screen.save(QDir(dir).filePath(QStringLiteral("gate-page-") + tag + QStringLiteral(".png")));
}

// The progress window as a preset is stored, once the device took the name (half the way): the
// device answers late, so the window shows each step.
void ProgressWindow(TfmMain& form, DeviceEmulator& emu, const QString& dir, const QString& tag)
{
    emu.SetReplyDelay(300);
    bool taken = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (taken || !fmProcess->isVisible() || fmProcess->BarPosition() < 1)
            return;
        taken = true;
        EXPECT_TRUE(fmProcess->grab().save(QDir(dir).filePath(QStringLiteral("progress-") + tag + QStringLiteral(".png"))));
    });
    poll.start();
    form.StorePreset(4, QStringLiteral("Progress")); // returns when the progress window closes
    poll.stop();
    emu.SetReplyDelay(0);
    EXPECT_TRUE(taken) << tag.toStdString();
}

} // namespace

TEST(Screenshots, WindowAfterConnectingAndEditing)
{
    const QString dir = qEnvironmentVariable("ZQ9_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set ZQ9_SCREENSHOT_DIR to take the pictures";
    DialogRig r;
    // The device holds the built-in default preset, so the curves show real filters.
    const LUnitControl defaults;
    for (std::size_t i = 2; i < defaults.GetImage().size(); ++i)
        r.emu.SetProgramByte(i, defaults.GetImage()[i]);
    r.DeviceLinks({ 0b11, 0, 0b11, 0, 4, 8, 16, 32 }); // InB follows InA, Out2 follows Out1
    ASSERT_TRUE(r.ConnectAndUpload());
    r.form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.form));

    for (const char* language : { "English", "ChineseSimplified" }) {
        const QString tag = QLatin1String(language) == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("zh");
        r.form->ChineseSimplifiedClick(r.form->FindComponent(QString::fromLatin1(language)));

        // The device's links as the link dialog shows them after connecting.
        fmLinkSel->Show();
        Save(*fmLinkSel, dir, QStringLiteral("link-dialog-") + tag);
        fmLinkSel->Close();

        // An edit on Out3: band 2 lifted by 9 dB, then the Gain page.
        Click(*r.form, QStringLiteral("rzbMenuOut3"));
        Click(*r.form, QStringLiteral("rzbEq2Out3"));
        auto* peq = dynamic_cast<TMyPEQAllpass*>(r.form->FindComponent(QStringLiteral("peqPeqOut3")));
        ASSERT_NE(peq, nullptr);
        peq->SetGainValue(1, tag == QStringLiteral("en") ? 9.0 : -6.0);
        Click(*r.form, QStringLiteral("rzbMenuGain"));
        Click(*r.form, QStringLiteral("vrbShow3Gain"));
        Save(*r.form, dir, QStringLiteral("gain-page-after-edit-") + tag);

        // Out1's page with the overlays of Out3 and Out4.
        Click(*r.form, QStringLiteral("rzbMenuOut1"));
        for (const char* toggle : { "vrbShow3Out1", "vrbShow4Out1" })
            Click(*r.form, QString::fromLatin1(toggle));
        Save(*r.form, dir, QStringLiteral("channel-overlays-") + tag);
        for (const char* toggle : { "vrbShow3Out1", "vrbShow4Out1" })
            Click(*r.form, QString::fromLatin1(toggle));

        // Out4 with both crossover filters bypassed: a click on each bypass that is not down yet.
        Click(*r.form, QStringLiteral("rzbMenuOut4"));
        std::vector<QString> pressed;
        for (const char* bypass : { "rzbLowCutBypassOut4", "rzbHighCutBypassOut4" }) {
            auto* b = dynamic_cast<rz::TRzBmpButton*>(r.form->FindComponent(QString::fromLatin1(bypass)));
            ASSERT_NE(b, nullptr);
            if (!b->Down()) {
                Click(*r.form, QString::fromLatin1(bypass));
                pressed.push_back(QString::fromLatin1(bypass));
            }
            EXPECT_TRUE(b->Down()) << bypass;
        }
        EXPECT_EQ(r.unit->GetHpLp(5).HpSlope, 0);
        EXPECT_EQ(r.unit->GetHpLp(5).LpSlope, 0);
        Save(*r.form, dir, QStringLiteral("crossover-bypassed-") + tag);
        for (const QString& bypass : pressed)
            Click(*r.form, bypass);
        Click(*r.form, QStringLiteral("rzbMenuGain"));
        Click(*r.form, QStringLiteral("vrbShow3Gain"));

        TransferPlots(*r.form, dir, tag);
    }
    // Last, as the store names the current preset.
    for (const char* language : { "English", "ChineseSimplified" }) {
        r.form->ChineseSimplifiedClick(r.form->FindComponent(QString::fromLatin1(language)));
        ProgressWindow(*r.form, r.emu, dir, QLatin1String(language) == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("zh"));
    }
}
