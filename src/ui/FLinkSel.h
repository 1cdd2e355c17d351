#pragma once
// Chooses which channels are linked.

#include "platform/ui/TForm.h"

class TfmLinkSel : public vcl::TForm
{
public:
    explicit TfmLinkSel(vcl::TComponent* owner);
    ~TfmLinkSel() override;
};

extern TfmLinkSel* fmLinkSel;
