#pragma once
// Viewer of the serial protocol document in English.

#include "platform/ui/TForm.h"

class TfmRs232CodeEnglish : public vcl::TForm
{
public:
    explicit TfmRs232CodeEnglish(vcl::TComponent* owner);
    ~TfmRs232CodeEnglish() override;
};

extern TfmRs232CodeEnglish* fmRs232CodeEnglish;
