#pragma once
// The fader: one integer Position between Min and Max, shown as a thumb on a track, moved with
// the mouse, the keyboard and the wheel, every change reported through OnChange.

#include "platform/ui/TCustomControl.h"
#include "widgets/AdvStyleIF.h"
#include "widgets/AdvTrackBarAppearance.h"
#include "widgets/AdvTrackBarHint.h"
#include "widgets/ImgList.h"

#include <memory>

namespace vcl {
class TTimer;
}
class TGPGraphics;

class TCustomTrackBar : public vcl::TCustomControl, public IComponentStyle
{
public:
    explicit TCustomTrackBar(vcl::TComponent* AOwner);
    ~TCustomTrackBar() override;

    // --- value ---
    int Position() const { return FPosition; }
    // A value equal to Position does nothing; any other is clamped into Min..Max, stored, the
    // thumb area repainted and OnChange fired (also when the clamped value equals the old one).
    virtual void SetPosition(int Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    // Swaps width and height unless loading.
    void SetOrientation(TTrackBarOrientation Value);

    // --- behaviour ---
    TMoveOnClick MoveOnClick() const { return FMoveOnClick; }
    void SetMoveOnClick(TMoveOnClick Value) { FMoveOnClick = Value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool Value) { FShowFocus = Value; }
    bool TrackHint() const { return FTrackHint; }
    void SetTrackHint(bool Value) { FTrackHint = Value; }

    // --- background ---
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool BackGroundStretched() const { return FBackGroundStretched; }
    void SetBackGroundStretched(bool Value);
    TGDIPPicture* BackGround() const { return FIBackGround.get(); }
    void SetBackGround(TGDIPPicture* Value) { FIBackGround->Assign(Value); }
    TGDIPPicture* BackGroundDisabled() const { return FIBackGroundDisabled.get(); }
    void SetBackGroundDisabled(TGDIPPicture* Value) { FIBackGroundDisabled->Assign(Value); }
    TGDIPPicture* RateActive() const { return FIRateActive.get(); }
    void SetRateActive(TGDIPPicture* Value) { FIRateActive->Assign(Value); }
    TGDIPPicture* RateInActive() const { return FIRateInActive.get(); }
    void SetRateInActive(TGDIPPicture* Value) { FIRateInActive->Assign(Value); }
    vcl::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(vcl::TColor Value);
    vcl::TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(vcl::TColor Value) { FBorderColorDisabled = Value; }
    vcl::TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(vcl::TColor Value) { FColorDisabled = Value; }
    vcl::TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(vcl::TColor Value) { FColorDisabledTo = Value; }
    vcl::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(vcl::TColor Value);
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);

    // --- appearance objects (setters copy with Assign) ---
    TTrackBarThumb* Thumb() const { return FThumb.get(); }
    void SetThumb(TTrackBarThumb* Value) { FThumb->Assign(Value); }
    TTrackBarSlider* Slider() const { return FSlider.get(); }
    void SetSlider(TTrackBarSlider* Value) { FSlider->Assign(Value); }
    TTrackBarTick* TickMark() const { return FTickMark.get(); }
    // Pictures drawn at the ticks in place of lines (image v at value v, image 0 past the list's end);
    // the list is not owned: a change of it repaints, and its end clears the reference.
    TCustomImageList* TickImages() const { return FImages; }
    void SetTickImages(TCustomImageList* Value);
    void SetTickMark(TTrackBarTick* Value) { FTickMark->Assign(Value); }
    TTrackBarButtons* Buttons() const { return FButtons.get(); }
    void SetButtons(TTrackBarButtons* Value) { FButtons->Assign(Value); }
    TTrackBarLabel* TrackLabel() const { return FTrackLabel.get(); }
    void SetTrackLabel(TTrackBarLabel* Value) { FTrackLabel->Assign(Value); }

    QString Version() const;
    void SetVersion(const QString&) {}

    // Recolours thumb, buttons and slider frame after a named look.
    void SetComponentStyle(TStylePreset AStyle) override;

    // --- geometry, in client pixels (Right and Bottom outside) ---
    vcl::TRect GetInnerRect() const;
    vcl::TRect GetMaxButtonRect() const;
    vcl::TRect GetMinButtonRect() const;
    int GetThumbPointerOffset() const;
    vcl::TRect GetTrackLabelRect(bool Narrow) const;
    vcl::TRect GetTrackRect() const;
    virtual vcl::TRect GetTickRectTopLeft() const;
    virtual vcl::TRect GetTickRectBottomRight() const;
    vcl::TRect GetSliderRect() const;
    virtual vcl::TRect GetThumbRect() const;
    // The thumb rectangle for any value (GetThumbRect is the one at Position).
    vcl::TRect GetThumbRectAt(int Value) const;
    // Value of a thumb leading edge `Offset` pixels from the track's start.
    int PixelToValue(int Offset) const;

    // --- rating mode: both rating pictures set ---
    bool IsRatingMode() const;
    vcl::TSize GetRatingItemSize() const;
    vcl::TRect GetRatingItemRect(int Value) const;
    int RatingValueAt(int X, int Y) const;

    // The drag hint window (hidden unless a drag with TrackHint shows it).
    TTrackHintWindow* TrackHintWindow() const { return FTrackHintWnd.get(); }
    // Whether a step repeat timer exists and runs (tests watch the repeat rule).
    bool RepeatTimerActive() const;

    vcl::TNotifyEvent OnChange;
    TDrawTickEvent OnDrawTick;
    TGetTrackHintEvent OnGetTrackHint;
    TGetTrackLabelEvent OnGetTrackLabelText;
    TGetTickMarkTextEvent OnGetTickMarkText;

    void Loaded() override;
    void Dispatch(vcl::TMessage& Message) override;
    // Thumb appearance asks before its ThumbPointer changes; true lets the value (maybe changed) in.
    virtual bool AllowThumbPointerChange(TTrackBarThumb* AThumb, TThumbPointer& Value);

    // The repeat timer's handler.
    virtual void RepeatTimerTick(vcl::TObject* Sender);

protected:
    virtual void Change();
    virtual bool AllowSliderClick() const { return true; }
    virtual QString GetTrackLabelText() const;
    virtual std::unique_ptr<TTrackBarSlider> CreateSlider();
    virtual bool AllowThumbDrag() const { return true; }
    virtual bool IsValidPosition(int Value) const { return Value >= FMin && Value <= FMax; }
    virtual int GetMinimum() const { return FMin; }
    virtual int GetMaximum() const { return FMax; }
    virtual bool HasTrackLabelTextHandler() const { return static_cast<bool>(OnGetTrackLabelText); }
    virtual void StepDown();
    virtual void StepUp();
    virtual void StepTowardClick();
    virtual int GetThumbLength() const;
    virtual void DrawSlider();
    virtual void DrawThumb();
    virtual void InvalidateTrackLabel();

    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    bool DoMouseWheel(vcl::TShiftState Shift, int WheelDelta, vcl::TPoint MousePos) override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Double clicks are off: the second click of a pair is one more press.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class TTrackBarThumb;

    void UpdateTickTextHeight();
    void AppearanceChanged();
    void TickChanged();
    void StartRepeatTimer();
    void InvalidateRect(const vcl::TRect& r);
    bool ThumbHit(int X, int Y) const;

    // painting steps
    void DrawBackground();
    void DrawTrackLabel();
    void DrawTicks();
    void DrawThumbAt(TTrackBarThumb* AThumb, const vcl::TRect& R, int Value, bool Pressed, bool Hot);
    void DrawButtons();
    void DrawMinButton();
    void DrawMaxButton();
    void DrawButton(bool IsMax);
    void DrawShapedThumb(TTrackBarThumb* AThumb, const vcl::TRect& R, vcl::TColor Border, vcl::TColor C,
                         vcl::TColor CTo, vcl::TColor CMirror, vcl::TColor CMirrorTo);
    void DrawRating();
    void DrawRatingItem(int Value);
    void RedrawThumbArea();

    std::unique_ptr<TTrackBarThumb> FThumb;
    std::unique_ptr<TTrackBarSlider> FSlider;
    std::unique_ptr<TTrackBarTick> FTickMark;
    TCustomImageList* FImages { nullptr };
    int FMax { 10 };
    int FMin { 0 };
    TTrackBarOrientation FOrientation { TTrackBarOrientation::trHorizontal };
    int FPageSize { 1 };
    int FPosition { 0 };
    bool FSliding { false };
    vcl::TColor FColorDisabled { vcl::clNone };
    vcl::TColor FColorTo { vcl::clNone };
    vcl::TColor FBorderColorDisabled { vcl::clNone };
    vcl::TColor FBorderColor { vcl::clNone };
    vcl::TColor FColorDisabledTo { vcl::clNone };
    std::unique_ptr<TGDIPPicture> FIBackGround;
    TGradientDirection FDirection { TGradientDirection::gdHorizontal };
    bool FTransparent { true };
    int FSliderTickOffset { 3 };
    int FOffset { 2 };
    int FTickTextOffset { 2 };
    bool FThumbHot { false };
    bool FThumbDown { false };
    int FThumbCenterOffsetX { 0 };
    int FThumbCenterOffsetY { 0 };
    std::unique_ptr<TGDIPPicture> FIRateInActive;
    std::unique_ptr<TGDIPPicture> FIRateActive;
    std::unique_ptr<TGDIPPicture> FIBackGroundDisabled;
    std::unique_ptr<TTrackBarButtons> FButtons;
    int FBorderWidth { 1 };
    bool FMinButtonHot { false };
    bool FMinButtonDown { false };
    bool FMaxButtonHot { false };
    bool FMaxButtonDown { false };
    bool FSliderButtonDown { false };
    vcl::TPoint FSliderDownPt;
    int FTextHeight { 0 };
    vcl::TTimer* FRepeatTimer { nullptr };
    bool FTrackHint { false };
    bool FBackGroundStretched { false };
    int FHintTickIndex { -1 };
    std::unique_ptr<TTrackHintWindow> FTrackHintWnd;
    bool FTrackHintShow { false };
    bool FShowFocus { false };
    TMoveOnClick FMoveOnClick { TMoveOnClick::mcStep };
    std::unique_ptr<TTrackBarLabel> FTrackLabel;
    bool FCaptured { false };
};

// The published fader; all behaviour lives in TCustomTrackBar.
class TAdvTrackBar : public TCustomTrackBar
{
public:
    explicit TAdvTrackBar(vcl::TComponent* AOwner) : TCustomTrackBar(AOwner) {}

    const vcl::TPropertyTable* PublishedProperties() const override;

protected:
    // TickImages: the image list is kept by its name and found again, beside the fader, once the whole
    // form has been read.
    void DefineProperties(vcl::TFiler& Filer) override;
};
