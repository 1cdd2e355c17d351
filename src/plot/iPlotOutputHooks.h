#pragma once
// What the plot's Save and PreviewChart need from the editor's forms: the save-image picker and
// the print preview. The forms fill these in; until then both operations raise a clear error.

#include <QString>

#include <functional>
#include <optional>

class TiPlotComponent;

struct TiSaveImageRequest
{
    QString InitialDir;
    QString Filter;
    QString FileName;
    int FilterIndex { 1 }; // 1-based, as the filter lists the formats
};

struct TiPlotOutputHooks
{
    // The chosen file name, or nothing when the user cancelled.
    static inline std::function<std::optional<QString>(TiPlotComponent& Plot, const TiSaveImageRequest& Request)>
        SaveImagePicker;
    // Shows the plot's print preview modally.
    static inline std::function<void(TiPlotComponent& Plot)> ShowPreview;
};
