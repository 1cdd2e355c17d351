#include "ui/FCopy.h"

TfmCopy* fmCopy = nullptr;

TfmCopy::TfmCopy(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmCopy"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmCopy::~TfmCopy()
{
    BeforeDestruction();
    if (fmCopy == this)
        fmCopy = nullptr;
}
