#pragma once
// The memo window.

#include "platform/ui/TForm.h"

class TfmMemo : public vcl::TForm
{
public:
    explicit TfmMemo(vcl::TComponent* owner);
    ~TfmMemo() override;
};

extern TfmMemo* fmMemo;
