#pragma once
// Edit box of the band editors: the user may type at most a given number of characters, while
// texts set by the program (such as "20.16KHz") are shown whole, as a Windows edit limit does; a
// mouse button pressed in the text reaches OnMouseDown.

#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"

class PeqEdit : public vcl::TEdit
{
public:
    explicit PeqEdit(vcl::TComponent* AOwner);
    ~PeqEdit() override;

    int TypingLimit() const { return m_limit; }
    void SetTypingLimit(int value);
    // Horizontal placement of the text.
    void SetAlignment(vcl::TAlignment value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Keys reach the handlers once, through the inner editor; one it leaves unused (Enter) and
    // that bubbles up here is not handled a second time.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int m_limit { 0 };
};
