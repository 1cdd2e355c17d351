#include "plot/iPlotOutputForms.h"

#include "plot/iPlotComponent.h"
#include "plot/iPlotPrintPreview.h"

void iInstallPlotOutputForms()
{
    TiPlotOutputHooks::ShowPreview = [](TiPlotComponent& Plot) { iShowPlotPreview(Plot); };
}
