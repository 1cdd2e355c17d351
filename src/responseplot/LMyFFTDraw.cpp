#include "responseplot/LMyFFTDraw.h"

#include "platform/core/NumberUtils.h"

#include <algorithm>

LMyFFTDraw::LMyFFTDraw(vcl::TComponent* owner) : LMyFFTDrawBase(owner) {}

LMyFFTDraw::LMyFFTDraw(const LMyFFTDraw& source)
    : LMyFFTDrawBase(source.Owner(), NoSetup {})
{
    AssignPlot(&source);
}

LMyFFTDraw::~LMyFFTDraw() = default;

bool LMyFFTDraw::DrawExtraMarker(int kind, double sx, double sy)
{
    if (kind < 4 || kind > 6)
        return false;
    vcl::TCanvas& c = *PlotPage()->Canvas();
    c.Ellipse(vcl::SaturateToInt(sx - 3), vcl::SaturateToInt(sy - 3), vcl::SaturateToInt(sx + 3),
              vcl::SaturateToInt(sy + 3));
    c.Font()->SetSize(11);
    static const char* const letters[] = { "L", "M", "H" };
    constexpr int limit = 1000000; // the text cell must stay representable however far off the page
    c.TextOut(std::clamp(vcl::SaturateToInt(sx - 3), -limit, limit), std::clamp(vcl::SaturateToInt(sy - 23), -limit, limit),
              QString::fromLatin1(letters[kind - 4]));
    return true;
}

int LMyFFTDraw::BandLabelLayout(double curveType) const
{
    return vcl::SaturateToInt(curveType - 1);
}

LMyFFTDrawBase::LabelOffsets LMyFFTDraw::ParamOffsets(int layout, bool above) const
{
    if (layout == 0)
        return above ? LabelOffsets { -69, -56, -43 } : LabelOffsets { 20, 33, 46 };
    if (layout <= 2)
        return above ? LabelOffsets { NoLabel, -46, -33 } : LabelOffsets { NoLabel, 20, 33 };
    return above ? LabelOffsets { NoLabel, -43, NoLabel } : LabelOffsets { NoLabel, 20, NoLabel };
}

LMyFFTDrawBase::LabelOffsets LMyFFTDraw::SelectedOffsets(int layout, bool above) const
{
    if (layout == 0)
        return above ? LabelOffsets { -69, -56, -43 } : LabelOffsets { 20, 33, 46 };
    if (layout <= 2)
        return above ? LabelOffsets { NoLabel, -56, -43 } : LabelOffsets { NoLabel, 20, 33 };
    return above ? LabelOffsets { NoLabel, -43, NoLabel } : LabelOffsets { NoLabel, 20, NoLabel };
}
