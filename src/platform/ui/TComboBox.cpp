#include "platform/ui/TComboBox.h"

#include "platform/ui/CueColour.h"
#include "platform/ui/EventGuard.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vcl {

namespace {

// The combo's list, announced before it opens so that its owner can refill the items.
class DroppingComboBox : public QComboBox
{
public:
    explicit DroppingComboBox(std::function<void()> BeforeDropDown) : m_beforeDropDown(std::move(BeforeDropDown)) {}
    void showPopup() override
    {
        m_beforeDropDown();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforeDropDown;
};

} // namespace

TComboBox::TComboBox(TComponent* AOwner) : TComboBox(AOwner, TComboBoxStyle::csDropDown)
{
}

TComboBox::TComboBox(TComponent* AOwner, TComboBoxStyle style)
    : TQtHostControl(AOwner), m_combo(new DroppingComboBox([this] {
          Guarded([this] {
              if (OnDropDown)
                  OnDropDown(this);
          }, this);
      }))
{
    Host(m_combo);
    SetBounds(0, 0, 145, 21);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    UseOpaqueCueColour(*m_combo);
    SetStyle(style);
    m_combo->view()->installEventFilter(this);
    m_items.OnChange = [this](TObject*) { ItemsChanged(); };
    m_connections.push_back(QObject::connect(m_combo, &QComboBox::activated, [this](int) {
        if (m_syncing)
            return;
        Guarded([this] {
            if (OnSelect)
                OnSelect(this);
            if (OnChange)
                OnChange(this);
        }, this);
    }));
}

// The hosted combo outlives this part of the control (the widget frees it later), and losing the
// focus then can still make it signal a choice: nothing it signals may reach the control any more.
TComboBox::~TComboBox()
{
    for (const QMetaObject::Connection& c : m_connections)
        QObject::disconnect(c);
    m_combo->view()->removeEventFilter(this);
    BeforeDestruction();
}

void TComboBox::ItemsChanged()
{
    TFlagGuard sync(m_syncing);
    const QString text = m_combo->currentText();
    m_combo->clear();
    m_combo->addItems(m_items.ToStringList());
    if (m_style == TComboBoxStyle::csDropDownList)
        m_combo->setCurrentIndex(-1);
    else {
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(text);
    }
}

int TComboBox::ItemIndex() const
{
    if (m_combo->isEditable() && m_combo->currentIndex() >= 0
        && m_combo->currentText() != m_combo->itemText(m_combo->currentIndex()))
        return -1;
    return m_combo->currentIndex();
}

void TComboBox::SetItemIndex(int value)
{
    TFlagGuard sync(m_syncing);
    m_combo->setCurrentIndex(value >= 0 && value < m_combo->count() ? value : -1);
    if (m_combo->currentIndex() < 0 && m_combo->isEditable())
        m_combo->setEditText(QString());
}

void TComboBox::SetStyle(TComboBoxStyle value)
{
    TFlagGuard sync(m_syncing);
    m_style = value;
    const bool editable = value == TComboBoxStyle::csDropDown || value == TComboBoxStyle::csSimple;
    const bool wasEditable = m_combo->isEditable();
    m_combo->setEditable(editable);
    // An editable box set editable again keeps its edit field, which is wired once.
    if (editable && !wasEditable) {
        m_connections.push_back(QObject::connect(m_combo->lineEdit(), &QLineEdit::textEdited, [this] {
            Guarded([this] {
                if (OnChange)
                    OnChange(this);
            }, this);
        }));
        ForwardKeysFrom(m_combo->lineEdit());
        if (!m_autoComplete)
            m_combo->setCompleter(nullptr);
        m_combo->lineEdit()->setPlaceholderText(m_textHint);
    }
}

void TComboBox::SetCharCase(TEditCharCase value)
{
    m_charCase = value;
    if (!m_combo->isEditable())
        return;
    const QString text = m_combo->currentText();
    const QString cased = ApplyCharCase(value, text);
    if (cased == text)
        return;
    TFlagGuard sync(m_syncing);
    m_combo->setEditText(cased);
}

void TComboBox::SetTextHint(const QString& value)
{
    m_textHint = value;
    if (QLineEdit* edit = m_combo->lineEdit())
        edit->setPlaceholderText(value);
}

QString TComboBox::TypedInCase(const QString& typed) const
{
    const QLineEdit* edit = m_combo->lineEdit();
    if (!edit || edit->isReadOnly())
        return typed;
    return ApplyCharCase(m_charCase, typed);
}

void TComboBox::PassTypedKey(QWidget* widget, QKeyEvent* event)
{
    const QString cased = TypedInCase(event->text());
    if (cased == event->text() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        PassReportedKey(widget, event);
        return;
    }
    QKeyEvent converted(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), cased, event->isAutoRepeat(),
                        event->count());
    PassReportedKey(widget, &converted);
    event->accept();
}

// A typed letter is reported to the handlers as typed and reaches the edit field in the box's case.
bool TComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_combo->view())
        return event->type() == QEvent::KeyPress && ListKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyPress && (watched == m_combo || watched == m_combo->lineEdit())) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && TypedInCase(key->text()) != key->text()) {
            if (!HandleKeyPress(key))
                PassTypedKey(static_cast<QWidget*>(watched), key);
            return true;
        }
    }
    return TQtHostControl::eventFilter(watched, event);
}

bool TComboBox::ListKey(QKeyEvent* event)
{
    if (!m_autoCloseUp || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: break;
    default: return false;
    }
    QAbstractItemView* view = m_combo->view();
    const QModelIndex before = view->currentIndex();
    static_cast<QObject*>(view)->event(event); // the list moves as it always does
    const QModelIndex now = view->currentIndex();
    if (now.isValid() && now != before && (now.flags() & Qt::ItemIsEnabled)) {
        // Chosen the way Enter chooses: the list closes and the box reports the choice.
        QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &choose);
    }
    return true;
}

void TComboBox::SetAutoComplete(bool value)
{
    m_autoComplete = value;
    if (m_combo->isEditable() && !value)
        m_combo->setCompleter(nullptr);
    else if (m_combo->isEditable() && !m_combo->completer()) {
        auto* completer = new QCompleter(m_combo->model(), m_combo);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        m_combo->setCompleter(completer);
    }
}

int TComboBox::DropDownCount() const
{
    return m_combo->maxVisibleItems();
}

void TComboBox::SetDropDownCount(int value)
{
    m_combo->setMaxVisibleItems(std::max(1, value));
}

void TComboBox::Clear()
{
    m_items.Clear();
    SetItemIndex(-1);
}

QString TComboBox::GetTextValue() const
{
    return m_combo->currentText();
}

// In a list-only box the text selects the matching item (or none).
void TComboBox::SetTextValue(const QString& value)
{
    TFlagGuard sync(m_syncing);
    if (m_combo->isEditable()) {
        const int i = m_combo->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        m_combo->setCurrentIndex(i);
        m_combo->setEditText(value);
    } else {
        m_combo->setCurrentIndex(m_combo->findText(value, Qt::MatchFixedString));
    }
}

} // namespace vcl
