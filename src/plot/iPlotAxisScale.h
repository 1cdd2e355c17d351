#pragma once
// What a channel needs of the axes it is drawn against: the value range, the value-to-pixel mapping
// and the tracking feed. An axis class offers it by deriving from IiPlotAxisScale (the names match the
// axis's own operations, so the axis's functions implement it as they are).

class IiPlotAxisScale
{
public:
    virtual double Min() const = 0;
    virtual double Max() const = 0;
    virtual int PositionToPixels(double Value) const = 0;
    virtual double PixelsToPosition(int Pixels) const = 0;
    // True when the value's pixel lies on the scale, both ends included.
    virtual bool ValueOnScale(double Value) const = 0;
    virtual int MinPixels() const = 0;
    virtual int MaxPixels() const = 0;
    virtual void NewTrackingData(double Value) = 0;

protected:
    ~IiPlotAxisScale() = default;
};

// Percent of the plot's first data view to pixels, for values given as percentages.
class IiPlotPercentScale
{
public:
    virtual int PositionPercentToPixelsX(double Percent) const = 0;
    virtual int PositionPercentToPixelsY(double Percent) const = 0;

protected:
    ~IiPlotPercentScale() = default;
};
