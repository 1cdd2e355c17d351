#include "platform/ui/TQtHostControl.h"

namespace vcl {

TQtHostControl::TQtHostControl(TComponent* AOwner) : TWinControl(AOwner) {}

TQtHostControl::~TQtHostControl()
{
    BeforeDestruction();
}

void TQtHostControl::Host(QWidget* inner)
{
    m_inner = inner;
    inner->setParent(this);
    inner->setGeometry(0, 0, std::max(0, Width()), std::max(0, Height()));
    inner->show();
    ForwardKeysFrom(inner);
    SetTabStop(true);
    setAutoFillBackground(false);
}

void TQtHostControl::SizeChanged()
{
    if (m_inner)
        m_inner->setGeometry(0, 0, std::max(0, Width()), std::max(0, Height()));
    TWinControl::SizeChanged();
}

void TQtHostControl::ColorChanged()
{
    TWinControl::ColorChanged();
    if (m_inner) {
        QPalette pal = m_inner->palette();
        pal.setColor(QPalette::Base, ToQColor(Color()));
        pal.setColor(QPalette::Button, ToQColor(Color()));
        m_inner->setPalette(pal);
    }
}

} // namespace vcl
