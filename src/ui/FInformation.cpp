#include "ui/FInformation.h"

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmInformation"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmInformation::~TfmInformation()
{
    BeforeDestruction();
    if (fmInformation == this)
        fmInformation = nullptr;
}
