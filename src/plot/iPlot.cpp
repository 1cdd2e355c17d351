#include "plot/iPlot.h"

#include "plot/iPlotDefaultObjects.h"

using namespace vcl;

TiPlot::TiPlot(TComponent* AOwner) : TiPlotComponent(AOwner)
{
    FMaster->SetChannelClass(&TiPlotChannel::Construct);
    BeginUpdate();
    struct End
    {
        TiPlot* plot;
        ~End() { plot->EndUpdate(); }
    } end { this };
    WithLayoutManagerDisabled([this] { iCreateDefaultPlotObjects(*this); });
}

TiPlotChannel* TiPlot::Channel(int Index) const
{
    return iCheckedChannel<TiPlotChannel>(TiPlotComponent::Channel(Index));
}
