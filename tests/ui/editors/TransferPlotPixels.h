#pragma once
// Whether a picture of the main window's compressor or gate plot shows the curve its channel holds:
// the curve's colour lies within a pixel of the middle of every segment.

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"

#include <QImage>
#include <QPoint>

namespace edtest {

// Image shows the plot with the plot's top-left corner at Origin.
inline bool TransferCurveDrawn(const TiXYPlot& Plot, const QImage& Image, QPoint Origin = QPoint(0, 0))
{
    const TiXYPlotChannel* curve = Plot.Channel(0);
    if (curve->Count() < 2)
        return false;
    const QRgb colour = vcl::ToQColor(curve->Color()).rgb() & 0xFFFFFF;
    for (int i = 1; i < curve->Count(); ++i) {
        const double x = (curve->GetX(i - 1) + curve->GetX(i)) / 2;
        const double y = (curve->GetY(i - 1) + curve->GetY(i)) / 2;
        const QPoint at = Origin + QPoint(Plot.XAxis(0)->PositionToPixels(x), Plot.YAxis(0)->PositionToPixels(y));
        bool found = false;
        for (int dx = -1; dx <= 1 && !found; ++dx)
            for (int dy = -1; dy <= 1 && !found; ++dy) {
                const QPoint p = at + QPoint(dx, dy);
                found = Image.rect().contains(p) && (Image.pixel(p) & 0xFFFFFF) == colour;
            }
        if (!found)
            return false;
    }
    return true;
}

} // namespace edtest
