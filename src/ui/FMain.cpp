#include "ui/FMain.h"

#include "device/Constants.h"

TfmMain* fmMain = nullptr;

TfmMain::TfmMain(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmMain"));
    SetPosition(vcl::TPosition::poScreenCenter);
    SetBounds(0, 0, 1118, 720);
    OnCreate = vcl::Method(this, &TfmMain::FormCreate);
}

TfmMain::~TfmMain()
{
    BeforeDestruction();
}

void TfmMain::FormCreate(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
}
