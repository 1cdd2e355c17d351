#pragma once
// The traffic window: one line per frame written or read.

#include "platform/ui/TForm.h"

class TfmHidData : public vcl::TForm
{
public:
    explicit TfmHidData(vcl::TComponent* owner);
    ~TfmHidData() override;
};

extern TfmHidData* fmHidData;
