#pragma once
// The fader's appearance objects: thumb, slider bar, tick marks, min/max buttons and value label.
// Each stores a value only when it differs and then tells its owner through OnChange.

#include "platform/core/TPersistent.h"
#include "platform/ui/TFont.h"
#include "widgets/AdvTrackBarTypes.h"
#include "widgets/GDIPicture.h"

#include <memory>

class TCustomTrackBar;

// Shared by the appearance objects: store-if-different, then notify.
class TTrackBarPart : public vcl::TPersistent
{
public:
    vcl::TNotifyEvent OnChange;
    void Changed();

protected:
    TTrackBarPart() = default;
    template <typename T>
    void Store(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    // An owned picture whose changes run `onChange`.
    static std::unique_ptr<TGDIPPicture> MakePicture(std::function<void()> onChange);
};

// Thumb appearance: colours per state, state pictures, shape and extents.
class TTrackBarThumb : public TTrackBarPart
{
public:
    explicit TTrackBarThumb(TCustomTrackBar* AOwner);
    ~TTrackBarThumb() override;
    const vcl::TPropertyTable* PublishedProperties() const override;
    // From another thumb only; any other source is ignored.
    void Assign(vcl::TPersistent* Source) override;

    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor v) { Store(FColor, v); }
    vcl::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(vcl::TColor v) { Store(FColorTo, v); }
    vcl::TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(vcl::TColor v) { Store(FColorMirror, v); }
    vcl::TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(vcl::TColor v) { Store(FColorMirrorTo, v); }
    vcl::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(vcl::TColor v) { Store(FBorderColor, v); }
    vcl::TColor ColorHot() const { return FColorHot; }
    void SetColorHot(vcl::TColor v) { Store(FColorHot, v); }
    vcl::TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(vcl::TColor v) { Store(FColorHotTo, v); }
    // The mirror hot and pressed colours are written without a repaint.
    vcl::TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(vcl::TColor v) { FColorMirrorHot = v; }
    vcl::TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(vcl::TColor v) { FColorMirrorHotTo = v; }
    vcl::TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(vcl::TColor v) { Store(FBorderColorHot, v); }
    vcl::TColor ColorDown() const { return FColorDown; }
    void SetColorDown(vcl::TColor v) { Store(FColorDown, v); }
    vcl::TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(vcl::TColor v) { Store(FColorDownTo, v); }
    vcl::TColor ColorMirrorDown() const { return FColorMirrorDown; }
    void SetColorMirrorDown(vcl::TColor v) { FColorMirrorDown = v; }
    vcl::TColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
    void SetColorMirrorDownTo(vcl::TColor v) { FColorMirrorDownTo = v; }
    vcl::TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(vcl::TColor v) { Store(FBorderColorDown, v); }
    vcl::TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(vcl::TColor v) { Store(FColorDisabled, v); }
    vcl::TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(vcl::TColor v) { Store(FColorDisabledTo, v); }
    vcl::TColor ColorMirrorDisabled() const { return FColorMirrorDisabled; }
    void SetColorMirrorDisabled(vcl::TColor v) { Store(FColorMirrorDisabled, v); }
    vcl::TColor ColorMirrorDisabledTo() const { return FColorMirrorDisabledTo; }
    void SetColorMirrorDisabledTo(vcl::TColor v) { Store(FColorMirrorDisabledTo, v); }
    vcl::TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(vcl::TColor v) { Store(FBorderColorDisabled, v); }
    TGDIPGradient Gradient() const { return FGradient; }
    void SetGradient(TGDIPGradient v) { Store(FGradient, v); }
    TGDIPGradient GradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient v) { Store(FGradientMirror, v); }

    TGDIPPicture* Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture* v) { FIPicture->Assign(v); }
    TGDIPPicture* PictureHot() const { return FIPictureHot.get(); }
    void SetPictureHot(TGDIPPicture* v) { FIPictureHot->Assign(v); }
    TGDIPPicture* PictureDown() const { return FIPictureDown.get(); }
    void SetPictureDown(TGDIPPicture* v) { FIPictureDown->Assign(v); }
    TGDIPPicture* PictureDisabled() const { return FIPictureDisabled.get(); }
    void SetPictureDisabled(TGDIPPicture* v) { FIPictureDisabled->Assign(v); }

    bool ShowAtMinMax() const { return FShowAtMinMax; }
    void SetShowAtMinMax(bool v) { Store(FShowAtMinMax, v); }
    // Extent across the track; ignored while Picture is set (the picture decides it).
    int Size() const { return FSize; }
    void SetSize(int v);
    // Extent along the track; ignored while Picture is set.
    int Width() const { return FWidth; }
    void SetWidth(int v);
    TThumbShape Shape() const { return FShape; }
    void SetShape(TThumbShape v) { Store(FShape, v); }
    // Stored only when the owning fader allows the change.
    TThumbPointer ThumbPointer() const { return FThumbPointer; }
    void SetThumbPointer(TThumbPointer v);
    TThumbStyle Style() const { return FStyle; }
    void SetStyle(TThumbStyle v) { Store(FStyle, v); }
    int Steps() const { return FSteps; }
    bool PictureStretched() const { return FPictureStretched; }

    // Width and Size from Picture, by the owner's orientation; then Changed.
    void UpdateSizeFromPicture();

private:
    int FSteps { 64 };
    vcl::TColor FColor { 0xEEDBC8 };
    vcl::TColor FColorTo { 0xF6DDC9 };
    vcl::TColor FBorderColor { 0x9D6F40 };
    vcl::TColor FColorHotTo { 0xACECFF };
    vcl::TColor FColorHot { 0xEBFDFF };
    vcl::TColor FBorderColorHot { 0x99CEDB };
    int FWidth { 10 };
    vcl::TColor FColorDisabledTo { 0 };
    vcl::TColor FBorderColorDown { 0x45667B };
    vcl::TColor FBorderColorDisabled { 0 };
    vcl::TColor FColorDown { 0x76AFF1 };
    vcl::TColor FColorDownTo { 0x4190F3 };
    vcl::TColor FColorDisabled { 0 };
    std::unique_ptr<TGDIPPicture> FIPicture;
    TThumbShape FShape { TThumbShape::tsPointer };
    TThumbStyle FStyle { TThumbStyle::tstOffice2007 };
    std::unique_ptr<TGDIPPicture> FIPictureDisabled;
    std::unique_ptr<TGDIPPicture> FIPictureDown;
    std::unique_ptr<TGDIPPicture> FIPictureHot;
    vcl::TColor FColorMirrorHot { 0x59DAFF };
    vcl::TColor FColorMirror { 0xEDD4C0 };
    vcl::TColor FColorMirrorTo { 0xF7E1D0 };
    vcl::TColor FColorMirrorDisabledTo { 0 };
    vcl::TColor FColorMirrorDisabled { 0 };
    vcl::TColor FColorMirrorHotTo { 0xA4E9FF };
    vcl::TColor FColorMirrorDown { 0x0E72F1 };
    vcl::TColor FColorMirrorDownTo { 0x4C9FFD };
    TGDIPGradient FGradient { TGDIPGradient::ggVertical };
    TGDIPGradient FGradientMirror { TGDIPGradient::ggRadial };
    bool FPictureStretched { false };
    TCustomTrackBar* FAdvTrackBar { nullptr };
    int FSize { 15 };
    bool FShowAtMinMax { true };
    TThumbPointer FThumbPointer { TThumbPointer::tpCenter };
};

// The track bar's appearance: colours (also of the part already passed), pictures, size.
class TTrackBarSlider : public TTrackBarPart
{
public:
    explicit TTrackBarSlider(TCustomTrackBar* AOwner);
    ~TTrackBarSlider() override;
    const vcl::TPropertyTable* PublishedProperties() const override;
    // From another slider; any other source raises the cannot-assign error.
    void Assign(vcl::TPersistent* Source) override;

    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor v) { Store(FColor, v); }
    vcl::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(vcl::TColor v) { Store(FColorTo, v); }
    vcl::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(vcl::TColor v) { Store(FBorderColor, v); }
    vcl::TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(vcl::TColor v) { Store(FColorDisabled, v); }
    vcl::TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(vcl::TColor v) { Store(FColorDisabledTo, v); }
    vcl::TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(vcl::TColor v) { Store(FBorderColorDisabled, v); }
    vcl::TColor ColorCompleted() const { return FColorCompleted; }
    void SetColorCompleted(vcl::TColor v) { Store(FColorCompleted, v); }
    vcl::TColor ColorCompletedTo() const { return FColorCompletedTo; }
    void SetColorCompletedTo(vcl::TColor v) { Store(FColorCompletedTo, v); }
    vcl::TColor ColorCompletedDisabled() const { return FColorCompletedDisabled; }
    void SetColorCompletedDisabled(vcl::TColor v) { Store(FColorCompletedDisabled, v); }
    vcl::TColor ColorCompletedDisabledTo() const { return FColorCompletedDisabledTo; }
    void SetColorCompletedDisabledTo(vcl::TColor v) { Store(FColorCompletedDisabledTo, v); }
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection v) { Store(FDirection, v); }

    TGDIPPicture* Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture* v) { FIPicture->Assign(v); }
    TGDIPPicture* PictureDisabled() const { return FIPictureDisabled.get(); }
    void SetPictureDisabled(TGDIPPicture* v) { FIPictureDisabled->Assign(v); }
    TGDIPPicture* PictureCompleted() const { return FPictureCompleted.get(); }
    void SetPictureCompleted(TGDIPPicture* v) { FPictureCompleted->Assign(v); }
    TGDIPPicture* PictureCompletedDisabled() const { return FPictureCompletedDisabled.get(); }
    void SetPictureCompletedDisabled(TGDIPPicture* v) { FPictureCompletedDisabled->Assign(v); }
    bool PictureStretched() const { return FPictureStretched; }
    void SetPictureStretched(bool v) { Store(FPictureStretched, v); }

    int Size() const { return FSize; }
    void SetSize(int v) { Store(FSize, v); }
    bool Border3D() const { return FBorder3D; }
    void SetBorder3D(bool v) { Store(FBorder3D, v); }
    bool Rounded() const { return FRounded; }
    void SetRounded(bool v) { Store(FRounded, v); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { Store(FVisible, v); }
    int Offset() const { return FOffset; }
    void SetOffset(int v) { Store(FOffset, v); }
    int Steps() const { return FSteps; }

    // Size from Picture (its cross extent), frame colour cleared; then Changed.
    void UpdateSizeFromPicture();

private:
    int FSteps { 20 };
    vcl::TColor FColor { vcl::clWhite };
    vcl::TColor FColorTo { vcl::clBlack };
    TGradientDirection FDirection { TGradientDirection::gdHorizontal };
    vcl::TColor FBorderColor { 0xC29674 };
    bool FRounded { false };
    bool FBorder3D { true };
    std::unique_ptr<TGDIPPicture> FIPicture;
    vcl::TColor FColorDisabledTo { 0 };
    vcl::TColor FBorderColorDisabled { 0 };
    vcl::TColor FColorDisabled { 0 };
    std::unique_ptr<TGDIPPicture> FIPictureDisabled;
    int FSize { 2 };
    bool FVisible { true };
    bool FPictureStretched { false };
    vcl::TColor FColorCompletedDisabledTo { vcl::clNone };
    vcl::TColor FColorCompletedTo { vcl::clNone };
    vcl::TColor FColorCompleted { vcl::clNone };
    vcl::TColor FColorCompletedDisabled { vcl::clNone };
    std::unique_ptr<TGDIPPicture> FPictureCompletedDisabled;
    std::unique_ptr<TGDIPPicture> FPictureCompleted;
    int FOffset { 10 };
    TCustomTrackBar* FAdvTrackBar { nullptr };
};

// Tick mark appearance: colour, length, side, style and the optional value texts.
class TTrackBarTick : public TTrackBarPart
{
public:
    TTrackBarTick();
    ~TTrackBarTick() override;
    const vcl::TPropertyTable* PublishedProperties() const override;
    // From another tick object; any other source raises the cannot-assign error.
    void Assign(vcl::TPersistent* Source) override;

    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor v) { Store(FColor, v); }
    vcl::TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(vcl::TColor v) { Store(FColorDisabled, v); }
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(vcl::TFont* v) { FFont->Assign(v); }
    bool Line3D() const { return FLine3D; }
    void SetLine3D(bool v) { Store(FLine3D, v); }
    // Stored and reported; not drawn.
    TGDIPPicture* Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture* v) { FIPicture->Assign(v); }
    TGDIPPicture* PictureDisabled() const { return FIPictureDisabled.get(); }
    void SetPictureDisabled(TGDIPPicture* v) { FIPictureDisabled->Assign(v); }
    TTickMark Position() const { return FPosition; }
    void SetPosition(TTickMark v) { Store(FPosition, v); }
    bool RotateFontVert() const { return FRotateFontVert; }
    void SetRotateFontVert(bool v) { Store(FRotateFontVert, v); }
    TTickStyle Style() const { return FStyle; }
    void SetStyle(TTickStyle v) { Store(FStyle, v); }
    bool ShowText() const { return FShowText; }
    void SetShowText(bool v) { Store(FShowText, v); }
    bool ShowImageAtThumbOnly() const { return FShowImageAtThumbOnly; }
    void SetShowImageAtThumbOnly(bool v) { Store(FShowImageAtThumbOnly, v); }
    int ShowImageAtSteps() const { return FShowImageAtSteps; }
    void SetShowImageAtSteps(int v) { Store(FShowImageAtSteps, v); }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v) { Store(FSpacing, v); }
    int Size() const { return FSize; }
    void SetSize(int v) { Store(FSize, v); }

private:
    vcl::TColor FColor { 0 };
    std::unique_ptr<TGDIPPicture> FIPicture;
    vcl::TColor FColorDisabled { 0 };
    std::unique_ptr<TGDIPPicture> FIPictureDisabled;
    TTickMark FPosition { TTickMark::tmBottomRight };
    TTickStyle FStyle { TTickStyle::tsAuto };
    bool FShowText { false };
    std::unique_ptr<vcl::TFont> FFont;
    bool FLine3D { false };
    bool FShowImageAtThumbOnly { false };
    int FShowImageAtSteps { 1 };
    int FSpacing { 8 };
    int FSize { 4 };
    bool FRotateFontVert { true };
};

// The optional min/max step buttons at the two ends of the track.
class TTrackBarButtons : public TTrackBarPart
{
public:
    explicit TTrackBarButtons(TCustomTrackBar* AOwner);
    ~TTrackBarButtons() override;
    const vcl::TPropertyTable* PublishedProperties() const override;
    // From another buttons object; any other source raises the cannot-assign error.
    void Assign(vcl::TPersistent* Source) override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { Store(FVisible, v); }
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor v) { Store(FColor, v); }
    vcl::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(vcl::TColor v) { Store(FColorTo, v); }
    vcl::TColor ColorHot() const { return FColorHot; }
    void SetColorHot(vcl::TColor v) { Store(FColorHot, v); }
    vcl::TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(vcl::TColor v) { Store(FColorHotTo, v); }
    vcl::TColor ColorDown() const { return FColorDown; }
    void SetColorDown(vcl::TColor v) { Store(FColorDown, v); }
    vcl::TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(vcl::TColor v) { Store(FColorDownTo, v); }
    vcl::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(vcl::TColor v) { Store(FBorderColor, v); }
    vcl::TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(vcl::TColor v) { Store(FBorderColorHot, v); }
    vcl::TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(vcl::TColor v) { Store(FBorderColorDown, v); }
    // The mirror colours are written without a repaint.
    vcl::TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(vcl::TColor v) { FColorMirror = v; }
    vcl::TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(vcl::TColor v) { FColorMirrorTo = v; }
    vcl::TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(vcl::TColor v) { FColorMirrorHot = v; }
    vcl::TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(vcl::TColor v) { FColorMirrorHotTo = v; }
    vcl::TColor ColorMirrorDown() const { return FColorMirrorDown; }
    void SetColorMirrorDown(vcl::TColor v) { FColorMirrorDown = v; }
    vcl::TColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
    void SetColorMirrorDownTo(vcl::TColor v) { FColorMirrorDownTo = v; }
    TGDIPGradient Gradient() const { return FGradient; }
    void SetGradient(TGDIPGradient v) { Store(FGradient, v); }
    TGDIPGradient GradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient v) { Store(FGradientMirror, v); }

    TGDIPPicture* MinPicture() const { return FIMinPicture.get(); }
    void SetMinPicture(TGDIPPicture* v) { FIMinPicture->Assign(v); }
    TGDIPPicture* MinPictureHot() const { return FIMinPictureHot.get(); }
    void SetMinPictureHot(TGDIPPicture* v) { FIMinPictureHot->Assign(v); }
    TGDIPPicture* MinPictureDown() const { return FIMinPictureDown.get(); }
    void SetMinPictureDown(TGDIPPicture* v) { FIMinPictureDown->Assign(v); }
    TGDIPPicture* MaxPicture() const { return FIMaxPicture.get(); }
    void SetMaxPicture(TGDIPPicture* v) { FIMaxPicture->Assign(v); }
    TGDIPPicture* MaxPictureHot() const { return FIMaxPictureHot.get(); }
    void SetMaxPictureHot(TGDIPPicture* v) { FIMaxPictureHot->Assign(v); }
    TGDIPPicture* MaxPictureDown() const { return FIMaxPictureDown.get(); }
    void SetMaxPictureDown(TGDIPPicture* v) { FIMaxPictureDown->Assign(v); }

    TTrackButtonShape Shape() const { return FShape; }
    void SetShape(TTrackButtonShape v) { Store(FShape, v); }
    // Ignored while MinPicture or MaxPicture is set (the picture decides it).
    int Size() const { return FSize; }
    void SetSize(int v);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v) { Store(FSpacing, v); }
    int Step() const { return FStep; }
    void SetStep(int v) { FStep = v; }
    bool RepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool v) { FRepeatClick = v; }
    int InitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int v) { FInitRepeatPause = v; }
    int RepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int v) { FRepeatPause = v; }
    bool RotateText() const { return FRotateText; }
    void SetRotateText(bool v) { Store(FRotateText, v); }
    int CornerRadius() const { return FCornerRadius; }
    void SetCornerRadius(int v) { Store(FCornerRadius, v); }

    // Size from MinPicture (else MaxPicture), by the owner's orientation; then Changed.
    void UpdateSizeFromPictures();

private:
    bool FVisible { false };
    vcl::TColor FColorHot { 0xEBFDFF };
    vcl::TColor FColor { 0xEEDBC8 };
    vcl::TColor FColorTo { 0xF6DDC9 };
    vcl::TColor FColorHotTo { 0xACECFF };
    vcl::TColor FColorDownTo { 0x4190F3 };
    vcl::TColor FColorDown { 0x76AFF1 };
    vcl::TColor FBorderColorDown { 0x45667B };
    vcl::TColor FBorderColorHot { 0x99CEDB };
    vcl::TColor FBorderColor { 0x8D572F };
    std::unique_ptr<TGDIPPicture> FIMaxPictureHot;
    std::unique_ptr<TGDIPPicture> FIMaxPictureDown;
    std::unique_ptr<TGDIPPicture> FIMinPicture;
    std::unique_ptr<TGDIPPicture> FIMaxPicture;
    std::unique_ptr<TGDIPPicture> FIMinPictureHot;
    std::unique_ptr<TGDIPPicture> FIMinPictureDown;
    TTrackButtonShape FShape { TTrackButtonShape::bsRound };
    vcl::TColor FColorMirror { 0xEDD4C0 };
    vcl::TColor FColorMirrorTo { 0xF7E1D0 };
    vcl::TColor FColorMirrorHot { 0x59DAFF };
    vcl::TColor FColorMirrorDownTo { 0x4C9FFD };
    vcl::TColor FColorMirrorHotTo { 0xA4E9FF };
    vcl::TColor FColorMirrorDown { 0x0E72F1 };
    TGDIPGradient FGradientMirror { TGDIPGradient::ggVertical };
    TGDIPGradient FGradient { TGDIPGradient::ggVertical };
    int FCornerRadius { 0 };
    bool FRepeatClick { true };
    int FInitRepeatPause { 400 };
    int FRepeatPause { 100 };
    int FSize { 20 };
    TCustomTrackBar* FAdvTrackBar { nullptr };
    int FSpacing { 2 };
    int FStep { 1 };
    bool FRotateText { true };
};

// The optional value label beside the track.
class TTrackBarLabel : public TTrackBarPart
{
public:
    TTrackBarLabel();
    ~TTrackBarLabel() override;
    const vcl::TPropertyTable* PublishedProperties() const override;
    // From another label; any other source raises the cannot-assign error.
    void Assign(vcl::TPersistent* Source) override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { Store(FVisible, v); }
    // printf-style, with Position as its one integer argument.
    const QString& Format() const { return FFormat; }
    void SetFormat(const QString& v) { Store(FFormat, v); }
    vcl::TFont* Font() const { return FFont.get(); }
    void SetFont(vcl::TFont* v) { FFont->Assign(v); }
    TLabelPosition Position() const { return FPosition; }
    void SetPosition(TLabelPosition v) { Store(FPosition, v); }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v) { Store(FSpacing, v); }

private:
    bool FVisible { false };
    QString FFormat { QStringLiteral("Pos: %d") };
    std::unique_ptr<vcl::TFont> FFont;
    TLabelPosition FPosition { TLabelPosition::lpTopCenter };
    int FSpacing { 4 };
};
