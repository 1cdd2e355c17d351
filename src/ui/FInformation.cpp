#include "ui/FInformation.h"

#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmInformation"));
    SetBounds(0, 0, 337, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmInformation::FormShow);

    lbMessage = NewLabel(this, this, QStringLiteral("lbMessage"), QStringLiteral("You Must Connect First !!"), 24, 32);
    lbMessage->SetAutoSize(false);
    lbMessage->SetBounds(16, 24, 297, 40);
    lbMessage->SetAlignment(vcl::TAlignment::taCenter);
    lbMessage->SetWordWrap(true);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 124, 80, 81, 27);
    SetDefaultControl(btnOK);
    SetCancelControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmInformation::btnOKClick);
}

TfmInformation::~TfmInformation()
{
    BeforeDestruction();
    if (fmInformation == this)
        fmInformation = nullptr;
}

void TfmInformation::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmInformation::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_INFO_TITLE"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
}
