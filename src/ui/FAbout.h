#pragma once
// The about dialog.

#include "platform/ui/TForm.h"

class TfmAbout : public vcl::TForm
{
public:
    explicit TfmAbout(vcl::TComponent* owner);
    ~TfmAbout() override;
};

extern TfmAbout* fmAbout;
