// The program's windows: created once in the entry order, the main window first and captioned.
#include "platform/ui/TApplication.h"
#include "ui/AppForms.h"
#include "ui/FCopy.h"
#include "ui/FHidData.h"
#include "ui/FMain.h"
#include "ui/FNetWorkScan.h"
#include "widgets/AdvSmoothSplashScreen.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(AppFormsTest, TwentyThreeFormsInOrderMainFirstAllHidden)
{
    int argc = 1;
    char name[] = "test_ui";
    char* argv[] = { name, nullptr };
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("ZQ9 DSP Processor Editor V1.01"));

    CreateAppForms(app);
    fmMain->asScreen->Hide(); // the start-up splash window goes once the main window shows

    const char* expected[] = { "fmMain", "fmHidData", "fmPeqRst", "fmAbout", "fmRs232Code", "fmRs232CodeEnglish",
                               "fmLockPassWord", "fmLockSetup", "fmNetwork", "fmProcess", "fmInformation",
                               "fmExit", "fmMemo", "fmRecallPreset", "fmChannelName", "fmStorePreset", "fmFactory",
                               "fmTest", "fmLinkSel", "fmChNameList", "fmStoreName", "fmNetworkSetup", "fmCopy" };
    ASSERT_EQ(app.ComponentCount(), 23);
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(app.Components(i)->Name(), QString::fromLatin1(expected[i])) << i;
        auto* form = dynamic_cast<TForm*>(app.Components(i));
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->Visible()) << i;
        EXPECT_EQ(form->ClassName(), QStringLiteral("T") + QString::fromLatin1(expected[i])) << i;
    }
    EXPECT_EQ(app.MainForm(), fmMain);
    EXPECT_EQ(app.Components(0), fmMain);
    EXPECT_EQ(app.Components(8), fmNetwork);
    EXPECT_EQ(app.Components(22), fmCopy);
    EXPECT_EQ(fmMain->Caption(), app.Title()); // composed from title and version, reads the same
    EXPECT_EQ(app.FindComponent(QStringLiteral("FMHIDDATA")), fmHidData);
}
