// The ToolBar page: the plot's first toolbar.

#include "plot/iPlotEditorPageTable.h"

using namespace ied;

const TiEditorPageSpec& iEditorToolBarPage()
{
    static const TiEditorPageSpec page {
        QStringLiteral("ToolBar"),
        QStringLiteral("ToolBar"),
        QString(),
        { { QString(),
            { Check(QStringLiteral("Visible")),
              Check(QStringLiteral("Enabled")),
              Check(QStringLiteral("PopupEnabled"), QStringLiteral("Popup Enabled")),
              Check(QStringLiteral("FlatBorder"), QStringLiteral("Flat Border")),
              Check(QStringLiteral("FlatButtons"), QStringLiteral("Flat Buttons")),
              Check(QStringLiteral("SmallButtons"), QStringLiteral("Small Buttons")),
              Number(QStringLiteral("ZoomInOutFactor"), QStringLiteral("Zoom In/Out Factor")),
              Group(QStringLiteral("Show Button"),
                    { Check(QStringLiteral("ShowResumeButton"), QStringLiteral("Resume")),
                      Check(QStringLiteral("ShowPauseButton"), QStringLiteral("Pause")),
                      Check(QStringLiteral("ShowAxesModeButtons"), QStringLiteral("Axes Mode")),
                      Check(QStringLiteral("ShowZoomInOutButtons"), QStringLiteral("Zoom +/-")),
                      Check(QStringLiteral("ShowSelectButton"), QStringLiteral("Select")),
                      Check(QStringLiteral("ShowZoomBoxButton"), QStringLiteral("Zoom Box")),
                      Check(QStringLiteral("ShowCursorButton"), QStringLiteral("Cursor")),
                      Check(QStringLiteral("ShowEditButton"), QStringLiteral("Edit")),
                      Check(QStringLiteral("ShowCopyButton"), QStringLiteral("Copy")),
                      Check(QStringLiteral("ShowSaveButton"), QStringLiteral("Save")),
                      Check(QStringLiteral("ShowPrintButton"), QStringLiteral("Print")),
                      Check(QStringLiteral("ShowPreviewButton"), QStringLiteral("Preview")) }),
              Flagged(Group(QString(), { Text(QStringLiteral("Name")) }), TiEditorFlag::Hidden) } } },
        { "Name", "Visible", "Enabled", "PopupEnabled", "FlatBorder", "FlatButtons", "SmallButtons",
          "ShowResumeButton", "ShowPauseButton", "ShowAxesModeButtons", "ShowZoomInOutButtons", "ShowSelectButton",
          "ShowZoomBoxButton", "ShowCursorButton", "ShowEditButton", "ShowCopyButton", "ShowSaveButton",
          "ShowPrintButton", "ShowPreviewButton", "ZoomInOutFactor" },
        {},
    };
    return page;
}
