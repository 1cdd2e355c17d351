#pragma once
// The store preset list: choosing a row opens the name dialog to store that preset.

#include "ui/PresetListForm.h"

class TfmStorePreset : public TPresetListForm
{
public:
    explicit TfmStorePreset(vcl::TComponent* owner);
    ~TfmStorePreset() override;
};

extern TfmStorePreset* fmStorePreset;
