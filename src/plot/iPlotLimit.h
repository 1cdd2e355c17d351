#pragma once
// A limit line or band drawn against one X and one Y axis.

#include "plot/iPlotObjects.h"

class TiPlotLimit : public TiPlotManagerObject
{
public:
    using TiPlotManagerObject::TiPlotManagerObject;
    const vcl::TPropertyTable* PublishedProperties() const override;

    const QString& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString& Value) { SetStringProperty(Value, FXAxisName, &TiPlotObject::DoChange); }
    const QString& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString& Value) { SetStringProperty(Value, FYAxisName, &TiPlotObject::DoChange); }

private:
    QString FXAxisName;
    QString FYAxisName;
};
