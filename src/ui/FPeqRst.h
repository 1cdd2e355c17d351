#pragma once
// Asks before the PEQ bands of a channel are reset.

#include "platform/ui/TForm.h"

class TfmPeqRst : public vcl::TForm
{
public:
    explicit TfmPeqRst(vcl::TComponent* owner);
    ~TfmPeqRst() override;
};

extern TfmPeqRst* fmPeqRst;
