#include "platform/ui/TRadioButton.h"

#include "platform/ui/EventGuard.h"

#include <QRadioButton>

namespace vcl {

TRadioButton::TRadioButton(TComponent* AOwner) : TQtHostControl(AOwner), m_button(new QRadioButton)
{
    Host(m_button);
    SetBounds(0, 0, 113, 17);
    m_button->setAutoExclusive(false); // siblings are handled here, across host widgets
    QObject::connect(m_button, &QRadioButton::clicked, [this] {
        if (m_syncing)
            return;
        Guarded([this] { SetChecked(true); }, this);
    });
}

TRadioButton::~TRadioButton()
{
    BeforeDestruction();
}

QString TRadioButton::GetTextValue() const
{
    return m_button->text();
}

void TRadioButton::SetTextValue(const QString& value)
{
    m_button->setText(value);
}

void TRadioButton::SetChecked(bool value)
{
    {
        TFlagGuard sync(m_syncing);
        m_button->setChecked(value);
    }
    if (value == m_checked)
        return;
    m_checked = value;
    if (!value)
        return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
                other->SetChecked(false);
    Click();
}

} // namespace vcl
