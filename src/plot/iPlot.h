#pragma once
// The strip chart: a plot control like the XY plot whose channels are strip-chart channels.

#include "plot/iPlotComponent.h"

class TiPlot : public TiPlotComponent
{
public:
    explicit TiPlot(vcl::TComponent* AOwner);

    // The channel at Index as a strip-chart channel; another class raises the invalid-cast error.
    TiPlotChannel* Channel(int Index) const;
};

