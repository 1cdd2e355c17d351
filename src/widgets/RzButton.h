#pragma once
// Self-drawn push button: classic 3-D face in any colour or a flat hot-tracking face, caption with
// vertical alignment and 3-D text styles, exclusive groups on one parent, and a modal result.

#include "platform/ui/ModalResult.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCustomControl.h"
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

} // namespace rz
