#include "ui/FMemo.h"

TfmMemo* fmMemo = nullptr;

TfmMemo::TfmMemo(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmMemo"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmMemo::~TfmMemo()
{
    BeforeDestruction();
    if (fmMemo == this)
        fmMemo = nullptr;
}
