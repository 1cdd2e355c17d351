#include "ui/FRs232CodeDocEnglish.h"

TfmRs232CodeEnglish* fmRs232CodeEnglish = nullptr;

TfmRs232CodeEnglish::TfmRs232CodeEnglish(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmRs232CodeEnglish"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmRs232CodeEnglish::~TfmRs232CodeEnglish()
{
    BeforeDestruction();
    if (fmRs232CodeEnglish == this)
        fmRs232CodeEnglish = nullptr;
}
