#include "ui/FRecallPreset.h"

TfmRecallPreset* fmRecallPreset = nullptr;

TfmRecallPreset::TfmRecallPreset(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmRecallPreset"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmRecallPreset::~TfmRecallPreset()
{
    BeforeDestruction();
    if (fmRecallPreset == this)
        fmRecallPreset = nullptr;
}
