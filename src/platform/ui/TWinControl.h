#pragma once
// A control that holds child controls, takes the keyboard focus and has a window handle.

#include "platform/ui/TControl.h"
#include "platform/ui/WindowMessages.h"

#include <vector>

namespace vcl {

using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;

class TWinControl : public TControl
{
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The handle is made on first use and names this control until it is destroyed.
    HWND Handle();
    bool HandleAllocated() const { return m_handle != 0; }

    // Child controls in front-to-back insertion order (the last is the front-most).
    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int Index) const;
    bool ContainsControl(const TControl* control) const;

    // --- focus ---
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value);
    // The place in the parent's tab order; -1 without a parent. A place set before the control has a
    // parent is taken when it gets one.
    int TabOrder() const;
    void SetTabOrder(int value);

    // The three-dimensional look of the class library's controls. Our controls draw the same either
    // way: the flags are kept and passed on to children (ParentCtl3D takes the parent's Ctl3D), with
    // no effect on painting.
    bool Ctl3D() const { return m_ctl3D; }
    // A new value ends ParentCtl3D.
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return m_parentCtl3D; }
    void SetParentCtl3D(bool value);
    // A form stores Ctl3D only when it is the control's own (ParentCtl3D False).
    bool IsCtl3DStored() const { return !m_parentCtl3D; }

    // Re-lays out the aligned children in the client area.
    void Realign();
    // Stops realigning until the matching EnableAlign; nested use is allowed.
    void DisableAlign() { ++m_alignDisabled; }
    void EnableAlign();

    void Dispatch(TMessage& Message) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // Client area used for alignment; a framed control leaves its frame out.
    virtual void AdjustClientRect(TRect& Rect) const;
    virtual void AlignControls(TControl* AControl, TRect& Rect);

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char16_t& Key);
    virtual void DoEnter();
    virtual void DoExit();
    // A key no control ate (Enter, Escape): a form clicks its default or cancel button.
    virtual bool DialogKey(WORD Key) { (void)Key; return false; }
    // A character the focused control left unused (or typed with Alt): the form offers it to
    // its controls as an accelerator.
    virtual bool DialogChar(char16_t Char) { (void)Char; return false; }
    // Controls that take typed characters themselves (edits, lists) keep plain characters from
    // the accelerators; with Alt a character is always offered.
    virtual bool WantsChars() const { return false; }
    // Controls that take every key themselves: Enter and Escape stay theirs and never reach the
    // form's default or cancel button.
    virtual bool WantsAllKeys() const { return false; }
    // A form that sees keys before its controls.
    virtual bool PreviewsKeys() const { return false; }
    // Re-places the children after the client origin moved.
    void ClientOriginChanged();

    // The widget whose focus stands for this control's focus (an inner editor for wrappers).
    virtual QWidget* FocusWidget() { return this; }
    // Routes Qt key events of `widget` (an inner editor) through KeyDown/KeyPress/KeyUp.
    void ForwardKeysFrom(QWidget* widget);
    // True when the key was eaten (Key set to 0) by a previewing form or a handler.
    bool HandleKeyPress(QKeyEvent* event);
    // Hands a key that was already reported (HandleKeyPress) on to `widget`, an inner editor,
    // without reporting it again when the editor leaves it to this control.
    void PassReportedKey(QWidget* widget, QKeyEvent* event);
    bool HandleKeyRelease(QKeyEvent* event);
    // A key event of a forwarded editor, reported exactly once however far it bubbles.
    bool FilterInnerKey(QWidget* widget, QKeyEvent* event);

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void SizeChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void ApplyTabOrder();
    void ParentCtl3DChanged();
    void NotifyChildrenCtl3D();

    std::vector<TControl*> m_controls;
    std::vector<TWinControl*> m_tabList;
    HWND m_handle { 0 };
    bool m_tabStop { false };
    int m_pendingTabOrder { -1 }; // set while the control had no parent
    bool m_ctl3D { true };
    bool m_parentCtl3D { true };
    int m_alignDisabled { 0 };
    bool m_aligning { false };
    bool m_alignPending { false };
    bool m_innerKey { false }; // an already reported key is on its way through the inner editor
};

} // namespace vcl
