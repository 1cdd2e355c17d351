#pragma once
// Single-line text editor; OnChange follows every change of the text.

#include "platform/ui/TQtHostControl.h"

class QLineEdit;

namespace vcl {

class TEdit : public TQtHostControl
{
public:
    explicit TEdit(TComponent* AOwner);
    ~TEdit() override;

    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    char16_t PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(char16_t value);
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    QString SelText() const;
    void SelectAll();
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;
    virtual void Change();

private:
    QLineEdit* m_edit;
    int m_maxLength { 0 };      // limit on typed text; 0 for none
    qsizetype m_shownLength { 0 }; // length of the text an edit starts from
    char16_t m_passwordChar { 0 };
};

} // namespace vcl
