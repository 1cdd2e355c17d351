#include "controls/MyPEQ.h"

#include "controls/PeqEdit.h"
#include "controls/PeqEntry.h"
#include "device/Constants.h"
#include "device/ValueGrids.h"
#include "platform/core/NumberUtils.h"
#include "platform/core/SoftAssert.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"

#include <algorithm>
#include <cmath>

using namespace vcl;

namespace {

const char* const TitleTexts[] = { "EQ", "Frequency", "Q", "Gain", "Type" };
const char* const TypeNames[] = { "Peak", "Low Shelf", "High Shelf" };

// Grid position of hz: the decimal text of the step count, one step away from zero when its first
// decimal is above 5, then its whole part.
int SimpleGridPosition(double hz)
{
    if (!(hz > 0.0))
        return -170;
    const double v = std::log(hz / 1000.0) / std::log(FreqStepRatio);
    const QString text = FloatToStr(v);
    const int dot = text.indexOf(QLatin1Char('.'));
    const bool exponent = text.contains(QLatin1Char('E'));
    double moved = v;
    if (dot >= 0 && !exponent && dot + 1 < text.size() && text[dot + 1] > QLatin1Char('5'))
        moved += v < 0 ? -1.0 : 1.0;
    return SaturateToInt(moved);
}

} // namespace

TMyPEQ::TMyPEQ(TComponent* AOwner) : TGroupBox(AOwner)
{
    SetBounds(Left(), Top(), 490, 220);
    SetCaption(QString());
    for (std::size_t i = 0; i < m_titleLabels.size(); ++i) {
        auto* l = new TLabel(this);
        l->SetCaption(QString::fromLatin1(TitleTexts[i]));
        l->SetParent(this);
        m_titleLabels[i] = l;
    }
    for (int k = 0; k < MaxRows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto* label = new TLabel(this);
        label->SetAutoSize(false);
        label->SetAlignment(TAlignment::taCenter);
        label->SetCaption(QString::number(k + 1));
        label->SetColor(BandColors[i]);
        label->SetParent(this);
        m_numberLabels[i] = label;

        auto makeEdit = [this, k](auto commit) {
            auto* e = new PeqEdit(this);
            e->SetTag(k);
            e->SetTypingLimit(7);
            e->OnKeyDown = [this, k, commit](TObject*, WORD& Key, TShiftState) {
                if (Key == VK_RETURN)
                    (this->*commit)(k);
            };
            e->OnExit = [this, k, commit](TObject*) { (this->*commit)(k); };
            e->SetParent(this);
            return e;
        };
        auto makeUpDown = [this, k](int lo, int hi, int position) {
            auto* u = new TUpDown(this);
            u->SetTag(k);
            u->SetMin(lo);
            u->SetMax(hi);
            u->SetPosition(position);
            u->OnClick = [this](TObject* Sender, TUDBtnType) { UpDownClick(Sender); };
            u->SetParent(this);
            return u;
        };
        m_freqEdits[i] = makeEdit(&TMyPEQ::FrequencyCommit);
        m_freqUpDowns[i] = makeUpDown(-170, 130, 0);
        m_qEdits[i] = makeEdit(&TMyPEQ::QfactorCommit);
        m_qUpDowns[i] = makeUpDown(0, 100, 20);
        m_gainEdits[i] = makeEdit(&TMyPEQ::GainCommit);
        m_gainUpDowns[i] = makeUpDown(-24, 24, 0);

        auto* combo = new TComboBox(this);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        combo->SetTag(k);
        combo->OnChange = [this](TObject*) { Change(); };
        combo->SetParent(this);
        m_typeCombos[i] = combo;

        auto* box = new TCheckBox(this);
        box->SetTag(k);
        box->SetCaption(QStringLiteral("ByPass"));
        box->OnClick = [this](TObject*) { Change(); };
        box->SetParent(this);
        m_bypassBoxes[i] = box;

        ShowFreq(k);
        ShowQ(k);
        ShowGain(k);
    }
    Layout(false);
    m_layoutWidth = Width();
    m_layoutHeight = Height();
    CreateWnd();
}

TMyPEQ::~TMyPEQ()
{
    BeforeDestruction();
}

void TMyPEQ::CreateWnd()
{
    for (TComboBox* combo : m_typeCombos) {
        for (const char* name : TypeNames)
            combo->Items()->Add(QString::fromLatin1(name));
        combo->SetItemIndex(1);
    }
}

void TMyPEQ::Layout(bool again)
{
    const int n = m_channelNumber;
    const int q = (Width() - 84) / 5;
    const int r = (Height() - n - 30) / (n + 1);
    const bool fewRows = again && n < 5;
    for (int i = 0; i < 5; ++i) {
        TLabel* l = m_titleLabels[static_cast<std::size_t>(i)];
        if (i == 0)
            l->SetBounds(8, 15, 20, r);
        else
            l->SetBounds(33 + 12 * i + (i - 1) * q, 15, q, r);
    }
    for (int k = 0; k < MaxRows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        TControl* rowControls[] = { m_numberLabels[i], m_freqEdits[i], m_qEdits[i], m_gainEdits[i], m_freqUpDowns[i],
                                    m_qUpDowns[i], m_gainUpDowns[i], m_typeCombos[i], m_bypassBoxes[i] };
        if (k >= n) {
            for (TControl* c : rowControls) {
                c->SetVisible(false);
                c->SetTop(10000);
            }
            continue;
        }
        const int top = r + 17 + k * (r + 2);
        m_numberLabels[i]->SetBounds(8, top, 20, fewRows ? 18 : r - 2);
        m_freqEdits[i]->SetBounds(40, top, q, r);
        m_qEdits[i]->SetBounds(q + 52, top - 1, q, r);
        m_gainEdits[i]->SetBounds(2 * q + 64, top - 1, q, r);
        m_typeCombos[i]->SetBounds(3 * q + 76, top - 1, q, r);
        m_bypassBoxes[i]->SetBounds(4 * q + 88, top - 1, q - 20, r);
        const std::pair<TEdit*, TUpDown*> pairs[] = { { m_freqEdits[i], m_freqUpDowns[i] },
                                                      { m_qEdits[i], m_qUpDowns[i] },
                                                      { m_gainEdits[i], m_gainUpDowns[i] } };
        for (const auto& [edit, upDown] : pairs)
            upDown->SetBounds(edit->Left() + edit->Width() - 22, edit->Top() + 2, 20, fewRows ? 18 : r - 1);
        for (TControl* c : rowControls)
            c->SetVisible(true);
        if (again)
            m_typeCombos[i]->SetItemIndex(0);
    }
}

// Painting only paints: the rows are laid out as the size changes.
void TMyPEQ::Paint()
{
    TGroupBox::Paint();
}

void TMyPEQ::Resize()
{
    TGroupBox::Resize();
    if (m_layoutWidth != 0) // laid out once construction has built the rows
        RePaint();
}

void TMyPEQ::RePaint()
{
    if (Width() == m_layoutWidth && Height() == m_layoutHeight)
        return;
    m_layoutWidth = Width();
    m_layoutHeight = Height();
    Layout(true);
}

void TMyPEQ::SetChannelNumber(int n)
{
    if (n == m_channelNumber)
        return;
    m_channelNumber = std::clamp(n, 0, MaxRows); // the rows exist 15 times; a negative count has none
    Invalidate();
}

void TMyPEQ::Change()
{
    if (OnChange)
        OnChange(this);
}

// --- values ---

double TMyPEQ::GetFreqValue(int band) const
{
    return ValidBand(band) ? IndexToFreq(m_freqUpDowns[static_cast<std::size_t>(band)]->Position() + 170) : 0.0;
}

double TMyPEQ::GetQValue(int band) const
{
    return ValidBand(band) ? PeqQValue(m_qUpDowns[static_cast<std::size_t>(band)]->Position()) : 0.0;
}

double TMyPEQ::GetGainValue(int band) const
{
    return ValidBand(band) ? m_gainUpDowns[static_cast<std::size_t>(band)]->Position() * 0.5 : 0.0;
}

int TMyPEQ::GetTypeValue(int band) const
{
    return ValidBand(band) ? m_typeCombos[static_cast<std::size_t>(band)]->ItemIndex() : -1;
}

bool TMyPEQ::GetBypassValue(int band) const
{
    return ValidBand(band) && m_bypassBoxes[static_cast<std::size_t>(band)]->Checked();
}

void TMyPEQ::ShowFreq(int row)
{
    m_freqEdits[static_cast<std::size_t>(row)]->SetText(PeqFreqText(GetFreqValue(row)));
}

void TMyPEQ::ShowQ(int row)
{
    m_qEdits[static_cast<std::size_t>(row)]->SetText(PeqQText(m_qUpDowns[static_cast<std::size_t>(row)]->Position()));
}

void TMyPEQ::ShowGain(int row)
{
    m_gainEdits[static_cast<std::size_t>(row)]->SetText(PeqGainText(GetGainValue(row)));
}

void TMyPEQ::SetFreqValue(int band, float hz)
{
    if (!ValidBand(band))
        return;
    m_freqUpDowns[static_cast<std::size_t>(band)]->SetPosition(SimpleGridPosition(hz));
    ShowFreq(band);
    Change();
}

void TMyPEQ::SetQValue(int band, float index)
{
    if (!ValidBand(band))
        return;
    m_qUpDowns[static_cast<std::size_t>(band)]->SetPosition(SaturateToInt(index));
    ShowQ(band);
}

void TMyPEQ::SetGainValue(int band, float db)
{
    if (!ValidBand(band))
        return;
    m_gainUpDowns[static_cast<std::size_t>(band)]->SetPosition(SaturateToInt(2.0 * static_cast<double>(db)));
    m_gainEdits[static_cast<std::size_t>(band)]->SetText(PeqGainText(static_cast<double>(db)));
    Change();
}

void TMyPEQ::SetTypeValue(int band, int type)
{
    if (!ValidBand(band))
        return;
    m_typeCombos[static_cast<std::size_t>(band)]->SetItemIndex(type);
    Change();
}

void TMyPEQ::SetBypassValue(int band, bool on)
{
    if (!ValidBand(band))
        return;
    m_bypassBoxes[static_cast<std::size_t>(band)]->SetChecked(on); // a change clicks the box: Change
    Change();
}

void TMyPEQ::SetColor(int band, TColor colour)
{
    if (!ValidBand(band))
        return;
    const auto i = static_cast<std::size_t>(band);
    TControl* controls[] = { m_freqEdits[i], m_qEdits[i], m_gainEdits[i], m_bypassBoxes[i] };
    for (TControl* c : controls)
        c->Font()->SetColor(colour);
}

// --- typed entry and stepping ---

void TMyPEQ::Refuse(TEdit* edit, const QString& text)
{
    edit->SetText(text);
    edit->SetSelStart(static_cast<int>(text.size())); // caret to the end
}

void TMyPEQ::FrequencyCommit(int row)
{
    const auto i = static_cast<std::size_t>(row);
    if (const auto index = ParseSimpleFreqEntry(m_freqEdits[i]->Text())) {
        m_freqUpDowns[i]->SetPosition(*index - 170);
        m_freqEdits[i]->SetText(PeqFreqText(IndexToFreq(*index)));
    } else
        Refuse(m_freqEdits[i], PeqFreqText(GetFreqValue(row)));
    Change();
}

void TMyPEQ::QfactorCommit(int row)
{
    const auto i = static_cast<std::size_t>(row);
    if (const auto index = ParseSimpleQEntry(m_qEdits[i]->Text())) {
        m_qUpDowns[i]->SetPosition(*index);
        ShowQ(row);
    } else
        Refuse(m_qEdits[i], PeqQText(m_qUpDowns[i]->Position()));
    Change();
}

void TMyPEQ::GainCommit(int row)
{
    const auto i = static_cast<std::size_t>(row);
    if (const auto steps = ParseSimpleGainEntry(m_gainEdits[i]->Text())) {
        m_gainUpDowns[i]->SetPosition(*steps);
        ShowGain(row);
    } else
        Refuse(m_gainEdits[i], PeqGainText(GetGainValue(row)));
    Change();
}

void TMyPEQ::UpDownClick(TObject* Sender)
{
    auto* upDown = dynamic_cast<TUpDown*>(Sender);
    if (!ZQ9_EXPECT(upDown))
        return;
    const int row = static_cast<int>(upDown->Tag());
    if (!ZQ9_EXPECT(ValidBand(row)))
        return;
    const auto i = static_cast<std::size_t>(row);
    if (upDown == m_freqUpDowns[i])
        ShowFreq(row);
    else if (upDown == m_qUpDowns[i])
        ShowQ(row);
    else
        ShowGain(row);
    Change();
    if (upDown->Visible() && upDown->CanFocus())
        upDown->SetFocus();
}
