#include "ui/FChNameList.h"

TfmChNameList* fmChNameList = nullptr;

TfmChNameList::TfmChNameList(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmChNameList"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmChNameList::~TfmChNameList()
{
    BeforeDestruction();
    if (fmChNameList == this)
        fmChNameList = nullptr;
}
