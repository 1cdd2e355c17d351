#include "ui/FLinkSel.h"

TfmLinkSel* fmLinkSel = nullptr;

TfmLinkSel::TfmLinkSel(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmLinkSel"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmLinkSel::~TfmLinkSel()
{
    BeforeDestruction();
    if (fmLinkSel == this)
        fmLinkSel = nullptr;
}
