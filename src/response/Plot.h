#pragma once
// The curve set of one response plot: 27 filter sections with fixed roles, drawn on one plot control.

#include "response/FilterCurve.h"
#include "response/ResponseView.h"

#include <array>
#include <cstdint>
#include <memory>

class Plot
{
public:
    static constexpr int SectionCount = 27;
    // Section roles on a channel plot.
    static constexpr int FirstBandSection = 0;  // EQ bands 0..8
    static constexpr int MaxBands = 9;
    static constexpr int HighPassSection = 10;
    static constexpr int LowPassSection = 11;
    static constexpr int TotalSection = 12;     // the sum of sections 0..11, drawn under id 12
    static constexpr int FirstStageSection = 13; // crossover stages 13..17, scratch
    static constexpr int StageCount = 5;
    static constexpr int FirstOverlaySection = 18; // copies of other channels' totals, 18..23

    // Marker kinds of the plot control.
    static constexpr int MarkerBand = 1;
    static constexpr int MarkerLowPass = 2;
    static constexpr int MarkerHighPass = 3;
    // Colour of the selected band's parameter labels.
    static constexpr vcl::TColor SelectedColor = 0x00FFFF;

    // The view is not owned and may be null (nothing is drawn then). Sections start as 0 dB high shelves.
    explicit Plot(ResponseView* view);

    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;

    // Stores the flag and copies it into every section; curves change at their next recompute.
    void SetPhaseMode(bool phase);
    std::uint8_t GetPhaseMode() const { return phaseMode; }

    // Places marker `section` at the section's frequency and the given level, with its stored values.
    void DrawMarker(int section, float level, int kind);
    // Section 12 := the sum of sections 0..11 (phase folded back into +-18 at most twice); drawn as id 12.
    void DrawSum(int channel);
    // Draws the section's curve under id = section.
    void DrawCurve(int section, vcl::TColor colour);
    void RemoveCurve(int id);
    // The selected-band highlight; a negative section counts as 0.
    void ShowSelected(int layout, int section, float gain, float quality, bool show);

    // The section of that index, or null outside 0..26.
    FilterCurve* Section(int index);
    const FilterCurve* Section(int index) const;
    ResponseView* View() const { return plot; }
    int GetSectionCount() const { return sectionCount; }

private:
    int sectionCount { SectionCount };
    std::uint8_t phaseMode { 0 };
    ResponseView* plot { nullptr };
    // One block: the sections' curves lie at a fixed stride, which the per-point sum streams through.
    std::unique_ptr<std::array<FilterCurve, SectionCount>> sections;
};
