#include "ui/FHidData.h"

TfmHidData* fmHidData = nullptr;

TfmHidData::TfmHidData(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmHidData"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmHidData::~TfmHidData()
{
    BeforeDestruction();
    if (fmHidData == this)
        fmHidData = nullptr;
}
