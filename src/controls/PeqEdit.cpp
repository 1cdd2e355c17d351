#include "controls/PeqEdit.h"

#include <QLineEdit>
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
