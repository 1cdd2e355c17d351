#pragma once
// The main window's two transfer plots as its creation leaves them: both axes from -100 to +20 dB,
// channel 0 the curve and channel 1 the reference dot, with their seed points.

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"

#include <initializer_list>
#include <utility>

namespace ptest {

inline void SeedTransferPlot(TiXYPlot& Plot, std::initializer_list<std::pair<double, double>> Curve,
                             std::pair<double, double> Dot)
{
    for (TiPlotAxis* axis : { static_cast<TiPlotAxis*>(Plot.XAxis(0)), static_cast<TiPlotAxis*>(Plot.YAxis(0)) }) {
        axis->SetRestoreValuesOnResume(false);
        axis->SetTrackingEnabled(false); // the window's axes stay at -100..+20 whatever the points
    }
    Plot.XAxis(0)->SetMin(-100);
    Plot.XAxis(0)->SetSpan(120);
    Plot.YAxis(0)->SetMin(-100);
    Plot.YAxis(0)->SetSpan(120);
    if (Plot.ChannelCount() < 2)
        Plot.AddChannel();
    for (auto [x, y] : Curve)
        Plot.Channel(0)->AddXY(x, y);
    Plot.Channel(1)->AddXY(Dot.first, Dot.second);
}

inline void SeedCompressorPlot(TiXYPlot& Plot)
{
    SeedTransferPlot(Plot, { { 20, 20 }, { -10, -10 }, { -10, -10 }, { -100, -100 } }, { 19.8, 20.4 });
}

inline void SeedGatePlot(TiXYPlot& Plot)
{
    SeedTransferPlot(Plot, { { 20, 20 }, { -90, -90 }, { -90, -100 } }, { -89.8, -90.4 });
}

} // namespace ptest
