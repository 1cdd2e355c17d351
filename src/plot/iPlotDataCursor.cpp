#include "plot/iPlotDataCursor.h"

#include "plot/iGPCanvas.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotStripChannel.h"

#include "platform/ui/TCanvas.h"

#include <algorithm>

using namespace vcl;

namespace {

const QString kAll = QStringLiteral("<All>");

TiOrientation Other(TiOrientation Value)
{
    return Value == TiOrientation::ioVertical ? TiOrientation::ioHorizontal : TiOrientation::ioVertical;
}

} // namespace

TiPlotDataCursor::TiPlotDataCursor(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FFont(std::make_unique<TFont>()),
      FStatus(TiPlotDataPointStatus::ipdpsValid)
{
    FVisible = false;
    FEnabled = true;
    FFont->OnChange = [this](TObject*) { DoChange(); };
    DeriveLayout();
}

TiPlotDataCursor::~TiPlotDataCursor() { FFont->OnChange = nullptr; }

double TiPlotDataCursor::Clamp100(double Value)
{
    if (!(Value >= 0.0))
        return 0.0;
    return std::min(Value, 100.0);
}

bool TiPlotDataCursor::IsAllChannels() const { return FChannelName.compare(kAll, Qt::CaseInsensitive) == 0; }

bool TiPlotDataCursor::IsDeltaStyle() const
{
    return FStyle == TiPlotDataCursorStyle::ipcsDeltaX || FStyle == TiPlotDataCursorStyle::ipcsDeltaY
        || FStyle == TiPlotDataCursorStyle::ipcsInverseDeltaX;
}

int TiPlotDataCursor::Index() const
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    return plot ? iplot::IndexIn(plot->Master()->DataCursorManager(), this) : -1;
}

void TiPlotDataCursor::SetChannelName(const QString& Value)
{
    if (FChannelName == Value)
        return;
    FChannel = nullptr;
    FChannelName = Value;
    DoChange();
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    DeriveLayout();
    DoChange();
}

void TiPlotDataCursor::SetFont(const TFont* Value)
{
    if (Value)
        FFont->Assign(const_cast<TFont*>(Value));
}

void TiPlotDataCursor::SetHintOrientationSide(TiOrientationSide Value)
{
    if (FHintOrientationSide == Value)
        return;
    FHintOrientationSide = Value;
    DoChange();
}

void TiPlotDataCursor::DeriveLayout()
{
    using S = TiPlotDataCursorStyle;
    const bool strip = iplot::IsStripChart(this);
    FPointer1Show = FPointer2Show = true;
    FPointer1Orientation = FHintOrientation = TiOrientation::ioVertical;
    FPointer2Orientation = TiOrientation::ioHorizontal;
    if (strip && (FStyle == S::ipcsValueXY || FStyle == S::ipcsValueX || FStyle == S::ipcsValueY)) {
        FPointer2Show = false;
    } else {
        switch (FStyle) {
        case S::ipcsValueXY: break;
        case S::ipcsValueX: FPointer2Show = false; break;
        case S::ipcsValueY:
            FPointer1Show = false;
            FHintOrientation = TiOrientation::ioHorizontal;
            break;
        case S::ipcsDeltaX:
        case S::ipcsInverseDeltaX: FPointer2Orientation = TiOrientation::ioVertical; break;
        case S::ipcsDeltaY:
            FPointer1Orientation = FHintOrientation = TiOrientation::ioHorizontal;
            break;
        }
    }
    if (FXYAxesReversed) {
        FPointer1Orientation = Other(FPointer1Orientation);
        FPointer2Orientation = Other(FPointer2Orientation);
        FHintOrientation = Other(FHintOrientation);
    }
}

void TiPlotDataCursor::SetXYAxesReversed(bool Value)
{
    TiPlotManagerObject::SetXYAxesReversed(Value);
    DeriveLayout();
}

void TiPlotDataCursor::SetVisible(bool Value)
{
    TiPlotManagerObject::SetVisible(Value);
    if (Value)
        UpdateValues();
}

TiPlotChannelCustom* TiPlotDataCursor::GetChannel()
{
    if (FChannel)
        return FChannel;
    if (IsAllChannels())
        return nullptr;
    if (const TiPlotComponent* plot = iplot::PlotOf(this))
        FChannel = plot->GetChannelByName(FChannelName);
    return FChannel;
}

void TiPlotDataCursor::UpdateValues()
{
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot)
        return;
    if (plot->OnBeforeDataCursorUpdate && !plot->IsLoading())
        plot->OnBeforeDataCursorUpdate(plot, Index());
    if (IsAllChannels()) {
        for (int i = 0; i < plot->ChannelCount(); ++i)
            plot->Channel(i)->CalcDataCursor(this);
    } else if (TiPlotChannelCustom* channel = GetChannel()) {
        channel->CalcDataCursor(this);
    }
}

void TiPlotDataCursor::SetValues(TiPlotDataPointStatus Status, double X, double Y)
{
    if (X == FValueX && Y == FValueY && Status == FStatus)
        return;
    FValueX = X;
    FValueY = Y;
    FStatus = Status;
    // The one object event that fires while the plot loads.
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (plot && plot->OnDataCursorChange)
        plot->OnDataCursorChange(plot, Index());
}

void TiPlotDataCursor::NotificationRemove(TObject* AObject)
{
    if (AObject == FDataView)
        FDataView = nullptr;
    if (AObject == FChannel)
        FChannel = nullptr;
}

void TiPlotDataCursor::NotificationRename(TiPlotObject* AObject)
{
    if (dynamic_cast<TiPlotChannelCustom*>(AObject)
        && AObject->NameOld().compare(FChannelName, Qt::CaseInsensitive) == 0)
        FChannelName = AObject->Name();
}

void TiPlotDataCursor::NotificationSetFocus(TiPlotObject* AObject)
{
    if (!AObject || AObject == this || !AObject->UserSelected())
        return;
    if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(AObject); channel && FUserSelected) {
        if (channel != GetChannel())
            SetChannelName(channel->Name());
        return;
    }
    if (AObject == GetChannel())
        return;
    SetUserSelected(false);
}

void TiPlotDataCursor::DoGotFocus()
{
    TiPlotManagerObject::DoGotFocus();
    if (TiPlotChannelCustom* channel = GetChannel())
        channel->SetUserSelected(true);
}

TColor TiPlotDataCursor::PointerColor()
{
    TiPlotChannelCustom* channel = GetChannel();
    return FUseChannelColor && channel ? channel->Color() : FColor;
}

void TiPlotDataCursor::Draw(TCanvas* Canvas, TColor)
{
    FHintShowing = false;
    if (!FDataView || !FVisible)
        return;
    UpdateValues();
    Canvas->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas->Pen()->SetColor(PointerColor());
    DrawPointer(Canvas, FPointer1Show, FPointer1Orientation, FPointer1Position, FMouseDownPointer1, FPointer1Rect);
    DrawPointer(Canvas, FPointer2Show, FPointer2Orientation, FPointer2Position, FMouseDownPointer2, FPointer2Rect);
    const bool hint = FHintShow && !IsAllChannels() && !(FHintHideOnRelease && !FMouseDownPointer1 && !FMouseDownPointer2);
    if (hint)
        DrawHint(Canvas);
}

void TiPlotDataCursor::DrawPointer(TCanvas* Canvas, bool Show, TiOrientation Orientation, double Position,
                                   bool Dragged, TRect& Band)
{
    if (!Show)
        return;
    const TRect view = FDataView->DrawRect();
    Canvas->Pen()->SetWidth(Dragged ? 0 : FPointerPenWidth);
    if (Orientation == TiOrientation::ioVertical) {
        const int x = iplot::PercentToPixelsX(*FDataView, Position);
        Canvas->MoveTo(x, view.Top);
        Canvas->LineTo(x, view.Bottom);
        Band = TRect(x - 5, view.Top, x + 6, view.Bottom);
    } else {
        const int y = iplot::PercentToPixelsY(*FDataView, Position);
        Canvas->MoveTo(view.Left, y);
        Canvas->LineTo(view.Right, y);
        Band = TRect(view.Left, y - 5, view.Right, y + 6);
    }
}

bool TiPlotDataCursor::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (!FDataView)
        return false;
    const TPoint p(MouseData.X, MouseData.Y);
    return (FPointer1Show && FPointer1Rect.Contains(p)) || (FPointer2Show && FPointer2Rect.Contains(p))
        || (FHintShowing && FHintRect.Contains(p));
}

void TiPlotDataCursor::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (!FDataView)
        return;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    const TPoint p(MouseData.X, MouseData.Y);
    auto pixelOf = [this](TiOrientation Orientation, double Position) {
        return Orientation == TiOrientation::ioVertical ? iplot::PercentToPixelsX(*FDataView, Position)
                                                        : iplot::PercentToPixelsY(*FDataView, Position);
    };
    if (FHintShowing && FHintRect.Contains(p)) {
        FMouseDownHint = true;
        // The hint slides along its pointer: across its own orientation.
        const int pixel = pixelOf(Other(FHintOrientation), FHintPosition);
        FMouseDownXPixels = FMouseDownYPixels = pixel;
        InvalidateNow();
    } else if (FPointer1Show && FPointer1Rect.Contains(p)) {
        FMouseDownPointer1 = true;
        FMouseDownXPixels = FMouseDownYPixels = pixelOf(FPointer1Orientation, FPointer1Position);
        UpdateValues();
        InvalidateNow();
    } else if (FPointer2Show && FPointer2Rect.Contains(p)) {
        FMouseDownPointer2 = true;
        FMouseDownXPixels = FMouseDownYPixels = pixelOf(FPointer2Orientation, FPointer2Position);
        UpdateValues();
        InvalidateNow();
    }
}

void TiPlotDataCursor::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FDataView || !Dragging())
        return;
    // Along x for a vertical pointer or a horizontal hint, along y otherwise.
    auto moved = [&](bool AlongX) {
        return AlongX ? Clamp100(iplot::PixelsXToPercent(*FDataView, FMouseDownXPixels + MouseData.X - FMouseDownX))
                      : Clamp100(iplot::PixelsYToPercent(*FDataView, FMouseDownYPixels + MouseData.Y - FMouseDownY));
    };
    if (FMouseDownHint)
        FHintPosition = moved(FHintOrientation == TiOrientation::ioHorizontal);
    else if (FMouseDownPointer1)
        FPointer1Position = moved(FPointer1Orientation == TiOrientation::ioVertical);
    else
        FPointer2Position = moved(FPointer2Orientation == TiOrientation::ioVertical);
    UpdateValues();
    InvalidateNow();
}

void TiPlotDataCursor::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (Dragging()) {
        if (FMouseDownPointer1)
            SnapPointer(false);
        if (FMouseDownPointer2)
            SnapPointer(true);
        FMouseDownPointer1 = FMouseDownPointer2 = FMouseDownHint = false;
        InvalidateNow();
    }
    if (FMouseDown && iMouseHitTest(MouseData))
        iplot::ObjectClick(this, MouseData.DblClickActive);
}

TCursor TiPlotDataCursor::GetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (TiPlotComponent* plot = iplot::PlotOf(this); plot && plot->OnGetMouseCursorDataCursor)
        plot->OnGetMouseCursorDataCursor(plot, Index(), cursor);
    return cursor;
}

TiPlotDataPointStatus TiPlotDataCursor::GetInterpolatedYValue(const QString& ChannelName, double XValue,
                                                             double& YValue)
{
    YValue = 0.0;
    TiPlotComponent* plot = iplot::PlotOf(this);
    auto* channel = plot ? dynamic_cast<TiPlotChannel*>(plot->GetChannelByName(ChannelName)) : nullptr;
    TiPlotXAxis* axis = channel ? channel->XAxis() : nullptr;
    if (!axis)
        return TiPlotDataPointStatus::ipdpsNull;
    const bool visible = FVisible;
    const TiPlotDataCursorStyle style = FStyle;
    const QString name = FChannelName;
    TiPlotChannelCustom* cached = FChannel;
    const double pointer1 = FPointer1Position;
    const double min = axis->Min();
    FVisible = true;
    FStyle = TiPlotDataCursorStyle::ipcsValueXY;
    FChannelName = ChannelName;
    FChannel = channel;
    DeriveLayout();
    if (FUseCachedInterpolatedData) {
        FPointer1Position = axis->PositionToPercent(XValue) * 100.0;
    } else {
        FPointer1Position = 0.0;
        axis->SetMin(XValue);
        plot->ReCalcLayout();
    }
    UpdateValues();
    const TiPlotDataPointStatus status = FStatus;
    YValue = FValueY;
    FVisible = visible;
    FStyle = style;
    FChannelName = name;
    FChannel = cached;
    FPointer1Position = pointer1;
    DeriveLayout();
    if (axis->Min() != min)
        axis->SetMin(min);
    return status;
}
