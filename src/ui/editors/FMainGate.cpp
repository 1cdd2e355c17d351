// Noise-gate editor of the inputs: faders, typed entries and the transfer curve.

#include "ui/editors/EditorMath.h"
#include "plot/iXYPlot.h"
#include "ui/editors/TransferPlot.h"
#include "ui/editors/EditorNames.h"

#include "device/LUnitControl.h"
#include "platform/ui/TLabel.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"

using namespace editors;

namespace editors {

GateCurve GateCurvePoints(int thresholdPos)
{
    const double t = thresholdPos * 0.5;
    return { { { 20.0, 20.0 }, { t, t }, { t, -100.0 } }, { t + 0.2, t - 0.4 } };
}

} // namespace editors

namespace {

const char* const GateQuantity[] = { "Threshold", "Attack", "Release", "Hold" };

} // namespace

void TfmMain::SetGateParam(int ch, int field, int value)
{
    if (!UnitControl || ch < 0 || ch > 1)
        return;
    GateParams gate = UnitControl->GetInGate(ch);
    const auto v = static_cast<std::uint16_t>(value);
    switch (field) {
    case 0: gate.Threshold = static_cast<std::uint16_t>(value + 180); break;
    case 1: gate.Attack = v; break;
    case 2: gate.Release = v; break;
    case 3: gate.Hold = v; break;
    default: return;
    }
    if (!SuppressSend)
        UnitControl->SetInGate(ch, gate);
}

// Draws input ch's curve and names it above the plot; false when its threshold fader is missing.
bool TfmMain::DrawGateCurveFrom(int ch)
{
    auto* threshold = Find<TAdvTrackBar>(this, QStringLiteral("isGateThreshold"), ch);
    if (!threshold)
        return false;
    const GateCurve points = GateCurvePoints(threshold->Position());
    if (auto* plot = Find<TiXYPlot>(this, QStringLiteral("ipGate")))
        RefillTransferPlot(*plot, points.Curve, points.Dot);
    if (auto* name = Find<vcl::TLabel>(this, QStringLiteral("lbGateName")))
        name->SetCaption(QStringLiteral("In ") + ChannelLetter(ch) + QStringLiteral("  ") + GetSidText(QStringLiteral("SID_GATE")));
    return true;
}

void TfmMain::DrawGateCurve(int ch)
{
    if (ch < 0 || ch > 1 || !DrawGateCurveFrom(ch))
        return;
    if (auto* head = Find<vcl::TLabel>(this, QStringLiteral("lbHeadGateIn")))
        head->SetCaption(QStringLiteral("In ") + ChannelLetter(ch));
    GateChannel = ch;
}

void TfmMain::GateFaderChange(vcl::TObject* Sender, int field)
{
    if (SuppressSend)
        return;
    auto* fader = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!fader)
        return;
    const int ch = static_cast<int>(fader->Tag());
    if (ch < 0 || ch > 1)
        return;
    GateChannel = ch;
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvdGate") + QString::fromLatin1(GateQuantity[field]), ch);
    if (!edit)
        return;
    const int pos = fader->Position();
    edit->SetText(field == 0 ? HalfDbText(pos) : QString::asprintf("%dms", pos + 1));
    if (!DrawGateCurveFrom(ch))
        return;
    if (field != 3)
        if (auto* head = Find<vcl::TLabel>(this, QStringLiteral("lbHeadGateIn")))
            head->SetCaption(QStringLiteral("In ") + ChannelLetter(ch));
    SetGateParam(GateChannel, field, pos);
    ShowGroupGate(GateChannel, field, pos);
}

void TfmMain::isGateThresholdInAChange(vcl::TObject* Sender) { GateFaderChange(Sender, 0); }
void TfmMain::isGateAttackInAChange(vcl::TObject* Sender) { GateFaderChange(Sender, 1); }
void TfmMain::isGateReleaseInAChange(vcl::TObject* Sender) { GateFaderChange(Sender, 2); }
void TfmMain::isGateHoldInAChange(vcl::TObject* Sender) { GateFaderChange(Sender, 3); }

void TfmMain::lbGateInAMouseDown(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    if (auto* c = dynamic_cast<vcl::TComponent*>(Sender))
        DrawGateCurve(static_cast<int>(c->Tag()));
}
