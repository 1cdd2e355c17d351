// Grabbing and dragging band and cut-off markers on the response plots.

#include "ui/editors/ResponsePlotMouse.h"

#include "ui/editors/CrossoverEditor.h"
#include "ui/editors/EditorText.h"
#include "ui/editors/EditorSet.h"

#include "controls/MyPEQAllpass.h"
#include "device/LUnitControl.h"
#include "device/ValueGrids.h"
#include "platform/ui/TTimer.h"
#include "response/Plot.h"
#include "responseplot/LMyFFTDrawPhase.h"
#include "widgets/AdvTrackBar.h"
#include "widgets/CurvyControls.h"
#include "widgets/RzBmpBtn.h"
#include "widgets/RzCmboBx.h"

#include <algorithm>
#include <cmath>

namespace editors {

QString EqFreqText(double f);

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
    const double g = k < HighPassSlot && k < peq.GetChannelNumber() ? -peq.GetGainValue(k) : 0.0;
    double yv = std::trunc((Y - AreaTop) / h * (plot.YMax() - plot.YMin())) + plot.YMin();
    if (g > 0)
        yv += 1;
    const int dy = static_cast<int>(std::trunc(std::abs(yv - g)));
    return std::abs(mx - bx) < 5 && dy < 2;
}

// The plot a mouse event came from and its channel; null for anything else.
LMyFFTDrawPhase* PlotOf(vcl::TObject* Sender, int& ch)
{
    auto* plot = dynamic_cast<LMyFFTDrawPhase*>(Sender);
    ch = plot ? static_cast<int>(plot->Tag()) : -1;
    return plot && IsChannel(ch) ? plot : nullptr;
}

} // namespace

void ResponsePlotMouse::MouseDown(vcl::TObject* Sender, bool leftButton, int x, int y)
{
    m_dragSlot = -1;
    int ch = -1;
    LMyFFTDrawPhase* plot = PlotOf(Sender, ch);
    if (!plot || !leftButton)
        return;
    const ChannelControls& c = Of(ch);
    for (int k = LastMarkerSlot; k >= 0; --k) {
        if (!HitSlot(*plot, *c.Peq, k, x, y, 1.0))
            continue;
        m_dragSlot = k;
        if (k >= BandCount(ch))
            return;
        rz::TRzBmpButton* button = c.Bands[static_cast<std::size_t>(k)];
        button->SetDown(true);
        button->Click();
    }
}

void ResponsePlotMouse::MouseMove(vcl::TObject* Sender, int x, int y)
{
    if (x == m_lastX && y == m_lastY)
        return;
    m_lastX = x;
    m_lastY = y;
    int ch = -1;
    LMyFFTDrawPhase* plot = PlotOf(Sender, ch);
    if (!plot || !Model())
        return;
    const TMyPEQAllpass& peq = *Of(ch).Peq;
    if (m_dragSlot == -1) {
        for (int k = LastMarkerSlot; k >= 0; --k) {
            plot->SetCursor(vcl::crDefault);
            if (HitSlot(*plot, peq, k, x, y, HoverScale)) {
                plot->SetCursor(vcl::crCross);
                break;
            }
        }
        return;
    }
    const double w = plot->GetPlotWidth(), h = plot->GetPlotHeight();
    if (w <= 0 || h <= 0)
        return;
    const double v = plot->XMin() + (x - AreaLeft) / w * (plot->XMax() - plot->XMin());
    const double g = m_dragSlot < peq.GetChannelNumber() ? -peq.GetGainValue(m_dragSlot) : 0.0;
    double yv = (y - AreaTop) / h * (plot->YMax() - plot->YMin()) + plot->YMin();
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

    if (m_dragSlot < HighPassSlot)
        DragBand(ch, f, gain);
    else
        DragCut(ch, f);
}

void ResponsePlotMouse::DragBand(int ch, double f, double gain)
{
    const int b = m_dragSlot;
    const ChannelControls& c = Of(ch);
    if (b >= BandCount(ch) || b >= c.Peq->GetChannelNumber())
        return;
    const double q = c.Peq->GetQValue(b);
    const int t = c.Peq->GetTypeValue(b);
    c.Peq->SetFreqValue(b, f);
    c.Peq->SetGainValue(b, gain);
    const bool bypass = c.Peq->GetBypassValue(b);
    c.Bands[static_cast<std::size_t>(b)]->SetDown(true);
    m_pending = { ch, b, static_cast<float>(f), gain, static_cast<float>(q), t, bypass };
    m_ctx.Timers.MouseEqCurve->SetEnabled(true);
    PeqBand band;
    band.Freq = static_cast<std::uint16_t>(std::min(FreqToIndex(f), 300));
    band.Gain = static_cast<std::uint16_t>(GainToIndex(gain));
    band.Q = static_cast<std::uint8_t>(QToIndex(q));
    band.Type = static_cast<std::uint8_t>(t);
    c.Peq->SetNowIndex(b);
    Model()->SetPeq(ch, b, band, bypass);
}

// Slots past the bands drag a cut-off: the high-pass at HighPassSlot, the low-pass beyond.
void ResponsePlotMouse::DragCut(int ch, double f)
{
    const CutSide side = m_dragSlot == HighPassSlot ? CutSide::HighPass : CutSide::LowPass;
    const ChannelControls& c = Of(ch);
    const CutControls& cut = CutOf(c, side);
    if (side == CutSide::HighPass)
        cut.FreqEdit->SetText(EqFreqText(f));
    cut.Freq->SetPosition(FreqToIndex(f));
    const int code = cut.Bypass->Down() ? 0 : cut.Slope->ItemIndex() + 1;
    Editors().Crossover().DeferRedraw(ch, side, code, f);
    LUnitControl& model = *Model();
    HpLpParams r = model.GetHpLp(ch);
    if (side == CutSide::HighPass) {
        r.HpFreq = static_cast<std::uint16_t>(cut.Freq->Position());
        model.SetHp(ch, r);
    } else {
        r.LpFreq = static_cast<std::uint16_t>(cut.Freq->Position());
        model.SetLp(ch, r);
    }
    const int now = c.Peq->GetNowIndex();
    if (now != NoBand && now >= 0) {
        if (now >= BandCount(ch))
            return;
        rz::TRzBmpButton* button = c.Bands[static_cast<std::size_t>(now)];
        c.Peq->SetNowIndex(-1);
        const bool allowAllUp = button->AllowAllUp();
        button->SetAllowAllUp(true);
        button->SetDown(false);
        button->SetAllowAllUp(allowAllUp);
    }
    cut.FreqEdit->Font()->SetColor(m_ctx.Window.CutTextColour(true));
}

void ResponsePlotMouse::MouseUp(vcl::TObject* Sender)
{
    int ch = -1;
    const bool fromPlot = dynamic_cast<LMyFFTDrawPhase*>(Sender) != nullptr;
    if (!fromPlot)
        return;
    // The drag ends with the release whatever controls are found.
    m_dragSlot = -1;
    if (!PlotOf(Sender, ch))
        return;
    const vcl::TColor resting = m_ctx.Window.CutTextColour(false);
    Of(ch).HighPass.FreqEdit->Font()->SetColor(resting);
    Of(ch).LowPass.FreqEdit->Font()->SetColor(resting);
}

void ResponsePlotMouse::ApplyPendingBand()
{
    const PendingBand& p = m_pending;
    if (!IsChannel(p.Channel) || p.Band < 0 || p.Band >= MaxBands)
        return;
    PeqEditor& peq = Editors().Peq();
    peq.ShowBandParams(p.Channel, true, p.Freq, p.Gain, p.Q);
    peq.FocusFreqEdit(p.Channel);
    if (Plot* curves = m_ctx.Plots[static_cast<std::size_t>(p.Channel)]) {
        SetBandSection(*curves, p.Band, p.Bypass, p.Gain, p.Freq, p.Q, p.Type);
        curves->DrawMarker(p.Band, static_cast<float>(p.Gain), 1);
        curves->ShowSelected(p.Type, p.Band, static_cast<float>(p.Gain), p.Q, true);
        curves->DrawSum(p.Channel);
    }
    Of(p.Channel).BandHelp->SetVisible(true);
    Of(p.Channel).Plot->UpdateCurvePage();
}

} // namespace editors
