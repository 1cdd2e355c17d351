#include "controls/LProgressBar.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TShape.h"

#include <algorithm>

using namespace vcl;

namespace {

QString SegmentName(int number)
{
    return QStringLiteral("shape") + QString::number(number);
}

} // namespace

LProgressBar::LProgressBar(TComponent* AOwner) : TPanel(AOwner)
{
    SetBevelInner(TPanelBevel::bvLowered);
    SetBevelOuter(TPanelBevel::bvLowered);
    SetBounds(Left(), Top(), 14, 132);
    SetColor(0);
    for (int i = 0; i < m_segmentCount; ++i)
        CreateSegment(i + 1);
}

LProgressBar::~LProgressBar()
{
    BeforeDestruction();
}

TShape* LProgressBar::Segment(int number) const
{
    if (number < 1 || number > m_shapeCount)
        return nullptr;
    return dynamic_cast<TShape*>(FindComponent(SegmentName(number)));
}

int LProgressBar::ZoneOf(int index) const
{
    if (index < m_count[0])
        return 0;
    if (index < m_count[0] + m_count[1])
        return 1;
    return 2;
}

void LProgressBar::CreateSegment(int number)
{
    auto* shape = new TShape(this);
    LayoutSegment(shape, number - 1);
    shape->SetName(SegmentName(number));
    shape->Brush()->SetColor(UnlitColor(ZoneOf(number - 1)));
    shape->SetParent(this);
}

void LProgressBar::LayoutSegment(TShape* shape, int index)
{
    const int n = m_segmentCount;
    if (n <= 0)
        return;
    const int w = Width();
    const int h = Height();
    const int top = SaturateToInt(static_cast<double>(h) / n * index) - 1;
    shape->SetBounds(0, top, w, h / n + 2);
}

void LProgressBar::SetPosition(int value)
{
    if (value == m_position)
        return;
    m_position = value > m_max ? m_max : value < m_min ? m_min : value;
    const int n = m_segmentCount;
    if (n <= 0)
        return;
    const float step = static_cast<float>(static_cast<double>(m_max) / n);
    int lit;
    if (step > 0.0f)
        lit = SaturateToInt(static_cast<double>(m_position) / static_cast<double>(step));
    else
        lit = value >= m_max ? n : 0; // no scale to divide by: full or empty
    lit = std::clamp(lit, 0, n);
    if (value >= m_max && lit < n)
        ++lit; // the float step can leave full scale one short
    for (int k = 0; k < lit; ++k) {
        TShape* s = Segment(n - k);
        if (!s)
            continue;
        const TColor c = s->Brush()->Color();
        for (int z = 0; z < 3; ++z) {
            if (c == UnlitColor(z)) {
                s->Brush()->SetColor(m_litColor[z]);
                break;
            }
        }
    }
    for (int k = 0; k < n - lit; ++k) {
        TShape* s = Segment(k + 1);
        if (!s)
            continue;
        const TColor c = s->Brush()->Color();
        for (int z = 0; z < 3; ++z) {
            if (c == m_litColor[z]) {
                s->Brush()->SetColor(UnlitColor(z));
                break;
            }
        }
    }
}

void LProgressBar::SetZoneColor(int zone, TColor value)
{
    TColor& stored = zone == 0 ? m_firstColor : zone == 1 ? m_secondColor : m_thirdColor;
    if (value == stored)
        return;
    stored = value;
    for (int i = 0; i < m_shapeCount; ++i)
        if (ZoneOf(i) == zone)
            if (TShape* s = Segment(i + 1))
                s->Brush()->SetColor(value);
}

void LProgressBar::SetLitColor(int zone, TColor value)
{
    const TColor old = m_litColor[zone];
    if (value == old)
        return;
    for (int i = 0; i < m_shapeCount; ++i)
        if (ZoneOf(i) == zone)
            if (TShape* s = Segment(i + 1); s && s->Brush()->Color() == old)
                s->Brush()->SetColor(value);
    m_litColor[zone] = value;
}

// Moves the names of segments from..to (inclusive) by `by`; walks away from the direction of the
// move so that no two segments ever share a name.
void LProgressBar::Renumber(int from, int to, int by)
{
    if (by > 0) {
        for (int k = to; k >= from; --k)
            if (auto* s = FindComponent(SegmentName(k)))
                s->SetName(SegmentName(k + by));
    } else {
        for (int k = from; k <= to; ++k)
            if (auto* s = FindComponent(SegmentName(k)))
                s->SetName(SegmentName(k + by));
    }
}

void LProgressBar::SetZoneCount(int zone, int value)
{
    value = std::max(0, value);
    const int old = m_count[zone];
    if (value == old)
        return;
    const int f = m_count[0];
    const int s = m_count[1];
    // The last segment number before the zone and the last one inside it.
    const int before = zone == 0 ? 0 : zone == 1 ? f : f + s;
    const int zoneEnd = before + old;
    m_segmentCount = m_segmentCount - old + value;
    if (value > old) {
        const int d = value - old;
        Renumber(zoneEnd + 1, m_shapeCount, d);
        for (int k = zoneEnd + 1; k <= zoneEnd + d; ++k) {
            auto* shape = new TShape(this);
            shape->SetName(SegmentName(k));
            shape->SetParent(this);
        }
    } else {
        const int d = old - value;
        for (int k = zoneEnd; k > zoneEnd - d; --k)
            delete FindComponent(SegmentName(k));
        Renumber(zoneEnd + 1, m_shapeCount, -d);
    }
    m_count[zone] = value;
    m_shapeCount = m_segmentCount;
    LayoutAndResetAll();
}

void LProgressBar::LayoutAndResetAll()
{
    for (int i = 0; i < m_segmentCount; ++i) {
        if (TShape* shape = Segment(i + 1)) {
            LayoutSegment(shape, i);
            shape->Brush()->SetColor(UnlitColor(ZoneOf(i)));
        }
    }
}

void LProgressBar::Paint()
{
    TPanel::Paint();
    if (m_layoutWidth == 0 || (Width() == m_layoutWidth && Height() == m_layoutHeight))
        return;
    m_layoutWidth = Width();
    m_layoutHeight = Height();
    for (int i = 0; i < m_segmentCount; ++i)
        if (TShape* shape = Segment(i + 1))
            LayoutSegment(shape, i);
}
