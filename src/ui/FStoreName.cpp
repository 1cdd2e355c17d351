#include "ui/FStoreName.h"

TfmStoreName* fmStoreName = nullptr;

TfmStoreName::TfmStoreName(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmStoreName"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmStoreName::~TfmStoreName()
{
    BeforeDestruction();
    if (fmStoreName == this)
        fmStoreName = nullptr;
}
