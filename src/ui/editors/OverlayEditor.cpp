// Overlays of the other channels' totals on the channel plots and the two Gain-page plots, and the
// magnitude and phase views of the channel plots.

#include "ui/editors/OverlayEditor.h"

#include "platform/core/SoftAssert.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/EditorSet.h"

#include "controls/MyPEQAllpass.h"
#include "device/Constants.h"
#include "platform/ui/TRadioButton.h"
#include "response/FilterCurve.h"
#include "response/Plot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/VrButtons.h"

namespace editors {

namespace {

struct ViewAxis { int grid; const char* label; double scale; };
constexpr ViewAxis MagnitudeAxis { 11, "dB", 1.0 };
constexpr ViewAxis PhaseAxis { 7, "", 10.0 };

vcl::TColor ColourOf(int ch) { return ChannelColors[static_cast<std::size_t>(ch)]; }

} // namespace

// Section 12 (the channel total) of one plot into a section of another.
bool OverlayEditor::CopyTotal(int from, int to, int section) const
{
    Plot* src = m_ctx.Plots[static_cast<std::size_t>(from)];
    Plot* dst = m_ctx.Plots[static_cast<std::size_t>(to)];
    if (!src || !dst || !src->Section(TotalSection) || !dst->Section(section))
        return false;
    dst->Section(section)->curve = src->Section(TotalSection)->curve;
    return true;
}

void OverlayEditor::UpdatePlot(int plot) const
{
    LMyFFTDrawPhase* view = plot == GainInPlot ? m_controls.GainInPlot : plot == GainOutPlot ? m_controls.GainOutPlot : Of(plot).Plot;
    view->UpdateCurvePage();
}

void OverlayEditor::RefreshGainPageCurves()
{
    for (int ch = 0; ch < ChannelCount; ++ch)
        CopyTotal(ch, GainPlotOf(ch), ch);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const int plot = GainPlotOf(ch);
        auto& mask = m_ctx.Stale.OverlayStale[static_cast<std::size_t>(plot)];
        if (Of(ch).OverlayOn[static_cast<std::size_t>(plot)]->Active() && (mask & (1u << ch))) {
            mask &= ~(1u << ch);
            if (Plot* p = m_ctx.Plots[static_cast<std::size_t>(plot)])
                p->DrawCurve(ch, ColourOf(ch));
        }
    }
    UpdatePlot(GainInPlot);
    UpdatePlot(GainOutPlot);
}

void OverlayEditor::RefreshChannelOverlays(int page)
{
    if (!IsChannel(page))
        return;
    for (int j = SideFirst(page); j <= SideLast(page); ++j) {
        if (j == page)
            continue;
        auto& mask = m_ctx.Stale.OverlayStale[static_cast<std::size_t>(page)];
        if (!(mask & (1u << j)))
            continue;
        mask &= ~(1u << j);
        const int section = OverlaySection(page, j);
        CopyTotal(j, page, section);
        if (Of(j).OverlayOn[static_cast<std::size_t>(page)]->Active())
            if (Plot* p = m_ctx.Plots[static_cast<std::size_t>(page)])
                p->DrawCurve(section, ColourOf(j));
    }
    UpdatePlot(page);
}

void OverlayEditor::ToggleClick(vcl::TObject* Sender, int plot)
{
    auto* toggle = dynamic_cast<vr::TVrPowerButton*>(Sender);
    if (!ZQ9_EXPECT(toggle) || !ZQ9_EXPECT(plot >= 0 && plot < PlotCount))
        return;
    const int t = static_cast<int>(toggle->Tag());
    if (!IsChannel(t))
        return;
    m_ctx.Stale.OverlayStale[static_cast<std::size_t>(plot)] &= ~(1u << t);
    const int section = OverlaySection(plot, t);
    if (Plot* p = m_ctx.Plots[static_cast<std::size_t>(plot)]) {
        if (toggle->Active())
            p->DrawCurve(section, ColourOf(t));
        else
            p->RemoveCurve(section);
    }
    UpdatePlot(plot);
}

void OverlayEditor::ShowButtons(int ch, bool show)
{
    if (!IsChannel(ch))
        return;
    const ChannelControls& c = Of(ch);
    const int gainPlot = GainPlotOf(ch);
    vr::TVrPowerButton* gain = c.OverlayOn[static_cast<std::size_t>(gainPlot)];
    gain->SetVisible(show);
    if (!show) {
        gain->SetActive(false);
        m_ctx.Stale.OverlayStale[static_cast<std::size_t>(gainPlot)] &= ~(1u << ch);
        if (Plot* p = m_ctx.Plots[static_cast<std::size_t>(gainPlot)])
            p->RemoveCurve(ch);
    }
    for (int o = SideFirst(ch); o <= SideLast(ch); ++o) {
        if (o == ch)
            continue;
        vr::TVrPowerButton* toggle = c.OverlayOn[static_cast<std::size_t>(o)];
        toggle->SetVisible(show);
        if (!show) {
            toggle->SetActive(false);
            m_ctx.Stale.OverlayStale[static_cast<std::size_t>(o)] &= ~(1u << ch);
            if (Plot* p = m_ctx.Plots[static_cast<std::size_t>(o)])
                p->RemoveCurve(OverlaySection(o, ch));
        }
    }
}

// Switches channel ch's plot to the phase view or back; the clicked button and its twin are
// recoloured, the channel rebuilt in the new view and its copies on the other plots marked stale.
void OverlayEditor::SwitchView(vcl::TObject* Sender, bool phase)
{
    auto* clicked = dynamic_cast<vcl::TRadioButton*>(Sender);
    const int ch = clicked ? static_cast<int>(clicked->Tag()) : -1;
    if (!IsChannel(ch))
        return;
    Plot* curves = m_ctx.Plots[static_cast<std::size_t>(ch)];
    if (!curves || (curves->GetPhaseMode() != 0) == phase)
        return;
    const ChannelControls& c = Of(ch);
    curves->SetPhaseMode(phase);
    clicked->Font()->SetColor(0x00FFFF);
    (phase ? c.ShowGain : c.ShowPhase)->Font()->SetColor(0xC0C0C0);
    Editors().Peq().BuildChannelCurves(ch);
    const ViewAxis& axis = phase ? PhaseAxis : MagnitudeAxis;
    c.Plot->SetNumHorzGrid(axis.grid);
    c.Plot->SetYLabel(QString::fromLatin1(axis.label));
    c.Plot->SetYLabelScale(axis.scale);
    c.Plot->SetYMax(18.0);
    c.Plot->SetYMin(-18.0);
    // The highlight follows the editor's current band; with none selected there is nothing to show.
    const int b = c.Peq->GetNowIndex();
    if (b >= 0 && b < BandCount(ch))
        curves->ShowSelected(c.Peq->GetTypeValue(b), b, static_cast<float>(c.Peq->GetGainValue(b)),
                             static_cast<float>(c.Peq->GetQValue(b)), true);
    c.Plot->UpdateCurvePage();
    c.PlotBox->Repaint();
    m_ctx.Stale.MarkCurveStale(ch);
    RefreshChannelOverlays(ch);
}

} // namespace editors
