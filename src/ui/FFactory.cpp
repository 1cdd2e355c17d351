#include "ui/FFactory.h"

#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainWindowAccess.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmFactory"));
    SetBounds(0, 0, 345, 170);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmFactory::FormShow);
    gbMessage = new vcl::TGroupBox(this);
    gbMessage->SetName(QStringLiteral("gbMessage"));
    gbMessage->SetParent(this);
    gbMessage->SetBounds(8, 8, 321, 73);
    lbMessage = NewLabel(this, gbMessage, QStringLiteral("lbMessage"), QString(), 16, 28);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 64, 96, 89, 27);
    btnOK->OnClick = vcl::Method(this, &TfmFactory::btnOKClick);
    bnCancel = NewButton(this, this, QStringLiteral("bnCancel"), QStringLiteral("Cancel"), 184, 96, 89, 27);
    SetCancelControl(bnCancel);
    bnCancel->OnClick = vcl::Method(this, &TfmFactory::bnCancelClick);
}

TfmFactory::~TfmFactory()
{
    BeforeDestruction();
    if (fmFactory == this)
        fmFactory = nullptr;
}

void TfmFactory::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    if (DeviceAccess* device = MainDevice())
        device->StartFactoryReset();
    Close();
}

void TfmFactory::bnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmFactory::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_INFO_TITLE"));
    lbMessage->SetCaption(Sid("SID_FACTORY_DEFAULT"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
    bnCancel->SetCaption(Sid("SID_EXIT_CANCEL"));
}
