#pragma once
// Panels and group boxes: a two-layer frame with a border band, solid or gradient fill, grid, a
// word-wrapped caption, transparency through the parent's image, and children disabled together
// with the panel; group boxes add a caption font and six group styles.

#include "platform/ui/TCustomControl.h"
#include "platform/ui/TLabel.h"
#include "widgets/RzCommon.h"
#include "widgets/RzFrameController.h"
#include "widgets/RzPanelDock.h"

#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

namespace rz {

enum class TGridStyle { gsDots, gsDottedLines, gsSolidLines };
enum class TGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

class TRzCustomPanel : public vcl::TCustomControl, public IFramingClient
{
public:
    explicit TRzCustomPanel(vcl::TComponent* AOwner);
    ~TRzCustomPanel() override;

    TRzFrameController* FrameController() const { return FFrameController.Get(); }
    void SetFrameController(TRzFrameController* Value) { FFrameController.Set(Value); }
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameController.Notifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications Value) { FFrameController.Notifications = Value; }
    // Only while the controller's frame is visible: its style, sides, colours; then a repaint.
    void ApplyFrameController() override;

protected:
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

public:

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical Value);
    vcl::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment Value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    void SetBorderInner(TFrameStyleEx Value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    void SetBorderOuter(TFrameStyleEx Value);
    TSides BorderSides() const { return FBorderSides; }
    void SetBorderSides(TSides Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderHighlight() const { return FBorderHighlight; }
    void SetBorderHighlight(TColor Value);
    TColor BorderShadow() const { return FBorderShadow; }
    void SetBorderShadow(TColor Value);
    TColor FlatColor() const { return FFlatColor; }
    void SetFlatColor(TColor Value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    void SetFlatColorAdjustment(int Value);
    bool PaintClientArea() const { return FPaintClientArea; }
    void SetPaintClientArea(bool Value);
    TRzVisualStyle VisualStyle() const { return FVisualStyle; }
    void SetVisualStyle(TRzVisualStyle Value);
    TRzGradientColorStyle GradientColorStyle() const { return FGradientColorStyle; }
    void SetGradientColorStyle(TRzGradientColorStyle Value);
    TColor GradientColorStart() const { return FGradientColorStart; }
    void SetGradientColorStart(TColor Value);
    TColor GradientColorStop() const { return FGradientColorStop; }
    void SetGradientColorStop(TColor Value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor Value);
    TGridStyle GridStyle() const { return FGridStyle; }
    void SetGridStyle(TGridStyle Value);
    int GridXSize() const { return FGridXSize; }
    void SetGridXSize(int Value);
    int GridYSize() const { return FGridYSize; }
    void SetGridYSize(int Value);
    void SetGridSize(int X, int Y);
    bool ShowGrid() const { return FShowGrid; }
    void SetShowGrid(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    int TextMargin() const { return FTextMargin; }
    void SetTextMargin(int Value);
    int TextMarginVertical() const { return FTextMarginVertical; }
    void SetTextMarginVertical(int Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }
    bool ShowDockClientCaptions() const { return FShowDockClientCaptions; }
    void SetShowDockClientCaptions(bool Value) { FShowDockClientCaptions = Value; Invalidate(); }
    bool DockSite() const { return FDockSite; }
    void SetDockSite(bool Value) { FDockSite = Value; }
    bool UseDockManager() const { return FUseDockManager; }
    void SetUseDockManager(bool Value) { FUseDockManager = Value; }
    // The panel's dock manager, made on the first request when the panel is a dock site that uses
    // one; nullptr otherwise.
    TRzPanelDockManager* DockManager();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Older forms: "FrameSides" and "ThemeAware" are read and dropped, "UseGradients" True means
    // VisualStyle vsGradient; none is written.
    void DefineProperties(vcl::TFiler& Filer) override;
    void Dispatch(vcl::TMessage& Message) override;

    // Shrinks Rect by the frame widths on the bordered sides (and BorderWidth all round when asked).
    virtual TRect AdjustRectForBorders(TRect Rect, bool IncludeBorderWidth) const;
    virtual TRect GetPaintBounds() const { return TRect(0, 0, Width(), Height()); }
    virtual TColorPair GetGradientColors() const;
    // Frame colour and its adjustment for the flat styles.
    virtual std::pair<TColor, int> GetFlatFrameColor() const;

    vcl::TNotifyEvent OnPaint;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;
    virtual void DrawCaption(TRect Rect);
    virtual void DrawGrid(TRect Rect);
    // Copies the parent's image under a transparent panel (the erase step).
    void EraseBackground();
    void PaintPanel();
    TColor ParentColorValue() const;
    void InvalidateTransparentChildren();
    void RealignAndInvalidate();

private:
    void EnabledChanged();

    TAlignmentVertical FAlignmentVertical { TAlignmentVertical::avCenter };
    vcl::TAlignment FAlignment { vcl::TAlignment::taCenter };
    TFrameStyleEx FBorderInner { TFrameStyleEx::fsNone };
    TFrameStyleEx FBorderOuter { TFrameStyleEx::fsRaised };
    TSides FBorderSides { sdAllSides };
    int FBorderWidth { 0 };
    int FBevelWidth { 1 };
    TColor FBorderColor { vcl::clBtnFace };
    TColor FBorderHighlight { vcl::clBtnHighlight };
    TColor FBorderShadow { vcl::clBtnShadow };
    TColor FFlatColor { vcl::clBtnShadow };
    int FFlatColorAdjustment { 30 };
    bool FPaintClientArea { true };
    TRzVisualStyle FVisualStyle { TRzVisualStyle::vsWinXP };
    TRzGradientColorStyle FGradientColorStyle { TRzGradientColorStyle::gcsSystem };
    TColor FGradientColorStart { vcl::clWhite };
    TColor FGradientColorStop { vcl::clBtnFace };
    TGradientDirection FGradientDirection { TGradientDirection::gdHorizontalEnd };
    TColor FGridColor { vcl::clBtnShadow };
    TGridStyle FGridStyle { TGridStyle::gsDots };
    int FGridXSize { 8 };
    int FGridYSize { 8 };
    bool FShowGrid { false };
    bool FTransparent { false };
    int FTextMargin { 0 };
    int FTextMarginVertical { 0 };
    bool FWordWrap { true };
    bool FFullRepaint { true };
    bool FShowDockClientCaptions { true };
    bool FDockSite { false };
    bool FUseDockManager { true };
    std::unique_ptr<TRzPanelDockManager> FDockManager;
    TRzFrameControllerLink FFrameController { *this };
    // Children's enabled states recorded when the panel was disabled.
    std::vector<std::pair<QPointer<vcl::TControl>, bool>> FEnabledList;
};

class TRzPanel : public TRzCustomPanel
{
public:
    explicit TRzPanel(vcl::TComponent* AOwner);

    const vcl::TPropertyTable* PublishedProperties() const override;
};

class TRzCustomGroupBox : public TRzCustomPanel
{
public:
    explicit TRzCustomGroupBox(vcl::TComponent* AOwner);
    ~TRzCustomGroupBox() override;

    TGroupBoxStyle GroupStyle() const { return FGroupStyle; }
    void SetGroupStyle(TGroupBoxStyle Value);
    int BannerHeight() const { return FBannerHeight; }
    void SetBannerHeight(int Value);
    vcl::TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(const vcl::TFont* Value);
    bool CaptionFontChanged() const { return FCaptionFontChanged; }

    void Dispatch(vcl::TMessage& Message) override;

    // Public so that controls derived from the group box can paint it first.
    void Paint() override;

protected:
    void AdjustClientRect(TRect& Rect) const override;

private:
    void PaintStyled();

    TGroupBoxStyle FGroupStyle { TGroupBoxStyle::gsFlat };
    int FBannerHeight { 0 };
    std::unique_ptr<vcl::TFont> FCaptionFont;
    bool FCaptionFontChanged { false };
    bool FCopyingFont { false };
};

class TRzGroupBox : public TRzCustomGroupBox
{
public:
    explicit TRzGroupBox(vcl::TComponent* AOwner);

    // CaptionFont is stored only once it was set apart from Font.
    const vcl::TPropertyTable* PublishedProperties() const override;
};

} // namespace rz
