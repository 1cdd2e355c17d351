#pragma once
// The progress window of multi-step transfers.

#include "platform/ui/TForm.h"

class TfmProcess : public vcl::TForm
{
public:
    explicit TfmProcess(vcl::TComponent* owner);
    ~TfmProcess() override;
};

extern TfmProcess* fmProcess;
