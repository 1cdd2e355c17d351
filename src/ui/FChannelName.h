#pragma once
// Names one channel.

#include "platform/ui/TForm.h"

class TfmChannelName : public vcl::TForm
{
public:
    explicit TfmChannelName(vcl::TComponent* owner);
    ~TfmChannelName() override;
};

extern TfmChannelName* fmChannelName;
