#include "platform/ui/TQtHostControl.h"

#include "platform/ui/EventGuard.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

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
    if (auto* area = qobject_cast<QAbstractScrollArea*>(inner)) {
        m_viewport = area->viewport();
        m_viewport->installEventFilter(this);
    }
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

bool TQtHostControl::eventFilter(QObject* watched, QEvent* event)
{
    const bool fromEditor = watched != this && (watched == m_inner || watched == m_viewport);
    if (fromEditor && !m_innerMouse) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return FilterInnerMouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        default:
            break;
        }
    }
    if (watched == m_viewport && m_viewport != m_inner)
        return false; // only its buttons matter here; keys and focus belong to the editor
    return TWinControl::eventFilter(watched, event);
}

bool TQtHostControl::FilterInnerMouse(QWidget* widget, QMouseEvent* event)
{
    TMouseButton button {};
    if (!MouseButtonFrom(event->button(), button))
        return false;
    const QEvent::Type type = event->type();
    const QPoint at = widget->mapTo(this, event->position().toPoint()) - ClientOrigin();
    TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    if (type == QEvent::MouseButtonDblClick)
        shift << TShiftStateItem::ssDouble;

    // As in the class library, the editor acts on the press (caret, focus, selection) before the
    // control's handler sees it.
    QPointer<TQtHostControl> alive(this);
    m_innerMouse = true;
    m_innerMouseBubbled = false;
    QCoreApplication::sendEvent(widget, event); // Qt handlers do not throw
    if (!alive)
        return true;
    m_innerMouse = false;
    if (!m_innerMouseBubbled) {
        Guarded([&] {
            if (type == QEvent::MouseButtonRelease)
                MouseUp(button, shift, at.x(), at.y());
            else
                MouseDown(button, shift, at.x(), at.y());
        }, this);
    }
    event->accept();
    return true;
}

// An editor that leaves a button event unused passes it up here; the control reports it itself.
void TQtHostControl::mousePressEvent(QMouseEvent* event)
{
    m_innerMouseBubbled = m_innerMouseBubbled || m_innerMouse;
    TWinControl::mousePressEvent(event);
}

void TQtHostControl::mouseReleaseEvent(QMouseEvent* event)
{
    m_innerMouseBubbled = m_innerMouseBubbled || m_innerMouse;
    TWinControl::mouseReleaseEvent(event);
}

void TQtHostControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_innerMouseBubbled = m_innerMouseBubbled || m_innerMouse;
    TWinControl::mouseDoubleClickEvent(event);
}

} // namespace vcl
