// The published properties of the fader and of its appearance objects, in declaration order. A
// property with a declared default is left out of a form while it holds that value; one without is
// always written. Every declared default is the value the object starts with, so whatever a form
// keeps reads back as it was written.
//
// The range comes before Position and Orientation before the sizes that depend on it, so a form's
// position is read into the form's range; the thumb's pictures come before its Size and Width,
// which the pictures decide once the form is read.

#include "widgets/AdvTrackBar.h"

#include "widgets/ControlProperties.h"

using namespace vcl;

#define ZQ9_GRADIENTS { "ggRadial", "ggVertical", "ggDiagonalForward", "ggDiagonalBackward" }
#define ZQ9_DIRECTIONS { "gdHorizontal", "gdVertical", "gdHorizontalInOut", "gdVerticalInOut" }

const TPropertyTable* TAdvTrackBar::PublishedProperties() const
{
    using P = TCustomTrackBar;
    static const TPropertyTable table =
        TPropertyTableBuilder<TAdvTrackBar>(QStringLiteral("TAdvTrackBar"), widgets::ControlPublishedProperties())
            .Set(QStringLiteral("Anchors"), ZQ9_ANCHOR_KINDS, &TControl::Anchors, &TControl::SetAnchors)
            .Default(DefaultAnchors)
            .Object(QStringLiteral("Constraints"), &TControl::Constraints)
            .Boolean(QStringLiteral("Ctl3D"), &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
            .Stored(&TWinControl::IsCtl3DStored)
            .Boolean(QStringLiteral("ParentCtl3D"), &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D)
            .Default(true)
            .Integer(QStringLiteral("Max"), &P::Max, &P::SetMax).Default(10)
            .Integer(QStringLiteral("Min"), &P::Min, &P::SetMin).Default(0)
            .Enum(QStringLiteral("Orientation"), { "trHorizontal", "trVertical" }, &P::Orientation,
                  &P::SetOrientation)
            .Default(TTrackBarOrientation::trHorizontal)
            .Integer(QStringLiteral("PageSize"), &P::PageSize, &P::SetPageSize).Default(1)
            .Integer(QStringLiteral("Position"), &P::Position, &P::SetPosition).Default(0)
            .Enum(QStringLiteral("MoveOnClick"), { "mcStep", "mcMove", "mcMoveSlide" }, &P::MoveOnClick,
                  &P::SetMoveOnClick)
            .Default(TMoveOnClick::mcStep)
            .Boolean(QStringLiteral("ShowFocus"), &P::ShowFocus, &P::SetShowFocus).Default(false)
            .Boolean(QStringLiteral("TrackHint"), &P::TrackHint, &P::SetTrackHint)
            .Boolean(QStringLiteral("Transparent"), &P::Transparent, &P::SetTransparent).Default(true)
            .Boolean(QStringLiteral("BackGroundStretched"), &P::BackGroundStretched, &P::SetBackGroundStretched)
            .Default(false)
            .Object(QStringLiteral("BackGround"), &P::BackGround)
            .Object(QStringLiteral("BackGroundDisabled"), &P::BackGroundDisabled)
            .Object(QStringLiteral("RateActive"), &P::RateActive)
            .Object(QStringLiteral("RateInActive"), &P::RateInActive)
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor)
            .Color(QStringLiteral("BorderColorDisabled"), &P::BorderColorDisabled, &P::SetBorderColorDisabled)
            .Color(QStringLiteral("ColorDisabled"), &P::ColorDisabled, &P::SetColorDisabled)
            .Color(QStringLiteral("ColorDisabledTo"), &P::ColorDisabledTo, &P::SetColorDisabledTo)
            .Color(QStringLiteral("Color"), &TControl::Color, &TControl::SetColor).Default(clNone)
            .Color(QStringLiteral("ColorTo"), &P::ColorTo, &P::SetColorTo)
            .Enum(QStringLiteral("Direction"), ZQ9_DIRECTIONS, &P::Direction, &P::SetDirection)
            .Object(QStringLiteral("Thumb"), &P::Thumb)
            .Object(QStringLiteral("Slider"), &P::Slider)
            .Object(QStringLiteral("TickMark"), &P::TickMark)
            .Object(QStringLiteral("Buttons"), &P::Buttons)
            .Object(QStringLiteral("TrackLabel"), &P::TrackLabel)
            .String(QStringLiteral("Version"), &P::Version, &P::SetVersion)
            .Boolean(QStringLiteral("TabStop"), &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true)
            .Integer(QStringLiteral("TabOrder"), &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1)
            .Event(QStringLiteral("OnChange"))
            .Event(QStringLiteral("OnDrawTick"))
            .Event(QStringLiteral("OnGetTrackHint"))
            .Event(QStringLiteral("OnGetTrackLabelText"))
            .Event(QStringLiteral("OnGetTickMarkText"))
            .Event(QStringLiteral("OnEnter"))
            .Event(QStringLiteral("OnExit"))
            .Event(QStringLiteral("OnKeyDown"))
            .Event(QStringLiteral("OnKeyPress"))
            .Event(QStringLiteral("OnKeyUp"))
            .Event(QStringLiteral("OnClick"))
            .Event(QStringLiteral("OnMouseDown"))
            .Event(QStringLiteral("OnMouseMove"))
            .Event(QStringLiteral("OnMouseUp"))
            .Build();
    return &table;
}

void TAdvTrackBar::DefineProperties(TFiler& Filer)
{
    TCustomTrackBar::DefineProperties(Filer);
    widgets::DefineReference(Filer, QStringLiteral("TickImages"), *this, TickImages(),
                             [this](TComponent* c) { SetTickImages(dynamic_cast<TCustomImageList*>(c)); });
}

const TPropertyTable* TTrackBarThumb::PublishedProperties() const
{
    using P = TTrackBarThumb;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TTrackBarThumb"), nullptr)
            .Color(QStringLiteral("Color"), &P::Color, &P::SetColor)
            .Color(QStringLiteral("ColorTo"), &P::ColorTo, &P::SetColorTo)
            .Color(QStringLiteral("ColorMirror"), &P::ColorMirror, &P::SetColorMirror)
            .Color(QStringLiteral("ColorMirrorTo"), &P::ColorMirrorTo, &P::SetColorMirrorTo)
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor)
            .Color(QStringLiteral("ColorHot"), &P::ColorHot, &P::SetColorHot)
            .Color(QStringLiteral("ColorHotTo"), &P::ColorHotTo, &P::SetColorHotTo)
            .Color(QStringLiteral("ColorMirrorHot"), &P::ColorMirrorHot, &P::SetColorMirrorHot)
            .Color(QStringLiteral("ColorMirrorHotTo"), &P::ColorMirrorHotTo, &P::SetColorMirrorHotTo)
            .Color(QStringLiteral("BorderColorHot"), &P::BorderColorHot, &P::SetBorderColorHot)
            .Color(QStringLiteral("ColorDown"), &P::ColorDown, &P::SetColorDown)
            .Color(QStringLiteral("ColorDownTo"), &P::ColorDownTo, &P::SetColorDownTo)
            .Color(QStringLiteral("ColorMirrorDown"), &P::ColorMirrorDown, &P::SetColorMirrorDown)
            .Color(QStringLiteral("ColorMirrorDownTo"), &P::ColorMirrorDownTo, &P::SetColorMirrorDownTo)
            .Color(QStringLiteral("BorderColorDown"), &P::BorderColorDown, &P::SetBorderColorDown)
            .Color(QStringLiteral("ColorDisabled"), &P::ColorDisabled, &P::SetColorDisabled)
            .Color(QStringLiteral("ColorDisabledTo"), &P::ColorDisabledTo, &P::SetColorDisabledTo)
            .Color(QStringLiteral("ColorMirrorDisabled"), &P::ColorMirrorDisabled, &P::SetColorMirrorDisabled)
            .Color(QStringLiteral("ColorMirrorDisabledTo"), &P::ColorMirrorDisabledTo, &P::SetColorMirrorDisabledTo)
            .Color(QStringLiteral("BorderColorDisabled"), &P::BorderColorDisabled, &P::SetBorderColorDisabled)
            .Enum(QStringLiteral("Gradient"), ZQ9_GRADIENTS, &P::Gradient, &P::SetGradient)
            .Enum(QStringLiteral("GradientMirror"), ZQ9_GRADIENTS, &P::GradientMirror, &P::SetGradientMirror)
            .Object(QStringLiteral("Picture"), &P::Picture)
            .Object(QStringLiteral("PictureHot"), &P::PictureHot)
            .Object(QStringLiteral("PictureDown"), &P::PictureDown)
            .Object(QStringLiteral("PictureDisabled"), &P::PictureDisabled)
            .Boolean(QStringLiteral("ShowAtMinMax"), &P::ShowAtMinMax, &P::SetShowAtMinMax).Default(true)
            .Integer(QStringLiteral("Size"), &P::Size, &P::SetSize).Default(15)
            .Integer(QStringLiteral("Width"), &P::Width, &P::SetWidth).Default(10)
            .Enum(QStringLiteral("Shape"),
                  { "tsPointer", "tsRectangle", "tsRoundRect", "tsRound", "tsLine", "tsPointerLeftUp",
                    "tsPointerRightUp", "tsTriangle", "tsTriangleLeft", "tsTriangleRight" },
                  &P::Shape, &P::SetShape)
            .Enum(QStringLiteral("ThumbPointer"), { "tpLeft", "tpCenter", "tpRight" }, &P::ThumbPointer,
                  &P::SetThumbPointer)
            .Default(TThumbPointer::tpCenter)
            .Build();
    return &table;
}

const TPropertyTable* TTrackBarSlider::PublishedProperties() const
{
    using P = TTrackBarSlider;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TTrackBarSlider"), nullptr)
            .Color(QStringLiteral("Color"), &P::Color, &P::SetColor)
            .Color(QStringLiteral("ColorTo"), &P::ColorTo, &P::SetColorTo)
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor)
            .Color(QStringLiteral("ColorDisabled"), &P::ColorDisabled, &P::SetColorDisabled)
            .Color(QStringLiteral("ColorDisabledTo"), &P::ColorDisabledTo, &P::SetColorDisabledTo)
            .Color(QStringLiteral("BorderColorDisabled"), &P::BorderColorDisabled, &P::SetBorderColorDisabled)
            .Color(QStringLiteral("ColorCompleted"), &P::ColorCompleted, &P::SetColorCompleted)
            .Color(QStringLiteral("ColorCompletedTo"), &P::ColorCompletedTo, &P::SetColorCompletedTo)
            .Color(QStringLiteral("ColorCompletedDisabled"), &P::ColorCompletedDisabled, &P::SetColorCompletedDisabled)
            .Color(QStringLiteral("ColorCompletedDisabledTo"), &P::ColorCompletedDisabledTo,
                   &P::SetColorCompletedDisabledTo)
            .Enum(QStringLiteral("Direction"), ZQ9_DIRECTIONS, &P::Direction, &P::SetDirection)
            .Object(QStringLiteral("Picture"), &P::Picture)
            .Object(QStringLiteral("PictureDisabled"), &P::PictureDisabled)
            .Object(QStringLiteral("PictureCompleted"), &P::PictureCompleted)
            .Object(QStringLiteral("PictureCompletedDisabled"), &P::PictureCompletedDisabled)
            .Boolean(QStringLiteral("PictureStretched"), &P::PictureStretched, &P::SetPictureStretched).Default(false)
            .Integer(QStringLiteral("Size"), &P::Size, &P::SetSize).Default(2)
            .Boolean(QStringLiteral("Border3D"), &P::Border3D, &P::SetBorder3D).Default(true)
            .Boolean(QStringLiteral("Rounded"), &P::Rounded, &P::SetRounded).Default(false)
            .Boolean(QStringLiteral("Visible"), &P::Visible, &P::SetVisible).Default(true)
            .Integer(QStringLiteral("Offset"), &P::Offset, &P::SetOffset).Default(10)
            .Build();
    return &table;
}

const TPropertyTable* TTrackBarTick::PublishedProperties() const
{
    using P = TTrackBarTick;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TTrackBarTick"), nullptr)
            .Color(QStringLiteral("Color"), &P::Color, &P::SetColor).Default(TColor(0))
            .Color(QStringLiteral("ColorDisabled"), &P::ColorDisabled, &P::SetColorDisabled).Default(TColor(0))
            .Object(QStringLiteral("Font"), &P::Font)
            .Boolean(QStringLiteral("Line3D"), &P::Line3D, &P::SetLine3D).Default(false)
            .Object(QStringLiteral("Picture"), &P::Picture)
            .Object(QStringLiteral("PictureDisabled"), &P::PictureDisabled)
            .Enum(QStringLiteral("Position"), { "tmBottomRight", "tmTopLeft", "tmBoth" }, &P::Position,
                  &P::SetPosition)
            .Default(TTickMark::tmBottomRight)
            .Boolean(QStringLiteral("RotateFontVert"), &P::RotateFontVert, &P::SetRotateFontVert).Default(true)
            .Enum(QStringLiteral("Style"), { "tsNone", "tsAuto", "tsManual" }, &P::Style, &P::SetStyle)
            .Default(TTickStyle::tsAuto)
            .Boolean(QStringLiteral("ShowText"), &P::ShowText, &P::SetShowText).Default(false)
            .Boolean(QStringLiteral("ShowImageAtThumbOnly"), &P::ShowImageAtThumbOnly, &P::SetShowImageAtThumbOnly)
            .Default(false)
            .Integer(QStringLiteral("ShowImageAtSteps"), &P::ShowImageAtSteps, &P::SetShowImageAtSteps).Default(1)
            .Integer(QStringLiteral("Spacing"), &P::Spacing, &P::SetSpacing).Default(8)
            .Integer(QStringLiteral("Size"), &P::Size, &P::SetSize).Default(4)
            .Build();
    return &table;
}

const TPropertyTable* TTrackBarButtons::PublishedProperties() const
{
    using P = TTrackBarButtons;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TTrackBarButtons"), nullptr)
            .Boolean(QStringLiteral("Visible"), &P::Visible, &P::SetVisible).Default(false)
            .Integer(QStringLiteral("Size"), &P::Size, &P::SetSize).Default(20)
            .Enum(QStringLiteral("Shape"), { "bsRound", "bsRectangle" }, &P::Shape, &P::SetShape)
            .Default(TTrackButtonShape::bsRound)
            .Integer(QStringLiteral("Spacing"), &P::Spacing, &P::SetSpacing).Default(2)
            .Integer(QStringLiteral("Step"), &P::Step, &P::SetStep).Default(1)
            .Boolean(QStringLiteral("RepeatClick"), &P::RepeatClick, &P::SetRepeatClick).Default(true)
            .Integer(QStringLiteral("InitRepeatPause"), &P::InitRepeatPause, &P::SetInitRepeatPause).Default(400)
            .Integer(QStringLiteral("RepeatPause"), &P::RepeatPause, &P::SetRepeatPause).Default(100)
            .Boolean(QStringLiteral("RotateText"), &P::RotateText, &P::SetRotateText).Default(true)
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor)
            .Color(QStringLiteral("Color"), &P::Color, &P::SetColor)
            .Color(QStringLiteral("ColorTo"), &P::ColorTo, &P::SetColorTo)
            .Color(QStringLiteral("ColorMirror"), &P::ColorMirror, &P::SetColorMirror).Default(TColor(0xEDD4C0))
            .Color(QStringLiteral("ColorMirrorTo"), &P::ColorMirrorTo, &P::SetColorMirrorTo).Default(TColor(0xF7E1D0))
            .Color(QStringLiteral("BorderColorHot"), &P::BorderColorHot, &P::SetBorderColorHot)
            .Color(QStringLiteral("ColorHot"), &P::ColorHot, &P::SetColorHot)
            .Color(QStringLiteral("ColorHotTo"), &P::ColorHotTo, &P::SetColorHotTo)
            .Color(QStringLiteral("ColorMirrorHot"), &P::ColorMirrorHot, &P::SetColorMirrorHot)
            .Color(QStringLiteral("ColorMirrorHotTo"), &P::ColorMirrorHotTo, &P::SetColorMirrorHotTo)
            .Color(QStringLiteral("BorderColorDown"), &P::BorderColorDown, &P::SetBorderColorDown)
            .Color(QStringLiteral("ColorDown"), &P::ColorDown, &P::SetColorDown)
            .Color(QStringLiteral("ColorDownTo"), &P::ColorDownTo, &P::SetColorDownTo)
            .Color(QStringLiteral("ColorMirrorDown"), &P::ColorMirrorDown, &P::SetColorMirrorDown)
            .Color(QStringLiteral("ColorMirrorDownTo"), &P::ColorMirrorDownTo, &P::SetColorMirrorDownTo)
            .Enum(QStringLiteral("Gradient"), ZQ9_GRADIENTS, &P::Gradient, &P::SetGradient)
            .Default(TGDIPGradient::ggVertical)
            .Enum(QStringLiteral("GradientMirror"), ZQ9_GRADIENTS, &P::GradientMirror, &P::SetGradientMirror)
            .Object(QStringLiteral("MinPicture"), &P::MinPicture)
            .Object(QStringLiteral("MinPictureHot"), &P::MinPictureHot)
            .Object(QStringLiteral("MinPictureDown"), &P::MinPictureDown)
            .Object(QStringLiteral("MaxPicture"), &P::MaxPicture)
            .Object(QStringLiteral("MaxPictureHot"), &P::MaxPictureHot)
            .Object(QStringLiteral("MaxPictureDown"), &P::MaxPictureDown)
            .Build();
    return &table;
}

const TPropertyTable* TTrackBarLabel::PublishedProperties() const
{
    using P = TTrackBarLabel;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TTrackBarLabel"), nullptr)
            .Boolean(QStringLiteral("Visible"), &P::Visible, &P::SetVisible).Default(false)
            .String(QStringLiteral("Format"), &P::Format, &P::SetFormat)
            .Object(QStringLiteral("Font"), &P::Font)
            .Enum(QStringLiteral("Position"),
                  { "lpTopCenter", "lpTopLeft", "lpTopRight", "lpBottomCenter", "lpBottomLeft", "lpBottomRight" },
                  &P::Position, &P::SetPosition)
            .Default(TLabelPosition::lpTopCenter)
            .Integer(QStringLiteral("Spacing"), &P::Spacing, &P::SetSpacing).Default(4)
            .Build();
    return &table;
}
