#include "plot/iXYPlot.h"

#include "plot/iPlotDefaultObjects.h"

using namespace vcl;

TiXYPlot::TiXYPlot(TComponent* AOwner) : TiPlotComponent(AOwner)
{
    FMaster->SetChannelClass(&TiXYPlotChannel::Construct);
    WithLayoutManagerDisabled([this] { iCreateDefaultPlotObjects(*this); });
}

TiXYPlotChannel* TiXYPlot::Channel(int Index) const
{
    return iCheckedChannel<TiXYPlotChannel>(TiPlotComponent::Channel(Index));
}
