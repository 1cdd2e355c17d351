#include "ui/FLockSetup.h"

#include "device/CM_MCS.h"
#include "device/SendMode.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "ui/DialogCommon.h"
#include "ui/MainWindowAccess.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmLockSetup* fmLockSetup = nullptr;

TfmLockSetup::TfmLockSetup(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmLockSetup"));
    SetBounds(0, 0, 289, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmLockSetup::FormShow);
    lblLockPassword = NewLabel(this, this, QStringLiteral("lblLockPassword"), QStringLiteral("Password :"), 24, 28);
    edName = NewEdit(this, this, QStringLiteral("edName"), QStringLiteral("5862"), 4, 120, 24, 121);
    ForceUpperCase(edName);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 40, 72, 89, 27);
    SetDefaultControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmLockSetup::RzBmpButton1Click);
    btnExit = NewButton(this, this, QStringLiteral("btnExit"), QStringLiteral("Cancel"), 152, 72, 89, 27);
    SetCancelControl(btnExit);
    btnExit->OnClick = vcl::Method(this, &TfmLockSetup::btnExitClick);
    EnterClicks(edName, btnOK);
    tmClose = new vcl::TTimer(this);
    tmClose->SetName(QStringLiteral("tmClose"));
    tmClose->SetEnabled(false);
    tmClose->SetInterval(100);
    tmClose->OnTimer = vcl::Method(this, &TfmLockSetup::tmCloseTimer);
}

TfmLockSetup::~TfmLockSetup()
{
    BeforeDestruction();
    if (fmLockSetup == this)
        fmLockSetup = nullptr;
}

void TfmLockSetup::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_LOCK_TITLE"));
    lblLockPassword->SetCaption(Sid("SID_LOCK_PASSWORD"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
    btnExit->SetCaption(Sid("SID_EXIT_CANCEL"));
    edName->SetText(QStringLiteral("5862"));
    FocusAndSelect(edName);
}

void TfmLockSetup::RzBmpButton1Click(vcl::TObject* Sender)
{
    (void)Sender;
    // A password shorter than 4 characters travels filled up with zero bytes.
    if (DeviceAccess* device = MainDevice())
        device->SendCommand(CM_MCS_SET_LOCK(device->GetDeviceId(), Ansi(edName->Text())), SEND_APPEND, true);
    tmClose->SetEnabled(true);
}

void TfmLockSetup::tmCloseTimer(vcl::TObject* Sender)
{
    (void)Sender;
    tmClose->SetEnabled(false);
    if (DeviceAccess* device = MainDevice())
        device->Disconnect();
    Close();
}

void TfmLockSetup::btnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmLockSetup::bnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}
