#include "widgets/AdvTrackBarAppearance.h"

#include "widgets/AdvTrackBar.h"

using namespace vcl;

namespace {

bool IsVertical(const TCustomTrackBar* bar)
{
    return bar && bar->Orientation() == TTrackBarOrientation::trVertical;
}

// A picture that has bytes, measured now (pictures are measured lazily).
bool Measured(TGDIPPicture* p)
{
    return p && !p->Empty() && p->GetImageSizes();
}

} // namespace

// --- TTrackBarPart ---

void TTrackBarPart::Changed()
{
    if (OnChange)
        OnChange(this);
}

std::unique_ptr<TGDIPPicture> TTrackBarPart::MakePicture(std::function<void()> onChange)
{
    auto p = std::make_unique<TGDIPPicture>();
    if (onChange)
        p->OnChange = [onChange](TObject*) { onChange(); };
    return p;
}

// --- TTrackBarThumb ---

TTrackBarThumb::TTrackBarThumb(TCustomTrackBar* AOwner) : FAdvTrackBar(AOwner)
{
    auto hook = [this] { UpdateSizeFromPicture(); };
    FIPicture = MakePicture(hook);
    FIPictureDisabled = MakePicture(hook);
    FIPictureDown = MakePicture(hook);
    FIPictureHot = MakePicture(hook);
}

TTrackBarThumb::~TTrackBarThumb() = default;

void TTrackBarThumb::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TTrackBarThumb*>(Source);
    if (!src)
        return;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FBorderColor = src->FBorderColor;
    FColorHot = src->FColorHot;
    FColorHotTo = src->FColorHotTo;
    FBorderColorHot = src->FBorderColorHot;
    FColorDown = src->FColorDown;
    FColorDownTo = src->FColorDownTo;
    FBorderColorDown = src->FBorderColorDown;
    FColorDisabled = src->FColorDisabled;
    FColorDisabledTo = src->FColorDisabledTo;
    FBorderColorDisabled = src->FBorderColorDisabled;
    FSteps = src->FSteps;
    FColorMirror = src->FColorMirror;
    FColorMirrorTo = src->FColorMirrorTo;
    FColorMirrorHot = src->FColorMirrorHot;
    FColorMirrorHotTo = src->FColorMirrorHotTo;
    FColorMirrorDown = src->FColorMirrorDown;
    FColorMirrorDownTo = src->FColorMirrorDownTo;
    FColorMirrorDisabled = src->FColorMirrorDisabled;
    FColorMirrorDisabledTo = src->FColorMirrorDisabledTo;
    FGradient = src->FGradient;
    FGradientMirror = src->FGradientMirror;
    FIPicture->Assign(src->FIPicture.get());
    FIPictureHot->Assign(src->FIPictureHot.get());
    FIPictureDown->Assign(src->FIPictureDown.get());
    FIPictureDisabled->Assign(src->FIPictureDisabled.get());
    SetWidth(src->FWidth);
    SetShape(src->FShape);
    SetStyle(src->FStyle);
    SetSize(src->FSize);
    SetThumbPointer(src->FThumbPointer);
}

void TTrackBarThumb::SetSize(int v)
{
    if (v == FSize || !FIPicture->Empty())
        return;
    FSize = v;
    Changed();
}

void TTrackBarThumb::SetWidth(int v)
{
    if (v == FWidth || !FIPicture->Empty())
        return;
    FWidth = v;
    Changed();
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer v)
{
    if (v == FThumbPointer || !FAdvTrackBar)
        return;
    if (!FAdvTrackBar->AllowThumbPointerChange(this, v))
        return;
    FThumbPointer = v;
    Changed();
}

void TTrackBarThumb::UpdateSizeFromPicture()
{
    if (FAdvTrackBar && Measured(FIPicture.get())) {
        if (IsVertical(FAdvTrackBar)) {
            FWidth = FIPicture->Height();
            FSize = FIPicture->Width();
        } else {
            FSize = FIPicture->Height();
            FWidth = FIPicture->Width();
        }
    }
    Changed();
}

// --- TTrackBarSlider ---

TTrackBarSlider::TTrackBarSlider(TCustomTrackBar* AOwner) : FAdvTrackBar(AOwner)
{
    auto hook = [this] { UpdateSizeFromPicture(); };
    FIPicture = MakePicture(hook);
    FIPictureDisabled = MakePicture(hook);
    FPictureCompleted = MakePicture(hook);
    FPictureCompletedDisabled = MakePicture(hook);
}

TTrackBarSlider::~TTrackBarSlider() = default;

void TTrackBarSlider::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TTrackBarSlider*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FBorderColor = src->FBorderColor;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FColorDisabled = src->FColorDisabled;
    FColorDisabledTo = src->FColorDisabledTo;
    FBorderColorDisabled = src->FBorderColorDisabled;
    FColorCompleted = src->FColorCompleted;
    FColorCompletedTo = src->FColorCompletedTo;
    FColorCompletedDisabled = src->FColorCompletedDisabled;
    FColorCompletedDisabledTo = src->FColorCompletedDisabledTo;
    FSize = src->FSize;
    FRounded = src->FRounded;
    SetBorder3D(src->FBorder3D);
    SetVisible(src->FVisible);
    FIPicture->Assign(src->FIPicture.get());
    FIPictureDisabled->Assign(src->FIPictureDisabled.get());
    FPictureCompleted->Assign(src->FPictureCompleted.get());
    FPictureCompletedDisabled->Assign(src->FPictureCompletedDisabled.get());
    FPictureStretched = src->FPictureStretched;
    SetOffset(src->FOffset);
}

void TTrackBarSlider::UpdateSizeFromPicture()
{
    if (Measured(FIPicture.get())) {
        FSize = IsVertical(FAdvTrackBar) ? FIPicture->Width() : FIPicture->Height();
        SetBorderColor(clNone);
    }
    Changed();
}

// --- TTrackBarTick ---

TTrackBarTick::TTrackBarTick() : FFont(std::make_unique<TFont>())
{
    FIPicture = MakePicture([this] { Changed(); });
    FIPictureDisabled = MakePicture([this] { Changed(); });
    FFont->SetName(QStringLiteral("Tahoma"));
    FFont->OnChange = [this](TObject*) { Changed(); };
}

TTrackBarTick::~TTrackBarTick() = default;

void TTrackBarTick::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TTrackBarTick*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    SetColor(src->FColor);
    SetColorDisabled(src->FColorDisabled);
    SetSize(src->FSize);
    SetPosition(src->FPosition);
    SetStyle(src->FStyle);
    FIPicture->Assign(src->FIPicture.get());
    FIPictureDisabled->Assign(src->FIPictureDisabled.get());
    FFont->Assign(src->FFont.get());
    SetShowText(src->FShowText);
    SetLine3D(src->FLine3D);
    FShowImageAtThumbOnly = src->FShowImageAtThumbOnly;
    FShowImageAtSteps = src->FShowImageAtSteps;
    SetSpacing(src->FSpacing);
}

// --- TTrackBarButtons ---

TTrackBarButtons::TTrackBarButtons(TCustomTrackBar* AOwner) : FAdvTrackBar(AOwner)
{
    auto sizeHook = [this] { UpdateSizeFromPictures(); };
    FIMaxPictureHot = MakePicture({});
    FIMaxPictureDown = MakePicture({});
    FIMinPicture = MakePicture(sizeHook);
    FIMaxPicture = MakePicture(sizeHook);
    FIMinPictureHot = MakePicture({});
    FIMinPictureDown = MakePicture({});
}

TTrackBarButtons::~TTrackBarButtons() = default;

void TTrackBarButtons::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TTrackBarButtons*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    SetBorderColor(src->FBorderColor);
    SetBorderColorHot(src->FBorderColorHot);
    SetBorderColorDown(src->FBorderColorDown);
    SetColor(src->FColor);
    SetColorTo(src->FColorTo);
    SetColorHot(src->FColorHot);
    SetColorHotTo(src->FColorHotTo);
    SetColorDown(src->FColorDown);
    SetColorDownTo(src->FColorDownTo);
    FColorMirror = src->FColorMirror;
    FColorMirrorTo = src->FColorMirrorTo;
    FColorMirrorHot = src->FColorMirrorHot;
    FColorMirrorHotTo = src->FColorMirrorHotTo;
    FColorMirrorDown = src->FColorMirrorDown;
    FColorMirrorDownTo = src->FColorMirrorDownTo;
    FIMinPicture->Assign(src->FIMinPicture.get());
    FIMinPictureHot->Assign(src->FIMinPictureHot.get());
    FIMinPictureDown->Assign(src->FIMinPictureDown.get());
    FIMaxPicture->Assign(src->FIMaxPicture.get());
    FIMaxPictureHot->Assign(src->FIMaxPictureHot.get());
    FIMaxPictureDown->Assign(src->FIMaxPictureDown.get());
    SetVisible(src->FVisible);
    SetSize(src->FSize);
    SetShape(src->FShape);
    SetCornerRadius(src->FCornerRadius);
    FRepeatClick = src->FRepeatClick;
    FRepeatPause = src->FRepeatPause;
    SetRotateText(src->FRotateText);
    FInitRepeatPause = src->FInitRepeatPause;
    SetSpacing(src->FSpacing);
    FStep = src->FStep;
}

void TTrackBarButtons::SetSize(int v)
{
    if (v == FSize || !FIMinPicture->Empty() || !FIMaxPicture->Empty())
        return;
    FSize = v;
    Changed();
}

void TTrackBarButtons::UpdateSizeFromPictures()
{
    if ((!FIMinPicture->Empty() || !FIMaxPicture->Empty()) && FAdvTrackBar) {
        TGDIPPicture* p = !FIMinPicture->Empty() ? FIMinPicture.get() : FIMaxPicture.get();
        if (Measured(p))
            FSize = IsVertical(FAdvTrackBar) ? p->Height() : p->Width();
    }
    Changed();
}

// --- TTrackBarLabel ---

TTrackBarLabel::TTrackBarLabel() : FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Tahoma"));
    FFont->OnChange = [this](TObject*) { Changed(); };
}

TTrackBarLabel::~TTrackBarLabel() = default;

void TTrackBarLabel::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TTrackBarLabel*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FVisible = src->FVisible;
    FFormat = src->FFormat;
    FFont->Assign(src->FFont.get());
    SetPosition(src->FPosition);
}
