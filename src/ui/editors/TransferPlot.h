#pragma once
// The compressor and gate transfer-curve plots of the main window: an XY plot set up as the window
// shows it (black, no border, title, toolbar, legend or cursor; both axes -100..20 dB with yellow
// labels only; the curve in channel 0 and the reference dot in channel 1), and the refill of its
// two channels when the curve changes.

#include "ui/editors/EditorMath.h"

#include <QString>

#include <vector>

class TiXYPlot;

namespace vcl {
class TComponent;
class TWinControl;
}

namespace editors {

// A new plot owned by Owner, named Name, on Parent at the given place.
TiXYPlot* CreateTransferPlot(vcl::TComponent* Owner, vcl::TWinControl* Parent, const QString& Name, int Left, int Top,
                             int Width, int Height);

// Replaces the curve and the dot: each channel loses exactly the points it holds and takes the new
// ones; the plot merges the repaints they ask for.
void RefillTransferPlot(TiXYPlot& Plot, const std::vector<XY>& Curve, XY Dot);

} // namespace editors
