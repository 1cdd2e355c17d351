// The connection search: candidate order and counter, the end of a search, the link-broken state,
// the offline exit, and whole searches against the emulator over a pseudo-terminal and loopback TCP.
#include "FMainConnectTestRig.h"

#include "platform/os/SerialPortList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "support/DeviceEmulator.h"
#include "support/EmulatorLinks.h"
#include "support/TestTransportHost.h"
#include "ui/AppForms.h"
#include "ui/FInformation.h"
#include "ui/FMain.h"
#include "ui/FNetWorkScan.h"
#include "ui/FNetworkSetup.h"
#include "ui/FProcess.h"
#include "widgets/AdvProgressBar.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// Clears the program's window pointers (with the creation tests).
void ClearFormPointers();

namespace {

// Every window of the program on a fresh application, the start-up search held back.
struct SearchRig
{
    explicit SearchRig(const char* ports = "")
    {
        setenv("ZQ9_SERIAL_PORTS", ports, 1);
        CreateAppForms(*appOwner);
        fmMain->tmStartConnect->SetEnabled(false);
    }
    ~SearchRig()
    {
        if (fmMain) {
            fmMain->HidDevice = nullptr;
            fmNetwork->ConnectResult = 0;
            fmMain->Disconnect();
        }
        appOwner.reset();
        ClearFormPointers();
        setenv("ZQ9_SERIAL_PORTS", "", 1);
    }
    int argc { 1 };
    char name[8] { "test_ui" };
    char* argv[2] { name, nullptr };
    std::unique_ptr<vcl::TApplication> appOwner { std::make_unique<vcl::TApplication>(argc, argv) };
};

bool SpinUntil(const std::function<bool()>& pred, int ms = patience::OuterLimitMs)
{
    return TestTransportHost::SpinUntil(pred, ms);
}

QString Sid(const char* key)
{
    return DialogText(key);
}

// Shows the search modally until it closes itself (or a guard gives up after `ms`).
void RunSearchModal(int ms)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { fmNetwork->SetModalResult(vcl::mrCancel); });
    guard.start(ms);
    fmNetwork->ShowModal();
}

// Which candidate the search is about to open, as "USB 1/3", "NET 1/2", "COM3 2/3"; "" when none.
std::string PendingCandidate()
{
    const std::string counter = fmNetwork->lblDeviceID->Caption().toStdString();
    if (fmNetwork->tmRunUsbConnect->Enabled()) {
        EXPECT_EQ(fmNetwork->tmWatchDog->Interval(), 6000u);
        return "USB " + counter;
    }
    if (fmNetwork->tmRunNetConnect->Enabled()) {
        EXPECT_EQ(fmNetwork->tmWatchDog->Interval(), 2000u);
        return "NET " + counter;
    }
    if (fmNetwork->tmRunComConnect->Enabled()) {
        EXPECT_EQ(fmNetwork->tmWatchDog->Interval(), 10000u);
        EXPECT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_SCAN") + fmMain->Controller.SerialPort() + QStringLiteral(" ......"));
        return fmMain->Controller.SerialPort().toStdString() + " " + counter;
    }
    return "";
}

} // namespace

TEST(FNetWorkScan, PortsAreOrderedByTheirNumber)
{
    QStringList names { "COM10", "COM3", "COM4", "COM1" };
    TfmNetwork::SortPortNames(names);
    EXPECT_EQ(names, (QStringList { "COM1", "COM3", "COM4", "COM10" }));
    // A name of another form neither stops the search nor takes the place of a numbered port.
    QStringList odd { "ttyX", "COM123", "COM12", "COM2" };
    TfmNetwork::SortPortNames(odd);
    EXPECT_EQ(odd, (QStringList { "COM2", "COM12", "COM123", "ttyX" }));
}

TEST(FNetWorkScan, CandidatesAreTheUsbDeviceOrTheAddressThenEveryPortInOrder)
{
    struct Case
    {
        const char* what;
        bool usb;
        std::uint32_t ip;
        const char* ports;
        std::vector<std::string> steps;
    };
    const char* three = "COM10=/nonexistent/a;COM3=/nonexistent/b;COM4=/nonexistent/c";
    const std::vector<Case> cases {
        { "usb, address, three ports", true, 0xC0A80201, three, { "USB 1/4", "COM3 2/4", "COM4 3/4", "COM10 4/4" } },
        { "usb, no address, no port", true, 0, "", { "USB 1/1" } },
        { "address, three ports", false, 0xC0A80201, three, { "NET 1/4", "COM3 2/4", "COM4 3/4", "COM10 4/4" } },
        { "address only", false, 0x7F000001, "", { "NET 1/1" } },
        { "ports only", false, 0, "COM5=/nonexistent/a;COM1=/nonexistent/b", { "COM1 1/2", "COM5 2/2" } },
    };
    int dummy = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SearchRig r(c.ports);
        fmMain->HidDevice = c.usb ? reinterpret_cast<TJvHidDevice*>(&dummy) : nullptr;
        fmMain->DeviceIp = c.ip;
        fmNetwork->StartScan();
        EXPECT_FALSE(fmNetwork->btnOK->Enabled());
        EXPECT_EQ(fmNetwork->pbScan->Max(), static_cast<int>(c.steps.size()));

        std::vector<std::string> seen;
        for (std::size_t i = 0; i < c.steps.size() + 1; ++i) {
            const std::string step = PendingCandidate();
            if (step.empty())
                break;
            seen.push_back(step);
            EXPECT_EQ(fmNetwork->pbScan->Position(), fmNetwork->ScanIndex);
            // The candidate fails without being opened; the next step follows.
            fmNetwork->tmRunUsbConnect->SetEnabled(false);
            fmNetwork->tmRunNetConnect->SetEnabled(false);
            fmNetwork->tmRunComConnect->SetEnabled(false);
            fmNetwork->SetConnectResult(0);
            fmNetwork->tmConnectTimer(nullptr);
        }
        EXPECT_EQ(seen, c.steps);
        // After the last candidate the search offers its buttons again.
        EXPECT_TRUE(fmNetwork->btnOK->Enabled());
        EXPECT_TRUE(fmNetwork->btnId->Enabled());
        EXPECT_TRUE(fmNetwork->btnExit->Enabled());
        EXPECT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_NO_DEVICE"));
        EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), QString());
        EXPECT_EQ(fmNetwork->pbScan->Position(), fmNetwork->pbScan->Max());
        fmNetwork->tmWatchDog->SetEnabled(false);
    }
}

TEST(FNetWorkScan, WithNoCandidateTheSearchEndsAtOnceAndOffersItsButtons)
{
    SearchRig r("");
    fmMain->DeviceIp = 0;
    fmNetwork->StartScan();
    EXPECT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_NO_DEVICE"));
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), QString());
    EXPECT_FALSE(fmNetwork->btnOK->Enabled());
    EXPECT_FALSE(fmNetwork->tmWatchDog->Enabled());
    EXPECT_TRUE(SpinUntil([] { return fmNetwork->btnOK->Enabled(); }, 1000));
    EXPECT_TRUE(fmNetwork->btnExit->Enabled());
    EXPECT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_NO_DEVICE"));
}

TEST(FNetWorkScan, APortThatCannotBeOpenedShowsLinkBrokenAndTheWatchdogMovesOn)
{
    SearchRig r("COM7=/nonexistent/zq9-port");
    fmMain->DeviceIp = 0;
    fmNetwork->StartScan();
    EXPECT_TRUE(SpinUntil([] { return fmNetwork->btnOK->Enabled(); }, 2000));
    EXPECT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_LINK_BROKEN"));
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), QString());
    EXPECT_EQ(fmMain->Controller.Com(), nullptr);
    // The watchdog armed for the port is still running and ends the search when it fires.
    EXPECT_TRUE(fmNetwork->tmWatchDog->Enabled());
    EXPECT_EQ(fmNetwork->tmWatchDog->Interval(), 10000u);
    fmNetwork->tmWatchDogTimer(nullptr);
    fmNetwork->tmConnectTimer(nullptr);
    EXPECT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_NO_DEVICE"));
    EXPECT_FALSE(fmNetwork->tmWatchDog->Enabled()) << "a search that ended watches nothing";

    // A port name without a number is a port that cannot be opened, not an error.
    fmNetwork->lblScan->SetCaption(QString());
    fmMain->SetComPortName(QStringLiteral("COMX"));
    EXPECT_NO_THROW(fmMain->ConnectCom());
    EXPECT_EQ(fmMain->Controller.Com(), nullptr);
    EXPECT_TRUE(SpinUntil([] { return fmNetwork->lblScan->Caption() == Sid("SID_LINK_BROKEN"); }, 2000));
    fmNetwork->tmWatchDog->SetEnabled(false);
}

TEST(FNetWorkScan, DemoClosesTheSearchWithTheLinkButtonEnabledAndNothingOpen)
{
    SearchRig r("");
    fmMain->DeviceIp = 0;
    auto* link = dynamic_cast<vcl::TControl*>(fmMain->FindComponent(QStringLiteral("rzbMenuLink")));
    ASSERT_NE(link, nullptr);
    link->SetEnabled(false);
    // Every control lies inside the dialog.
    EXPECT_GE(fmNetwork->ClientWidth(), fmNetwork->btnExit->Left() + fmNetwork->btnExit->Width());
    EXPECT_GE(fmNetwork->ClientWidth(), fmNetwork->lblDeviceID->Left() + fmNetwork->lblDeviceID->Width());
    QTimer::singleShot(50, [] { fmNetwork->btnExit->Click(); });
    RunSearchModal(3000);
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_TRUE(link->Enabled());
    EXPECT_EQ(fmMain->Controller.Com(), nullptr);
    EXPECT_EQ(fmMain->Controller.Usb(), nullptr);
    EXPECT_EQ(fmMain->Controller.Net(), nullptr);
    EXPECT_FALSE(fmMain->Controller.IsOnline());
}

TEST(FNetWorkScan, SetOpensTheNetworkDialogInFrontOfTheSearch)
{
    SearchRig r("");
    fmMain->DeviceIp = 0;
    QWidget* activeModal = nullptr;
    QWindow* owner = nullptr;
    bool onTop = false;
    seqtest::ModalAnswer setup(fmNetworkSetup, [&](vcl::TForm&) {
        activeModal = QApplication::activeModalWidget();
        owner = fmNetworkSetup->windowHandle()->transientParent();
        onTop = fmNetworkSetup->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        fmNetworkSetup->bnExit->Click();
    });
    bool pressedSet = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!fmNetwork->Modal() || !fmNetwork->btnId->Enabled())
            return;
        if (pressedSet) {
            fmNetwork->btnExit->Click();
            return;
        }
        pressedSet = true;
        const QPoint centre(fmNetwork->btnId->Width() / 2, fmNetwork->btnId->Height() / 2);
        QTest::mouseClick(fmNetwork->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          fmNetwork->btnId->mapTo(fmNetwork, centre));
    });
    user.start(5);
    RunSearchModal(10000);
    ASSERT_EQ(setup.Count, 1);
    EXPECT_EQ(activeModal, static_cast<QWidget*>(fmNetworkSetup)) << "the network dialog is the modal window on top";
    EXPECT_EQ(owner, fmNetwork->windowHandle()) << "it belongs to the search dialog";
    EXPECT_TRUE(onTop) << "as the search dialog keeps itself above the others, so does it";

    // From the main window's menu it belongs to the main window and keeps no place above the others.
    fmMain->Show();
    fmMain->NetworkSetupClick(nullptr);
    ASSERT_EQ(setup.Count, 2);
    EXPECT_FALSE(onTop);
    EXPECT_NE(owner, fmNetwork->windowHandle());
}

TEST(FNetWorkScan, FindsTheDeviceBehindAPseudoTerminalListedAsASerialPort)
{
    DeviceEmulator emu;
    EmulatorPty pty(emu);
    const std::string ports = "COM9=/nonexistent/zq9-before;COM12=" + pty.SlavePath();
    SearchRig r(ports.c_str());
    fmMain->DeviceIp = 0; // no network candidate

    fmNetwork->StartScan();
    RunSearchModal(20000);
    EXPECT_EQ(fmNetwork->ConnectResult, 1);
    EXPECT_FALSE(fmNetwork->Visible());
    EXPECT_EQ(fmMain->Controller.SerialPort(), QStringLiteral("COM12"));
    EXPECT_TRUE(SpinUntil([] { return fmMain->Controller.IsOnline(); }, 5000));
    EXPECT_GE(emu.CountOf(0x10), 1u);
    EXPECT_GE(emu.CountOf(0x13), 1u);
    // Let the upload finish before the rig tears the link down.
    EXPECT_TRUE(SpinUntil([] { return !fmProcess->Visible() && fmMain->tmInLevelDet->Enabled(); }, 10000));
}

TEST(FNetWorkScan, FindsTheDeviceAtTheNetworkAddressOverLoopback)
{
    DeviceEmulator emu;
    EmulatorTcpServer server(emu);
    SearchRig r("");
    fmMain->Controller.NetworkLink().SetEndpoint("127.0.0.1", server.Port());
    fmMain->DeviceIp = 0x7F000001;

    fmNetwork->ConnectResult = 1; // left from an earlier link: the new search starts afresh
    fmNetwork->btnOKClick(nullptr); // activates the client socket, then searches
    EXPECT_EQ(fmNetwork->ConnectResult, 0);
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), QStringLiteral("1/1"));
    RunSearchModal(20000);
    EXPECT_EQ(fmNetwork->ConnectResult, 1);
    EXPECT_FALSE(fmNetwork->tmWatchDog->Enabled()) << "found: the watchdog no longer moves the search on";
    EXPECT_TRUE(SpinUntil([] { return fmMain->Controller.IsOnline(); }, 5000));
    EXPECT_NE(fmMain->Controller.Net(), nullptr);
    EXPECT_GE(emu.CountOf(0x13), 1u);
    EXPECT_TRUE(SpinUntil([] { return !fmProcess->Visible() && fmMain->tmInLevelDet->Enabled(); }, 10000));
}

TEST(FNetWorkScan, AReplyOfAnotherDeviceOrAnEchoingLineLeavesNoOnlineStateAndNothingForTheNextDevice)
{
    struct Case
    {
        const char* what;
        std::function<void(DeviceEmulator&)> arm;
        std::function<void(DeviceEmulator&)> mend;
    } cases[] = {
        // The link is answered; the identity comes signed by another device.
        { "another device ID", [](DeviceEmulator& e) { e.ArmFault(DeviceEmulator::Fault::ForeignId, 0x13, 0, 0, 7); },
          [](DeviceEmulator&) {} },
        { "an echoing line", [](DeviceEmulator& e) { e.SetEcho(true); }, [](DeviceEmulator& e) { e.SetEcho(false); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceEmulator emu;
        EmulatorPty pty(emu);
        const std::string ports = "COM12=" + pty.SlavePath();
        SearchRig r(ports.c_str());
        fmMain->DeviceIp = 0; // the port is the only candidate
        c.arm(emu);

        // The search runs until it has given up on its one candidate.
        QTimer ended;
        QObject::connect(&ended, &QTimer::timeout, [] {
            if (fmNetwork->Modal() && fmNetwork->btnOK->Enabled())
                fmNetwork->SetModalResult(vcl::mrCancel);
        });
        ended.start(20);
        fmNetwork->StartScan();
        RunSearchModal(30000);
        ASSERT_EQ(fmNetwork->lblScan->Caption(), Sid("SID_NO_DEVICE"));
        EXPECT_FALSE(fmMain->Controller.IsLinked());
        EXPECT_FALSE(fmMain->Controller.IsOnline());
        EXPECT_EQ(fmMain->Controller.PendingAck(), ACK_IDLE);
        EXPECT_EQ(fmMain->Controller.Com(), nullptr);
        EXPECT_EQ(fmMain->rzbMenuLink->Caption(), QStringLiteral("OffLine"));

        // A store tried now does nothing, now or on the next device's link.
        fmMain->StorePreset(0, QStringLiteral("Lost"));
        EXPECT_FALSE(fmProcess->Visible());
        c.mend(emu);
        fmNetwork->StartScan();
        RunSearchModal(30000);
        ASSERT_TRUE(SpinUntil([] { return fmMain->Controller.IsOnline() && !fmProcess->Visible() && fmMain->tmInLevelDet->Enabled(); }, 20000));
        TestTransportHost::Spin(200);
        EXPECT_EQ(emu.CountOf(0x21), 0u) << "no preset was stored";
        EXPECT_EQ(emu.CountOf(0x26), 0u) << "no preset was named";
    }
}
