// The Labels page: the selected label (the first one is the plot's title).

#include "plot/iPlotEditorPageTable.h"

using namespace ied;
namespace items = ieditems;

const TiEditorPageSpec& iEditorLabelPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("Labels"),
        QStringLiteral("Label"),
        QStringLiteral("LabelPageControl"),
        { { QStringLiteral("General"),
            { Text(QStringLiteral("Name")),
              Check(QStringLiteral("Visible")),
              Text(QStringLiteral("Caption")),
              Group(QStringLiteral("Margin"),
                    { Number(QStringLiteral("MarginLeft"), QStringLiteral("Left")),
                      Number(QStringLiteral("MarginTop"), QStringLiteral("Top")),
                      Number(QStringLiteral("MarginRight"), QStringLiteral("Right")),
                      Number(QStringLiteral("MarginBottom"), QStringLiteral("Bottom")) }),
              List(QStringLiteral("Alignment"), items::LabelAlignment),
              Integer(QStringLiteral("ImageListIndex"), QStringLiteral("Image List Index"), TiEditorUpDown { -1, 2, 1 }),
              Integer(QStringLiteral("ImageIndex"), QStringLiteral("Image Index"), TiEditorUpDown { -1, 255, 1 }),
              Font(QStringLiteral("Font")) } } },
        { "Name", "Visible", "Caption", "MarginLeft", "MarginTop", "MarginRight", "MarginBottom", "Alignment",
          "ImageListIndex", "ImageIndex", "Font" },
        {},
    };
    return page;
}
