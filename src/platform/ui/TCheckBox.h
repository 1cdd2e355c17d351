#pragma once
// A check box; OnClick follows every change of Checked, by the user or the program.

#include "platform/ui/TQtHostControl.h"

class QCheckBox;

namespace vcl {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TQtHostControl
{
public:
    explicit TCheckBox(TComponent* AOwner);
    ~TCheckBox() override;

    bool Checked() const { return m_state == TCheckBoxState::cbChecked; }
    void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState value);

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;

private:
    QCheckBox* m_box;
    TCheckBoxState m_state { TCheckBoxState::cbUnchecked };
};

} // namespace vcl
