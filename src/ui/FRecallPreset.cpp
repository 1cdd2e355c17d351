#include "ui/FRecallPreset.h"

TfmRecallPreset* fmRecallPreset = nullptr;

TfmRecallPreset::TfmRecallPreset(vcl::TComponent* owner)
    : TPresetListForm(owner, QStringLiteral("fmRecallPreset"), true)
{
}

TfmRecallPreset::~TfmRecallPreset()
{
    BeforeDestruction();
    if (fmRecallPreset == this)
        fmRecallPreset = nullptr;
}
