// The main window's reply dispatch: the device-ID filter, the table of reply codes, and the ACK steps
// of the multi-step requests.

#include "ui/FMain.h"

#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "ui/AckState.h"
#include "ui/MainLinkViews.h"
#include "ui/ReplySizes.h"

#include <QTimer>

bool TfmMain::ReplyTooShort(const BytePacket& payload, std::size_t need)
{
    if (payload.size() >= need)
        return false;
    // Reported as the application reports any failure, but only after the reply's handling has
    // returned: a message box must not hold the transport's delivery.
    const QString text = QStringLiteral("Reply too short: byte %1 of %2").arg(need - 1).arg(payload.size());
    QTimer::singleShot(0, this, [this, text] {
        try {
            throw vcl::ERangeError(text);
        } catch (...) {
            if (vcl::Application)
                vcl::Application->HandleException(this);
        }
    });
    return true;
}

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
        if (PostLoadState == POST_LOAD_PENDING)
            ChainStep(); // a loaded preset's parameters are being taken
        switch (state) {
        case ACK_RECALL_PRESET:
            ChainStep();
            SetReplyTimeout(5000);
            SendCode(MCS_CMD_READ_PROGRAM_BLOCK, 0, SEND_APPEND);
            break;
        case ACK_STORE_PRESET:
            ChainStep();
            SetReplyTimeout(10000);
            SendCode(MCS_CMD_STORE_PRESET, CurPresetNo & 0xFF, SEND_APPEND);
            LinkViews::ProgressSetPosition(1);
            AckState = ACK_STORE_DONE;
            break;
        case ACK_STORE_DONE:
            LinkViews::ProgressSetPosition(LinkViews::ProgressMax());
            SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
            LinkViews::ProgressClose();
            ChainEnd();
            tmInLevelDet->SetEnabled(true);
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
            SendCode(MCS_CMD_READ_PRESET_BLOCK, 0, SEND_APPEND);
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
            LinkViews::LockSetVerdict(payload[1]);
        break;
    case MCS_REPLY_LEVELS:
        OnLevelReply(payload);
        if (PostLoadState == POST_LOAD_PENDING) {
            PostLoadState = 0;
            SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
            LinkViews::ProgressSetPosition(LinkViews::ProgressMax());
            LinkViews::ProgressClose();
            ChainEnd();
        }
        break;
    default:
        break;
    }
}

// --- the stall watch of multi-step transfers ---

void TfmMain::ChainStep()
{
    tmChainWatch->SetEnabled(false);
    tmChainWatch->SetEnabled(true);
}

void TfmMain::ChainEnd()
{
    tmChainWatch->SetEnabled(false);
}

void TfmMain::tmChainWatchTimer(vcl::TObject*)
{
    tmChainWatch->SetEnabled(false);
    LinkViews::ProgressClose();
    if (!CommProc && !UsbProc && !NetProc)
        return;
    // No step for so long: the device no longer takes part, as when it stops answering.
    Disconnect();
    LinkViews::SearchSetProgressZero();
    LinkViews::SearchOnLinkBroken();
    LinkViews::SearchShowModal();
}
