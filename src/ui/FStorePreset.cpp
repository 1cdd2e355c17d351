#include "ui/FStorePreset.h"

TfmStorePreset* fmStorePreset = nullptr;

TfmStorePreset::TfmStorePreset(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmStorePreset"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmStorePreset::~TfmStorePreset()
{
    BeforeDestruction();
    if (fmStorePreset == this)
        fmStorePreset = nullptr;
}
