#pragma once
// Push button: OnClick, and ModalResult handed to its form; Default/Cancel answer Enter/Escape.

#include "platform/ui/ModalResult.h"
#include "platform/ui/TQtHostControl.h"

class QPushButton;

namespace vcl {

class TButton : public TQtHostControl
{
public:
    explicit TButton(TComponent* AOwner);
    ~TButton() override;

    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult value) { m_modalResult = value; }
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }

    // Sets the form's ModalResult (when not mrNone), then OnClick.
    void Click() override;

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;

private:
    QPushButton* m_button;
    TModalResult m_modalResult { mrNone };
    bool m_default { false };
    bool m_cancel { false };
};

} // namespace vcl
