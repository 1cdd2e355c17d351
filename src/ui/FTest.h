#pragma once
// Chooses the device's test-signal source.

#include "platform/ui/TForm.h"

class TfmTest : public vcl::TForm
{
public:
    explicit TfmTest(vcl::TComponent* owner);
    ~TfmTest() override;
};

extern TfmTest* fmTest;
