#include "controls/PeqEdit.h"

#include <QLineEdit>

PeqEdit::PeqEdit(vcl::TComponent* AOwner) : vcl::TEdit(AOwner) {}

PeqEdit::~PeqEdit()
{
    BeforeDestruction();
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
