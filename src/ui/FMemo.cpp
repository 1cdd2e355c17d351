#include "ui/FMemo.h"

#include "platform/ui/TMemo.h"
#include "ui/DialogCommon.h"
#include "widgets/RzBmpBtn.h"

TfmMemo* fmMemo = nullptr;

TfmMemo::TfmMemo(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmMemo"));
    SetBounds(0, 0, 520, 420);
    SetCaption(QStringLiteral("Message List"));
    Memo = new vcl::TMemo(this);
    Memo->SetName(QStringLiteral("Memo"));
    Memo->SetParent(this);
    Memo->SetBounds(8, 8, 496, 330);
    Memo->SetScrollBars(vcl::TScrollStyle::ssVertical);
    Memo->SetText(QStringLiteral("Memo"));
    bnClearMemo = DialogCommon::NewButton(this, this, QStringLiteral("bnClearMemo"), QStringLiteral("Clear"), 216, 348, 89, 27);
    bnClearMemo->OnClick = vcl::Method(this, &TfmMemo::bnClearMemoClick);
}

TfmMemo::~TfmMemo()
{
    BeforeDestruction();
    if (fmMemo == this)
        fmMemo = nullptr;
}

void TfmMemo::bnClearMemoClick(vcl::TObject* Sender)
{
    (void)Sender;
    Memo->Clear();
}
