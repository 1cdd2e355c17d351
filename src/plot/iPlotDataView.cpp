#include "plot/iPlotDataView.h"

#include "plot/iPlotAxis.h"

void TiPlotDataView::NotificationRename(TiPlotObject* AObject)
{
    if (dynamic_cast<TiPlotXAxis*>(AObject) && AObject->NameOld().compare(FGridXAxisName, Qt::CaseInsensitive) == 0)
        FGridXAxisName = AObject->Name();
    else if (dynamic_cast<TiPlotYAxis*>(AObject)
             && AObject->NameOld().compare(FGridYAxisName, Qt::CaseInsensitive) == 0)
        FGridYAxisName = AObject->Name();
}
