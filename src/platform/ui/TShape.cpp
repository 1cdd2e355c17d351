#include "platform/ui/TShape.h"

#include "platform/ui/TCanvas.h"

namespace vcl {

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 65);
    m_pen.OnChange = [this](TObject*) { Invalidate(); };
    m_brush.OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape()
{
    BeforeDestruction();
}

void TShape::SetShape(TShapeType value)
{
    if (value == m_shape)
        return;
    m_shape = value;
    Invalidate();
}

// The pen's width stays inside the bounds; squares and circles take the shorter side, centred.
void TShape::Paint()
{
    TCanvas* c = Canvas();
    c->Pen()->Assign(&m_pen);
    c->Brush()->Assign(&m_brush);
    const int pw = m_pen.Width();
    int x = pw / 2;
    int y = x;
    int w = Width() - pw + 1;
    int h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (w < h && (m_shape == TShapeType::stSquare || m_shape == TShapeType::stRoundSquare || m_shape == TShapeType::stCircle)) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && (m_shape == TShapeType::stSquare || m_shape == TShapeType::stRoundSquare || m_shape == TShapeType::stCircle)) {
        x += (w - h) / 2;
        w = h;
    }
    switch (m_shape) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare: c->Rectangle(x, y, x + w, y + h); break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: c->RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case TShapeType::stEllipse:
    case TShapeType::stCircle: c->Ellipse(x, y, x + w, y + h); break;
    }
}

} // namespace vcl
