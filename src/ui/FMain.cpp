#include "ui/FMain.h"

#include "device/Constants.h"
#include "platform/ui/TLabel.h"

TfmMain* fmMain = nullptr;

TfmMain::TfmMain(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmMain"));
    SetPosition(vcl::TPosition::poScreenCenter);
    SetBounds(0, 0, 1118, 720);
    OnCreate = vcl::Method(this, &TfmMain::FormCreate);

    auto* idLabel = new vcl::TLabel(this); // shows the device ID (SetDeviceId)
    idLabel->SetName(QStringLiteral("lbShowIdNumber"));
    idLabel->SetParent(this);
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
