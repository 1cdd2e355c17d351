#include "ui/FInformation.h"

#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

#include <algorithm>

TfmInformation* fmInformation = nullptr;

namespace {

constexpr int FormHeight = 150;
constexpr int MessageTop = 24;
constexpr int MessageHeight = 40;
constexpr int ButtonTop = 80;

} // namespace

TfmInformation::TfmInformation(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmInformation"));
    SetBounds(0, 0, 337, FormHeight);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmInformation::FormShow);

    lbMessage = NewLabel(this, this, QStringLiteral("lbMessage"), QStringLiteral("You Must Connect First !!"), 24, 32);
    lbMessage->SetAutoSize(false);
    lbMessage->SetBounds(16, MessageTop, 297, MessageHeight);
    lbMessage->SetAlignment(vcl::TAlignment::taCenter);
    lbMessage->SetWordWrap(true);
    btnOK = NewButton(this, this, QStringLiteral("btnOK"), QStringLiteral("OK"), 124, ButtonTop, 81, 27);
    SetDefaultControl(btnOK);
    SetCancelControl(btnOK);
    btnOK->OnClick = vcl::Method(this, &TfmInformation::btnOKClick);
}

TfmInformation::~TfmInformation()
{
    BeforeDestruction();
    if (fmInformation == this)
        fmInformation = nullptr;
}

void TfmInformation::SetMessage(const QString& text)
{
    lbMessage->SetCaption(text);
    // The word-wrapped label sized to its text keeps its width and takes the height of every line.
    lbMessage->SetAutoSize(true);
    lbMessage->SetAutoSize(false);
    const int grow = std::max(0, lbMessage->Height() - MessageHeight);
    lbMessage->SetHeight(MessageHeight + grow);
    btnOK->SetTop(ButtonTop + grow);
    SetHeight(FormHeight + grow);
}

QString TfmInformation::Message() const
{
    return lbMessage->Caption();
}

void TfmInformation::btnOKClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmInformation::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_INFO_TITLE"));
    btnOK->SetCaption(Sid("SID_EXIT_OK"));
}
