#include "ui/FCopy.h"

#include "platform/core/SoftAssert.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainDialogActions.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmCopy* fmCopy = nullptr;

namespace {

vcl::TGroupBox* NewBox(vcl::TForm* form, const QString& name, const QString& caption, int top)
{
    auto* g = new vcl::TGroupBox(form);
    g->SetName(name);
    g->SetParent(form);
    g->SetBounds(8, top, 329, 65);
    g->SetCaption(caption);
    return g;
}

// Only a choice from the list names a channel.
vcl::TComboBox* NewChannelBox(vcl::TForm* form, vcl::TGroupBox* box, const QString& name, const QStringList& items,
                              int index, int left)
{
    auto* c = new vcl::TComboBox(form);
    c->SetName(name);
    c->SetParent(box);
    c->SetStyle(vcl::TComboBoxStyle::csDropDownList);
    c->SetBounds(left, 26, 73, 21);
    for (const QString& item : items)
        c->Items()->Add(item);
    c->SetItemIndex(index);
    return c;
}

} // namespace

TfmCopy::TfmCopy(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmCopy"));
    SetBounds(0, 0, 353, 220);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmCopy::FormShow);

    const QStringList ins { QStringLiteral("InA"), QStringLiteral("InB") };
    QStringList outs;
    for (int k = 1; k <= 6; ++k)
        outs << QStringLiteral("Out%1").arg(k);

    gbIn = NewBox(this, QStringLiteral("gbIn"), QStringLiteral(" In "), 8);
    cbInSource = NewChannelBox(this, gbIn, QStringLiteral("cbInSource"), ins, 0, 16);
    NewLabel(this, gbIn, QStringLiteral("lbInArrow"), QStringLiteral("=>"), 100, 30);
    cbInDestination = NewChannelBox(this, gbIn, QStringLiteral("cbInDestination"), ins, 1, 128);
    bnInChCopy = NewButton(this, gbIn, QStringLiteral("bnInChCopy"), QStringLiteral("Copy"), 224, 24, 89, 25);
    bnInChCopy->SetTag(0);
    bnInChCopy->OnClick = vcl::Method(this, &TfmCopy::bnInChCopyClick);

    gbOut = NewBox(this, QStringLiteral("gbOut"), QStringLiteral(" Out "), 80);
    cbOutSource = NewChannelBox(this, gbOut, QStringLiteral("cbOutSource"), outs, 0, 16);
    NewLabel(this, gbOut, QStringLiteral("lbOutArrow"), QStringLiteral("=>"), 100, 30);
    cbOutDestination = NewChannelBox(this, gbOut, QStringLiteral("cbOutDestination"), outs, 1, 128);
    bnOutChCopy = NewButton(this, gbOut, QStringLiteral("bnOutChCopy"), QStringLiteral("Copy"), 224, 24, 89, 25);
    bnOutChCopy->SetTag(1);
    bnOutChCopy->OnClick = vcl::Method(this, &TfmCopy::bnInChCopyClick);

    bnExit = NewButton(this, this, QStringLiteral("bnExit"), QStringLiteral("Exit"), 132, 156, 89, 27);

    SetCancelControl(bnExit);
    bnExit->OnClick = vcl::Method(this, &TfmCopy::bnExitClick);
}

TfmCopy::~TfmCopy()
{
    BeforeDestruction();
    if (fmCopy == this)
        fmCopy = nullptr;
}

void TfmCopy::bnInChCopyClick(vcl::TObject* Sender)
{
    auto* button = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!ZQ9_EXPECT(button))
        return;
    const bool outputs = button->Tag() == 1;
    const int src = (outputs ? cbOutSource : cbInSource)->ItemIndex();
    const int dst = (outputs ? cbOutDestination : cbInDestination)->ItemIndex();
    if (src < 0 || dst < 0)
        return; // no channel chosen
    const int base = outputs ? 2 : 0;
    MainDialogActions::CopyChannel(src + base, dst + base, true);
}

void TfmCopy::bnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmCopy::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_COPY_TITLE"));
    bnInChCopy->SetCaption(Sid("SID_COPY"));
    bnOutChCopy->SetCaption(Sid("SID_COPY"));
    bnExit->SetCaption(Sid("SID_EXIT"));
}
