#pragma once
// The plot area between the axes: the names of the axes whose ticks give its grid lines.

#include "plot/iPlotObjects.h"

class TiPlotDataView : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    const vcl::TPropertyTable* PublishedProperties() const override;

    // "<ALL>" in any letter case stands for every axis of the kind.
    const QString& GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString& Value) { SetStringProperty(Value, FGridXAxisName, &TiPlotObject::DoChange); }
    const QString& GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString& Value) { SetStringProperty(Value, FGridYAxisName, &TiPlotObject::DoChange); }
    bool GridShow() const { return FGridShow; }
    void SetGridShow(bool Value) { SetBooleanProperty(Value, FGridShow, &TiPlotObject::DoChange); }

    void NotificationRename(TiPlotObject* AObject) override;

private:
    QString FGridXAxisName;
    QString FGridYAxisName;
    bool FGridShow { true };
};
