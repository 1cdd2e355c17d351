#pragma once
// The XY plot: a plot control whose new instance holds a toolbar, a legend, one X and one Y axis, an
// XY channel, a data view, a data cursor and the title label "Untitled".

#include "plot/iPlotComponent.h"

class TiXYPlot : public TiPlotComponent
{
public:
    explicit TiXYPlot(vcl::TComponent* AOwner);

    // The channel at Index as an XY channel; another class of channel raises the invalid-cast error.
    TiXYPlotChannel* Channel(int Index) const;
};
