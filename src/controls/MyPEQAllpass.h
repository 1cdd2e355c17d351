#pragma once
// The main window's PEQ band editor: every band offers the seven filter types, all-pass included.

#include "controls/PeqBandEditor.h"

class TMyPEQAllpass : public PeqBandEditor
{
public:
    explicit TMyPEQAllpass(vcl::TComponent* AOwner);
    ~TMyPEQAllpass() override;
};
