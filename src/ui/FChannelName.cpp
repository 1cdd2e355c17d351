#include "ui/FChannelName.h"

TfmChannelName* fmChannelName = nullptr;

TfmChannelName::TfmChannelName(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmChannelName"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmChannelName::~TfmChannelName()
{
    BeforeDestruction();
    if (fmChannelName == this)
        fmChannelName = nullptr;
}
