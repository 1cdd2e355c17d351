#pragma once
// The Chinese RS-232 protocol document viewer.

#include "ui/Rs232CodeViewer.h"

class TfmRs232Code : public TRs232CodeViewer
{
public:
    explicit TfmRs232Code(vcl::TComponent* owner);
    ~TfmRs232Code() override;
};

extern TfmRs232Code* fmRs232Code;
