#include "platform/ui/TComboBox.h"

#include "platform/ui/EventGuard.h"

#include <QComboBox>
#include <QCompleter>
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
    SetStyle(style);
    m_items.OnChange = [this](TObject*) { ItemsChanged(); };
    QObject::connect(m_combo, &QComboBox::activated, [this](int) {
        if (m_syncing)
            return;
        Guarded([this] {
            if (OnSelect)
                OnSelect(this);
            if (OnChange)
                OnChange(this);
        }, this);
    });
}

TComboBox::~TComboBox()
{
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
    m_combo->setEditable(editable);
    if (editable) {
        QObject::connect(m_combo->lineEdit(), &QLineEdit::textEdited, [this] {
            Guarded([this] {
                if (OnChange)
                    OnChange(this);
            }, this);
        });
        ForwardKeysFrom(m_combo->lineEdit());
        if (!m_autoComplete)
            m_combo->setCompleter(nullptr);
    }
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
