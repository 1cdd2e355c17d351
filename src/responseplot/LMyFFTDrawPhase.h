#pragma once
// The response plot control of every channel: magnitude or phase curves with their Y label unit
// and scale, band markers with numbered circles and HPF/LPF squares, and the selected-band highlight.

#include "responseplot/LMyFFTDrawBase.h"

class LMyFFTDrawPhase : public LMyFFTDrawBase
{
public:
    explicit LMyFFTDrawPhase(vcl::TComponent* owner);
    // A control of the source's owner holding copies of its curves and settings.
    LMyFFTDrawPhase(const LMyFFTDrawPhase& source);
    LMyFFTDrawPhase& operator=(const LMyFFTDrawPhase&) = delete;
    ~LMyFFTDrawPhase() override;

    // Factor applied to the numbers of the value labels (10 shows tens of degrees as degrees).
    double YLabelScale() const { return m_yLabelScale; }
    virtual void SetYLabelScale(double v);
    // Unit written after every value label.
    const QString& YLabel() const { return m_yLabel; }
    virtual void SetYLabel(const QString& v);

protected:
    QString YLabelUnit() const override { return m_yLabel; }
    double YLabelFactor() const override { return m_yLabelScale; }
    bool DrawExtraMarker(int kind, double sx, double sy) override;
    int BandLabelLayout(double curveType) const override;
    LabelOffsets ParamOffsets(int layout, bool above) const override;
    LabelOffsets SelectedOffsets(int layout, bool above) const override { return ParamOffsets(layout, above); }
};
