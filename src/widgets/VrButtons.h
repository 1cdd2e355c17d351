#pragma once
// Owner-painted buttons with an off-screen face: the power button (a toggle shown by a square LED
// beside its caption) and the demo button (hover fonts, tiled background, 3-D caption).

#include "widgets/VrClasses.h"
#include "widgets/VrControls.h"

#include <memory>

namespace vr {

enum class TVrTextAlignment {
    vtaLeft, vtaCenter, vtaRight, vtaTopLeft, vtaTop, vtaTopRight, vtaBottomLeft, vtaBottom, vtaBottomRight
};

class TVrPowerButton : public TVrCustomImageControl
{
public:
    explicit TVrPowerButton(vcl::TComponent* AOwner);

    bool Active() const { return FActive; }
    // Switches the lamp and repaints when the value changes; raises no click.
    void SetActive(bool Value);
    int LedWidth() const { return FLedWidth; }
    void SetLedWidth(int Value);
    int LedHeight() const { return FLedHeight; }
    void SetLedHeight(int Value);
    TVrPalette* Palette() { return &FPalette; }
    void SetPalette(TVrPalette* Value) { FPalette.Assign(Value); }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor Value);
    int OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int Value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    TVrImageTextLayout Layout() const { return FLayout; }
    void SetLayout(TVrImageTextLayout Value);

    bool Pressed() const { return FPressed; }
    TRect ImageRect() const { return FImageRect; }
    TRect TextBounds() const { return FTextBounds; }
    void CalcLayout(bool Repaint);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(vcl::TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void DrawLed(TCanvas& C);
    void Toggle();

    bool FActive { false };
    int FLedWidth { 12 };
    int FLedHeight { 12 };
    TVrPalette FPalette;
    int FBevelWidth { 2 };
    TColor FHighlightColor { vcl::clBtnHighlight };
    TColor FShadowColor { vcl::clBtnShadow };
    TColor FOutlineColor { vcl::clBlack };
    int FOutlineWidth { 1 };
    TColor FFocusColor { vcl::RGB(0, 0, 255) };
    int FSpacing { 5 };
    int FMargin { -1 };
    TVrImageTextLayout FLayout { TVrImageTextLayout::ImageLeft };
    bool FFocused { false };
    bool FDown { false };
    bool FPressed { false };
    TRect FTextBounds;
    TRect FImageRect;
};

class TVrDemoButton : public TVrCustomImageControl
{
public:
    explicit TVrDemoButton(vcl::TComponent* AOwner);

    vcl::TBitmap* Bitmap() { return &FBitmap; }
    void SetBitmap(vcl::TBitmap* Value) { FBitmap.Assign(Value); }
    vcl::TFont* FontEnter() { return &FFontEnter; }
    void SetFontEnter(vcl::TFont* Value) { FFontEnter.Assign(Value); }
    vcl::TFont* FontLeave() { return &FFontLeave; }
    void SetFontLeave(vcl::TFont* Value) { FFontLeave.Assign(Value); }
    TVrFont3D* Font3D() { return &FFont3D; }
    void SetFont3D(TVrFont3D* Value) { FFont3D.Assign(Value); }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int Value);
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value);
    TVrTextAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TVrTextAlignment Value);
    TColor DisabledTextColor() const { return FDisabledTextColor; }
    void SetDisabledTextColor(TColor Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Down() const { return FDownState; }
    bool IsPressed() const { return FPressedState; }

    void Dispatch(vcl::TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyUp(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void PressAt(int X, int Y);

    vcl::TBitmap FBitmap;
    vcl::TFont FFontEnter;
    vcl::TFont FFontLeave;
    int FBevelWidth { 2 };
    int FOutlineWidth { 1 };
    TColor FOutlineColor { vcl::clBlack };
    TColor FShadowColor { vcl::clBtnShadow };
    TColor FHighlightColor { vcl::clBtnHighlight };
    TColor FFocusColor { vcl::RGB(0, 0, 255) };
    TVrTextAlignment FTextAlignment { TVrTextAlignment::vtaCenter };
    TColor FDisabledTextColor { vcl::clGrayText };
    TVrFont3D FFont3D;
    bool FFlat { false };
    bool FHasMouse { false };
    bool FFocused { false };
    bool FDownState { false };
    bool FPressedState { false };
};

} // namespace vr
