#pragma once
// The smallest, largest, first and last value of one pixel column of a strip-chart channel.

#include "platform/core/TPersistent.h"

class TiPlotMinMaxPoint : public vcl::TPersistent
{
public:
    TiPlotMinMaxPoint() { Clear(); }

    bool Empty { true };
    int XPixels { 0 };
    double XValue { 0 };
    double YMax { 0 };
    double YMin { 0 };
    double YFirst { 0 };
    double YLast { 0 };

    // Empty again, with YMax and YMin ready to take any value; the other fields stay.
    void Clear();
    void AddData(double NewXValue, double NewYValue, int NewXPixels);
    void AssignDown(const TiPlotMinMaxPoint& Source);
};
