#pragma once
// The message window: one text and an OK button.

#include "platform/ui/TForm.h"

class TfmInformation : public vcl::TForm
{
public:
    explicit TfmInformation(vcl::TComponent* owner);
    ~TfmInformation() override;
};

extern TfmInformation* fmInformation;
