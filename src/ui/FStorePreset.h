#pragma once
// Lists the preset slots and stores the current settings into one.

#include "platform/ui/TForm.h"

class TfmStorePreset : public vcl::TForm
{
public:
    explicit TfmStorePreset(vcl::TComponent* owner);
    ~TfmStorePreset() override;
};

extern TfmStorePreset* fmStorePreset;
