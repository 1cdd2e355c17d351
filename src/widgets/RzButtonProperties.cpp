// The published and defined form properties of the push button and the shape button.

#include "widgets/RzButton.h"

#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"
#include "platform/images/BmpCodec.h"
#include "widgets/ControlProperties.h"

using namespace vcl;

namespace rz {

namespace {

QByteArray RestOf(TStream& Stream)
{
    QByteArray bytes(static_cast<qsizetype>(Stream.Size() - Stream.Position()), '\0');
    Stream.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

void Put(TStream& Stream, const QByteArray& Bytes)
{
    Stream.WriteBuffer(Bytes.constData(), Bytes.size());
}

} // namespace

const TPropertyTable* TRzButton::PublishedProperties() const
{
    using P = TRzButton;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TRzButton"), widgets::ControlPublishedProperties())
            .Set(QStringLiteral("Anchors"), ZQ9_ANCHOR_KINDS, &TControl::Anchors, &TControl::SetAnchors)
            .Default(DefaultAnchors)
            .Object(QStringLiteral("Constraints"), &TControl::Constraints)
            .Enum(QStringLiteral("AlignmentVertical"), { "avTop", "avCenter", "avBottom" }, &P::AlignmentVertical,
                  &P::SetAlignmentVertical)
            .Default(TAlignmentVertical::avCenter)
            .Color(QStringLiteral("HotTrackColor"), &P::HotTrackColor, &P::SetHotTrackColor).Default(TColor(0x149BF0))
            .Enum(QStringLiteral("HotTrackColorType"), { "htctComplement", "htctActual" }, &P::HotTrackColorType,
                  &P::SetHotTrackColorType)
            .Default(TRzHotTrackColorType::htctActual)
            .Color(QStringLiteral("HighlightColor"), &P::HighlightColor, &P::SetHighlightColor).Default(clHighlight)
            .Boolean(QStringLiteral("LightTextStyle"), &P::LightTextStyle, &P::SetLightTextStyle).Default(false)
            .Enum(QStringLiteral("TextStyle"), { "tsNormal", "tsRaised", "tsRecessed", "tsShadow" }, &P::TextStyle,
                  &P::SetTextStyle)
            .Default(TTextStyle::tsNormal)
            .Color(QStringLiteral("TextHighlightColor"), &P::TextHighlightColor, &P::SetTextHighlightColor)
            .Default(clBtnHighlight)
            .Color(QStringLiteral("TextShadowColor"), &P::TextShadowColor, &P::SetTextShadowColor).Default(clBtnShadow)
            .Integer(QStringLiteral("TextShadowDepth"), &P::TextShadowDepth, &P::SetTextShadowDepth).Default(2)
            .Boolean(QStringLiteral("HotTrack"), &P::HotTrack, &P::SetHotTrack).Default(false)
            .Boolean(QStringLiteral("ThemeAware"), &P::ThemeAware, &P::SetThemeAware).Default(true)
            .Enum(QStringLiteral("Alignment"), { "taLeftJustify", "taRightJustify", "taCenter" }, &P::Alignment,
                  &P::SetAlignment)
            .Default(TAlignment::taCenter)
            .Boolean(QStringLiteral("Default"), &P::Default, &P::SetDefault).Default(false)
            .Boolean(QStringLiteral("Cancel"), &P::Cancel, &P::SetCancel).Default(false)
            .Integer(QStringLiteral("ModalResult"), &P::ModalResult, &P::SetModalResult).Default(0)
            .Boolean(QStringLiteral("AllowAllUp"), &P::AllowAllUp, &P::SetAllowAllUp).Default(false)
            // The group comes before Down: only a grouped button stays down.
            .Integer(QStringLiteral("GroupIndex"), &P::GroupIndex, &P::SetGroupIndex).Default(0)
            .Boolean(QStringLiteral("Down"), &P::Down, &P::SetDown).Default(false)
            .Boolean(QStringLiteral("ShowDownPattern"), &P::ShowDownPattern, &P::SetShowDownPattern).Default(true)
            .Boolean(QStringLiteral("ShowFocusRect"), &P::ShowFocusRect, &P::SetShowFocusRect).Default(true)
            .Boolean(QStringLiteral("DropDownOnEnter"), &P::DropDownOnEnter, &P::SetDropDownOnEnter).Default(true)
            .Color(QStringLiteral("FrameColor"), &P::FrameColor, &P::SetFrameColor).Default(cl3DDkShadow)
            .String(QStringLiteral("Caption"), &TControl::Caption, &TControl::SetCaption).Default(QString())
            .Color(QStringLiteral("Color"), &TControl::Color, &TControl::SetColor).Default(clBtnFace)
            .Object(QStringLiteral("Font"), &TControl::Font)
            .Boolean(QStringLiteral("TabStop"), &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true)
            .Integer(QStringLiteral("TabOrder"), &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1)
            .Event(QStringLiteral("OnClick"))
            .Build();
    return &table;
}

void TRzButton::DefineProperties(TFiler& Filer)
{
    TRzCustomButton::DefineProperties(Filer);
    Filer.DefineProperty(QStringLiteral("FrameFlat"), [this](TReader& Reader) { SetHotTrack(Reader.ReadBoolean()); },
                         nullptr, false);
}

const TPropertyTable* TRzShapeButton::PublishedProperties() const
{
    using P = TRzShapeButton;
    static const TPropertyTable table =
        TPropertyTableBuilder<P>(QStringLiteral("TRzShapeButton"), widgets::ControlPublishedProperties())
            .Set(QStringLiteral("Anchors"), ZQ9_ANCHOR_KINDS, &TControl::Anchors, &TControl::SetAnchors)
            .Default(DefaultAnchors)
            .Object(QStringLiteral("Constraints"), &TControl::Constraints)
            .Boolean(QStringLiteral("AutoSize"), &P::AutoSize, &P::SetAutoSize).Default(true)
            .Integer(QStringLiteral("BevelWidth"), &P::BevelWidth, &P::SetBevelWidth).Default(2)
            .Color(QStringLiteral("BevelHighlightColor"), &P::BevelHighlightColor, &P::SetBevelHighlightColor)
            .Default(clBtnHighlight)
            .Color(QStringLiteral("BevelShadowColor"), &P::BevelShadowColor, &P::SetBevelShadowColor)
            .Default(clBtnShadow)
            .Enum(QStringLiteral("BorderStyle"), { "bsNone", "bsSingle" }, &P::BorderStyle, &P::SetBorderStyle)
            .Default(TRzBorderStyle::bsSingle)
            .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor).Default(cl3DDkShadow)
            .Boolean(QStringLiteral("PreciseClick"), &P::PreciseClick, &P::SetPreciseClick).Default(true)
            .Boolean(QStringLiteral("PreciseShowHint"), &P::PreciseShowHint, &P::SetPreciseShowHint).Default(true)
            .Enum(QStringLiteral("CaptionPosition"), { "cpCentered", "cpXY" }, &P::CaptionPosition,
                  &P::SetCaptionPosition)
            .Default(TRzCaptionPosition::cpCentered)
            .Integer(QStringLiteral("CaptionX"), &P::CaptionX, &P::SetCaptionX).Default(0)
            .Integer(QStringLiteral("CaptionY"), &P::CaptionY, &P::SetCaptionY).Default(0)
            .String(QStringLiteral("Caption"), &TControl::Caption, &TControl::SetCaption).Default(QString())
            .Object(QStringLiteral("Font"), &TControl::Font)
            .Event(QStringLiteral("OnClick"))
            .Build();
    return &table;
}

void TRzShapeButton::DefineProperties(TFiler& Filer)
{
    TGraphicControl::DefineProperties(Filer);
    // The source picture travels as a BMP file too (the platform bitmap has no stream form of its own);
    // it is read while loading, so the stored images below are not rebuilt from it.
    Filer.DefineBinaryProperty(
        QStringLiteral("Bitmap"), [this](TStream& s) { FBitmap.SetImage(BmpCodec::Decode(RestOf(s))); },
        [this](TStream& s) { Put(s, BmpCodec::Encode(FBitmap.Image())); }, !FBitmap.Empty());
    Filer.DefineBinaryProperty(
        QStringLiteral("BitmapUp"), [this](TStream& s) { ReadBitmapUp(RestOf(s)); },
        [this](TStream& s) {
            QByteArray data;
            if (WriteBitmapUp(data))
                Put(s, data);
        },
        !FBitmapUp.Empty());
    Filer.DefineBinaryProperty(
        QStringLiteral("BitmapDown"), [this](TStream& s) { ReadBitmapDown(RestOf(s)); },
        [this](TStream& s) {
            QByteArray data;
            if (WriteBitmapDown(data))
                Put(s, data);
        },
        !FBitmapDown.Empty());
}

} // namespace rz
