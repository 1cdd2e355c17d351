// Overlays of the other channels' totals on the channel plots and the two Gain-page plots.

#include "ui/editors/EditorNames.h"

#include "device/Constants.h"
#include "response/FilterCurve.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "widgets/VrButtons.h"

using namespace editors;

namespace {

constexpr int GainIn = 8;
constexpr int GainOut = 9;

// Section 12 (the channel total) of one plot into a section of another.
bool CopyTotal(const TfmMain& f, int from, int to, int section)
{
    Plot* src = f.Plots[static_cast<std::size_t>(from)];
    Plot* dst = f.Plots[static_cast<std::size_t>(to)];
    if (!src || !dst || !src->Section(12) || !dst->Section(section))
        return false;
    dst->Section(section)->curve = src->Section(12)->curve;
    return true;
}

QString GainPagePlotName(int plot) { return plot == GainIn ? QStringLiteral("fftDrawGainIn") : QStringLiteral("fftDrawGainOut"); }

void UpdatePage(const TfmMain& f, const QString& name)
{
    if (auto* plot = Find<LMyFFTDrawPhase>(&f, name))
        plot->UpdateCurvePage();
}

} // namespace

void TfmMain::MarkCurveStale(int ch)
{
    StaleMarks.MarkCurveStale(ch);
}

void TfmMain::RefreshGainPageCurves()
{
    for (int ch = 0; ch < 8; ++ch)
        CopyTotal(*this, ch, ch < 2 ? GainIn : GainOut, ch);
    for (int ch = 0; ch < 8; ++ch) {
        auto* toggle = Find<vr::TVrPowerButton>(this, QStringLiteral("vrbShow") + ChannelLetter(ch) + QStringLiteral("Gain"));
        if (!toggle)
            return;
        const int plot = ch < 2 ? GainIn : GainOut;
        auto& mask = OverlayStale[static_cast<std::size_t>(plot)];
        if (toggle->Active() && (mask & (1u << ch))) {
            mask &= ~(1u << ch);
            if (Plot* p = Plots[static_cast<std::size_t>(plot)])
                p->DrawCurve(ch, ChannelColors[static_cast<std::size_t>(ch)]);
        }
    }
    UpdatePage(*this, GainPagePlotName(GainIn));
    UpdatePage(*this, GainPagePlotName(GainOut));
}

void TfmMain::RefreshChannelOverlays(int page)
{
    if (page < 0 || page > 7)
        return;
    const int first = page < 2 ? 0 : 2, last = page < 2 ? 1 : 7;
    for (int j = first; j <= last; ++j) {
        if (j == page)
            continue;
        auto* toggle = Find<vr::TVrPowerButton>(this, QStringLiteral("vrbShow") + ChannelLetter(j) + ChannelSuffix(page));
        if (!toggle)
            return;
        auto& mask = OverlayStale[static_cast<std::size_t>(page)];
        if (!(mask & (1u << j)))
            continue;
        mask &= ~(1u << j);
        const int section = page < 2 ? 18 + j : 16 + j;
        CopyTotal(*this, j, page, section);
        if (toggle->Active())
            if (Plot* p = Plots[static_cast<std::size_t>(page)])
                p->DrawCurve(section, ChannelColors[static_cast<std::size_t>(j)]);
    }
    UpdatePage(*this, QStringLiteral("fftDraw") + ChannelSuffix(page));
}

void TfmMain::vrbShowOverlayClick(vcl::TObject* Sender, int plot)
{
    auto* toggle = dynamic_cast<vr::TVrPowerButton*>(Sender);
    if (!toggle || plot < 0 || plot > 9)
        return;
    const int t = static_cast<int>(toggle->Tag());
    if (t < 0 || t > 7)
        return;
    OverlayStale[static_cast<std::size_t>(plot)] &= ~(1u << t);
    const int section = plot >= 8 ? t : (plot < 2 ? 18 + t : 16 + t);
    if (Plot* p = Plots[static_cast<std::size_t>(plot)]) {
        if (toggle->Active())
            p->DrawCurve(section, ChannelColors[static_cast<std::size_t>(t)]);
        else
            p->RemoveCurve(section);
    }
    UpdatePage(*this, plot >= 8 ? GainPagePlotName(plot) : QStringLiteral("fftDraw") + ChannelSuffix(plot));
}

void TfmMain::ShowOverlayButtons(int ch, bool show)
{
    if (ch < 0 || ch > 7)
        return;
    auto* page = Find<vcl::TControl>(this, QStringLiteral("rzbMenu"), ch);
    auto* gain = Find<vr::TVrPowerButton>(this, QStringLiteral("vrbShow") + ChannelLetter(ch) + QStringLiteral("Gain"));
    if (!page || !gain)
        return;
    const int gainPlot = ch < 2 ? GainIn : GainOut;
    gain->SetVisible(show);
    if (!show) {
        gain->SetActive(false);
        OverlayStale[static_cast<std::size_t>(gainPlot)] &= ~(1u << ch);
        if (Plot* p = Plots[static_cast<std::size_t>(gainPlot)])
            p->RemoveCurve(ch);
    }
    const int first = ch < 2 ? 0 : 2, last = ch < 2 ? 1 : 7;
    const int bitNo = ch < 2 ? ch : ch - 2;
    for (int o = first; o <= last; ++o) {
        if (o == ch)
            continue;
        auto* toggle = Find<vr::TVrPowerButton>(this, QStringLiteral("vrbShow") + ChannelLetter(ch) + ChannelSuffix(o));
        if (!toggle)
            return;
        toggle->SetVisible(show);
        if (!show) {
            toggle->SetActive(false);
            OverlayStale[static_cast<std::size_t>(o)] &= ~(1u << ch);
            if (Plot* p = Plots[static_cast<std::size_t>(o)])
                p->RemoveCurve(18 + bitNo);
        }
    }
}
