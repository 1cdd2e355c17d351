// The device controller's end of a link: transport failures, the teardown and the stall watch.

#include "controller/DeviceController.h"

#include "controller/AckState.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LTransportHost.h"
#include "transport/LUsbProc.h"

namespace {

using Timer = DeviceControllerView::Timer;

} // namespace

void DeviceController::OnCommEvent(std::uint32_t source, std::uint32_t code)
{
    // A notice of a transport closed since (a stop time-out, a report posted just before the close)
    // must not end the link that came after it.
    if (source != 0 && source != OpenTransportSource())
        return;
    if (code == COMM_NO_REPLY && ConnectPending) {
        // The candidate never answered the connect request: drop it, the search tries the next one.
        DropOpenTransport();
        ConnectPending = false;
        View.SearchSetConnectResult(0);
    }
    if (Linked)
        ReportBrokenLink();
}

void DeviceController::ReportBrokenLink()
{
    Disconnect();
    View.SearchSetProgressZero();
    View.SearchOnLinkBroken();
    View.SearchShowModal();
}

void DeviceController::Disconnect()
{
    const bool network = !CommProc && !UsbProc && NetProc;
    DropOpenTransport();
    if (network)
        NetSocket.Close();
    ForgetTransfer();
    // With its transport gone no link is left, whatever the search has heard: a state kept here
    // would show "OnLine" with nothing behind it and take a store for the next device.
    const bool shownLinked = Linked || Online;
    ConnectPending = false;
    Linked = false;
    Online = false;
    // During the search a candidate that never linked is discarded without touching the window.
    if (View.SearchConnectResult() == 0 && !shownLinked)
        return;
    View.ShowOffline();
    View.SetInputEnabled(true);
    View.StopTimer(Timer::LevelPoll);
    View.ClearMeters();
}

void DeviceController::ForgetTransfer()
{
    AskedCode = AskedNumber = -1;
    AckState = ACK_IDLE;
    UploadPresetNo = 0;
    DownloadRecordNo = 0;
    PostLoadState = 0;
    ChainEnd();
    View.StopTimer(Timer::LockPrompt);
    View.StopTimer(Timer::ProgressShow);
    View.ProgressClose(); // also drops a display still waiting for Timer::ProgressShow
}

void DeviceController::OnChainStalled()
{
    ChainEnd();
    View.ProgressClose();
    if (!HasTransport())
        return;
    // No step for so long: the device no longer takes part, as when it stops answering.
    ReportBrokenLink();
}

void DeviceController::OnDisconnectTimer()
{
    if (!HasTransport())
        return;
    Disconnect();
    View.SearchOnLinkBroken();
}

void DeviceController::OnLinkBroken()
{
    if (!HasTransport())
        return;
    ReportBrokenLink();
}

void DeviceController::OnCandidateScanTimer()
{
    if (!View.SearchVisible() || !HasTransport())
        return;
    // The candidate is dropped with everything it had reached (link, identity, a step waiting for
    // its acknowledge), then the search tries the next one.
    Disconnect();
    CloseTransports();
    View.SearchSetConnectResult(0);
}
