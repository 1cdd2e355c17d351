#include "plot/iPlotDefaultObjects.h"

void iCreateDefaultPlotObjects(TiPlotComponent& Plot)
{
    TiPlotMasterManager* master = Plot.Master();
    master->ToolBarManager()->Item(master->AddToolBar())->SetZOrder(3);
    master->LegendManager()->Item(master->AddLegend())->SetZOrder(2);
    master->AddXAxis();
    master->AddYAxis();
    master->AddChannel();
    master->AddDataView();
    master->AddDataCursor();
    TiPlotLabel* title = master->LabelManager()->Item(master->AddLabel());
    title->SetZOrder(2);
    title->SetName(QStringLiteral("Title"));
    title->SetCaption(QStringLiteral("Untitled"));
    title->SetMarginBottom(0);
}
