#include "ui/FLinkSel.h"

#include "platform/core/SoftAssert.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "ui/DialogCommon.h"
#include "ui/MainDialogActions.h"
#include "widgets/RzBmpBtn.h"

using namespace DialogCommon;

TfmLinkSel* fmLinkSel = nullptr;

namespace {

bool IsInput(int ch)
{
    return ch < 2;
}

// The last channel of ch's side.
int LastOfSide(int ch)
{
    return IsInput(ch) ? 1 : 7;
}

// The channel's bit in a link mask of its side.
int SideBit(int ch)
{
    return IsInput(ch) ? ch : ch - 2;
}

QString RowTag(int ch)
{
    return IsInput(ch) ? QString(QChar(u'A' + ch)) : QString::number(ch - 1);
}

QString ChannelText(int ch)
{
    return IsInput(ch) ? QStringLiteral("In%1").arg(QChar(u'A' + ch)) : QStringLiteral("Out%1").arg(ch - 1);
}

constexpr int ButtonPitch = 75;

vcl::TGroupBox* NewBox(vcl::TComponent* owner, vcl::TWinControl* parent, const QString& name, int left, int top,
                       int width, int height)
{
    auto* g = new vcl::TGroupBox(owner);
    g->SetName(name);
    g->SetParent(parent);
    g->SetBounds(left, top, width, height);
    return g;
}

} // namespace

QString TfmLinkSel::LinkButtonName(int row, int col)
{
    if (IsInput(row))
        return QStringLiteral("rzb%1LinkIn%2").arg(RowTag(row), RowTag(col));
    return QStringLiteral("rzb%1LinkOut%2").arg(RowTag(row), RowTag(col));
}

rz::TRzBmpButton* TfmLinkSel::LinkButton(int row, int col) const
{
    if (row < 0 || row > 7 || col < 0 || col > row || IsInput(row) != IsInput(col))
        return nullptr;
    return m_linkButtons[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

TfmLinkSel::TfmLinkSel(vcl::TComponent* owner) : vcl::TForm(owner)
{
    SetName(QStringLiteral("fmLinkSel"));
    SetBounds(0, 0, 520, 440);
    SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
    SetPosition(vcl::TPosition::poScreenCenter);
    OnShow = vcl::Method(this, &TfmLinkSel::FormShow);
    OnClose = vcl::Method(this, &TfmLinkSel::FormClose);

    rzgLinkSelIn = NewBox(this, this, QStringLiteral("rzgLinkSelIn"), 8, 8, 497, 108);
    rzgLinkSelOut = NewBox(this, this, QStringLiteral("rzgLinkSelOut"), 8, 124, 497, 256);
    using Handler = void (TfmLinkSel::*)(vcl::TObject*);
    const Handler handlers[8] = { nullptr,
                                  &TfmLinkSel::rzbBLinkInAClick,
                                  nullptr,
                                  &TfmLinkSel::rzb2LinkOut1Click,
                                  &TfmLinkSel::rzb3LinkOut1Click,
                                  &TfmLinkSel::rzb4LinkOut1Click,
                                  &TfmLinkSel::rzb5LinkOut1Click,
                                  &TfmLinkSel::rzb6LinkOut1Click };
    for (int ch = 0; ch < 8; ++ch) {
        vcl::TGroupBox* side = IsInput(ch) ? rzgLinkSelIn : rzgLinkSelOut;
        const int first = IsInput(ch) ? 0 : 2;
        const int index = ch - first;
        NewLabel(this, side, QStringLiteral("lbLinkSel") + (IsInput(ch) ? QStringLiteral("In") : QStringLiteral("Out")) + RowTag(ch),
                 ChannelText(ch), 24 + index * ButtonPitch, 16);
        auto* rowBox = NewBox(this, side, QStringLiteral("rzgLinkSel") + (IsInput(ch) ? QStringLiteral("In") : QStringLiteral("Out")) + RowTag(ch),
                              8, 32 + index * 36, 481, 34);
        for (int col = first; col <= ch; ++col) {
            auto* b = NewButton(this, rowBox, LinkButtonName(ch, col), ChannelText(ch), 8 + (col - first) * ButtonPitch, 5, 50, 24);
            m_linkButtons[static_cast<std::size_t>(ch)][static_cast<std::size_t>(col)] = b;
            b->SetTag(col - first);
            b->SetGroupIndex(1);
            b->SetAllowAllUp(false);
            if (handlers[ch])
                b->OnClick = vcl::Method(this, handlers[ch]);
        }
        LinkButton(ch, ch)->SetDown(true);
    }
    bnSet = NewButton(this, this, QStringLiteral("bnSet"), QStringLiteral("Set"), 136, 392, 89, 27);
    bnSet->OnClick = vcl::Method(this, &TfmLinkSel::bnSetClick);
    bnExit = NewButton(this, this, QStringLiteral("bnExit"), QStringLiteral("Exit"), 288, 392, 89, 27);
    SetCancelControl(bnExit);
    bnExit->OnClick = vcl::Method(this, &TfmLinkSel::bnExitClick);
}

TfmLinkSel::~TfmLinkSel()
{
    BeforeDestruction();
    if (fmLinkSel == this)
        fmLinkSel = nullptr;
}

void TfmLinkSel::FormShow(vcl::TObject* Sender)
{
    (void)Sender;
    SetCaption(Sid("SID_LINK_TITLE"));
    bnSet->SetCaption(Sid("SID_SET"));
    bnExit->SetCaption(Sid("SID_EXIT"));
    Changed = 0;
}

void TfmLinkSel::RowClick(int row, vcl::TObject* Sender)
{
    Changed = 1;
    auto* clicked = dynamic_cast<rz::TRzBmpButton*>(Sender);
    if (!ZQ9_EXPECT(clicked))
        return;
    const int col = static_cast<int>(clicked->Tag()) + (IsInput(row) ? 0 : 2);
    if (col == row) {
        // row leads itself: rows below may follow it
        for (int s = row + 1; s <= LastOfSide(row); ++s) {
            auto* b = LinkButton(s, row);
            if (!ZQ9_EXPECT(b))
                return;
            b->SetEnabled(true);
        }
        return;
    }
    // row follows a lower channel now: none may follow row, and who did leads itself again
    for (int s = row + 1; s <= LastOfSide(row); ++s) {
        auto* b = LinkButton(s, row);
        if (!ZQ9_EXPECT(b))
            return;
        b->SetEnabled(false);
        if (b->Down()) {
            auto* diagonal = LinkButton(s, s);
            if (!ZQ9_EXPECT(diagonal))
                return;
            diagonal->SetDown(true);
            diagonal->Click();
        }
    }
}

void TfmLinkSel::rzbBLinkInAClick(vcl::TObject* Sender) { RowClick(1, Sender); }
void TfmLinkSel::rzb2LinkOut1Click(vcl::TObject* Sender) { RowClick(3, Sender); }
void TfmLinkSel::rzb3LinkOut1Click(vcl::TObject* Sender) { RowClick(4, Sender); }
void TfmLinkSel::rzb4LinkOut1Click(vcl::TObject* Sender) { RowClick(5, Sender); }
void TfmLinkSel::rzb5LinkOut1Click(vcl::TObject* Sender) { RowClick(6, Sender); }
void TfmLinkSel::rzb6LinkOut1Click(vcl::TObject* Sender) { RowClick(7, Sender); }

void TfmLinkSel::rzbCLinkInAClick(vcl::TObject*) { Changed = 1; }
void TfmLinkSel::rzb7LinkOut1Click(vcl::TObject*) { Changed = 1; }
void TfmLinkSel::rzbDLinkInDClick(vcl::TObject*) { Changed = 1; }
void TfmLinkSel::rzb8LinkOut8Click(vcl::TObject*) { Changed = 1; }

void TfmLinkSel::ShowChannelLinks(int ch, int mask)
{
    for (int s = ch; s <= LastOfSide(ch); ++s) {
        auto* b = LinkButton(s, ch);
        if (!ZQ9_EXPECT(b))
            return;
        if (mask & (1 << SideBit(s))) {
            b->SetDown(true);
            b->Click();
        }
    }
}

void TfmLinkSel::bnExitClick(vcl::TObject* Sender)
{
    (void)Sender;
    Close();
}

void TfmLinkSel::FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action)
{
    (void)Sender;
    (void)Action;
    if (!Changed)
        return;
    Changed = 0;
    // Each restored row is a button click, and a click hands the button's result (none) to the
    // form: the result that is closing the dialog must outlive them, or the dialog stays open.
    const vcl::TModalResult closing = ModalResult();
    for (int ch = 0; ch < 8; ++ch)
        ShowChannelLinks(ch, MainDialogActions::LinkMaskOf(ch));
    SetModalResult(closing);
}

void TfmLinkSel::bnSetClick(vcl::TObject* Sender)
{
    (void)Sender;
    bool changed = false;
    for (int i = 0; i < 8; ++i) {
        const int current = MainDialogActions::LinkMaskOf(i);
        int mask = 0;
        for (int j = i; j <= LastOfSide(i); ++j) {
            auto* b = LinkButton(j, i);
            if (!ZQ9_EXPECT(b))
                return;
            if (!b->Down())
                continue;
            mask |= 1 << SideBit(j);
            if (!(current & (1 << SideBit(j)))) {
                // j joins i's group now
                MainDialogActions::SetMenuCaption(i, j);
                MainDialogActions::CopyChannel(i, j, false);
                changed = true;
            }
        }
        if (mask != current) {
            MainDialogActions::SetLinkMask(i, mask);
            changed = true;
        }
    }
    if (changed) {
        MainDialogActions::RereadAfterLink();
        ApplyLinkButtons();
        MainDialogActions::ShowGainPage();
    }
    Changed = 0; // the buttons are what the model holds now
    Close();
}

void TfmLinkSel::ApplyLinkButtons()
{
    for (int ch = 0; ch < 8; ++ch) {
        auto* diagonal = LinkButton(ch, ch);
        if (!ZQ9_EXPECT(diagonal))
            return;
        MainDialogActions::ShowOverlayButtons(ch, diagonal->Down());
        if (diagonal->Down())
            MainDialogActions::SetMenuCaption(ch, ch);
    }
}

void TfmLinkSel::ApplyNewLinks()
{
    for (int i = 0; i < 8; ++i) {
        for (int j = i; j <= LastOfSide(i); ++j) {
            auto* b = LinkButton(j, i);
            if (!ZQ9_EXPECT(b))
                return;
            if (b->Down())
                MainDialogActions::SetMenuCaption(i, j);
        }
    }
}
