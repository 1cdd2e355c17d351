#pragma once
// A page's pixels and canvas state as a full redraw left them, kept under a fingerprint of
// everything that redraw reads, so that an identical redraw becomes a copy.

#include "platform/ui/TCanvas.h"

#include <QImage>

#include <vector>

class PlotPageCache
{
public:
    // Puts the kept pixels, pen, brush and pen position back; false when the fingerprint differs.
    bool Restore(const std::vector<double>& fingerprint, vcl::TCanvas& canvas) const;
    // Keeps what the canvas holds now under the fingerprint.
    void Keep(const std::vector<double>& fingerprint, vcl::TCanvas& canvas);
    void Forget() { m_valid = false; }

private:
    bool m_valid { false };
    std::vector<double> m_fingerprint;
    QImage m_pixels;
    vcl::TPen m_pen;
    vcl::TBrush m_brush;
    vcl::TPoint m_penPos;
};
