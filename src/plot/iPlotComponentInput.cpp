// The plot's mouse, keyboard and hint handling: finding the object under the mouse, routing presses,
// moves, releases, the wheel and keys to it or to the selected objects, the delayed hover hint on
// the internal timer, input shared between axes, and the per-object events.

#include "plot/iPlotComponent.h"

#include "plot/iPlotButton.h"
#include "plot/iPlotManagers.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

using namespace vcl;

namespace {

constexpr int kKinds = int(TiPlotEventKind::Count);

template <typename T>
bool Is(const TiPlotObject* AObject)
{
    return dynamic_cast<const T*>(AObject) != nullptr;
}

bool IsAxis(const TiPlotObject* AObject) { return Is<TiPlotAxis>(AObject); }

// A button placed inside a legend, a table or a toolbar.
bool IsButton(const TiPlotObject* AObject) { return Is<TiPlotButton>(AObject); }

// Buttons answer hints for their toolbar; the hint stays while the mouse moves over them.
bool IsToolBarButton(const TiPlotObject* AObject) { return IsButton(AObject); }

bool InRect(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

} // namespace

// ---------------------------------------------------------------- kinds and indexes

TiPlotEventKind TiPlotComponent::EventKind(const TiPlotObject* AObject) const
{
    if (Is<TiPlotChannelCustom>(AObject))
        return TiPlotEventKind::Channel;
    if (Is<TiPlotXAxis>(AObject))
        return TiPlotEventKind::XAxis;
    if (Is<TiPlotYAxis>(AObject))
        return TiPlotEventKind::YAxis;
    if (Is<TiPlotDataCursor>(AObject))
        return TiPlotEventKind::DataCursor;
    if (Is<TiPlotDataView>(AObject))
        return TiPlotEventKind::DataView;
    if (Is<TiPlotLegend>(AObject))
        return TiPlotEventKind::Legend;
    if (Is<TiPlotLimit>(AObject))
        return TiPlotEventKind::Limit;
    if (Is<TiPlotAnnotation>(AObject))
        return TiPlotEventKind::Annotation;
    return TiPlotEventKind::Count;
}

int TiPlotComponent::KindIndex(TiPlotEventKind Kind, const TiPlotObject* AObject) const
{
    switch (Kind) {
    case TiPlotEventKind::Channel: return FMaster->ChannelManager()->GetIndex(AObject);
    case TiPlotEventKind::XAxis: return FMaster->XAxisManager()->GetIndex(AObject);
    case TiPlotEventKind::YAxis: return FMaster->YAxisManager()->GetIndex(AObject);
    case TiPlotEventKind::DataCursor: return FMaster->DataCursorManager()->GetIndex(AObject);
    case TiPlotEventKind::DataView: return FMaster->DataViewManager()->GetIndex(AObject);
    case TiPlotEventKind::Legend: return FMaster->LegendManager()->GetIndex(AObject);
    case TiPlotEventKind::Limit: return FMaster->LimitManager()->GetIndex(AObject);
    case TiPlotEventKind::Annotation: return FMaster->AnnotationManager()->GetIndex(AObject);
    case TiPlotEventKind::Count: break;
    }
    return -1;
}

int TiPlotComponent::ChannelIndex(const TiPlotChannelCustom* Channel) const
{
    return FMaster->ChannelManager()->GetIndex(Channel);
}

template <typename Event, typename... Args>
void TiPlotComponent::FireKind(const Event* const (&Family)[kKinds], TiPlotObject* AObject, Args&&... args)
{
    if (IsLoading() || !AObject)
        return;
    const TiPlotEventKind kind = EventKind(AObject);
    if (kind == TiPlotEventKind::Count)
        return;
    const Event* event = Family[int(kind)];
    if (event && *event)
        (*event)(this, KindIndex(kind, AObject), std::forward<Args>(args)...);
}

// ---------------------------------------------------------------- object events

void TiPlotComponent::DoObjectMouseDown(TiPlotObject* AObject, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TiPlotObjectMouseEvent* const family[kKinds] = { &OnMouseDownChannel, &OnMouseDownXAxis, &OnMouseDownYAxis,
        &OnMouseDownDataCursor, &OnMouseDownDataView, &OnMouseDownLegend, &OnMouseDownLimit, &OnMouseDownAnnotation };
    FireKind(family, AObject, Button, Shift, X, Y);
}

void TiPlotComponent::DoObjectMouseMove(TiPlotObject* AObject, TShiftState Shift, int X, int Y)
{
    const TiPlotObjectMouseMoveEvent* const family[kKinds] = { &OnMouseMoveChannel, &OnMouseMoveXAxis,
        &OnMouseMoveYAxis, &OnMouseMoveDataCursor, &OnMouseMoveDataView, &OnMouseMoveLegend, &OnMouseMoveLimit,
        &OnMouseMoveAnnotation };
    FireKind(family, AObject, Shift, X, Y);
}

void TiPlotComponent::DoObjectMouseUp(TiPlotObject* AObject, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TiPlotObjectMouseEvent* const family[kKinds] = { &OnMouseUpChannel, &OnMouseUpXAxis, &OnMouseUpYAxis,
        &OnMouseUpDataCursor, &OnMouseUpDataView, &OnMouseUpLegend, &OnMouseUpLimit, &OnMouseUpAnnotation };
    FireKind(family, AObject, Button, Shift, X, Y);
}

void TiPlotComponent::DoObjectMouseWheel(TiPlotObject* AObject, int WheelDelta, TShiftState Shift, int X, int Y)
{
    // Only strip-chart channels report the wheel; an XY channel fires nothing.
    const TiPlotObjectMouseWheelEvent* const family[kKinds] = {
        Is<TiPlotChannel>(AObject) ? &OnMouseWheelChannel : nullptr, &OnMouseWheelXAxis, &OnMouseWheelYAxis,
        &OnMouseWheelDataCursor, &OnMouseWheelDataView, &OnMouseWheelLegend, &OnMouseWheelLimit,
        &OnMouseWheelAnnotation
    };
    FireKind(family, AObject, WheelDelta, Shift, X, Y);
}

void TiPlotComponent::ObjectClick(TiPlotObject* Object, bool DblClickActive)
{
    FDBLClickActive = FDBLClickActive || DblClickActive;
    DoObjectClick(Object);
}

void TiPlotComponent::DoObjectClick(TiPlotObject* AObject)
{
    const bool dbl = FDBLClickActive;
    const TiPlotObjectEvent* const clicks[kKinds] = { &OnClickChannel, &OnClickXAxis, &OnClickYAxis,
        &OnClickDataCursor, &OnClickDataView, &OnClickLegend, &OnClickLimit, &OnClickAnnotation };
    const TiPlotObjectEvent* const dblClicks[kKinds] = { &OnDblClickChannel, &OnDblClickXAxis, &OnDblClickYAxis,
        &OnDblClickDataCursor, &OnDblClickDataView, &OnDblClickLegend, &OnDblClickLimit, &OnDblClickAnnotation };
    FireKind(dbl ? dblClicks : clicks, AObject);
    FDBLClickActive = false;
}

void TiPlotComponent::DoObjectGetMouseCursor(TiPlotObject* AObject, TCursor& MouseCursor)
{
    const TiPlotObjectGetMouseCursorEvent* const family[kKinds] = { &OnGetMouseCursorChannel, &OnGetMouseCursorXAxis,
        &OnGetMouseCursorYAxis, &OnGetMouseCursorDataCursor, &OnGetMouseCursorDataView, &OnGetMouseCursorLegend,
        &OnGetMouseCursorLimit, &OnGetMouseCursorAnnotation };
    FireKind(family, AObject, MouseCursor);
}

void TiPlotComponent::DoObjectGotFocus(TiPlotObject* AObject)
{
    const TiPlotObjectEvent* const family[kKinds] = { &OnGotFocusChannel, &OnGotFocusXAxis, &OnGotFocusYAxis,
        &OnGotFocusDataCursor, &OnGotFocusDataView, &OnGotFocusLegend, nullptr, &OnGotFocusAnnotation };
    FireKind(family, AObject);
}

void TiPlotComponent::DoObjectLostFocus(TiPlotObject* AObject)
{
    const TiPlotObjectEvent* const family[kKinds] = { &OnLostFocusChannel, &OnLostFocusXAxis, &OnLostFocusYAxis,
        &OnLostFocusDataCursor, &OnLostFocusDataView, &OnLostFocusLegend, nullptr, &OnLostFocusAnnotation };
    FireKind(family, AObject);
}

void TiPlotComponent::DoObjectPopupMenu(TiPlotObject* AObject, bool& Cancel, int ScreenX, int ScreenY)
{
    const TiPlotPopupMenuEvent* const family[kKinds] = { &OnPopupMenuChannel, &OnPopupMenuXAxis, &OnPopupMenuYAxis,
        &OnPopupMenuDataCursor, &OnPopupMenuDataView, &OnPopupMenuLegend, &OnPopupMenuLimit, &OnPopupMenuAnnotation };
    FireKind(family, AObject, Cancel, ScreenX, ScreenY);
}

// ---------------------------------------------------------------- data point events

void TiPlotComponent::DoDataPointClick(TiPlotChannelCustom* Channel, int DataIndex)
{
    if (IsLoading())
        return;
    const TiPlotClickDataPointEvent& event = FDBLClickActive ? OnDblClickDataPoint : OnClickDataPoint;
    if (event)
        event(this, ChannelIndex(Channel), DataIndex);
}

void TiPlotComponent::DoDataPointMouseDown(TiPlotChannelCustom* Channel, int DataIndex, const TiPlotMouseData& M)
{
    if (!IsLoading() && OnMouseDownDataPoint)
        OnMouseDownDataPoint(this, ChannelIndex(Channel), DataIndex, M.Button, M.Shift, M.X, M.Y);
}

void TiPlotComponent::DoDataPointMouseMove(TiPlotChannelCustom* Channel, int DataIndex, const TiPlotMouseData& M)
{
    if (!IsLoading() && OnMouseMoveDataPoint)
        OnMouseMoveDataPoint(this, ChannelIndex(Channel), DataIndex, M.Shift, M.X, M.Y);
}

void TiPlotComponent::DoDataPointMouseUp(TiPlotChannelCustom* Channel, int DataIndex, const TiPlotMouseData& M)
{
    if (!IsLoading() && OnMouseUpDataPoint)
        OnMouseUpDataPoint(this, ChannelIndex(Channel), DataIndex, M.Button, M.Shift, M.X, M.Y);
}

void TiPlotComponent::DoDataPointMoved(TiPlotChannelCustom* Channel, int DataIndex, double OldX, double OldY,
                                       double NewX, double NewY)
{
    if (!IsLoading() && OnDataPointMoved)
        OnDataPointMoved(this, ChannelIndex(Channel), DataIndex, OldX, OldY, NewX, NewY);
}

void TiPlotComponent::DoDataPointCustomizeHint(TiPlotChannelCustom* Channel, int DataPointIndex, QString& AText)
{
    if (!IsLoading() && OnDataPointCustomizeHint)
        OnDataPointCustomizeHint(this, ChannelIndex(Channel), DataPointIndex, AText);
}

// ---------------------------------------------------------------- axis, hint and other events

void TiPlotComponent::DoAxisCustomizeLabel(TiPlotAxis* Axis, QString& Text, double Value)
{
    if (IsLoading())
        return;
    FTempCustomLabel = Text;
    if (Is<TiPlotXAxis>(Axis) && OnXAxisCustomizeLabel)
        OnXAxisCustomizeLabel(this, FMaster->XAxisManager()->GetIndex(Axis), Value, FTempCustomLabel);
    else if (Is<TiPlotYAxis>(Axis) && OnYAxisCustomizeLabel)
        OnYAxisCustomizeLabel(this, FMaster->YAxisManager()->GetIndex(Axis), Value, FTempCustomLabel);
    Text = FTempCustomLabel;
}

namespace {

template <typename Event, typename Manager, typename... Args>
void FireIndexed(bool Loading, const Event& event, TObject* Sender, Manager* manager, const TiPlotObject* AObject,
                 Args&&... args)
{
    if (!Loading && event && manager)
        event(Sender, manager->GetIndex(AObject), std::forward<Args>(args)...);
}

} // namespace

void TiPlotComponent::DoXAxisCustomizeHint(TiPlotObject* AObject, QString& AText)
{
    FireIndexed(IsLoading(), OnXAxisCustomizeHint, this, FMaster->XAxisManager(), AObject, AText);
}

void TiPlotComponent::DoYAxisCustomizeHint(TiPlotObject* AObject, QString& AText)
{
    FireIndexed(IsLoading(), OnYAxisCustomizeHint, this, FMaster->YAxisManager(), AObject, AText);
}

void TiPlotComponent::DoDataCursorCustomizeHint(TiPlotObject* AObject, QString& AText)
{
    FireIndexed(IsLoading(), OnDataCursorCustomizeHint, this, FMaster->DataCursorManager(), AObject, AText);
}

void TiPlotComponent::DoToolBarButtonClick(TiPlotObject* ToolBar, TiPlotToolBarButtonType ButtonType)
{
    FireIndexed(IsLoading(), OnToolBarButtonClick, this, FMaster->ToolBarManager(), ToolBar, ButtonType);
}

void TiPlotComponent::DoBeforeToolBarButtonClick(TiPlotObject* ToolBar, TiPlotToolBarButtonType ButtonType,
                                                 bool& Cancel)
{
    FireIndexed(IsLoading(), OnBeforeToolBarButtonClick, this, FMaster->ToolBarManager(), ToolBar, ButtonType,
                Cancel);
}

void TiPlotComponent::DoBeforeDataCursorUpdate(TiPlotObject* Cursor)
{
    FireIndexed(IsLoading(), OnBeforeDataCursorUpdate, this, FMaster->DataCursorManager(), Cursor);
}

void TiPlotComponent::DoDataCursorChange(TiPlotObject* Cursor)
{
    FireIndexed(false, OnDataCursorChange, this, FMaster->DataCursorManager(), Cursor);
}

void TiPlotComponent::DoAnnotationCoordinatesChange(TiPlotObject* Annotation)
{
    FireIndexed(IsLoading(), OnAnnotationCoordinatesChange, this, FMaster->AnnotationManager(), Annotation);
}

void TiPlotComponent::DoAnnotationMoveUser(TiPlotObject* Annotation)
{
    FireIndexed(IsLoading(), OnAnnotationMoveUser, this, FMaster->AnnotationManager(), Annotation);
}

void TiPlotComponent::DoAnnotationResizeUser(TiPlotObject* Annotation)
{
    FireIndexed(IsLoading(), OnAnnotationResizeUser, this, FMaster->AnnotationManager(), Annotation);
}

void TiPlotComponent::DoAnnotationCoordinatesChangeFinished(TiPlotObject* Annotation)
{
    FireIndexed(IsLoading(), OnAnnotationCoordinatesChangeFinished, this, FMaster->AnnotationManager(), Annotation);
}

void TiPlotComponent::DoLimitLine1PositionChange(TiPlotObject* Limit, double OldValue, double NewValue)
{
    FireIndexed(IsLoading(), OnLimitLine1PositionChange, this, FMaster->LimitManager(), Limit, OldValue, NewValue);
}

void TiPlotComponent::DoLimitLine2PositionChange(TiPlotObject* Limit, double OldValue, double NewValue)
{
    FireIndexed(IsLoading(), OnLimitLine2PositionChange, this, FMaster->LimitManager(), Limit, OldValue, NewValue);
}

void TiPlotComponent::DoAxisMinChange(TiPlotAxis* Axis, double OldValue, double NewValue)
{
    if (Is<TiPlotXAxis>(Axis))
        FireIndexed(IsLoading(), OnXAxisMinChange, this, FMaster->XAxisManager(), Axis, OldValue, NewValue);
    else if (Is<TiPlotYAxis>(Axis))
        FireIndexed(IsLoading(), OnYAxisMinChange, this, FMaster->YAxisManager(), Axis, OldValue, NewValue);
}

void TiPlotComponent::DoAxisSpanChange(TiPlotAxis* Axis, double OldValue, double NewValue)
{
    if (Is<TiPlotXAxis>(Axis))
        FireIndexed(IsLoading(), OnXAxisSpanChange, this, FMaster->XAxisManager(), Axis, OldValue, NewValue);
    else if (Is<TiPlotYAxis>(Axis))
        FireIndexed(IsLoading(), OnYAxisSpanChange, this, FMaster->YAxisManager(), Axis, OldValue, NewValue);
}

void TiPlotComponent::DoAxisMinSpanChange(TiPlotAxis* Axis, double OldMin, double OldSpan, double NewMin,
                                          double NewSpan)
{
    if (Is<TiPlotXAxis>(Axis))
        FireIndexed(IsLoading(), OnXAxisMinSpanChange, this, FMaster->XAxisManager(), Axis, OldMin, OldSpan, NewMin,
                    NewSpan);
    else if (Is<TiPlotYAxis>(Axis))
        FireIndexed(IsLoading(), OnYAxisMinSpanChange, this, FMaster->YAxisManager(), Axis, OldMin, OldSpan, NewMin,
                    NewSpan);
}

void TiPlotComponent::DoAxisMinSpanChangeFinished(TiPlotAxis* Axis, double OldMin, double OldSpan, double NewMin,
                                                  double NewSpan)
{
    if (Is<TiPlotXAxis>(Axis))
        FireIndexed(IsLoading(), OnXAxisMinSpanChangeFinished, this, FMaster->XAxisManager(), Axis, OldMin, OldSpan,
                    NewMin, NewSpan);
    else if (Is<TiPlotYAxis>(Axis))
        FireIndexed(IsLoading(), OnYAxisMinSpanChangeFinished, this, FMaster->YAxisManager(), Axis, OldMin, OldSpan,
                    NewMin, NewSpan);
}

// ---------------------------------------------------------------- hit test

TiPlotObject* TiPlotComponent::FindObjectAt(const TiPlotMouseData& MouseData)
{
    TiPlotObjectManager* objects = GetObjectManager();
    auto framed = [](const TiPlotObject* o) {
        return Is<TiPlotDataView>(o) || Is<TiPlotLegend>(o) || o == nullptr;
    };
    auto placeholder = [this](const TiPlotObject* o) {
        const TiPlotLayoutManager* layout = FMaster->LayoutManager();
        return layout && (o == layout->DataViewHorz() || o == layout->DataViewVert());
    };
    auto pass = [&](auto qualifies) -> TiPlotObject* {
        for (int i = 0; i < objects->Count(); ++i) {
            TiPlotObject* o = objects->Items(i);
            if (o->Enabled() && o->Visible() && qualifies(o) && o->iMouseHitTest(MouseData))
                return o;
        }
        return nullptr;
    };
    TiPlotObject* found = pass([&](TiPlotObject* o) { return o->UserSelected() && !framed(o) && !placeholder(o); });
    if (!found)
        found = pass([&](TiPlotObject* o) { return !framed(o) && !placeholder(o); });
    if (!found)
        found = pass([&](TiPlotObject* o) { return framed(o) && !placeholder(o); });
    return found ? found->GetMouseOverObject(MouseData.X, MouseData.Y) : nullptr;
}

void TiPlotComponent::FillAxisPixels(TiPlotMouseData& MouseData) const
{
    const bool reversed = FMaster->XYAxesReverse();
    MouseData.XAxisPixels = reversed ? MouseData.Y : MouseData.X;
    MouseData.YAxisPixels = reversed ? MouseData.X : MouseData.Y;
}

TPoint TiPlotComponent::ScreenPoint(int X, int Y) const { return ClientToScreen(TPoint(X, Y)); }

// ---------------------------------------------------------------- capture

void TiPlotComponent::CaptureMouse()
{
    grabMouse();
    FCaptureHeld = true;
    CaptureChanged(this);
}

void TiPlotComponent::ReleaseMouseCapture()
{
    if (!FCaptureHeld)
        return;
    releaseMouse();
    FCaptureHeld = false;
    CaptureChanged(nullptr);
}

void TiPlotComponent::CaptureChanged(const QWidget* NewCapture)
{
    FCaptureWindowHandle = NewCapture;
    if (NewCapture == this)
        return;
    FCaptureHeld = false;
    const bool wasShowing = FHintShowing || FHintData.Visible;
    HideHint();
    FJustReleasedCapture = true;
    if (wasShowing)
        InvalidateNow();
    if (FLastMouseOverObject) {
        TiPlotObject* over = FLastMouseOverObject;
        FLastMouseOverObject = nullptr;
        over->DoMouseNotOver();
    }
}

bool TiPlotComponent::event(QEvent* Event)
{
    // The window losing the mouse to another application or window is the capture changing hands.
    if (FCaptureHeld && (Event->type() == QEvent::WindowDeactivate || Event->type() == QEvent::UngrabMouse)) {
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
        CaptureChanged(QWidget::mouseGrabber());
    }
    return TiCustomComponent::event(Event);
}

// ---------------------------------------------------------------- press

void TiPlotComponent::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FShiftState = Shift;
    GetObjectManager()->SetShiftState(Shift);
    FMouseDown = true;
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    data.Button = Button;
    data.Shift = Shift;
    FillAxisPixels(data);
    if (CanFocus())
        SetFocus();
    HideHint();
    const TPoint screen = ScreenPoint(X, Y);
    if (Button == TMouseButton::mbRight)
        GetObjectManager()->ClearAllUserSelections();
    FMouseDownObject = FindObjectAt(data);
    FLastMouseClickObject = nullptr;
    TiPlotObject* o = FMouseDownObject;
    if (!o) {
        GetObjectManager()->ClearAllUserSelections();
        FMouseDown = true;
        return;
    }
    if (Shift.Contains(TShiftStateItem::ssShift)) {
        FSelectingActive = IsAxis(o);
        o->SetUserSelected(true);
    } else if (Shift.Contains(TShiftStateItem::ssCtrl)) {
        if (IsAxis(o)) {
            FSelectingActive = true;
            o->SetUserSelected(!o->UserSelected());
        } else {
            FSelectingActive = false;
            o->SetUserSelected(true);
        }
    } else if (!Is<TiPlotToolBar>(o) && o->CanFocus()) {
        o->SetUserSelected(true);
    }
    if (Button == TMouseButton::mbRight)
        CaptureMouse();
    // The press may have removed the object (a handler deleting it clears the reference).
    if (FMouseDownObject != o)
        return;
    const bool alone = Button == TMouseButton::mbRight || Is<TiPlotAnnotation>(o) || IsButton(o) || Is<TiPlotLimit>(o)
        || !o->CanFocus();
    if (alone)
        o->iMouseDown(Button, Shift, X, Y, screen.X, screen.Y, ObjectPopupMenu());
    else
        GetObjectManager()->MouseDownFocusObjects(Button, Shift, X, Y, screen.X, screen.Y, ObjectPopupMenu());
    FMouseDown = true;
}

// ---------------------------------------------------------------- move

void TiPlotComponent::iMouseMove(TShiftState Shift, int X, int Y)
{
    if (IsDesigning() || FSelectingActive)
        return;
    try {
        const bool buttonHeld = Shift.Contains(TShiftStateItem::ssLeft) || Shift.Contains(TShiftStateItem::ssRight);
        if ((X < 0 || Y < 0 || X >= Width() || Y >= Height()) && !buttonHeld && FCaptureHeld)
            ReleaseMouseCapture();
        FShiftState = Shift;
        GetObjectManager()->SetShiftState(Shift);
        TiPlotMouseData data;
        data.X = X;
        data.Y = Y;
        data.Shift = Shift;
        FillAxisPixels(data);
        const TPoint screen = ScreenPoint(X, Y);
        TiPlotObject* pressed = FMouseDownObject;
        if (buttonHeld && pressed) {
            TiHintData drag;
            if (Is<TiPlotAnnotation>(pressed) || Is<TiPlotToolBar>(pressed) || !pressed->CanFocus())
                pressed->iMouseMove(drag, Shift, X, Y, screen.X, screen.Y, FDBLClickActive);
            else
                GetObjectManager()->MouseMoveFocusObjects(drag, Shift, X, Y, screen.X, screen.Y, FDBLClickActive);
            SetCursor(crDefault);
            return;
        }
        if (pressed) {
            // The release went elsewhere: end the press now.
            FMouseDownObject = nullptr;
            FMouseDown = false;
            pressed->iMouseUp(TMouseButton::mbLeft, Shift, X, Y, screen.X, screen.Y, FDBLClickActive,
                              ObjectPopupMenu());
            GetObjectManager()->MouseUpFocusObjects(TMouseButton::mbLeft, Shift, X, Y, screen.X, screen.Y,
                                                    FDBLClickActive, ObjectPopupMenu());
        }
        TiPlotObject* over = FindObjectAt(data);
        if (FLastMouseOverObject) {
            if (FLastMouseOverObject != over)
                FLastMouseOverObject->DoMouseNotOver();
            FLastMouseOverObject = nullptr;
        }
        if (!over) {
            SetCursor(crDefault);
            return;
        }
        SetCursor(over->GetMouseCursor(TPoint(X, Y)));
        TiHintData local;
        over->iMouseMove(local, Shift, X, Y, screen.X, screen.Y, FDBLClickActive);
        if (HintsShow()) {
            RunHintStateMachine(over, local, X, Y);
            if (FHintData.Visible)
                InvalidateNow();
        }
        FLastMouseOverObject = over;
    } catch (const Exception&) {
    }
}

void TiPlotComponent::RunHintStateMachine(TiPlotObject* Over, const TiHintData& Local, int X, int Y)
{
    FHintData.Text = Local.Text;
    FHintData.Left = Local.Left;
    FHintData.Top = Local.Top;
    FHintData.Width = Local.Width;
    FHintData.Height = Local.Height;
    const bool running = InternalTimerActive();
    auto restart = [this](int interval) {
        InternalTimerStop();
        InternalTimerStart(0, interval);
    };
    if (FMouseDown) {
        HideHint();
    } else if (Local.Text.isEmpty()) {
        HideHint();
        FLastHintObject = nullptr;
        FLastHintShowRect = TRect(0, 0, 0, 0);
    } else if (FLastHintObject && FLastHintObject != Over && !IsToolBarButton(FLastHintObject)) {
        HideHint();
        FLastHintObject = nullptr;
    } else if (running && !FHintData.Visible) {
        restart(HintsPause());
    } else if (running && (IsToolBarButton(FLastHintObject) || Is<TiPlotChannelCustom>(FLastHintObject))) {
        restart(HintsHidePause());
    } else if (running) {
        HideHint();
    } else if (!InRect(FLastHintShowRect, X, Y) && FLastHintObject != Over) {
        FLastHintX = X;
        FLastHintY = Y;
        FLastHintObject = Over;
        restart(HintsPause());
    }
}

void TiPlotComponent::HintTimerTick()
{
    InternalTimerStop();
    if (FHintData.Visible) {
        HideHint();
        ReleaseMouseCapture();
    } else {
        FHintData.Visible = true;
        FLastHintShowRect = TRect(FLastHintX - 3, FLastHintY - 3, FLastHintX + 3, FLastHintY + 3);
        InternalTimerStart(0, HintsHidePause());
        if (!FCaptureHeld)
            CaptureMouse();
    }
    InvalidateNow();
}

void TiPlotComponent::HideHint()
{
    InternalTimerStop();
    FHintData.Visible = false;
    if (FHintShowing)
        InvalidateNow();
}

// ---------------------------------------------------------------- release, double click, wheel, keys

void TiPlotComponent::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (IsDesigning())
        return;
    FMouseDown = false;
    FShiftState = Shift;
    GetObjectManager()->SetShiftState(Shift);
    HideHint();
    FSelectingActive = false;
    const TPoint screen = ScreenPoint(X, Y);
    TiPlotObject* pressed = FMouseDownObject;
    if (pressed)
        pressed->iMouseUp(Button, Shift, X, Y, screen.X, screen.Y, FDBLClickActive, ObjectPopupMenu());
    GetObjectManager()->MouseUpFocusObjects(Button, Shift, X, Y, screen.X, screen.Y, FDBLClickActive,
                                            ObjectPopupMenu());
    // A handler may have removed the pressed object meanwhile.
    FLastMouseClickObject = FMouseDownObject;
    FLastMouseClickButton = Button;
    FLastMouseClickShift = Shift;
    FLastMouseClickX = X;
    FLastMouseClickY = Y;
    FLastMouseClickScreenX = screen.X;
    FLastMouseClickScreenY = screen.Y;
    FMouseDownObject = nullptr;
    FDBLClickActive = false;
    if (Button == TMouseButton::mbRight)
        ReleaseMouseCapture();
}

void TiPlotComponent::iDoubleClick() { FDBLClickActive = true; }

bool TiPlotComponent::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    GetObjectManager()->MouseWheelFocusObjects(WheelDelta, Shift, MousePos);
    return true;
}

void TiPlotComponent::iKeyDown(WORD& Key, TShiftState Shift)
{
    GetObjectManager()->KeyDownFocusObjects(Key, Shift, ObjectPopupMenu());
}

void TiPlotComponent::iWantSpecialKey(WORD& CharCode, LRESULT& Result)
{
    if (CharCode >= 37 && CharCode <= 40)
        Result = 1;
}

// ---------------------------------------------------------------- select mode

bool TiPlotComponent::GetSelectActive() const { return ToolBarCount() > 0 && ToolBar(0)->SelectActive(); }

void TiPlotComponent::SetSelectActive(bool Value)
{
    if (ToolBarCount() > 0 && ToolBar(0)->SelectActive() != Value)
        ToolBar(0)->DoButtonClickSelect();
}

// ---------------------------------------------------------------- input shared between axes

template <typename Fn>
void TiPlotComponent::ForwardToOtherAxes(TiPlotAxis* Axis, Fn&& fn)
{
    if (FMasterAxisBlock || !Axis)
        return;
    struct Block
    {
        bool& flag;
        ~Block() { flag = false; }
    } block { FMasterAxisBlock };
    FMasterAxisBlock = true;
    if (Is<TiPlotXAxis>(Axis)) {
        for (int i = 0; i < XAxisCount(); ++i)
            if (XAxis(i) != Axis)
                fn(static_cast<TiPlotObject*>(XAxis(i)));
    } else if (Is<TiPlotYAxis>(Axis)) {
        for (int i = 0; i < YAxisCount(); ++i)
            if (YAxis(i) != Axis)
                fn(static_cast<TiPlotObject*>(YAxis(i)));
    }
}

void TiPlotComponent::MasterAxisMouseLeft(TiPlotAxis* Axis, const TiPlotMouseData& MouseData)
{
    TiPlotMouseData copy = MouseData;
    ForwardToOtherAxes(Axis, [&](TiPlotObject* other) { other->DoMouseLeft(copy); });
}

void TiPlotComponent::MasterAxisMouseMove(TiPlotAxis* Axis, const TiPlotMouseData& MouseData)
{
    TiPlotMouseData copy = MouseData;
    ForwardToOtherAxes(Axis, [&](TiPlotObject* other) { other->DoMouseMove(copy); });
}

void TiPlotComponent::MasterAxisMouseUp(TiPlotAxis* Axis, const TiPlotMouseData& MouseData)
{
    TiPlotMouseData copy = MouseData;
    ForwardToOtherAxes(Axis, [&](TiPlotObject* other) { other->DoMouseUp(copy); });
}

void TiPlotComponent::MasterAxisMouseWheel(TiPlotAxis* Axis, int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    ForwardToOtherAxes(Axis,
                       [&](TiPlotObject* other) { other->DoMouseWheel(WheelDelta, Shift, MousePos.X, MousePos.Y); });
}

void TiPlotComponent::MasterAxisKeyDown(TiPlotAxis* Axis, WORD& Key, TShiftState Shift)
{
    ForwardToOtherAxes(Axis, [&](TiPlotObject* other) { other->iKeyDown(Key, Shift, ObjectPopupMenu()); });
}
