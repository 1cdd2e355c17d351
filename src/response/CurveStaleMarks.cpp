#include "response/CurveStaleMarks.h"

void CurveStaleMarks::MarkCurveStale(int ch)
{
    if (ch < 0 || ch > 7)
        return;
    const std::uint32_t bit = 1u << ch;
    if (ch < 2) {
        OverlayStale[0] |= bit;
        OverlayStale[1] |= bit;
        OverlayStale[GainInPlot] |= bit;
    } else {
        for (int k = 2; k <= 7; ++k)
            OverlayStale[static_cast<std::size_t>(k)] |= bit;
        OverlayStale[GainOutPlot] |= bit;
    }
}
