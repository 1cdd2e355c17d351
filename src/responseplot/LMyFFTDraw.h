#pragma once
// The twin response plot control: the same curves, pages and navigation, value labels always in dB
// without scale, three more marker kinds ("L", "M", "H" circles) and its own label layouts.

#include "responseplot/LMyFFTDrawBase.h"

class LMyFFTDraw : public LMyFFTDrawBase
{
public:
    explicit LMyFFTDraw(vcl::TComponent* owner);
    LMyFFTDraw(const LMyFFTDraw& source);
    LMyFFTDraw& operator=(const LMyFFTDraw&) = delete;
    ~LMyFFTDraw() override;

protected:
    QString YLabelUnit() const override { return QStringLiteral("dB"); }
    double YLabelFactor() const override { return 1.0; }
    bool DrawExtraMarker(int kind, double sx, double sy) override;
    int BandLabelLayout(double curveType) const override;
    LabelOffsets ParamOffsets(int layout, bool above) const override;
    LabelOffsets SelectedOffsets(int layout, bool above) const override;
};
