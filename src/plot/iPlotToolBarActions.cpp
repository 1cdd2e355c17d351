// What the toolbar's buttons do, each framed by the plot's before- and after-events, and how the
// Cursor and Select buttons' states reach the data cursors and the plot's select mode.

#include "plot/iPlotAxis.h"
#include "plot/iPlotComponent.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDecorationHost.h"
#include "plot/iPlotToolBar.h"

using namespace vcl;
using BT = TiPlotToolBarButtonType;

bool TiPlotToolBar::Before(BT Type)
{
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot || plot->IsLoading() || !plot->OnBeforeToolBarButtonClick)
        return true;
    bool cancel = false;
    plot->OnBeforeToolBarButtonClick(plot, Index(), Type, cancel);
    return !cancel;
}

void TiPlotToolBar::After(BT Type)
{
    TiPlotComponent* plot = iplot::PlotOf(this);
    if (plot && !plot->IsLoading() && plot->OnToolBarButtonClick)
        plot->OnToolBarButtonClick(plot, Index(), Type);
}

void TiPlotToolBar::DoButtonClickResume()
{
    if (!Before(BT::iptbbtResume))
        return;
    if (FCursorButton->Down())
        DoButtonClickCursor();
    if (FSelectButton->Down())
        DoButtonClickSelect();
    if (TiPlotComponent* plot = iplot::PlotOf(this))
        plot->Master()->DeSelectAll();
    iplot::SetAllTracking(this, true);
    After(BT::iptbbtResume);
}

void TiPlotToolBar::DoButtonClickPause()
{
    if (!Before(BT::iptbbtPause))
        return;
    iplot::SetAllTracking(this, false);
    After(BT::iptbbtPause);
}

void TiPlotToolBar::SetAxesMode(bool ZoomMode)
{
    FAxesModeScrollButton->SetDown(!ZoomMode);
    FAxesModeZoomButton->SetDown(ZoomMode);
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot)
        return;
    const TiPlotAxisMode mode = ZoomMode ? TiPlotAxisMode::ipamZoom : TiPlotAxisMode::ipamScroll;
    for (int i = 0; i < plot->XAxisCount(); ++i)
        plot->XAxis(i)->SetMode(mode);
    for (int i = 0; i < plot->YAxisCount(); ++i)
        plot->YAxis(i)->SetMode(mode);
}

void TiPlotToolBar::DoButtonClickScrollAxesMode()
{
    if (!Before(BT::iptbbtScrollAxesMode))
        return;
    SetAxesMode(false);
    After(BT::iptbbtScrollAxesMode);
}

void TiPlotToolBar::DoButtonClickZoomAxesMode()
{
    if (!Before(BT::iptbbtZoomAxesMode))
        return;
    SetAxesMode(true);
    After(BT::iptbbtZoomAxesMode);
}

void TiPlotToolBar::Zoom(BT Type, double LinearFactor, double LogFactor)
{
    if (!Before(Type))
        return;
    DoButtonClickPause();
    if (const TiPlotComponent* plot = iplot::PlotOf(this)) {
        auto zoom = [&](TiPlotAxis* axis) {
            axis->Zoom(axis->ScaleType() == TiPlotScaleType::ipstLog10 ? LogFactor : LinearFactor);
        };
        for (int i = 0; i < plot->XAxisCount(); ++i)
            zoom(plot->XAxis(i));
        for (int i = 0; i < plot->YAxisCount(); ++i)
            zoom(plot->YAxis(i));
    }
    After(Type);
}

void TiPlotToolBar::DoButtonClickZoomIn() { Zoom(BT::iptbbtZoomIn, 1.0 / FZoomInOutFactor, -1.0); }

void TiPlotToolBar::DoButtonClickZoomOut() { Zoom(BT::iptbbtZoomOut, FZoomInOutFactor, 1.0); }

void TiPlotToolBar::DoButtonClickSelect()
{
    if (!Before(BT::iptbbtSelect))
        return;
    FSelectButton->SetDown(!FSelectButton->Down());
    FZoomBoxButton->SetDown(false);
    After(BT::iptbbtSelect);
}

void TiPlotToolBar::DoButtonClickZoomBox()
{
    if (!Before(BT::iptbbtZoomBox))
        return;
    FSelectButton->SetDown(false);
    FZoomBoxButton->SetDown(!FZoomBoxButton->Down());
    After(BT::iptbbtZoomBox);
}

void TiPlotToolBar::DoButtonClickCursor()
{
    if (!Before(BT::iptbbtCursor))
        return;
    FCursorButton->SetDown(!FCursorButton->Down());
    After(BT::iptbbtCursor);
}

void TiPlotToolBar::DoButtonClickEdit()
{
    if (!Before(BT::iptbbtEdit))
        return;
    if (TiPlotComponent* plot = iplot::PlotOf(this))
        TiPlotDecorationEvents::RunHook(plot->EditPropertiesHook, QStringLiteral("The property editor"));
}

void TiPlotToolBar::DoButtonClickCopy()
{
    if (!Before(BT::iptbbtCopy))
        return;
    if (TiPlotComponent* plot = iplot::PlotOf(this))
        plot->CopyToClipBoard();
    After(BT::iptbbtCopy);
}

void TiPlotToolBar::DoButtonClickSave()
{
    if (!Before(BT::iptbbtSave))
        return;
    if (TiPlotComponent* plot = iplot::PlotOf(this))
        plot->Save();
    After(BT::iptbbtSave);
}

void TiPlotToolBar::DoButtonClickPrint()
{
    if (!Before(BT::iptbbtPrint))
        return;
    if (TiPlotComponent* plot = iplot::PlotOf(this))
        plot->PrintChart();
    After(BT::iptbbtPrint);
}

void TiPlotToolBar::DoButtonClickPreview()
{
    if (!Before(BT::iptbbtPreview))
        return;
    if (TiPlotComponent* plot = iplot::PlotOf(this))
        plot->PreviewChart();
    After(BT::iptbbtPreview);
}

void TiPlotToolBar::CursorDownChange()
{
    const TiPlotComponent* plot = iplot::PlotOf(this);
    if (!plot)
        return;
    const bool down = FCursorButton->Down();
    for (int i = 0; i < plot->DataCursorCount(); ++i)
        plot->DataCursor(i)->SetVisible(down);
    if (!down)
        return;
    iplot::SetAllTracking(this, false);
    if (plot->DataCursorCount() > 0)
        plot->DataCursor(0)->SetUserSelected(true);
}

void TiPlotToolBar::SelectDownChange()
{
    if (FSelectButton->Down())
        iplot::SetAllTracking(this, false);
    iplot::SetSelectActive(this, FSelectButton->Down());
}
