#include "platform/ui/TPanel.h"

#include "platform/core/SoftAssert.h"

#include <QPainter>

namespace vcl {

namespace {

void Frame3D(QPainter& p, QRect& r, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        p.setPen(ToQColor(topLeft));
        p.drawLine(r.left(), r.bottom(), r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.setPen(ToQColor(bottomRight));
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void Bevel(QPainter& p, QRect& r, TPanelBevel bevel, int width)
{
    if (bevel == TPanelBevel::bvLowered)
        Frame3D(p, r, clBtnShadow, clBtnHighlight, width);
    else if (bevel == TPanelBevel::bvRaised)
        Frame3D(p, r, clBtnHighlight, clBtnShadow, width);
    else if (bevel == TPanelBevel::bvSpace)
        r.adjust(width, width, -width, -width);
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
    SetParentColor(false);
    SetColor(clBtnFace);
}

TPanel::~TPanel()
{
    BeforeDestruction();
}

void TPanel::SetBevelOuter(TPanelBevel value) { m_bevelOuter = value; Realign(); Invalidate(); }
void TPanel::SetBevelInner(TPanelBevel value) { m_bevelInner = value; Realign(); Invalidate(); }
void TPanel::SetBevelWidth(int value) { m_bevelWidth = std::max(1, value); Realign(); Invalidate(); }
void TPanel::SetBorderWidth(int value) { m_borderWidth = std::max(0, value); Realign(); Invalidate(); }
void TPanel::SetAlignment(TAlignment value) { m_alignment = value; Invalidate(); }

int TPanel::FrameWidth() const
{
    int w = m_borderWidth;
    if (m_bevelOuter != TPanelBevel::bvNone)
        w += m_bevelWidth;
    if (m_bevelInner != TPanelBevel::bvNone)
        w += m_bevelWidth;
    return w;
}

void TPanel::AdjustClientRect(TRect& Rect) const
{
    const int f = FrameWidth();
    Rect = TRect(Rect.Left + f, Rect.Top + f, Rect.Right - f, Rect.Bottom - f);
}

void TPanel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_TEXTCHANGED)
        Invalidate();
    TCustomControl::Dispatch(Message);
}

void TPanel::Paint()
{
    QPainter* p = Canvas()->Painter();
    if (!ZQ9_EXPECT(p))
        return;
    QRect r(0, 0, Width(), Height());
    Bevel(*p, r, m_bevelOuter, m_bevelWidth);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    Bevel(*p, r, m_bevelInner, m_bevelWidth);
    if (Caption().isEmpty())
        return;
    int flags = Qt::AlignVCenter;
    flags |= m_alignment == TAlignment::taLeftJustify ? Qt::AlignLeft
             : m_alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                                         : Qt::AlignHCenter;
    p->setFont(Font()->QtFont());
    p->setPen(ToQColor(Font()->Color()));
    p->drawText(r, flags, Caption());
}

} // namespace vcl
