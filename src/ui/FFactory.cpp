#include "ui/FFactory.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmFactory"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmFactory::~TfmFactory()
{
    BeforeDestruction();
    if (fmFactory == this)
        fmFactory = nullptr;
}
