#pragma once
// Puts the library's own print preview form behind the plot's PreviewChart. The program calls this
// once at start-up.

#include "plot/iPlotOutputHooks.h"

void iInstallPlotOutputForms();
