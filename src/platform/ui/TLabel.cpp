#include "platform/ui/TLabel.h"

#include "platform/core/SoftAssert.h"

#include <QFontMetrics>
#include <QPainter>

namespace vcl {

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
}

TLabel::~TLabel()
{
    BeforeDestruction();
}

void TLabel::SetAlignment(TAlignment value)
{
    m_alignment = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value)
{
    m_layout = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    m_autoSize = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value)
{
    m_transparent = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    m_wordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
    TGraphicControl::Dispatch(Message);
}

// The text's box; the left edge stays put (right-justified labels keep their right edge).
void TLabel::AdjustBounds()
{
    if (!m_autoSize)
        return;
    const QFontMetrics fm(Font()->QtFont());
    const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    QRect r = m_wordWrap ? fm.boundingRect(QRect(0, 0, std::max(1, Width()), 100000), Qt::TextWordWrap, text)
                         : fm.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
    const int w = m_wordWrap ? Width() : r.width();
    int left = Left();
    if (m_alignment == TAlignment::taRightJustify)
        left = Left() + Width() - w;
    SetBounds(left, Top(), w, r.height());
}

void TLabel::Paint()
{
    QPainter* p = Canvas()->Painter();
    if (!ZQ9_EXPECT(p))
        return;
    if (!m_transparent && Color() != clNone)
        p->fillRect(ClientRect().toQRect(), ToQColor(Color()));
    int flags = 0;
    switch (m_alignment) {
    case TAlignment::taLeftJustify: flags |= Qt::AlignLeft; break;
    case TAlignment::taRightJustify: flags |= Qt::AlignRight; break;
    case TAlignment::taCenter: flags |= Qt::AlignHCenter; break;
    }
    switch (m_layout) {
    case TTextLayout::tlTop: flags |= Qt::AlignTop; break;
    case TTextLayout::tlCenter: flags |= Qt::AlignVCenter; break;
    case TTextLayout::tlBottom: flags |= Qt::AlignBottom; break;
    }
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    p->setFont(Font()->QtFont());
    p->setPen(ToQColor(Enabled() ? Font()->Color() : clGrayText));
    p->drawText(ClientRect().toQRect(), flags, Caption());
}

} // namespace vcl
