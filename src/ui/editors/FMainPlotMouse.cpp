// Grabbing and dragging band and cut-off markers on the response plots.

#include "ui/editors/EditorNames.h"

#include "controls/MyPEQAllpass.h"
#include "device/Constants.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "response/FilterCurve.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "response/Plot.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"

#include <algorithm>
#include <cmath>

using namespace editors;

namespace editors {
QString EqFreqText(double f);
}

namespace {

// Plot area offset inside the control.
constexpr int AreaLeft = 42;
constexpr int AreaTop = 7;
// The window is laid out at 96 dots per inch, where the hover test scales by 1.5.
constexpr double HoverScale = 1.5;

bool HitSlot(const LMyFFTDrawPhase& plot, const TMyPEQAllpass& peq, int k, int X, int Y, double c)
{
    const double w = plot.GetPlotWidth(), h = plot.GetPlotHeight();
    if (w <= 0 || h <= 0 || plot.XMax() == plot.XMin())
        return false;
    const int bx = static_cast<int>(plot.GetBlockPos(k).X * c);
    const double v = plot.XMin() + (X - AreaLeft) / w * (plot.XMax() - plot.XMin());
    const int mx = static_cast<int>(w * (v - plot.XMin()) / (plot.XMax() - plot.XMin()) * c);
    const double g = k < 10 && k < peq.GetChannelNumber() ? -peq.GetGainValue(k) : 0.0;
    double yv = std::trunc((Y - AreaTop) / h * (plot.YMax() - plot.YMin())) + plot.YMin();
    if (g > 0)
        yv += 1;
    const int dy = static_cast<int>(std::trunc(std::abs(yv - g)));
    return std::abs(mx - bx) < 5 && dy < 2;
}

QString BandButton(int band, int ch) { return QStringLiteral("rzbEq") + QString::number(band + 1) + ChannelSuffix(ch); }

} // namespace

void TfmMain::fftDrawInAMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState, int X, int Y)
{
    DragSlot = -1;
    auto* plot = dynamic_cast<LMyFFTDrawPhase*>(Sender);
    if (!plot)
        return;
    const int ch = static_cast<int>(plot->Tag());
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
    if (!peq || Button != vcl::TMouseButton::mbLeft)
        return;
    for (int k = 35; k >= 0; --k) {
        if (!HitSlot(*plot, *peq, k, X, Y, 1.0))
            continue;
        DragSlot = k;
        auto* button = Find<rz::TRzBmpButton>(this, BandButton(k, ch));
        if (!button)
            return;
        button->SetDown(true);
        button->Click();
    }
}

void TfmMain::fftDrawInAMouseMove(vcl::TObject* Sender, vcl::TShiftState, int X, int Y)
{
    if (X == PlotMouseLastX && Y == PlotMouseLastY)
        return;
    PlotMouseLastX = X;
    PlotMouseLastY = Y;
    auto* plot = dynamic_cast<LMyFFTDrawPhase*>(Sender);
    if (!plot || !UnitControl)
        return;
    const int ch = static_cast<int>(plot->Tag());
    auto* peq = Find<TMyPEQAllpass>(this, QStringLiteral("peqPeq"), ch);
    if (!peq)
        return;
    if (DragSlot == -1) {
        for (int k = 35; k >= 0; --k) {
            plot->SetCursor(vcl::crDefault);
            if (HitSlot(*plot, *peq, k, X, Y, HoverScale)) {
                plot->SetCursor(vcl::crCross);
                break;
            }
        }
        return;
    }
    const double w = plot->GetPlotWidth(), h = plot->GetPlotHeight();
    if (w <= 0 || h <= 0)
        return;
    const double v = plot->XMin() + (X - AreaLeft) / w * (plot->XMax() - plot->XMin());
    const double g = DragSlot < peq->GetChannelNumber() ? -peq->GetGainValue(DragSlot) : 0.0;
    double yv = (Y - AreaTop) / h * (plot->YMax() - plot->YMin()) + plot->YMin();
    if (g > 0)
        yv += 1;
    yv = std::clamp(yv, -12.0, 12.0);
    const double gain = std::trunc(-yv * 10) * 0.1;
    double f = std::pow(10.0, std::log10(48000.0) * v / 4096);
    f = IndexToFreq(static_cast<int>(std::trunc(static_cast<double>(FreqToIndex(f)))));
    if (f < 19.6)
        f = 19.7;
    else if (f > 20160)
        f = 20160;

    if (DragSlot < 10) {
        const int b = DragSlot;
        auto* button = Find<rz::TRzBmpButton>(this, BandButton(b, ch));
        auto* help = Find<vcl::TControl>(this, QStringLiteral("lbFftParam"), ch);
        if (!button || !help || b >= peq->GetChannelNumber())
            return;
        const double q = peq->GetQValue(b);
        const int t = peq->GetTypeValue(b);
        peq->SetFreqValue(b, f);
        peq->SetGainValue(b, gain);
        const bool bypass = peq->GetBypassValue(b);
        button->SetDown(true);
        PendingChannel = ch;
        PendingBand = b;
        PendingFreq = static_cast<float>(f);
        PendingGain = gain;
        PendingQ = static_cast<float>(q);
        PendingType = t;
        PendingBypass = bypass ? 1 : 0;
        tmMouseEqCurve->SetEnabled(true);
        PeqBand band;
        band.Freq = static_cast<std::uint16_t>(std::min(FreqToIndex(f), 300));
        band.Gain = static_cast<std::uint16_t>(GainToIndex(gain));
        band.Q = static_cast<std::uint8_t>(QToIndex(q));
        band.Type = static_cast<std::uint8_t>(t);
        peq->SetNowIndex(b);
        UnitControl->SetPeq(ch, b, band, bypass);
        return;
    }

    const bool highPass = DragSlot == 10;
    const QString q = highPass ? QStringLiteral("LowCut") : QStringLiteral("HighCut");
    auto* edit = Find<TCurvyEdit>(this, QStringLiteral("cvd") + q + QStringLiteral("Freq"), ch);
    auto* bypass = Find<rz::TRzBmpButton>(this, QStringLiteral("rzb") + q + QStringLiteral("Bypass"), ch);
    auto* slope = Find<rz::TRzComboBox>(this, QStringLiteral("rzc") + q + QStringLiteral("Slop"), ch);
    auto* fader = Find<TAdvTrackBar>(this, QStringLiteral("is") + q + QStringLiteral("Freq"), ch);
    if (!edit || !bypass || !slope || !fader)
        return;
    if (highPass)
        edit->SetText(EqFreqText(f));
    fader->SetPosition(FreqToIndex(f));
    const int code = bypass->Down() ? 0 : slope->ItemIndex() + 1;
    tmHpLpCurve->SetEnabled(true);
    PendingChannel = ch;
    PendingFreq = static_cast<float>(f);
    PendingSlope = code;
    PendingKind = highPass ? 1 : 0;
    HpLpParams r = UnitControl->GetHpLp(ch);
    if (highPass) {
        r.HpFreq = static_cast<std::uint16_t>(fader->Position());
        UnitControl->SetHp(ch, r);
    } else {
        r.LpFreq = static_cast<std::uint16_t>(fader->Position());
        UnitControl->SetLp(ch, r);
    }
    const int now = peq->GetNowIndex();
    if (now != 15 && now >= 0) {
        auto* button = Find<rz::TRzBmpButton>(this, BandButton(now, ch));
        if (!button)
            return;
        peq->SetNowIndex(-1);
        const bool allowAllUp = button->AllowAllUp();
        button->SetAllowAllUp(true);
        button->SetDown(false);
        button->SetAllowAllUp(allowAllUp);
    }
    edit->Font()->SetColor(0x008000);
}

void TfmMain::fftDrawInAMouseUp(vcl::TObject* Sender, vcl::TMouseButton, vcl::TShiftState, int, int)
{
    auto* plot = dynamic_cast<LMyFFTDrawPhase*>(Sender);
    if (!plot)
        return;
    const int ch = static_cast<int>(plot->Tag());
    // The drag ends with the release whatever controls are found.
    DragSlot = -1;
    for (const char* name : { "cvdLowCutFreq", "cvdHighCutFreq" }) {
        auto* edit = Find<TCurvyEdit>(this, QString::fromLatin1(name), ch);
        if (!edit)
            return;
        edit->Font()->SetColor(0);
    }
}

void TfmMain::tmMouseEqCurveTimer(vcl::TObject*)
{
    tmMouseEqCurve->SetEnabled(false);
    const int c = PendingChannel, b = PendingBand;
    if (c < 0 || c > 7 || b < 0 || b > 8)
        return;
    ShowBandParams(c, true, PendingFreq, PendingGain, PendingQ);
    FocusEqFreqEdit(c);
    if (Plot* curves = Plots[static_cast<std::size_t>(c)]) {
        if (FilterCurve* section = curves->Section(b)) {
            if (PendingBypass)
                section->SetFilter(0.0, PendingFreq, PendingQ, 10);
            else
                section->SetFilter(PendingGain, PendingFreq, PendingQ,
                                   PendingType >= 0 && PendingType <= 6 ? PeqTypeToCurveType[static_cast<std::size_t>(PendingType)] : 10);
        }
        curves->DrawMarker(b, static_cast<float>(PendingGain), 1);
        curves->ShowSelected(PendingType, b, static_cast<float>(PendingGain), PendingQ, true);
        curves->DrawSum(c);
    }
    if (auto* help = Find<vcl::TControl>(this, QStringLiteral("lbFftParam"), c)) {
        help->SetVisible(true);
        if (auto* plot = Find<LMyFFTDrawPhase>(this, QStringLiteral("fftDraw"), c))
            plot->UpdateCurvePage();
    }
}
