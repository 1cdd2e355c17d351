// The main window's creation: caption, device ID, model, curve sets, client socket, the timer that
// opens the search, and the single-instance lock.
#include "device/Constants.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTimer.h"
#include "ui/AppForms.h"
#include "ui/FAbout.h"
#include "ui/FChNameList.h"
#include "ui/FChannelName.h"
#include "ui/FCopy.h"
#include "ui/FExit.h"
#include "ui/FFactory.h"
#include "ui/FHidData.h"
#include "ui/FInformation.h"
#include "ui/FLinkSel.h"
#include "ui/FLockPassWord.h"
#include "ui/FLockSetup.h"
#include "ui/FMain.h"
#include "ui/FMemo.h"
#include "ui/FNetWorkScan.h"
#include "ui/FNetworkSetup.h"
#include "ui/FPeqRst.h"
#include "ui/FProcess.h"
#include "ui/FRecallPreset.h"
#include "ui/FRs232CodeDoc.h"
#include "ui/FRs232CodeDocEnglish.h"
#include "ui/FStoreName.h"
#include "ui/FStorePreset.h"
#include "ui/FTest.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <unistd.h>

void ClearFormPointers();

namespace {

// No test of this program sees the machine's HID devices or serial ports unless it lists its own.
const bool SafeDevices = [] {
    static QTemporaryDir emptyRoot;
    if (!std::getenv("ZQ9_HID_ROOT"))
        setenv("ZQ9_HID_ROOT", emptyRoot.path().toLocal8Bit().constData(), 1);
    if (!std::getenv("ZQ9_SERIAL_PORTS"))
        setenv("ZQ9_SERIAL_PORTS", "", 1);
    return true;
}();

// An application whose windows are gone, and their global pointers cleared, when the rig ends.
struct AppRig
{
    ~AppRig()
    {
        appOwner.reset();
        ClearFormPointers();
    }
    int argc { 1 };
    char name[8] { "test_ui" };
    char* argv[2] { name, nullptr };
    std::unique_ptr<vcl::TApplication> appOwner { std::make_unique<vcl::TApplication>(argc, argv) };
    vcl::TApplication& app { *appOwner };
};

} // namespace

// The program's window pointers, cleared once a test's application (and with it every window) is gone.
void ClearFormPointers()
{
    fmMain = nullptr;
    fmHidData = nullptr;
    fmPeqRst = nullptr;
    fmAbout = nullptr;
    fmRs232Code = nullptr;
    fmRs232CodeEnglish = nullptr;
    fmLockPassWord = nullptr;
    fmLockSetup = nullptr;
    fmNetwork = nullptr;
    fmProcess = nullptr;
    fmInformation = nullptr;
    fmExit = nullptr;
    fmMemo = nullptr;
    fmRecallPreset = nullptr;
    fmChannelName = nullptr;
    fmStorePreset = nullptr;
    fmFactory = nullptr;
    fmTest = nullptr;
    fmLinkSel = nullptr;
    fmChNameList = nullptr;
    fmStoreName = nullptr;
    fmNetworkSetup = nullptr;
    fmCopy = nullptr;
}

TEST(FMainCreate, CreationSetsCaptionIdSocketModelCurvesAndStartsTheSearchTimer)
{
    ASSERT_TRUE(SafeDevices);
    AppRig r;
    CreateAppForms(r.app);
    ASSERT_NE(fmMain, nullptr);

    EXPECT_EQ(fmMain->Caption(), QStringLiteral("ZQ9 DSP Processor Editor V1.01"));
    EXPECT_FALSE(fmMain->OtherInstanceFound);
    EXPECT_FALSE(r.app.Terminated());
    EXPECT_EQ(fmMain->GetDeviceId(), 1);
    EXPECT_EQ(fmMain->Controller.NetworkLink().ClientSocket().GetPort(), 9761);
    EXPECT_EQ(fmMain->Controller.NetworkLink().ClientSocket().GetAddress(), DEFAULT_DEVICE_IP);
    EXPECT_EQ(fmMain->DeviceIp, 0xC0A80201u);
    EXPECT_FALSE(fmMain->Controller.NetworkLink().ClientSocket().GetActive()); // nothing is dialled before a search starts
    EXPECT_EQ(fmMain->Language, QStringLiteral("English"));

    ASSERT_NE(fmMain->Controller.Model(), nullptr);
    for (Plot* plot : fmMain->Plots)
        EXPECT_NE(plot, nullptr);
    EXPECT_NE(fmMain->HidCtl, nullptr);
    EXPECT_FALSE(fmMain->SuppressSend);
    EXPECT_FALSE(fmMain->Controller.IsLinked());
    EXPECT_FALSE(fmMain->Controller.IsOnline());
    EXPECT_EQ(fmMain->HidDevice, nullptr);

    // The search opens 300 ms later, once.
    ASSERT_NE(fmMain->tmStartConnect, nullptr);
    EXPECT_TRUE(fmMain->tmStartConnect->Enabled());
    EXPECT_EQ(fmMain->tmStartConnect->Interval(), 300u);
    fmMain->tmStartConnect->SetEnabled(false);
}

TEST(FMainCreate, ASecondInstanceFindsTheFirstAndEnds)
{
    TfmMain::SetInstanceName(QStringLiteral("zq9-create-test-%1").arg(getpid()));
    {
        AppRig r;
        auto* first = new TfmMain(&r.app);
        first->AfterConstruction();
        first->tmStartConnect->SetEnabled(false);
        EXPECT_FALSE(first->OtherInstanceFound);
        EXPECT_FALSE(r.app.Terminated());

        auto second = std::make_unique<TfmMain>(nullptr); // another program's window
        second->AfterConstruction();
        EXPECT_TRUE(second->OtherInstanceFound);
        EXPECT_TRUE(r.app.Terminated());
        EXPECT_FALSE(second->tmStartConnect->Enabled()); // no search from the instance that ends
        EXPECT_EQ(second->Controller.Model(), nullptr);
    }
    // Once the first has gone, the name is free again.
    AppRig again;
    auto* third = new TfmMain(&again.app);
    third->AfterConstruction();
    third->tmStartConnect->SetEnabled(false);
    EXPECT_FALSE(third->OtherInstanceFound);
    TfmMain::SetInstanceName(QString());
}
