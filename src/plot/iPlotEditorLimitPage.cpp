// The Limits page: the selected limit.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

const TiEditorPageSpec& iEditorLimitPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Limits"),
        QStringLiteral("Limit"),
        QStringLiteral("LimitPageControl"),
        { { QStringLiteral("General"),
            { Text(QStringLiteral("Name")),
              Check(QStringLiteral("Visible")),
              Check(QStringLiteral("UserCanMove"), QStringLiteral("User Can Move")),
              Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
              Check(QStringLiteral("ClipToAxes"), QStringLiteral("Clip To Axes")),
              Integer(QStringLiteral("Layer"), QString(), NoLimit),
              List(QStringLiteral("Style"), items::LimitStyle),
              Number(QStringLiteral("Line1Position"), QStringLiteral("Line 1 Position")),
              Number(QStringLiteral("Line2Position"), QStringLiteral("Line 2 Position")),
              List(QStringLiteral("FillStyle"), items::BrushStyles, QStringLiteral("Fill Style")),
              List(QStringLiteral("LineStyle"), items::PenStyles, QStringLiteral("Line Style")),
              Integer(QStringLiteral("LineWidth"), QStringLiteral("Line Width"), Upto100),
              Color(QStringLiteral("Color")),
              NameList(QStringLiteral("XAxisName"), TiEditorNames::XAxes, QStringLiteral("X-Axis")),
              NameList(QStringLiteral("YAxisName"), TiEditorNames::YAxes, QStringLiteral("Y-Axis")) } } },
        { "Name", "Visible", "UserCanMove", "PopupEnabled", "ClipToAxes", "Layer", "Style", "Line1Position",
          "Line2Position", "FillStyle", "LineStyle", "LineWidth", "Color", "XAxisName", "YAxisName" },
        {},
    };
    return page;
}
