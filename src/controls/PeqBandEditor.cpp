#include "controls/PeqBandEditor.h"

#include "controls/PeqEntry.h"
#include "device/ValueGrids.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TUpDown.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

using namespace vcl;

namespace {

const QString BuiltInBypassCaption = QStringLiteral("   BYPASS   ");

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

    CreateWnd();
}

PeqBandEditor::~PeqBandEditor()
{
    BeforeDestruction();
}

// --- layout ---

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
    m_normalEditColor = EditTextColour(0);

    for (int k = 0; k < 6; ++k) {
        rz::TRzLabel* title = m_titleLabels[Row(k)];
        title->SetVisible(m_titleVisable);
        title->SetAlignment(TAlignment::taCenter);
        if (k == 0)
            title->SetBounds(12, s, 20, h);
        else
            title->SetBounds(8 * k + (k - 1) * w + 33, s, w - 15, h);
    }
    // Rows not built yet are laid out when they are built.
    AddRowStep({ StepKind::Layout, n, m_eqTypeNames, m_bypassCaption, w, h, t, s, m_updownVisable });
    for (int i = 0; i < MaxRows; ++i)
        if (m_rowBuilt[Row(i)])
            ReplayStep(i, m_rowSteps.back());
    if (isVisible())
        BuildWantedRows();
}

// Painting only paints: the rows are laid out as the size changes and built as the editor is shown,
// never here (a child created, moved or re-captioned during a paint breaks Qt's painting).
void PeqBandEditor::Paint()
{
    rz::TRzGroupBox::Paint();
}

void PeqBandEditor::Resize()
{
    rz::TRzGroupBox::Resize();
    RePaint();
}

void PeqBandEditor::CreateWnd()
{
    m_eqTypeNames = m_builtInNames;
    m_bypassCaption = BuiltInBypassCaption;
    // Rows built later fill their lists as they are built.
    AddRowStep({ StepKind::Create, m_channelNumber, m_builtInNames, QString() });
    for (int i = 0; i < m_channelNumber; ++i) {
        if (!m_rowBuilt[Row(i)])
            continue;
        FillList(i, false);
        TypeCombo(i)->SetItemIndex(1);
    }
}

void PeqBandEditor::SetEqTypeString(const QString& text, int index)
{
    if (index >= 0 && index < m_eqTypeNames.size())
        m_eqTypeNames[index] = text;
}

void PeqBandEditor::ChangeLanguage()
{
    // Rows not built yet take the texts when they are built.
    AddRowStep({ StepKind::Language, m_channelNumber, m_eqTypeNames, m_bypassCaption });
    for (int i = 0; i < m_channelNumber; ++i)
        if (m_rowBuilt[Row(i)])
            ApplyLanguage(i, m_eqTypeNames, m_bypassCaption);
}

// --- properties ---

void PeqBandEditor::SetUpdownVisable(bool value)
{
    if (value == m_updownVisable)
        return;
    for (int i = 0; i < m_channelNumber; ++i) {
        FreqUpDown(i)->SetVisible(value);
        QUpDown(i)->SetVisible(value);
        GainUpDown(i)->SetVisible(value);
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
    // The rows in use are laid out again (and built, when in sight) for the new count.
    m_layoutWidth = -1;
    RePaint();
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
    for (int i = 0; i < m_channelNumber; ++i)
        SetEditBackColour(i, value);
    RePaint();
}

void PeqBandEditor::SetBypassBackColor(TColor value)
{
    if (value == m_bypassBackColor)
        return;
    m_bypassBackColor = value;
    for (int i = 0; i < m_channelNumber; ++i)
        SetBypassColour(i, value);
    RePaint();
}

// --- values ---

double PeqBandEditor::GetFreqValue(int band) const
{
    return ValidBand(band) ? IndexToFreq(FreqPosition(band) + 170) : 0.0;
}

double PeqBandEditor::GetQValue(int band) const
{
    return ValidBand(band) ? PeqQValue(QPosition(band)) : 0.0;
}

double PeqBandEditor::GetGainValue(int band) const
{
    return ValidBand(band) ? GainPosition(band) * 0.1 : 0.0;
}

int PeqBandEditor::GetTypeValue(int band) const
{
    if (!ValidBand(band))
        return -1;
    if (Deferred(band)) {
        m_rowWanted[Row(band)] = true;
        return m_typeLists[Row(band)].index;
    }
    return TypeCombo(band)->ItemIndex();
}


bool PeqBandEditor::GetBypassValue(int band) const
{
    return ValidBand(band) && m_bypassFlags[Row(band)] != 0;
}

void PeqBandEditor::SetFreqValue(int band, double hz)
{
    if (!ValidBand(band))
        return;
    WriteFreq(band, PeqGridPosition(hz));
    Change();
}

void PeqBandEditor::SetQValue(int band, double qIndex)
{
    if (!ValidBand(band))
        return;
    WriteQ(band, std::clamp(SaturateToInt(qIndex), 0, 100)); // the Q table has 101 entries
    Change();
}

void PeqBandEditor::SetGainValue(int band, double db)
{
    if (!ValidBand(band))
        return;
    WriteGain(band, SaturateToInt(db * 10.0), PeqGainText(db));
    Change();
}

void PeqBandEditor::SetTypeValue(int band, int type)
{
    if (!ValidBand(band))
        return;
    WriteType(band, type);
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
    WriteFreq(band, PeqGridPosition(hz));

    // Hundredths, then tenths rounded up only above half.
    const std::int64_t o = Trunc(db * 100.0);
    const std::int64_t a = o < 0 ? -o : o;
    const std::int64_t m = a / 10 + (a % 10 > 5 ? 1 : 0);
    WriteGain(band, static_cast<int>(std::clamp<std::int64_t>(o < 0 ? -m : m, INT_MIN, INT_MAX)), PeqGainText(db));

    WriteType(band, type);
    m_bypassFlags[r] = bypass ? 1 : 0;

    WriteQ(band, std::clamp(SaturateToInt(qIndex), 0, 100));
    Change();
}

// --- current band ---

void PeqBandEditor::SetColor(int band, TColor colour)
{
    if (band < 0 || band >= m_channelNumber)
        return;
    if (!m_rowBuilt[Row(band)]) {
        m_pendingColours[Row(band)].editText = colour;
        return;
    }
    GainEdit(band)->Font()->SetColor(colour);
    QEdit(band)->Font()->SetColor(colour);
    FreqEdit(band)->Font()->SetColor(colour);
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
    SetBypassColour(row, m_bypassFlags[Row(row)] ? BypassedColor : m_bypassBackColor);
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
    if (const auto index = ParsePeqFreqEntry(FreqEdit(row)->Text())) {
        FreqUpDown(row)->SetPosition(*index - 170);
        FreqEdit(row)->SetText(PeqFreqText(IndexToFreq(*index)));
    } else
        Restore(FreqEdit(row), PeqFreqText(GetFreqValue(row)));
    MakeCurrent(row);
    Change();
}

void PeqBandEditor::QfactorCommit(int row)
{
    if (const auto index = ParsePeqQEntry(QEdit(row)->Text())) {
        QUpDown(row)->SetPosition(*index);
        QEdit(row)->SetText(PeqQText(*index));
    } else
        Restore(QEdit(row), PeqQText(QUpDown(row)->Position()));
    MakeCurrent(row);
    Change();
}

void PeqBandEditor::GainCommit(int row)
{
    if (const auto tenths = ParsePeqGainEntry(GainEdit(row)->Text())) {
        GainUpDown(row)->SetPosition(*tenths);
        GainEdit(row)->SetText(PeqGainText(*tenths * 0.1));
    } else
        Restore(GainEdit(row), PeqGainText(GetGainValue(row)));
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
