// The axis under the user's hand: dragging, the wheel and the navigation keys scroll or zoom the
// scale, its hit test, hint, cursor, popup items and selection.

#include "plot/iPlotAxis.h"

#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"

#include <cmath>

using namespace vcl;

namespace {

constexpr WORD kPageUp = 33;
constexpr WORD kPageDown = 34;
constexpr WORD kEnd = 35;
constexpr WORD kHome = 36;
constexpr WORD kLeft = 37;
constexpr WORD kUp = 38;
constexpr WORD kRight = 39;
constexpr WORD kDown = 40;

double KeyAmount(WORD Key)
{
    switch (Key) {
    case kPageUp:
    case kEnd:
        return 1.0;
    case kPageDown:
    case kHome:
        return -1.0;
    case kUp:
    case kRight:
        return 0.01;
    case kLeft:
    case kDown:
        return -0.01;
    default:
        return 0.0;
    }
}

} // namespace

TiPlotAxisMode TiPlotAxis::GetEffectiveMode() const
{
    if (!FShiftState.Contains(TShiftStateItem::ssCtrl))
        return FMode;
    return FMode == TiPlotAxisMode::ipamScroll ? TiPlotAxisMode::ipamZoom : TiPlotAxisMode::ipamScroll;
}

void TiPlotAxis::ScrollBy(double Fraction)
{
    SettleOwed();
    if (FScaleType == TiPlotScaleType::ipstLinear) {
        double newMin = FMin + Fraction * FSpan;
        if (FScrollMinMaxEnabled) {
            if (newMin <= FScrollMin)
                newMin = FScrollMin;
            else if (newMin + FSpan >= FScrollMax)
                newMin = FScrollMax - FSpan;
        }
        SetMinSpan(newMin, FSpan);
        return;
    }
    const double decades = std::log10(Max()) - std::log10(FMin);
    const double factor = std::pow(10.0, Fraction * decades);
    double newMin = FMin * factor;
    double newMax = Max() * factor;
    if (FScrollMinMaxEnabled) {
        if (newMin <= FScrollMin) {
            newMin = FScrollMin;
            newMax = std::pow(10.0, decades) * FScrollMin;
        } else if (newMin + FSpan >= FScrollMax) {
            newMax = FScrollMax;
            newMin = FScrollMax / std::pow(10.0, decades);
        }
    }
    SetMinSpan(newMin, newMax - newMin);
}

void TiPlotAxis::ZoomBy(double Amount)
{
    SettleOwed();
    const double factor = std::pow(10.0, Amount);
    if (FScaleType == TiPlotScaleType::ipstLinear) {
        const double newSpan = FSpan / factor;
        SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
        return;
    }
    SetMinSpan(FMin * factor, FSpan / factor);
}

TiPlotComponent* TiPlotAxis::MasterPlot() const
{
    return FMasterUIInput ? dynamic_cast<TiPlotComponent*>(FOwner) : nullptr;
}

void TiPlotAxis::FireMinSpanFinished()
{
    if (FMin == FMouseDownMin && FSpan == FMouseDownSpan)
        return;
    if (auto* plot = dynamic_cast<TiPlotComponent*>(FOwner))
        plot->DoAxisMinSpanChangeFinished(this, FMouseDownMin, FMouseDownSpan, FMin, FSpan);
}

void TiPlotAxis::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    SettleOwed();
    if (TiPlotComponent* plot = MasterPlot())
        plot->MasterAxisMouseLeft(this, MouseData);
    FShiftState = MouseData.Shift;
    FMouseDown = true;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    FMouseDownMin = FMin;
    FMouseDownSpan = FSpan;
}

void TiPlotAxis::DoMouseMove(const TiPlotMouseData& MouseData)
{
    SettleOwed();
    if (!FMouseDown)
        return;
    if (TiPlotComponent* plot = MasterPlot())
        plot->MasterAxisMouseMove(this, MouseData);
    if (MouseData.DblClickActive)
        return;
    FShiftState = MouseData.Shift;
    InvalidateNow();
    SetTrackingEnabled(false);
    int delta = 0;
    if (IsHorz())
        delta = FReverseScale ? FMouseDownX - MouseData.X : MouseData.X - FMouseDownX;
    else
        delta = FReverseScale ? MouseData.Y - FMouseDownY : FMouseDownY - MouseData.Y;
    const int length = GetScaleLength();
    const double f = length != 0 ? double(delta) / length : 0.0;
    if (GetEffectiveMode() == TiPlotAxisMode::ipamScroll)
        ScrollBy(-f);
    else
        ZoomBy(FScaleType == TiPlotScaleType::ipstLinear ? f / 4 : 2 * f);
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
}

void TiPlotAxis::DoMouseUp(const TiPlotMouseData& MouseData)
{
    SettleOwed();
    if (!FMouseDown)
        return;
    if (TiPlotComponent* plot = MasterPlot())
        plot->MasterAxisMouseUp(this, MouseData);
    if (iMouseHitTest(MouseData))
        iplot::ObjectClick(this, MouseData.DblClickActive);
    FireMinSpanFinished();
    FMouseDown = false;
}

bool TiPlotAxis::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    SettleOwed();
    if (WheelDelta == 0)
        return true;
    SetTrackingEnabled(false);
    if (TiPlotComponent* plot = MasterPlot())
        plot->MasterAxisMouseWheel(this, WheelDelta, Shift, TPoint(X, Y));
    FShiftState = Shift;
    const double s = WheelDelta > 0 ? 1.0 : -1.0;
    if (GetEffectiveMode() == TiPlotAxisMode::ipamScroll)
        ScrollBy(0.05 * s);
    else
        ZoomBy((FScaleType == TiPlotScaleType::ipstLinear ? 0.025 : 0.05) * s);
    return true;
}

void TiPlotAxis::iKeyDown(WORD& Key, TShiftState Shift, TPopupMenu* PopupMenu)
{
    SettleOwed();
    TiPlotLayoutObject::iKeyDown(Key, Shift, PopupMenu);
    if (TiPlotComponent* plot = MasterPlot()) {
        WORD key = Key;
        plot->MasterAxisKeyDown(this, key, Shift);
    }
    SetTrackingEnabled(false);
    FMouseDownMin = FMin;
    FMouseDownSpan = FSpan;
    const double amount = KeyAmount(Key);
    if (amount == 0.0)
        return;
    InvalidateNow();
    if (FMode == TiPlotAxisMode::ipamScroll)
        ScrollBy(amount);
    else
        ZoomBy(amount);
    FireMinSpanFinished();
}

TCursor TiPlotAxis::GetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (FMode == TiPlotAxisMode::ipamZoom)
        cursor = IsHorz() ? crSizeWE : crSizeNS;
    if (auto* plot = dynamic_cast<TiPlotComponent*>(FOwner))
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

bool TiPlotAxis::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    SettleOwed();
    return MouseData.X >= FFocusRect.Left && MouseData.X < FFocusRect.Right && MouseData.Y >= FFocusRect.Top
           && MouseData.Y < FFocusRect.Bottom;
}

void TiPlotAxis::DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData)
{
    SettleOwed();
    if (FTitleShow)
        return;
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot)
        return;
    TCanvas* canvas = plot->Canvas();
    HintData.Text = FTitle;
    HintData.Left = MouseData.X;
    HintData.Top = MouseData.Y - 20;
    HintData.Width = canvas->TextWidth(FTitle) + 4;
    HintData.Height = canvas->TextHeight(FTitle) + 4;
    if (dynamic_cast<TiPlotXAxis*>(this))
        plot->DoXAxisCustomizeHint(this, HintData.Text);
    else
        plot->DoYAxisCustomizeHint(this, HintData.Text);
}

void TiPlotAxis::AddMenuItems(TPopupMenu* PopupMenu)
{
    SettleOwed();
    TiPlotLayoutObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
    auto* zoom = new TiMenuItem(PopupMenu);
    zoom->SetCaption(TranslateString(QStringLiteral("Zoom to Fit")));
    zoom->OnClick = [this](TObject*) { ZoomToFit(); };
    auto* resume = new TiMenuItem(PopupMenu);
    resume->SetCaption(TranslateString(QStringLiteral("Update Resume Values")));
    resume->SetEnabled(!FTrackingEnabled && (FMin != FPreviousMin || FSpan != FPreviousSpan));
    resume->OnClick = [this](TObject*) { UpdateResumeValues(); };
    auto* tracking = new TiMenuItem(PopupMenu);
    tracking->SetCaption(TranslateString(QStringLiteral("Tracking Enabled")));
    tracking->SetChecked(FTrackingEnabled);
    tracking->OnClick = [this](TObject*) { SetTrackingEnabled(!FTrackingEnabled); };
    PopupMenu->Items()->Insert(0, zoom);
    PopupMenu->Items()->Insert(0, resume);
    PopupMenu->Items()->Insert(0, tracking);
}
