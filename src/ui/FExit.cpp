#include "ui/FExit.h"

TfmExit* fmExit = nullptr;

TfmExit::TfmExit(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmExit"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmExit::~TfmExit()
{
    BeforeDestruction();
    if (fmExit == this)
        fmExit = nullptr;
}
