#include "ui/FRs232CodeDoc.h"

TfmRs232Code* fmRs232Code = nullptr;

TfmRs232Code::TfmRs232Code(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmRs232Code"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmRs232Code::~TfmRs232Code()
{
    BeforeDestruction();
    if (fmRs232Code == this)
        fmRs232Code = nullptr;
}
