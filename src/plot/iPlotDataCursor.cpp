#include "plot/iPlotDataCursor.h"

#include "plot/iPlotChannel.h"
#include "plot/iPlotDataView.h"

using namespace vcl;

TiPlotDataCursor::TiPlotDataCursor(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{
    FVisible = false;
}

void TiPlotDataCursor::NotificationRemove(TObject* AObject)
{
    if (AObject == FDataView)
        FDataView = nullptr;
}

void TiPlotDataCursor::NotificationRename(TiPlotObject* AObject)
{
    if (dynamic_cast<TiPlotChannelCustom*>(AObject)
        && AObject->NameOld().compare(FChannelName, Qt::CaseInsensitive) == 0)
        FChannelName = AObject->Name();
}
