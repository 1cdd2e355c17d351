#pragma once
// The recall preset list: choosing a row opens the name dialog to recall that preset.

#include "ui/PresetListForm.h"

class TfmRecallPreset : public TPresetListForm
{
public:
    explicit TfmRecallPreset(vcl::TComponent* owner);
    ~TfmRecallPreset() override;
};

extern TfmRecallPreset* fmRecallPreset;
