#pragma once
// Base classes of everything a plot shows: TiPlotObject (name, visibility, layer, focus, mouse and
// popup handling, change notifications), TiPlotManagerObject (checks its owner and callbacks) and
// TiPlotLayoutObject (the span and stacking place around the data view).

#include "platform/core/Events.h"
#include "platform/core/TColor.h"
#include "platform/core/TPersistent.h"
#include "platform/core/Types.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TShiftState.h"
#include "platform/ui/WindowMessages.h"

#include <QString>

namespace vcl {
class TCanvas;
class TWinControl;
}

class TiPlotObject;

// What plot objects ask of the control that holds them.
class IiPlotObjectHost
{
public:
    // The plot's replacement of a user-interface text (the text itself when it has none).
    virtual QString TranslateString(const QString& Text) const = 0;
    // The plot's click dispatch: the click or double-click event of the object's kind.
    virtual void ObjectClick(TiPlotObject* /*Object*/, bool /*DblClickActive*/) {}

protected:
    ~IiPlotObjectHost() = default;
};

struct TiPlotMouseData
{
    int X { 0 };
    int Y { 0 };
    int ScreenX { 0 };
    int ScreenY { 0 };
    int XAxisPixels { 0 };
    int YAxisPixels { 0 };
    vcl::TShiftState Shift;
    vcl::TMouseButton Button { vcl::TMouseButton::mbLeft };
    bool DblClickActive { false };
};

struct TiHintData
{
    QString Text;
    int Top { 0 };
    int Left { 0 };
    int Width { 0 };
    int Height { 0 };
    bool Visible { false };
};

// A menu item that carries one extra text (the data cursor keeps a channel name in it).
class TiMenuItem : public vcl::TMenuItem
{
public:
    using vcl::TMenuItem::TMenuItem;
    QString AString;
};

// One rectangle kept in a list by the paint pass.
class TiPlotRectObject : public vcl::TObject
{
public:
    vcl::TRect ARect;
};

class TiPlotObject : public vcl::TPersistent
{
    // The plot routes input to its objects and hands axis input from one axis to the others.
    friend class TiPlotComponent;

public:
    const vcl::TPropertyTable* PublishedProperties() const override;
    // Stores the owner and callbacks; the object is announced afterwards by NotifyInsert.
    TiPlotObject(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                 vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotObject() override;
    // Destroys the object: reports OnRemove, then a layout change, while the object is still whole
    // (the managers tell kinds apart by its class), then deletes it. Every owner frees through it.
    static void Free(TiPlotObject* Object);

    // --- published ---
    const QString& Name() const { return FName; }
    void SetName(const QString& Value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    int Layer() const { return FLayer; }
    void SetLayer(int Value) { SetIntegerProperty(Value, FLayer, &TiPlotObject::DoChange); }
    bool PopupEnabled() const { return FPopupEnabled; }
    void SetPopupEnabled(bool Value) { SetBooleanProperty(Value, FPopupEnabled, nullptr); }
    bool CanFocus() const { return FCanFocus; }
    void SetCanFocus(bool Value) { SetBooleanProperty(Value, FCanFocus, nullptr); }

    // --- public ---
    const QString& NameOld() const { return FNameOld; }
    vcl::TWinControl* Owner() const { return FOwner; }
    bool UserSelected() const { return FUserSelected; }
    void SetUserSelected(bool Value);
    bool UserCanEdit() const { return FUserCanEdit; }
    void SetUserCanEdit(bool Value) { FUserCanEdit = Value; }
    bool XYAxesReversed() const { return FXYAxesReversed; }
    virtual void SetXYAxesReversed(bool Value) { FXYAxesReversed = Value; }
    vcl::TShiftState ShiftState() const { return FShiftState; }
    void SetShiftState(vcl::TShiftState Value) { FShiftState = Value; }
    bool CanDraw() const { return FCanDraw; }
    bool MouseIsDown() const { return FMouseDown; }

    bool HitTest(int X, int Y);
    void DoEditMenuItemClick();
    void InvalidateNow();
    void CancelMouseDownPopup() { FMouseDownPopup = false; }
    QString GetLayerString() const;
    QString TranslateString(const QString& Text) const;

    virtual void DoChange();
    virtual void DoLayoutChange();
    virtual void NotificationRemove(vcl::TObject* AObject) {}
    virtual void NotificationRename(TiPlotObject* AObject) {}
    virtual void NotificationSetFocus(TiPlotObject* AObject) {}
    virtual void PrepareDraw() { FCanDraw = true; }
    virtual void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) {}

    virtual void iMouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            vcl::TPopupMenu* PopupMenu);
    virtual void iMouseMove(TiHintData& HintData, vcl::TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive);
    virtual void iMouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                          bool DblClickActive, vcl::TPopupMenu* PopupMenu);
    virtual bool iMouseHitTest(const TiPlotMouseData& MouseData) { return false; }
    virtual bool iMouseWheel(int WheelDelta, vcl::TShiftState Shift, vcl::TPoint MousePos);
    virtual TiPlotObject* GetMouseOverObject(int X, int Y);
    virtual vcl::TCursor GetMouseCursor(vcl::TPoint Point);
    virtual void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift, vcl::TPopupMenu* PopupMenu);
    // Announces the new object (the managers take it in).
    virtual void NotifyInsert();
    // Frees every item of the menu; derived objects add theirs and finish with AddEditMenuItem.
    virtual void AddMenuItems(vcl::TPopupMenu* PopupMenu);

    vcl::TNotifyEvent OnLayoutChange;
    vcl::TNotifyEvent OnSetFocus;
    vcl::TNotifyEvent OnEdit;
    vcl::TNotifyEvent OnInvalidateNow;
    // Wired by the constructor; the plot unwires them before it shuts down.
    vcl::TNotifyEvent OnChange;
    vcl::TNotifyEvent OnInsert;
    vcl::TNotifyEvent OnRemove;
    vcl::TNotifyEvent OnRename;

protected:
    using ChangeMethod = void (TiPlotObject::*)();
    void SetBooleanProperty(bool Value, bool& Field, ChangeMethod Change);
    void SetIntegerProperty(int Value, int& Field, ChangeMethod Change);
    void SetColorProperty(vcl::TColor Value, vcl::TColor& Field, ChangeMethod Change);
    void SetDoubleProperty(double Value, double& Field, ChangeMethod Change);
    void SetStringProperty(const QString& Value, QString& Field, ChangeMethod Change);

    virtual void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) {}
    virtual void DoMouseLeft(const TiPlotMouseData& MouseData) {}
    virtual void DoMouseRight(const TiPlotMouseData& MouseData) {}
    virtual void DoMouseMove(const TiPlotMouseData& MouseData) {}
    virtual void DoMouseUp(const TiPlotMouseData& MouseData) {}
    virtual bool DoMouseWheel(int WheelDelta, vcl::TShiftState Shift, int X, int Y) { return false; }
    // Ask the owning plot to fire its focus events for the object.
    virtual void DoGotFocus();
    virtual void DoLostFocus();
    virtual void DoMouseNotOver() {}
    // Where the object's menu opens for the menu key; false: no menu.
    virtual bool GetKeyMenuPoint(vcl::TPoint& Point) const { return false; }
    void AddEditMenuItem(vcl::TPopupMenu* PopupMenu);
    TiPlotMouseData MakeMouseData(int X, int Y, int ScreenX, int ScreenY) const;
    // The plot control that owns the object, or null.
    class TiPlotComponent* OwnerPlot() const;

    QString FName;
    QString FNameOld;
    vcl::TWinControl* FOwner { nullptr };
    vcl::TShiftState FShiftState;
    bool FVisible { true };
    bool FEnabled { true };
    int FLayer { 100 };
    bool FPopupEnabled { true };
    bool FCanFocus { true };
    bool FUserSelected { false };
    bool FUserCanEdit { true };
    bool FXYAxesReversed { false };
    bool FCanDraw { false };
    TiPlotObject* FMouseOverObject { nullptr };
    bool FMouseDown { false };
    bool FMouseDownPopup { false };

private:
    void ReportRemoval();
    bool m_removalReported { false };
};

// A plot object that insists on its owner and the four manager callbacks (channels, cursors and
// every layout object derive from it).
class TiPlotManagerObject : public TiPlotObject
{
public:
    TiPlotManagerObject(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                        vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
};

class TiPlotLayoutObject : public TiPlotManagerObject
{
public:
    using TiPlotManagerObject::TiPlotManagerObject;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value) { SetBooleanProperty(Value, FHorizontal, &TiPlotObject::DoLayoutChange); }
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int Value) { SetIntegerProperty(Value, FZOrder, &TiPlotObject::DoLayoutChange); }
    double StartPercent() const { return FStartPercent; }
    // Clamped to 0..100; the span always stays at least 1 percent wide.
    void SetStartPercent(double Value);
    double StopPercent() const { return FStopPercent; }
    void SetStopPercent(double Value);
    bool ForceStacking() const { return FForceStacking; }
    void SetForceStacking(bool Value) { SetBooleanProperty(Value, FForceStacking, &TiPlotObject::DoLayoutChange); }

    // --- public ---
    void SetStartStopPercent(double AStartPercent, double AStopPercent);
    bool ReverseSide() const { return FReverseSide; }
    void SetReverseSide(bool Value) { SetBooleanProperty(Value, FReverseSide, &TiPlotObject::DoChange); }
    vcl::TRect DrawRect() const { return vcl::TRect(FLeft, FTop, FRight, FBottom); }
    void SetDrawRect(const vcl::TRect& Rect);
    vcl::TRect LayoutRect() const { return vcl::TRect(FLayoutLeft, FLayoutTop, FLayoutRight, FLayoutBottom); }
    void SetLayoutRect(const vcl::TRect& Rect);
    bool StartStacked() const { return FStartStacked; }
    void SetStartStacked(bool Value) { FStartStacked = Value; }
    bool StopStacked() const { return FStopStacked; }
    void SetStopStacked(bool Value) { FStopStacked = Value; }
    bool IsHorz() const { return GetIsHorz(); }
    bool IsVert() const { return GetIsVert(); }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    int LayoutWidth() const { return FLayoutRight - FLayoutLeft; }
    int LayoutHeight() const { return FLayoutBottom - FLayoutTop; }
    QString GetZOrderString() const;
    QString GetStartPercentString() const;

    virtual bool GetIsHorz() const { return FHorizontal; }
    virtual bool GetIsVert() const { return !FHorizontal; }
    virtual int GetRequiredWidth(vcl::TCanvas* Canvas) { return 0; }
    virtual int GetRequiredEndMargin(vcl::TCanvas* Canvas) { return 0; }

    void NotifyInsert() override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;

protected:
    bool GetKeyMenuPoint(vcl::TPoint& Point) const override;

    double FStopPercent { 100.0 };
    double FStartPercent { 0.0 };
    int FZOrder { 0 };
    bool FHorizontal { false };
    bool FReverseSide { false };
    int FBottom { 0 };
    int FLeft { 0 };
    int FTop { 0 };
    int FRight { 0 };
    bool FStartStacked { false };
    bool FStopStacked { false };
    int FLayoutBottom { 0 };
    int FLayoutLeft { 0 };
    int FLayoutTop { 0 };
    int FLayoutRight { 0 };
    bool FForceStacking { false };
};
