#pragma once
// The plot with its paint pass reachable, as the control's own paint and image output call it.

#include "plot/iXYPlot.h"

namespace ptest {

class PaintedPlot : public TiXYPlot
{
public:
    using TiXYPlot::TiXYPlot;
    using TiPlotComponent::iPaintTo;
};

} // namespace ptest
