#pragma once
// Puts the library's own forms behind the plot's Save and PreviewChart: the save dialog picks the
// image file and the preview form shows the page. The program calls this once at start-up.

#include "plot/iPlotOutputHooks.h"

// The save dialog owned by the plot, started from the request; the name carries the chosen
// format's extension.
std::optional<QString> iPickSaveImageFile(TiPlotComponent& Plot, const TiSaveImageRequest& Request);

void iInstallPlotOutputForms();
