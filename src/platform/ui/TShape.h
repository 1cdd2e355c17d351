#pragma once
// A rectangle, rounded rectangle or ellipse drawn with its own pen and brush.

#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TGraphics.h"

namespace vcl {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl
{
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType value);
    TPen* Pen() { return &m_pen; }
    TBrush* Brush() { return &m_brush; }

protected:
    void Paint() override;

private:
    TShapeType m_shape { TShapeType::stRectangle };
    TPen m_pen;
    TBrush m_brush;
};

} // namespace vcl
