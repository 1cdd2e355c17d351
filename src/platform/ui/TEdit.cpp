#include "platform/ui/TEdit.h"

#include "platform/ui/EventGuard.h"

#include <QLineEdit>

namespace vcl {

TEdit::TEdit(TComponent* AOwner) : TQtHostControl(AOwner), m_edit(new QLineEdit)
{
    Host(m_edit);
    SetBounds(0, 0, 121, 21);
    SetParentColor(false);
    SetColor(clWindow);
    QObject::connect(m_edit, &QLineEdit::textChanged, [this] { Guarded([this] { Change(); }, this); });
}

TEdit::~TEdit()
{
    BeforeDestruction();
}

QString TEdit::GetTextValue() const
{
    return m_edit->text();
}

void TEdit::SetTextValue(const QString& value)
{
    m_edit->setText(m_maxLength > 0 ? value.left(m_maxLength) : value);
}

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::SetMaxLength(int value)
{
    m_maxLength = std::max(0, value);
    m_edit->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

bool TEdit::ReadOnly() const
{
    return m_edit->isReadOnly();
}

void TEdit::SetReadOnly(bool value)
{
    m_edit->setReadOnly(value);
}

void TEdit::SetPasswordChar(char16_t value)
{
    m_passwordChar = value;
    m_edit->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

int TEdit::SelStart() const
{
    return m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
}

void TEdit::SetSelStart(int value)
{
    m_edit->deselect();
    m_edit->setCursorPosition(value);
}

int TEdit::SelLength() const
{
    return static_cast<int>(m_edit->selectedText().size());
}

void TEdit::SetSelLength(int value)
{
    m_edit->setSelection(SelStart(), value);
}

QString TEdit::SelText() const
{
    return m_edit->selectedText();
}

void TEdit::SelectAll()
{
    m_edit->selectAll();
}

} // namespace vcl
