// The main window's end of a link: transport failures, the teardown, the link button and the
// one-shot timers that sequence connecting and disconnecting.

#include "ui/FMain.h"

#include "device/Constants.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LTransportHost.h"
#include "transport/LUsbProc.h"
#include "transport/hid/TJvHidDeviceController.h"
#include "ui/AckState.h"
#include "ui/MainLinkViews.h"

namespace {

template <class Transport>
bool DropIfSet(Transport*& transport)
{
    if (!transport)
        return false;
    transport->Close();
    delete transport;
    transport = nullptr;
    return true;
}

} // namespace

std::uint32_t TfmMain::OpenTransportSource()
{
    if (CommProc)
        return CommProc->GetCore().Source;
    if (UsbProc)
        return UsbProc->GetCore().Source;
    if (NetProc)
        return NetProc->GetCore().Source;
    return 0;
}

void TfmMain::OnCommEvent(vcl::TMessage& Message)
{
    const auto code = static_cast<std::uint32_t>(Message.WParam & 0xFFFFFFFFu);
    const auto source = static_cast<std::uint32_t>(static_cast<std::uint64_t>(Message.WParam) >> 32);
    // A notice of a transport closed since (a stop time-out, a report posted just before the close)
    // must not end the link that came after it.
    if (source != 0 && source != OpenTransportSource()) {
        vcl::TForm::Dispatch(Message);
        return;
    }
    if (code == COMM_NO_REPLY && ConnectPending) {
        // The candidate never answered the connect request: drop it, the search tries the next one.
        DropOpenTransport();
        ConnectPending = false;
        LinkViews::SearchSetConnectResult(0);
    }
    if (Linked) {
        Disconnect();
        LinkViews::SearchSetProgressZero();
        LinkViews::SearchOnLinkBroken();
        LinkViews::SearchShowModal();
    }
    vcl::TForm::Dispatch(Message);
}

void TfmMain::Disconnect()
{
    const bool network = !CommProc && !UsbProc && NetProc;
    DropOpenTransport();
    if (network)
        ClientSocket.SetActive(false);
    ForgetTransfer();
    // During the search a candidate is discarded without touching the window.
    if (LinkViews::SearchConnectResult() == 0)
        return;
    SetProgramFolder();
    Linked = false;
    if (HidCtl)
        HidCtl->DeviceChange();
    rzbMenuLink->SetCaption(GetSidText(QStringLiteral("SID_OFFLINE")));
    SetCaption(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
    lbShowIp->SetCaption(QStringLiteral("Disconnected"));
    rzbMenuLink->SetEnabled(true);
    MenuLinkDown = false;
    Online = false;
    SetEnabled(true);
    tmInLevelDet->SetEnabled(false);
    ClearMeters();
}

void TfmMain::ForgetTransfer()
{
    AckState = ACK_IDLE;
    UploadPresetNo = 0;
    DownloadRecordNo = 0;
    PostLoadState = 0;
    ChainEnd();
    tmLockPrompt->SetEnabled(false);
    tmProcessShow->SetEnabled(false);
    LinkViews::ProgressClose(); // also drops a display still waiting for tmProcessShow
}

void TfmMain::rzbMenuLinkClick(vcl::TObject*)
{
    rzbMenuLink->SetEnabled(false);
    MenuLinkDown = false;
    if (Online) {
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
    if (!CommProc && !UsbProc && !NetProc)
        return;
    Disconnect();
    LinkViews::SearchOnLinkBroken();
}

void TfmMain::tmLinkBrokenTimer(vcl::TObject*)
{
    tmLinkBroken->SetEnabled(false);
    if (!CommProc && !UsbProc && !NetProc)
        return;
    Disconnect();
    LinkViews::SearchSetProgressZero();
    LinkViews::SearchOnLinkBroken();
    LinkViews::SearchShowModal();
}

void TfmMain::tmComScanTimer(vcl::TObject*)
{
    tmComScan->SetEnabled(false);
    if (!LinkViews::SearchVisible())
        return;
    if (DropIfSet(CommProc))
        LinkViews::SearchSetConnectResult(0);
    if (DropIfSet(UsbProc))
        LinkViews::SearchSetConnectResult(0);
    if (DropIfSet(NetProc))
        LinkViews::SearchSetConnectResult(0);
}
