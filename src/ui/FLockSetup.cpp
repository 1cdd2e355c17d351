#include "ui/FLockSetup.h"

TfmLockSetup* fmLockSetup = nullptr;

TfmLockSetup::TfmLockSetup(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmLockSetup"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmLockSetup::~TfmLockSetup()
{
    BeforeDestruction();
    if (fmLockSetup == this)
        fmLockSetup = nullptr;
}
