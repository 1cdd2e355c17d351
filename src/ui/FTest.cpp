#include "ui/FTest.h"

TfmTest* fmTest = nullptr;

TfmTest::TfmTest(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmTest"));
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
}

TfmTest::~TfmTest()
{
    BeforeDestruction();
    if (fmTest == this)
        fmTest = nullptr;
}
