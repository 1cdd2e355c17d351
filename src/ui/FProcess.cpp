#include "ui/FProcess.h"

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmProcess"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmProcess::~TfmProcess()
{
    BeforeDestruction();
}
