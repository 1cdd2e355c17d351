#include "plot/iPlot.h"

#include "plot/iPlotDefaultObjects.h"

#include "platform/core/TUpdateGuard.h"

using namespace vcl;

TiPlot::TiPlot(TComponent* AOwner) : TiPlotComponent(AOwner)
{
    FMaster->SetChannelClass(&TiPlotChannel::Construct);
    TUpdateGuard<TiPlot> update(this);
    WithLayoutManagerDisabled([this] { iCreateDefaultPlotObjects(*this); });
}

TiPlotChannel* TiPlot::Channel(int Index) const
{
    return iCheckedChannel<TiPlotChannel>(TiPlotComponent::Channel(Index));
}
