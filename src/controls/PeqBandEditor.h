#pragma once
// Parametric-EQ band editor of one channel: up to 50 rows of band number, frequency, Q and gain
// edits, a filter-type list and a bypass button; the band values live in hidden up-downs and
// every change is reported through OnChange without payload.

#include "response/CurveReaders.h"
#include "widgets/RzPanel.h"

#include "platform/core/TColor.h"
#include "platform/ui/TControl.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vcl {
class TEdit;
class TUpDown;
class TShape;
}
namespace rz {
class TRzLabel;
class TRzComboBox;
class TRzButton;
}

class PeqBandEditor : public rz::TRzGroupBox, public PeqBandReader
{
public:
    static constexpr int MaxRows = 50;
    static constexpr vcl::TColor HighlightColor = 0x00B000;
    static constexpr vcl::TColor BypassedColor = 0x8080FF;

    ~PeqBandEditor() override;

    // --- published properties (each stays out of a form while it holds the value it starts with) ---
    const vcl::TPropertyTable* PublishedProperties() const override;
    bool GetUpdownVisable() const { return m_updownVisable; }
    void SetUpdownVisable(bool value);
    bool GetTitleVisable() const { return m_titleVisable; }
    void SetTitleVisable(bool value);
    int GetTopBottomSpace() const { return m_topBottomSpace; }
    void SetTopBottomSpace(int value) { m_topBottomSpace = value; }
    int GetChannelNumber() const override { return m_channelNumber; }
    // Capped to 0..50, then Change; the rows follow at the next change of size.
    void SetChannelNumber(int value);
    vcl::TColor GetLabelColor() const { return m_labelColor; }
    void SetLabelColor(vcl::TColor value);
    vcl::TColor GetEditBackColor() const { return m_editBackColor; }
    void SetEditBackColor(vcl::TColor value);
    vcl::TColor GetBypassBackColor() const { return m_bypassBackColor; }
    void SetBypassBackColor(vcl::TColor value);

    vcl::TNotifyEvent OnChange;
    vcl::TMouseEvent OnEditMouseDown;
    vcl::TMouseWheelEvent OnPeqTypeMouseWheel;

    // --- band values (band = row index; a band outside 0..49 reads as 0 and is not written) ---
    double GetFreqValue(int band) const override; // Hz
    double GetQValue(int band) const override;
    double GetGainValue(int band) const override; // dB
    int GetTypeValue(int band) const override;    // -1 when no type is selected
    bool GetBypassValue(int band) const override;

    // Each writes one value and its text, then Change; none moves the current band.
    void SetFreqValue(int band, double hz);     // snapped to the 1/30-octave grid
    void SetQValue(int band, double qIndex);    // a Q index (truncated, kept in 0..100), not a Q
    void SetGainValue(int band, double db);     // tenths of a dB, truncated; the text shows db
    void SetTypeValue(int band, int type);
    void SetBypassValue(int band, bool bypass);
    // All five values of a band, then Change once.
    void SetEqParamValue(int band, double hz, double qIndex, double db, int type, bool bypass);

    int GetNowIndex() const { return m_nowIndex; }
    // Moves the green highlight; -1 only clears the current band's highlight.
    void SetNowIndex(int index);
    // Font colour of a band's frequency, Q and gain edits; ignored for a band not in use.
    void SetColor(int band, vcl::TColor colour);

    // --- texts ---
    void SetEqTypeString(const QString& text, int index);
    void SetBypassString(const QString& text) { m_bypassCaption = text; }
    void ChangeLanguage();

    // Runs when the window is created (once, at the end of construction here): the built-in type
    // names and bypass caption, added to every list in use, entry 1 selected.
    virtual void CreateWnd();
    // Lays the rows out when the size differs from the last layout.
    void RePaint();
    // The group box's paint only.
    void Paint() override;
    // A new size lays the rows out (RePaint).
    void Resize() override;

    // Styling of a row's own controls (band label, bypass button) beyond what the editor sets: applied
    // to the rows built so far at once and to every row later as it is built.
    void SetRowDress(std::function<void(PeqBandEditor&, int row)> dress);
    // How many steps are kept for rows not built yet: a step that fully replaces earlier ones drops
    // them, so resizing and language changes keep this small.
    std::size_t RowStepCount() const { return m_rowSteps.size(); }

    // Notifies: recolours the bypass buttons, then OnChange.
    virtual void Change();

    // --- child controls ---
    vcl::TEdit* FreqEdit(int row) const { return Built(row).m_freqEdits[Row(row)]; }
    vcl::TEdit* QEdit(int row) const { return Built(row).m_qEdits[Row(row)]; }
    vcl::TEdit* GainEdit(int row) const { return Built(row).m_gainEdits[Row(row)]; }
    rz::TRzLabel* BandLabel(int row) const { return Built(row).m_bandLabels[Row(row)]; }
    rz::TRzLabel* TitleLabel(int k) const { return m_titleLabels[static_cast<std::size_t>(k)]; }
    vcl::TUpDown* FreqUpDown(int row) const { return Built(row).m_freqUpDowns[Row(row)]; }
    vcl::TUpDown* QUpDown(int row) const { return Built(row).m_qUpDowns[Row(row)]; }
    vcl::TUpDown* GainUpDown(int row) const { return Built(row).m_gainUpDowns[Row(row)]; }
    rz::TRzComboBox* TypeCombo(int row) const { return Built(row).m_typeCombos[Row(row)]; }
    rz::TRzButton* BypassButton(int row) const { return Built(row).m_bypassButtons[Row(row)]; }
    vcl::TColor NormalEditColor() const { return m_normalEditColor; }

protected:
    // builtInNames: the entries of every type list, in EqType order.
    PeqBandEditor(vcl::TComponent* AOwner, QStringList builtInNames);
    // Builds the rows that were laid out, given values or read while the editor was out of sight.
    void showEvent(QShowEvent* event) override;

private:
    static std::size_t Row(int row) { return static_cast<std::size_t>(row); }
    static bool ValidBand(int band) { return band >= 0 && band < MaxRows; }
    vcl::TShape* FreqFrame(int row) const { return Built(row).m_freqFrames[Row(row)]; }
    vcl::TShape* QFrame(int row) const { return Built(row).m_qFrames[Row(row)]; }
    vcl::TShape* GainFrame(int row) const { return Built(row).m_gainFrames[Row(row)]; }

    // --- rows built when first used; values and colours held for rows not built yet ---
    // The rows are built when first used, as construction would have left them by then: rows past
    // the bands in use are never shown, and building all fifty of every editor is most of the main
    // window's start-up.
    const PeqBandEditor& Built(int row) const;
    // Out of sight, a row not built yet keeps what is written to it (and is built as the editor is
    // shown): filling the hidden pages' editors at start builds no row.
    bool Deferred(int row) const;
    void BuildWantedRows();
    void BuildRow(int i);
    void GiveHeldValues(int i);
    vcl::TColor EditTextColour(int row) const;
    int FreqPosition(int row) const;
    int QPosition(int row) const;
    int GainPosition(int row) const;
    void WriteFreq(int row, int position);
    void WriteQ(int row, int index);
    void WriteGain(int row, int tenths, const QString& text);
    void WriteType(int row, int type);
    void ApplyPendingColours(int row);
    void SetBypassColour(int row, vcl::TColor colour);
    void SetEditBackColour(int row, vcl::TColor colour);

    // --- what creation, language changes and layouts do to one row; steps kept for rows not built ---
    void PlaceRow(int i, int w, int h, int t);
    void PlaceRowAt(int i, int w, int h, int t, int space, bool upDowns);
    void ParkRow(int i);
    void FillNames(int row, const QStringList& names, bool clearFirst);
    void FillList(int row, bool clearFirst);
    void ApplyLanguage(int row, const QStringList& names, const QString& bypass);
    struct RowStep;
    void ReplayStep(int row, const RowStep& step);
    void FollowTypeList(int row, const RowStep& step);
    static bool Supersedes(const RowStep& later, const RowStep& earlier);
    void AddRowStep(RowStep step);
    void LayRowOut(int row, const RowStep& step);

    // --- the editor's own ---
    void ColourBypassButton(int row);
    void MakeCurrent(int row);
    void Restore(vcl::TEdit* edit, const QString& text);

    void FrequencyCommit(int row);
    void QfactorCommit(int row);
    void GainCommit(int row);
    void EditMouseDown(int row, vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y);
    void PeqTypeChange(int row);
    void ByPassClick(int row);

    std::array<rz::TRzLabel*, 6> m_titleLabels {};
    std::array<vcl::TEdit*, MaxRows> m_freqEdits {};
    std::array<vcl::TEdit*, MaxRows> m_gainEdits {};
    std::array<vcl::TEdit*, MaxRows> m_qEdits {};
    std::array<rz::TRzLabel*, MaxRows> m_bandLabels {};
    std::array<vcl::TUpDown*, MaxRows> m_freqUpDowns {};
    std::array<vcl::TShape*, MaxRows> m_freqFrames {};
    std::array<vcl::TUpDown*, MaxRows> m_gainUpDowns {};
    std::array<vcl::TShape*, MaxRows> m_gainFrames {};
    std::array<vcl::TUpDown*, MaxRows> m_qUpDowns {};
    std::array<vcl::TShape*, MaxRows> m_qFrames {};
    std::array<rz::TRzComboBox*, MaxRows> m_typeCombos {};
    std::array<rz::TRzButton*, MaxRows> m_bypassButtons {};
    std::array<std::uint8_t, MaxRows> m_bypassFlags {};
    std::array<bool, MaxRows> m_rowBuilt {};
    // What window creation, language changes and layouts did to the rows in use, in order, so that a
    // row built later is given the same.
    enum class StepKind { Create, Language, Layout };
    struct RowStep
    {
        StepKind kind;
        int rows;             // the rows in use at the time
        QStringList names;    // the type names listed
        QString bypass;       // the bypass caption a language change or layout set
        int width { 0 };      // layout only: column width, row height, title offset, top space
        int height { 0 };
        int titleSpace { 0 };
        int space { 0 };
        bool upDowns { false };
    };
    std::vector<RowStep> m_rowSteps;
    // Rows the editor would have had built by now, built as it is shown.
    mutable std::array<bool, MaxRows> m_rowWanted {};
    // Values written to a row not built yet, as its up-downs and edits would hold them.
    struct HeldValues
    {
        int freq { 0 }; // up-down positions
        int q { 0 };
        int gain { 0 };
        QString freqText;
        QString qText;
        QString gainText;
    };
    std::array<std::optional<HeldValues>, MaxRows> m_heldValues {};
    HeldValues& Held(int row);
    // The type list of a row not built yet, as its steps and written types leave it: how many entries
    // and which is selected; `written` when a type was written to it.
    struct TypeListState
    {
        int count { 0 };
        int index { -1 };
        bool written { false };
        void Select(int value) { index = value >= 0 && value < count ? value : -1; }
    };
    std::array<TypeListState, MaxRows> m_typeLists {};
    std::function<void(PeqBandEditor&, int)> m_rowDress;
    // Colours last given to rows not built yet, set when they are built.
    struct RowColours
    {
        std::optional<vcl::TColor> bypass;   // the bypass button
        std::optional<vcl::TColor> editText; // the three edits' text
        std::optional<vcl::TColor> editBack; // the three edits and the type list
    };
    std::array<RowColours, MaxRows> m_pendingColours {};
    bool m_titleVisable { false };
    bool m_updownVisable { false };
    int m_topBottomSpace { 15 };
    int m_channelNumber { MaxRows };
    vcl::TColor m_labelColor { 0 };
    vcl::TColor m_editBackColor { 0 };
    vcl::TColor m_bypassBackColor { 0 };
    int m_layoutWidth { 490 };
    int m_layoutHeight { 420 };
    int m_nowIndex { 0 };
    int m_prevIndex { 0 };
    QStringList m_builtInNames;
    QStringList m_eqTypeNames;
    QString m_bypassCaption;
    vcl::TColor m_normalEditColor { 0 };
};
