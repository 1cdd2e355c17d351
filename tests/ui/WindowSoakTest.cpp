// A scripted session on the main window against the device emulator, with real mouse and keys on the
// top-level window: connect with the link button, work the compressor's up-downs while the settings
// are read, work every page's controls, switch the language from the menu bar, disconnect with the
// link button and connect again, round after round. The number of rounds is a count of steps
// (ZQ9_SOAK_ROUNDS), never a time: the CTest entry WindowSoak.Session runs a few; a longer run is the
// same test with more rounds. Run alone (without the variable) it does nothing. Any warning Qt logs
// on the way fails the session.

#include "FDialogsRig.h"

#include "ui/FNetWorkScan.h"

#include "controls/MyPEQAllpass.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TUpDown.h"
#include "ui/FMainLayoutNames.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/VrButtons.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace dlgtest;
using namespace seqtest;

namespace {

// Answers a dialog a click opened with Esc on its own window (closing it when Esc did not).
struct EscAnswer
{
    explicit EscAnswer(vcl::TForm* form)
        : Answer(form, [](vcl::TForm& f) {
              QTest::keyClick(f.windowHandle(), Qt::Key_Escape);
              if (f.ModalResult() == vcl::mrNone && f.Visible())
                  f.Close();
          })
    {
    }
    ModalAnswer Answer;
};

class Session
{
public:
    Session(DialogRig& rig, unsigned seed) : r(rig), random(seed) {}

    // Every control of a kind the script works that is on screen now, the page buttons left out.
    std::vector<vcl::TControl*> OnScreen() const
    {
        std::vector<vcl::TControl*> out;
        for (QWidget* w : r.form->findChildren<QWidget*>()) {
            auto* c = dynamic_cast<vcl::TControl*>(w);
            if (!c || !w->isVisible() || !c->Enabled() || c->Name().startsWith(QStringLiteral("rzbMenu")))
                continue;
            const bool typed = dynamic_cast<TCurvyEdit*>(c) && !static_cast<TCurvyEdit*>(c)->ReadOnly();
            const bool peqBox = dynamic_cast<vcl::TEdit*>(c) && c->Parent() && dynamic_cast<TMyPEQAllpass*>(c->Parent());
            if (typed || peqBox || dynamic_cast<TAdvTrackBar*>(c) || dynamic_cast<vcl::TUpDown*>(c)
                || dynamic_cast<rz::TRzBmpButton*>(c) || dynamic_cast<vr::TVrDemoButton*>(c)
                || dynamic_cast<vr::TVrPowerButton*>(c))
                out.push_back(c);
        }
        return out;
    }

    void Click(vcl::TControl* c, QPoint at)
    {
        QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, c->mapTo(r.form, at));
        QApplication::processEvents();
    }

    // One user action on a control, chosen by its kind.
    void Work(vcl::TControl* c)
    {
        if (!c->isVisible())
            return;
        const QPoint middle(c->width() / 2, c->height() / 2);
        if (dynamic_cast<vcl::TUpDown*>(c)) {
            const bool up = Pick(2) == 0;
            for (int n = 1 + Pick(3); n > 0; --n)
                Click(c, QPoint(c->width() / 2, up ? c->height() / 4 : 3 * c->height() / 4));
        } else if (dynamic_cast<TAdvTrackBar*>(c)) {
            if (Pick(2) == 0) {
                Click(c, QPoint(c->width() / 2, Pick(std::max(1, c->height()))));
            } else {
                const QPoint at = c->mapTo(r.form, middle);
                QWheelEvent wheel(at, c->mapToGlobal(middle), QPoint(), QPoint(0, Pick(2) ? 120 : -120), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(Window(), &wheel); // the window hands it to the control under it
            }
        } else if (dynamic_cast<TCurvyEdit*>(c) || dynamic_cast<vcl::TEdit*>(c)) {
            static const char* const typed[] = { "1000", "-3", "12.5", "abc", "", "99999999", "0.1", "1:4", "nan" };
            Click(c, middle);
            QTest::keyClick(Window(), Qt::Key_A, Qt::ControlModifier);
            for (const char* ch = typed[Pick(9)]; *ch; ++ch)
                QTest::keyClick(Window(), *ch);
            QTest::keyClick(Window(), Pick(3) ? Qt::Key_Return : Qt::Key_Tab);
        } else {
            Click(c, middle);
        }
        QApplication::processEvents();
    }

    // A handful of actions on whatever the page shows.
    void WorkPage(int page, int actions)
    {
        Click(dynamic_cast<vcl::TControl*>(r.form->FindComponent(layout::PageButtonName(page))), QPoint(20, 10));
        std::vector<vcl::TControl*> controls = OnScreen();
        ASSERT_FALSE(controls.empty()) << layout::PageButtonName(page).toStdString();
        for (int i = 0; i < actions; ++i)
            Work(controls[static_cast<std::size_t>(Pick(static_cast<int>(controls.size())))]);
    }

    // One click on a compressor ratio or knee up-down of an output, Out3's ratio every other time.
    void WorkCompStep()
    {
        const int ch = Pick(2) == 0 ? 4 : 2 + Pick(layout::ChannelCount - 2);
        const char* stem = ch == 4 || Pick(2) == 0 ? "udCompRatio" : "udCompKnee";
        if (auto* ud = dynamic_cast<vcl::TControl*>(r.form->FindComponent(QString::fromLatin1(stem) + layout::ChannelSuffix(ch))))
            Work(ud);
    }

    void ShowPage(const QString& button)
    {
        Click(dynamic_cast<vcl::TControl*>(r.form->FindComponent(button)), QPoint(20, 10));
    }

    // The link button: off line it opens the connection search, on line it disconnects.
    void ClickLinkButton()
    {
        vcl::TControl* link = r.form->rzbMenuLink;
        Click(link, QPoint(link->width() / 2, link->height() / 2));
    }

    // Language > item from the menu bar, with the mouse.
    void SwitchLanguage(const char* item)
    {
        auto* bar = r.form->findChild<QMenuBar*>();
        auto* language = dynamic_cast<vcl::TMenuItem*>(r.form->FindComponent(QStringLiteral("LanguageSel")));
        auto* choice = dynamic_cast<vcl::TMenuItem*>(r.form->FindComponent(QString::fromLatin1(item)));
        ASSERT_TRUE(bar && language && choice && language->Action()->menu());
        QMenu* menu = language->Action()->menu();
        QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier,
                          bar->mapTo(r.form, bar->actionGeometry(language->Action()).center()));
        ASSERT_TRUE(SpinUntil([&] { return menu->isVisible() && menu->windowHandle() && menu->windowHandle()->isExposed(); }));
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(choice->Action()).center());
        ASSERT_TRUE(SpinUntil([&] { return !menu->isVisible() && choice->Checked(); })) << item;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

private:
    QWindow* Window() const { return r.form->windowHandle(); }

    DialogRig& r;
    std::mt19937 random;
};

// A user who keeps clicking the compressor's up-downs while the window connects and reads the
// device: a click on each tick, inside whichever loop runs then (the search's, the progress
// window's, the test's own). A click on a window behind a modal one goes nowhere, as on a desktop.
class BusyHands
{
public:
    explicit BusyHands(Session& session) : s(session)
    {
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            if (Working)
                return;
            Working = true;
            const bool reading = !QApplication::activeModalWidget() && fmMain->Controller.IsOnline() && !fmMain->tmInLevelDet->Enabled();
            s.WorkCompStep();
            ++Clicks;
            ReachedWhileReading += reading ? 1 : 0;
            Working = false;
        });
        Timer.start(5);
    }
    int Clicks { 0 };
    int ReachedWhileReading { 0 }; // clicks the window took while it read the device's settings

private:
    Session& s;
    QTimer Timer;
    bool Working { false };
};

// Every warning Qt logs while it lives, handed on to the handler before it.
class WarningLog
{
public:
    WarningLog() { s_previous = qInstallMessageHandler(&WarningLog::Handle); }
    ~WarningLog() { qInstallMessageHandler(s_previous); }
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    static std::string Take() { return std::exchange(s_seen, std::string()); }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        // The offscreen platform's notices of what it cannot do for a window are no faults of ours.
        if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(QLatin1String("This plugin does not support")))
            s_seen += message.toStdString() + '\n';
        if (s_previous)
            s_previous(type, context, message);
    }
    static inline QtMessageHandler s_previous { nullptr };
    static inline std::string s_seen;
};

} // namespace

TEST(WindowSoak, ScriptedSessionAgainstTheEmulator)
{
    const char* rounds = std::getenv("ZQ9_SOAK_ROUNDS");
    if (!rounds)
        GTEST_SKIP() << "run by the WindowSoak.Session entry, which sets ZQ9_SOAK_ROUNDS";
    const int count = std::max(1, std::atoi(rounds));

    DialogRig r;
    WarningLog warnings;
    fmNetwork = new TfmNetwork(&r.app); // the link button's connection search, as the program has it
    vcl::TMessageBoxSeam boxes([](const vcl::TMessageBoxRequest&) { return vcl::IDOK; });
    EscAnswer answers[] = { EscAnswer(fmPeqRst), EscAnswer(fmInformation), EscAnswer(fmChannelName),
                            EscAnswer(fmCopy), EscAnswer(fmLinkSel), EscAnswer(fmExit), EscAnswer(fmRecallPreset),
                            EscAnswer(fmStorePreset), EscAnswer(fmStoreName) };
    (void)answers;
    r.form->Show();
    r.form->activateWindow();
    QApplication::processEvents();

    int busyClicks = 0;
    int clicksWhileReading = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < count; ++round) {
        SCOPED_TRACE(round);
        std::printf("round %d at %.1f s\n", round, static_cast<double>(clock.elapsed()) / 1000.0);
        std::fflush(stdout);
        Session s(r, 1234u + static_cast<unsigned>(round));
        // Connect with the link button and keep working the compressor steps until the device's
        // settings are read and the levels are polled. A device that answers late reads for long
        // enough that the clicks reach the window between the search and the progress window.
        s.ShowPage(QStringLiteral("rzbMenuComp"));
        static constexpr unsigned replyDelaysMs[] = { 0, 10, 30 };
        r.emu.SetReplyDelay(replyDelaysMs[round % 3]);
        {
            BusyHands hands(s);
            s.ClickLinkButton(); // returns once the search has found the device and closed
            ASSERT_TRUE(SpinUntil([&] { return r.form->Controller.IsOnline() && r.form->tmInLevelDet->Enabled() && !fmProcess->Visible(); }));
            busyClicks += hands.Clicks;
            clicksWhileReading += hands.ReachedWhileReading;
        }
        r.emu.SetReplyDelay(0);
        ASSERT_TRUE(r.Quiet());

        for (int page = 0; page < layout::PageCount; ++page)
            s.WorkPage(page, 6);
        s.SwitchLanguage(round % 2 == 0 ? "ChineseSimplified" : "English");
        for (int page = 0; page < layout::PageCount; page += 3)
            s.WorkPage(page, 3);
        ASSERT_TRUE(r.Quiet());
        EXPECT_TRUE(r.form->Controller.IsOnline());

        // Disconnect with the link button; the next round connects again.
        ASSERT_TRUE(SpinUntil([&] { return r.form->rzbMenuLink->Enabled(); }));
        s.ClickLinkButton();
        ASSERT_TRUE(SpinUntil([&] { return !r.form->Controller.IsOnline() && !r.form->Controller.Net() && r.form->rzbMenuLink->Enabled(); }));
        for (int page = 0; page < layout::PageCount; page += 4)
            s.WorkPage(page, 2); // off line, edits stay in the window
        const std::string logged = WarningLog::Take();
        EXPECT_TRUE(logged.empty()) << logged;
    }
    EXPECT_GT(busyClicks, 0);
    // How often the timing let a click through during the read: shown, not required.
    RecordProperty("ClicksWhileReading", clicksWhileReading);
    std::printf("compressor clicks while connecting: %d, of which the window took during the read: %d\n", busyClicks,
                clicksWhileReading);
}
