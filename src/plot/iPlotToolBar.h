#pragma once
// The toolbar of buttons that pause, scroll, zoom, copy, save, print and edit the plot; a layout object placed around the data view.

#include "plot/iPlotObjects.h"

class TiPlotToolBar : public TiPlotLayoutObject
{
public:
    TiPlotToolBar(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
             vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename)
        : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                             std::move(AOnRename))
    {
        FHorizontal = true;
    }
    const vcl::TPropertyTable* PublishedProperties() const override;
};
