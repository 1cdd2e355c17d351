// The Tables page: the selected table.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;

const TiEditorPageSpec& iEditorTablePage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Tables"),
        QStringLiteral("Table"),
        QStringLiteral("TablePageControl"),
        { { QStringLiteral("General"),
            { Text(QStringLiteral("Name")),
              Check(QStringLiteral("Visible")),
              Check(QStringLiteral("Enabled")),
              Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
              Number(QStringLiteral("ColumnSpacing"), QStringLiteral("Column Spacing")),
              Number(QStringLiteral("RowSpacing"), QStringLiteral("Row Spacing")),
              Integer(QStringLiteral("RowsMax"), QStringLiteral("Rows Max")),
              Group(QStringLiteral("Data"), { Font(QStringLiteral("DataFont"), QStringLiteral("Font")) }),
              Group(QStringLiteral("Margin"),
                    { Number(QStringLiteral("MarginTop"), QStringLiteral("Top")),
                      Number(QStringLiteral("MarginLeft"), QStringLiteral("Left")),
                      Number(QStringLiteral("MarginRight"), QStringLiteral("Right")),
                      Number(QStringLiteral("MarginBottom"), QStringLiteral("Bottom")) }),
              Group(QStringLiteral("Column Titles"),
                    { Check(QStringLiteral("ColumnTitlesVisible"), QStringLiteral("Visible")),
                      Font(QStringLiteral("ColumnTitlesFont"), QStringLiteral("Font")) }) } },
          { QStringLiteral("Grid"),
            { Group(QStringLiteral("Lines"),
                    { Check(QStringLiteral("GridLinesShow"), QStringLiteral("Show")),
                      Color(QStringLiteral("GridLinesColor"), QStringLiteral("Color")) }),
              Group(QStringLiteral("Background"),
                    { Check(QStringLiteral("GridBackGroundTransparent"), QStringLiteral("Transparent")),
                      Color(QStringLiteral("GridBackGroundColor"), QStringLiteral("Color")) }) } },
          { QStringLiteral("Layout"),
            { Number(QStringLiteral("StartPercent"), QStringLiteral("Start Percent")),
              Number(QStringLiteral("StopPercent"), QStringLiteral("Stop Percent")) } } },
        { "Name", "Visible", "Enabled", "PopupEnabled", "MarginTop", "MarginLeft", "MarginRight", "MarginBottom",
          "ColumnSpacing", "RowSpacing", "RowsMax", "ColumnTitlesVisible", "GridLinesShow", "GridLinesColor",
          "StartPercent", "StopPercent", "GridBackGroundTransparent", "GridBackGroundColor", "DataFont",
          "ColumnTitlesFont" },
        {},
    };
    return page;
}
