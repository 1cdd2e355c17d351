// What window creation, language changes and layouts do to one row, and the ordered list of those
// steps kept for rows not built yet and replayed when each is built.
#include "controls/PeqBandEditor.h"

#include "platform/ui/TEdit.h"
#include "platform/ui/TShape.h"
#include "platform/ui/TUpDown.h"
#include "widgets/RzButton.h"
#include "widgets/RzCmboBx.h"
#include "widgets/RzLabel.h"

#include <utility>
#include <vector>

using namespace vcl;

// --- one row: layout, type list and captions ---

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

void PeqBandEditor::ApplyLanguage(int row, const QStringList& names, const QString& bypass)
{
    rz::TRzComboBox* combo = TypeCombo(row);
    const int selected = combo->ItemIndex();
    FillNames(row, names, true);
    combo->SetItemIndex(selected);
    BypassButton(row)->SetCaption(bypass);
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

void PeqBandEditor::ParkRow(int i)
{
    TControl* controls[] = { BandLabel(i), FreqEdit(i), QEdit(i), GainEdit(i), FreqUpDown(i), QUpDown(i),
                             GainUpDown(i), FreqFrame(i), QFrame(i), GainFrame(i), TypeCombo(i), BypassButton(i) };
    for (TControl* c : controls) {
        c->SetVisible(false);
        c->SetTop(10000);
    }
}

// --- kept steps ---

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
