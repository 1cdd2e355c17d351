#include "plot/iPlotChannel.h"

#include "plot/iPlotAxis.h"

using namespace vcl;

void TiPlotChannelCustom::SetColor(TColor Value)
{
    FColor = Value;
    DoChange();
}

void TiPlotChannelCustom::SetTraceLineStyle(TiPlotLineStyle Value)
{
    FTraceLineStyle = Value;
    DoChange();
}

void TiPlotChannelCustom::SetTraceLineWidth(int Value)
{
    FTraceLineWidth = Value;
    DoChange();
}

void TiPlotChannelCustom::NotificationRename(TiPlotObject* AObject)
{
    if (dynamic_cast<TiPlotXAxis*>(AObject) && AObject->NameOld().compare(FXAxisName, Qt::CaseInsensitive) == 0)
        FXAxisName = AObject->Name();
    else if (dynamic_cast<TiPlotYAxis*>(AObject) && AObject->NameOld().compare(FYAxisName, Qt::CaseInsensitive) == 0)
        FYAxisName = AObject->Name();
}

TiPlotChannelCustom* TiPlotChannel::Construct(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                              TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    return new TiPlotChannel(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                             std::move(AOnRename));
}

TiPlotChannelCustom* TiXYPlotChannel::Construct(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                                TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    return new TiXYPlotChannel(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                               std::move(AOnRename));
}
