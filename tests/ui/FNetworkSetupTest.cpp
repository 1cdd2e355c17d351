// The network setup dialog: which IDs and addresses Set applies, the corrections made when an edit is
// left or Enter is pressed, and what stays unchanged while linked.
#include "device/Constants.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "ui/AppForms.h"
#include "ui/FInformation.h"
#include "ui/FMain.h"
#include "ui/FNetWorkScan.h"
#include "ui/FNetworkSetup.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <memory>
#include "support/DeviceControllerProbe.h"

// Clears the program's window pointers (with the creation tests).
void ClearFormPointers();

namespace {

struct SetupRig
{
    SetupRig()
    {
        CreateAppForms(*appOwner);
        fmMain->tmStartConnect->SetEnabled(false);
        // Every information window is answered at once and counted.
        QObject::connect(&answer, &QTimer::timeout, [this] {
            if (fmInformation && fmInformation->Modal()) {
                ++messages;
                fmInformation->SetModalResult(vcl::mrOk);
            }
        });
        answer.start(5);
    }
    ~SetupRig()
    {
        answer.stop();
        fmMain->Controller.NetworkLink().Close();
        appOwner.reset();
        ClearFormPointers();
    }
    // The dialog on screen with the given entries, as the user left them.
    void Show(const QString& id, const std::array<QString, 4>& octets)
    {
        fmNetworkSetup->Show();
        fmNetworkSetup->edId->SetText(id);
        for (int i = 0; i < 4; ++i)
            fmNetworkSetup->edIp[i]->SetText(octets[i]);
    }
    QString ShowIp() const
    {
        return dynamic_cast<vcl::TLabel*>(fmMain->FindComponent(QStringLiteral("lbShowIp")))->Caption();
    }
    int argc { 1 };
    char name[8] { "test_ui" };
    char* argv[2] { name, nullptr };
    std::unique_ptr<vcl::TApplication> appOwner { std::make_unique<vcl::TApplication>(argc, argv) };
    QTimer answer;
    int messages { 0 };
};

} // namespace

TEST(FNetworkSetup, SetAppliesAnIdFromOneTo250AndTheAddressWhileOffline)
{
    struct Case
    {
        const char* id;
        bool linked;
        int deviceId;     // afterwards
        int messages;     // "SID_ID_NUMBER_ERROR" shown
        bool stillShown;  // the dialog stays open
        bool addressSet;  // DeviceIp and the socket re-pointed
    };
    const Case cases[] = {
        { "1", false, 1, 0, false, true },    { "250", false, 250, 0, false, true },
        { "251", false, 7, 1, false, true },  { "0", false, 7, 1, false, true },
        { "", false, 7, 1, false, true },
        { "250", true, 250, 0, false, false }, { "251", true, 7, 1, true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id) + (c.linked ? " linked" : " offline"));
        SetupRig r;
        fmMain->SetDeviceId(7);
        DeviceControllerProbe(fmMain->Controller).Linked() = c.linked;
        r.Show(QString::fromLatin1(c.id), { "127", "0", "0", "7" });
        fmNetworkSetup->bnSetClick(nullptr);
        EXPECT_EQ(fmMain->GetDeviceId(), c.deviceId);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(fmNetworkSetup->Visible(), c.stillShown);
        if (c.messages) {
            EXPECT_EQ(fmNetworkSetup->edId->Text(), QStringLiteral("7")); // the current ID is put back
        }
        if (c.addressSet) {
            EXPECT_EQ(fmMain->DeviceIp, 0x7F000007u);
            EXPECT_EQ(fmMain->Controller.NetworkLink().ClientSocket().GetAddress(), "127.0.0.7");
            EXPECT_EQ(r.ShowIp(), QStringLiteral("IP : 127.0.0.7"));
            EXPECT_EQ(TfmNetworkSetup::IpText(), QStringLiteral("127.0.0.7"));
        } else {
            EXPECT_EQ(fmMain->DeviceIp, 0xC0A80201u);
            EXPECT_EQ(fmMain->Controller.NetworkLink().ClientSocket().GetAddress(), DEFAULT_DEVICE_IP);
        }
        DeviceControllerProbe(fmMain->Controller).Linked() = false;
    }
}

TEST(FNetworkSetup, LeavingOrEnterCorrectsEntriesAndSetClampsOrFillsAnOctet)
{
    SetupRig r;
    r.Show("300", { "127", "0", "300", "9" });
    auto* id = fmNetworkSetup->edId;
    auto* ip3 = fmNetworkSetup->edIp[2];

    fmNetworkSetup->edIdExit(id);
    EXPECT_EQ(id->Text(), QStringLiteral("250"));
    id->SetText(QStringLiteral("0"));
    char16_t enter = u'\r';
    fmNetworkSetup->edIdKeyPress(id, enter);
    EXPECT_EQ(id->Text(), QStringLiteral("1"));
    EXPECT_EQ(id->SelText(), QStringLiteral("1"));
    char16_t letter = u'a';
    fmNetworkSetup->edIdKeyPress(id, letter);
    EXPECT_EQ(letter, 0); // digits only

    // Set before the octet edits were left: 300 is taken as 255, an empty octet as 0.
    fmNetworkSetup->edIp[1]->SetText(QString());
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(fmMain->DeviceIp, 0x7F00FF09u);
    EXPECT_EQ(fmMain->GetDeviceId(), 1);

    r.Show("1", { "127", "0", "300", "9" });
    fmNetworkSetup->edIp1Exit(ip3);
    EXPECT_EQ(ip3->Text(), QStringLiteral("255"));
    ip3->SetText(QStringLiteral("256"));
    enter = u'\r';
    fmNetworkSetup->edIp1KeyPress(ip3, enter);
    EXPECT_EQ(enter, 0);
    EXPECT_EQ(ip3->Text(), QStringLiteral("255"));
    ip3->SetText(QStringLiteral("12"));
    fmNetworkSetup->edIp1Exit(ip3);
    EXPECT_EQ(ip3->Text(), QStringLiteral("12"));
    // An emptied edit is left alone when it is left.
    ip3->SetText(QString());
    fmNetworkSetup->edIp1Exit(ip3);
    EXPECT_EQ(ip3->Text(), QString());
}

TEST(FNetworkSetup, ShowingTakesTheAddressAndExitPutsTheIdBack)
{
    SetupRig r;
    fmMain->DeviceIp = 0x0A000007;
    fmMain->SetDeviceId(5);
    fmNetworkSetup->Show();
    EXPECT_EQ(fmNetworkSetup->edIp[0]->Text(), QStringLiteral("10"));
    EXPECT_EQ(fmNetworkSetup->edIp[3]->Text(), QStringLiteral("7"));
    EXPECT_EQ(fmNetworkSetup->Caption(), DialogText("SID_SET_NETWORK"));
    fmNetworkSetup->edId->SetText(QStringLiteral("99"));
    fmNetworkSetup->bnExitClick(nullptr);
    EXPECT_EQ(fmNetworkSetup->edId->Text(), QStringLiteral("5"));
    EXPECT_FALSE(fmNetworkSetup->Visible());
    EXPECT_EQ(fmMain->GetDeviceId(), 5);
}

TEST(FNetworkSetup, OnlineTheEntriesAreLockedOfflineTheyAreOpen)
{
    SetupRig r;
    for (bool online : { true, false }) {
        fmMain->rzbMenuLink->SetCaption(fmMain->GetSidText(online ? QStringLiteral("SID_ONLINE") : QStringLiteral("SID_OFFLINE")));
        QTimer::singleShot(20, [] { fmNetworkSetup->bnExitClick(nullptr); });
        fmMain->NetworkSetupClick(nullptr);
        EXPECT_EQ(fmNetworkSetup->gbIpSetting->Enabled(), !online);
        EXPECT_EQ(fmNetworkSetup->edId->Enabled(), !online);
        EXPECT_EQ(fmNetworkSetup->edIp[1]->Enabled(), !online);
        EXPECT_EQ(fmNetworkSetup->edIp[1]->Color(), online ? vcl::RGB(192, 192, 192) : vcl::clWindow);
    }
}
