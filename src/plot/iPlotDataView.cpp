#include "plot/iPlotDataView.h"

#include "plot/iGPCanvas.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"
#include "platform/ui/TCanvas.h"

#include <cmath>
#include <cstdlib>

using namespace vcl;

namespace {

constexpr WORD kEscape = 27;
constexpr double kPixelLimit = 32000.0;

int SaturatedPixel(double Pixel) { return static_cast<int>(std::clamp(std::nearbyint(Pixel), -kPixelLimit, kPixelLimit)); }

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

bool IsAll(const QString& Name) { return Name.compare(QStringLiteral("<ALL>"), Qt::CaseInsensitive) == 0; }

[[noreturn]] void RaiseNoExtent()
{
    throw Exception(QStringLiteral("Data View has no extent: percent positions need a width and a height"));
}

} // namespace

// ---------------------------------------------------------------- properties

void TiPlotDataView::SetGridStyle(TiPlotGridLineStyle Value, TiPlotGridLineStyle& Field)
{
    if (Value == Field)
        return;
    Field = Value;
    DoChange();
}

void TiPlotDataView::SetGridXAxisName(const QString& Value)
{
    if (Value == FGridXAxisName)
        return;
    FXAxis = nullptr;
    SetStringProperty(Value, FGridXAxisName, &TiPlotObject::DoChange);
}

void TiPlotDataView::SetGridYAxisName(const QString& Value)
{
    if (Value == FGridYAxisName)
        return;
    FYAxis = nullptr;
    SetStringProperty(Value, FGridYAxisName, &TiPlotObject::DoChange);
}

void TiPlotDataView::NotificationRemove(TObject* AObject)
{
    if (AObject == static_cast<TObject*>(FXAxis))
        FXAxis = nullptr;
    if (AObject == static_cast<TObject*>(FYAxis))
        FYAxis = nullptr;
    if (AObject == static_cast<TObject*>(FMouseDownObject))
        FMouseDownObject = nullptr;
}

void TiPlotDataView::NotificationRename(TiPlotObject* AObject)
{
    if (dynamic_cast<TiPlotXAxis*>(AObject) && AObject->NameOld().compare(FGridXAxisName, Qt::CaseInsensitive) == 0)
        FGridXAxisName = AObject->Name();
    else if (dynamic_cast<TiPlotYAxis*>(AObject)
             && AObject->NameOld().compare(FGridYAxisName, Qt::CaseInsensitive) == 0)
        FGridYAxisName = AObject->Name();
}

void TiPlotDataView::NotificationSetFocus(TiPlotObject* AObject)
{
    if (AObject != this && AObject && AObject->UserSelected())
        SetUserSelected(false);
}

// ---------------------------------------------------------------- drawing

void TiPlotDataView::DrawBackground(TCanvas* Canvas)
{
    if (FBackgroundTransparent)
        return;
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->Brush()->SetColor(FBackgroundColor);
    Canvas->FillRect(DrawRect());
}

TiPlotAxis* TiPlotDataView::GridAxis(bool XAxis)
{
    TiPlotAxis*& cached = XAxis ? FXAxis : FYAxis;
    if (!cached) {
        auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
        if (!plot)
            return nullptr;
        if (XAxis)
            cached = plot->GetXAxisByName(FGridXAxisName);
        else
            cached = plot->GetYAxisByName(FGridYAxisName);
    }
    return cached;
}

void TiPlotDataView::DrawGridOf(TCanvas* Canvas, bool XAxis)
{
    const GridKind majorKind = XAxis ? XMajor : YMajor;
    const GridKind minorKind = XAxis ? XMinor : YMinor;
    const TiPlotGridPen major = FCustom[majorKind] ? FPens[majorKind] : TiPlotGridPen { FGridLineColor, 0, FGridLineMajorStyle };
    const TiPlotGridPen minor = FCustom[minorKind] ? FPens[minorKind] : TiPlotGridPen { FGridLineColor, 0, FGridLineMinorStyle };
    const bool showMinors = XAxis ? FGridLineShowXMinors : FGridLineShowYMinors;
    const bool showMajors = XAxis ? FGridLineShowXMajors : FGridLineShowYMajors;
    const TRect rect = DrawRect();
    auto draw = [&](TiPlotAxis* axis) { axis->DrawGridLines(Canvas, rect, minor, major, showMinors, showMajors); };
    if (!IsAll(XAxis ? FGridXAxisName : FGridYAxisName)) {
        if (TiPlotAxis* axis = GridAxis(XAxis))
            draw(axis);
        return;
    }
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot)
        return;
    const int count = XAxis ? plot->XAxisCount() : plot->YAxisCount();
    for (int i = 0; i < count; ++i)
        draw(XAxis ? static_cast<TiPlotAxis*>(plot->XAxis(i)) : static_cast<TiPlotAxis*>(plot->YAxis(i)));
}

void TiPlotDataView::DrawFrame(TCanvas* Canvas) const
{
    if (FGridLineShowLeft)
        Line(Canvas, FLeft, FTop, FLeft, FBottom);
    if (FGridLineShowRight)
        Line(Canvas, FRight, FTop, FRight, FBottom);
    if (FGridLineShowTop)
        Line(Canvas, FLeft, FTop, FRight, FTop);
    if (FGridLineShowBottom)
        Line(Canvas, FLeft, FBottom, FRight + 1, FBottom);
}

void TiPlotDataView::Draw(TCanvas* Canvas, TColor BackGroundColor)
{
    if (FGridShow) {
        Canvas->Brush()->SetColor(BackGroundColor);
        DrawGridOf(Canvas, true);
        DrawGridOf(Canvas, false);
        Canvas->Pen()->SetColor(FGridLineColor);
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->Pen()->SetWidth(0);
        DrawFrame(Canvas);
    }
    if (FUserSelected) {
        Canvas->Pen()->SetColor(BackGroundColor);
        Canvas->Pen()->SetStyle(TPenStyle::psSolid);
        Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
        Line(Canvas, FLeft, FTop, FLeft, FBottom);
        Line(Canvas, FRight, FTop, FRight, FBottom);
        Line(Canvas, FLeft, FTop, FRight, FTop);
        Line(Canvas, FLeft, FBottom, FRight + 1, FBottom);
        Canvas->Font()->SetColor(clWhite);
        iDrawFocusRect(Canvas, TRect(FLeft, FTop, FRight + 1, FBottom + 1));
    }
}

void TiPlotDataView::DrawZoomBox(TCanvas* Canvas)
{
    if (!FZoomBoxActive)
        return;
    Canvas->Font()->SetColor(clWhite);
    iDrawFocusRect(Canvas, TRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
}

// ---------------------------------------------------------------- percent <-> pixels

double TiPlotDataView::PixelsXToPositionPercent(int X) const
{
    if (Width() == 0)
        RaiseNoExtent();
    return double(X - FLeft) / Width() * 100.0;
}

double TiPlotDataView::PixelsYToPositionPercent(int Y) const
{
    if (Height() == 0)
        RaiseNoExtent();
    return (1.0 - double(Y - FTop) / Height()) * 100.0;
}

int TiPlotDataView::PositionPercentToPixelsX(double Percent) const
{
    if (Width() == 0)
        RaiseNoExtent();
    return SaturatedPixel(Width() * Percent / 100.0 + FLeft);
}

int TiPlotDataView::PositionPercentToPixelsY(double Percent) const
{
    if (Height() == 0)
        RaiseNoExtent();
    return SaturatedPixel(Height() * (100.0 - Percent) / 100.0 + FTop);
}

// ---------------------------------------------------------------- mouse and keys

TiPlotDataView::ControlMode TiPlotDataView::GetControlMode() const
{
    const TiPlotToolBar* toolbar = iplot::FirstToolBar(this);
    if (toolbar && toolbar->SelectActive() && !FAxesControlAllowInSelectMode)
        return ControlMode::Select;
    if (toolbar && toolbar->ZoomBoxActive())
        return ControlMode::ZoomBox;
    return FAxesControlEnabled ? ControlMode::AxesControl : ControlMode::None;
}

template <typename Fn>
void TiPlotDataView::ForAxes(Fn fn)
{
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot)
        return;
    if (!(FDirectionLock && !FDirectionLockXAxis))
        for (int i = 0; i < plot->XAxisCount(); ++i)
            fn(static_cast<TiPlotAxis*>(plot->XAxis(i)));
    if (!(FDirectionLock && FDirectionLockXAxis))
        for (int i = 0; i < plot->YAxisCount(); ++i)
            fn(static_cast<TiPlotAxis*>(plot->YAxis(i)));
}

void TiPlotDataView::DisableAllTracking()
{
    auto* plot = dynamic_cast<TiPlotComponent*>(FOwner);
    if (!plot)
        return;
    for (int i = 0; i < plot->XAxisCount(); ++i)
        plot->XAxis(i)->SetTrackingEnabled(false);
    for (int i = 0; i < plot->YAxisCount(); ++i)
        plot->YAxis(i)->SetTrackingEnabled(false);
}

void TiPlotDataView::StartZoomBox(int X, int Y)
{
    FMouseMoveX = X;
    FMouseMoveY = Y;
    FZoomBoxActive = true;
    DisableAllTracking();
    InvalidateNow();
}

void TiPlotDataView::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    FDirectionLock = false;
    FMouseDown = true;
    switch (GetControlMode()) {
    case ControlMode::ZoomBox:
        FMouseDownX = MouseData.X;
        FMouseDownY = MouseData.Y;
        StartZoomBox(MouseData.X, MouseData.Y);
        break;
    case ControlMode::AxesControl:
        FMouseDownX = MouseData.X;
        FMouseDownY = MouseData.Y;
        ForAxes([&](TiPlotAxis* axis) { axis->DoMouseLeft(MouseData); });
        break;
    default:
        break;
    }
}

void TiPlotDataView::DoMouseRight(const TiPlotMouseData& MouseData)
{
    if (GetControlMode() != ControlMode::AxesControl)
        return;
    FMouseDownRight = true;
    FMouseDownX = FMouseMoveX = MouseData.X;
    FMouseDownY = FMouseMoveY = MouseData.Y;
}

void TiPlotDataView::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FMouseDown && !FMouseDownRight)
        return;
    if (FZoomBoxActive) {
        if (MouseData.DblClickActive)
            return;
        FMouseMoveX = MouseData.X;
        FMouseMoveY = MouseData.Y;
        InvalidateNow();
        return;
    }
    if (GetControlMode() != ControlMode::AxesControl)
        return;
    if (FMouseDownRight) {
        if (std::abs(MouseData.X - FMouseDownX) > 5 || std::abs(MouseData.Y - FMouseDownY) > 5) {
            CancelMouseDownPopup();
            StartZoomBox(MouseData.X, MouseData.Y);
        }
        return;
    }
    const bool shift = MouseData.Shift.Contains(TShiftStateItem::ssShift);
    switch (FAxesControlMouseStyle) {
    case TiPlotAxesControlStyle::ipacsXAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = !shift;
        break;
    case TiPlotAxesControlStyle::ipacsYAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = shift;
        break;
    case TiPlotAxesControlStyle::ipacsBoth:
        if (shift && !FDirectionLock) {
            if (std::abs(MouseData.X - FMouseDownX) > 3) {
                FDirectionLock = true;
                FDirectionLockXAxis = true;
            }
            if (std::abs(MouseData.Y - FMouseDownY) > 3) {
                FDirectionLock = true;
                FDirectionLockXAxis = false;
            }
        }
        break;
    case TiPlotAxesControlStyle::ipacsNone:
        return;
    }
    ForAxes([&](TiPlotAxis* axis) { axis->DoMouseMove(MouseData); });
}

void TiPlotDataView::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (!FMouseDown && !FMouseDownRight)
        return;
    if (FZoomBoxActive) {
        if (!MouseData.DblClickActive && FMouseDownX < FMouseMoveX && FMouseDownY < FMouseMoveY)
            ApplyZoomBox(TRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
    } else if (GetControlMode() == ControlMode::AxesControl) {
        FDirectionLock = false;
        ForAxes([&](TiPlotAxis* axis) { axis->DoMouseUp(MouseData); });
    }
    if (MouseData.X >= FLeft && MouseData.X < FRight && MouseData.Y >= FTop && MouseData.Y < FBottom)
        iplot::ObjectClick(this, MouseData.DblClickActive);
    FMouseDown = false;
    FMouseDownRight = false;
    FZoomBoxActive = false;
    InvalidateNow();
}

bool TiPlotDataView::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    if (GetControlMode() != ControlMode::AxesControl)
        return false;
    const bool shift = Shift.Contains(TShiftStateItem::ssShift);
    switch (FAxesControlWheelStyle) {
    case TiPlotAxesControlStyle::ipacsXAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = !shift;
        break;
    case TiPlotAxesControlStyle::ipacsYAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = shift;
        break;
    case TiPlotAxesControlStyle::ipacsBoth:
        FDirectionLock = false;
        break;
    case TiPlotAxesControlStyle::ipacsNone:
        return false;
    }
    ForAxes([&](TiPlotAxis* axis) { axis->DoMouseWheel(WheelDelta, Shift, X, Y); });
    return true;
}

void TiPlotDataView::iKeyDown(WORD& Key, TShiftState Shift, TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::iKeyDown(Key, Shift, PopupMenu);
    if (Key == kEscape && FZoomBoxActive) {
        FZoomBoxActive = false;
        FMouseDown = false;
        FMouseDownRight = false;
        InvalidateNow();
    }
}

TCursor TiPlotDataView::GetMouseCursor(TPoint)
{
    TCursor cursor = crDefault;
    switch (GetControlMode()) {
    case ControlMode::ZoomBox:
        cursor = crDrag;
        break;
    case ControlMode::AxesControl:
        cursor = crHandPoint;
        break;
    default:
        break;
    }
    if (auto* plot = dynamic_cast<TiPlotComponent*>(FOwner))
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotDataView::AddMenuItems(TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotDataView::ApplyZoomBox(TRect Rect)
{
    bool cancel = false;
    if (OnBeforeZoomBox)
        OnBeforeZoomBox(Rect, cancel);
    if (cancel)
        return;
    FDirectionLock = false;
    ForAxes([&](TiPlotAxis* axis) { axis->ZoomToRect(Rect); });
}
