#pragma once
// A limit drawn in the data area against one X and one Y axis: a line at an X or Y value, a band
// between two values, or a band whose edges follow a list of elements. Lines and band edges can be
// dragged.

#include "plot/iLimitDataList.h"
#include "plot/iPlotObjects.h"

#include "platform/ui/TGraphics.h"

#include <memory>

class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;

enum class TiPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };

class TiPlotLimit : public TiPlotManagerObject
{
public:
    TiPlotLimit(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotLimit() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor Value) { SetColorProperty(Value, FColor, &TiPlotObject::DoChange); }
    vcl::TPenStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(vcl::TPenStyle Value);
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value) { SetIntegerProperty(Value, FLineWidth, &TiPlotObject::DoChange); }
    vcl::TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(vcl::TBrushStyle Value);
    const QString& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString& Value);
    const QString& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString& Value);
    TiPlotLimitStyle Style() const { return FStyle; }
    void SetStyle(TiPlotLimitStyle Value);
    double Line1Position() const { return FLine1Position; }
    void SetLine1Position(double Value) { SetLinePosition(Value, FLine1Position, true); }
    double Line2Position() const { return FLine2Position; }
    void SetLine2Position(double Value) { SetLinePosition(Value, FLine2Position, false); }
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { SetBooleanProperty(Value, FUserCanMove, &TiPlotObject::DoChange); }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value) { FSelectModeOnlyInteraction = Value; }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetBooleanProperty(Value, FClipToAxes, &TiPlotObject::DoChange); }

    // --- public ---
    // Raises "the Upper Limit must be greater than or equal to the Lower Limit" and adds nothing
    // when LowerLimit > UpperLimit.
    void AddBandElement(double Position, double UpperLimit, double LowerLimit);
    void ClearAllElements();
    int ElementCount() const { return FPointList->Count(); }
    // Areas draw under the grid of their layer: bands that fill, and poly-bands.
    bool IsAreaStyle() const;
    bool IsXStyle() const;
    TiPlotXAxis* XAxis();
    TiPlotYAxis* YAxis();
    bool Line1Show() const { return FLine1Show; }
    bool Line2Show() const { return FLine2Show; }
    vcl::TRect Line1ClickRect() const { return FLine1ClickRect; }
    vcl::TRect Line2ClickRect() const { return FLine2ClickRect; }

    void NotificationRemove(vcl::TObject* AObject) override;
    void NotificationRename(TiPlotObject* AObject) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;
    void AddMenuItems(vcl::TPopupMenu* PopupMenu) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    int Index() const;
    void SetLinePosition(double Value, double& Field, bool Line1);
    vcl::TPoint Point(int X, int Y) const;
    vcl::TRect Band(int Position, int From, int To, bool AcrossX) const;
    void DrawLine(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor);
    void DrawBand(vcl::TCanvas* Canvas);
    void DrawPolyBand(vcl::TCanvas* Canvas);

    std::unique_ptr<TiLimitDataList> FPointList;
    bool FMouseDownLine1 { false };
    bool FMouseDownLine2 { false };
    TiPlotXAxis* FXAxis { nullptr };
    TiPlotYAxis* FYAxis { nullptr };
    QString FYAxisName;
    QString FXAxisName;
    TiPlotLimitStyle FStyle { TiPlotLimitStyle::iplsLineY };
    vcl::TColor FColor { vcl::clRed };
    int FLineWidth { 0 };
    vcl::TPenStyle FLineStyle { vcl::TPenStyle::psSolid };
    vcl::TBrushStyle FFillStyle { vcl::TBrushStyle::bsSolid };
    bool FLine1Show { false };
    bool FLine2Show { false };
    double FLine1Position { 50.0 };
    double FLine2Position { 50.0 };
    vcl::TRect FLine1ClickRect;
    vcl::TRect FLine2ClickRect;
    bool FUserCanMove { false };
    bool FSelectModeOnlyInteraction { true };
    bool FClipToAxes { false };
};
