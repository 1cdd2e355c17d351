#pragma once
// Asks for the panel-lock password of a locked device.

#include "platform/ui/TForm.h"

class TfmLockPassWord : public vcl::TForm
{
public:
    explicit TfmLockPassWord(vcl::TComponent* owner);
    ~TfmLockPassWord() override;
};

extern TfmLockPassWord* fmLockPassWord;
