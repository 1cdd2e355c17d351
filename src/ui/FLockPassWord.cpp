#include "ui/FLockPassWord.h"

TfmLockPassWord* fmLockPassWord = nullptr;

TfmLockPassWord::TfmLockPassWord(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmLockPassWord"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmLockPassWord::~TfmLockPassWord()
{
    BeforeDestruction();
    if (fmLockPassWord == this)
        fmLockPassWord = nullptr;
}
