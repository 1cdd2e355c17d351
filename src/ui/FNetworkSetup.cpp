#include "ui/FNetworkSetup.h"

TfmNetworkSetup* fmNetworkSetup = nullptr;

TfmNetworkSetup::TfmNetworkSetup(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmNetworkSetup"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmNetworkSetup::~TfmNetworkSetup()
{
    BeforeDestruction();
}
