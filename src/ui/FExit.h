#pragma once
// Asks before the program quits.

#include "platform/ui/TForm.h"

class TfmExit : public vcl::TForm
{
public:
    explicit TfmExit(vcl::TComponent* owner);
    ~TfmExit() override;
};

extern TfmExit* fmExit;
