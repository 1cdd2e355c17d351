#pragma once
// Sets the device ID and network address.

#include "platform/ui/TForm.h"

class TfmNetworkSetup : public vcl::TForm
{
public:
    explicit TfmNetworkSetup(vcl::TComponent* owner);
    ~TfmNetworkSetup() override;
};

extern TfmNetworkSetup* fmNetworkSetup;
