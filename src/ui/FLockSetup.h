#pragma once
// Sets or clears the device's panel-lock password.

#include "platform/ui/TForm.h"

class TfmLockSetup : public vcl::TForm
{
public:
    explicit TfmLockSetup(vcl::TComponent* owner);
    ~TfmLockSetup() override;
};

extern TfmLockSetup* fmLockSetup;
