// The main window's end of a link: transport failure notices, the link button and the one-shot
// timers that sequence connecting and disconnecting. The teardown itself is the device controller's.

#include "ui/FMain.h"

#include "ui/MainLinkViews.h"

#include <utility>

void TfmMain::OnCommEvent(vcl::TMessage& Message)
{
    const auto code = static_cast<std::uint32_t>(Message.WParam & 0xFFFFFFFFu);
    const auto source = static_cast<std::uint32_t>(static_cast<std::uint64_t>(Message.WParam) >> 32);
    Controller.OnCommEvent(source, code);
    vcl::TForm::Dispatch(Message);
}

void TfmMain::rzbMenuLinkClick(vcl::TObject*)
{
    rzbMenuLink->SetEnabled(false);
    MenuLinkDown = false;
    if (Controller.IsOnline()) {
        tmDisconnect->SetEnabled(true);
        return;
    }
    LinkViews::SearchStart();
    LinkViews::SearchShowModal();
}

void TfmMain::tmStartConnectTimer(vcl::TObject*)
{
    tmStartConnect->SetEnabled(false);
    rzbMenuLinkClick(rzbMenuLink);
}

void TfmMain::tmDisconnectTimer(vcl::TObject*)
{
    tmDisconnect->SetEnabled(false);
    const bool restarted = std::exchange(RestartNoticeDue, false);
    Controller.OnDisconnectTimer();
    if (restarted && !Controller.IsLinked())
        LinkViews::InformationShowModal(GetSidText(QStringLiteral("SID_INFO_DEVICE_RESTART")));
}

void TfmMain::tmLinkBrokenTimer(vcl::TObject*)
{
    tmLinkBroken->SetEnabled(false);
    Controller.OnLinkBroken();
}

void TfmMain::tmComScanTimer(vcl::TObject*)
{
    tmComScan->SetEnabled(false);
    Controller.OnCandidateScanTimer();
}

void TfmMain::tmChainWatchTimer(vcl::TObject*)
{
    Controller.OnChainStalled();
}
