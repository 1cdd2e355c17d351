// What the dialogs ask of the main window that is more than one of its operations: the network
// candidate's address, the link button, the network setup, the quit answer and the Gain page.

#include "ui/FMain.h"

#include "device/LUnitControl.h"
#include "platform/ui/TMenus.h"
#include "ui/MainLinkViews.h"
#include "widgets/RzBmpBtn.h"

DeviceAccess* MainDevice() { return fmMain; }
ConnectionAccess* MainConnection() { return fmMain; }
EditingAccess* MainEditing() { return fmMain; }

void TfmMain::SetPresetListHost(PresetListHost* lists)
{
    if (Controller.Model())
        Controller.Model()->SetPresetListHost(lists);
}

void TfmMain::SetDeviceAddress(std::uint32_t ip)
{
    DeviceIp = ip;
    const QString text = LinkViews::IpText(ip);
    Controller.NetworkLink().Redial(text.toStdString());
    lbShowIp->SetCaption(QStringLiteral("IP : ") + text);
}

void TfmMain::EnableLinkButton()
{
    rzbMenuLink->SetEnabled(true);
}

void TfmMain::OpenNetworkSetup()
{
    if (vcl::TMenuItem* item = Shell().NetworkSetup)
        item->Click();
    else
        NetworkSetupClick(nullptr);
}

void TfmMain::ConfirmExit(bool confirmed)
{
    m_exitConfirmed = confirmed;
    if (confirmed)
        Close();
}

void TfmMain::ShowGainPage()
{
    // A click switches the page, and the button stays down.
    if (rz::TRzBmpButton* button = Shell().PageButtons[editors::GainPage]) {
        button->Click();
        button->SetDown(true);
    }
}
