// The X-Axes and Y-Axes pages: the same controls under the prefixes XAxis and YAxis; they differ
// in a few spinner limits, the name lists and two places of their apply order.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

namespace {

const TiEditorDateTimePage kInterval = TiEditorDateTimePage::Interval;

struct AxisPageTraits
{
    QString Caption;
    QString Prefix;
    TiEditorNames SameKind;
    TiEditorNames OtherKind;
    int LabelsPrecisionMax;
    int CursorPrecisionMax;
    int LegendPrecisionMax;
    bool IsY;
};

TiEditorTabSpec GeneralTab()
{
    return { QStringLiteral("General"),
             { Text(QStringLiteral("Name")),
               Check(QStringLiteral("Visible")),
               Check(QStringLiteral("GridLinesVisible"), QStringLiteral("Grid Lines Visible")),
               Check(QStringLiteral("Enabled")),
               Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
               WithDateTime(Number(QStringLiteral("Min")), TiEditorDateTimePage::DateTime),
               WithDateTime(Number(QStringLiteral("Span")), kInterval),
               WithDateTime(Number(QStringLiteral("DesiredStart"), QStringLiteral("Desired Start")), kInterval),
               WithDateTime(Number(QStringLiteral("DesiredIncrement"), QStringLiteral("Desired Increment")), kInterval),
               Check(QStringLiteral("ReverseScale"), QStringLiteral("Reverse Scale")),
               Check(QStringLiteral("RestoreValuesOnResume"), QStringLiteral("Restore On Resume")),
               Check(QStringLiteral("MasterUIInput"), QStringLiteral("Master UI Input")),
               Radio(QStringLiteral("ScaleType"), items::ScaleType, QStringLiteral("Scale Type")) } };
}

// The Cursor or Legend label tab: their own format, or the default one.
TiEditorTabSpec FormatTab(const QString& Kind, const QString& Prefix, int PrecisionMax)
{
    return { Kind,
             { Check(Kind + QStringLiteral("UseDefaultFormat"), QStringLiteral("Use Default Format")),
               List(Kind + QStringLiteral("FormatStyle"), items::FormatStyles, QStringLiteral("Format Style")),
               EditList(Kind + QStringLiteral("DateTimeFormat"), items::DateTimeFormats,
                        QStringLiteral("Time Format")),
               List(Kind + QStringLiteral("PrecisionStyle"), items::PrecisionStyles, QStringLiteral("Precision Style")),
               Integer(Kind + QStringLiteral("Precision"), QStringLiteral("Precision"),
                       TiEditorUpDown { 0, PrecisionMax, 1 }),
               Number(Kind + QStringLiteral("MinLength"), QStringLiteral("Min Length")),
               Check(Kind + QStringLiteral("MinLengthAutoAdjust"), QStringLiteral("Min Length Auto Adjust")),
               Button(Prefix + Kind + QStringLiteral("CopyDefaultButton"), QStringLiteral("Copy Default")) } };
}

TiEditorTabSpec LabelsTab(const AxisPageTraits& t)
{
    TiEditorTabSpec defaults {
        QStringLiteral("(Default)"),
        { Check(QStringLiteral("LabelsVisible"), QStringLiteral("Visible")),
          Number(QStringLiteral("LabelsMargin"), QStringLiteral("Margin")),
          List(QStringLiteral("LabelsFormatStyle"), items::FormatStyles, QStringLiteral("Format Style")),
          List(QStringLiteral("LabelsRotation"), items::LabelsRotation, QStringLiteral("Rotation")),
          EditList(QStringLiteral("DateTimeFormat"), items::DateTimeFormats, QStringLiteral("Time Format")),
          List(QStringLiteral("LabelsPrecisionStyle"), items::PrecisionStyles, QStringLiteral("Precision Style")),
          Integer(QStringLiteral("LabelsPrecision"), QStringLiteral("Precision"),
                  TiEditorUpDown { 0, t.LabelsPrecisionMax, 1 }),
          Number(QStringLiteral("LabelsMinLength"), QStringLiteral("Min Length")),
          Check(QStringLiteral("LabelsMinLengthAutoAdjust"), QStringLiteral("Min Length Auto Adjust")),
          Number(QStringLiteral("LabelSeparation"), QStringLiteral("Separation")),
          Font(QStringLiteral("LabelsFont"), QStringLiteral("Font")) } };
    return { QStringLiteral("Labels"),
             {},
             { defaults, FormatTab(QStringLiteral("Cursor"), t.Prefix, t.CursorPrecisionMax),
               FormatTab(QStringLiteral("Legend"), t.Prefix, t.LegendPrecisionMax) },
             t.Prefix + QStringLiteral("LabelsPageControl") };
}

TiEditorPageSpec AxisPage(const AxisPageTraits& t)
{
    const char* desired[2] = { "DesiredStart", "DesiredIncrement" };
    const char* format[2] = { "LabelsFormatStyle", "LabelsRotation" };
    if (t.IsY) {
        std::swap(desired[0], desired[1]);
        std::swap(format[0], format[1]);
    }
    QStringList order { "Name", "Visible", "GridLinesVisible", "Enabled", "PopupEnabled", "Layer", "StartPercent",
                        "StopPercent", "Min", "Span", desired[0], desired[1], "ReverseScale",
                        "RestoreValuesOnResume", "MasterUIInput", "InnerMargin", "OuterMargin", "Title",
                        "TitleMargin", "TitleShow", "TitleRotated", "ScaleLinesShow", "ScaleLinesColor",
                        "MajorLength", "MinorLength", "MinorCount", "LabelsVisible", "LabelsMargin", format[0],
                        format[1], "DateTimeFormat", "LabelsPrecisionStyle", "LabelsPrecision", "LabelsMinLength",
                        "LabelsMinLengthAutoAdjust" };
    for (const QString& kind : { QStringLiteral("Cursor"), QStringLiteral("Legend") })
        for (const char* p : { "UseDefaultFormat", "FormatStyle", "DateTimeFormat", "PrecisionStyle", "Precision",
                               "MinLength", "MinLengthAutoAdjust" })
            order << kind + QLatin1String(p);
    order << QStringList { "TrackingEnabled", "TrackingStyle", "TrackingIncrementStyle", "TrackingAlignFirstStyle",
                           "TrackingScrollCompressMax", "TrackingSpanMinimum", "TrackingMaxMargin",
                           "TrackingMinMargin", "StackingEndsMargin", "ForceStacking", "LabelSeparation",
                           "ScaleType", "CursorScaler", "ScrollMinMaxEnabled", "ScrollMin", "ScrollMax",
                           "CartesianStyle", "CartesianChildRefAxisName", "CartesianChildRefValue",
                           "AlignRefAxisName", "TitleFont", "LabelsFont" };
    return {
        t.Caption,
        t.Prefix,
        t.Prefix + QStringLiteral("PageControl"),
        { GeneralTab(),
          { QStringLiteral("Title"),
            { Text(QStringLiteral("Title")),
              Number(QStringLiteral("TitleMargin"), QStringLiteral("Margin")),
              Check(QStringLiteral("TitleShow"), QStringLiteral("Show")),
              Check(QStringLiteral("TitleRotated"), QStringLiteral("Rotated")),
              Font(QStringLiteral("TitleFont"), QStringLiteral("Font")) } },
          LabelsTab(t),
          { QStringLiteral("Tracking"),
            { Check(QStringLiteral("TrackingEnabled"), QStringLiteral("Enabled")),
              List(QStringLiteral("TrackingStyle"), items::TrackingStyle, QStringLiteral("Style")),
              List(QStringLiteral("TrackingIncrementStyle"), items::TrackingIncrementStyle,
                   QStringLiteral("Increment Style")),
              // The list reads Min, Max, Auto, None; the enumeration starts with None.
              WithOrdinals(List(QStringLiteral("TrackingAlignFirstStyle"), items::TrackingAlignFirstStyle,
                                QStringLiteral("Align First Style")),
                           { 1, 2, 3, 0 }),
              Number(QStringLiteral("TrackingScrollCompressMax"), QStringLiteral("Scroll Compress Max")),
              Number(QStringLiteral("TrackingSpanMinimum"), QStringLiteral("Span Minimum")),
              Number(QStringLiteral("TrackingMaxMargin"), QStringLiteral("Max Margin")),
              Number(QStringLiteral("TrackingMinMargin"), QStringLiteral("Min Margin")) } },
          { QStringLiteral("Cursor"), { Number(QStringLiteral("CursorScaler"), QStringLiteral("Scaler")) } },
          { QStringLiteral("Scroll"),
            { Check(QStringLiteral("ScrollMinMaxEnabled"), QStringLiteral("Min/Max Enabled")),
              Number(QStringLiteral("ScrollMin"), QStringLiteral("Min")),
              Number(QStringLiteral("ScrollMax"), QStringLiteral("Max")) } },
          { QStringLiteral("Scale"),
            { Number(QStringLiteral("StartPercent"), QStringLiteral("Start Percent")),
              Number(QStringLiteral("StopPercent"), QStringLiteral("Stop Percent")),
              Integer(QStringLiteral("InnerMargin"), QStringLiteral("Inner Margin"), TiEditorUpDown { -1000, 1000, 1 }),
              Integer(QStringLiteral("OuterMargin"), QStringLiteral("Outer Margin"), TiEditorUpDown { -1000, 1000, 1 }),
              Check(QStringLiteral("ScaleLinesShow"), QStringLiteral("Scale Lines Show")),
              Color(QStringLiteral("ScaleLinesColor"), QStringLiteral("Scale Lines Color")),
              Integer(QStringLiteral("MajorLength"), QStringLiteral("Major Length"), TiEditorUpDown { 0, 1000, 1 }),
              Integer(QStringLiteral("MinorLength"), QStringLiteral("Minor Length"), TiEditorUpDown { 0, 1000, 1 }),
              Integer(QStringLiteral("MinorCount"), QStringLiteral("Minor Count"), Upto100),
              Number(QStringLiteral("StackingEndsMargin"), QStringLiteral("Stacking Ends Margin")),
              Check(QStringLiteral("ForceStacking"), QStringLiteral("Force Stacking")),
              NameList(QStringLiteral("AlignRefAxisName"), t.SameKind, QStringLiteral("Align Ref Axis")) } },
          { QStringLiteral("Cartesian"),
            { Integer(QStringLiteral("Layer"), QString(), NoLimit),
              List(QStringLiteral("CartesianStyle"), items::CartesianStyle, QStringLiteral("Style")),
              NameList(QStringLiteral("CartesianChildRefAxisName"), t.OtherKind, QStringLiteral("Child Ref Axis")),
              WithDateTime(Number(QStringLiteral("CartesianChildRefValue"), QStringLiteral("Child Ref Value")),
                           kInterval) } } },
        order,
        {},
    };
}

} // namespace

const TiEditorPageSpec& iEditorXAxisPage()
{
    static const TiEditorPageSpec page = AxisPage(
        { QStringLiteral("X-Axes"), QStringLiteral("XAxis"), TiEditorNames::XAxes, TiEditorNames::YAxes, 1000, 20, 1000,
          false });
    return page;
}

const TiEditorPageSpec& iEditorYAxisPage()
{
    static const TiEditorPageSpec page = AxisPage(
        { QStringLiteral("Y-Axes"), QStringLiteral("YAxis"), TiEditorNames::YAxes, TiEditorNames::XAxes, 20, 20, 20,
          true });
    return page;
}
