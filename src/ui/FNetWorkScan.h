#pragma once
// The connection search: USB, network, then the serial ports.

#include "platform/ui/TForm.h"

class TfmNetwork : public vcl::TForm
{
public:
    explicit TfmNetwork(vcl::TComponent* owner);
    ~TfmNetwork() override;
};

extern TfmNetwork* fmNetwork;
