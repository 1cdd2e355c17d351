// The Channels page: the selected channel; the strip-chart tabs and controls show only for
// strip-chart channels.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

namespace {

constexpr int kStrip = TiEditorFlag::StripOnly;
const TiEditorDateTimePage kInterval = TiEditorDateTimePage::Interval;

TiEditorTabSpec GeneralTab()
{
    return { QStringLiteral("General"),
             { Text(QStringLiteral("Name")),
               Text(QStringLiteral("TitleText"), QStringLiteral("Title")),
               Check(QStringLiteral("Visible")),
               Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
               Check(QStringLiteral("VisibleInLegend"), QStringLiteral("Visible In Legend")),
               Check(QStringLiteral("UserCanMoveDataPoints"), QStringLiteral("User Can Move Points")),
               List(QStringLiteral("UserCanMoveDataPointsStyle"), items::DataPointsMoveStyle,
                    QStringLiteral("Move Style")),
               Integer(QStringLiteral("Layer"), QString(), NoLimit),
               Integer(QStringLiteral("RingBufferSize"), QStringLiteral("Ring Buffer Size")),
               Color(QStringLiteral("Color")),
               NameList(QStringLiteral("XAxisName"), TiEditorNames::XAxes, QStringLiteral("X-Axis")),
               NameList(QStringLiteral("YAxisName"), TiEditorNames::YAxes, QStringLiteral("Y-Axis")),
               Check(QStringLiteral("XAxisTrackingEnabled"), QStringLiteral("X-Axis Tracking")),
               Check(QStringLiteral("YAxisTrackingEnabled"), QStringLiteral("Y-Axis Tracking")),
               List(QStringLiteral("DataStyle"), items::DataStyle, QStringLiteral("Data Style")),
               Flagged(Check(QStringLiteral("FastDrawEnabled"), QStringLiteral("Fast Draw")), kStrip),
               Flagged(Check(QStringLiteral("ClipToAxes"), QStringLiteral("Clip To Axes")),
                       TiEditorFlag::StripValueOnly) } };
}

TiEditorTabSpec MarkerTab()
{
    return { QStringLiteral("Marker"),
             { Check(QStringLiteral("MarkersVisible"), QStringLiteral("Visible")),
               Check(QStringLiteral("MarkersAllowIndividual"), QStringLiteral("Allow Individual")),
               List(QStringLiteral("MarkersStyle"), items::MarkersStyle, QStringLiteral("Style")),
               Integer(QStringLiteral("MarkersSize"), QStringLiteral("Size"), Upto100),
               Integer(QStringLiteral("MarkersTurnOffLimit"), QStringLiteral("Turn Off Limit"),
                       TiEditorUpDown { 0, 20000, 100 }),
               Font(QStringLiteral("MarkersFont"), QStringLiteral("Font")),
               Group(QStringLiteral("Pen"),
                     { Color(QStringLiteral("MarkersPenColor"), QStringLiteral("Color")),
                       Check(QStringLiteral("MarkersPenUseChannelColor"), QStringLiteral("Use Channel Color")),
                       List(QStringLiteral("MarkersPenStyle"), items::MarkerPenStyles, QStringLiteral("Style")),
                       Integer(QStringLiteral("MarkersPenWidth"), QStringLiteral("Width"), Upto100) }),
               Group(QStringLiteral("Brush"),
                     { Color(QStringLiteral("MarkersBrushColor"), QStringLiteral("Color")),
                       Check(QStringLiteral("MarkersBrushUseChannelColor"), QStringLiteral("Use Channel Color")),
                       List(QStringLiteral("MarkersBrushStyle"), items::BrushStyles, QStringLiteral("Style")) }) } };
}

TiEditorTabSpec BarTab()
{
    return { QStringLiteral("Bar"),
             { Check(QStringLiteral("BarEnabled"), QStringLiteral("Enabled")),
               WithDateTime(Number(QStringLiteral("BarWidth"), QStringLiteral("Width")), kInterval),
               Number(QStringLiteral("BarReference"), QStringLiteral("Reference")),
               Group(QStringLiteral("Pen"),
                     { Check(QStringLiteral("BarPenUseChannelColor"), QStringLiteral("Use Channel Color")),
                       List(QStringLiteral("BarPenStyle"), items::MarkerPenStyles, QStringLiteral("Style")),
                       Color(QStringLiteral("BarPenColor"), QStringLiteral("Color")),
                       Integer(QStringLiteral("BarPenWidth"), QStringLiteral("Width"), Upto100) }),
               Group(QStringLiteral("Brush"),
                     { Check(QStringLiteral("BarBrushUseChannelColor"), QStringLiteral("Use Channel Color")),
                       List(QStringLiteral("BarBrushStyle"), items::BrushStyles, QStringLiteral("Style")),
                       Color(QStringLiteral("BarBrushColor"), QStringLiteral("Color")) }) },
             {}, QString(), true, kStrip };
}

TiEditorTabSpec HighLowTab()
{
    TiEditorTabSpec openClose { QStringLiteral("Open/Close"),
                                { Group(QStringLiteral("Bar"),
                                        { Color(QStringLiteral("HighLowBarColor"), QStringLiteral("Color")),
                                          WithDateTime(Number(QStringLiteral("HighLowBarWidth"), QStringLiteral("Width")),
                                                       kInterval) }),
                                  Group(QStringLiteral("Open"),
                                        { Check(QStringLiteral("HighLowOpenShow"), QStringLiteral("Show")),
                                          Color(QStringLiteral("HighLowOpenColor"), QStringLiteral("Color")),
                                          WithDateTime(Number(QStringLiteral("HighLowOpenWidth"), QStringLiteral("Width")),
                                                       kInterval),
                                          WithDateTime(Number(QStringLiteral("HighLowOpenHeight"),
                                                              QStringLiteral("Height")),
                                                       kInterval) }),
                                  Group(QStringLiteral("Close"),
                                        { Check(QStringLiteral("HighLowCloseShow"), QStringLiteral("Show")),
                                          Color(QStringLiteral("HighLowCloseColor"), QStringLiteral("Color")),
                                          WithDateTime(Number(QStringLiteral("HighLowCloseWidth"),
                                                              QStringLiteral("Width")),
                                                       kInterval),
                                          WithDateTime(Number(QStringLiteral("HighLowCloseHeight"),
                                                              QStringLiteral("Height")),
                                                       kInterval) }) } };
    TiEditorTabSpec candlestick { QStringLiteral("Candlestick"),
                                  { Color(QStringLiteral("HighLowShadowColor"), QStringLiteral("Shadow Color")),
                                    Color(QStringLiteral("HighLowBullishColor"), QStringLiteral("Bullish Color")),
                                    Color(QStringLiteral("HighLowBearishColor"), QStringLiteral("Bearish Color")) } };
    return { QStringLiteral("High/Low"),
             { Check(QStringLiteral("HighLowEnabled"), QStringLiteral("Enabled")),
               List(QStringLiteral("HighLowStyle"), items::HighLowStyle, QStringLiteral("Style")) },
             { openClose, candlestick },
             QStringLiteral("ChannelHighLowPageControl"),
             true,
             kStrip };
}

TiEditorTabSpec FileTab()
{
    return { QStringLiteral("File I/O"),
             { Group(QStringLiteral("Log"),
                     { Named(Text(QStringLiteral("LogFileName"), QStringLiteral("File Name")),
                             QStringLiteral("ChannelLogFileNameEdit")),
                       SavePicker(QStringLiteral("ChannelLogFileNamePicker"), QStringLiteral("...")),
                       Named(Integer(QStringLiteral("LogBufferSize"), QStringLiteral("Buffer Size"),
                                     TiEditorUpDown { 0, 32767, 1 }),
                             QStringLiteral("ChannelLogBufferSizeEdit")),
                       Button(QStringLiteral("ChannelLogActivateButton"), QStringLiteral("Activate")),
                       Button(QStringLiteral("ChannelLogDeactivateButton"), QStringLiteral("Deactivate")) }),
               Group(QStringLiteral("Properties"),
                     { OpenPicker(QStringLiteral("ChannelPropertiesLoadPicker"), QStringLiteral("Load")),
                       SavePicker(QStringLiteral("ChannelPropertiesSavePicker"), QStringLiteral("Save")) }),
               Group(QStringLiteral("Data"),
                     { OpenPicker(QStringLiteral("ChannelDataLoadPicker"), QStringLiteral("Load")),
                       SavePicker(QStringLiteral("ChannelDataSavePicker"), QStringLiteral("Save")) }) } };
}

TiEditorTabSpec StatsTab()
{
    return { QStringLiteral("Stats"),
             { Display(QStringLiteral("ChannelStatsCountLabel"), QStringLiteral("Point Count")),
               Display(QStringLiteral("ChannelStatsCapacityLabel"), QStringLiteral("Point Capacity")),
               Display(QStringLiteral("ChannelStatsMemoryLabel"), QStringLiteral("Memory")),
               Display(QStringLiteral("ChannelStatsDataPointSizeLabel"), QStringLiteral("Data Point Size")),
               Display(QStringLiteral("ChannelStatsMaxDataPointsLabel"), QStringLiteral("Max Data Points")),
               Display(QStringLiteral("ChannelStatsXMinLabel"), QStringLiteral("X Min")),
               Display(QStringLiteral("ChannelStatsXMaxLabel"), QStringLiteral("X Max")),
               Display(QStringLiteral("ChannelStatsXMeanLabel"), QStringLiteral("X Mean")),
               Display(QStringLiteral("ChannelStatsYMinLabel"), QStringLiteral("Y Min")),
               Display(QStringLiteral("ChannelStatsYMaxLabel"), QStringLiteral("Y Max")),
               Display(QStringLiteral("ChannelStatsYMeanLabel"), QStringLiteral("Y Mean")),
               Button(QStringLiteral("ChannelStatsRefreshButton"), QStringLiteral("Refresh")) } };
}

} // namespace

const TiEditorPageSpec& iEditorChannelPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Channels"),
        QStringLiteral("Channel"),
        QStringLiteral("ChannelPageControl"),
        { GeneralTab(),
          { QStringLiteral("Trace"),
            { Check(QStringLiteral("TraceVisible"), QStringLiteral("Visible")),
              List(QStringLiteral("TraceLineStyle"), items::TraceLineStyle, QStringLiteral("Line Style")),
              Integer(QStringLiteral("TraceLineWidth"), QStringLiteral("Line Width"), Upto100),
              Flagged(List(QStringLiteral("InterpolationStyle"), items::InterpolationStyle,
                           QStringLiteral("Interpolation")),
                      kStrip) } },
          MarkerTab(), BarTab(), HighLowTab(),
          { QStringLiteral("Fill"),
            { Check(QStringLiteral("FillEnabled"), QStringLiteral("Enabled")),
              Number(QStringLiteral("FillReference"), QStringLiteral("Reference")),
              List(QStringLiteral("FillStyle"), items::BrushStyles, QStringLiteral("Style")),
              Color(QStringLiteral("FillColor"), QStringLiteral("Color")),
              Check(QStringLiteral("FillUseChannelColor"), QStringLiteral("Use Channel Color")) },
            {}, QString(), true, kStrip },
          { QStringLiteral("Digital"),
            { Check(QStringLiteral("DigitalEnabled"), QStringLiteral("Enabled")),
              Number(QStringLiteral("DigitalReferenceHigh"), QStringLiteral("Reference High")),
              Number(QStringLiteral("DigitalReferenceLow"), QStringLiteral("Reference Low")),
              List(QStringLiteral("DigitalReferenceStyle"), items::DigitalReferenceStyle,
                   QStringLiteral("Reference Style")) },
            {}, QString(), true, kStrip },
          FileTab(), StatsTab() },
        { "Name", "Visible", "PopupEnabled", "Layer", "TitleText", "VisibleInLegend", "UserCanMoveDataPoints",
          "UserCanMoveDataPointsStyle", "RingBufferSize", "Color", "XAxisName", "YAxisName", "XAxisTrackingEnabled",
          "YAxisTrackingEnabled", "DataStyle", "TraceVisible", "TraceLineStyle", "TraceLineWidth", "MarkersVisible",
          "MarkersAllowIndividual", "MarkersSize", "MarkersStyle", "MarkersPenColor", "MarkersPenUseChannelColor",
          "MarkersPenStyle", "MarkersPenWidth", "MarkersBrushColor", "MarkersBrushUseChannelColor",
          "MarkersBrushStyle", "MarkersTurnOffLimit", "LogFileName", "LogBufferSize", "MarkersFont" },
        { "FillEnabled", "FillReference", "FillStyle", "FillColor", "FillUseChannelColor", "BarEnabled", "BarWidth",
          "BarReference", "BarPenUseChannelColor", "BarPenStyle", "BarPenColor", "BarPenWidth",
          "BarBrushUseChannelColor", "BarBrushStyle", "BarBrushColor", "HighLowStyle", "HighLowEnabled",
          "HighLowBarColor", "HighLowBarWidth", "HighLowOpenShow", "HighLowOpenColor", "HighLowOpenWidth",
          "HighLowOpenHeight", "HighLowCloseShow", "HighLowCloseColor", "HighLowCloseWidth", "HighLowCloseHeight",
          "HighLowShadowColor", "HighLowBullishColor", "HighLowBearishColor", "DigitalEnabled",
          "DigitalReferenceHigh", "DigitalReferenceLow", "DigitalReferenceStyle", "FastDrawEnabled", "ClipToAxes",
          "InterpolationStyle" },
    };
    return page;
}
