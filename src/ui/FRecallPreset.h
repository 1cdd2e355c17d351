#pragma once
// Lists the factory and stored presets and recalls one.

#include "platform/ui/TForm.h"

class TfmRecallPreset : public vcl::TForm
{
public:
    explicit TfmRecallPreset(vcl::TComponent* owner);
    ~TfmRecallPreset() override;
};

extern TfmRecallPreset* fmRecallPreset;
