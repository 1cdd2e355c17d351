#include "ui/FNetWorkScan.h"

TfmNetwork* fmNetwork = nullptr;

TfmNetwork::TfmNetwork(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmNetwork"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmNetwork::~TfmNetwork()
{
    BeforeDestruction();
}
