// The published form properties of the panel and the group box, and the readers of the properties
// older forms of them carried.

#include "widgets/RzPanel.h"

#include "platform/core/TReader.h"
#include "widgets/ControlProperties.h"

using namespace vcl;

namespace rz {

namespace {

// The frame, fill and caption settings panel and group box share, after the control's own.
template <typename C>
TPropertyTableBuilder<C>& AddFrame(TPropertyTableBuilder<C>& b)
{
    using P = TRzCustomPanel;
    b.Set(QStringLiteral("Anchors"), ZQ9_ANCHOR_KINDS, &TControl::Anchors, &TControl::SetAnchors)
        .Default(DefaultAnchors)
        .Object(QStringLiteral("Constraints"), &TControl::Constraints)
        .Boolean(QStringLiteral("Ctl3D"), &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
        .Stored(&TWinControl::IsCtl3DStored)
        .Boolean(QStringLiteral("ParentCtl3D"), &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D)
        .Default(true)
        .Enum(QStringLiteral("Alignment"), { "taLeftJustify", "taRightJustify", "taCenter" }, &P::Alignment,
           &P::SetAlignment)
        .Enum(QStringLiteral("BorderInner"), ZQ9_FRAME_STYLES, &P::BorderInner, &P::SetBorderInner)
        .Default(TFrameStyleEx::fsNone)
        .Enum(QStringLiteral("BorderOuter"), ZQ9_FRAME_STYLES, &P::BorderOuter, &P::SetBorderOuter)
        .Set(QStringLiteral("BorderSides"), ZQ9_SIDES, &P::BorderSides, &P::SetBorderSides).Default(sdAllSides)
        .Color(QStringLiteral("BorderColor"), &P::BorderColor, &P::SetBorderColor).Default(clBtnFace)
        .Color(QStringLiteral("BorderHighlight"), &P::BorderHighlight, &P::SetBorderHighlight).Default(clBtnHighlight)
        .Color(QStringLiteral("BorderShadow"), &P::BorderShadow, &P::SetBorderShadow).Default(clBtnShadow)
        .Integer(QStringLiteral("BorderWidth"), &P::BorderWidth, &P::SetBorderWidth).Default(0)
        .Integer(QStringLiteral("BevelWidth"), &P::BevelWidth, &P::SetBevelWidth).Default(1)
        .Color(QStringLiteral("FlatColor"), &P::FlatColor, &P::SetFlatColor).Default(clBtnShadow)
        .Integer(QStringLiteral("FlatColorAdjustment"), &P::FlatColorAdjustment, &P::SetFlatColorAdjustment).Default(30)
        .Enum(QStringLiteral("VisualStyle"), { "vsClassic", "vsWinXP", "vsGradient" }, &P::VisualStyle,
              &P::SetVisualStyle)
        .Default(TRzVisualStyle::vsWinXP)
        .Enum(QStringLiteral("GradientColorStyle"), { "gcsSystem", "gcsMSOffice", "gcsCustom" },
              &P::GradientColorStyle, &P::SetGradientColorStyle)
        .Default(TRzGradientColorStyle::gcsSystem)
        .Color(QStringLiteral("GradientColorStart"), &P::GradientColorStart, &P::SetGradientColorStart)
        .Default(clWhite)
        .Color(QStringLiteral("GradientColorStop"), &P::GradientColorStop, &P::SetGradientColorStop).Default(clBtnFace)
        .Enum(QStringLiteral("GradientDirection"),
              { "gdDiagonalUp", "gdDiagonalDown", "gdHorizontalEnd", "gdHorizontalCenter", "gdHorizontalBox",
                "gdVerticalEnd", "gdVerticalCenter", "gdVerticalBox", "gdSquareBox", "gdBigSquareBox" },
              &P::GradientDirection, &P::SetGradientDirection)
        .Default(TGradientDirection::gdHorizontalEnd)
        .Boolean(QStringLiteral("Transparent"), &P::Transparent, &P::SetTransparent).Default(false)
        .Boolean(QStringLiteral("DockSite"), &P::DockSite, &P::SetDockSite).Default(false)
        .Set(QStringLiteral("FrameControllerNotifications"), ZQ9_FRAME_CONTROLLER_PROPERTIES,
             &P::FrameControllerNotifications, &P::SetFrameControllerNotifications)
        .Default(AllFrameControllerNotifications())
        .String(QStringLiteral("Caption"), &TControl::Caption, &TControl::SetCaption).Default(QString())
        .Color(QStringLiteral("Color"), &TControl::Color, &TControl::SetColor).Default(clBtnFace)
        .Boolean(QStringLiteral("ParentColor"), &TControl::ParentColor, &TControl::SetParentColor).Default(false)
        .Object(QStringLiteral("Font"), &TControl::Font)
        .Boolean(QStringLiteral("TabStop"), &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false)
        .Integer(QStringLiteral("TabOrder"), &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1)
        .Event(QStringLiteral("OnClick"))
        .Event(QStringLiteral("OnPaint"));
    return b;
}

} // namespace

void TRzCustomPanel::DefineProperties(TFiler& Filer)
{
    TCustomControl::DefineProperties(Filer);
    widgets::DefineReference(Filer, QStringLiteral("FrameController"), *this, FrameController(),
                             [this](TComponent* c) { SetFrameController(dynamic_cast<TRzFrameController*>(c)); });
    widgets::DefineObsolete(Filer, QStringLiteral("FrameSides"));
    widgets::DefineObsolete(Filer, QStringLiteral("ThemeAware"));
    Filer.DefineProperty(
        QStringLiteral("UseGradients"),
        [this](TReader& Reader) {
            if (Reader.ReadBoolean())
                SetVisualStyle(TRzVisualStyle::vsGradient);
        },
        nullptr, false);
}

const TPropertyTable* TRzPanel::PublishedProperties() const
{
    using P = TRzCustomPanel;
    static const TPropertyTable table = [] {
        TPropertyTableBuilder<TRzPanel> b(QStringLiteral("TRzPanel"), widgets::ControlPublishedProperties());
        AddFrame(b)
            .Enum(QStringLiteral("AlignmentVertical"), { "avTop", "avCenter", "avBottom" }, &P::AlignmentVertical,
                  &P::SetAlignmentVertical)
            .Default(TAlignmentVertical::avCenter)
            .Boolean(QStringLiteral("FullRepaint"), &P::FullRepaint, &P::SetFullRepaint).Default(true)
            .Boolean(QStringLiteral("PaintClientArea"), &P::PaintClientArea, &P::SetPaintClientArea).Default(true)
            .Integer(QStringLiteral("TextMargin"), &P::TextMargin, &P::SetTextMargin).Default(0)
            .Integer(QStringLiteral("TextMarginVertical"), &P::TextMarginVertical, &P::SetTextMarginVertical)
            .Default(0)
            .Boolean(QStringLiteral("WordWrap"), &P::WordWrap, &P::SetWordWrap).Default(true)
            .Boolean(QStringLiteral("UseDockManager"), &P::UseDockManager, &P::SetUseDockManager)
            .Boolean(QStringLiteral("ShowDockClientCaptions"), &P::ShowDockClientCaptions,
                     &P::SetShowDockClientCaptions)
            .Default(true)
            .Boolean(QStringLiteral("ShowGrid"), &P::ShowGrid, &P::SetShowGrid).Default(false)
            .Color(QStringLiteral("GridColor"), &P::GridColor, &P::SetGridColor).Default(clBtnShadow)
            .Enum(QStringLiteral("GridStyle"), { "gsDots", "gsDottedLines", "gsSolidLines" }, &P::GridStyle,
                  &P::SetGridStyle)
            .Default(TGridStyle::gsDots)
            .Integer(QStringLiteral("GridXSize"), &P::GridXSize, &P::SetGridXSize).Range(0, 65535).Default(8)
            .Integer(QStringLiteral("GridYSize"), &P::GridYSize, &P::SetGridYSize).Range(0, 65535).Default(8);
        return b.Build();
    }();
    return &table;
}

const TPropertyTable* TRzGroupBox::PublishedProperties() const
{
    using P = TRzCustomGroupBox;
    static const TPropertyTable table = [] {
        TPropertyTableBuilder<TRzGroupBox> b(QStringLiteral("TRzGroupBox"), widgets::ControlPublishedProperties());
        AddFrame(b)
            .Integer(QStringLiteral("BannerHeight"), &P::BannerHeight, &P::SetBannerHeight).Default(0)
            .Boolean(QStringLiteral("ShowDockClientCaptions"), &P::ShowDockClientCaptions,
                     &P::SetShowDockClientCaptions)
            .Default(true)
            .Object(QStringLiteral("CaptionFont"), &P::CaptionFont)
            .Stored(&TRzGroupBox::CaptionFontChanged)
            .Enum(QStringLiteral("GroupStyle"), { "gsStandard", "gsCustom", "gsTopLine", "gsFlat", "gsBanner",
                                                   "gsUnderline" },
                  &P::GroupStyle, &P::SetGroupStyle)
            .Default(TGroupBoxStyle::gsFlat);
        return b.Build();
    }();
    return &table;
}

} // namespace rz
