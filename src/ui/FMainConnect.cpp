// The main window's connect sequence: opening a candidate transport, link, identity, lock status and
// the upload of the device's settings (flags, preset number, names, the current program in 15 blocks).
// Also makes the controls and timers the link handling uses.

#include "ui/FMain.h"

#include "device/CM_MCS.h"
#include "device/LUnitControl.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "platform/core/AnsiCodec.h"
#include "platform/core/Exception.h"
#include "transport/LCommProc.h"
#include "transport/LNetProc.h"
#include "transport/LUsbProc.h"
#include "ui/AckState.h"
#include "ui/MainLinkViews.h"
#include "ui/ReplySizes.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace {

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

} // namespace

// --- the controls and timers of the link handling ---

vcl::TTimer* TfmMain::NewLinkTimer(const QString& name, unsigned interval, void (TfmMain::*handler)(vcl::TObject*))
{
    auto* timer = new vcl::TTimer(this);
    timer->SetEnabled(false);
    timer->SetName(name);
    timer->SetInterval(interval);
    timer->OnTimer = [this, handler](vcl::TObject* sender) { (this->*handler)(sender); };
    return timer;
}

vcl::TButton* TfmMain::NewLinkButton()
{
    auto* button = new vcl::TButton(this);
    button->SetName(QStringLiteral("rzbMenuLink"));
    button->SetParent(this);
    button->SetCaption(QStringLiteral("OffLine"));
    button->OnClick = [this](vcl::TObject* sender) { rzbMenuLinkClick(sender); };
    return button;
}

vcl::TLabel* TfmMain::NewLinkLabel(const QString& name, bool visible)
{
    auto* label = new vcl::TLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetVisible(visible);
    return label;
}

template <class Dialog>
Dialog* TfmMain::NewFileDialog(const QString& name, const QString& filter)
{
    auto* dialog = new Dialog(this);
    dialog->SetName(name);
    dialog->SetFilter(filter);
    if constexpr (std::is_same_v<Dialog, vcl::TSaveDialog>) {
        auto options = dialog->Options();
        options << vcl::TOpenOption::ofOverwritePrompt;
        dialog->SetOptions(options);
    }
    return dialog;
}

template vcl::TOpenDialog* TfmMain::NewFileDialog<vcl::TOpenDialog>(const QString&, const QString&);
template vcl::TSaveDialog* TfmMain::NewFileDialog<vcl::TSaveDialog>(const QString&, const QString&);

void TfmMain::SetProgramFolder()
{
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

// --- opening a candidate ---

void TfmMain::ConnectCom()
{
    Linked = false;
    Drop(CommProc);
    CommProc = new LCommProc(TransportHost());
    // A name without a number opens nothing: the candidate fails like a port that cannot be opened.
    const int port = ComPortNumber(ComPortName);
    if (CommProc->Open(port, 115200, 8, 0, 0)) {
        SetReplyTimeout(1000);
        SetMaxResend(0);
        ConnectPending = true;
        SendCode(MCS_CMD_CONNECT, SEND_APPEND);
        return;
    }
    Drop(CommProc);
    LinkViews::SearchOnLinkBroken();
}

void TfmMain::ConnectUsb()
{
    Linked = false;
    Drop(UsbProc);
    UsbProc = new LUsbProc(TransportHost());
    if (UsbProc->Open()) {
        SetReplyTimeout(100);
        SetMaxResend(3);
        ConnectPending = true;
        SendCode(MCS_CMD_CONNECT, SEND_APPEND);
        return;
    }
    Drop(UsbProc);
    LinkViews::SearchSetConnectResult(0);
}

void TfmMain::ConnectNet()
{
    Linked = false;
    Drop(NetProc);
    NetProc = new LNetProc(TransportHost());
    if (NetProc->Open()) {
        SetReplyTimeout(4000);
        SetMaxResend(0);
        ConnectPending = true;
        SendCode(MCS_CMD_CONNECT, SEND_APPEND);
        return;
    }
    Drop(NetProc);
    LinkViews::SearchSetConnectResult(0);
}

bool TfmMain::DropOpenTransport()
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

// --- the sequence ---

void TfmMain::OnLinkReply(const BytePacket&)
{
    ConnectPending = false;
    Linked = true;
    ChainStep();
    SendCode(MCS_CMD_IDENTITY, SEND_APPEND);
    SetKeepAliveOff(false);
    SetMaxResend(1);
    SetReplyTimeout(5000);
}

void TfmMain::OnIdentityReply(const BytePacket& payload)
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
        LinkViews::SearchHide();
        Linked = false;
        ChainEnd();
        // The message waits for the user, so it is shown once this reply's handling has returned.
        QTimer::singleShot(0, this, [this, text = GetSidText(refusal)] {
            LinkViews::InformationShowModal(text);
            tmDisconnect->SetEnabled(true);
        });
        return;
    }

    rzbMenuLink->SetCaption(GetSidText(QStringLiteral("SID_ONLINE")));
    if (CommProc)
        lbShowIp->SetCaption(ComPortName);
    else if (UsbProc)
        lbShowIp->SetCaption(QStringLiteral("USB"));
    else
        lbShowIp->SetCaption(QStringLiteral("IP : ") + LinkViews::IpText(DeviceIp));
    MenuLinkDown = true;
    Online = true;
    ChainStep();
    SetReplyTimeout(UsbProc ? 5000 : 1000);
    SendCode(MCS_CMD_READ_LOCK_STATUS, SEND_APPEND);
}

void TfmMain::OnLockStatusReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::LockStatus))
        return;
    if (payload[5] != 0) {
        // The user answers the prompt at leisure; the lock dialog has its own time-out.
        ChainEnd();
        AckState = ACK_LOCK_PASSWORD;
        tmLockPrompt->SetEnabled(true);
        return;
    }
    ChainStep();
    SendCode(MCS_CMD_READ_PRESET_FLAGS, SEND_REPLACE);
}

void TfmMain::tmLockPromptTimer(vcl::TObject*)
{
    tmLockPrompt->SetEnabled(false);
    if (AckState == ACK_LOCK_PASSWORD)
        LinkViews::LockShowModal();
}

void TfmMain::OnParamUploadReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::PresetFlags))
        return;
    ChainStep();
    SendCode(MCS_CMD_GET_PRESET_NO, SEND_APPEND);
    if (UnitControl) {
        UnitControl->SetPresetUsedFlags(payload);
        UnitControl->ResetPresetNames();
    }
    LinkViews::ProgressSetStatus(GetSidText(QStringLiteral("SID_UPLOAD_PARAMETER")));
    LinkViews::ProgressSetPosition(0);
    LinkViews::ProgressSetMax(15);
    LinkViews::ProgressArmDeferredShow();
    tmProcessShow->SetEnabled(true);
}

void TfmMain::tmProcessShowTimer(vcl::TObject*)
{
    tmProcessShow->SetEnabled(false);
    if (LinkViews::ProgressTakeDeferredShow())
        LinkViews::ProgressShowModal();
}

void TfmMain::OnCurrentPresetReply(std::uint8_t presetNo)
{
    ChainStep();
    CurPresetNo = presetNo;
    SendCode(MCS_CMD_READ_PRESET_NAME, 0, SEND_APPEND);
}

void TfmMain::OnPresetNameReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::PresetName))
        return;
    const int n = payload[0];
    if (n >= 31)
        return;
    ChainStep();
    if (UnitControl)
        UnitControl->OnPresetNameReply(n + 1, payload); // row 31 (entry 30, never asked for) is refused there
    if (n + 1 >= 30)
        SendCode(MCS_CMD_READ_PROGRAM_BLOCK, 0, SEND_APPEND);
    else
        SendCode(MCS_CMD_READ_PRESET_NAME, n + 1, SEND_APPEND);
}

void TfmMain::OnProgramBlockReply(const BytePacket& payload)
{
    if (ReplyTooShort(payload, ReplySizes::Block))
        return;
    SetProgramFolder();
    if (UnitControl)
        UnitControl->OnPresetDumpBlock(payload);
    const int b = payload[0];
    if (b >= 14) {
        LinkViews::ProgressSetPosition(15);
        SendCode(MCS_CMD_KEEP_ALIVE, SEND_REPLACE);
        LinkViews::ProgressClose();
        ChainEnd();
        SuppressSend = true;
        RefreshAll();
        SuppressSend = false;
        tmInLevelDet->SetEnabled(true);
        rzbMenuLink->SetEnabled(true);
        MenuLinkDown = false;
        MenuLinkDown = true;
        return;
    }
    ChainStep();
    SendCode(MCS_CMD_READ_PROGRAM_BLOCK, b + 1, SEND_APPEND);
    LinkViews::ProgressSetPosition(b);
}

void TfmMain::tmInLevelDetTimer(vcl::TObject*)
{
    SendCode(MCS_CMD_READ_LEVELS, SEND_REPLACE);
}
