#include "responseplot/LMyFFTDrawPhase.h"

#include "platform/core/NumberUtils.h"

LMyFFTDrawPhase::LMyFFTDrawPhase(vcl::TComponent* owner) : LMyFFTDrawBase(owner)
{
    m_yLabel = QStringLiteral("dB");
    m_yLabelScale = 1.0;
}

LMyFFTDrawPhase::LMyFFTDrawPhase(const LMyFFTDrawPhase& source)
    : LMyFFTDrawBase(source.Owner(), NoSetup {})
{
    AssignPlot(&source);
    m_yLabelScale = source.m_yLabelScale;
}

LMyFFTDrawPhase::~LMyFFTDrawPhase() = default;

void LMyFFTDrawPhase::SetYLabelScale(double v)
{
    m_yLabelScale = v;
    if (AutoRedraw())
        DrawPlotsAndLabels();
}

void LMyFFTDrawPhase::SetYLabel(const QString& v)
{
    m_yLabel = v;
    ResizePaintPage();
    if (AutoRedraw())
        DrawPlotsAndLabels();
}

bool LMyFFTDrawPhase::DrawExtraMarker(int kind, double sx, double sy)
{
    (void)kind;
    (void)sx;
    (void)sy;
    return false;
}

int LMyFFTDrawPhase::BandLabelLayout(double curveType) const
{
    if (curveType == 7)
        return 5;
    if (curveType == 17)
        return 6;
    return vcl::SaturateToInt(curveType - 1);
}

LMyFFTDrawBase::LabelOffsets LMyFFTDrawPhase::ParamOffsets(int layout, bool above) const
{
    if (layout <= 2)
        return above ? LabelOffsets { -69, -56, -43 } : LabelOffsets { 20, 33, 46 };
    if (layout == 3 || layout == 4 || layout == 6)
        return above ? LabelOffsets { -69, -56, NoLabel } : LabelOffsets { 20, 33, NoLabel };
    if (layout == 5 || layout == 10 || layout == 11)
        return above ? LabelOffsets { NoLabel, -43, NoLabel } : LabelOffsets { NoLabel, 20, NoLabel };
    return { NoLabel, NoLabel, NoLabel };
}
