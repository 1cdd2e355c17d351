// The published form properties of the label and the reader of the property older forms carried.

#include "widgets/RzLabel.h"

#include "widgets/ControlProperties.h"

using namespace vcl;

namespace rz {

const TPropertyTable* TRzLabel::PublishedProperties() const
{
    using P = TRzLabel;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TRzLabel"), widgets::ControlPublishedProperties())
            .String(QStringLiteral("Caption"), &TControl::Caption, &TControl::SetCaption).Default(QString())
            .Boolean(QStringLiteral("AutoSize"), &TLabel::AutoSize, &P::SetAutoSize).Default(true)
            .Enum(QStringLiteral("Alignment"), { "taLeftJustify", "taRightJustify", "taCenter" }, &TLabel::Alignment,
                  &P::SetAlignment)
            .Default(TAlignment::taLeftJustify)
            .Enum(QStringLiteral("Layout"), { "tlTop", "tlCenter", "tlBottom" }, &TLabel::Layout, &TLabel::SetLayout)
            .Default(TTextLayout::tlTop)
            .Boolean(QStringLiteral("WordWrap"), &TLabel::WordWrap, &P::SetWordWrap).Default(false)
            .Boolean(QStringLiteral("Transparent"), &TLabel::Transparent, &TLabel::SetTransparent).Default(false)
            .Boolean(QStringLiteral("ShowAccelChar"), &P::ShowAccelChar, &P::SetShowAccelChar).Default(true)
            // Rotation before Angle: a stored roCurve is not turned into roFlat by the angle.
            .Enum(QStringLiteral("Rotation"), { "roNone", "roFlat", "roCurve" }, &P::Rotation, &P::SetRotation)
            .Default(TRzLabelRotation::roNone)
            .Integer(QStringLiteral("Angle"), &P::Angle, &P::SetAngle).Default(0)
            .Boolean(QStringLiteral("Blinking"), &P::Blinking, &P::SetBlinking).Default(false)
            .Color(QStringLiteral("BlinkColor"), &P::BlinkColor, &P::SetBlinkColor).Default(clHighlight)
            .Integer(QStringLiteral("BlinkIntervalOff"), &P::BlinkIntervalOff, &P::SetBlinkIntervalOff)
            .Range(0, 65535)
            .Default(500)
            .Integer(QStringLiteral("BlinkIntervalOn"), &P::BlinkIntervalOn, &P::SetBlinkIntervalOn)
            .Range(0, 65535)
            .Default(500)
            .Integer(QStringLiteral("BevelWidth"), &P::BevelWidth, &P::SetBevelWidth).Default(1)
            .Enum(QStringLiteral("BorderInner"), ZQ9_FRAME_STYLES, &P::BorderInner, &P::SetBorderInner)
            .Default(TFrameStyleEx::fsNone)
            .Enum(QStringLiteral("BorderOuter"), ZQ9_FRAME_STYLES, &P::BorderOuter, &P::SetBorderOuter)
            .Default(TFrameStyleEx::fsNone)
            .Set(QStringLiteral("BorderSides"), ZQ9_SIDES, &P::BorderSides, &P::SetBorderSides).Default(sdAllSides)
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor).Default(clBtnFace)
            .Color(QStringLiteral("BorderHighlight"), &P::BorderHighlight, &P::SetBorderHighlight).Default(clBtnHighlight)
            .Color(QStringLiteral("BorderShadow"), &P::BorderShadow, &P::SetBorderShadow).Default(clBtnShadow)
            .Integer(QStringLiteral("BorderWidth"), &P::BorderWidth, &P::SetBorderWidth).Default(0)
            .Color(QStringLiteral("FlatColor"), &P::FlatColor, &P::SetFlatColor).Default(clBtnShadow)
            .Integer(QStringLiteral("FlatColorAdjustment"), &P::FlatColorAdjustment, &P::SetFlatColorAdjustment).Default(30)
            .Set(QStringLiteral("FrameControllerNotifications"), ZQ9_FRAME_CONTROLLER_PROPERTIES,
                 &P::FrameControllerNotifications, &P::SetFrameControllerNotifications)
            .Default(AllFrameControllerNotifications())
            .Enum(QStringLiteral("CenterPoint"),
                  { "cpUpperLeft", "cpUpperCenter", "cpUpperRight", "cpLeftCenter", "cpCenter", "cpRightCenter",
                    "cpLowerLeft", "cpLowerCenter", "cpLowerRight" },
                  &P::CenterPoint, &P::SetCenterPoint)
            .Default(TCenterPoint::cpCenter)
            .Boolean(QStringLiteral("FlyByEnabled"), &P::FlyByEnabled, &P::SetFlyByEnabled).Default(false)
            .Color(QStringLiteral("FlyByColor"), &P::FlyByColor, &P::SetFlyByColor).Default(clHighlight)
            .Boolean(QStringLiteral("LightTextStyle"), &P::LightTextStyle, &P::SetLightTextStyle).Default(false)
            .Enum(QStringLiteral("TextStyle"), { "tsNormal", "tsRaised", "tsRecessed", "tsShadow" }, &P::TextStyle,
                  &P::SetTextStyle)
            .Default(TTextStyle::tsNormal)
            .Color(QStringLiteral("HighlightColor"), &P::HighlightColor, &P::SetHighlightColor).Default(clBtnHighlight)
            .Color(QStringLiteral("ShadowColor"), &P::ShadowColor, &P::SetShadowColor).Default(clBtnShadow)
            .Integer(QStringLiteral("ShadowDepth"), &P::ShadowDepth, &P::SetShadowDepth).Default(2)
            .Integer(QStringLiteral("TextMargin"), &P::TextMargin, &P::SetTextMargin).Default(0)
            .Enum(QStringLiteral("CondenseCaption"), { "ccNone", "ccAtEnd", "ccWithinPath" }, &P::CondenseCaption,
                  &P::SetCondenseCaption)
            .Default(TCondenseCaption::ccNone)
            .Color(QStringLiteral("Color"), &TControl::Color, &TControl::SetColor).Default(clBtnFace)
            .Boolean(QStringLiteral("ParentColor"), &TControl::ParentColor, &TControl::SetParentColor).Default(true)
            .Object(QStringLiteral("Font"), &TControl::Font)
            .Event(QStringLiteral("OnClick"))
            .Build();
    return &table;
}

void TRzLabel::DefineProperties(TFiler& Filer)
{
    TLabel::DefineProperties(Filer);
    widgets::DefineReference(Filer, QStringLiteral("FrameController"), *this, FrameController(),
                             [this](TComponent* c) { SetFrameController(dynamic_cast<TRzFrameController*>(c)); });
    widgets::DefineObsolete(Filer, QStringLiteral("FrameSides"));
}

} // namespace rz
