#include "platform/ui/TForm.h"

#include "platform/core/Exception.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/ParentImage.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/VirtualKeys.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace vcl {

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner)
{
    setWindowFlags(Qt::Window);
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm()
{
    BeforeDestruction();
    if (m_modalLoop)
        m_modalLoop->exit();
    if (Application && Application->m_mainForm == this)
        Application->m_mainForm = nullptr;
}

void TForm::AfterConstruction()
{
    if (m_created)
        return;
    m_created = true;
    DoCreate();
}

// An exception in OnCreate is shown and the creation goes on.
void TForm::DoCreate()
{
    Guarded([this] {
        if (OnCreate)
            OnCreate(this);
    }, this);
}

void TForm::DoDestroy()
{
    if (m_destroyDone)
        return;
    m_destroyDone = true;
    Guarded([this] {
        if (OnDestroy)
            OnDestroy(this);
    }, this);
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TForm::DoClose(TCloseAction& Action)
{
    if (OnClose)
        OnClose(this, Action);
}

void TForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TForm::SetTextValue(const QString& value)
{
    TCustomControl::SetTextValue(value);
    setWindowTitle(value);
}

void TForm::SetVisible(bool value)
{
    if (value == Visible())
        return;
    if (value) {
        PlaceOnFirstShow();
        DoShow();
    } else {
        DoHide();
    }
    TCustomControl::SetVisible(value);
    if (value) {
        raise();
        activateWindow();
    }
}

void TForm::PlaceOnFirstShow()
{
    if (m_placed || Parent())
        return;
    m_placed = true;
    if (m_position == TPosition::poScreenCenter || m_position == TPosition::poDesktopCenter
        || m_position == TPosition::poMainFormCenter || m_position == TPosition::poOwnerFormCenter) {
        QRect area(0, 0, 1024, 768);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        TForm* main = Application ? Application->MainForm() : nullptr;
        if ((m_position == TPosition::poMainFormCenter || m_position == TPosition::poOwnerFormCenter) && main
            && main != this && main->Visible())
            area = main->geometry();
        SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(),
                  Height());
    }
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (m_modalLoop) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == TCloseAction::caHide)
        Hide();
    else if (action == TCloseAction::caMinimize)
        SetWindowState(TWindowState::wsMinimized);
    else
        Release();
}

// The modal loop asks the window before it lets the result stand; a refusal clears it.
void TForm::CloseModal()
{
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        DoClose(action);
    }
    if (action == TCloseAction::caNone)
        m_modalResult = mrNone;
    else if (action == TCloseAction::caFree)
        Release();
}

TModalResult TForm::ShowModal()
{
    if (Visible() || !Enabled() || m_modalLoop)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    QEventLoop loop;
    m_modalLoop = &loop;
    if (Application)
        Application->m_modalLoops.push_back(&loop);
    m_modalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    struct Restore
    {
        TForm* form;
        QEventLoop* loop;
        ~Restore()
        {
            form->m_modalLoop = nullptr;
            if (Application)
                std::erase(Application->m_modalLoops, loop);
        }
    } restore { this, &loop };
    Show();
    for (;;) {
        if (m_modalResult == mrNone && !(Application && Application->Terminated()))
            loop.exec();
        if (Application && Application->Terminated())
            m_modalResult = mrCancel;
        if (m_modalResult != mrNone) {
            Guarded([this] { CloseModal(); }, this);
            if (m_modalResult != mrNone || (Application && Application->Terminated()))
                break;
        }
    }
    if (m_modalResult == mrNone)
        m_modalResult = mrCancel;
    Hide();
    setWindowModality(Qt::NonModal);
    return m_modalResult;
}

void TForm::SetModalResult(TModalResult value)
{
    m_modalResult = value;
    if (m_modalLoop && value != mrNone)
        m_modalLoop->exit();
}

void TForm::Release()
{
    QTimer::singleShot(0, this, [this] { delete this; });
}

void TForm::SetFormStyle(TFormStyle value)
{
    if (value == m_formStyle)
        return;
    m_formStyle = value;
    SetBorderStyle(m_borderStyle);
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    m_borderStyle = value;
    Qt::WindowFlags flags = Qt::Window;
    switch (value) {
    case TFormBorderStyle::bsNone: flags |= Qt::FramelessWindowHint; break;
    case TFormBorderStyle::bsDialog: flags = Qt::Dialog; break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin: flags = Qt::Tool; break;
    default: break;
    }
    if (m_formStyle == TFormStyle::fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool shown = QWidget::isVisible();
    setWindowFlags(flags);
    const bool fixed = value == TFormBorderStyle::bsSingle || value == TFormBorderStyle::bsDialog
                       || value == TFormBorderStyle::bsToolWindow || value == TFormBorderStyle::bsNone;
    if (fixed)
        setFixedSize(std::max(0, Width()), std::max(0, Height()));
    else
        setFixedSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), setMinimumSize(0, 0);
    ApplyGeometry();
    if (shown)
        QWidget::show();
}

TWindowState TForm::WindowState() const
{
    if (isMinimized())
        return TWindowState::wsMinimized;
    if (isMaximized())
        return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState value)
{
    switch (value) {
    case TWindowState::wsMinimized: setWindowState(Qt::WindowMinimized); break;
    case TWindowState::wsMaximized: setWindowState(Qt::WindowMaximized); break;
    default: setWindowState(Qt::WindowNoState); break;
    }
}

void TForm::SetMenu(TMainMenu* value)
{
    if (value == m_menu)
        return;
    if (m_menu)
        SetMenuBar(nullptr);
    m_menu = value;
    if (value)
        value->AttachTo(this);
}

void TForm::SetMenuBar(QWidget* bar)
{
    if (m_menuBar && m_menuBar != bar)
        m_menuBar->hide();
    m_menuBar = bar;
    if (bar) {
        bar->setParent(this);
        bar->setGeometry(0, 0, std::max(0, Width()), bar->sizeHint().height());
        bar->show();
    }
    ClientOriginChanged();
}

QPoint TForm::ClientOrigin() const
{
    return m_menuBar ? QPoint(0, m_menuBar->sizeHint().height()) : QPoint();
}

TRect TForm::ClientRect() const
{
    return TRect(0, 0, Width(), Height() - ClientOrigin().y());
}

namespace {

TButton* FindDialogButton(TWinControl* parent, bool wantDefault)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (auto* b = dynamic_cast<TButton*>(c); b && (wantDefault ? b->Default() : b->Cancel()))
            return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* b = FindDialogButton(w, wantDefault))
                return b;
    }
    return nullptr;
}

// Offers a notice to every visible, enabled control below Parent until one answers it.
bool BroadcastUntilHandled(TWinControl* parent, UINT msg, WPARAM wparam)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->Perform(msg, wparam, 0) != 0)
            return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && BroadcastUntilHandled(w, msg, wparam))
            return true;
    }
    return false;
}

// A control that can take a click from the keyboard now: shown and enabled up to the form.
bool Clickable(TControl* c, TForm* form)
{
    for (TControl* at = c; at && at != form; at = at->Parent())
        if (!at->Visible() || !at->Enabled())
            return false;
    return c != nullptr;
}

} // namespace

// Enter clicks the default button, Escape the cancel button; self-drawn buttons answer the notice.
// F10 opens the menu bar's first menu.
bool TForm::DialogKey(WORD Key)
{
    if (Key == VK_F10)
        return OpenMenuBar();
    if (Key != VK_RETURN && Key != VK_ESCAPE)
        return false;
    if (TButton* b = FindDialogButton(this, Key == VK_RETURN)) {
        b->Click();
        return true;
    }
    if (TControl* c = Key == VK_RETURN ? m_defaultControl.data() : m_cancelControl.data(); Clickable(c, this)) {
        c->Click();
        return true;
    }
    return BroadcastUntilHandled(this, CM_DIALOGKEY, Key);
}

bool TForm::OpenMenuBar()
{
    auto* bar = qobject_cast<QMenuBar*>(m_menuBar);
    if (!bar || !bar->isVisible())
        return false;
    for (QAction* a : bar->actions())
        if (a->isVisible() && a->isEnabled() && !a->isSeparator()) {
            bar->setActiveAction(a);
            return true;
        }
    return false;
}

bool TForm::DialogChar(char16_t Char)
{
    return BroadcastUntilHandled(this, CM_DIALOGCHAR, Char);
}

// The window system's close button goes through Close, which hides or refuses as the form says.
void TForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Guarded([this] { Close(); }, this);
}

void TForm::moveEvent(QMoveEvent* event)
{
    TCustomControl::moveEvent(event);
    if (!Parent())
        SyncBoundsFromWidget();
}

bool TForm::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        Guarded([this] {
            if (OnActivate)
                OnActivate(this);
        }, this);
        break;
    case QEvent::WindowDeactivate:
        Guarded([this] {
            if (OnDeactivate)
                OnDeactivate(this);
        }, this);
        break;
    case QEvent::Resize:
        if (m_menuBar)
            m_menuBar->setGeometry(0, 0, width(), m_menuBar->sizeHint().height());
        break;
    case QEvent::UpdateRequest: {
        const ParentImagePass pass; // the window's controls are painted now
        return TCustomControl::event(event);
    }
    default:
        break;
    }
    return TCustomControl::event(event);
}

} // namespace vcl
