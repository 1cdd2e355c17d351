#pragma once
// Whether a picture of the main window's compressor or gate plot shows the curve its channel holds:
// the curve's colour lies within a pixel of the middle of every segment.

#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"

#include <QImage>
#include <QPoint>

#include <algorithm>

namespace edtest {

// Image shows the plot with the plot's top-left corner at Origin (in pixels); a picture of a device
// pixel ratio above 1, as a screen of that ratio shows the window, holds ratio x ratio device
// pixels for each pixel.
inline bool TransferCurveDrawn(const TiXYPlot& Plot, const QImage& Image, QPoint Origin = QPoint(0, 0))
{
    const int ratio = std::max(1, qRound(Image.devicePixelRatio()));
    const TiXYPlotChannel* curve = Plot.Channel(0);
    if (curve->Count() < 2)
        return false;
    const QRgb colour = vcl::ToQColor(curve->Color()).rgb() & 0xFFFFFF;
    for (int i = 1; i < curve->Count(); ++i) {
        const double x = (curve->GetX(i - 1) + curve->GetX(i)) / 2;
        const double y = (curve->GetY(i - 1) + curve->GetY(i)) / 2;
        const QPoint at = Origin + QPoint(Plot.XAxis(0)->PositionToPixels(x), Plot.YAxis(0)->PositionToPixels(y));
        // The pixel and its neighbours, in device pixels.
        bool found = false;
        for (int v = (at.y() - 1) * ratio; v < (at.y() + 2) * ratio && !found; ++v)
            for (int u = (at.x() - 1) * ratio; u < (at.x() + 2) * ratio && !found; ++u)
                found = Image.rect().contains(u, v) && (Image.pixel(u, v) & 0xFFFFFF) == colour;
        if (!found)
            return false;
    }
    return true;
}

} // namespace edtest
