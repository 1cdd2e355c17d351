#pragma once
// A top-level window: caption, show/hide/close with refusable close events, a modal loop ended by
// ModalResult or Close, creation and display events, placement, border style, key preview.

#include "platform/ui/ModalResult.h"
#include "platform/ui/TCustomControl.h"

#include <QPointer>

class QEventLoop;

namespace vcl {

class TMainMenu;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                       poMainFormCenter, poOwnerFormCenter };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// Subclass, build the controls in the constructor (Owner = this, Parent = this or a container),
// and let Application->CreateForm create it so that OnCreate runs after the constructor.
class TForm : public TCustomControl
{
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    // Raises OnCreate; CreateForm calls it once the constructor is done.
    void AfterConstruction();

    void Close();
    // Runs OnCloseQuery; true when the window may close.
    virtual bool CloseQuery();
    // Shows the window modally and runs a nested loop until ModalResult is set (and the close
    // is not refused) or the application terminates; hides it and returns the result.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return m_modalResult; }
    // Ends a running ShowModal when not mrNone; on a window not shown modally it is only stored.
    void SetModalResult(TModalResult value);
    bool Modal() const { return m_modalLoop != nullptr; }
    // Frees the window once the current event is handled.
    void Release();

    TPosition Position() const { return m_position; }
    void SetPosition(TPosition value) { m_position = value; }
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    // fsStayOnTop keeps the window above the others; the MDI styles act as fsNormal.
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool value) { m_keyPreview = value; }

    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* value);

    // The controls Esc and Enter click when the focused control leaves them, for buttons that are
    // not platform buttons (whose Cancel and Default flags come first). nullptr: none.
    TControl* CancelControl() const { return m_cancelControl; }
    void SetCancelControl(TControl* value) { m_cancelControl = value; }
    TControl* DefaultControl() const { return m_defaultControl; }
    void SetDefaultControl(TControl* value) { m_defaultControl = value; }
    QPoint ClientOrigin() const override;
    TRect ClientRect() const override;

    void SetVisible(bool value) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    void Paint() override;
    bool PreviewsKeys() const override { return m_keyPreview; }
    bool DialogKey(WORD Key) override;
    bool DialogChar(char16_t Char) override;
    bool IsTopLevelWindow() const override { return true; }
    void SetTextValue(const QString& value) override;

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TApplication;
    friend class TMainMenu;
    void CloseModal();
    void PlaceOnFirstShow();
    // The menu bar a TMainMenu places above the client area (nullptr: none).
    void SetMenuBar(QWidget* bar);
    // Opens the menu bar's first menu for the keyboard; false without a shown menu bar.
    bool OpenMenuBar();

    TModalResult m_modalResult { mrNone };
    QEventLoop* m_modalLoop { nullptr };
    TPosition m_position { TPosition::poDesigned };
    TFormBorderStyle m_borderStyle { TFormBorderStyle::bsSizeable };
    TFormStyle m_formStyle { TFormStyle::fsNormal };
    bool m_keyPreview { false };
    bool m_placed { false };
    bool m_created { false };
    bool m_destroyDone { false };
    TMainMenu* m_menu { nullptr };
    QWidget* m_menuBar { nullptr };
    QPointer<TControl> m_cancelControl;
    QPointer<TControl> m_defaultControl;
};

} // namespace vcl
