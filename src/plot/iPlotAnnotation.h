#pragma once
// A text, line, rectangle, ellipse, polygon or picture over the data area. Each coordinate lies in
// percent of the data view or in a channel's axis units; the user may move and resize the shape.

#include "plot/iPlotObjects.h"
#include "plot/iPlotTypes.h"

#include "platform/ui/TFont.h"
#include "platform/ui/TGraphics.h"

#include <memory>
#include <vector>

namespace vcl {
class TBitmap;
}
class TiPlotChannelCustom;
class TiPlotDataView;

enum class TiPlotAnnotationStyle {
    ipasText,
    ipasLine,
    ipasRectangle,
    ipasLineX,
    ipasLineY,
    ipasImage,
    ipasTextRectangle,
    ipasEllipse,
    ipasTextBox,
    ipasEllipse2,
    ipasPolygon,
    ipasRectangle2
};
enum class TiPlotAnnotationSelectStyle { ipassNone, ipassMove, ipassSizeTopLeft, ipassSizeTopRight,
                                         ipassSizeBottomLeft, ipassSizeBottomRight };
enum class TiAlignmentVertical { iavCenter, iavTop, iavBottom };

// One polygon vertex in the annotation's position frames.
class TiPlotAnnotationPoint
{
public:
    double X { 0.0 };
    double Y { 0.0 };
};

class TiPlotAnnotation : public TiPlotManagerObject
{
public:
    TiPlotAnnotation(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                     vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiPlotAnnotation() override;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // --- published ---
    TiPlotAnnotationStyle Style() const { return FStyle; }
    void SetStyle(TiPlotAnnotationStyle Value) { SetEnum(Value, FStyle); }
    TiPlotReferenceType Reference() const { return FReference; }
    void SetReference(TiPlotReferenceType Value) { SetEnum(Value, FReference); }
    TiPlotReferenceIndividual ReferencePositionX() const { return FReferencePositionX; }
    void SetReferencePositionX(TiPlotReferenceIndividual Value) { SetEnum(Value, FReferencePositionX); }
    TiPlotReferenceIndividual ReferencePositionY() const { return FReferencePositionY; }
    void SetReferencePositionY(TiPlotReferenceIndividual Value) { SetEnum(Value, FReferencePositionY); }
    TiPlotReferenceIndividual ReferenceSizeX() const { return FReferenceSizeX; }
    void SetReferenceSizeX(TiPlotReferenceIndividual Value) { SetEnum(Value, FReferenceSizeX); }
    TiPlotReferenceIndividual ReferenceSizeY() const { return FReferenceSizeY; }
    void SetReferenceSizeY(TiPlotReferenceIndividual Value) { SetEnum(Value, FReferenceSizeY); }
    // Each coordinate setter fires the plot's OnAnnotationCoordinatesChange after the notification.
    double X() const { return FX; }
    void SetX(double Value) { SetCoordinate(Value, FX); }
    double Y() const { return FY; }
    void SetY(double Value) { SetCoordinate(Value, FY); }
    double X2() const { return FX2; }
    void SetX2(double Value) { SetCoordinate(Value, FX2); }
    double Y2() const { return FY2; }
    void SetY2(double Value) { SetCoordinate(Value, FY2); }
    double Width() const { return FWidth; }
    void SetWidth(double Value) { SetCoordinate(Value, FWidth); }
    double Height() const { return FHeight; }
    void SetHeight(double Value) { SetCoordinate(Value, FHeight); }
    vcl::TColor PenColor() const { return FPenColor; }
    void SetPenColor(vcl::TColor Value) { SetColorProperty(Value, FPenColor, &TiPlotObject::DoChange); }
    vcl::TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(vcl::TPenStyle Value) { SetEnum(Value, FPenStyle); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int Value) { SetIntegerProperty(Value, FPenWidth, &TiPlotObject::DoChange); }
    vcl::TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(vcl::TColor Value) { SetColorProperty(Value, FBrushColor, &TiPlotObject::DoChange); }
    vcl::TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(vcl::TBrushStyle Value) { SetEnum(Value, FBrushStyle); }
    const QString& Text() const { return FText; }
    void SetText(const QString& Value) { SetStringProperty(Value, FText, &TiPlotObject::DoChange); }
    TiRotationAngle TextRotation() const { return FTextRotation; }
    void SetTextRotation(TiRotationAngle Value) { SetEnum(Value, FTextRotation); }
    TiAlignmentHorizontal TextHorzAlignment() const { return FTextHorzAlignment; }
    void SetTextHorzAlignment(TiAlignmentHorizontal Value) { SetEnum(Value, FTextHorzAlignment); }
    TiAlignmentVertical TextVertAlignment() const { return FTextVertAlignment; }
    void SetTextVertAlignment(TiAlignmentVertical Value) { SetEnum(Value, FTextVertAlignment); }
    TiAlignmentHorizontal TextLineAlignment() const { return FTextLineAlignment; }
    void SetTextLineAlignment(TiAlignmentHorizontal Value) { SetEnum(Value, FTextLineAlignment); }
    double TextHorzMargin() const { return FTextHorzMargin; }
    void SetTextHorzMargin(double Value) { SetDoubleProperty(Value, FTextHorzMargin, &TiPlotObject::DoChange); }
    double TextVertMargin() const { return FTextVertMargin; }
    void SetTextVertMargin(double Value) { SetDoubleProperty(Value, FTextVertMargin, &TiPlotObject::DoChange); }
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(const vcl::TFont* Value);
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { SetIntegerProperty(Value, FOuterMargin, &TiPlotObject::DoChange); }
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { SetIntegerProperty(Value, FImageListIndex, &TiPlotObject::DoChange); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { SetIntegerProperty(Value, FImageIndex, &TiPlotObject::DoChange); }
    const QString& ChannelName() const { return FChannelName; }
    void SetChannelName(const QString& Value);
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { FUserCanMove = Value; }
    bool UserCanSize() const { return FUserCanSize; }
    void SetUserCanSize(bool Value) { FUserCanSize = Value; }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value) { FSelectModeOnlyInteraction = Value; }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetBooleanProperty(Value, FClipToAxes, &TiPlotObject::DoChange); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value) { SetBooleanProperty(Value, FShowFocusRect, &TiPlotObject::DoChange); }

    // --- public ---
    vcl::TBitmap* Image() const { return FImage.get(); }
    // Copies the bitmap (nullptr frees the annotation's own); change notification.
    void SetImage(vcl::TBitmap* Value);
    void ImageClear();
    void ImageLoadFromFile(const QString& FileName);
    vcl::TRect ClickRect() const { return FClickRect; }
    vcl::TRect DrawRect() const { return FDrawRect; }
    bool Showing() const { return FShowing; }
    TiPlotAnnotationSelectStyle SelectStyle() const { return FSelectStyle; }
    vcl::TRect SizeTopLeftRect() const { return FSizeTopLeftRect; }
    vcl::TRect SizeTopRightRect() const { return FSizeTopRightRect; }
    vcl::TRect SizeBottomLeftRect() const { return FSizeBottomLeftRect; }
    vcl::TRect SizeBottomRightRect() const { return FSizeBottomRightRect; }
    int PolyPointsCount() const { return static_cast<int>(FPolyPoints.size()); }
    const TiPlotAnnotationPoint& PolyPoint(int Index) const { return FPolyPoints.at(static_cast<size_t>(Index)); }
    int PolyPointAdd(double X, double Y);
    void PolyPointsClear() { FPolyPoints.clear(); }
    // Set by the plot's paint pass: the data view the annotation lies on.
    TiPlotDataView* DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView* Value) { FDataView = Value; }
    TiPlotChannelCustom* Channel();
    // The position mappings of the two coordinates; the inverse ones give 0 without a frame.
    int PositionXToPixels(double Value);
    int PositionYToPixels(double Value);
    double PixelsXToPosition(int Value);
    double PixelsYToPosition(int Value);
    bool IsSizable() const;

    void NotificationRemove(vcl::TObject* AObject) override;
    void NotificationRename(TiPlotObject* AObject) override;
    void NotificationSetFocus(TiPlotObject* AObject) override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    vcl::TCursor GetMouseCursor(vcl::TPoint Point) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    template <class T>
    void SetEnum(T Value, T& Field)
    {
        if (Field == Value)
            return;
        Field = Value;
        DoChange();
    }
    void SetCoordinate(double Value, double& Field);
    int Index() const;
    void FireEvent(int Which);
    // Frames: true when the coordinate lies in the channel's axis units.
    bool ChannelFrame(TiPlotReferenceIndividual Individual, bool ForX) const;
    bool AnyChannelFrame() const;
    bool AnyDataViewFrame() const;
    int ToPixels(bool Channel, bool ForX, double Value);
    double ToPosition(bool Channel, bool ForX, int Pixels);
    int SizeToPixels(bool ForX, double Value);
    vcl::TRect ViewRect() const;

    // --- drawing (iPlotAnnotationDraw.cpp) ---
    bool CanDrawNow();
    void ClipIfAsked(vcl::TCanvas* Canvas);
    void DrawText(vcl::TCanvas* Canvas, int X, int Y, bool Box);
    void DrawTextInRect(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
    void DrawLineAcross(vcl::TCanvas* Canvas, int Position, bool AtX);
    void DrawPicture(vcl::TCanvas* Canvas, int X, int Y);
    void DrawShape(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
    void DrawPolygonShape(vcl::TCanvas* Canvas);
    void SetShapeRects(const vcl::TRect& Rect);
    void DrawGrips(vcl::TCanvas* Canvas);

    // --- mouse (iPlotAnnotationMouse.cpp) ---
    void MoveBy(int DX, int DY);
    void SizeBy(int DX, int DY);

    TiPlotAnnotationStyle FStyle { TiPlotAnnotationStyle::ipasText };
    TiPlotReferenceType FReference { TiPlotReferenceType::iprtDataView };
    TiPlotReferenceIndividual FReferencePositionX { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FReferencePositionY { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FReferenceSizeX { TiPlotReferenceIndividual::ipriAuto };
    TiPlotReferenceIndividual FReferenceSizeY { TiPlotReferenceIndividual::ipriAuto };
    TiPlotAnnotationSelectStyle FSelectStyle { TiPlotAnnotationSelectStyle::ipassNone };
    vcl::TRect FSizeTopLeftRect;
    vcl::TRect FSizeTopRightRect;
    vcl::TRect FSizeBottomLeftRect;
    vcl::TRect FSizeBottomRightRect;
    std::vector<TiPlotAnnotationPoint> FPolyPoints;
    double FX { 0.0 };
    double FY { 0.0 };
    double FY2 { 0.0 };
    double FX2 { 0.0 };
    double FWidth { 0.0 };
    double FHeight { 0.0 };
    vcl::TColor FPenColor { vcl::clWhite };
    int FPenWidth { 1 };
    vcl::TPenStyle FPenStyle { vcl::TPenStyle::psSolid };
    vcl::TColor FBrushColor { vcl::clWhite };
    vcl::TBrushStyle FBrushStyle { vcl::TBrushStyle::bsSolid };
    QString FText;
    std::unique_ptr<vcl::TFont> FFont;
    QString FChannelName;
    TiPlotDataView* FDataView { nullptr };
    TiPlotChannelCustom* FChannel { nullptr };
    TiRotationAngle FTextRotation { TiRotationAngle::ira000 };
    bool FShowing { false };
    vcl::TRect FDrawRect;
    vcl::TRect FClickRect;
    bool FRectChange { false };
    bool FUserCanMove { false };
    bool FUserCanSize { false };
    bool FSelectModeOnlyInteraction { true };
    bool FClipToAxes { false };
    bool FMouseDownOwn { false };
    int FMouseDownX { 0 };
    int FMouseDownY { 0 };
    double FMouseDownWidth { 0.0 };
    double FMouseDownHeight { 0.0 };
    int FMouseDownPositionPixelsX { 0 };
    int FMouseDownPositionPixelsY { 0 };
    vcl::TRect FMouseDownRect;
    std::unique_ptr<vcl::TBitmap> FImage;
    int FImageListIndex { 0 };
    int FImageIndex { 0 };
    TiAlignmentHorizontal FTextHorzAlignment { TiAlignmentHorizontal::iahCenter };
    TiAlignmentVertical FTextVertAlignment { TiAlignmentVertical::iavCenter };
    TiAlignmentHorizontal FTextLineAlignment { TiAlignmentHorizontal::iahCenter };
    double FTextHorzMargin { 1.0 };
    double FTextVertMargin { 1.0 };
    bool FShowFocusRect { true };
    double FMouseDownXValue { 0.0 };
    double FMouseDownYValue { 0.0 };
    double FMouseDownX2Value { 0.0 };
    double FMouseDownY2Value { 0.0 };
    int FOuterMargin { 0 };
};
