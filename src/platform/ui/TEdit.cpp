#include "platform/ui/TEdit.h"

#include "platform/ui/CueColour.h"
#include "platform/ui/EventGuard.h"

#include <QLineEdit>
#include <QValidator>

namespace vcl {

namespace {

// The length limit on what the user types: an edit that would make the text longer than both the
// limit and the text it changes is refused (a longer text the program set stays whole and can still
// be shortened). Program texts are not validated by QLineEdit::setText.
class TypingLimitValidator : public QValidator
{
public:
    TypingLimitValidator(const int& limit, const qsizetype& before, QObject* parent)
        : QValidator(parent), m_limit(limit), m_before(before)
    {
    }
    State validate(QString& input, int&) const override
    {
        return m_limit > 0 && input.size() > m_limit && input.size() > m_before ? Invalid : Acceptable;
    }

private:
    const int& m_limit;
    const qsizetype& m_before;
};

} // namespace

TEdit::TEdit(TComponent* AOwner) : TQtHostControl(AOwner), m_edit(new QLineEdit)
{
    Host(m_edit);
    SetBounds(0, 0, 121, 21);
    SetParentColor(false);
    SetColor(clWindow);
    UseOpaqueCueColour(*m_edit);
    m_edit->setValidator(new TypingLimitValidator(m_maxLength, m_shownLength, m_edit));
    QObject::connect(m_edit, &QLineEdit::textChanged, [this](const QString& text) {
        m_shownLength = text.size();
        Guarded([this] { Change(); }, this);
    });
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
    // The limit is the user's; the program's text is shown whole.
    m_shownLength = value.size();
    m_edit->setText(value);
}

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::SetMaxLength(int value)
{
    // Kept in the validator: QLineEdit's own limit would also cut the program's texts.
    m_maxLength = std::max(0, value);
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
