#include "controls/PeqEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

namespace {

// Refuses any user edit that would make the text longer than the limit; QLineEdit::setText does
// not consult a validator, so program texts pass whole.
class LengthValidator : public QValidator
{
public:
    LengthValidator(int limit, QObject* parent) : QValidator(parent), m_limit(limit) {}
    State validate(QString& input, int&) const override
    {
        return m_limit > 0 && input.size() > m_limit ? Invalid : Acceptable;
    }

private:
    int m_limit;
};

} // namespace

PeqEdit::PeqEdit(vcl::TComponent* AOwner) : vcl::TEdit(AOwner) {}

PeqEdit::~PeqEdit()
{
    BeforeDestruction();
}

void PeqEdit::SetTypingLimit(int value)
{
    m_limit = value;
    if (auto* edit = dynamic_cast<QLineEdit*>(Inner())) {
        delete edit->validator();
        edit->setValidator(new LengthValidator(value, edit));
    }
}

void PeqEdit::SetAlignment(vcl::TAlignment value)
{
    if (auto* edit = dynamic_cast<QLineEdit*>(Inner())) {
        const Qt::Alignment h = value == vcl::TAlignment::taCenter      ? Qt::AlignHCenter
                              : value == vcl::TAlignment::taRightJustify ? Qt::AlignRight
                                                                        : Qt::AlignLeft;
        edit->setAlignment(h | Qt::AlignVCenter);
    }
}

bool PeqEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Inner() && event->type() == QEvent::MouseButtonPress) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const vcl::TMouseButton button = me->button() == Qt::RightButton ? vcl::TMouseButton::mbRight
                                       : me->button() == Qt::MiddleButton ? vcl::TMouseButton::mbMiddle
                                                                          : vcl::TMouseButton::mbLeft;
        const QPoint at = me->position().toPoint();
        MouseDown(button, vcl::ShiftStateFrom(me->modifiers(), me->buttons()), at.x(), at.y());
    }
    return vcl::TEdit::eventFilter(watched, event);
}

void PeqEdit::keyPressEvent(QKeyEvent* event)
{
    event->ignore(); // the inner editor holds the focus (it is the focus proxy) and has reported it
}

void PeqEdit::keyReleaseEvent(QKeyEvent* event)
{
    event->ignore(); // the inner editor holds the focus (it is the focus proxy) and has reported it
}
