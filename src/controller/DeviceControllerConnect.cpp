// The device controller's connect sequence: opening a candidate transport, link, identity, lock
// status and the upload of the device's settings (flags, preset number, names, the current program
// in 15 blocks).

#include "controller/DeviceController.h"

#include "controller/AckState.h"
#include "controller/ReplySizes.h"
#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LUsbProc.h"

#include <string>

namespace {

using Timer = DeviceControllerView::Timer;

// The port number of a serial port name: its trailing digits ("COM3" 3, "\\.\COM12" 12); -1 for a
// name without them, which no port answers to.
int ComPortNumber(const QString& name)
{
    int start = static_cast<int>(name.size());
    while (start > 0 && name[start - 1].isDigit())
        --start;
    bool ok = false;
    const int number = name.mid(start, 9).toInt(&ok, 10);
    return ok ? number : -1;
}

template <class Transport>
void Drop(Transport*& transport)
{
    if (!transport)
        return;
    transport->Close();
    delete transport;
    transport = nullptr;
}

// The serial link's speed and the program block that ends the settings upload.
constexpr std::uint32_t ComBaudRate = 115200;
constexpr int LastProgramBlock = 14;
constexpr int ProgramBlockCount = LastProgramBlock + 1;
// Preset names are read for entries 0..29.
constexpr int PresetNameEntries = 30;

} // namespace

// --- opening a candidate ---

void DeviceController::ConnectCom()
{
    // A transport left open ends its link first (at most one is open).
    if (HasTransport())
        Disconnect();
    Linked = false;
    CommProc = new LCommProc(View.TransportHost());
    // A name without a number opens nothing: the candidate fails like a port that cannot be opened.
    const int port = ComPortNumber(ComPortName);
    if (CommProc->Open(port, ComBaudRate, 8, 0, 0)) {
        SetReplyTimeout(1000);
        SetMaxResend(0);
        ConnectPending = true;
        SendCode(MCS_CMD_CONNECT, SEND_APPEND);
        return;
    }
    Drop(CommProc);
    View.SearchOnLinkBroken();
}

void DeviceController::ConnectUsb()
{
    // A transport left open ends its link first (at most one is open).
    if (HasTransport())
        Disconnect();
    Linked = false;
    UsbProc = new LUsbProc(View.TransportHost());
    if (UsbProc->Open()) {
        SetReplyTimeout(100);
        SetMaxResend(3);
        ConnectPending = true;
        SendCode(MCS_CMD_CONNECT, SEND_APPEND);
        return;
    }
    Drop(UsbProc);
    View.SearchSetConnectResult(0);
}

void DeviceController::ConnectNet()
{
    // A transport left open ends its link first (at most one is open).
    if (HasTransport())
        Disconnect();
    Linked = false;
    NetProc = new LNetProc(View.TransportHost());
    if (NetProc->Open()) {
        SetReplyTimeout(4000);
        SetMaxResend(0);
        ConnectPending = true;
        SendCode(MCS_CMD_CONNECT, SEND_APPEND);
        return;
    }
    Drop(NetProc);
    View.SearchSetConnectResult(0);
}

// --- the sequence ---

void DeviceController::OnLinkReply(const BytePacket&)
{
    ConnectPending = false;
    Linked = true;
    ChainStep();
    SendCode(MCS_CMD_IDENTITY, SEND_APPEND);
    SetKeepAliveOff(false);
    SetMaxResend(1);
    SetReplyTimeout(5000);
}

void DeviceController::OnIdentityReply(const BytePacket& payload)
{
    const std::string identity(payload.begin(), payload.end());
    QString refusal;
    // A text shorter than the compared part differs.
    if (identity.substr(0, 3) != MODEL_TEXT)
        refusal = QStringLiteral("SID_INFO_ERROR_UNIT");
    else if (identity.substr(0, 8) != MODEL_VERSION_TEXT)
        refusal = QStringLiteral("SID_INFO_ERROR_VERSION");

    if (!refusal.isEmpty()) {
        SendCommand(CM_MCS_CMD(255, MCS_CMD_DISCONNECT), SEND_APPEND, true);
        SetKeepAliveOff(true);
        View.SearchHide();
        Linked = false;
        ChainEnd();
        View.RefuseDevice(View.Text(refusal));
        return;
    }

    View.ShowOnline(CommProc ? DeviceControllerView::Route::Com
                             : UsbProc ? DeviceControllerView::Route::Usb : DeviceControllerView::Route::Net);
    Online = true;
    ChainStep();
    SetReplyTimeout(UsbProc ? 5000 : 1000);
    SendCode(MCS_CMD_READ_LOCK_STATUS, SEND_APPEND);
}

void DeviceController::OnLockStatusReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::LockStatus))
        return;
    if (payload[5] != 0) {
        // The user answers the prompt at leisure; the lock dialog has its own time-out.
        ChainEnd();
        AckState = ACK_LOCK_PASSWORD;
        View.StartTimer(Timer::LockPrompt);
        return;
    }
    ChainStep();
    SendCode(MCS_CMD_READ_PRESET_FLAGS, SEND_REPLACE);
}

void DeviceController::OnParamUploadReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::PresetFlags))
        return;
    ChainStep();
    SendCode(MCS_CMD_GET_PRESET_NO, SEND_APPEND);
    if (UnitControl) {
        UnitControl->SetPresetUsedFlags(payload);
        UnitControl->ResetPresetNames();
    }
    View.ProgressSetStatus(View.Text(QStringLiteral("SID_UPLOAD_PARAMETER")));
    View.ProgressSetPosition(0);
    View.ProgressSetMax(ProgramBlockCount);
    View.ProgressArmDeferredShow();
    View.StartTimer(Timer::ProgressShow);
}

void DeviceController::OnCurrentPresetReply(std::uint8_t presetNo)
{
    ChainStep();
    CurPresetNo = presetNo;
    Ask(MCS_CMD_READ_PRESET_NAME, 0);
}

void DeviceController::OnPresetNameReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::PresetName))
        return;
    const int n = payload[0];
    if (n > PresetNameEntries || !IsAnswerTo(MCS_CMD_READ_PRESET_NAME, n))
        return;
    ChainStep();
    if (UnitControl)
        UnitControl->OnPresetNameReply(n + 1, payload); // row 31 (entry 30, never asked for) is refused there
    if (n + 1 >= PresetNameEntries)
        Ask(MCS_CMD_READ_PROGRAM_BLOCK, 0);
    else
        Ask(MCS_CMD_READ_PRESET_NAME, n + 1);
}

void DeviceController::OnProgramBlockReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::Block) || !IsAnswerTo(MCS_CMD_READ_PROGRAM_BLOCK, payload[0]))
        return;
    if (UnitControl)
        UnitControl->OnPresetDumpBlock(payload);
    const int b = payload[0];
    if (b >= LastProgramBlock) {
        View.ProgressSetPosition(ProgramBlockCount);
        SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
        View.ProgressClose();
        ChainEnd();
        View.RefreshFromModel();
        View.StartTimer(Timer::LevelPoll);
        View.ShowLinkReady();
        return;
    }
    ChainStep();
    Ask(MCS_CMD_READ_PROGRAM_BLOCK, b + 1);
    View.ProgressSetPosition(b);
}
