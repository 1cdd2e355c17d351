#include "response/ResponseGrid.h"

#include <cmath>
#include <numbers>

const ResponseGrid& ResponseGrid::Instance()
{
    static const ResponseGrid grid;
    return grid;
}

ResponseGrid::ResponseGrid()
{
    const double step = std::log10(TopHz) / PointCount;
    for (int i = 0; i < PointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_freq[k] = std::pow(10.0, i * step);
        const double w = std::numbers::pi * m_freq[k] / TopHz;
        m_cos1[k] = std::cos(w);
        m_sin1[k] = std::sin(w);
        m_cos2[k] = std::cos(2.0 * w);
        m_sin2[k] = std::sin(2.0 * w);
    }
}

double ResponseGrid::Position(double hz)
{
    // Held between a micro-hertz and a gigahertz so a marker never carries NaN or infinity to the plot.
    if (!(hz > 0.0))
        return 0.0;
    const double f = std::fmin(std::fmax(hz, 1e-6), 1e9);
    return PointCount * std::log10(f) / std::log10(TopHz);
}
