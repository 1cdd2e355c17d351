#include "platform/ui/TMemo.h"

#include "platform/ui/EventGuard.h"

#include <QPlainTextEdit>

namespace vcl {

TMemo::TMemo(TComponent* AOwner) : TQtHostControl(AOwner), m_edit(new QPlainTextEdit)
{
    Host(m_edit);
    SetBounds(0, 0, 185, 89);
    SetParentColor(false);
    SetColor(clWindow);
    SetScrollBars(TScrollStyle::ssNone);
    m_lines.OnChange = [this](TObject*) { LinesChanged(); };
    QObject::connect(m_edit, &QPlainTextEdit::textChanged, [this] { EditorChanged(); });
}

TMemo::~TMemo()
{
    BeforeDestruction();
}

void TMemo::LinesChanged()
{
    if (m_syncing)
        return;
    QString text = m_lines.Text();
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_edit->setPlainText(text); // EditorChanged raises OnChange
}

void TMemo::EditorChanged()
{
    {
        TFlagGuard sync(m_syncing);
        m_lines.SetText(m_edit->toPlainText());
    }
    Guarded([this] {
        if (OnChange)
            OnChange(this);
    }, this);
}

QString TMemo::GetTextValue() const
{
    return m_edit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TMemo::SetTextValue(const QString& value)
{
    m_lines.SetText(value);
}

bool TMemo::ReadOnly() const
{
    return m_edit->isReadOnly();
}

void TMemo::SetReadOnly(bool value)
{
    m_edit->setReadOnly(value);
}

void TMemo::SetWordWrap(bool value)
{
    m_wordWrap = value;
    m_edit->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    m_scrollBars = value;
    const bool h = value == TScrollStyle::ssHorizontal || value == TScrollStyle::ssBoth;
    const bool v = value == TScrollStyle::ssVertical || value == TScrollStyle::ssBoth;
    m_edit->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_edit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

} // namespace vcl
