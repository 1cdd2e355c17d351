// The published properties of the plot's decorations (label, legend, toolbar, data cursor, limit,
// annotation, table), in declaration order: what property lists and form streams save and load.

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlotTable.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/PublishedProperties.h"

using namespace vcl;

#define ZQ9_ELEMENTS_ALIGNMENT { "iahCenter", "iahLeft", "iahRight" }
#define ZQ9_ELEMENTS_REFERENCE_INDIVIDUAL { "ipriDataView", "ipriChannel", "ipriAuto" }
#define ZQ9_ELEMENTS_PEN_STYLE { "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame" }
#define ZQ9_ELEMENTS_BRUSH_STYLE                                                                                    \
    { "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross" }

const TPropertyTable* TiPlotDataCursor::PublishedProperties() const
{
    using C = TiPlotDataCursor;
    static const TPropertyTable table =
        TPropertyTableBuilder<C>(QStringLiteral("TiPlotDataCursor"), TiPlotObject::PublishedProperties())
            .String(QStringLiteral("ChannelName"), &C::ChannelName, &C::SetChannelName)
            .Boolean(QStringLiteral("ChannelAllowAll"), &C::ChannelAllowAll, &C::SetChannelAllowAll)
            .Boolean(QStringLiteral("ChannelShowAllInLegend"), &C::ChannelShowAllInLegend, &C::SetChannelShowAllInLegend)
            .Enum(QStringLiteral("Style"),
                  { "ipcsValueXY", "ipcsValueX", "ipcsValueY", "ipcsDeltaX", "ipcsDeltaY", "ipcsInverseDeltaX" },
                  &C::Style, &C::SetStyle)
            .Object(QStringLiteral("Font"), &C::Font)
            .Color(QStringLiteral("Color"), &C::Color, &C::SetColor)
            .Boolean(QStringLiteral("UseChannelColor"), &C::UseChannelColor, &C::SetUseChannelColor)
            .Boolean(QStringLiteral("HintShow"), &C::HintShow, &C::SetHintShow)
            .Boolean(QStringLiteral("HintHideOnRelease"), &C::HintHideOnRelease, &C::SetHintHideOnRelease)
            .Enum(QStringLiteral("HintOrientationSide"), { "iosBottomRight", "iosTopLeft" }, &C::HintOrientationSide,
                  &C::SetHintOrientationSide)
            .Float(QStringLiteral("HintPosition"), &C::HintPosition, &C::SetHintPosition)
            .Float(QStringLiteral("Pointer1Position"), &C::Pointer1Position, &C::SetPointer1Position)
            .Float(QStringLiteral("Pointer2Position"), &C::Pointer2Position, &C::SetPointer2Position)
            .Integer(QStringLiteral("PointerPenWidth"), &C::PointerPenWidth, &C::SetPointerPenWidth)
            .Boolean(QStringLiteral("MenuUserCanChangeOptions"), &C::MenuUserCanChangeOptions,
                     &C::SetMenuUserCanChangeOptions)
            .Default(true)
            .Boolean(QStringLiteral("SnapToDataPoint"), &C::SnapToDataPoint, &C::SetSnapToDataPoint).Default(false)
            .Boolean(QStringLiteral("UseCachedInterpolatedData"), &C::UseCachedInterpolatedData,
                     &C::SetUseCachedInterpolatedData)
            .Default(false)
            .Boolean(QStringLiteral("MenuItemVisibleValueXY"), &C::MenuItemVisibleValueXY, &C::SetMenuItemVisibleValueXY)
            .Boolean(QStringLiteral("MenuItemVisibleValueX"), &C::MenuItemVisibleValueX, &C::SetMenuItemVisibleValueX)
            .Boolean(QStringLiteral("MenuItemVisibleValueY"), &C::MenuItemVisibleValueY, &C::SetMenuItemVisibleValueY)
            .Boolean(QStringLiteral("MenuItemVisibleDeltaX"), &C::MenuItemVisibleDeltaX, &C::SetMenuItemVisibleDeltaX)
            .Boolean(QStringLiteral("MenuItemVisibleDeltaY"), &C::MenuItemVisibleDeltaY, &C::SetMenuItemVisibleDeltaY)
            .Boolean(QStringLiteral("MenuItemVisibleInverseDeltaX"), &C::MenuItemVisibleInverseDeltaX,
                     &C::SetMenuItemVisibleInverseDeltaX)
            .String(QStringLiteral("MenuItemCaptionValueXY"), &C::MenuItemCaptionValueXY, &C::SetMenuItemCaptionValueXY)
            .String(QStringLiteral("MenuItemCaptionValueX"), &C::MenuItemCaptionValueX, &C::SetMenuItemCaptionValueX)
            .String(QStringLiteral("MenuItemCaptionValueY"), &C::MenuItemCaptionValueY, &C::SetMenuItemCaptionValueY)
            .String(QStringLiteral("MenuItemCaptionDeltaX"), &C::MenuItemCaptionDeltaX, &C::SetMenuItemCaptionDeltaX)
            .String(QStringLiteral("MenuItemCaptionDeltaY"), &C::MenuItemCaptionDeltaY, &C::SetMenuItemCaptionDeltaY)
            .String(QStringLiteral("MenuItemCaptionInverseDeltaX"), &C::MenuItemCaptionInverseDeltaX,
                    &C::SetMenuItemCaptionInverseDeltaX)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotLabel::PublishedProperties() const
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TiPlotLabel>(QStringLiteral("TiPlotLabel"), TiPlotLayoutObject::PublishedProperties())
            .Float(QStringLiteral("MarginLeft"), &TiPlotLabel::MarginLeft, &TiPlotLabel::SetMarginLeft)
            .Float(QStringLiteral("MarginTop"), &TiPlotLabel::MarginTop, &TiPlotLabel::SetMarginTop)
            .Float(QStringLiteral("MarginRight"), &TiPlotLabel::MarginRight, &TiPlotLabel::SetMarginRight)
            .Float(QStringLiteral("MarginBottom"), &TiPlotLabel::MarginBottom, &TiPlotLabel::SetMarginBottom)
            .String(QStringLiteral("Caption"), &TiPlotLabel::Caption, &TiPlotLabel::SetCaption)
            .Enum(QStringLiteral("Alignment"), ZQ9_ELEMENTS_ALIGNMENT, &TiPlotLabel::Alignment, &TiPlotLabel::SetAlignment)
            .Default(TiAlignmentHorizontal::iahCenter)
            .Object(QStringLiteral("Font"), &TiPlotLabel::Font)
            .Integer(QStringLiteral("ImageListIndex"), &TiPlotLabel::ImageListIndex, &TiPlotLabel::SetImageListIndex)
            .Default(-1)
            .Integer(QStringLiteral("ImageIndex"), &TiPlotLabel::ImageIndex, &TiPlotLabel::SetImageIndex).Default(0)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotLegend::PublishedProperties() const
{
    using L = TiPlotLegend;
    static const TPropertyTable table =
        TPropertyTableBuilder<L>(QStringLiteral("TiPlotLegend"), TiPlotLayoutObject::PublishedProperties())
            .Float(QStringLiteral("MarginLeft"), &L::MarginLeft, &L::SetMarginLeft)
            .Float(QStringLiteral("MarginTop"), &L::MarginTop, &L::SetMarginTop)
            .Float(QStringLiteral("MarginRight"), &L::MarginRight, &L::SetMarginRight)
            .Float(QStringLiteral("MarginBottom"), &L::MarginBottom, &L::SetMarginBottom)
            .Color(QStringLiteral("BackGroundColor"), &L::BackGroundColor, &L::SetBackGroundColor).Default(TColor(0x808080))
            .Boolean(QStringLiteral("BackGroundTransparent"), &L::BackGroundTransparent, &L::SetBackGroundTransparent)
            .Default(true)
            .Color(QStringLiteral("SelectedItemBackGroundColor"), &L::SelectedItemBackGroundColor,
                   &L::SetSelectedItemBackGroundColor)
            .Default(TColor(0xFFFF))
            .Object(QStringLiteral("SelectedItemFont"), &L::SelectedItemFont)
            .Boolean(QStringLiteral("ShowColumnLine"), &L::ShowColumnLine, &L::SetShowColumnLine).Default(true)
            .Boolean(QStringLiteral("ShowColumnMarker"), &L::ShowColumnMarker, &L::SetShowColumnMarker).Default(false)
            .Boolean(QStringLiteral("ShowColumnXAxisTitle"), &L::ShowColumnXAxisTitle, &L::SetShowColumnXAxisTitle)
            .Default(false)
            .Boolean(QStringLiteral("ShowColumnYAxisTitle"), &L::ShowColumnYAxisTitle, &L::SetShowColumnYAxisTitle)
            .Default(false)
            .Boolean(QStringLiteral("ShowColumnXValue"), &L::ShowColumnXValue, &L::SetShowColumnXValue).Default(false)
            .Boolean(QStringLiteral("ShowColumnYValue"), &L::ShowColumnYValue, &L::SetShowColumnYValue).Default(false)
            .Boolean(QStringLiteral("ShowColumnYMax"), &L::ShowColumnYMax, &L::SetShowColumnYMax).Default(false)
            .Boolean(QStringLiteral("ShowColumnYMin"), &L::ShowColumnYMin, &L::SetShowColumnYMin).Default(false)
            .Boolean(QStringLiteral("ShowColumnYMean"), &L::ShowColumnYMean, &L::SetShowColumnYMean).Default(false)
            .String(QStringLiteral("CaptionColumnTitle"), &L::CaptionColumnTitle, &L::SetCaptionColumnTitle)
            .String(QStringLiteral("CaptionColumnXAxisTitle"), &L::CaptionColumnXAxisTitle, &L::SetCaptionColumnXAxisTitle)
            .String(QStringLiteral("CaptionColumnYAxisTitle"), &L::CaptionColumnYAxisTitle, &L::SetCaptionColumnYAxisTitle)
            .String(QStringLiteral("CaptionColumnXValue"), &L::CaptionColumnXValue, &L::SetCaptionColumnXValue)
            .String(QStringLiteral("CaptionColumnYValue"), &L::CaptionColumnYValue, &L::SetCaptionColumnYValue)
            .String(QStringLiteral("CaptionColumnYMax"), &L::CaptionColumnYMax, &L::SetCaptionColumnYMax)
            .String(QStringLiteral("CaptionColumnYMin"), &L::CaptionColumnYMin, &L::SetCaptionColumnYMin)
            .String(QStringLiteral("CaptionColumnYMean"), &L::CaptionColumnYMean, &L::SetCaptionColumnYMean)
            .Object(QStringLiteral("Font"), &L::Font)
            .Float(QStringLiteral("ColumnSpacing"), &L::ColumnSpacing, &L::SetColumnSpacing)
            .Float(QStringLiteral("RowSpacing"), &L::RowSpacing, &L::SetRowSpacing)
            .Integer(QStringLiteral("WrapColDesiredCount"), &L::WrapColDesiredCount, &L::SetWrapColDesiredCount)
            .Boolean(QStringLiteral("WrapColAutoCountEnabled"), &L::WrapColAutoCountEnabled, &L::SetWrapColAutoCountEnabled)
            .Integer(QStringLiteral("WrapColAutoCountMax"), &L::WrapColAutoCountMax, &L::SetWrapColAutoCountMax)
            .Float(QStringLiteral("WrapColSpacingMin"), &L::WrapColSpacingMin, &L::SetWrapColSpacingMin)
            .Boolean(QStringLiteral("WrapColSpacingAuto"), &L::WrapColSpacingAuto, &L::SetWrapColSpacingAuto)
            .Integer(QStringLiteral("WrapRowDesiredCount"), &L::WrapRowDesiredCount, &L::SetWrapRowDesiredCount)
            .Boolean(QStringLiteral("WrapRowAutoCountEnabled"), &L::WrapRowAutoCountEnabled, &L::SetWrapRowAutoCountEnabled)
            .Integer(QStringLiteral("WrapRowAutoCountMax"), &L::WrapRowAutoCountMax, &L::SetWrapRowAutoCountMax)
            .Float(QStringLiteral("WrapRowSpacingMin"), &L::WrapRowSpacingMin, &L::SetWrapRowSpacingMin)
            .Boolean(QStringLiteral("WrapRowSpacingAuto"), &L::WrapRowSpacingAuto, &L::SetWrapRowSpacingAuto)
            .Boolean(QStringLiteral("ColumnTitlesVisible"), &L::ColumnTitlesVisible, &L::SetColumnTitlesVisible)
            .Default(false)
            .Object(QStringLiteral("ColumnTitlesFont"), &L::ColumnTitlesFont)
            .Float(QStringLiteral("ChannelNameMaxWidth"), &L::ChannelNameMaxWidth, &L::SetChannelNameMaxWidth)
            .Enum(QStringLiteral("ChannelNameColorStyle"),
                  { "iplcncsFont", "iplcncsChannelColor", "iplcncsXAxisFontColor", "iplcncsYAxisFontColor" },
                  &L::ChannelNameColorStyle, &L::SetChannelNameColorStyle)
            .Default(TiPlotLegendChannelNameColorStyle::iplcncsFont)
            .Integer(QStringLiteral("LineColumnWidth"), &L::LineColumnWidth, &L::SetLineColumnWidth).Default(13)
            .Integer(QStringLiteral("LineColumnHeight"), &L::LineColumnHeight, &L::SetLineColumnHeight).Default(3)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotToolBar::PublishedProperties() const
{
    using T = TiPlotToolBar;
    static const TPropertyTable table =
        TPropertyTableBuilder<T>(QStringLiteral("TiPlotToolBar"), TiPlotLayoutObject::PublishedProperties())
            .Boolean(QStringLiteral("ShowResumeButton"), &T::ShowResumeButton, &T::SetShowResumeButton).Default(true)
            .Boolean(QStringLiteral("ShowPauseButton"), &T::ShowPauseButton, &T::SetShowPauseButton).Default(true)
            .Boolean(QStringLiteral("ShowAxesModeButtons"), &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons)
            .Default(true)
            .Boolean(QStringLiteral("ShowZoomInOutButtons"), &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons)
            .Default(true)
            .Boolean(QStringLiteral("ShowSelectButton"), &T::ShowSelectButton, &T::SetShowSelectButton).Default(false)
            .Boolean(QStringLiteral("ShowZoomBoxButton"), &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton).Default(true)
            .Boolean(QStringLiteral("ShowCursorButton"), &T::ShowCursorButton, &T::SetShowCursorButton).Default(true)
            .Boolean(QStringLiteral("ShowEditButton"), &T::ShowEditButton, &T::SetShowEditButton).Default(true)
            .Boolean(QStringLiteral("ShowCopyButton"), &T::ShowCopyButton, &T::SetShowCopyButton).Default(true)
            .Boolean(QStringLiteral("ShowSaveButton"), &T::ShowSaveButton, &T::SetShowSaveButton).Default(true)
            .Boolean(QStringLiteral("ShowPrintButton"), &T::ShowPrintButton, &T::SetShowPrintButton).Default(true)
            .Boolean(QStringLiteral("ShowPreviewButton"), &T::ShowPreviewButton, &T::SetShowPreviewButton)
            .Default(false)
            .Float(QStringLiteral("ZoomInOutFactor"), &T::ZoomInOutFactor, &T::SetZoomInOutFactor)
            .Boolean(QStringLiteral("FlatBorder"), &T::FlatBorder, &T::SetFlatBorder).Default(false)
            .Boolean(QStringLiteral("FlatButtons"), &T::FlatButtons, &T::SetFlatButtons).Default(false)
            .Boolean(QStringLiteral("SmallButtons"), &T::SmallButtons, &T::SetSmallButtons).Default(false)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotTable::PublishedProperties() const
{
    using T = TiPlotTable;
    static const TPropertyTable table =
        TPropertyTableBuilder<T>(QStringLiteral("TiPlotTable"), TiPlotLayoutObject::PublishedProperties())
            .Float(QStringLiteral("MarginLeft"), &T::MarginLeft, &T::SetMarginLeft)
            .Float(QStringLiteral("MarginTop"), &T::MarginTop, &T::SetMarginTop)
            .Float(QStringLiteral("MarginRight"), &T::MarginRight, &T::SetMarginRight)
            .Float(QStringLiteral("MarginBottom"), &T::MarginBottom, &T::SetMarginBottom)
            .Color(QStringLiteral("GridBackGroundColor"), &T::GridBackGroundColor, &T::SetGridBackGroundColor)
            .Default(TColor(0x808080))
            .Boolean(QStringLiteral("GridBackGroundTransparent"), &T::GridBackGroundTransparent,
                     &T::SetGridBackGroundTransparent)
            .Default(false)
            .Color(QStringLiteral("GridLinesColor"), &T::GridLinesColor, &T::SetGridLinesColor)
            .Boolean(QStringLiteral("GridLinesShow"), &T::GridLinesShow, &T::SetGridLinesShow)
            .Object(QStringLiteral("DataFont"), &T::DataFont)
            .Float(QStringLiteral("ColumnSpacing"), &T::ColumnSpacing, &T::SetColumnSpacing)
            .Float(QStringLiteral("RowSpacing"), &T::RowSpacing, &T::SetRowSpacing)
            .Integer(QStringLiteral("RowsMax"), &T::RowsMax, &T::SetRowsMax)
            .Boolean(QStringLiteral("ColumnTitlesVisible"), &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible)
            .Default(true)
            .Object(QStringLiteral("ColumnTitlesFont"), &T::ColumnTitlesFont)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotLimit::PublishedProperties() const
{
    using L = TiPlotLimit;
    static const TPropertyTable table =
        TPropertyTableBuilder<L>(QStringLiteral("TiPlotLimit"), TiPlotObject::PublishedProperties())
            .Color(QStringLiteral("Color"), &L::Color, &L::SetColor)
            .Enum(QStringLiteral("LineStyle"), ZQ9_ELEMENTS_PEN_STYLE, &L::LineStyle, &L::SetLineStyle)
            .Integer(QStringLiteral("LineWidth"), &L::LineWidth, &L::SetLineWidth)
            .Enum(QStringLiteral("FillStyle"), ZQ9_ELEMENTS_BRUSH_STYLE, &L::FillStyle, &L::SetFillStyle)
            .String(QStringLiteral("XAxisName"), &L::XAxisName, &L::SetXAxisName)
            .String(QStringLiteral("YAxisName"), &L::YAxisName, &L::SetYAxisName)
            .Enum(QStringLiteral("Style"),
                  { "iplsLineX", "iplsLineY", "iplsBandX", "iplsBandY", "iplsPolyBandX", "iplsPolyBandY" }, &L::Style,
                  &L::SetStyle)
            .Float(QStringLiteral("Line1Position"), &L::Line1Position, &L::SetLine1Position)
            .Float(QStringLiteral("Line2Position"), &L::Line2Position, &L::SetLine2Position)
            .Boolean(QStringLiteral("UserCanMove"), &L::UserCanMove, &L::SetUserCanMove)
            .Boolean(QStringLiteral("SelectModeOnlyInteraction"), &L::SelectModeOnlyInteraction,
                     &L::SetSelectModeOnlyInteraction)
            .Boolean(QStringLiteral("ClipToAxes"), &L::ClipToAxes, &L::SetClipToAxes)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotAnnotation::PublishedProperties() const
{
    using A = TiPlotAnnotation;
    static const TPropertyTable table =
        TPropertyTableBuilder<A>(QStringLiteral("TiPlotAnnotation"), TiPlotObject::PublishedProperties())
            .Enum(QStringLiteral("Style"),
                  { "ipasText", "ipasLine", "ipasRectangle", "ipasLineX", "ipasLineY", "ipasImage", "ipasTextRectangle",
                    "ipasEllipse", "ipasTextBox", "ipasEllipse2", "ipasPolygon", "ipasRectangle2" },
                  &A::Style, &A::SetStyle)
            .Default(TiPlotAnnotationStyle::ipasText)
            .Enum(QStringLiteral("Reference"),
                  { "iprtDataView", "iprtChannel", "iprtXChannelYDataView", "iprtXDataViewYChannel" }, &A::Reference,
                  &A::SetReference)
            .Default(TiPlotReferenceType::iprtDataView)
            .Enum(QStringLiteral("ReferencePositionX"), ZQ9_ELEMENTS_REFERENCE_INDIVIDUAL, &A::ReferencePositionX,
                  &A::SetReferencePositionX)
            .Default(TiPlotReferenceIndividual::ipriAuto)
            .Enum(QStringLiteral("ReferencePositionY"), ZQ9_ELEMENTS_REFERENCE_INDIVIDUAL, &A::ReferencePositionY,
                  &A::SetReferencePositionY)
            .Default(TiPlotReferenceIndividual::ipriAuto)
            .Enum(QStringLiteral("ReferenceSizeX"), ZQ9_ELEMENTS_REFERENCE_INDIVIDUAL, &A::ReferenceSizeX,
                  &A::SetReferenceSizeX)
            .Default(TiPlotReferenceIndividual::ipriAuto)
            .Enum(QStringLiteral("ReferenceSizeY"), ZQ9_ELEMENTS_REFERENCE_INDIVIDUAL, &A::ReferenceSizeY,
                  &A::SetReferenceSizeY)
            .Default(TiPlotReferenceIndividual::ipriAuto)
            .Float(QStringLiteral("X"), &A::X, &A::SetX)
            .Float(QStringLiteral("Y"), &A::Y, &A::SetY)
            .Float(QStringLiteral("X2"), &A::X2, &A::SetX2)
            .Float(QStringLiteral("Y2"), &A::Y2, &A::SetY2)
            .Float(QStringLiteral("Width"), &A::Width, &A::SetWidth)
            .Float(QStringLiteral("Height"), &A::Height, &A::SetHeight)
            .Color(QStringLiteral("PenColor"), &A::PenColor, &A::SetPenColor).Default(clWhite)
            .Enum(QStringLiteral("PenStyle"), ZQ9_ELEMENTS_PEN_STYLE, &A::PenStyle, &A::SetPenStyle)
            .Default(TPenStyle::psSolid)
            .Integer(QStringLiteral("PenWidth"), &A::PenWidth, &A::SetPenWidth).Default(1)
            .Color(QStringLiteral("BrushColor"), &A::BrushColor, &A::SetBrushColor).Default(clWhite)
            .Enum(QStringLiteral("BrushStyle"), ZQ9_ELEMENTS_BRUSH_STYLE, &A::BrushStyle, &A::SetBrushStyle)
            .Default(TBrushStyle::bsSolid)
            .String(QStringLiteral("Text"), &A::Text, &A::SetText)
            .Enum(QStringLiteral("TextRotation"), { "ira000", "ira090", "ira180", "ira270" }, &A::TextRotation,
                  &A::SetTextRotation)
            .Default(TiRotationAngle::ira000)
            .Enum(QStringLiteral("TextHorzAlignment"), ZQ9_ELEMENTS_ALIGNMENT, &A::TextHorzAlignment,
                  &A::SetTextHorzAlignment)
            .Default(TiAlignmentHorizontal::iahCenter)
            .Enum(QStringLiteral("TextVertAlignment"), { "iavCenter", "iavTop", "iavBottom" }, &A::TextVertAlignment,
                  &A::SetTextVertAlignment)
            .Default(TiAlignmentVertical::iavCenter)
            .Enum(QStringLiteral("TextLineAlignment"), ZQ9_ELEMENTS_ALIGNMENT, &A::TextLineAlignment,
                  &A::SetTextLineAlignment)
            .Default(TiAlignmentHorizontal::iahCenter)
            .Float(QStringLiteral("TextHorzMargin"), &A::TextHorzMargin, &A::SetTextHorzMargin)
            .Float(QStringLiteral("TextVertMargin"), &A::TextVertMargin, &A::SetTextVertMargin)
            .Object(QStringLiteral("Font"), &A::Font)
            .Integer(QStringLiteral("OuterMargin"), &A::OuterMargin, &A::SetOuterMargin).Default(0)
            .Integer(QStringLiteral("ImageListIndex"), &A::ImageListIndex, &A::SetImageListIndex).Default(0)
            .Integer(QStringLiteral("ImageIndex"), &A::ImageIndex, &A::SetImageIndex).Default(0)
            .String(QStringLiteral("ChannelName"), &A::ChannelName, &A::SetChannelName)
            .Boolean(QStringLiteral("UserCanMove"), &A::UserCanMove, &A::SetUserCanMove).Default(false)
            .Boolean(QStringLiteral("UserCanSize"), &A::UserCanSize, &A::SetUserCanSize).Default(false)
            .Boolean(QStringLiteral("SelectModeOnlyInteraction"), &A::SelectModeOnlyInteraction,
                     &A::SetSelectModeOnlyInteraction)
            .Default(true)
            .Boolean(QStringLiteral("ClipToAxes"), &A::ClipToAxes, &A::SetClipToAxes).Default(false)
            .Boolean(QStringLiteral("ShowFocusRect"), &A::ShowFocusRect, &A::SetShowFocusRect).Default(true)
            .Build();
    return &table;
}
