// The Data View page: the plot's first data view.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

namespace {

TiEditorTabSpec CustomGridTab(const QString& Caption, const QString& Kind)
{
    const QString p = QStringLiteral("GridLine") + Kind;
    return { Caption,
             { Check(QStringLiteral("GridLineShow") + Kind + QLatin1Char('s'), QStringLiteral("Show")),
               Check(p + QStringLiteral("Custom"), QStringLiteral("Custom")),
               Group(QStringLiteral("Custom Properties"),
                     { Color(p + QStringLiteral("Color"), QStringLiteral("Color")),
                       Integer(p + QStringLiteral("Width"), QStringLiteral("Width"), Upto100),
                       List(p + QStringLiteral("Style"), items::GridLineStyles, QStringLiteral("Style")) }) } };
}

} // namespace

const TiEditorPageSpec& iEditorDataViewPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Data View"),
        QStringLiteral("DataView"),
        QStringLiteral("DataViewPageControl"),
        { { QStringLiteral("General"),
            { Check(QStringLiteral("Enabled")),
              Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
              Group(QStringLiteral("Background"),
                    { Check(QStringLiteral("BackgroundTransparent"), QStringLiteral("Transparent")),
                      Color(QStringLiteral("BackgroundColor"), QStringLiteral("Color")) }),
              Group(QStringLiteral("Grid"),
                    { Check(QStringLiteral("GridShow"), QStringLiteral("Show")),
                      NameList(QStringLiteral("GridXAxisName"), TiEditorNames::XAxesThenAll, QStringLiteral("X-Axis")),
                      NameList(QStringLiteral("GridYAxisName"), TiEditorNames::YAxesThenAll,
                               QStringLiteral("Y-Axis")) }),
              Group(QStringLiteral("Axes Control"),
                    { Check(QStringLiteral("AxesControlEnabled"), QStringLiteral("Enabled")),
                      Check(QStringLiteral("AxesControlAllowInSelectMode"), QStringLiteral("In Select Mode")),
                      List(QStringLiteral("AxesControlMouseStyle"), items::AxesControlStyle, QStringLiteral("Mouse")),
                      List(QStringLiteral("AxesControlWheelStyle"), items::AxesControlStyle,
                           QStringLiteral("Wheel")) }) } },
          { QStringLiteral("Grid Lines"),
            { Integer(QStringLiteral("Layer"), QString(), NoLimit),
              Color(QStringLiteral("GridLineColor"), QStringLiteral("Color")),
              List(QStringLiteral("GridLineMajorStyle"), items::GridLineStyles, QStringLiteral("Major")),
              List(QStringLiteral("GridLineMinorStyle"), items::GridLineStyles, QStringLiteral("Minor")),
              Group(QStringLiteral("Show"),
                    { Check(QStringLiteral("GridLineShowLeft"), QStringLiteral("Left")),
                      Check(QStringLiteral("GridLineShowRight"), QStringLiteral("Right")),
                      Check(QStringLiteral("GridLineShowTop"), QStringLiteral("Top")),
                      Check(QStringLiteral("GridLineShowBottom"), QStringLiteral("Bottom")) }) },
            { CustomGridTab(QStringLiteral("X-Majors"), QStringLiteral("XMajor")),
              CustomGridTab(QStringLiteral("X-Minors"), QStringLiteral("XMinor")),
              CustomGridTab(QStringLiteral("Y-Majors"), QStringLiteral("YMajor")),
              CustomGridTab(QStringLiteral("Y-Minors"), QStringLiteral("YMinor")) },
            QStringLiteral("DataViewGridLinesCustomPageControl") },
          { QStringLiteral("Hidden"), { Text(QStringLiteral("Name")) }, {}, QString(), false } },
        { "Name", "Enabled", "PopupEnabled", "Layer", "BackgroundTransparent", "BackgroundColor", "GridShow",
          "GridXAxisName", "GridYAxisName", "AxesControlEnabled", "AxesControlAllowInSelectMode",
          "AxesControlMouseStyle", "AxesControlWheelStyle", "GridLineColor", "GridLineShowLeft", "GridLineShowRight",
          "GridLineShowTop", "GridLineShowBottom", "GridLineShowXMajors", "GridLineShowXMinors",
          "GridLineShowYMajors", "GridLineShowYMinors", "GridLineMajorStyle", "GridLineMinorStyle",
          "GridLineXMajorCustom", "GridLineXMajorColor", "GridLineXMajorWidth", "GridLineXMajorStyle",
          "GridLineXMinorCustom", "GridLineXMinorColor", "GridLineXMinorWidth", "GridLineXMinorStyle",
          "GridLineYMajorCustom", "GridLineYMajorColor", "GridLineYMajorWidth", "GridLineYMajorStyle",
          "GridLineYMinorCustom", "GridLineYMinorColor", "GridLineYMinorWidth", "GridLineYMinorStyle" },
        {},
    };
    return page;
}
