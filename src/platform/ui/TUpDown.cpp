#include "platform/ui/TUpDown.h"

#include "platform/ui/EventGuard.h"

#include <QToolButton>

namespace vcl {

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    QObject::connect(m_up, &QToolButton::clicked, [this] { Guarded([this] { Step(TUDBtnType::btNext); }, this); });
    QObject::connect(m_down, &QToolButton::clicked, [this] { Guarded([this] { Step(TUDBtnType::btPrev); }, this); });
    SetOrientation(TUDOrientation::udVertical);
    SetBounds(0, 0, 17, 25);
}

TUpDown::~TUpDown()
{
    BeforeDestruction();
}

void TUpDown::SetMin(int value)
{
    m_min = value;
    SetPosition(m_position);
}

void TUpDown::SetMax(int value)
{
    m_max = value;
    SetPosition(m_position);
}

void TUpDown::SetPosition(int value)
{
    const int lo = std::min(m_min, m_max);
    const int hi = std::max(m_min, m_max);
    m_position = std::clamp(value, lo, hi);
    UpdateAssociate();
}

void TUpDown::SetThousands(bool value)
{
    m_thousands = value;
    UpdateAssociate();
}

void TUpDown::SetAssociate(TWinControl* value)
{
    if (value == m_associate)
        return;
    if (m_associate)
        m_associate->RemoveFreeNotification(this);
    m_associate = value;
    if (value) {
        value->FreeNotification(this);
        UpdateAssociate();
    }
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == m_associate)
        m_associate = nullptr;
}

void TUpDown::UpdateAssociate()
{
    if (!m_associate)
        return;
    QString text = QString::number(std::abs(m_position));
    if (m_thousands)
        for (qsizetype i = text.size() - 3; i > 0; i -= 3)
            text.insert(i, QLatin1Char(','));
    if (m_position < 0)
        text.prepend(QLatin1Char('-'));
    m_associate->SetText(text);
}

void TUpDown::Step(TUDBtnType button)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return;
    const int lo = std::min(m_min, m_max);
    const int hi = std::max(m_min, m_max);
    const int step = (button == TUDBtnType::btNext) == (m_min <= m_max) ? m_increment : -m_increment;
    long long next = static_cast<long long>(m_position) + step;
    if (next > hi)
        next = m_wrap ? lo : hi;
    else if (next < lo)
        next = m_wrap ? hi : lo;
    SetPosition(static_cast<int>(next));
    if (OnClick)
        OnClick(this, button);
}

void TUpDown::SetOrientation(TUDOrientation value)
{
    m_orientation = value;
    m_up->setArrowType(value == TUDOrientation::udVertical ? Qt::UpArrow : Qt::RightArrow);
    m_down->setArrowType(value == TUDOrientation::udVertical ? Qt::DownArrow : Qt::LeftArrow);
    LayoutButtons();
}

void TUpDown::SizeChanged()
{
    LayoutButtons();
    TWinControl::SizeChanged();
}

void TUpDown::LayoutButtons()
{
    const int w = std::max(0, Width());
    const int h = std::max(0, Height());
    if (m_orientation == TUDOrientation::udVertical) {
        m_up->setGeometry(0, 0, w, h / 2);
        m_down->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        m_down->setGeometry(0, 0, w / 2, h);
        m_up->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

} // namespace vcl
