#include "ui/FAbout.h"

TfmAbout* fmAbout = nullptr;

TfmAbout::TfmAbout(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmAbout"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmAbout::~TfmAbout()
{
    BeforeDestruction();
    if (fmAbout == this)
        fmAbout = nullptr;
}
