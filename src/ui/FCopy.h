#pragma once
// Copies one channel's settings to another.

#include "platform/ui/TForm.h"

class TfmCopy : public vcl::TForm
{
public:
    explicit TfmCopy(vcl::TComponent* owner);
    ~TfmCopy() override;
};

extern TfmCopy* fmCopy;
