#pragma once
// What a curve set needs of the response plot control it draws on: curves by id, markers, the highlight.

#include "platform/core/TColor.h"

class ResponseView
{
public:
    virtual ~ResponseView() = default;

    // Adds the curve y[0..n-1] over X = 0..n-1 under id, or replaces the points of the curve with that id
    // (keeping its colour and style); true when the id was already drawn.
    virtual bool FFTDraw(const double* y, int n, int id, vcl::TColor colour, int style) = 0;
    // Removes the curve with that id; false when there is none.
    virtual bool RemovePlot(int id) = 0;
    // Places marker slot index (0..49) at (x, y) in axis units and draws it.
    virtual void DrawBlock(double y, double x, vcl::TColor colour, int index, bool hidden, int kind) = 0;
    // Stores the values a marker's labels show.
    virtual void SetBlockParameter(int index, double freqHz, double gainDb, double q, int curveType) = 0;
    // Stores and draws the selected band's parameter labels.
    virtual void DrawParam(int layout, double gain, double x, float freqHz, double q, vcl::TColor colour) = 0;
    // Stores curve[0..count-1] (count <= 4096) as the selected band's curve and draws its fill.
    virtual void DrawCurveFill(int type, const double* curve, int count) = 0;
    // Whether later repaints redraw the selected band's highlight.
    virtual void SetCurveDisplay(bool on) = 0;

protected:
    ResponseView() = default;
    ResponseView(const ResponseView&) = default;
    ResponseView& operator=(const ResponseView&) = default;
};
