#pragma once
// The English RS-232 protocol document viewer.

#include "ui/Rs232CodeViewer.h"

class TfmRs232CodeEnglish : public TRs232CodeViewer
{
public:
    explicit TfmRs232CodeEnglish(vcl::TComponent* owner);
    ~TfmRs232CodeEnglish() override;
};

extern TfmRs232CodeEnglish* fmRs232CodeEnglish;
