#include "platform/ui/TGroupBox.h"

#include "platform/core/SoftAssert.h"

#include <QFontMetrics>
#include <QPainter>

namespace vcl {

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 105);
}

TGroupBox::~TGroupBox()
{
    BeforeDestruction();
}

// Aligned children stay below the caption and inside the frame.
void TGroupBox::AdjustClientRect(TRect& Rect) const
{
    const int h = QFontMetrics(Font()->QtFont()).height();
    Rect = TRect(Rect.Left + 1, Rect.Top + h, Rect.Right - 1, Rect.Bottom - 1);
}

void TGroupBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_TEXTCHANGED)
        Invalidate();
    TCustomControl::Dispatch(Message);
}

void TGroupBox::Paint()
{
    QPainter* p = Canvas()->Painter();
    if (!ZQ9_EXPECT(p))
        return;
    const QFontMetrics fm(Font()->QtFont());
    const int h = fm.height();
    const QRect frame(0, h / 2, Width() - 1, Height() - h / 2 - 1);
    p->setPen(ToQColor(clBtnShadow));
    p->drawRect(frame.adjusted(0, 0, -1, -1));
    p->setPen(ToQColor(clBtnHighlight));
    p->drawRect(frame.adjusted(1, 1, 0, 0));
    if (!Caption().isEmpty()) {
        const QRect text(8, 0, fm.horizontalAdvance(Caption()) + 4, h);
        p->fillRect(text, ToQColor(Color()));
        p->setFont(Font()->QtFont());
        p->setPen(ToQColor(Font()->Color()));
        p->drawText(text, Qt::AlignCenter, Caption());
    }
}

} // namespace vcl
