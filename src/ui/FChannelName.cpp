#include "ui/FChannelName.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainDialogActions.h"
#include "widgets/RzBmpBtn.h"

#include <algorithm>

using namespace DialogCommon;

TfmChannelName* fmChannelName = nullptr;

TfmChannelName::TfmChannelName(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmChannelName"));
    SetBounds(0, 0, 289, 150);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmChannelName::FormShow);
    OnActivate = vcl::Method(this, &TfmChannelName::FormActivate);
    lbChannelName = NewLabel(this, this, QStringLiteral("lbChannelName"), QStringLiteral("Channel Name"), 16, 12);
    lbChannel = NewLabel(this, this, QStringLiteral("lbChannel"), QStringLiteral("InA :"), 16, 44);
    edName = NewEdit(this, this, QStringLiteral("edName"), QStringLiteral("Input1"), 8, 72, 40, 185);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 40, 80, 89, 27);
    SetDefaultControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmChannelName::btnOKClick);
    bnCancel = NewButton(this, this, QStringLiteral("bnCancel"), QStringLiteral("Cancel"), 152, 80, 89, 27);
    SetCancelControl(bnCancel);
    bnCancel->OnClick = vcl::Method(this, &TfmChannelName::bnCancelClick);
    EnterClicks(edName, btnOK);
}

TfmChannelName::~TfmChannelName()
{
    BeforeDestruction();
    if (fmChannelName == this)
        fmChannelName = nullptr;
}

void TfmChannelName::SetChannel(int ch)
{
    Channel = ch;
    lbChannel->SetCaption(ch < 2 ? QStringLiteral("In%1 :").arg(QChar(u'A' + ch))
                                 : QStringLiteral("Out%1 :").arg(ch - 1));
}

void TfmChannelName::SetNameText(const QString& name)
{
    edName->SetText(TrimTrailing(name));
}

void TfmChannelName::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    const std::string bytes = Fixed(Ansi(edName->Text()), 8, '\0');
    ChannelNameBytes name {};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    edName->SetText(FromAnsi(bytes.substr(0, bytes.find('\0'))));
    Close();
    MainDialogActions::SetChannelName(Channel, name);
}

void TfmChannelName::bnCancelClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmChannelName::FormActivate(vcl::TObject* Sender)
{
    (void)Sender;
    edName->SetEnabled(true);
    FocusAndSelect(edName);
}

void TfmChannelName::FormShow(vcl::TObject* Sender)
{
    SetCaption(Sid("SID_CH_NAME"));
    lbChannelName->SetCaption(Sid("SID_CH_NAME"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
    bnCancel->SetCaption(Sid("SID_EXIT_CANCEL"));
    FormActivate(Sender);
}
