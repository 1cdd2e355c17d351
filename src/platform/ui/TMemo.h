#pragma once
// Multi-line text editor whose Lines mirror its text both ways; OnChange follows every change.

#include "platform/core/TStringList.h"
#include "platform/ui/TQtHostControl.h"

class QPlainTextEdit;

namespace vcl {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TQtHostControl
{
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TStrings* Lines() { return &m_lines; }
    void SetLines(TStrings* value) { m_lines.Assign(value); }
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle value);
    void Clear() { m_lines.Clear(); }

    TNotifyEvent OnChange;

protected:
    QString GetTextValue() const override;
    void SetTextValue(const QString& value) override;

private:
    void LinesChanged();
    void EditorChanged();

    QPlainTextEdit* m_edit;
    TStringList m_lines;
    bool m_wordWrap { true };
    TScrollStyle m_scrollBars { TScrollStyle::ssNone };
};

} // namespace vcl
