#include "ui/FPeqRst.h"

#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainDialogActions.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmPeqRst* fmPeqRst = nullptr;

TfmPeqRst::TfmPeqRst(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmPeqRst"));
    SetBounds(0, 0, 321, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmPeqRst::FormShow);
    lbReset = NewLabel(this, this, QStringLiteral("lbReset"), QString(), 24, 32);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 48, 80, 89, 27);
    btnOK->OnClick = vcl::Method(this, &TfmPeqRst::btnOKClick);
    btnCancel = NewButton(this, this, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 176, 80, 89, 27);
    SetCancelControl(btnCancel);
    btnCancel->OnClick = vcl::Method(this, &TfmPeqRst::btnExitClick);
}

TfmPeqRst::~TfmPeqRst()
{
    BeforeDestruction();
    if (fmPeqRst == this)
        fmPeqRst = nullptr;
}

void TfmPeqRst::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    Hide();
    MainDialogActions::ResetChannelPeq(Channel);
    Close();
}

void TfmPeqRst::btnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmPeqRst::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_PEQRST"));
    lbReset->SetCaption(Sid("SID_PEQRST_RESET"));
    btnOK->SetCaption(Sid("SID_PEQRST_OK"));
    btnCancel->SetCaption(Sid("SID_PEQRST_CANCEL"));
}
