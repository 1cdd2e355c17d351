#pragma once
// The bitmap button: a face per visual state (up, focused, disabled, down, latched, hot) with an
// optional caption, latching radio groups under one parent, and a face composed off-screen over
// the parent's image so that transparent pixels show what lies behind.

#include "platform/ui/ModalResult.h"
#include "platform/ui/TBitmap.h"
#include "widgets/RzButton.h"

#include <memory>

namespace rz {

enum class TButtonBorder { bbNone, bbSingle, bbButton };
enum class TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };

inline constexpr vcl::UINT UM_BMPBUTTON_GROUP = 0x2420;

// The six faces and the transparent colour; any change fires OnChange.
class TRzButtonBitmaps : public vcl::TPersistent
{
public:
    TRzButtonBitmaps();

    vcl::TBitmap* Up() { return &FUp; }
    vcl::TBitmap* UpAndFocused() { return &FUpAndFocused; }
    vcl::TBitmap* Disabled() { return &FDisabled; }
    vcl::TBitmap* Down() { return &FDown; }
    vcl::TBitmap* StayDown() { return &FStayDown; }
    vcl::TBitmap* Hot() { return &FHot; }
    // Each copies the picture into the owned bitmap.
    virtual void SetUp(vcl::TBitmap* Value) { FUp.Assign(Value); }
    virtual void SetUpAndFocused(vcl::TBitmap* Value) { FUpAndFocused.Assign(Value); }
    virtual void SetDisabled(vcl::TBitmap* Value) { FDisabled.Assign(Value); }
    virtual void SetDown(vcl::TBitmap* Value) { FDown.Assign(Value); }
    virtual void SetStayDown(vcl::TBitmap* Value) { FStayDown.Assign(Value); }
    virtual void SetHot(vcl::TBitmap* Value) { FHot.Assign(Value); }
    TColor TransparentColor() const { return FTransparentColor; }
    virtual void SetTransparentColor(TColor Value);

    vcl::TNotifyEvent OnChange;

private:
    void Changed();

    vcl::TBitmap FUp, FUpAndFocused, FDisabled, FDown, FStayDown, FHot;
    TColor FTransparentColor { vcl::clOlive };
};

class TRzBmpButton : public TRzButtonControl
{
public:
    explicit TRzBmpButton(vcl::TComponent* AOwner);
    ~TRzBmpButton() override;

    TRzButtonBitmaps* Bitmaps() { return FBitmaps.get(); }
    int GroupIndex() const { return FGroupIndex; }
    virtual void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    virtual void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    virtual void SetAllowAllUp(bool Value);
    int CaptionDownOffset() const { return FCaptionDownOffset; }
    virtual void SetCaptionDownOffset(int Value);
    TButtonLayout Layout() const { return FLayout; }
    virtual void SetLayout(TButtonLayout Value);
    int Spacing() const { return FSpacing; }
    virtual void SetSpacing(int Value);
    int Margin() const { return FMargin; }
    virtual void SetMargin(int Value);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    virtual void SetButtonStyle(TButtonStyle Value);
    TButtonBorder ButtonBorder() const { return FButtonBorder; }
    virtual void SetButtonBorder(TButtonBorder Value);
    TBtnSize ButtonSize() const { return FButtonSize; }
    virtual void SetButtonSize(TBtnSize Value);
    bool ShowFocus() const { return FShowFocus; }
    virtual void SetShowFocus(bool Value);
    bool ShowDownPattern() const { return FShowDownPattern; }
    virtual void SetShowDownPattern(bool Value);
    vcl::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(vcl::TModalResult Value) { FModalResult = Value; }
    TRzButtonState State() const { return FState; }
    bool MouseOverButton() const { return FMouseOverButton; }

    // Modal result into the form (also 0), then OnClick.
    void Click() override;
    void Dispatch(vcl::TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;

    // The embossed face made from Up for a disabled button without a Disabled image.
    static void CreateDisabledImage(vcl::TBitmap& Up, vcl::TBitmap& Result);

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DblClick() override {}
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    bool NewStyle() const;
    int BorderWidthOfStyle() const;
    void ApplySizeRule();
    void BroadcastGroup();
    void ReleaseRule(bool Clicked);
    void BitmapsChanged();
    void ComposeFace(vcl::TCanvas& C);

    int FGroupIndex { 0 };
    std::unique_ptr<TRzButtonBitmaps> FBitmaps;
    bool FDown { false };
    int FCaptionDownOffset { 1 };
    bool FDragging { false };
    bool FAllowAllUp { false };
    TButtonLayout FLayout { TButtonLayout::blGlyphLeft };
    int FSpacing { 4 };
    int FMargin { -1 };
    TButtonStyle FButtonStyle { TButtonStyle::bsAutoDetect };
    TButtonBorder FButtonBorder { TButtonBorder::bbNone };
    TBtnSize FButtonSize { TBtnSize::bszButtonToBitmap };
    bool FShowFocus { true };
    bool FShowDownPattern { true };
    bool IsFocused { false };
    vcl::TModalResult FModalResult { 0 };
    TRzButtonState FState { TRzButtonState::bsUp };
    bool FMouseOverButton { false };
    bool FSizing { false };
};

} // namespace rz
