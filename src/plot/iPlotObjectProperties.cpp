// The published properties of the plot objects, in declaration order: what property lists and form
// streams save and load.

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlotTable.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/PublishedProperties.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

using namespace vcl;

#define ZQ9_ELEMENTS_ALIGNMENT { "iahCenter", "iahLeft", "iahRight" }
#define ZQ9_ELEMENTS_GRID_LINE_STYLE { "ipglsSolid", "ipglsDash", "ipglsDot" }
#define ZQ9_ELEMENTS_AXES_CONTROL { "ipacsXAxis", "ipacsYAxis", "ipacsBoth", "ipacsNone" }
#define ZQ9_ELEMENTS_REFERENCE_INDIVIDUAL { "ipriDataView", "ipriChannel", "ipriAuto" }

const TPropertyTable* TiPlotObject::PublishedProperties() const
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TiPlotObject>(QStringLiteral("TiPlotObject"), TPersistent::PublishedProperties())
            .String(QStringLiteral("Name"), &TiPlotObject::Name, &TiPlotObject::SetName)
            .Boolean(QStringLiteral("Visible"), &TiPlotObject::Visible, &TiPlotObject::SetVisible).Default(true)
            .Boolean(QStringLiteral("Enabled"), &TiPlotObject::Enabled, &TiPlotObject::SetEnabled).Default(true)
            .Integer(QStringLiteral("Layer"), &TiPlotObject::Layer, &TiPlotObject::SetLayer).Default(100)
            .Boolean(QStringLiteral("PopupEnabled"), &TiPlotObject::PopupEnabled, &TiPlotObject::SetPopupEnabled)
            .Default(true)
            .Boolean(QStringLiteral("CanFocus"), &TiPlotObject::CanFocus, &TiPlotObject::SetCanFocus).Default(true)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotLayoutObject::PublishedProperties() const
{
    static const TPropertyTable table =
        TPropertyTableBuilder<TiPlotLayoutObject>(QStringLiteral("TiPlotLayoutObject"),
                                                  TiPlotObject::PublishedProperties())
            .Boolean(QStringLiteral("Horizontal"), &TiPlotLayoutObject::Horizontal, &TiPlotLayoutObject::SetHorizontal)
            .Integer(QStringLiteral("ZOrder"), &TiPlotLayoutObject::ZOrder, &TiPlotLayoutObject::SetZOrder)
            .Float(QStringLiteral("StartPercent"), &TiPlotLayoutObject::StartPercent,
                   &TiPlotLayoutObject::SetStartPercent)
            .Float(QStringLiteral("StopPercent"), &TiPlotLayoutObject::StopPercent, &TiPlotLayoutObject::SetStopPercent)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotAxis::PublishedProperties() const
{
    using A = TiPlotAxis;
    static const TPropertyTable table =
        TPropertyTableBuilder<TiPlotAxis>(QStringLiteral("TiPlotAxis"), TiPlotLayoutObject::PublishedProperties())
            .Boolean(QStringLiteral("ForceStacking"), &TiPlotAxis::ForceStacking, &TiPlotAxis::SetForceStacking)
            .Default(false)
            .Float(QStringLiteral("Min"), &TiPlotAxis::Min, &TiPlotAxis::SetMin)
            .Float(QStringLiteral("Span"), &TiPlotAxis::Span, &TiPlotAxis::SetSpan)
            .Boolean(QStringLiteral("ReverseScale"), &TiPlotAxis::ReverseScale, &TiPlotAxis::SetReverseScale)
            .Default(false)
            .Boolean(QStringLiteral("LabelsVisible"), &TiPlotAxis::LabelsVisible, &TiPlotAxis::SetLabelsVisible)
            .Default(true)
            .Object(QStringLiteral("LabelsFont"), &TiPlotAxis::LabelsFont)
            .String(QStringLiteral("Title"), &TiPlotAxis::Title, &TiPlotAxis::SetTitle)
            .Boolean(QStringLiteral("TitleShow"), &TiPlotAxis::TitleShow, &TiPlotAxis::SetTitleShow).Default(false)
            .Object(QStringLiteral("TitleFont"), &TiPlotAxis::TitleFont)
            .Color(QStringLiteral("ScaleLinesColor"), &TiPlotAxis::ScaleLinesColor, &TiPlotAxis::SetScaleLinesColor)
            .Default(clWhite)
            .Boolean(QStringLiteral("GridLinesVisible"), &TiPlotAxis::GridLinesVisible,
                     &TiPlotAxis::SetGridLinesVisible)
            .Default(true)
            .Boolean(QStringLiteral("TrackingEnabled"), &TiPlotAxis::TrackingEnabled, &TiPlotAxis::SetTrackingEnabled)
            .Default(true)
            .Float(QStringLiteral("DesiredStart"), &TiPlotAxis::DesiredStart, &TiPlotAxis::SetDesiredStart)
            .Default(0.0)
            .Float(QStringLiteral("DesiredIncrement"), &TiPlotAxis::DesiredIncrement, &TiPlotAxis::SetDesiredIncrement)
            .Default(0.0)
            .Enum(QStringLiteral("ScaleType"), { "ipstLinear", "ipstLog10" }, &TiPlotAxis::ScaleType,
                  &TiPlotAxis::SetScaleType)
            .Default(TiPlotScaleType::ipstLinear)
            .Integer(QStringLiteral("MinorCount"), &TiPlotAxis::MinorCount, &TiPlotAxis::SetMinorCount).Default(1)
            .Integer(QStringLiteral("MajorLength"), &TiPlotAxis::MajorLength, &TiPlotAxis::SetMajorLength).Default(7)
            .Integer(QStringLiteral("MinorLength"), &TiPlotAxis::MinorLength, &TiPlotAxis::SetMinorLength).Default(3)
            .Float(QStringLiteral("StackingEndsMargin"), &TiPlotAxis::StackingEndsMargin,
                   &TiPlotAxis::SetStackingEndsMargin)
            .Default(0.5)
            .Float(QStringLiteral("LabelSeparation"), &TiPlotAxis::LabelSeparation, &TiPlotAxis::SetLabelSeparation)
            .Default(0.0) // a floating-point value of 0 is left out; the defined property carries it
            .Enum(QStringLiteral("LabelsRotation"), { "ira000", "ira090", "ira180", "ira270" },
                  &TiPlotAxis::LabelsRotation, &TiPlotAxis::SetLabelsRotation)
            .Default(TiRotationAngle::ira000)
            .Integer(QStringLiteral("LabelsPrecision"), &TiPlotAxis::LabelsPrecision, &TiPlotAxis::SetLabelsPrecision)
            .Default(3)
            .Enum(QStringLiteral("LabelsPrecisionStyle"), { "ipsSignificantDigits", "ipsFixedDecimalPoints" },
                  &TiPlotAxis::LabelsPrecisionStyle, &TiPlotAxis::SetLabelsPrecisionStyle)
            .Default(TiPrecisionStyle::ipsSignificantDigits)
            .Enum(QStringLiteral("LabelsFormatStyle"),
                  { "iptfValue", "iptfExponent", "iptfPrefix", "iptfDateTime", "iptfPrice32nds", "iptfThousands" },
                  &TiPlotAxis::LabelsFormatStyle, &TiPlotAxis::SetLabelsFormatStyle)
            .Default(TiPlotTextFormat::iptfValue)
            .String(QStringLiteral("DateTimeFormat"), &TiPlotAxis::DateTimeFormat, &TiPlotAxis::SetDateTimeFormat)
            .Float(QStringLiteral("LabelsMinLength"), &TiPlotAxis::LabelsMinLength, &TiPlotAxis::SetLabelsMinLength)
            .Default(5.0)
            .Boolean(QStringLiteral("LabelsMinLengthAutoAdjust"), &TiPlotAxis::LabelsMinLengthAutoAdjust,
                     &TiPlotAxis::SetLabelsMinLengthAutoAdjust)
            .Default(false)
            .Boolean(QStringLiteral("CursorUseDefaultFormat"), &TiPlotAxis::CursorUseDefaultFormat,
                     &TiPlotAxis::SetCursorUseDefaultFormat)
            .Default(true)
            .Boolean(QStringLiteral("LegendUseDefaultFormat"), &TiPlotAxis::LegendUseDefaultFormat,
                     &TiPlotAxis::SetLegendUseDefaultFormat)
            .Default(true)
            .Enum(QStringLiteral("CursorFormatStyle"),
                  { "iptfValue", "iptfExponent", "iptfPrefix", "iptfDateTime", "iptfPrice32nds", "iptfThousands" },
                  &TiPlotAxis::CursorFormatStyle, &TiPlotAxis::SetCursorFormatStyle)
            .Default(TiPlotTextFormat::iptfValue)
            .String(QStringLiteral("CursorDateTimeFormat"), &TiPlotAxis::CursorDateTimeFormat, &TiPlotAxis::SetCursorDateTimeFormat)
            .Default(QStringLiteral("hh:nn:ss"))
            .Enum(QStringLiteral("CursorPrecisionStyle"), { "ipsSignificantDigits", "ipsFixedDecimalPoints" },
                  &TiPlotAxis::CursorPrecisionStyle, &TiPlotAxis::SetCursorPrecisionStyle)
            .Default(TiPrecisionStyle::ipsSignificantDigits)
            .Integer(QStringLiteral("CursorPrecision"), &TiPlotAxis::CursorPrecision, &TiPlotAxis::SetCursorPrecision).Default(3)
            .Float(QStringLiteral("CursorMinLength"), &TiPlotAxis::CursorMinLength, &TiPlotAxis::SetCursorMinLength).Default(5.0)
            .Boolean(QStringLiteral("CursorMinLengthAutoAdjust"), &TiPlotAxis::CursorMinLengthAutoAdjust,
                     &TiPlotAxis::SetCursorMinLengthAutoAdjust)
            .Default(false)
            .Enum(QStringLiteral("LegendFormatStyle"),
                  { "iptfValue", "iptfExponent", "iptfPrefix", "iptfDateTime", "iptfPrice32nds", "iptfThousands" },
                  &TiPlotAxis::LegendFormatStyle, &TiPlotAxis::SetLegendFormatStyle)
            .Default(TiPlotTextFormat::iptfValue)
            .String(QStringLiteral("LegendDateTimeFormat"), &TiPlotAxis::LegendDateTimeFormat, &TiPlotAxis::SetLegendDateTimeFormat)
            .Default(QStringLiteral("hh:nn:ss"))
            .Enum(QStringLiteral("LegendPrecisionStyle"), { "ipsSignificantDigits", "ipsFixedDecimalPoints" },
                  &TiPlotAxis::LegendPrecisionStyle, &TiPlotAxis::SetLegendPrecisionStyle)
            .Default(TiPrecisionStyle::ipsSignificantDigits)
            .Integer(QStringLiteral("LegendPrecision"), &TiPlotAxis::LegendPrecision, &TiPlotAxis::SetLegendPrecision).Default(3)
            .Float(QStringLiteral("LegendMinLength"), &TiPlotAxis::LegendMinLength, &TiPlotAxis::SetLegendMinLength).Default(5.0)
            .Boolean(QStringLiteral("LegendMinLengthAutoAdjust"), &TiPlotAxis::LegendMinLengthAutoAdjust,
                     &TiPlotAxis::SetLegendMinLengthAutoAdjust)
            .Default(false)
            .Integer(QStringLiteral("InnerMargin"), &TiPlotAxis::InnerMargin, &TiPlotAxis::SetInnerMargin).Default(5)
            .Integer(QStringLiteral("OuterMargin"), &TiPlotAxis::OuterMargin, &TiPlotAxis::SetOuterMargin).Default(5)
            .Float(QStringLiteral("LabelsMargin"), &TiPlotAxis::LabelsMargin, &TiPlotAxis::SetLabelsMargin)
            .Default(0.25)
            .Float(QStringLiteral("TitleMargin"), &TiPlotAxis::TitleMargin, &TiPlotAxis::SetTitleMargin)
            .Default(0.0) // as LabelSeparation
            .Boolean(QStringLiteral("TitleRotated"), &TiPlotAxis::TitleRotated, &TiPlotAxis::SetTitleRotated)
            .Default(false)
            .Boolean(QStringLiteral("ScaleLinesShow"), &TiPlotAxis::ScaleLinesShow, &TiPlotAxis::SetScaleLinesShow)
            .Default(true)
            .Boolean(QStringLiteral("ScaleLineShow"), &A::ScaleLineShow, &A::SetScaleLineShow).Default(true)
            .Enum(QStringLiteral("TrackingStyle"),
                  { "iptsScaleMinMax", "iptsScaleMax", "iptsScaleMin", "iptsScrollSmooth", "iptsScrollPage",
                    "iptsExpandCollapse", "iptsExpandCollapseFast", "iptsExpandMinMax" },
                  &A::TrackingStyle, &A::SetTrackingStyle)
            .Enum(QStringLiteral("TrackingIncrementStyle"), { "iptisMinimum", "iptisMajor", "iptisMinor" },
                  &A::TrackingIncrementStyle, &A::SetTrackingIncrementStyle)
            .Default(TiPlotTrackingIncrementStyle::iptisMinimum)
            .Float(QStringLiteral("TrackingScrollCompressMax"), &A::TrackingScrollCompressMax,
                   &A::SetTrackingScrollCompressMax)
            .Default(0.0)
            .Float(QStringLiteral("TrackingSpanMinimum"), &A::TrackingSpanMinimum, &A::SetTrackingSpanMinimum).Default(0.0)
            .Float(QStringLiteral("TrackingMaxMargin"), &A::TrackingMaxMargin, &A::SetTrackingMaxMargin).Default(0.0)
            .Float(QStringLiteral("TrackingMinMargin"), &A::TrackingMinMargin, &A::SetTrackingMinMargin).Default(0.0)
            .Enum(QStringLiteral("TrackingAlignFirstStyle"), { "ipafsNone", "ipafsMin", "ipafsMax", "ipafsAuto" },
                  &A::TrackingAlignFirstStyle, &A::SetTrackingAlignFirstStyle)
            .Boolean(QStringLiteral("RestoreValuesOnResume"), &A::RestoreValuesOnResume, &A::SetRestoreValuesOnResume)
            .Default(true)
            .Float(QStringLiteral("ScrollMin"), &A::ScrollMin, &A::SetScrollMin).Default(0.0)
            .Float(QStringLiteral("ScrollMax"), &A::ScrollMax, &A::SetScrollMax).Default(100.0)
            .Boolean(QStringLiteral("ScrollMinMaxEnabled"), &A::ScrollMinMaxEnabled, &A::SetScrollMinMaxEnabled)
            .Default(false)
            .Boolean(QStringLiteral("MasterUIInput"), &A::MasterUIInput, &A::SetMasterUIInput).Default(false)
            .Enum(QStringLiteral("CartesianStyle"), { "ipcsNone", "ipcsMaster", "ipcsChild" }, &A::CartesianStyle,
                  &A::SetCartesianStyle)
            .Default(TiPlotCartesianStyle::ipcsNone)
            .Float(QStringLiteral("CartesianChildRefValue"), &A::CartesianChildRefValue, &A::SetCartesianChildRefValue)
            .Default(0.0)
            .String(QStringLiteral("CartesianChildRefAxisName"), &A::CartesianChildRefAxisName,
                    &A::SetCartesianChildRefAxisName)
            .String(QStringLiteral("AlignRefAxisName"), &A::AlignRefAxisName, &A::SetAlignRefAxisName)
            .Float(QStringLiteral("CursorScaler"), &A::CursorScaler, &A::SetCursorScaler).Default(1.0)
            .Build();
    return &table;
}

void TiPlotAxis::DefineProperties(TFiler& Filer)
{
    TiPlotLayoutObject::DefineProperties(Filer);
    const auto readSpan = [this](TReader& Reader) { FSpan = Reader.ReadFloat(); };
    Filer.DefineProperty(QStringLiteral("Span_2"), readSpan, nullptr, false);
    Filer.DefineProperty(QStringLiteral("Span"), readSpan, nullptr, false);
    Filer.DefineProperty(
        QStringLiteral("LabelSeparation"), [this](TReader& Reader) { FLabelSeparation = Reader.ReadFloat(); },
        [this](TWriter& Writer) { Writer.WriteFloat(FLabelSeparation); }, FLabelSeparation == 0.0);
    Filer.DefineProperty(
        QStringLiteral("TitleMargin"), [this](TReader& Reader) { FTitleMargin = Reader.ReadFloat(); },
        [this](TWriter& Writer) { Writer.WriteFloat(FTitleMargin); }, FTitleMargin == 0.0);
}

const TPropertyTable* TiPlotChannelCustom::PublishedProperties() const
{
    using Ch = TiPlotChannelCustom;
    static const TPropertyTable table =
        TPropertyTableBuilder<TiPlotChannelCustom>(QStringLiteral("TiPlotChannelCustom"),
                                                   TiPlotObject::PublishedProperties())
            .String(QStringLiteral("TitleText"), &TiPlotChannelCustom::TitleText, &TiPlotChannelCustom::SetTitleText)
            .Boolean(QStringLiteral("VisibleInLegend"), &TiPlotChannelCustom::VisibleInLegend,
                     &TiPlotChannelCustom::SetVisibleInLegend)
            .Default(true)
            .Boolean(QStringLiteral("TraceVisible"), &TiPlotChannelCustom::TraceVisible,
                     &TiPlotChannelCustom::SetTraceVisible)
            .Default(true)
            .Color(QStringLiteral("Color"), &TiPlotChannelCustom::Color, &TiPlotChannelCustom::SetColor).Default(255)
            .Enum(QStringLiteral("TraceLineStyle"), { "iplsSolid", "iplsDash", "iplsDot", "iplsDashDot", "iplsDashDotDot" },
                  &TiPlotChannelCustom::TraceLineStyle, &TiPlotChannelCustom::SetTraceLineStyle)
            .Default(TiPlotLineStyle::iplsSolid)
            .Integer(QStringLiteral("TraceLineWidth"), &TiPlotChannelCustom::TraceLineWidth,
                     &TiPlotChannelCustom::SetTraceLineWidth)
            .Default(1)
            .String(QStringLiteral("XAxisName"), &TiPlotChannelCustom::XAxisName, &TiPlotChannelCustom::SetXAxisName)
            .String(QStringLiteral("YAxisName"), &TiPlotChannelCustom::YAxisName, &TiPlotChannelCustom::SetYAxisName)
            .Boolean(QStringLiteral("UserCanMoveDataPoints"), &Ch::UserCanMoveDataPoints, &Ch::SetUserCanMoveDataPoints)
            .Default(false)
            .Enum(QStringLiteral("UserCanMoveDataPointsStyle"), { "ipcdpmsXandY", "ipcdpmsXOnly", "ipcdpmsYOnly" },
                  &Ch::UserCanMoveDataPointsStyle, &Ch::SetUserCanMoveDataPointsStyle)
            .Default(TiPlotChannelDataPointMoveStyle::ipcdpmsXandY)
            .Integer(QStringLiteral("RingBufferSize"), &Ch::RingBufferSize, &Ch::SetRingBufferSize).Default(0)
            .Boolean(QStringLiteral("XAxisTrackingEnabled"), &Ch::XAxisTrackingEnabled, &Ch::SetXAxisTrackingEnabled)
            .Default(true)
            .Boolean(QStringLiteral("YAxisTrackingEnabled"), &Ch::YAxisTrackingEnabled, &Ch::SetYAxisTrackingEnabled)
            .Default(true)
            .Enum(QStringLiteral("DataStyle"), { "ipdsStandard", "ipdsCompact", "ipdsCompactInterval", "ipdsFullFeature" },
                  &Ch::DataStyle, &Ch::SetDataStyle)
            .Default(TiPlotDataStyle::ipdsStandard)
            .Boolean(QStringLiteral("MarkersVisible"), &Ch::MarkersVisible, &Ch::SetMarkersVisible)
            .Boolean(QStringLiteral("MarkersAllowIndividual"), &Ch::MarkersAllowIndividual, &Ch::SetMarkersAllowIndividual)
            .Default(false)
            .Integer(QStringLiteral("MarkersSize"), &Ch::MarkersSize, &Ch::SetMarkersSize)
            .Enum(QStringLiteral("MarkersStyle"),
                  { "ipmsCircle", "ipmsSquare", "ipmsDiamond", "ipmsCross", "ipmsPlus", "ipmsTriangleUp",
                    "ipmsTriangleDown", "ipmsTriangleLeft", "ipmsTriangleRight", "ipmsVerticalLine",
                    "ipmsHorizontalLine", "ipmsCharacter" },
                  &Ch::MarkersStyle, &Ch::SetMarkersStyle)
            .Color(QStringLiteral("MarkersPenColor"), &Ch::MarkersPenColor, &Ch::SetMarkersPenColor)
            .Boolean(QStringLiteral("MarkersPenUseChannelColor"), &Ch::MarkersPenUseChannelColor,
                     &Ch::SetMarkersPenUseChannelColor)
            .Default(true)
            .Enum(QStringLiteral("MarkersPenStyle"),
                  { "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame" },
                  &Ch::MarkersPenStyle, &Ch::SetMarkersPenStyle)
            .Integer(QStringLiteral("MarkersPenWidth"), &Ch::MarkersPenWidth, &Ch::SetMarkersPenWidth)
            .Color(QStringLiteral("MarkersBrushColor"), &Ch::MarkersBrushColor, &Ch::SetMarkersBrushColor)
            .Boolean(QStringLiteral("MarkersBrushUseChannelColor"), &Ch::MarkersBrushUseChannelColor,
                     &Ch::SetMarkersBrushUseChannelColor)
            .Default(true)
            .Enum(QStringLiteral("MarkersBrushStyle"),
                  { "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
                    "bsDiagCross" },
                  &Ch::MarkersBrushStyle, &Ch::SetMarkersBrushStyle)
            .Integer(QStringLiteral("MarkersTurnOffLimit"), &Ch::MarkersTurnOffLimit, &Ch::SetMarkersTurnOffLimit)
            .Default(0)
            .Object(QStringLiteral("MarkersFont"), &Ch::MarkersFont)
            .String(QStringLiteral("LogFileName"), &Ch::LogFileName, &Ch::SetLogFileName)
            .Integer(QStringLiteral("LogBufferSize"), &Ch::LogBufferSize, &Ch::SetLogBufferSize).Default(0)
            .Build();
    return &table;
}

const TPropertyTable* TiPlotDataView::PublishedProperties() const
{
    using D = TiPlotDataView;
    static const TPropertyTable table =
        TPropertyTableBuilder<TiPlotDataView>(QStringLiteral("TiPlotDataView"),
                                              TiPlotLayoutObject::PublishedProperties())
            .String(QStringLiteral("Title"), &D::Title, &D::SetTitle)
            .Boolean(QStringLiteral("BackgroundTransparent"), &D::BackgroundTransparent, &D::SetBackgroundTransparent)
            .Default(true)
            .Color(QStringLiteral("BackgroundColor"), &D::BackgroundColor, &D::SetBackgroundColor).Default(TColor(0x808000))
            .Boolean(QStringLiteral("GridShow"), &TiPlotDataView::GridShow, &TiPlotDataView::SetGridShow).Default(true)
            .Boolean(QStringLiteral("AxesControlEnabled"), &D::AxesControlEnabled, &D::SetAxesControlEnabled).Default(false)
            .Enum(QStringLiteral("AxesControlWheelStyle"), ZQ9_ELEMENTS_AXES_CONTROL, &D::AxesControlWheelStyle,
                  &D::SetAxesControlWheelStyle)
            .Default(TiPlotAxesControlStyle::ipacsXAxis)
            .Enum(QStringLiteral("AxesControlMouseStyle"), ZQ9_ELEMENTS_AXES_CONTROL, &D::AxesControlMouseStyle,
                  &D::SetAxesControlMouseStyle)
            .Default(TiPlotAxesControlStyle::ipacsBoth)
            .String(QStringLiteral("GridYAxisName"), &TiPlotDataView::GridYAxisName, &TiPlotDataView::SetGridYAxisName)
            .String(QStringLiteral("GridXAxisName"), &TiPlotDataView::GridXAxisName, &TiPlotDataView::SetGridXAxisName)
            .Color(QStringLiteral("GridLineColor"), &D::GridLineColor, &D::SetGridLineColor).Default(TColor(0x008000))
            .Boolean(QStringLiteral("GridLineShowLeft"), &D::GridLineShowLeft, &D::SetGridLineShowLeft).Default(true)
            .Boolean(QStringLiteral("GridLineShowTop"), &D::GridLineShowTop, &D::SetGridLineShowTop).Default(true)
            .Boolean(QStringLiteral("GridLineShowRight"), &D::GridLineShowRight, &D::SetGridLineShowRight).Default(true)
            .Boolean(QStringLiteral("GridLineShowBottom"), &D::GridLineShowBottom, &D::SetGridLineShowBottom).Default(true)
            .Boolean(QStringLiteral("GridLineShowXMajors"), &D::GridLineShowXMajors, &D::SetGridLineShowXMajors).Default(true)
            .Boolean(QStringLiteral("GridLineShowXMinors"), &D::GridLineShowXMinors, &D::SetGridLineShowXMinors).Default(false)
            .Boolean(QStringLiteral("GridLineShowYMajors"), &D::GridLineShowYMajors, &D::SetGridLineShowYMajors).Default(true)
            .Boolean(QStringLiteral("GridLineShowYMinors"), &D::GridLineShowYMinors, &D::SetGridLineShowYMinors).Default(false)
            .Enum(QStringLiteral("GridLineMajorStyle"), ZQ9_ELEMENTS_GRID_LINE_STYLE, &D::GridLineMajorStyle,
                  &D::SetGridLineMajorStyle)
            .Default(TiPlotGridLineStyle::ipglsSolid)
            .Enum(QStringLiteral("GridLineMinorStyle"), ZQ9_ELEMENTS_GRID_LINE_STYLE, &D::GridLineMinorStyle,
                  &D::SetGridLineMinorStyle)
            .Default(TiPlotGridLineStyle::ipglsSolid)
            .Boolean(QStringLiteral("GridLineXMajorCustom"), &D::GridLineXMajorCustom, &D::SetGridLineXMajorCustom).Default(false)
            .Color(QStringLiteral("GridLineXMajorColor"), &D::GridLineXMajorColor, &D::SetGridLineXMajorColor).Default(TColor(0x008000))
            .Integer(QStringLiteral("GridLineXMajorWidth"), &D::GridLineXMajorWidth, &D::SetGridLineXMajorWidth).Default(0)
            .Enum(QStringLiteral("GridLineXMajorStyle"), ZQ9_ELEMENTS_GRID_LINE_STYLE, &D::GridLineXMajorStyle, &D::SetGridLineXMajorStyle)
            .Default(TiPlotGridLineStyle::ipglsSolid)
            .Boolean(QStringLiteral("GridLineXMinorCustom"), &D::GridLineXMinorCustom, &D::SetGridLineXMinorCustom).Default(false)
            .Color(QStringLiteral("GridLineXMinorColor"), &D::GridLineXMinorColor, &D::SetGridLineXMinorColor).Default(TColor(0x008000))
            .Integer(QStringLiteral("GridLineXMinorWidth"), &D::GridLineXMinorWidth, &D::SetGridLineXMinorWidth).Default(0)
            .Enum(QStringLiteral("GridLineXMinorStyle"), ZQ9_ELEMENTS_GRID_LINE_STYLE, &D::GridLineXMinorStyle, &D::SetGridLineXMinorStyle)
            .Default(TiPlotGridLineStyle::ipglsSolid)
            .Boolean(QStringLiteral("GridLineYMajorCustom"), &D::GridLineYMajorCustom, &D::SetGridLineYMajorCustom).Default(false)
            .Color(QStringLiteral("GridLineYMajorColor"), &D::GridLineYMajorColor, &D::SetGridLineYMajorColor).Default(TColor(0x008000))
            .Integer(QStringLiteral("GridLineYMajorWidth"), &D::GridLineYMajorWidth, &D::SetGridLineYMajorWidth).Default(0)
            .Enum(QStringLiteral("GridLineYMajorStyle"), ZQ9_ELEMENTS_GRID_LINE_STYLE, &D::GridLineYMajorStyle, &D::SetGridLineYMajorStyle)
            .Default(TiPlotGridLineStyle::ipglsSolid)
            .Boolean(QStringLiteral("GridLineYMinorCustom"), &D::GridLineYMinorCustom, &D::SetGridLineYMinorCustom).Default(false)
            .Color(QStringLiteral("GridLineYMinorColor"), &D::GridLineYMinorColor, &D::SetGridLineYMinorColor).Default(TColor(0x008000))
            .Integer(QStringLiteral("GridLineYMinorWidth"), &D::GridLineYMinorWidth, &D::SetGridLineYMinorWidth).Default(0)
            .Enum(QStringLiteral("GridLineYMinorStyle"), ZQ9_ELEMENTS_GRID_LINE_STYLE, &D::GridLineYMinorStyle, &D::SetGridLineYMinorStyle)
            .Default(TiPlotGridLineStyle::ipglsSolid)
            .Boolean(QStringLiteral("AxesControlAllowInSelectMode"), &D::AxesControlAllowInSelectMode,
                     &D::SetAxesControlAllowInSelectMode)
            .Default(false)
            .Build();
    return &table;
}
