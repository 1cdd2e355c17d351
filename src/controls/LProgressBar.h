#pragma once
// Vertical segmented level meter: three colour zones of shape segments, lit from the bottom up.

#include "platform/core/TColor.h"
#include "platform/ui/TPanel.h"

namespace vcl {
class TShape;
}

class LProgressBar : public vcl::TPanel
{
public:
    explicit LProgressBar(vcl::TComponent* AOwner);
    ~LProgressBar() override;

    // The panel's own properties, then the meter's; each stays out of a form while it holds the value
    // the meter starts with. The segments are built by the meter and never stored.
    const vcl::TPropertyTable* PublishedProperties() const override;

    vcl::TColor FirstColor() const { return m_firstColor; }
    vcl::TColor SecondColor() const { return m_secondColor; }
    vcl::TColor ThirdColor() const { return m_thirdColor; }
    void SetFirstColor(vcl::TColor value) { SetZoneColor(0, value); }
    void SetSecondColor(vcl::TColor value) { SetZoneColor(1, value); }
    void SetThirdColor(vcl::TColor value) { SetZoneColor(2, value); }

    vcl::TColor LFirstColor() const { return m_litColor[0]; }
    vcl::TColor LSecondColor() const { return m_litColor[1]; }
    vcl::TColor LThirdColor() const { return m_litColor[2]; }
    void SetLFirstColor(vcl::TColor value) { SetLitColor(0, value); }
    void SetLSecondColor(vcl::TColor value) { SetLitColor(1, value); }
    void SetLThirdColor(vcl::TColor value) { SetLitColor(2, value); }

    int FirstNum() const { return m_count[0]; }
    int SecondNum() const { return m_count[1]; }
    int ThirdNum() const { return m_count[2]; }
    // A negative count is taken as 0.
    void SetFirstNum(int value) { SetZoneCount(0, value); }
    void SetSecondNum(int value) { SetZoneCount(1, value); }
    void SetThirdNum(int value) { SetZoneCount(2, value); }

    int Position() const { return m_position; }
    // Clamps to Min..Max and lights that share of the segments from the bottom.
    void SetPosition(int value);
    int Max() const { return m_max; }
    void SetMax(int value) { m_max = value; }
    int Min() const { return m_min; }
    void SetMin(int value) { m_min = value; }

    int SegmentCount() const { return m_segmentCount; }
    // Segment number 1..N from the top; nullptr for any other number.
    vcl::TShape* Segment(int number) const;

protected:
    // The panel's paint, then a new segment layout when the size changed since the last one.
    void Paint() override;

private:
    vcl::TColor UnlitColor(int zone) const { return zone == 0 ? m_firstColor : zone == 1 ? m_secondColor : m_thirdColor; }
    int ZoneOf(int index) const;
    void SetZoneColor(int zone, vcl::TColor value);
    void SetLitColor(int zone, vcl::TColor value);
    void SetZoneCount(int zone, int value);
    void CreateSegment(int number);
    void Renumber(int from, int to, int by);
    void LayoutSegment(vcl::TShape* shape, int index);
    void LayoutAndResetAll();

    vcl::TColor m_firstColor { 128 };
    vcl::TColor m_secondColor { 32896 };
    vcl::TColor m_thirdColor { 32768 };
    vcl::TColor m_litColor[3] { 255, 65535, 65280 };
    int m_count[3] { 1, 1, 3 };
    int m_position { 0 };
    int m_max { 100 };
    int m_min { 0 };
    int m_segmentCount { 5 };
    int m_shapeCount { 5 };
    int m_layoutWidth { 14 };
    int m_layoutHeight { 132 };
};
