// The magnitude and phase views of the channel plots.

#include "ui/editors/EditorNames.h"

#include "controls/MyPEQAllpass.h"
#include "platform/ui/TRadioButton.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"

using namespace editors;

namespace {

struct ViewAxis { int grid; const char* label; double scale; };
constexpr ViewAxis MagnitudeAxis { 11, "dB", 1.0 };
constexpr ViewAxis PhaseAxis { 7, "", 10.0 };

// Switches channel ch's plot to the phase view or back; the clicked button and its twin are
// recoloured, the channel rebuilt in the new view and its copies on the other plots marked stale.
void SwitchView(TfmMain& form, vcl::TObject* Sender, bool phase)
{
    auto* clicked = dynamic_cast<vcl::TRadioButton*>(Sender);
    if (!clicked)
        return;
    const int ch = static_cast<int>(clicked->Tag());
    if (ch < 0 || ch > 7)
        return;
    Plot* curves = form.Plots[static_cast<std::size_t>(ch)];
    if (!curves || (curves->GetPhaseMode() != 0) == phase)
        return;
    auto* plot = Find<LMyFFTDrawPhase>(&form, QStringLiteral("fftDraw"), ch);
    auto* peq = Find<TMyPEQAllpass>(&form, QStringLiteral("peqPeq"), ch);
    auto* box = Find<vcl::TControl>(&form, QStringLiteral("rzgFft"), ch);
    auto* twin = Find<vcl::TRadioButton>(&form, phase ? QStringLiteral("rbShowGain") : QStringLiteral("rbShowPhase"), ch);
    curves->SetPhaseMode(phase);
    if (!plot || !peq || !box || !twin)
        return;
    clicked->Font()->SetColor(0x00FFFF);
    twin->Font()->SetColor(0xC0C0C0);
    form.BuildChannelCurves(ch);
    const ViewAxis& axis = phase ? PhaseAxis : MagnitudeAxis;
    plot->SetNumHorzGrid(axis.grid);
    plot->SetYLabel(QString::fromLatin1(axis.label));
    plot->SetYLabelScale(axis.scale);
    plot->SetYMax(18.0);
    plot->SetYMin(-18.0);
    // The highlight follows the editor's current band; with none selected there is nothing to show.
    const int b = peq->GetNowIndex();
    if (b >= 0 && b < (ch < 2 ? 8 : 9))
        curves->ShowSelected(peq->GetTypeValue(b), b, static_cast<float>(peq->GetGainValue(b)),
                             static_cast<float>(peq->GetQValue(b)), true);
    plot->UpdateCurvePage();
    box->Repaint();
    form.MarkCurveStale(ch);
    form.RefreshChannelOverlays(ch);
}

} // namespace

void TfmMain::rbShowGainInAClick(vcl::TObject* Sender) { SwitchView(*this, Sender, false); }
void TfmMain::rbShowPhaseInAClick(vcl::TObject* Sender) { SwitchView(*this, Sender, true); }
