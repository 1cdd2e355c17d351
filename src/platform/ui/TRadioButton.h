#pragma once
// A radio button; checking one unchecks the other radio buttons of the same parent.

#include "platform/ui/TQtHostControl.h"

class QRadioButton;

namespace vcl {

class TRadioButton : public TQtHostControl
{
public:
    explicit TRadioButton(TComponent* AOwner);
    ~TRadioButton() override;

    bool Checked() const { return m_checked; }
    // Becoming checked unchecks the siblings and raises OnClick.
    void SetChecked(bool value);

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;

private:
    QRadioButton* m_button;
    bool m_checked { false };
};

} // namespace vcl
