#pragma once
// Self-drawn push button: classic 3-D face in any colour or a flat hot-tracking face, caption with
// vertical alignment and 3-D text styles, exclusive groups on one parent, and a modal result.

#include "platform/ui/ModalResult.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TLabel.h"
#include "widgets/RzCommon.h"

namespace rz {

enum class TRzButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

inline constexpr vcl::UINT UM_RZBUTTON_GROUP = 0x2421;

// The mouse and key handling shared by the self-drawn buttons: the press/release pair reaches
// MouseDown/MouseUp only, so that each button decides itself when a click happens.
class TRzButtonControl : public vcl::TCustomControl
{
public:
    explicit TRzButtonControl(vcl::TComponent* AOwner);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Takes the keyboard focus; true when the button may go on as focused.
    bool TakeFocus();
};

// The top-level form that holds Control, or nullptr.
vcl::TWinControl* ParentFormOf(vcl::TControl* Control);
// Writes Result into the ModalResult of Control's form (when it has one).
void SetParentFormModalResult(vcl::TControl* Control, vcl::TModalResult Result);

class TRzCustomButton : public TRzButtonControl
{
public:
    explicit TRzCustomButton(vcl::TComponent* AOwner);

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical Value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor Value);
    TRzHotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(TRzHotTrackColorType Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    bool LightTextStyle() const { return FLightTextStyle; }
    void SetLightTextStyle(bool Value);
    TTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TTextStyle Value);
    TColor TextHighlightColor() const { return FTextHighlightColor; }
    void SetTextHighlightColor(TColor Value);
    TColor TextShadowColor() const { return FTextShadowColor; }
    void SetTextShadowColor(TColor Value);
    int TextShadowDepth() const { return FTextShadowDepth; }
    void SetTextShadowDepth(int Value);
    bool HotTrack() const { return FHotTrack; }
    virtual void SetHotTrack(bool Value);
    bool ThemeAware() const { return FThemeAware; }
    void SetThemeAware(bool Value);

    bool IsThemed() const;
    bool ShowDownVersion() const { return FShowDownVersion; }
    bool MouseOverButton() const { return FMouseOverButton; }

protected:
    virtual void RefreshButton() { Repaint(); }
    virtual void RepaintButton() { Repaint(); }
    virtual void DrawCaption(TCanvas& Canvas, TRect R, unsigned Flags);
    virtual void ButtonClick() {}
    virtual void SetTransparent(bool Value);

    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool FDragging { false };
    bool FMouseOverButton { false };
    bool FShowDownVersion { false };
    bool FTransparent { false };

private:
    TAlignmentVertical FAlignmentVertical { TAlignmentVertical::avCenter };
    TColor FHotTrackColor { vcl::RGB(240, 155, 20) };
    TRzHotTrackColorType FHotTrackColorType { TRzHotTrackColorType::htctActual };
    TColor FHighlightColor { vcl::clHighlight };
    bool FLightTextStyle { false };
    TTextStyle FTextStyle { TTextStyle::tsNormal };
    TColor FTextHighlightColor { vcl::clBtnHighlight };
    TColor FTextShadowColor { vcl::clBtnShadow };
    int FTextShadowDepth { 2 };
    bool FHotTrack { false };
    bool FThemeAware { true };
};

class TRzButton : public TRzCustomButton
{
public:
    explicit TRzButton(vcl::TComponent* AOwner);

    const vcl::TPropertyTable* PublishedProperties() const override;
    // Reads the obsolete "FrameFlat" into HotTrack; writes nothing of it.
    void DefineProperties(vcl::TFiler& Filer) override;

    vcl::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    vcl::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(vcl::TModalResult Value) { FModalResult = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool ShowDownPattern() const { return FShowDownPattern; }
    void SetShowDownPattern(bool Value);
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value);
    bool DropDownOnEnter() const { return FDropDownOnEnter; }
    void SetDropDownOnEnter(bool Value) { FDropDownOnEnter = Value; }
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor Value);
    void SetHotTrack(bool Value) override;
    TRzButtonState State() const { return FState; }
    bool KeyWasPressed() const { return FKeyWasPressed; }

    // Modal result into the form, then OnClick.
    void Click() override;
    void Dispatch(vcl::TMessage& Message) override;

protected:
    void Paint() override;
    void ButtonClick() override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    TRect GetCaptionRect() const;
    void PaintCaption();
    void CreateDownPattern(vcl::TBitmap& Bitmap) const;

private:
    void UpdateExclusive();
    bool LooksPressed() const;
    void PaintHotTrack(TCanvas& C, TRect B);
    void PaintClassic(TCanvas& C, TRect B);

    vcl::TAlignment FAlignment { vcl::TAlignment::taCenter };
    bool FClicking { false };
    bool FDefault { false };
    bool FCancel { false };
    bool FActive { false };
    vcl::TModalResult FModalResult { 0 };
    bool FKeyToggle { false };
    bool FAllowAllUp { false };
    bool FDown { false };
    int FGroupIndex { 0 };
    bool FShowDownPattern { true };
    bool FShowFocusRect { true };
    bool FDropDownOnEnter { true };
    TColor FFrameColor { vcl::cl3DDkShadow };
    TRzButtonState FState { TRzButtonState::bsUp };
    bool FKeyWasPressed { false };
};

enum class TRzBorderStyle { bsNone, bsSingle };
enum class TRzCaptionPosition { cpCentered, cpXY };

// Offsets of the bevel rings around a shape: 3 rings x 2 sides (bottom-right, top-left) x up to 13
// pairs; a list ends at the first (0, 0).
extern const int ShapeBevelOffsets[3][2][13][2];

// 1 (white) where Bitmap has Color, 0 elsewhere, as an 8-bit image of 0 and 1 values.
QImage CreateMonoMask(const QImage& Bitmap, TColor Color);

// A button shaped by the opaque pixels of a bitmap, with built raised and sunken images; it takes
// clicks only on the shape.
class TRzShapeButton : public vcl::TGraphicControl
{
public:
    explicit TRzShapeButton(vcl::TComponent* AOwner);
    ~TRzShapeButton() override;

    const vcl::TPropertyTable* PublishedProperties() const override;
    // "Bitmap", "BitmapUp" and "BitmapDown" as BMP files, each only when its image is not empty.
    void DefineProperties(vcl::TFiler& Filer) override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    int BevelWidth() const { return FBevelWidth; }
    virtual void SetBevelWidth(int Value);
    TColor BevelHighlightColor() const { return FBevelHighlightColor; }
    virtual void SetBevelHighlightColor(TColor Value);
    TColor BevelShadowColor() const { return FBevelShadowColor; }
    virtual void SetBevelShadowColor(TColor Value);
    vcl::TBitmap* Bitmap() { return &FBitmap; }
    virtual void SetBitmap(vcl::TBitmap* Value) { FBitmap.Assign(Value); }
    vcl::TBitmap* BitmapUp() { return &FBitmapUp; }
    vcl::TBitmap* BitmapDown() { return &FBitmapDown; }
    // Take prebuilt images without repainting.
    virtual void SetBitmapUp(vcl::TBitmap* Value) { FBitmapUp.Assign(Value); }
    virtual void SetBitmapDown(vcl::TBitmap* Value) { FBitmapDown.Assign(Value); }
    TRzBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TRzBorderStyle Value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor Value);
    bool PreciseClick() const { return FPreciseClick; }
    void SetPreciseClick(bool Value);
    bool PreciseShowHint() const { return FPreciseShowHint; }
    void SetPreciseShowHint(bool Value) { FPreciseShowHint = Value; }
    TRzCaptionPosition CaptionPosition() const { return FCaptionPosition; }
    virtual void SetCaptionPosition(TRzCaptionPosition Value);
    int CaptionX() const { return FCaptionX; }
    virtual void SetCaptionX(int Value) { SetCaptionXY(Value, FCaptionY); }
    int CaptionY() const { return FCaptionY; }
    virtual void SetCaptionY(int Value) { SetCaptionXY(FCaptionX, Value); }
    virtual void SetCaptionXY(int X, int Y);
    TRzButtonState State() const { return FState; }

    // True without a mask, else exactly on the clickable (black) mask pixels.
    virtual bool PtInMask(int X, int Y) const;
    // Form data of the built images: a complete BMP file each; an empty image writes nothing.
    virtual bool WriteBitmapUp(QByteArray& Data) const;
    virtual bool WriteBitmapDown(QByteArray& Data) const;
    virtual void ReadBitmapUp(const QByteArray& Data);
    virtual void ReadBitmapDown(const QByteArray& Data);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;
    void Dispatch(vcl::TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    virtual void DrawButtonCaption(TCanvas& Canvas, const QString& Text, TRzButtonState State, TRect Rect);
    virtual TRect CalcCaptionRect(TCanvas& Canvas, const QString& Text);

private:
    void BitmapChanged();
    void UpdateAutoSize();
    void BuildButtonImage(TRzButtonState State, vcl::TBitmap& Dest);
    TColor GetBevelColor(TRzButtonState State, bool TopLeft) const;
    TColor TransparentKey() const;
    bool Inside(int X, int Y) const;
    void ApplyHitMask();

    bool FAutoSize { true };
    int FBevelWidth { 2 };
    TColor FBevelHighlightColor { vcl::clBtnHighlight };
    TColor FBevelShadowColor { vcl::clBtnShadow };
    vcl::TBitmap FBitmap;
    vcl::TBitmap FBitmapUp;
    vcl::TBitmap FBitmapDown;
    TRzBorderStyle FBorderStyle { TRzBorderStyle::bsSingle };
    TColor FBorderColor { vcl::cl3DDkShadow };
    bool FDragging { false };
    QImage FHitTestMask; // 0 on the clickable pixels; null for none
    bool FPrevCursorSaved { false };
    vcl::TCursor FPrevCursor { vcl::crDefault };
    bool FPrevShowHintSaved { false };
    bool FPrevShowHint { false };
    bool FPreciseClick { true };
    bool FPreciseShowHint { true };
    TRzCaptionPosition FCaptionPosition { TRzCaptionPosition::cpCentered };
    int FCaptionX { 0 };
    int FCaptionY { 0 };
    TRzButtonState FState { TRzButtonState::bsUp };
};

} // namespace rz
