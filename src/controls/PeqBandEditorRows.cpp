// A row's controls are built when the row is first used. Out of sight, what is written to a row
// not built yet (values, type selection, colours) is held and read from there, and given to the
// row as it is built.
#include "controls/PeqBandEditor.h"

#include "controls/PeqEdit.h"
#include "controls/PeqEntry.h"
#include "device/Constants.h"
#include "device/ValueGrids.h"
#include "platform/ui/TShape.h"
#include "platform/ui/TUpDown.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <climits>
#include <utility>

using namespace vcl;

namespace {

// What a new row's edits show.
QString StartFreqText(int row)
{
    return QString::number(row);
}
QString StartQText()
{
    return PeqQText(0);
}
QString StartGainText()
{
    return QStringLiteral("0dB");
}

// Hidden up-downs hold any value: they have no window that would keep them in a range.
TUpDown* MakeValueHolder(TComponent* owner)
{
    auto* u = new TUpDown(owner);
    u->SetMin(INT_MIN);
    u->SetMax(INT_MAX);
    u->SetPosition(0);
    return u;
}

// The size and spacing construction lays the rows out with.
constexpr int BuiltWidth = 490;
constexpr int BuiltHeight = 420;
constexpr int BuiltSpace = 15;

} // namespace

const PeqBandEditor& PeqBandEditor::Built(int row) const
{
    if (ValidBand(row) && !m_rowBuilt[Row(row)])
        const_cast<PeqBandEditor*>(this)->BuildRow(row); // editors are never const objects
    return *this;
}

void PeqBandEditor::BuildRow(int i)
{
    const std::size_t r = Row(i);
    m_rowBuilt[r] = true;
    auto* label = new rz::TRzLabel(this);
    label->SetTransparent(false);
    label->Font()->SetSize(12);
    label->Font()->SetColor(BandColors[r % BandColors.size()]);
    label->SetTransparent(true);
    label->SetCaption(QString::number(i + 1));
    label->SetAutoSize(false);
    label->SetAlignment(TAlignment::taCenter);
    label->SetParent(this);
    m_bandLabels[r] = label;

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
    m_freqEdits[r] = makeEdit(&PeqBandEditor::FrequencyCommit, StartFreqText(i));
    m_freqUpDowns[r] = MakeValueHolder(this);
    m_freqFrames[r] = new TShape(this);
    m_qEdits[r] = makeEdit(&PeqBandEditor::QfactorCommit, StartQText());
    m_qUpDowns[r] = MakeValueHolder(this);
    m_qFrames[r] = new TShape(this);
    m_gainEdits[r] = makeEdit(&PeqBandEditor::GainCommit, StartGainText());
    m_gainUpDowns[r] = MakeValueHolder(this);
    m_gainFrames[r] = new TShape(this);

    auto* combo = new rz::TRzComboBox(this, TComboBoxStyle::csDropDownList);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetTag(i);
    combo->OnChange = [this, i](TObject*) { PeqTypeChange(i); };
    combo->OnMouseWheel = [this](TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled) {
        if (OnPeqTypeMouseWheel)
            OnPeqTypeMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
    };
    combo->SetParent(this);
    m_typeCombos[r] = combo;

    auto* button = new rz::TRzButton(this);
    button->SetThemeAware(false);
    button->SetCaption(QString()); // the caption construction had; window creation sets the real one
    button->SetTag(i);
    button->OnClick = [this, i](TObject*) { ByPassClick(i); };
    button->SetParent(this);
    m_bypassButtons[r] = button;

    GiveHeldValues(i);
    PlaceRowAt(i, (BuiltWidth - 68) / 5, (BuiltHeight - BuiltSpace - 16) / MaxRows, 0, BuiltSpace, false);
    for (const RowStep& step : m_rowSteps)
        ReplayStep(i, step);
    if (m_typeLists[r].written)
        combo->SetItemIndex(m_typeLists[r].index);
    ApplyPendingColours(i);
    if (m_rowDress)
        m_rowDress(*this, i);
}

bool PeqBandEditor::Deferred(int row) const
{
    return ValidBand(row) && !m_rowBuilt[Row(row)] && !isVisible();
}

void PeqBandEditor::BuildWantedRows()
{
    // Rows past the bands in use are never shown: they keep what they hold until first used.
    for (int i = 0; i < m_channelNumber; ++i)
        if (m_rowWanted[Row(i)] && !m_rowBuilt[Row(i)])
            BuildRow(i);
}

void PeqBandEditor::showEvent(QShowEvent* event)
{
    rz::TRzGroupBox::showEvent(event);
    BuildWantedRows();
}

PeqBandEditor::HeldValues& PeqBandEditor::Held(int row)
{
    const std::size_t r = Row(row);
    m_rowWanted[r] = true;
    if (!m_heldValues[r])
        m_heldValues[r] = HeldValues { 0, 0, 0, StartFreqText(row), StartQText(), StartGainText() };
    return *m_heldValues[r];
}

void PeqBandEditor::GiveHeldValues(int i)
{
    std::optional<HeldValues>& held = m_heldValues[Row(i)];
    if (!held)
        return;
    m_freqUpDowns[Row(i)]->SetPosition(held->freq);
    m_freqEdits[Row(i)]->SetText(held->freqText);
    m_qUpDowns[Row(i)]->SetPosition(held->q);
    m_qEdits[Row(i)]->SetText(held->qText);
    m_gainUpDowns[Row(i)]->SetPosition(held->gain);
    m_gainEdits[Row(i)]->SetText(held->gainText);
    held.reset();
}

void PeqBandEditor::SetRowDress(std::function<void(PeqBandEditor&, int row)> dress)
{
    m_rowDress = std::move(dress);
    for (int i = 0; i < MaxRows; ++i)
        if (m_rowBuilt[Row(i)] && m_rowDress)
            m_rowDress(*this, i);
}

void PeqBandEditor::ApplyPendingColours(int row)
{
    RowColours& pending = m_pendingColours[Row(row)];
    if (pending.bypass)
        BypassButton(row)->SetColor(*pending.bypass);
    if (pending.editText) {
        GainEdit(row)->Font()->SetColor(*pending.editText);
        QEdit(row)->Font()->SetColor(*pending.editText);
        FreqEdit(row)->Font()->SetColor(*pending.editText);
    }
    if (pending.editBack)
        SetEditBackColour(row, *pending.editBack);
    pending = RowColours {};
}

void PeqBandEditor::SetBypassColour(int row, TColor colour)
{
    if (m_rowBuilt[Row(row)])
        BypassButton(row)->SetColor(colour);
    else
        m_pendingColours[Row(row)].bypass = colour;
}

void PeqBandEditor::SetEditBackColour(int row, TColor colour)
{
    if (!m_rowBuilt[Row(row)]) {
        m_pendingColours[Row(row)].editBack = colour;
        return;
    }
    FreqEdit(row)->SetColor(colour);
    QEdit(row)->SetColor(colour);
    GainEdit(row)->SetColor(colour);
    TypeCombo(row)->SetColor(colour);
}

// --- values of rows not built yet ---

TColor PeqBandEditor::EditTextColour(int row) const
{
    if (!Deferred(row))
        return FreqEdit(row)->Font()->Color();
    // A row built now takes the editor's font, then the text colour given to it meanwhile.
    m_rowWanted[Row(row)] = true;
    const std::optional<TColor>& given = m_pendingColours[Row(row)].editText;
    return given ? *given : Font()->Color();
}

int PeqBandEditor::FreqPosition(int row) const
{
    if (!Deferred(row))
        return FreqUpDown(row)->Position();
    m_rowWanted[Row(row)] = true;
    return m_heldValues[Row(row)] ? m_heldValues[Row(row)]->freq : 0;
}

int PeqBandEditor::QPosition(int row) const
{
    if (!Deferred(row))
        return QUpDown(row)->Position();
    m_rowWanted[Row(row)] = true;
    return m_heldValues[Row(row)] ? m_heldValues[Row(row)]->q : 0;
}

int PeqBandEditor::GainPosition(int row) const
{
    if (!Deferred(row))
        return GainUpDown(row)->Position();
    m_rowWanted[Row(row)] = true;
    return m_heldValues[Row(row)] ? m_heldValues[Row(row)]->gain : 0;
}

void PeqBandEditor::WriteFreq(int row, int position)
{
    QString text = PeqFreqText(IndexToFreq(position + 170));
    if (Deferred(row)) {
        HeldValues& held = Held(row);
        held.freq = position;
        held.freqText = std::move(text);
        return;
    }
    FreqUpDown(row)->SetPosition(position);
    FreqEdit(row)->SetText(text);
}

void PeqBandEditor::WriteQ(int row, int index)
{
    QString text = PeqQText(index);
    if (Deferred(row)) {
        HeldValues& held = Held(row);
        held.q = index;
        held.qText = std::move(text);
        return;
    }
    QUpDown(row)->SetPosition(index);
    QEdit(row)->SetText(text);
}

void PeqBandEditor::WriteGain(int row, int tenths, const QString& text)
{
    if (Deferred(row)) {
        HeldValues& held = Held(row);
        held.gain = tenths;
        held.gainText = text;
        return;
    }
    GainUpDown(row)->SetPosition(tenths);
    GainEdit(row)->SetText(text);
}

void PeqBandEditor::WriteType(int row, int type)
{
    if (Deferred(row)) {
        m_rowWanted[Row(row)] = true;
        TypeListState& list = m_typeLists[Row(row)];
        list.Select(type);
        list.written = true;
        return;
    }
    TypeCombo(row)->SetItemIndex(type);
}
