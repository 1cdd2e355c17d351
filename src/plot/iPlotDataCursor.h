#pragma once
// A measurement cursor over a data view: one or two pointer lines that the user drags or moves with
// the keys, and a hint box with what the cursor measures for its channel (the channel computes the
// values and the text). Invisible when new.

#include "plot/iPlotDecorationEvents.h"
#include "plot/iPlotObjects.h"

#include "platform/ui/TFont.h"

#include <memory>

class TiPlotDataView;
class TiPlotChannelCustom;
enum class TiPlotDataPointStatus;

enum class TiOrientation { ioVertical, ioHorizontal };
enum class TiOrientationSide { iosBottomRight, iosTopLeft };

class TiPlotDataCursor : public TiPlotManagerObject
{
public:
    TiPlotDataCursor(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                     vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotDataCursor() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    const QString& ChannelName() const { return FChannelName; }
    void SetChannelName(const QString& Value);
    bool ChannelAllowAll() const { return FChannelAllowAll; }
    void SetChannelAllowAll(bool Value) { SetBooleanProperty(Value, FChannelAllowAll, &TiPlotObject::DoChange); }
    bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
    void SetChannelShowAllInLegend(bool V) { SetBooleanProperty(V, FChannelShowAllInLegend, &TiPlotObject::DoChange); }
    TiPlotDataCursorStyle Style() const { return FStyle; }
    void SetStyle(TiPlotDataCursorStyle Value);
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(const vcl::TFont* Value);
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor Value) { SetColorProperty(Value, FColor, &TiPlotObject::DoChange); }
    bool UseChannelColor() const { return FUseChannelColor; }
    void SetUseChannelColor(bool Value) { SetBooleanProperty(Value, FUseChannelColor, &TiPlotObject::DoChange); }
    bool HintShow() const { return FHintShow; }
    void SetHintShow(bool Value) { SetBooleanProperty(Value, FHintShow, &TiPlotObject::DoChange); }
    bool HintHideOnRelease() const { return FHintHideOnRelease; }
    void SetHintHideOnRelease(bool Value) { SetBooleanProperty(Value, FHintHideOnRelease, &TiPlotObject::DoChange); }
    TiOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
    void SetHintOrientationSide(TiOrientationSide Value);
    double HintPosition() const { return FHintPosition; }
    void SetHintPosition(double Value) { SetDoubleProperty(Value, FHintPosition, &TiPlotObject::DoChange); }
    // Both clamped to 0..100.
    double Pointer1Position() const { return FPointer1Position; }
    void SetPointer1Position(double Value) { SetDoubleProperty(Clamp100(Value), FPointer1Position, &TiPlotObject::DoChange); }
    double Pointer2Position() const { return FPointer2Position; }
    void SetPointer2Position(double Value) { SetDoubleProperty(Clamp100(Value), FPointer2Position, &TiPlotObject::DoChange); }
    int PointerPenWidth() const { return FPointerPenWidth; }
    void SetPointerPenWidth(int Value) { SetIntegerProperty(Value, FPointerPenWidth, &TiPlotObject::DoChange); }
    bool MenuUserCanChangeOptions() const { return FMenuUserCanChangeOptions; }
    void SetMenuUserCanChangeOptions(bool Value) { FMenuUserCanChangeOptions = Value; }
    bool SnapToDataPoint() const { return FSnapToDataPoint; }
    void SetSnapToDataPoint(bool Value) { FSnapToDataPoint = Value; }
    bool UseCachedInterpolatedData() const { return FUseCachedInterpolatedData; }
    void SetUseCachedInterpolatedData(bool Value) { FUseCachedInterpolatedData = Value; }
    bool MenuItemVisibleValueXY() const { return FMenuItemVisible[0]; }
    void SetMenuItemVisibleValueXY(bool Value) { FMenuItemVisible[0] = Value; }
    bool MenuItemVisibleValueX() const { return FMenuItemVisible[1]; }
    void SetMenuItemVisibleValueX(bool Value) { FMenuItemVisible[1] = Value; }
    bool MenuItemVisibleValueY() const { return FMenuItemVisible[2]; }
    void SetMenuItemVisibleValueY(bool Value) { FMenuItemVisible[2] = Value; }
    bool MenuItemVisibleDeltaX() const { return FMenuItemVisible[3]; }
    void SetMenuItemVisibleDeltaX(bool Value) { FMenuItemVisible[3] = Value; }
    bool MenuItemVisibleDeltaY() const { return FMenuItemVisible[4]; }
    void SetMenuItemVisibleDeltaY(bool Value) { FMenuItemVisible[4] = Value; }
    bool MenuItemVisibleInverseDeltaX() const { return FMenuItemVisible[5]; }
    void SetMenuItemVisibleInverseDeltaX(bool Value) { FMenuItemVisible[5] = Value; }
    const QString& MenuItemCaptionValueXY() const { return FMenuItemCaption[0]; }
    void SetMenuItemCaptionValueXY(const QString& Value) { FMenuItemCaption[0] = Value; }
    const QString& MenuItemCaptionValueX() const { return FMenuItemCaption[1]; }
    void SetMenuItemCaptionValueX(const QString& Value) { FMenuItemCaption[1] = Value; }
    const QString& MenuItemCaptionValueY() const { return FMenuItemCaption[2]; }
    void SetMenuItemCaptionValueY(const QString& Value) { FMenuItemCaption[2] = Value; }
    const QString& MenuItemCaptionDeltaX() const { return FMenuItemCaption[3]; }
    void SetMenuItemCaptionDeltaX(const QString& Value) { FMenuItemCaption[3] = Value; }
    const QString& MenuItemCaptionDeltaY() const { return FMenuItemCaption[4]; }
    void SetMenuItemCaptionDeltaY(const QString& Value) { FMenuItemCaption[4] = Value; }
    const QString& MenuItemCaptionInverseDeltaX() const { return FMenuItemCaption[5]; }
    void SetMenuItemCaptionInverseDeltaX(const QString& Value) { FMenuItemCaption[5] = Value; }

    // --- public ---
    // The data view the cursor moves over (not owned; dropped when it goes away).
    TiPlotDataView* DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView* Value) { FDataView = Value; }
    double ValueX() const { return FValueX; }
    double ValueY() const { return FValueY; }
    TiPlotDataPointStatus Status() const { return FStatus; }
    const QString& CursorDisplayText() const { return FCursorDisplayText; }
    void SetCursorDisplayText(const QString& Value) { FCursorDisplayText = Value; }
    bool Pointer1Show() const { return FPointer1Show; }
    bool Pointer2Show() const { return FPointer2Show; }
    TiOrientation Pointer1Orientation() const { return FPointer1Orientation; }
    TiOrientation Pointer2Orientation() const { return FPointer2Orientation; }
    TiOrientation HintOrientation() const { return FHintOrientation; }
    vcl::TRect Pointer1Rect() const { return FPointer1Rect; }
    vcl::TRect Pointer2Rect() const { return FPointer2Rect; }
    vcl::TRect HintRect() const { return FHintRect; }
    bool HintShowing() const { return FHintShowing; }
    bool IsAllChannels() const;

    // The cached channel, else the plot's channel named ChannelName (nullptr for "<All>").
    TiPlotChannelCustom* GetChannel();
    void UpdateValues();
    // The Y of the strip-chart channel named ChannelName at XValue, measured by this cursor whose
    // settings and the X axis' Min are put back afterwards; ipdpsNull (Y 0) for any other channel.
    TiPlotDataPointStatus GetInterpolatedYValue(const QString& ChannelName, double XValue, double& YValue);
    // Stores the values and fires the plot's change event when any differs.
    void SetValues(TiPlotDataPointStatus Status, double X, double Y);

    void SetVisible(bool Value) override;
    void SetXYAxesReversed(bool Value) override;
    void NotificationRemove(vcl::TObject* AObject) override;
    void NotificationRename(TiPlotObject* AObject) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;
    void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift, vcl::TPopupMenu* PopupMenu) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    void DoGotFocus() override;

private:
    static double Clamp100(double Value);
    bool IsDeltaStyle() const;
    void DeriveLayout();
    int Index() const;
    vcl::TColor PointerColor();
    bool Dragging() const { return FMouseDownPointer1 || FMouseDownPointer2 || FMouseDownHint; }
    void DrawPointer(vcl::TCanvas* Canvas, bool Show, TiOrientation Orientation, double Position, bool Dragged,
                     vcl::TRect& Band);
    // --- hint (iPlotDataCursorHint.cpp) ---
    void DrawHint(vcl::TCanvas* Canvas);
    QString HintText();
    void PlaceVerticalHint(int A, int wA);
    void PlaceHorizontalHint(int B, int wA);
    void ShiftHintIntoView();
    // --- keys and menu (iPlotDataCursorInput.cpp) ---
    void KeyPixelSteps(vcl::WORD Key, bool Ctrl);
    void KeySnapSteps(vcl::WORD Key, bool Ctrl);
    void MoveHint(double Delta);
    void ClampPositions();
    void AddChannelMenu(vcl::TPopupMenu* PopupMenu);
    void AddStyleMenu(vcl::TPopupMenu* PopupMenu);
    void AddOptionsMenu(vcl::TPopupMenu* PopupMenu);
    // --- snapping on strip charts (iPlotDataCursorSnap.cpp) ---
    void DoSnapToDataPoint();
    void SnapPointer(bool Pointer2);
    void MoveToDataPoint(int ChannelIndex, int PointIndex, int Step, bool Pointer2);

    int FMouseDownXPixels { 0 };
    int FMouseDownYPixels { 0 };
    int FMouseDownX { 0 };
    int FMouseDownY { 0 };
    bool FMouseDownHint { false };
    bool FMouseDownPointer1 { false };
    bool FMouseDownPointer2 { false };
    vcl::TRect FPointer1Rect;
    vcl::TRect FPointer2Rect;
    bool FPointer1Show { true };
    bool FPointer2Show { true };
    TiOrientation FPointer1Orientation { TiOrientation::ioVertical };
    TiOrientation FPointer2Orientation { TiOrientation::ioHorizontal };
    vcl::TRect FHintRect;
    TiOrientation FHintOrientation { TiOrientation::ioVertical };
    bool FHintShowing { false };
    TiPlotChannelCustom* FChannel { nullptr };
    TiPlotDataView* FDataView { nullptr };
    QString FChannelName;
    TiPlotDataCursorStyle FStyle { TiPlotDataCursorStyle::ipcsValueXY };
    bool FUseChannelColor { true };
    double FPointer1Position { 50.0 };
    double FPointer2Position { 60.0 };
    int FPointerPenWidth { 1 };
    bool FChannelShowAllInLegend { true };
    bool FChannelAllowAll { true };
    vcl::TColor FColor { vcl::clYellow };
    std::unique_ptr<vcl::TFont> FFont;
    bool FHintShow { true };
    bool FHintHideOnRelease { false };
    TiOrientationSide FHintOrientationSide { TiOrientationSide::iosBottomRight };
    int FHintHeight { 0 };
    int FHintWidth { 0 };
    double FHintPosition { 50.0 };
    QString FCursorDisplayText;
    double FValueX { 0.0 };
    double FValueY { 0.0 };
    TiPlotDataPointStatus FStatus {};
    bool FSnapToDataPoint { false };
    bool FUseCachedInterpolatedData { false };
    int FSnapToIndexChannel { -1 };
    int FSnapToIndexData { -1 };
    QString FMenuItemCaption[6] { QStringLiteral("Value X-Y"), QStringLiteral("Value X"), QStringLiteral("Value Y"),
                                  QStringLiteral("Period"),    QStringLiteral("Peak-Peak"), QStringLiteral("Frequency") };
    bool FMenuItemVisible[6] { true, true, true, true, true, true };
    bool FMenuUserCanChangeOptions { true };
};
