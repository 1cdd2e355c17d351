#include "platform/ui/TGraphics.h"

namespace vcl {

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

// --- TPen ---

void TPen::Assign(TPersistent* Source)
{
    if (auto* pen = dynamic_cast<TPen*>(Source)) {
        if (pen == this)
            return;
        m_color = pen->m_color;
        m_width = pen->m_width;
        m_style = pen->m_style;
        m_mode = pen->m_mode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value < 0 || value == m_width)
        return;
    m_width = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (value == m_mode)
        return;
    m_mode = value;
    Changed();
}

// --- TBrush ---

void TBrush::Assign(TPersistent* Source)
{
    if (auto* brush = dynamic_cast<TBrush*>(Source)) {
        if (brush == this)
            return;
        m_color = brush->m_color;
        m_style = brush->m_style;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor value)
{
    if (value == m_color && m_style != TBrushStyle::bsClear)
        return;
    m_color = value;
    if (m_style == TBrushStyle::bsClear)
        m_style = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    Changed();
}

// --- TGraphic ---

void TGraphic::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

} // namespace vcl
