#include "ui/FExit.h"

#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainDialogActions.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmExit* fmExit = nullptr;

TfmExit::TfmExit(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmExit"));
    SetBounds(0, 0, 305, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmExit::FormShow);
    lbExit = NewLabel(this, this, QStringLiteral("lbExit"), QString(), 40, 32);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 40, 80, 89, 27);
    SetDefaultControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmExit::btnOKClick);
    btnCancel = NewButton(this, this, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 168, 80, 89, 27);
    SetCancelControl(btnCancel);
    btnCancel->OnClick = vcl::Method(this, &TfmExit::btnExitClick);
}

TfmExit::~TfmExit()
{
    BeforeDestruction();
    if (fmExit == this)
        fmExit = nullptr;
}

void TfmExit::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
    MainDialogActions::ConfirmExit(true);
}

void TfmExit::btnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
    MainDialogActions::ConfirmExit(false);
}

void TfmExit::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_INFO_TITLE"));
    lbExit->SetCaption(Sid("SID_EXIT_QUIT"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
    btnCancel->SetCaption(Sid("SID_EXIT_CANCEL"));
}
