#pragma once
// Names a preset before it is stored.

#include "platform/ui/TForm.h"

class TfmStoreName : public vcl::TForm
{
public:
    explicit TfmStoreName(vcl::TComponent* owner);
    ~TfmStoreName() override;
};

extern TfmStoreName* fmStoreName;
