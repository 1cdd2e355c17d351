#include "platform/ui/TButton.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TForm.h"

#include <QPushButton>

namespace vcl {

TButton::TButton(TComponent* AOwner) : TQtHostControl(AOwner), m_button(new QPushButton)
{
    Host(m_button);
    SetBounds(0, 0, 75, 25);
    m_button->setAutoDefault(false);
    QObject::connect(m_button, &QPushButton::clicked, [this] { Guarded([this] { Click(); }, this); });
}

TButton::~TButton()
{
    BeforeDestruction();
}

QString TButton::GetTextValue() const
{
    return m_button->text();
}

void TButton::SetTextValue(const QString& value)
{
    m_button->setText(value);
}

void TButton::SetDefault(bool value)
{
    m_default = value;
    m_button->setDefault(value);
}

void TButton::Click()
{
    TControl* top = this;
    while (top->Parent())
        top = top->Parent();
    if (auto* form = dynamic_cast<TForm*>(top); form && m_modalResult != mrNone)
        form->SetModalResult(m_modalResult);
    TQtHostControl::Click();
}

} // namespace vcl
