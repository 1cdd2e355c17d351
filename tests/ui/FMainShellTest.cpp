// The main window's shell: its named controls, the page switch, the language switch and channel names.
#include "controls/LProgressBar.h"
#include "controls/PeqEntry.h"
#include "controls/MyPEQAllpass.h"
#include "device/LUnitControl.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/TUpDown.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "ui/AppForms.h"
#include "ui/FExit.h"
#include "ui/FMain.h"
#include "ui/FMainLayoutNames.h"
#include "ui/SidTables.h"
#include "NoDeviceProgram.h"
#include "support/LogCatcher.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzPanel.h"
#include "widgets/VrButtons.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

const QString Channels[] = { "InA", "InB", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6" };

// The whole program's windows, without a device, and lookups of its named controls.
struct ShellRig : NoDeviceProgram
{
    template <class T>
    T* Get(const QString& name) const
    {
        return dynamic_cast<T*>(fmMain->FindComponent(name));
    }
    bool Visible(const QString& name) const
    {
        auto* c = Get<vcl::TControl>(name);
        return c && c->Visible();
    }
};

TEST(FMainShell, EveryChannelHasItsNamedControlsOfTheRightClass)
{
    ShellRig r;
    using Check = std::function<bool(const QString&)>;
    auto is = [&r]<class T>(T*) { return Check([&r](const QString& n) { return r.Get<T>(n) != nullptr; }); };
    const std::pair<const char*, Check> perChannel[] = {
        { "fftDraw", is((LMyFFTDrawPhase*)nullptr) },      { "peqPeq", is((TMyPEQAllpass*)nullptr) },
        { "isGain", is((TAdvTrackBar*)nullptr) },          { "isGainBackup", is((TAdvTrackBar*)nullptr) },
        { "cvdGain", is((TCurvyEdit*)nullptr) },           { "cvdGainBackup", is((TCurvyEdit*)nullptr) },
        { "rzbMute", is((rz::TRzBmpButton*)nullptr) },     { "rzbPhaseBackup", is((rz::TRzBmpButton*)nullptr) },
        { "pbLevel", is((LProgressBar*)nullptr) },         { "pbLevelBackup", is((LProgressBar*)nullptr) },
        { "isEqFreq", is((TAdvTrackBar*)nullptr) },        { "cvdEqGain", is((TCurvyEdit*)nullptr) },
        { "rzbEq8", is((rz::TRzBmpButton*)nullptr) },      { "vrbEqShowAll", is((vr::TVrPowerButton*)nullptr) },
        { "vrbEqReset", is((vr::TVrDemoButton*)nullptr) }, { "vrbEqBypass", is((vr::TVrDemoButton*)nullptr) },
        { "isLowCutFreq", is((TAdvTrackBar*)nullptr) },    { "rzcHighCutSlop", is((rz::TRzComboBox*)nullptr) },
        { "rzbLowCutBypass", is((rz::TRzBmpButton*)nullptr) }, { "isDelay", is((TAdvTrackBar*)nullptr) },
        { "cvdDelay", is((TCurvyEdit*)nullptr) },          { "lbDelayLine", is((vcl::TLabel*)nullptr) },
        { "imDelay", is((vcl::TControl*)nullptr) },        { "lbMatrixChName", is((vcl::TLabel*)nullptr) },
        { "rzgFft", is((rz::TRzGroupBox*)nullptr) },       { "rzgParam", is((rz::TRzGroupBox*)nullptr) },
        { "rzbMenu", is((rz::TRzBmpButton*)nullptr) },     { "lbFftChannel", is((vcl::TLabel*)nullptr) },
    };
    for (int ch = 0; ch < 8; ++ch) {
        for (const auto& [prefix, check] : perChannel) {
            const QString n = QString::fromLatin1(prefix) + Channels[ch];
            EXPECT_TRUE(check(n)) << n.toStdString();
            if (auto* c = r.Get<vcl::TComponent>(n); c && QString::fromLatin1(prefix) != QLatin1String("rzbEq8")) {
                EXPECT_EQ(c->Tag(), ch) << n.toStdString();
            }
        }
        EXPECT_EQ(r.Get<rz::TRzBmpButton>(QStringLiteral("rzbEq9") + Channels[ch]) != nullptr, ch >= 2);
        EXPECT_EQ(r.Get<rz::TRzBmpButton>(QStringLiteral("rzbEq8") + Channels[ch])->Tag(), 7); // the band
    }
    for (int n = 1; n <= 6; ++n) {
        const QString o = QStringLiteral("Out%1").arg(n);
        EXPECT_NE(r.Get<TAdvTrackBar>(QStringLiteral("isCompThreshold") + o), nullptr);
        EXPECT_NE(r.Get<vcl::TUpDown>(QStringLiteral("udCompRatio") + o), nullptr);
        EXPECT_NE(r.Get<rz::TRzBmpButton>(QStringLiteral("rzbAMatrix") + o), nullptr);
        EXPECT_NE(r.Get<LProgressBar>(QStringLiteral("pbLimitComp") + o), nullptr);
    }
    for (const char* letter : { "A", "B" })
        EXPECT_NE(r.Get<TAdvTrackBar>(QStringLiteral("isGateHoldIn") + QLatin1String(letter)), nullptr);
    // Each curve set draws on its plot control.
    const char* const plots[] = { "fftDrawInA", "fftDrawInB", "fftDrawOut1", "fftDrawOut2", "fftDrawOut3",
                                  "fftDrawOut4", "fftDrawOut5", "fftDrawOut6", "fftDrawGainIn", "fftDrawGainOut" };
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(fmMain->Plots[k]->View(), r.Get<LMyFFTDrawPhase>(QString::fromLatin1(plots[k]))) << k;
}

TEST(FMainShell, StartsOnTheGainPageInEnglish)
{
    ShellRig r;
    EXPECT_EQ(fmMain->CurPage, 10);
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgFftGain")));
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgParamGain")));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMenuGain"))->Font()->Color(), 0x00FF00);
    EXPECT_EQ(fmMain->rzbMenuLink->Caption(), QStringLiteral("OffLine"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMuteBackupOut3"))->Caption(), QStringLiteral("Mute"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbPhaseInB"))->Caption(), QStringLiteral("Normal"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("lbGateName"))->Caption(), QStringLiteral("In A  Gate"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("lbCompName"))->Caption(), QStringLiteral("Out 1  Compressor"));
    EXPECT_EQ(r.Get<vcl::TMenuItem>(QStringLiteral("File"))->Caption(), QStringLiteral("File"));
    EXPECT_TRUE(r.Get<vcl::TMenuItem>(QStringLiteral("English"))->Checked());
    EXPECT_TRUE(r.Get<vcl::TMenuItem>(QStringLiteral("NetworkSetup"))->Visible());
    EXPECT_FALSE(r.Get<vcl::TMenuItem>(QStringLiteral("FactoryDefault"))->Visible());
}

TEST(FMainShell, PageSwitchShowsThePageAndAFollowerShowsItsMastersBoxes)
{
    ShellRig r;
    auto click = [&r](const char* button) { r.Get<rz::TRzBmpButton>(QString::fromLatin1(button))->Click(); };

    click("rzbMenuOut2");
    EXPECT_EQ(fmMain->CurPage, 3);
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgFftOut2")));
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgParamOut2")));
    EXPECT_FALSE(r.Visible(QStringLiteral("rzgParamGain")));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMenuOut2"))->Font()->Color(), 0x00FF00);
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMenuGain"))->Font()->Color(), 0xFFFFFF);
    click("rzbMenuOut2"); // the page already shown: nothing changes
    EXPECT_EQ(fmMain->CurPage, 3);

    // InB follows InA: the InB page shows InA's boxes titled InB.
    fmMain->SuppressSend = true;
    fmMain->Controller.Model()->SetLink(0, 3);
    fmMain->Controller.Model()->SetLink(1, 0);
    fmMain->SuppressSend = false;
    click("rzbMenuInB");
    EXPECT_EQ(fmMain->CurPage, 1);
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgFftInA")));
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgParamInA")));
    EXPECT_EQ(r.Get<vcl::TLabel>(QStringLiteral("lbFftChannelInA"))->Caption(), QStringLiteral("InB"));
    EXPECT_EQ(r.Get<vcl::TLabel>(QStringLiteral("lbGainNameInA"))->Caption(), QStringLiteral("InB"));
    click("rzbMenuInA");
    EXPECT_EQ(fmMain->CurPage, 0);
    EXPECT_EQ(r.Get<vcl::TLabel>(QStringLiteral("lbFftChannelInA"))->Caption(), QStringLiteral("InA"));
    click("rzbMenuComp");
    EXPECT_TRUE(r.Visible(QStringLiteral("rzgFftComp")));
    EXPECT_FALSE(r.Visible(QStringLiteral("rzgParamInA")));
}

TEST(FMainShell, AChannelPageBuildsItsBandRowsAsItIsFirstShown)
{
    ShellRig r;
    fmMain->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fmMain->windowHandle()));
    auto* peq = r.Get<TMyPEQAllpass>(QStringLiteral("peqPeqOut2"));
    ASSERT_NE(peq, nullptr);
    const int bands = peq->GetChannelNumber();
    ASSERT_GT(bands, 0);
    const int unshown = peq->ControlCount(); // filled at start, but out of sight
    auto* button = r.Get<rz::TRzBmpButton>(QStringLiteral("rzbMenuOut2"));
    QTest::mouseClick(fmMain->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(fmMain, QPoint(button->width() / 2, button->height() / 2)));
    ASSERT_EQ(fmMain->CurPage, 3);
    // Label, three edits, type list and bypass button of every band in use, showing its values.
    EXPECT_EQ(peq->ControlCount(), unshown + 6 * bands);
    for (int b = 0; b < bands; ++b) {
        EXPECT_TRUE(peq->FreqEdit(b)->isVisible()) << b;
        EXPECT_EQ(peq->FreqEdit(b)->Text(), PeqFreqText(peq->GetFreqValue(b))) << b;
        EXPECT_EQ(peq->TypeCombo(b)->ItemIndex(), fmMain->Controller.Model()->GetPeq(3, b).Type) << b;
    }
}

TEST(FMainShell, LanguageSwitchRenamesTheInterfaceOnce)
{
    ShellRig r;
    auto* chinese = r.Get<vcl::TMenuItem>(QStringLiteral("ChineseSimplified"));
    chinese->Click();
    EXPECT_EQ(fmMain->Language, QStringLiteral("ChineseGB"));
    EXPECT_TRUE(chinese->Checked());
    EXPECT_FALSE(r.Get<vcl::TMenuItem>(QStringLiteral("English"))->Checked());
    EXPECT_EQ(r.Get<vcl::TMenuItem>(QStringLiteral("LanguageSel"))->Caption(), QStringLiteral("Language"));
    EXPECT_EQ(chinese->Caption(), QString::fromUtf8("中文"));
    EXPECT_EQ(r.Get<vcl::TMenuItem>(QStringLiteral("English"))->Caption(), QStringLiteral("English"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMuteBackupInA"))->Caption(), QString::fromUtf8("静音"));
    EXPECT_EQ(fmMain->rzbMenuLink->Caption(), QString::fromUtf8("未连机"));

    // Choosing the checked language again rewrites nothing.
    r.Get<vcl::TControl>(QStringLiteral("lPreset"))->SetCaption(QStringLiteral("marker"));
    chinese->Click();
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("lPreset"))->Caption(), QStringLiteral("marker"));

    r.Get<vcl::TMenuItem>(QStringLiteral("English"))->Click();
    EXPECT_EQ(fmMain->Language, QStringLiteral("English"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("lPreset"))->Caption(), QStringLiteral("Preset"));
    EXPECT_EQ(fmMain->GetSidText(QStringLiteral("SID_GATE")), QStringLiteral("Gate"));
}

// Qt's own file, colour, font and print dialogs speak the program's language.
TEST(FMainShell, QtsOwnDialogsFollowTheLanguageSwitch)
{
    ShellRig r;
    auto cancelOfFileDialog = [] {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        return buttons && buttons->button(QDialogButtonBox::Cancel) ? buttons->button(QDialogButtonBox::Cancel)->text() : QString();
    };
    const QString english = cancelOfFileDialog();
    EXPECT_TRUE(english.contains(QStringLiteral("Cancel"))) << english.toStdString();
    r.Get<vcl::TMenuItem>(QStringLiteral("ChineseSimplified"))->Click();
    EXPECT_TRUE(cancelOfFileDialog().contains(QString::fromUtf8("取消"))) << cancelOfFileDialog().toStdString();
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "&Basic colors"), QStringLiteral("&Basic colors"));
    EXPECT_NE(QCoreApplication::translate("QFontDialog", "Select Font"), QStringLiteral("Select Font"));
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));
    r.Get<vcl::TMenuItem>(QStringLiteral("English"))->Click();
    EXPECT_EQ(cancelOfFileDialog(), english);
}

TEST(FMainShell, ChannelNameGoesToLabelHintAndThisChannelOnly)
{
    ShellRig r;
    fmMain->SuppressSend = true;
    fmMain->Controller.Model()->SetLink(2, 0x05); // Out1 leads Out3
    fmMain->Controller.Model()->SetLink(4, 0);
    fmMain->SuppressSend = false;
    const auto out1Before = fmMain->GetChannelName(2);
    fmMain->SetChannelName(4, "Sub");
    EXPECT_EQ(r.Get<vcl::TLabel>(QStringLiteral("lbMatrixChNameOut3"))->Caption(), QStringLiteral("Sub"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMenuOut3"))->Hint(), QStringLiteral("Sub"));
    const auto out3 = fmMain->GetChannelName(4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out3.data()), 4), std::string("Sub\0", 4));
    EXPECT_EQ(fmMain->GetChannelName(2), out1Before);

    fmMain->SetChannelName(0, "Vocals12"); // eight characters: no terminator, shown in full
    const auto inA = fmMain->GetChannelName(0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(inA.data()), 8), "Vocals12");
    EXPECT_EQ(r.Get<vcl::TLabel>(QStringLiteral("lbMatrixChNameInA"))->Caption(), QStringLiteral("Vocals12"));
}

TEST(FMainShell, ClosingAsksFirstAndGoesOnlyOnceConfirmed)
{
    ShellRig r;
    fmMain->Show();
    fmMain->Close();
    EXPECT_TRUE(fmMain->Visible());
    ASSERT_NE(fmExit, nullptr);
    EXPECT_TRUE(fmExit->Visible());
    EXPECT_FALSE(r.app->Terminated());
    fmMain->ConfirmExit(true); // the quit dialog's OK: the window closes
    EXPECT_TRUE(r.app->Terminated()); // closing the main window ends the program
}

// A control freed while the window lives: the caption pass stops at it as at any missing control, and
// growing the window moves the rest of its row.
TEST(FMainShell, AControlFreedEarlyIsSkippedByTheCaptionAndResizePasses)
{
    ShellRig r;
    delete r.Get<vcl::TControl>(QStringLiteral("lbEqParamInB"));
    delete r.Get<vcl::TControl>(QStringLiteral("lbFftDelayNameOut6"));

    r.Get<vcl::TMenuItem>(QStringLiteral("ChineseSimplified"))->Click();
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzbMuteBackupInA"))->Caption(), QString::fromUtf8("静音"));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("lbEqParamInA"))->Caption(),
              SidTables::Lookup(SidTables::Simplified(), QStringLiteral("SID_EQ_PARAM")));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("lbEqParamOut1"))->Caption(),
              SidTables::Lookup(SidTables::English(), QStringLiteral("SID_EQ_PARAM")))
        << "the pass ends at the freed caption";

    fmMain->Show();
    fmMain->SetBounds(0, 0, 1118 + 100, 720 + 140);
    QApplication::processEvents();
    EXPECT_EQ(fmMain->ExtraHeight, 140);
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("imDelayOut6"))->Top(),
              layout::DelayRowTop(layout::DelayRow::Marker, 7, 140));
    EXPECT_EQ(r.Get<vcl::TControl>(QStringLiteral("rzgPreset"))->Top(), 140 + 626);
}

// The page switch meets a control of the window that is gone: it stops there, leaves the page shown
// as it was and says where in the log.
TEST(FMainShell, APageSwitchThatMeetsAFreedControlStopsAndLogsIt)
{
    ShellRig r;
    fmMain->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fmMain->windowHandle()));
    const int shownPage = fmMain->CurPage;
    delete r.Get<vcl::TControl>(QStringLiteral("lbFftChannelOut2"));
    testsupport::LogCatcher log;

    auto* button = r.Get<rz::TRzBmpButton>(QStringLiteral("rzbMenuOut2"));
    QTest::mouseClick(fmMain->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(fmMain, QPoint(button->width() / 2, button->height() / 2)));

    EXPECT_EQ(fmMain->CurPage, shownPage);
    EXPECT_EQ(log.OwnWarningsWith("ui/FMainPages.cpp"), 1);
    EXPECT_EQ(log.OwnWarningsWith("expected title"), 1);
}

TEST(FMainShell, PlotsCoverTheAudioBandAtPlusMinus18dB)
{
    ShellRig r;
    for (const char* name : { "fftDrawInA", "fftDrawOut6", "fftDrawGainIn", "fftDrawGainOut" }) {
        auto* plot = r.Get<LMyFFTDrawPhase>(QString::fromLatin1(name));
        ASSERT_NE(plot, nullptr) << name;
        EXPECT_EQ(plot->XMin(), 966) << name;
        EXPECT_EQ(plot->XMax(), 3840) << name;
        EXPECT_EQ(plot->YMin(), -18) << name;
        EXPECT_EQ(plot->YMax(), 18) << name;
    }
    EXPECT_EQ(r.Get<LMyFFTDrawPhase>(QStringLiteral("fftDrawGainOut"))->Tag(), 0);
}

} // namespace
