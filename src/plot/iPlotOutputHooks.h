#pragma once
// What the plot's PreviewChart needs from the editor's forms: the print preview. The forms fill it
// in; until then PreviewChart raises a clear error.

#include <functional>

class TiPlotComponent;

struct TiPlotOutputHooks
{
    // Shows the plot's print preview modally.
    static inline std::function<void(TiPlotComponent& Plot)> ShowPreview;
};
