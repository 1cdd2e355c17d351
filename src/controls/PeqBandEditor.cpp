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

namespace {

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
    for (int i = 0; i < MaxRows; ++i)
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

void PeqBandEditor::FollowTypeList(int row, const RowStep& step)
{
    if (row >= step.rows)
        return;
    TypeListState& list = m_typeLists[Row(row)];
    const int selected = list.index;
    switch (step.kind) {
    case StepKind::Create:
        list.count += static_cast<int>(step.names.size());
        list.Select(1);
        break;
    case StepKind::Language:
        list.count = static_cast<int>(step.names.size());
        list.Select(selected);
        break;
    case StepKind::Layout:
        list.count = static_cast<int>(step.names.size());
        list.Select(0);
        break;
    }
}

void PeqBandEditor::ReplayStep(int row, const RowStep& step)
{
    switch (step.kind) {
    case StepKind::Create:
        if (row < step.rows) {
            FillNames(row, step.names, false);
            TypeCombo(row)->SetItemIndex(1);
        }
        break;
    case StepKind::Language:
        if (row < step.rows)
            ApplyLanguage(row, step.names, step.bypass);
        break;
    case StepKind::Layout:
        if (row < step.rows)
            LayRowOut(row, step);
        else
            ParkRow(row);
        break;
    }
}

// Whether replaying `later` leaves every row as it would be had `earlier` (and whatever came between
// them) been replayed too, so that `earlier` can be dropped.
bool PeqBandEditor::Supersedes(const RowStep& later, const RowStep& earlier)
{
    switch (later.kind) {
    case StepKind::Layout:
        // A layout sets everything of the rows it lays out (bounds, list, selection, bypass caption)
        // but the up-downs' bounds when it leaves them out, and only hides and moves down the rest, so
        // it replaces a layout of the same rows only when it sets the up-downs wherever that one did.
        if (earlier.kind == StepKind::Layout)
            return earlier.rows == later.rows && (later.upDowns || !earlier.upDowns);
        return earlier.rows <= later.rows;
    case StepKind::Language:
        // Fills the lists anew and keeps the selection, as an earlier language change did.
        return earlier.kind == StepKind::Language && earlier.rows <= later.rows;
    case StepKind::Create:
        return false; // adds to the lists
    }
    return false;
}

void PeqBandEditor::AddRowStep(RowStep step)
{
    std::erase_if(m_rowSteps, [&step](const RowStep& earlier) { return Supersedes(step, earlier); });
    for (int i = 0; i < MaxRows; ++i) {
        if (m_rowBuilt[Row(i)])
            continue;
        FollowTypeList(i, step);
        if (step.kind == StepKind::Layout && i < step.rows)
            m_rowWanted[Row(i)] = true; // a layout builds the rows it lays out
    }
    m_rowSteps.push_back(std::move(step));
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

void PeqBandEditor::ParkRow(int i)
{
    TControl* controls[] = { BandLabel(i), FreqEdit(i), QEdit(i), GainEdit(i), FreqUpDown(i), QUpDown(i),
                             GainUpDown(i), FreqFrame(i), QFrame(i), GainFrame(i), TypeCombo(i), BypassButton(i) };
    for (TControl* c : controls) {
        c->SetVisible(false);
        c->SetTop(10000);
    }
}

PeqBandEditor::~PeqBandEditor()
{
    BeforeDestruction();
}

// --- layout ---

void PeqBandEditor::PlaceRow(int i, int w, int h, int t)
{
    PlaceRowAt(i, w, h, t, m_topBottomSpace, m_updownVisable);
}

void PeqBandEditor::PlaceRowAt(int i, int w, int h, int t, int space, bool upDowns)
{
    const int y = space + t + h * i + 8;
    BandLabel(i)->SetBounds(12, y, 20, BandLabel(i)->Height());
    const int x = BandLabel(0)->Left() + BandLabel(0)->Width();
    const int editWidth = upDowns ? w - 20 : w;
    TEdit* edits[] = { FreqEdit(i), QEdit(i), GainEdit(i) };
    for (int k = 0; k < 3; ++k)
        edits[k]->SetBounds(x + 8 + k * (w + 8), y - 1, editWidth, edits[k]->Height());
    TypeCombo(i)->SetBounds(x + 3 * w + 32, y - 1, w + 8, h);
    BypassButton(i)->SetBounds(x + 4 * w + 46, y - 1, w - 14, GainEdit(i)->Height());
}

void PeqBandEditor::FillList(int row, bool clearFirst)
{
    FillNames(row, m_eqTypeNames, clearFirst);
}

void PeqBandEditor::FillNames(int row, const QStringList& names, bool clearFirst)
{
    rz::TRzComboBox* combo = TypeCombo(row);
    if (clearFirst)
        combo->ClearItems();
    for (const QString& name : names)
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

void PeqBandEditor::LayRowOut(int i, const RowStep& step)
{
    BandLabel(i)->SetCaption(QString::number(i + 1));
    PlaceRowAt(i, step.width, step.height, step.titleSpace, step.space, step.upDowns);
    if (step.upDowns) {
        // The up-downs have no parent window: these bounds are kept but never shown.
        const std::pair<TEdit*, std::pair<TUpDown*, TShape*>> holders[] = {
            { FreqEdit(i), { FreqUpDown(i), FreqFrame(i) } },
            { QEdit(i), { QUpDown(i), QFrame(i) } },
            { GainEdit(i), { GainUpDown(i), GainFrame(i) } },
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
    rz::TRzComboBox* combo = TypeCombo(i);
    combo->SetItemIndex(0);
    FillNames(i, step.names, true);
    combo->SetItemIndex(0);
    BypassButton(i)->SetCaption(step.bypass);
}

void PeqBandEditor::Paint()
{
    rz::TRzGroupBox::Paint();
    RePaint();
    // A picture taken of the editor out of sight shows the rows it would have had: they are built
    // here, before its children are painted.
    BuildWantedRows();
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

void PeqBandEditor::ApplyLanguage(int row, const QStringList& names, const QString& bypass)
{
    rz::TRzComboBox* combo = TypeCombo(row);
    const int selected = combo->ItemIndex();
    FillNames(row, names, true);
    combo->SetItemIndex(selected);
    BypassButton(row)->SetCaption(bypass);
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
