#include "ui/FLockPassWord.h"

#include "device/CM_MCS.h"
#include "device/McsCodes.h"
#include "device/SendMode.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"
#include "ui/DialogCommon.h"
#include "ui/MainWindowAccess.h"
#include "ui/FNetWorkScan.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmLockPassWord* fmLockPassWord = nullptr;

namespace {

constexpr int MaxCheckTicks = 30;

vcl::TTimer* NewTimer(TfmLockPassWord* form, const QString& name, void (TfmLockPassWord::*handler)(vcl::TObject*))
{
    auto* t = new vcl::TTimer(form);
    t->SetName(name);
    t->SetEnabled(false);
    t->SetInterval(100);
    t->OnTimer = vcl::Method(form, handler);
    return t;
}

} // namespace

TfmLockPassWord::TfmLockPassWord(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmLockPassWord"));
    SetBounds(0, 0, 289, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    OnShow = vcl::Method(this, &TfmLockPassWord::FormShow);
    OnClose = vcl::Method(this, &TfmLockPassWord::FormClose);

    lblLockPassword = NewLabel(this, this, QStringLiteral("lblLockPassword"), QStringLiteral("Password :"), 24, 28);
    edName = NewEdit(this, this, QStringLiteral("edName"), QStringLiteral("****"), 4, 120, 24, 121);
    edName->SetPasswordChar(u'*');
    ForceUpperCase(edName);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 40, 72, 89, 27);
    SetDefaultControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmLockPassWord::RzBmpButton1Click);
    bnCancel = NewButton(this, this, QStringLiteral("bnCancel"), QStringLiteral("Cancel"), 152, 72, 89, 27);
    SetCancelControl(bnCancel);
    bnCancel->OnClick = vcl::Method(this, &TfmLockPassWord::bnCancelClick);
    EnterClicks(edName, btnOK);
    tmCheck = NewTimer(this, QStringLiteral("tmCheck"), &TfmLockPassWord::tmCheckTimer);
    tmCmd = NewTimer(this, QStringLiteral("tmCmd"), &TfmLockPassWord::tmCmdTimer);
}

TfmLockPassWord::~TfmLockPassWord()
{
    BeforeDestruction();
    if (fmLockPassWord == this)
        fmLockPassWord = nullptr;
}

void TfmLockPassWord::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_UNLOCK_TITLE"));
    lblLockPassword->SetCaption(Sid("SID_UNLOCK_PASSWORD"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
    bnCancel->SetCaption(Sid("SID_EXIT_CANCEL"));
    edName->SetText(QStringLiteral("****"));
    FocusAndSelect(edName);
    Answered = false;
}

void TfmLockPassWord::RzBmpButton1Click(vcl::TObject* Sender)
{
    (void)Sender;
    // The command always carries 4 bytes; a shorter password is filled with zero bytes.
    const std::string password = Fixed(Ansi(edName->Text()), 4, '\0');
    if (DeviceAccess* device = MainDevice())
        device->SendCommand(CM_MCS_PASS_SUBMIT(device->GetDeviceId(), 0, password), SEND_APPEND, true);
    CheckTicks = 0;
    Verdict = 255;
    tmCheck->SetEnabled(true);
}

void TfmLockPassWord::tmCheckTimer(vcl::TObject* Sender)
{
    (void)Sender;
    ++CheckTicks;
    tmCheck->SetEnabled(false);
    switch (Verdict) {
    case 0:
        vcl::MessageBox(QStringLiteral("Password Error!!"), Caption(), vcl::MB_OK | vcl::MB_ICONINFORMATION);
        edName->SetText(QStringLiteral("****"));
        FocusAndSelect(edName);
        break;
    case 1:
        tmCmd->SetEnabled(true);
        break;
    case 255:
        if (CheckTicks > MaxCheckTicks) {
            vcl::MessageBox(QStringLiteral("Check Time Out!"), Caption(), vcl::MB_OK | vcl::MB_ICONINFORMATION);
            bnCancel->Click();
        } else {
            tmCheck->SetEnabled(true);
        }
        break;
    default:
        break;
    }
}

void TfmLockPassWord::tmCmdTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmCmd->SetEnabled(false);
    if (DeviceAccess* device = MainDevice()) {
        device->ChainStep(); // the upload goes on; its watch is back
        device->SendCommand(CM_MCS_CMD(device->GetDeviceId(), MCS_CMD_READ_PRESET_FLAGS), SEND_REPLACE, true);
    }
    Answered = true;
    Close();
}

void TfmLockPassWord::bnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    DropConnection();
    Answered = true;
    Close();
}

void TfmLockPassWord::FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action)
{
    (void)Sender;
    (void)Action;
    if (!Answered)
        DropConnection();
    Answered = true;
}

void TfmLockPassWord::DropConnection()
{
    // A Cancel while the verdict is awaited must not let a late tick act on a closed dialog.
    tmCheck->SetEnabled(false);
    tmCmd->SetEnabled(false);
    if (DeviceAccess* device = MainDevice())
        device->Disconnect();
    // Nothing is connected now: the next search must not take this candidate for a found device.
    if (fmNetwork)
        fmNetwork->ConnectResult = 0;
}
