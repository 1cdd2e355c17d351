// A scripted session on the main window against the device emulator, with real mouse and keys on the
// top-level window: connect, edit while the settings are uploaded, work every page's controls,
// reconnect and switch the language, round after round. The number of rounds is a count of steps
// (ZQ9_SOAK_ROUNDS), never a time: the CTest entry WindowSoak.Session runs a few; a longer run is
// the same test with more rounds. Run alone (without the variable) it does nothing.

#include "FDialogsRig.h"

#include "controls/MyPEQAllpass.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TUpDown.h"
#include "ui/FMainLayoutNames.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/VrButtons.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
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

    // The compressor's ratio and knee up-downs of every output, while the window is busy.
    void WorkCompSteps()
    {
        Click(dynamic_cast<vcl::TControl*>(r.form->FindComponent(QStringLiteral("rzbMenuComp"))), QPoint(20, 10));
        for (int ch = 2; ch < layout::ChannelCount; ++ch)
            for (const char* stem : { "udCompRatio", "udCompKnee" })
                if (auto* ud = dynamic_cast<vcl::TControl*>(r.form->FindComponent(QString::fromLatin1(stem) + layout::ChannelSuffix(ch))))
                    Work(ud);
    }

    void SwitchLanguage(const char* item)
    {
        if (auto* menu = dynamic_cast<vcl::TMenuItem*>(r.form->FindComponent(QString::fromLatin1(item))))
            menu->Action()->trigger();
        QApplication::processEvents();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

private:
    QWindow* Window() const { return r.form->windowHandle(); }

    DialogRig& r;
    std::mt19937 random;
};

} // namespace

TEST(WindowSoak, ScriptedSessionAgainstTheEmulator)
{
    const char* rounds = std::getenv("ZQ9_SOAK_ROUNDS");
    if (!rounds)
        GTEST_SKIP() << "run by the WindowSoak.Session entry, which sets ZQ9_SOAK_ROUNDS";
    const int count = std::max(1, std::atoi(rounds));

    DialogRig r;
    vcl::TMessageBoxSeam boxes([](const vcl::TMessageBoxRequest&) { return vcl::IDOK; });
    EscAnswer answers[] = { EscAnswer(fmPeqRst), EscAnswer(fmInformation), EscAnswer(fmChannelName),
                            EscAnswer(fmCopy), EscAnswer(fmLinkSel), EscAnswer(fmExit), EscAnswer(fmRecallPreset),
                            EscAnswer(fmStorePreset), EscAnswer(fmStoreName) };
    (void)answers;
    r.form->Show();
    r.form->activateWindow();
    QApplication::processEvents();

    for (int round = 0; round < count; ++round) {
        SCOPED_TRACE(round);
        Session s(r, 1234u + static_cast<unsigned>(round));
        // Connect, and work the compressor steps while the device's settings come in.
        r.form->ConnectNet();
        ASSERT_TRUE(SpinUntil([&] { return fmProcess->Visible() || r.form->tmInLevelDet->Enabled(); }));
        for (int burst = 0; burst < 3 && fmProcess->Visible(); ++burst)
            s.WorkCompSteps();
        ASSERT_TRUE(SpinUntil([&] { return r.form->tmInLevelDet->Enabled() && !fmProcess->Visible(); }));
        ASSERT_TRUE(r.Quiet());

        for (int page = 0; page < layout::PageCount; ++page)
            s.WorkPage(page, 6);
        s.SwitchLanguage(round % 2 == 0 ? "ChineseSimplified" : "English");
        for (int page = 0; page < layout::PageCount; page += 3)
            s.WorkPage(page, 3);
        ASSERT_TRUE(r.Quiet());
        EXPECT_TRUE(r.form->Online);

        // Reconnect: the link closes and the next round connects again.
        r.form->Disconnect();
        ASSERT_TRUE(SpinUntil([&] { return !r.form->Online && !r.form->NetProc; }));
        for (int page = 0; page < layout::PageCount; page += 4)
            s.WorkPage(page, 2); // off line, edits stay in the window
        r.form->PrepareNetwork();
        ASSERT_TRUE(SpinUntil([&] { return r.server.HasClient() && r.form->ClientSocket.Connected(); }));
    }
}
