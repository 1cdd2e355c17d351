#include "plot/iPlotObjects.h"

#include "plot/iPlotComponent.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/TWinControl.h"

#include <algorithm>
#include <cmath>

using namespace vcl;

namespace {
constexpr WORD kKeyF10 = 0x79;
constexpr WORD kKeyApps = 0x5D; // the context-menu key
} // namespace

// ---------------------------------------------------------------- TiPlotObject

TiPlotObject::TiPlotObject(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : OnChange(std::move(AOnChange)), OnInsert(std::move(AOnInsert)), OnRemove(std::move(AOnRemove)),
      OnRename(std::move(AOnRename)), FOwner(AOwner)
{
}

TiPlotObject::~TiPlotObject() { ReportRemoval(); }

void TiPlotObject::Free(TiPlotObject* Object)
{
    if (!Object)
        return;
    Object->ReportRemoval();
    delete Object;
}

void TiPlotObject::ReportRemoval()
{
    if (m_removalReported)
        return;
    m_removalReported = true;
    if (OnRemove)
        OnRemove(this);
    if (OnLayoutChange)
        OnLayoutChange(this);
    if (OnChange)
        OnChange(this);
}

void TiPlotObject::SetName(const QString& Value)
{
    if (FName == Value)
        return;
    FNameOld = FName;
    FName = Value;
    if (OnRename)
        OnRename(this);
    DoChange();
}

void TiPlotObject::SetVisible(bool Value) { SetBooleanProperty(Value, FVisible, &TiPlotObject::DoChange); }

void TiPlotObject::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    if (!Value) {
        FMouseDown = false;
        SetUserSelected(false);
    }
    DoChange();
}

void TiPlotObject::SetUserSelected(bool Value)
{
    if (FUserSelected == Value)
        return;
    FUserSelected = Value;
    InvalidateNow();
    if (!Value) {
        DoLostFocus();
        return;
    }
    if (OnSetFocus)
        OnSetFocus(this);
    DoGotFocus();
}

void TiPlotObject::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TiPlotObject::DoLayoutChange()
{
    if (OnLayoutChange)
        OnLayoutChange(this);
    DoChange();
}

bool TiPlotObject::HitTest(int X, int Y) { return iMouseHitTest(MakeMouseData(X, Y, 0, 0)); }

void TiPlotObject::DoEditMenuItemClick()
{
    if (OnEdit)
        OnEdit(this);
}

void TiPlotObject::InvalidateNow()
{
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

QString TiPlotObject::GetLayerString() const { return QString::number(FLayer).rightJustified(6, u'0'); }

QString TiPlotObject::TranslateString(const QString& Text) const
{
    if (const auto* host = dynamic_cast<const IiPlotObjectHost*>(FOwner))
        return host->TranslateString(Text);
    return Text;
}

void TiPlotObject::SetBooleanProperty(bool Value, bool& Field, ChangeMethod Change)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Change)
        (this->*Change)();
}

void TiPlotObject::SetIntegerProperty(int Value, int& Field, ChangeMethod Change)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Change)
        (this->*Change)();
}

void TiPlotObject::SetColorProperty(TColor Value, TColor& Field, ChangeMethod Change)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Change)
        (this->*Change)();
}

void TiPlotObject::SetDoubleProperty(double Value, double& Field, ChangeMethod Change)
{
    if (!(Field != Value))
        return;
    Field = Value;
    if (Change)
        (this->*Change)();
}

void TiPlotObject::SetStringProperty(const QString& Value, QString& Field, ChangeMethod Change)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Change)
        (this->*Change)();
}

TiPlotMouseData TiPlotObject::MakeMouseData(int X, int Y, int ScreenX, int ScreenY) const
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    data.ScreenX = ScreenX;
    data.ScreenY = ScreenY;
    data.XAxisPixels = FXYAxesReversed ? Y : X;
    data.YAxisPixels = FXYAxesReversed ? X : Y;
    return data;
}

TiPlotComponent* TiPlotObject::OwnerPlot() const { return dynamic_cast<TiPlotComponent*>(FOwner); }

void TiPlotObject::DoGotFocus()
{
    if (TiPlotComponent* plot = OwnerPlot())
        plot->DoObjectGotFocus(this);
}

void TiPlotObject::DoLostFocus()
{
    if (TiPlotComponent* plot = OwnerPlot())
        plot->DoObjectLostFocus(this);
}

void TiPlotObject::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                              TPopupMenu* PopupMenu)
{
    if (!FEnabled)
        return;
    TiPlotMouseData data = MakeMouseData(X, Y, ScreenX, ScreenY);
    data.Shift = Shift;
    data.Button = Button;
    FMouseDownPopup = false;
    if (Button == TMouseButton::mbRight) {
        FMouseDownPopup = FPopupEnabled;
        FMouseDown = true;
        DoMouseRight(data);
    } else if (Button == TMouseButton::mbLeft) {
        FMouseDown = true;
        DoMouseLeft(data);
    }
    if (TiPlotComponent* plot = OwnerPlot(); plot && iMouseHitTest(data))
        plot->DoObjectMouseDown(this, Button, Shift, X, Y);
}

void TiPlotObject::iMouseMove(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                              bool DblClickActive)
{
    TiPlotMouseData data = MakeMouseData(X, Y, ScreenX, ScreenY);
    data.Shift = Shift;
    data.DblClickActive = DblClickActive;
    if (FMouseDown)
        DoMouseMove(data);
    else
        DoMouseHint(data, HintData);
    if (TiPlotComponent* plot = OwnerPlot(); plot && iMouseHitTest(data))
        plot->DoObjectMouseMove(this, Shift, X, Y);
}

void TiPlotObject::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive, TPopupMenu* PopupMenu)
{
    TiPlotMouseData data = MakeMouseData(X, Y, ScreenX, ScreenY);
    data.Shift = Shift;
    data.Button = Button;
    data.DblClickActive = DblClickActive;
    if (FMouseDownPopup && iMouseHitTest(data)) {
        bool cancel = false;
        if (TiPlotComponent* plot = OwnerPlot())
            plot->DoObjectPopupMenu(this, cancel, ScreenX, ScreenY);
        if (!cancel && PopupMenu) {
            AddMenuItems(PopupMenu);
            PopupMenu->Popup(ScreenX, ScreenY);
        }
    }
    FMouseDownPopup = false;
    DoMouseUp(data);
    if (FMouseDown) {
        FMouseDown = false;
        if (TiPlotComponent* plot = OwnerPlot())
            plot->DoObjectMouseUp(this, Button, Shift, X, Y);
    }
}

bool TiPlotObject::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    const bool result = DoMouseWheel(WheelDelta, Shift, MousePos.X, MousePos.Y);
    if (TiPlotComponent* plot = OwnerPlot())
        plot->DoObjectMouseWheel(this, WheelDelta, Shift, MousePos.X, MousePos.Y);
    return result;
}

TiPlotObject* TiPlotObject::GetMouseOverObject(int X, int Y)
{
    FMouseOverObject = this;
    return this;
}

TCursor TiPlotObject::GetMouseCursor(TPoint Point)
{
    if (!FMouseOverObject)
        FMouseOverObject = this;
    if (FMouseOverObject != this)
        return FMouseOverObject->GetMouseCursor(Point);
    return crDefault;
}

void TiPlotObject::iKeyDown(WORD& Key, TShiftState Shift, TPopupMenu* PopupMenu)
{
    if (!FPopupEnabled || !PopupMenu)
        return;
    const bool menuKey = (Key == kKeyF10 && Shift.Contains(TShiftStateItem::ssShift)) || Key == kKeyApps;
    if (!menuKey)
        return;
    if (TiPlotComponent* plot = OwnerPlot()) {
        bool cancel = false;
        plot->DoObjectPopupMenu(this, cancel, 0, 0);
        if (cancel)
            return;
    }
    AddMenuItems(PopupMenu);
    TPoint point;
    if (!GetKeyMenuPoint(point) || !FOwner)
        return;
    const TPoint screen = FOwner->ClientToScreen(point);
    PopupMenu->Popup(screen.X, screen.Y);
}

void TiPlotObject::NotifyInsert()
{
    if (OnInsert)
        OnInsert(this);
}

void TiPlotObject::AddMenuItems(TPopupMenu* PopupMenu)
{
    TMenuItem* items = PopupMenu->Items();
    while (items->Count() > 0) {
        TMenuItem* item = items->Items(items->Count() - 1);
        items->Remove(item);
        delete item;
    }
}

void TiPlotObject::AddEditMenuItem(TPopupMenu* PopupMenu)
{
    if (!FUserCanEdit)
        return;
    auto* item = new TiMenuItem(nullptr);
    item->SetCaption(TranslateString(QStringLiteral("Edit...")));
    item->SetVisible(true);
    item->OnClick = [this](TObject*) { DoEditMenuItemClick(); };
    PopupMenu->Items()->Add(item);
}

// ---------------------------------------------------------------- TiPlotManagerObject

namespace {

TWinControl* CheckedOwner(TWinControl* owner, const TNotifyEvent& change, const TNotifyEvent& insert,
                          const TNotifyEvent& remove, const TNotifyEvent& rename)
{
    if (!owner)
        throw Exception(QStringLiteral("Owner must be assigned"));
    if (!change)
        throw Exception(QStringLiteral("OnChange event handler can not be null"));
    if (!insert)
        throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!remove)
        throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    if (!rename)
        throw Exception(QStringLiteral("AOnRename event handler can not be null"));
    return owner;
}

} // namespace

TiPlotManagerObject::TiPlotManagerObject(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    // Copies, not moves: the arguments are checked before anything is taken from them.
    : TiPlotObject(CheckedOwner(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename), AOnChange, AOnInsert, AOnRemove,
                   AOnRename)
{
}

// ---------------------------------------------------------------- TiPlotLayoutObject

void TiPlotLayoutObject::SetStartPercent(double Value)
{
    if (std::isnan(Value))
        return;
    Value = std::clamp(Value, 0.0, 100.0);
    if (FStopPercent - Value < 1) {
        FStopPercent = Value + 1;
        if (FStopPercent > 100) {
            FStopPercent = 100;
            Value = 99;
        }
    }
    SetDoubleProperty(Value, FStartPercent, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetStopPercent(double Value)
{
    if (std::isnan(Value))
        return;
    Value = std::clamp(Value, 0.0, 100.0);
    if (Value - FStartPercent < 1) {
        FStartPercent = Value - 1;
        if (FStartPercent < 0) {
            FStartPercent = 0;
            Value = 1;
        }
    }
    SetDoubleProperty(Value, FStopPercent, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetStartStopPercent(double AStartPercent, double AStopPercent)
{
    FStartPercent = AStartPercent;
    FStopPercent = AStopPercent;
    DoChange();
}

void TiPlotLayoutObject::SetDrawRect(const TRect& Rect)
{
    FLeft = Rect.Left;
    FTop = Rect.Top;
    FRight = Rect.Right;
    FBottom = Rect.Bottom;
}

void TiPlotLayoutObject::SetLayoutRect(const TRect& Rect)
{
    FLayoutLeft = Rect.Left;
    FLayoutTop = Rect.Top;
    FLayoutRight = Rect.Right;
    FLayoutBottom = Rect.Bottom;
}

QString TiPlotLayoutObject::GetZOrderString() const { return QString::number(FZOrder).rightJustified(3, u'0'); }

QString TiPlotLayoutObject::GetStartPercentString() const
{
    return QString::number(Round(FStartPercent)).rightJustified(3, u'0');
}

void TiPlotLayoutObject::NotifyInsert()
{
    TiPlotObject::NotifyInsert();
    if (OnLayoutChange)
        OnLayoutChange(this);
}

bool TiPlotLayoutObject::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    return MouseData.X >= FLeft && MouseData.X < FRight && MouseData.Y >= FTop && MouseData.Y < FBottom;
}

bool TiPlotLayoutObject::GetKeyMenuPoint(TPoint& Point) const
{
    Point = TPoint((FLeft + FRight) / 2, (FTop + FBottom) / 2);
    return true;
}
