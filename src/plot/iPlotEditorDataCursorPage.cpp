// The Cursors page: the selected data cursor.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

const TiEditorPageSpec& iEditorDataCursorPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Cursors"),
        QStringLiteral("DataCursor"),
        QStringLiteral("DataCursorPageControl"),
        { { QStringLiteral("General"),
            { Text(QStringLiteral("Name")),
              Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
              List(QStringLiteral("Style"), items::CursorStyle),
              Color(QStringLiteral("Color")),
              Check(QStringLiteral("UseChannelColor"), QStringLiteral("Use Channel Color")),
              Number(QStringLiteral("Pointer1Position"), QStringLiteral("Pointer 1 Position")),
              Number(QStringLiteral("Pointer2Position"), QStringLiteral("Pointer 2 Position")),
              Integer(QStringLiteral("PointerPenWidth"), QStringLiteral("Pointer Pen Width"), TiEditorUpDown { 1, 50, 1 }),
              Check(QStringLiteral("SnapToDataPoint"), QStringLiteral("Snap To Data Point")),
              Font(QStringLiteral("Font")) } },
          { QStringLiteral("Channel"),
            { NameList(QStringLiteral("ChannelName"), TiEditorNames::AllThenChannels, QStringLiteral("Channel Name")),
              Check(QStringLiteral("ChannelAllowAll"), QStringLiteral("Allow All")),
              Check(QStringLiteral("ChannelShowAllInLegend"), QStringLiteral("Show All In Legend")) } },
          { QStringLiteral("Hint"),
            { Check(QStringLiteral("HintShow"), QStringLiteral("Show")),
              Check(QStringLiteral("HintHideOnRelease"), QStringLiteral("Hide On Release")),
              Number(QStringLiteral("HintPosition"), QStringLiteral("Position")),
              Radio(QStringLiteral("HintOrientationSide"), items::HintOrientationSide,
                    QStringLiteral("Orientation Side")) } } },
        { "Name", "PopupEnabled", "SnapToDataPoint", "Style", "Color", "UseChannelColor", "HintPosition", "HintShow",
          "HintHideOnRelease", "HintOrientationSide", "Pointer1Position", "Pointer2Position", "PointerPenWidth",
          "ChannelName", "ChannelAllowAll", "ChannelShowAllInLegend", "Font" },
        {},
    };
    return page;
}
