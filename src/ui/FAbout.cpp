#include "ui/FAbout.h"

#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmAbout* fmAbout = nullptr;

TfmAbout::TfmAbout(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmAbout"));
    SetBounds(0, 0, 360, 170);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmAbout::FormShow);
    ProductName = NewLabel(this, this, QStringLiteral("ProductName"), QStringLiteral("Product Name : ZQ9 DSP Processor Editor"), 32, 32);
    Version = NewLabel(this, this, QStringLiteral("Version"), QStringLiteral("Version : V1.01"), 32, 60);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 136, 100, 89, 27);
    SetDefaultControl(btnOK);
    SetCancelControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmAbout::btnOKClick);
}

TfmAbout::~TfmAbout()
{
    BeforeDestruction();
    if (fmAbout == this)
        fmAbout = nullptr;
}

void TfmAbout::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmAbout::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_ABOUT"));
}
