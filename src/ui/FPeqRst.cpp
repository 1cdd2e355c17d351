#include "ui/FPeqRst.h"

TfmPeqRst* fmPeqRst = nullptr;

TfmPeqRst::TfmPeqRst(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmPeqRst"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmPeqRst::~TfmPeqRst()
{
    BeforeDestruction();
    if (fmPeqRst == this)
        fmPeqRst = nullptr;
}
