#pragma once
// Asks before the device is reset to factory defaults.

#include "platform/ui/TForm.h"

class TfmFactory : public vcl::TForm
{
public:
    explicit TfmFactory(vcl::TComponent* owner);
    ~TfmFactory() override;
};

extern TfmFactory* fmFactory;
