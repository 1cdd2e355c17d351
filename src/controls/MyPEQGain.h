#pragma once
// A PEQ band editor offering only the five filter types without the all-pass ones.

#include "controls/PeqBandEditor.h"

class TMyPEQGain : public PeqBandEditor
{
public:
    explicit TMyPEQGain(vcl::TComponent* AOwner);
    ~TMyPEQGain() override;
};
