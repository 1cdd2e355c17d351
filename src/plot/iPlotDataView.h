#pragma once
// The plot area between the axes: its background, the grid at the ticks of the axes it names and
// its frame, the conversion between pixels and percentages of its extent, and the mouse in it:
// dragging the axes and drawing a zoom box.

#include "plot/iPlotAxis.h"
#include "plot/iPlotObjects.h"
#include "plot/iPlotValueScale.h"

// Which axes a drag or the wheel moves in the data view.
enum class TiPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };

class TiPlotDataView : public TiPlotLayoutObject, public IiPlotPercentScale
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { SetStringProperty(Value, FTitle, &TiPlotObject::DoChange); }
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool Value) { SetBooleanProperty(Value, FBackgroundTransparent, &TiPlotObject::DoChange); }
    vcl::TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(vcl::TColor Value) { SetColorProperty(Value, FBackgroundColor, &TiPlotObject::DoChange); }
    bool GridShow() const { return FGridShow; }
    void SetGridShow(bool Value) { SetBooleanProperty(Value, FGridShow, &TiPlotObject::DoChange); }
    // "<ALL>" in any letter case stands for every axis of the kind.
    const QString& GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString& Value);
    const QString& GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString& Value);
    vcl::TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(vcl::TColor Value) { SetColorProperty(Value, FGridLineColor, &TiPlotObject::DoChange); }
    bool GridLineShowLeft() const { return FGridLineShowLeft; }
    void SetGridLineShowLeft(bool Value) { SetBooleanProperty(Value, FGridLineShowLeft, &TiPlotObject::DoChange); }
    bool GridLineShowTop() const { return FGridLineShowTop; }
    void SetGridLineShowTop(bool Value) { SetBooleanProperty(Value, FGridLineShowTop, &TiPlotObject::DoChange); }
    bool GridLineShowRight() const { return FGridLineShowRight; }
    void SetGridLineShowRight(bool Value) { SetBooleanProperty(Value, FGridLineShowRight, &TiPlotObject::DoChange); }
    bool GridLineShowBottom() const { return FGridLineShowBottom; }
    void SetGridLineShowBottom(bool Value) { SetBooleanProperty(Value, FGridLineShowBottom, &TiPlotObject::DoChange); }
    bool GridLineShowXMajors() const { return FGridLineShowXMajors; }
    void SetGridLineShowXMajors(bool Value) { SetBooleanProperty(Value, FGridLineShowXMajors, &TiPlotObject::DoChange); }
    bool GridLineShowXMinors() const { return FGridLineShowXMinors; }
    void SetGridLineShowXMinors(bool Value) { SetBooleanProperty(Value, FGridLineShowXMinors, &TiPlotObject::DoChange); }
    bool GridLineShowYMajors() const { return FGridLineShowYMajors; }
    void SetGridLineShowYMajors(bool Value) { SetBooleanProperty(Value, FGridLineShowYMajors, &TiPlotObject::DoChange); }
    bool GridLineShowYMinors() const { return FGridLineShowYMinors; }
    void SetGridLineShowYMinors(bool Value) { SetBooleanProperty(Value, FGridLineShowYMinors, &TiPlotObject::DoChange); }
    TiPlotGridLineStyle GridLineMajorStyle() const { return FGridLineMajorStyle; }
    void SetGridLineMajorStyle(TiPlotGridLineStyle Value) { SetGridStyle(Value, FGridLineMajorStyle); }
    TiPlotGridLineStyle GridLineMinorStyle() const { return FGridLineMinorStyle; }
    void SetGridLineMinorStyle(TiPlotGridLineStyle Value) { SetGridStyle(Value, FGridLineMinorStyle); }

    // The own pens of the four kinds of grid line, used when their Custom flag is on.
    enum GridKind { XMajor, XMinor, YMajor, YMinor };
    bool GridLineCustom(GridKind Kind) const { return FCustom[Kind]; }
    void SetGridLineCustom(GridKind Kind, bool Value) { SetBooleanProperty(Value, FCustom[Kind], &TiPlotObject::DoChange); }
    vcl::TColor GridLineColorOf(GridKind Kind) const { return FPens[Kind].Color; }
    void SetGridLineColorOf(GridKind Kind, vcl::TColor Value) { SetColorProperty(Value, FPens[Kind].Color, &TiPlotObject::DoChange); }
    int GridLineWidthOf(GridKind Kind) const { return FPens[Kind].Width; }
    void SetGridLineWidthOf(GridKind Kind, int Value) { SetIntegerProperty(Value, FPens[Kind].Width, &TiPlotObject::DoChange); }
    TiPlotGridLineStyle GridLineStyleOf(GridKind Kind) const { return FPens[Kind].Style; }
    void SetGridLineStyleOf(GridKind Kind, TiPlotGridLineStyle Value) { SetGridStyle(Value, FPens[Kind].Style); }

#define ZQ9_GRID_LINE_KIND(Kind)                                                                                   \
    bool GridLine##Kind##Custom() const { return GridLineCustom(Kind); }                                           \
    void SetGridLine##Kind##Custom(bool Value) { SetGridLineCustom(Kind, Value); }                                 \
    vcl::TColor GridLine##Kind##Color() const { return GridLineColorOf(Kind); }                                    \
    void SetGridLine##Kind##Color(vcl::TColor Value) { SetGridLineColorOf(Kind, Value); }                          \
    int GridLine##Kind##Width() const { return GridLineWidthOf(Kind); }                                            \
    void SetGridLine##Kind##Width(int Value) { SetGridLineWidthOf(Kind, Value); }                                  \
    TiPlotGridLineStyle GridLine##Kind##Style() const { return GridLineStyleOf(Kind); }                            \
    void SetGridLine##Kind##Style(TiPlotGridLineStyle Value) { SetGridLineStyleOf(Kind, Value); }
    ZQ9_GRID_LINE_KIND(XMajor)
    ZQ9_GRID_LINE_KIND(XMinor)
    ZQ9_GRID_LINE_KIND(YMajor)
    ZQ9_GRID_LINE_KIND(YMinor)
#undef ZQ9_GRID_LINE_KIND

    bool AxesControlEnabled() const { return FAxesControlEnabled; }
    void SetAxesControlEnabled(bool Value) { FAxesControlEnabled = Value; }
    TiPlotAxesControlStyle AxesControlMouseStyle() const { return FAxesControlMouseStyle; }
    void SetAxesControlMouseStyle(TiPlotAxesControlStyle Value) { FAxesControlMouseStyle = Value; }
    TiPlotAxesControlStyle AxesControlWheelStyle() const { return FAxesControlWheelStyle; }
    void SetAxesControlWheelStyle(TiPlotAxesControlStyle Value) { FAxesControlWheelStyle = Value; }
    bool AxesControlAllowInSelectMode() const { return FAxesControlAllowInSelectMode; }
    void SetAxesControlAllowInSelectMode(bool Value) { SetBooleanProperty(Value, FAxesControlAllowInSelectMode, &TiPlotObject::DoChange); }

    // --- drawing ---
    // Fills the area unless it is transparent; the paint pass calls it before the objects.
    void DrawBackground(vcl::TCanvas* Canvas);
    // The grid and frame, then the selection frame.
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    void DrawZoomBox(vcl::TCanvas* Canvas);
    bool ZoomBoxActive() const { return FZoomBoxActive; }

    // --- percent of the extent <-> pixels; a zero-sized area raises ---
    double PixelsXToPositionPercent(int X) const;
    double PixelsYToPositionPercent(int Y) const;
    // Saturate to the plot's pixel range.
    int PositionPercentToPixelsX(double Percent) const override;
    int PositionPercentToPixelsY(double Percent) const override;

    // Every axis of the plot takes the rectangle onto its scale, after OnBeforeZoomBox allowed it.
    void ApplyZoomBox(vcl::TRect Rect);

    void NotificationRemove(vcl::TObject* AObject) override;
    void NotificationRename(TiPlotObject* AObject) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    TiPlotObject* GetMouseOverObject(int X, int Y) override { return this; }
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;
    void iKeyDown(vcl::WORD& Key, vcl::TShiftState Shift, vcl::TPopupMenu* PopupMenu) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;

    // Asked before a zoom box is applied: it may change the box or cancel it.
    std::function<void(vcl::TRect& Rect, bool& Cancel)> OnBeforeZoomBox;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseRight(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    bool DoMouseWheel(int WheelDelta, vcl::TShiftState Shift, int X, int Y) override;

private:
    enum class ControlMode { None, ZoomBox, Select, AxesControl };
    ControlMode GetControlMode() const;
    void SetGridStyle(TiPlotGridLineStyle Value, TiPlotGridLineStyle& Field);
    TiPlotAxis* GridAxis(bool XAxis);
    void DrawGridOf(vcl::TCanvas* Canvas, bool XAxis);
    void DrawFrame(vcl::TCanvas* Canvas) const;
    // Every X axis, then every Y axis of the plot, less the kind the drag is locked away from.
    template <typename Fn>
    void ForAxes(Fn fn);
    void StartZoomBox(int X, int Y);
    void DisableAllTracking();

    TiPlotAxis* FXAxis { nullptr };
    TiPlotAxis* FYAxis { nullptr };
    TiPlotObject* FMouseDownObject { nullptr };
    bool FMouseDownRight { false };
    bool FZoomBoxActive { false };
    int FMouseDownX { 0 };
    int FMouseDownY { 0 };
    int FMouseMoveX { 0 };
    int FMouseMoveY { 0 };
    bool FDirectionLock { false };
    bool FDirectionLockXAxis { false };
    QString FTitle;
    bool FBackgroundTransparent { true };
    vcl::TColor FBackgroundColor { 0x808000 };
    bool FGridShow { true };
    bool FAxesControlEnabled { false };
    TiPlotAxesControlStyle FAxesControlWheelStyle { TiPlotAxesControlStyle::ipacsXAxis };
    TiPlotAxesControlStyle FAxesControlMouseStyle { TiPlotAxesControlStyle::ipacsBoth };
    QString FGridYAxisName;
    QString FGridXAxisName;
    vcl::TColor FGridLineColor { 0x008000 };
    bool FGridLineShowLeft { true };
    bool FGridLineShowTop { true };
    bool FGridLineShowRight { true };
    bool FGridLineShowBottom { true };
    bool FGridLineShowXMajors { true };
    bool FGridLineShowXMinors { false };
    bool FGridLineShowYMajors { true };
    bool FGridLineShowYMinors { false };
    TiPlotGridLineStyle FGridLineMajorStyle { TiPlotGridLineStyle::ipglsSolid };
    TiPlotGridLineStyle FGridLineMinorStyle { TiPlotGridLineStyle::ipglsSolid };
    bool FCustom[4] { false, false, false, false };
    TiPlotGridPen FPens[4];
    bool FAxesControlAllowInSelectMode { false };
};
