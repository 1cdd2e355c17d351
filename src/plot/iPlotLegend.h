#pragma once
// The legend of the plot's channels; a layout object placed around the data view.

#include "plot/iPlotObjects.h"

class TiPlotLegend : public TiPlotLayoutObject
{
public:
    TiPlotLegend(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
             vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename)
        : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                             std::move(AOnRename))
    {
        FHorizontal = false;
    }
    const vcl::TPropertyTable* PublishedProperties() const override;
};
