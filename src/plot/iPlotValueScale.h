#pragma once
// What a channel needs of the axes it is drawn against: the value range and the value-to-pixel
// mapping (IiPlotAxisScale), and the tracking feed (IiPlotAxisTracking). An axis offers them by
// deriving from them; the names are the axis's own, so its functions implement them as they are.

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
    // True when the pixel never turns back as the value grows (a linear scale), so that a run of
    // values spans the pixels of its smallest and largest value.
    virtual bool PixelsFollowValues() const { return false; }

protected:
    ~IiPlotAxisScale() = default;
};

// A source that has handed an axis values without the axis taking them in yet (a channel adding
// points in a stream); it gives them to the axis, in the order they came, when asked to settle.
class IiPlotTrackingDebtor
{
public:
    virtual void SettleTracking() = 0;

protected:
    ~IiPlotTrackingDebtor() = default;
};

class IiPlotAxisTracking
{
public:
    virtual void NewTrackingData(double Value) = 0;
    // False while the axis ignores tracking data: a source of many points may skip the call.
    bool TakesTrackingData() const { return m_takesTrackingData; }
    // Debtor owes this axis values from now on; a debt of another source is settled first. The axis
    // settles before anyone reads or changes its range, so nobody sees it without those values.
    void Owe(IiPlotTrackingDebtor* Debtor)
    {
        if (m_debtor != Debtor) {
            SettleOwed();
            m_debtor = Debtor;
        }
    }
    // The debtor has paid (or has nothing left to pay).
    void Forgive(const IiPlotTrackingDebtor* Debtor)
    {
        if (m_debtor == Debtor)
            m_debtor = nullptr;
    }

protected:
    ~IiPlotAxisTracking() = default;
    void SetTakesTrackingData(bool Value) { m_takesTrackingData = Value; }
    // Takes in the values a source still owes.
    void SettleOwed() const
    {
        if (m_debtor) [[unlikely]]
            m_debtor->SettleTracking();
    }

private:
    bool m_takesTrackingData { true };
    IiPlotTrackingDebtor* m_debtor { nullptr };
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
