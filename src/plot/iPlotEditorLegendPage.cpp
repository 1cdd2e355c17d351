// The Legend page: the plot's first legend.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

namespace {

TiEditorControlSpec WrapGroup(const QString& Caption, const QString& Kind)
{
    const QString p = QStringLiteral("Wrap") + Kind;
    return Group(Caption, { Integer(p + QStringLiteral("DesiredCount"), QStringLiteral("Desired Count"),
                                    TiEditorUpDown { 1, 1000, 1 }),
                            Check(p + QStringLiteral("AutoCountEnabled"), QStringLiteral("Auto Count")),
                            Integer(p + QStringLiteral("AutoCountMax"), QStringLiteral("Auto Count Max"),
                                    TiEditorUpDown { 1, 1000, 1 }),
                            Number(p + QStringLiteral("SpacingMin"), QStringLiteral("Spacing")),
                            Check(p + QStringLiteral("SpacingAuto"), QStringLiteral("Spacing Auto")) });
}

} // namespace

const TiEditorPageSpec& iEditorLegendPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Legend"),
        QStringLiteral("Legend"),
        QStringLiteral("LegendPageControl"),
        { { QStringLiteral("General"),
            { Check(QStringLiteral("Visible")),
              Check(QStringLiteral("Enabled")),
              Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
              Number(QStringLiteral("ColumnSpacing"), QStringLiteral("Column Spacing")),
              Font(QStringLiteral("Font")),
              Group(QStringLiteral("Channel Name"),
                    { Number(QStringLiteral("ChannelNameMaxWidth"), QStringLiteral("Max Width")),
                      List(QStringLiteral("ChannelNameColorStyle"), items::ChannelNameColorStyle,
                           QStringLiteral("Color")) }),
              Group(QStringLiteral("Margin"),
                    { Number(QStringLiteral("MarginTop"), QStringLiteral("Top")),
                      Number(QStringLiteral("MarginBottom"), QStringLiteral("Bottom")),
                      Number(QStringLiteral("MarginLeft"), QStringLiteral("Left")),
                      Number(QStringLiteral("MarginRight"), QStringLiteral("Right")) }),
              Group(QStringLiteral("Line Column"),
                    { Integer(QStringLiteral("LineColumnWidth"), QStringLiteral("Width")),
                      Integer(QStringLiteral("LineColumnHeight"), QStringLiteral("Height")) }),
              Group(QStringLiteral("Background"),
                    { Check(QStringLiteral("BackGroundTransparent"), QStringLiteral("Transparent")),
                      Color(QStringLiteral("BackGroundColor"), QStringLiteral("Color")) }),
              Group(QStringLiteral("Selected Item"),
                    { Color(QStringLiteral("SelectedItemBackGroundColor"), QStringLiteral("Color")),
                      Font(QStringLiteral("SelectedItemFont"), QStringLiteral("Font")) }) } },
          { QStringLiteral("Columns"),
            { Group(QStringLiteral("Show"),
                    { Check(QStringLiteral("ShowColumnLine"), QStringLiteral("Line")),
                      Check(QStringLiteral("ShowColumnMarker"), QStringLiteral("Marker")),
                      Check(QStringLiteral("ShowColumnXAxisTitle"), QStringLiteral("X-Axis Title")),
                      Check(QStringLiteral("ShowColumnYAxisTitle"), QStringLiteral("Y-Axis Title")),
                      Check(QStringLiteral("ShowColumnXValue"), QStringLiteral("X Value")),
                      Check(QStringLiteral("ShowColumnYValue"), QStringLiteral("Y Value")),
                      Check(QStringLiteral("ShowColumnYMax"), QStringLiteral("Y Max")),
                      Check(QStringLiteral("ShowColumnYMin"), QStringLiteral("Y Min")),
                      Check(QStringLiteral("ShowColumnYMean"), QStringLiteral("Y Mean")) }),
              Group(QStringLiteral("Titles"),
                    { Check(QStringLiteral("ColumnTitlesVisible"), QStringLiteral("Visible")),
                      Font(QStringLiteral("ColumnTitlesFont"), QStringLiteral("Font")) }) } },
          { QStringLiteral("Wrap"), { WrapGroup(QStringLiteral("Col"), QStringLiteral("Col")),
                                      WrapGroup(QStringLiteral("Row"), QStringLiteral("Row")) } },
          { QStringLiteral("Hidden"), { Text(QStringLiteral("Name")) }, {}, QString(), false } },
        { "Name", "Visible", "Enabled", "PopupEnabled", "MarginTop", "MarginBottom", "MarginLeft", "MarginRight",
          "ChannelNameMaxWidth", "ChannelNameColorStyle", "LineColumnWidth", "LineColumnHeight", "ColumnSpacing",
          "BackGroundTransparent", "BackGroundColor", "SelectedItemBackGroundColor", "ShowColumnLine",
          "ShowColumnMarker", "ShowColumnXAxisTitle", "ShowColumnYAxisTitle", "ShowColumnXValue", "ShowColumnYValue",
          "ShowColumnYMax", "ShowColumnYMin", "ShowColumnYMean", "WrapColDesiredCount", "WrapColAutoCountEnabled",
          "WrapColAutoCountMax", "WrapColSpacingMin", "WrapColSpacingAuto", "WrapRowDesiredCount",
          "WrapRowAutoCountEnabled", "WrapRowAutoCountMax", "WrapRowSpacingMin", "WrapRowSpacingAuto",
          "ColumnTitlesVisible", "Font", "SelectedItemFont", "ColumnTitlesFont" },
        {},
    };
    return page;
}
