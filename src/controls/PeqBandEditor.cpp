#include "controls/PeqBandEditor.h"

#include "controls/PeqEdit.h"
#include "controls/PeqEntry.h"
#include "device/Constants.h"
#include "device/ValueGrids.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/TShape.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace vcl;

namespace {

const char* const TitleTexts[] = { "EQ", "Frequency", "Q", "Gain", "Type", "Bypass" };
const QString BuiltInBypassCaption = QStringLiteral("   BYPASS   ");

// Hidden up-downs hold any value: they have no window that would keep them in a range.
TUpDown* MakeValueHolder(TComponent* owner)
{
    auto* u = new TUpDown(owner);
    u->SetMin(INT_MIN);
    u->SetMax(INT_MAX);
    u->SetPosition(0);
    return u;
}

} // namespace

PeqBandEditor::PeqBandEditor(TComponent* AOwner, QStringList builtInNames)
    : rz::TRzGroupBox(AOwner), m_builtInNames(std::move(builtInNames))
{
    for (int k = 0; k < m_builtInNames.size(); ++k)
        m_eqTypeNames << QString();
    SetBounds(Left(), Top(), 490, 420);
    SetCaption(QString());

    for (auto& title : m_titleLabels)
        title = new rz::TRzLabel(this); // never shown: titles only move the rows down

    const int w = (490 - 68) / 5;
    const int h = (420 - m_topBottomSpace - 16) / MaxRows;
    for (int i = 0; i < MaxRows; ++i) {
        auto* label = new rz::TRzLabel(this);
        label->SetTransparent(false);
        label->Font()->SetSize(12);
        label->Font()->SetColor(BandColors[Row(i) % BandColors.size()]);
        label->SetTransparent(true);
        label->SetCaption(QString::number(i + 1));
        label->SetAutoSize(false);
        label->SetAlignment(TAlignment::taCenter);
        label->SetParent(this);
        m_bandLabels[Row(i)] = label;
    }
    for (int i = 0; i < MaxRows; ++i) {
        auto makeEdit = [this, i](void (PeqBandEditor::*commit)(int), const QString& text) {
            auto* e = new PeqEdit(this);
            e->SetAlignment(TAlignment::taCenter);
            e->SetTag(i);
            e->SetTypingLimit(7);
            e->SetText(text);
            e->OnKeyDown = [this, i, commit](TObject*, WORD& Key, TShiftState) {
                if (Key == VK_RETURN)
                    (this->*commit)(i);
            };
            e->OnMouseDown = [this, i](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
                EditMouseDown(i, Button, Shift, X, Y);
            };
            e->OnExit = [this, i, commit](TObject*) { (this->*commit)(i); };
            e->SetParent(this);
            return e;
        };
        m_freqEdits[Row(i)] = makeEdit(&PeqBandEditor::FrequencyCommit, QString::number(i));
        m_freqUpDowns[Row(i)] = MakeValueHolder(this);
        m_freqFrames[Row(i)] = new TShape(this);
        m_qEdits[Row(i)] = makeEdit(&PeqBandEditor::QfactorCommit, PeqQText(0));
        m_qUpDowns[Row(i)] = MakeValueHolder(this);
        m_qFrames[Row(i)] = new TShape(this);
        m_gainEdits[Row(i)] = makeEdit(&PeqBandEditor::GainCommit, QStringLiteral("0dB"));
        m_gainUpDowns[Row(i)] = MakeValueHolder(this);
        m_gainFrames[Row(i)] = new TShape(this);

        auto* combo = new rz::TRzComboBox(this);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        combo->SetTag(i);
        combo->OnChange = [this, i](TObject*) { PeqTypeChange(i); };
        combo->OnMouseWheel = [this](TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled) {
            if (OnPeqTypeMouseWheel)
                OnPeqTypeMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
        };
        combo->SetParent(this);
        m_typeCombos[Row(i)] = combo;

        auto* button = new rz::TRzButton(this);
        button->SetThemeAware(false);
        button->SetCaption(m_bypassCaption);
        button->SetTag(i);
        button->OnClick = [this, i](TObject*) { ByPassClick(i); };
        button->SetParent(this);
        m_bypassButtons[Row(i)] = button;

        PlaceRow(i, w, h, 0);
    }
    CreateWnd();
}

PeqBandEditor::~PeqBandEditor()
{
    BeforeDestruction();
}

// --- layout ---

void PeqBandEditor::PlaceRow(int i, int w, int h, int t)
{
    const std::size_t r = Row(i);
    const int y = m_topBottomSpace + t + h * i + 8;
    m_bandLabels[r]->SetBounds(12, y, 20, m_bandLabels[r]->Height());
    const int x = m_bandLabels[0]->Left() + m_bandLabels[0]->Width();
    const int editWidth = m_updownVisable ? w - 20 : w;
    TEdit* edits[] = { m_freqEdits[r], m_qEdits[r], m_gainEdits[r] };
    for (int k = 0; k < 3; ++k)
        edits[k]->SetBounds(x + 8 + k * (w + 8), y - 1, editWidth, edits[k]->Height());
    m_typeCombos[r]->SetBounds(x + 3 * w + 32, y - 1, w + 8, h);
    m_bypassButtons[r]->SetBounds(x + 4 * w + 46, y - 1, w - 14, m_gainEdits[r]->Height());
}

void PeqBandEditor::FillList(int row, bool clearFirst)
{
    rz::TRzComboBox* combo = m_typeCombos[Row(row)];
    if (clearFirst)
        combo->ClearItems();
    for (const QString& name : m_eqTypeNames)
        combo->Items()->Add(name);
}

void PeqBandEditor::RePaint()
{
    const int width = Width();
    const int height = Height();
    if (width == m_layoutWidth && height == m_layoutHeight)
        return;
    m_layoutWidth = width;
    m_layoutHeight = height;
    const int n = m_channelNumber;
    const int s = m_topBottomSpace;
    const int t = m_titleVisable ? 13 : 0;
    const int w = (width - 68) / 5;
    const int h = n > 0 ? (height - s - t - 16) / n : 0; // no rows, no row height
    m_normalEditColor = m_freqEdits[0]->Font()->Color();

    for (int k = 0; k < 6; ++k) {
        rz::TRzLabel* title = m_titleLabels[Row(k)];
        title->SetVisible(m_titleVisable);
        title->SetAlignment(TAlignment::taCenter);
        if (k == 0)
            title->SetBounds(12, s, 20, h);
        else
            title->SetBounds(8 * k + (k - 1) * w + 33, s, w - 15, h);
    }
    for (int i = 0; i < n; ++i) {
        const std::size_t r = Row(i);
        m_bandLabels[r]->SetCaption(QString::number(i + 1));
        PlaceRow(i, w, h, t);
        if (m_updownVisable) {
            // The up-downs have no parent window: these bounds are kept but never shown.
            const std::pair<TEdit*, std::pair<TUpDown*, TShape*>> holders[] = {
                { m_freqEdits[r], { m_freqUpDowns[r], m_freqFrames[r] } },
                { m_qEdits[r], { m_qUpDowns[r], m_qFrames[r] } },
                { m_gainEdits[r], { m_gainUpDowns[r], m_gainFrames[r] } },
            };
            for (const auto& [edit, pair] : holders) {
                auto [upDown, frame] = pair;
                upDown->SetBounds(edit->Left() + edit->Width() - upDown->Width() + 20, edit->Top() + 1, upDown->Width(),
                                  edit->Height() - 2);
                upDown->SetVisible(true);
                frame->SetBounds(upDown->Left() - 1, edit->Top(), frame->Width(), edit->Height());
                frame->SetVisible(true);
            }
        }
        rz::TRzComboBox* combo = m_typeCombos[r];
        combo->SetItemIndex(0);
        FillList(i, true);
        combo->SetItemIndex(0);
        m_bypassButtons[r]->SetCaption(m_bypassCaption);
    }
    for (int i = std::max(n, 0); i < MaxRows; ++i) {
        const std::size_t r = Row(i);
        TControl* controls[] = { m_bandLabels[r], m_freqEdits[r], m_qEdits[r], m_gainEdits[r], m_freqUpDowns[r],
                                 m_qUpDowns[r], m_gainUpDowns[r], m_freqFrames[r], m_qFrames[r], m_gainFrames[r],
                                 m_typeCombos[r], m_bypassButtons[r] };
        for (TControl* c : controls) {
            c->SetVisible(false);
            c->SetTop(10000);
        }
    }
}

void PeqBandEditor::Paint()
{
    rz::TRzGroupBox::Paint();
    RePaint();
}

void PeqBandEditor::CreateWnd()
{
    m_eqTypeNames = m_builtInNames;
    m_bypassCaption = BuiltInBypassCaption;
    for (int i = 0; i < m_channelNumber; ++i) {
        FillList(i, false);
        m_typeCombos[Row(i)]->SetItemIndex(1);
    }
}

void PeqBandEditor::SetEqTypeString(const QString& text, int index)
{
    if (index >= 0 && index < m_eqTypeNames.size())
        m_eqTypeNames[index] = text;
}

void PeqBandEditor::ChangeLanguage()
{
    for (int i = 0; i < m_channelNumber; ++i) {
        rz::TRzComboBox* combo = m_typeCombos[Row(i)];
        const int selected = combo->ItemIndex();
        FillList(i, true);
        combo->SetItemIndex(selected);
        m_bypassButtons[Row(i)]->SetCaption(m_bypassCaption);
    }
}

// --- properties ---

void PeqBandEditor::SetUpdownVisable(bool value)
{
    if (value == m_updownVisable)
        return;
    for (int i = 0; i < m_channelNumber; ++i) {
        m_freqUpDowns[Row(i)]->SetVisible(value);
        m_qUpDowns[Row(i)]->SetVisible(value);
        m_gainUpDowns[Row(i)]->SetVisible(value);
    }
    m_updownVisable = value;
    RePaint();
}

void PeqBandEditor::SetTitleVisable(bool value)
{
    if (value == m_titleVisable)
        return;
    for (rz::TRzLabel* title : m_titleLabels)
        title->SetVisible(value);
    m_titleVisable = value;
    RePaint();
}

void PeqBandEditor::SetChannelNumber(int value)
{
    if (value == m_channelNumber)
        return;
    m_channelNumber = std::clamp(value, 0, MaxRows); // the rows exist 50 times
    Change();
}

void PeqBandEditor::SetLabelColor(TColor value)
{
    if (value == m_labelColor)
        return;
    for (rz::TRzLabel* title : m_titleLabels)
        title->Font()->SetColor(value);
    m_labelColor = value;
    RePaint();
}

void PeqBandEditor::SetEditBackColor(TColor value)
{
    if (value == m_editBackColor)
        return;
    m_editBackColor = value;
    for (int i = 0; i < m_channelNumber; ++i) {
        const std::size_t r = Row(i);
        m_freqEdits[r]->SetColor(value);
        m_qEdits[r]->SetColor(value);
        m_gainEdits[r]->SetColor(value);
        m_typeCombos[r]->SetColor(value);
    }
    RePaint();
}

void PeqBandEditor::SetBypassBackColor(TColor value)
{
    if (value == m_bypassBackColor)
        return;
    m_bypassBackColor = value;
    for (int i = 0; i < m_channelNumber; ++i)
        m_bypassButtons[Row(i)]->SetColor(value);
    RePaint();
}

// --- values ---

double PeqBandEditor::GetFreqValue(int band) const
{
    return ValidBand(band) ? IndexToFreq(m_freqUpDowns[Row(band)]->Position() + 170) : 0.0;
}

double PeqBandEditor::GetQValue(int band) const
{
    return ValidBand(band) ? PeqQValue(m_qUpDowns[Row(band)]->Position()) : 0.0;
}

double PeqBandEditor::GetGainValue(int band) const
{
    return ValidBand(band) ? m_gainUpDowns[Row(band)]->Position() * 0.1 : 0.0;
}

int PeqBandEditor::GetTypeValue(int band) const
{
    return ValidBand(band) ? m_typeCombos[Row(band)]->ItemIndex() : -1;
}

bool PeqBandEditor::GetBypassValue(int band) const
{
    return ValidBand(band) && m_bypassFlags[Row(band)] != 0;
}

void PeqBandEditor::SetFreqValue(int band, double hz)
{
    if (!ValidBand(band))
        return;
    const int p = PeqGridPosition(hz);
    m_freqUpDowns[Row(band)]->SetPosition(p);
    m_freqEdits[Row(band)]->SetText(PeqFreqText(IndexToFreq(p + 170)));
    Change();
}

void PeqBandEditor::SetQValue(int band, double qIndex)
{
    if (!ValidBand(band))
        return;
    const int index = std::clamp(SaturateToInt(qIndex), 0, 100); // the Q table has 101 entries
    m_qUpDowns[Row(band)]->SetPosition(index);
    m_qEdits[Row(band)]->SetText(PeqQText(index));
    Change();
}

void PeqBandEditor::SetGainValue(int band, double db)
{
    if (!ValidBand(band))
        return;
    m_gainUpDowns[Row(band)]->SetPosition(SaturateToInt(db * 10.0));
    m_gainEdits[Row(band)]->SetText(PeqGainText(db));
    Change();
}

void PeqBandEditor::SetTypeValue(int band, int type)
{
    if (!ValidBand(band))
        return;
    m_typeCombos[Row(band)]->SetItemIndex(type);
    Change();
}

void PeqBandEditor::SetBypassValue(int band, bool bypass)
{
    if (!ValidBand(band))
        return;
    m_bypassFlags[Row(band)] = bypass ? 1 : 0;
    Change();
}

void PeqBandEditor::SetEqParamValue(int band, double hz, double qIndex, double db, int type, bool bypass)
{
    if (!ValidBand(band))
        return;
    const std::size_t r = Row(band);
    const int p = PeqGridPosition(hz);
    m_freqUpDowns[r]->SetPosition(p);
    m_freqEdits[r]->SetText(PeqFreqText(IndexToFreq(p + 170)));

    // Hundredths, then tenths rounded up only above half.
    const std::int64_t o = Trunc(db * 100.0);
    const std::int64_t a = o < 0 ? -o : o;
    const std::int64_t m = a / 10 + (a % 10 > 5 ? 1 : 0);
    m_gainUpDowns[r]->SetPosition(static_cast<int>(std::clamp<std::int64_t>(o < 0 ? -m : m, INT_MIN, INT_MAX)));
    m_gainEdits[r]->SetText(PeqGainText(db));

    m_typeCombos[r]->SetItemIndex(type);
    m_bypassFlags[r] = bypass ? 1 : 0;

    const int index = std::clamp(SaturateToInt(qIndex), 0, 100);
    m_qUpDowns[r]->SetPosition(index);
    m_qEdits[r]->SetText(PeqQText(index));
    Change();
}

// --- current band ---

void PeqBandEditor::SetColor(int band, TColor colour)
{
    if (band < 0 || band >= m_channelNumber)
        return;
    const std::size_t r = Row(band);
    m_gainEdits[r]->Font()->SetColor(colour);
    m_qEdits[r]->Font()->SetColor(colour);
    m_freqEdits[r]->Font()->SetColor(colour);
}

void PeqBandEditor::SetNowIndex(int index)
{
    if (index == -1) {
        SetColor(m_nowIndex, m_normalEditColor);
    } else if (index != m_nowIndex) {
        SetColor(m_nowIndex, m_normalEditColor);
        m_nowIndex = index;
        SetColor(index, HighlightColor);
    } else if (m_nowIndex != m_prevIndex) {
        SetColor(m_prevIndex, m_normalEditColor);
        m_prevIndex = m_nowIndex;
        SetColor(m_nowIndex, HighlightColor);
    }
}

void PeqBandEditor::MakeCurrent(int row)
{
    m_prevIndex = m_nowIndex;
    m_nowIndex = row;
}

// --- notification ---

void PeqBandEditor::ColourBypassButton(int row)
{
    m_bypassButtons[Row(row)]->SetColor(m_bypassFlags[Row(row)] ? BypassedColor : m_bypassBackColor);
}

void PeqBandEditor::Change()
{
    if (!OnChange)
        return;
    for (int i = 0; i < m_channelNumber; ++i)
        ColourBypassButton(i);
    OnChange(this);
}

// --- handlers of the row controls ---

void PeqBandEditor::Restore(TEdit* edit, const QString& text)
{
    edit->SetText(text);
    edit->SetSelStart(static_cast<int>(text.size())); // caret to the end
}

void PeqBandEditor::FrequencyCommit(int row)
{
    const std::size_t r = Row(row);
    if (const auto index = ParsePeqFreqEntry(m_freqEdits[r]->Text())) {
        m_freqUpDowns[r]->SetPosition(*index - 170);
        m_freqEdits[r]->SetText(PeqFreqText(IndexToFreq(*index)));
    } else
        Restore(m_freqEdits[r], PeqFreqText(GetFreqValue(row)));
    MakeCurrent(row);
    Change();
}

void PeqBandEditor::QfactorCommit(int row)
{
    const std::size_t r = Row(row);
    if (const auto index = ParsePeqQEntry(m_qEdits[r]->Text())) {
        m_qUpDowns[r]->SetPosition(*index);
        m_qEdits[r]->SetText(PeqQText(*index));
    } else
        Restore(m_qEdits[r], PeqQText(m_qUpDowns[r]->Position()));
    MakeCurrent(row);
    Change();
}

void PeqBandEditor::GainCommit(int row)
{
    const std::size_t r = Row(row);
    if (const auto tenths = ParsePeqGainEntry(m_gainEdits[r]->Text())) {
        m_gainUpDowns[r]->SetPosition(*tenths);
        m_gainEdits[r]->SetText(PeqGainText(*tenths * 0.1));
    } else
        Restore(m_gainEdits[r], PeqGainText(GetGainValue(row)));
    MakeCurrent(row);
    Change();
}

void PeqBandEditor::EditMouseDown(int row, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    MakeCurrent(row);
    if (OnEditMouseDown)
        OnEditMouseDown(this, Button, Shift, X, Y);
}

void PeqBandEditor::PeqTypeChange(int row)
{
    MakeCurrent(row);
    Change();
}

void PeqBandEditor::ByPassClick(int row)
{
    MakeCurrent(row);
    m_bypassFlags[Row(row)] ^= 1;
    ColourBypassButton(row);
    Change();
}
