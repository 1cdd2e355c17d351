#pragma once
// The grid table shown beside the data view; a layout object placed around the data view.

#include "plot/iPlotObjects.h"

class TiPlotTable : public TiPlotLayoutObject
{
public:
    TiPlotTable(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
             vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename)
        : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                             std::move(AOnRename))
    {
        FHorizontal = false;
    }
    const vcl::TPropertyTable* PublishedProperties() const override;
};
