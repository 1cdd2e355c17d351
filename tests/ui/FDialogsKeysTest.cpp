// Esc on the dialogs the main window opens, pressed on the dialog's own window: each closes as its
// Cancel would, and nothing is sent.

#include "FDialogsRig.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace dlgtest;
using namespace seqtest;

TEST(FDialogsKeys, EscClosesEveryDialogAsItsCancel)
{
    DialogRig r;
    fmRs232CodeEnglish = new TfmRs232CodeEnglish(&r.app);
    r.form->Language = QStringLiteral("English");
    const struct { const char* name; vcl::TForm* form; std::function<void()> open; } dialogs[] = {
        { "quit", fmExit, [&] { r.form->ExitClick(nullptr); } },
        { "lock setup", fmLockSetup, [&] { r.form->LockClick(nullptr); } },
        { "recall list", fmRecallPreset, [&] { r.form->bRecallClick(nullptr); } },
        { "RS-232 viewer", fmRs232CodeEnglish, [&] { r.form->Rs232CodeClick(nullptr); } },
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        r.emu.ClearRecords();
        bool closedByEsc = false;
        ModalAnswer esc(d.form, [&](vcl::TForm& form) {
            form.activateWindow();
            QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
            closedByEsc = form.ModalResult() != vcl::mrNone || !form.Visible();
            if (!closedByEsc)
                form.Close(); // ends the display the key left open
        });
        d.open();
        EXPECT_EQ(esc.Count, 1);
        EXPECT_TRUE(closedByEsc);
        EXPECT_FALSE(d.form->Visible());
        EXPECT_TRUE(r.emu.Requests().empty()) << "Esc sends nothing";
    }
}
