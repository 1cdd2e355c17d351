// The main window's reply dispatch: the device-ID filter, the table of reply codes, and the ACK steps
// of the multi-step requests.

#include "ui/FMain.h"

#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "platform/core/Exception.h"
#include "ui/AckState.h"
#include "ui/MainLinkViews.h"

namespace {

// A reply shorter than the byte a handler reads is refused before anything is changed.
std::uint8_t PayloadAt(const BytePacket& payload, std::size_t index)
{
    if (index >= payload.size())
        throw vcl::ERangeError(QStringLiteral("Reply too short: byte %1 of %2").arg(index).arg(payload.size()));
    return payload[index];
}

} // namespace

void TfmMain::SendCode(int code, int mode)
{
    SendCommand(CM_MCS_CMD(DeviceId, code), mode, true);
}

void TfmMain::SendCode(int code, int byte1, int mode)
{
    SendCommand(CM_MCS_CMD(DeviceId, code, byte1), mode, true);
}

void TfmMain::OnReplyFrame(const BytePacket& frame)
{
    // Parsed into a copy first: a handler that shows a window runs a nested loop, and the transport's
    // frame may be gone by the time it returns.
    const LCmd reply(frame, true);
    if (reply.GetAddress() != DeviceId) {
        tmComScan->SetEnabled(true);
        return;
    }
    const BytePacket payload = reply.GetPayload();

    switch (reply.GetCommand()) {
    case MCS_REPLY_ACK: {
        const int state = AckState;
        AckState = ACK_IDLE;
        switch (state) {
        case ACK_RECALL_PRESET:
            SetReplyTimeout(5000);
            SendCode(MCS_CMD_READ_PROGRAM_BLOCK, 0, SEND_APPEND);
            break;
        case ACK_STORE_PRESET:
            SetReplyTimeout(10000);
            SendCode(MCS_CMD_STORE_PRESET, CurPresetNo & 0xFF, SEND_APPEND);
            LinkViews::ProgressSetPosition(1);
            AckState = ACK_STORE_DONE;
            break;
        case ACK_STORE_DONE:
            LinkViews::ProgressSetPosition(LinkViews::ProgressMax());
            SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
            LinkViews::ProgressClose();
            tmInLevelDet->SetEnabled(true);
            break;
        case ACK_FACTORY_RESET:
        case ACK_REREAD:
            SetReplyTimeout(5000);
            SendCode(MCS_CMD_READ_PRESET_FLAGS, SEND_APPEND);
            break;
        case ACK_SELECT_PRESET:
            SetReplyTimeout(5000);
            SendCode(MCS_CMD_READ_PRESET_BLOCK, 0, SEND_APPEND);
            break;
        case ACK_ERASE_FOR_DOWNLOAD:
            SendCommand(CM_MCS_WRITE_EEPROM(DeviceId, 1, 17, std::span(UnitFileInfo).subspan(1, 17)), SEND_APPEND, true);
            AckState = ACK_INFO_WRITTEN;
            break;
        case ACK_INFO_WRITTEN:
            DownloadNextRecord(DownloadRecordNo);
            break;
        default: // ACK_IDLE, ACK_LOCK_PASSWORD and anything else: nothing waits
            break;
        }
        break;
    }
    case MCS_REPLY_CONNECT:
        OnLinkReply(payload);
        break;
    case MCS_REPLY_IDENTITY:
        LinkViews::SearchSetConnectResult(1);
        OnIdentityReply(payload);
        break;
    case MCS_REPLY_PRESET_NO:
        OnCurrentPresetReply(PayloadAt(payload, 0));
        break;
    case MCS_REPLY_EEPROM_DATA:
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
        if (PayloadAt(payload, 0) == 0)
            LinkViews::LockSetVerdict(PayloadAt(payload, 1));
        break;
    case MCS_REPLY_LEVELS:
        OnLevelReply(payload);
        if (PostLoadState == POST_LOAD_PENDING) {
            PostLoadState = 0;
            SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
            LinkViews::ProgressClose();
        }
        break;
    default:
        break;
    }
}
