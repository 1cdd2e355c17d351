#pragma once
// Viewer of the serial protocol document in Chinese.

#include "platform/ui/TForm.h"

class TfmRs232Code : public vcl::TForm
{
public:
    explicit TfmRs232Code(vcl::TComponent* owner);
    ~TfmRs232Code() override;
};

extern TfmRs232Code* fmRs232Code;
