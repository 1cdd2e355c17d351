// The device controller's send path, transport settings and reply dispatch with the acknowledge steps
// of the multi-step requests.

#include "controller/DeviceController.h"

#include "controller/AckState.h"
#include "controller/CommandTap.h"
#include "controller/ReplySizes.h"
#include "device/CM_MCS.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LUsbProc.h"


#include <span>

namespace {

template <class Transport>
void Drop(Transport*& transport)
{
    if (!transport)
        return;
    transport->Close();
    delete transport;
    transport = nullptr;
}

} // namespace

DeviceController::DeviceController(DeviceControllerView& view)
    : View(view)
    , NetSocket(view, [this]() -> LPacketLink* { return NetProc; })
{
}

void DeviceController::SetModel(LUnitControl* model)
{
    UnitControl = model;
    if (model)
        model->SetSender(this);
}

DeviceController::~DeviceController()
{
    CloseTransports();
}

void DeviceController::CloseTransports()
{
    Drop(CommProc);
    Drop(UsbProc);
    Drop(NetProc);
}

// --- send path and transport settings ---

void DeviceController::SendCommand(const LCmd& cmd, int mode, bool framed)
{
    CommandTap::Notify(cmd, mode);
    const BytePacket bytes = cmd.ToBytes(framed);
    if (CommProc)
        CommProc->SendQueued(bytes, mode);
    else if (UsbProc)
        UsbProc->SendQueued(bytes, mode);
    else if (NetProc)
        NetProc->SendQueued(bytes, mode);
}

void DeviceController::SendCode(int code, int mode)
{
    SendCommand(CM_MCS_CMD(DeviceId, code), mode, true);
}

void DeviceController::SendCode(int code, int byte1, int mode)
{
    SendCommand(CM_MCS_CMD(DeviceId, code, byte1), mode, true);
}

void DeviceController::SetDeviceId(int id)
{
    if (id < 1 || id > 254)
        return;
    DeviceId = id;
    if (CommProc)
        CommProc->SetDeviceId(id);
    else if (UsbProc)
        UsbProc->SetDeviceId(id);
    else if (NetProc)
        NetProc->SetDeviceId(id);
}

void DeviceController::SetReplyTimeout(unsigned ms)
{
    if (CommProc)
        CommProc->SetTimeout(ms);
    else if (UsbProc)
        UsbProc->SetTimeout(ms);
    else if (NetProc)
        NetProc->SetTimeout(ms);
}

void DeviceController::SetMaxResend(int count)
{
    if (CommProc)
        CommProc->SetMaxRetries(count);
    else if (UsbProc)
        UsbProc->SetMaxRetries(count);
    else if (NetProc)
        NetProc->SetMaxRetries(count);
}

void DeviceController::SetKeepAliveOff(bool off)
{
    if (CommProc)
        CommProc->SetKeepAliveOff(off);
    else if (UsbProc)
        UsbProc->SetKeepAliveOff(off);
    else if (NetProc)
        NetProc->SetKeepAliveOff(off);
}

std::uint32_t DeviceController::OpenTransportSource() const
{
    if (CommProc)
        return CommProc->GetCore().Source;
    if (UsbProc)
        return UsbProc->GetCore().Source;
    if (NetProc)
        return NetProc->GetCore().Source;
    return 0;
}

bool DeviceController::DropOpenTransport()
{
    if (CommProc)
        Drop(CommProc);
    else if (UsbProc)
        Drop(UsbProc);
    else if (NetProc)
        Drop(NetProc);
    else
        return false;
    return true;
}

// --- replies ---

bool DeviceController::ReplyTooShort(const BytePacket& payload, std::size_t need)
{
    if (payload.size() >= need)
        return false;
    View.ReportShortReply(QStringLiteral("Reply too short: byte %1 of %2").arg(need - 1).arg(payload.size()));
    return true;
}

void DeviceController::OnReplyFrame(const BytePacket& frame)
{
    // Parsed into a copy first: a handler that shows a window runs a nested loop, and the transport's
    // frame may be gone by the time it returns.
    const LCmd reply(frame, true);
    if (reply.GetAddress() != DeviceId) {
        View.StartTimer(DeviceControllerView::Timer::CandidateScan);
        return;
    }
    const BytePacket payload = reply.GetPayload();

    switch (reply.GetCommand()) {
    case MCS_REPLY_ACK:
        OnAck();
        break;
    case MCS_REPLY_CONNECT:
        OnLinkReply(payload);
        break;
    case MCS_REPLY_IDENTITY:
        View.SearchSetConnectResult(1);
        OnIdentityReply(payload);
        break;
    case MCS_REPLY_PRESET_NO:
        if (!ReplyTooShort(payload, 1))
            OnCurrentPresetReply(payload[0]);
        break;
    case MCS_REPLY_EEPROM_DATA:
        if (ReplyTooShort(payload, ReplySizes::DeviceInfo))
            break;
        ChainStep();
        if (UnitControl)
            UnitControl->OnDeviceInfo(payload);
        UploadNextPreset(UploadPresetNo);
        break;
    case MCS_REPLY_PRESET_FLAGS:
        OnParamUploadReply(payload);
        break;
    case MCS_REPLY_PROGRAM_BLOCK:
        OnProgramBlockReply(payload);
        break;
    case MCS_REPLY_DOWNLOAD_BLOCK:
        OnDownloadBlockReply(payload);
        break;
    case MCS_REPLY_PRESET_BLOCK:
        OnPresetBlockReply(payload);
        break;
    case MCS_REPLY_PRESET_NAME:
        OnPresetNameReply(payload);
        break;
    case MCS_REPLY_LOCK_STATUS:
        OnLockStatusReply(payload);
        break;
    case MCS_REPLY_PASSWORD_CHECK:
        // Only a verdict on the panel lock (byte 0 = 0) reads byte 1.
        if (!ReplyTooShort(payload, 1) && payload[0] == 0 && !ReplyTooShort(payload, 2))
            View.SetLockVerdict(payload[1]);
        break;
    case MCS_REPLY_LEVELS:
        OnLevels(payload);
        break;
    default:
        break;
    }
}

void DeviceController::OnStrayFrame(const BytePacket& frame)
{
    ++DroppedReplies;
    const LCmd stray(frame, true);
    // Another device (or the echo of a request) on a candidate's line: the search drops it.
    if (stray.GetAddress() != DeviceId)
        View.StartTimer(DeviceControllerView::Timer::CandidateScan);
}

void DeviceController::Ask(int code, int number)
{
    AskedCode = code;
    AskedNumber = number;
    SendCode(code, number, SEND_APPEND);
}

bool DeviceController::IsAnswerTo(int code, int number)
{
    if (AskedCode != code)
        return true;
    if (AskedNumber != number) {
        ++DroppedReplies;
        return false;
    }
    AskedCode = AskedNumber = -1;
    return true;
}

void DeviceController::OnAck()
{
    const int state = AckState;
    AckState = ACK_IDLE;
    if (PostLoadState == POST_LOAD_PENDING)
        ChainStep(); // a loaded preset's parameters are being taken
    switch (state) {
    case ACK_RECALL_PRESET:
        ChainStep();
        SetReplyTimeout(5000);
        Ask(MCS_CMD_READ_PROGRAM_BLOCK, 0);
        break;
    case ACK_STORE_PRESET:
        ChainStep();
        SetReplyTimeout(10000);
        SendCode(MCS_CMD_STORE_PRESET, CurPresetNo & 0xFF, SEND_APPEND);
        View.ProgressSetPosition(1);
        AckState = ACK_STORE_DONE;
        break;
    case ACK_STORE_DONE:
        View.ProgressSetPosition(View.ProgressMax());
        SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
        View.ProgressClose();
        ChainEnd();
        View.StartTimer(DeviceControllerView::Timer::LevelPoll);
        break;
    case ACK_FACTORY_RESET:
    case ACK_REREAD:
        ChainStep();
        SetReplyTimeout(5000);
        SendCode(MCS_CMD_READ_PRESET_FLAGS, SEND_APPEND);
        break;
    case ACK_SELECT_PRESET:
        ChainStep();
        SetReplyTimeout(5000);
        Ask(MCS_CMD_READ_PRESET_BLOCK, 0);
        break;
    case ACK_ERASE_FOR_DOWNLOAD:
        ChainStep();
        SendCommand(CM_MCS_WRITE_EEPROM(DeviceId, 1, 17, std::span(UnitFileInfo).subspan(1, 17)), SEND_APPEND, true);
        AckState = ACK_INFO_WRITTEN;
        break;
    case ACK_INFO_WRITTEN:
        ChainStep();
        DownloadNextRecord(DownloadRecordNo);
        break;
    default: // ACK_IDLE, ACK_LOCK_PASSWORD and anything else: nothing waits
        break;
    }
}

void DeviceController::OnLevels(const BytePacket& payload)
{
    View.ShowLevels(payload);
    if (PostLoadState != POST_LOAD_PENDING)
        return;
    PostLoadState = 0;
    SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
    View.ProgressSetPosition(View.ProgressMax());
    View.ProgressClose();
    ChainEnd();
}

void DeviceController::PollLevels()
{
    SendCode(MCS_CMD_READ_LEVELS, SEND_REPLACE);
}

// --- the stall watch of multi-step transfers ---

void DeviceController::ChainStep()
{
    View.StartTimer(DeviceControllerView::Timer::ChainWatch);
}

void DeviceController::ChainEnd()
{
    View.StopTimer(DeviceControllerView::Timer::ChainWatch);
}
