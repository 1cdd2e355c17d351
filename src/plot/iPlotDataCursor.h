#pragma once
// A measurement cursor over a data view, reading the values of one channel. Invisible when new.

#include "plot/iPlotObjects.h"

class TiPlotDataView;

class TiPlotDataCursor : public TiPlotManagerObject
{
public:
    TiPlotDataCursor(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                     vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& ChannelName() const { return FChannelName; }
    void SetChannelName(const QString& Value) { SetStringProperty(Value, FChannelName, &TiPlotObject::DoChange); }
    // The data view the cursor moves over (not owned; dropped when it goes away).
    TiPlotDataView* DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView* Value) { FDataView = Value; }

    void NotificationRemove(vcl::TObject* AObject) override;
    void NotificationRename(TiPlotObject* AObject) override;

private:
    QString FChannelName;
    TiPlotDataView* FDataView { nullptr };
};
