#include "platform/ui/TCheckBox.h"

#include "platform/ui/EventGuard.h"

#include <QCheckBox>

namespace vcl {

TCheckBox::TCheckBox(TComponent* AOwner) : TQtHostControl(AOwner), m_box(new QCheckBox)
{
    Host(m_box);
    SetBounds(0, 0, 97, 17);
    QObject::connect(m_box, &QCheckBox::clicked, [this](bool checked) {
        if (m_syncing)
            return;
        Guarded([&] { SetChecked(checked); }, this);
    });
}

TCheckBox::~TCheckBox()
{
    BeforeDestruction();
}

QString TCheckBox::GetTextValue() const
{
    return m_box->text();
}

void TCheckBox::SetTextValue(const QString& value)
{
    m_box->setText(value);
}

void TCheckBox::SetState(TCheckBoxState value)
{
    {
        TFlagGuard sync(m_syncing);
        m_box->setCheckState(value == TCheckBoxState::cbChecked   ? Qt::Checked
                             : value == TCheckBoxState::cbGrayed ? Qt::PartiallyChecked
                                                                 : Qt::Unchecked);
    }
    if (value == m_state)
        return;
    m_state = value;
    Click();
}

} // namespace vcl
