#include "platform/ui/TWinControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/VirtualKeys.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace vcl {

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    ColorChanged();
}

TWinControl::~TWinControl()
{
    BeforeDestruction();
    if (m_handle)
        ReleaseWindowHandle(m_handle);
    m_handle = 0;
    // Child controls go with their parent, owned or not; each leaves this list as it goes.
    while (!m_controls.empty()) {
        TControl* child = m_controls.back();
        delete child;
    }
}

HWND TWinControl::Handle()
{
    if (!m_handle)
        m_handle = AllocateWindowHandle(this);
    return m_handle;
}

TControl* TWinControl::Controls(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        ListIndexError(Index);
    return m_controls[static_cast<std::size_t>(Index)];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    m_controls.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        const int wanted = std::exchange(w->m_pendingTabOrder, -1);
        if (wanted >= 0 && wanted < static_cast<int>(m_tabList.size()))
            m_tabList.insert(m_tabList.begin() + wanted, w);
        else
            m_tabList.push_back(w);
        ApplyTabOrder();
    }
}

void TWinControl::RemoveControl(TControl* control)
{
    std::erase(m_controls, control);
    if (auto* w = dynamic_cast<TWinControl*>(control))
        std::erase(m_tabList, w);
    else
        std::erase_if(m_tabList, [control](TWinControl* w) { return static_cast<TControl*>(w) == control; });
    if (control->Align() != TAlign::alNone && !ComponentState().Contains(TComponentStateItem::csDestroying))
        Realign();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    auto* self = const_cast<TWinControl*>(this);
    QWidget* w = self->FocusWidget();
    return w && w->hasFocus();
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    if (QWidget* w = FocusWidget())
        w->setFocus(Qt::OtherFocusReason);
}

void TWinControl::SetTabStop(bool value)
{
    m_tabStop = value;
    if (QWidget* w = FocusWidget())
        w->setFocusPolicy(value ? Qt::StrongFocus : (w == this ? Qt::NoFocus : Qt::ClickFocus));
}

int TWinControl::TabOrder() const
{
    auto* parent = Parent();
    if (!parent)
        return -1;
    auto it = std::find(parent->m_tabList.begin(), parent->m_tabList.end(), this);
    return it == parent->m_tabList.end() ? -1 : static_cast<int>(it - parent->m_tabList.begin());
}

void TWinControl::SetTabOrder(int value)
{
    auto* parent = Parent();
    if (!parent) {
        m_pendingTabOrder = value;
        return;
    }
    auto& list = parent->m_tabList;
    std::erase(list, this);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
    parent->ApplyTabOrder();
}

void TWinControl::ApplyTabOrder()
{
    for (std::size_t i = 1; i < m_tabList.size(); ++i)
        QWidget::setTabOrder(m_tabList[i - 1]->FocusWidget(), m_tabList[i]->FocusWidget());
}

void TWinControl::SetCtl3D(bool value)
{
    if (value == m_ctl3D)
        return;
    m_ctl3D = value;
    m_parentCtl3D = false;
    NotifyChildrenCtl3D();
}

void TWinControl::SetParentCtl3D(bool value)
{
    if (value == m_parentCtl3D)
        return;
    m_parentCtl3D = value;
    if (value)
        ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged()
{
    auto* parent = Parent();
    if (!m_parentCtl3D || !parent || parent->m_ctl3D == m_ctl3D)
        return;
    m_ctl3D = parent->m_ctl3D;
    NotifyChildrenCtl3D();
}

void TWinControl::NotifyChildrenCtl3D()
{
    for (TControl* c : m_controls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->ParentCtl3DChanged();
}

void TWinControl::EnableAlign()
{
    if (m_alignDisabled > 0 && --m_alignDisabled == 0 && m_alignPending)
        Realign();
}

void TWinControl::Realign()
{
    if (m_alignDisabled > 0 || m_aligning) {
        m_alignPending = true;
        return;
    }
    m_alignPending = false;
    m_aligning = true;
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(nullptr, r);
    // Anchored controls follow the client area; hidden ones too, so they show in place.
    const std::vector<TControl*> children = m_controls;
    for (TControl* c : children)
        c->ApplyAnchors();
    m_aligning = false;
}

void TWinControl::AdjustClientRect(TRect& Rect) const
{
    (void)Rect;
}

// Aligned children take their edge of the remaining client area: top ones first (highest first),
// then bottom (lowest first), left, right, and the client one fills what is left.
void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    (void)AControl;
    const TAlign order[] = { TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient };
    for (TAlign align : order) {
        std::vector<TControl*> list;
        for (TControl* c : m_controls)
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        auto key = [align](const TControl* c) {
            switch (align) {
            case TAlign::alTop: return c->Top();
            case TAlign::alBottom: return -(c->Top() + c->Height());
            case TAlign::alLeft: return c->Left();
            case TAlign::alRight: return -(c->Left() + c->Width());
            default: return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
        for (TControl* c : list) {
            const int w = c->Width();
            const int h = c->Height();
            switch (align) {
            case TAlign::alTop:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
                Rect.Top += h;
                break;
            case TAlign::alBottom:
                c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
                Rect.Bottom -= h;
                break;
            case TAlign::alLeft:
                c->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
                Rect.Left += w;
                break;
            case TAlign::alRight:
                c->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
                Rect.Right -= w;
                break;
            default:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            }
        }
    }
}

void TWinControl::SizeChanged()
{
    Realign();
    TControl::SizeChanged();
}

void TWinControl::ClientOriginChanged()
{
    for (TControl* c : m_controls)
        c->ApplyGeometry();
    Realign();
}

void TWinControl::Dispatch(TMessage& Message)
{
    TControl::Dispatch(Message);
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char16_t& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

namespace {

TWinControl* TopLevelOf(TWinControl* c)
{
    while (c->Parent())
        c = c->Parent();
    return c;
}

} // namespace

bool TWinControl::HandleKeyPress(QKeyEvent* event)
{
    const TShiftState shift = ShiftStateFrom(event->modifiers(), Qt::NoButton);
    WORD key = VirtualKeyFromQt(event->key(), event->modifiers() & Qt::KeypadModifier);
    TWinControl* form = TopLevelOf(this);
    const bool preview = form != this && form->PreviewsKeys();
    bool eaten = false;
    Guarded([&] {
        if (key != 0) {
            if (preview)
                form->KeyDown(key, shift);
            if (key != 0)
                KeyDown(key, shift);
            if (key == 0) {
                eaten = true;
                return;
            }
        }
        const QString text = event->text();
        const bool alt = event->modifiers() & Qt::AltModifier;
        for (QChar qc : text) {
            char16_t ch = qc.unicode();
            if (preview)
                form->KeyPress(ch);
            if (ch != 0)
                KeyPress(ch);
            if (ch >= 32 && (alt || !WantsChars()) && form->DialogChar(ch))
                ch = 0;
            if (ch == 0)
                eaten = true;
        }
        const bool f10 = key == VK_F10 && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        if (!eaten && !WantsAllKeys() && (key == VK_RETURN || key == VK_ESCAPE || f10) && form->DialogKey(key))
            eaten = true;
    }, this);
    return eaten;
}

bool TWinControl::HandleKeyRelease(QKeyEvent* event)
{
    const TShiftState shift = ShiftStateFrom(event->modifiers(), Qt::NoButton);
    WORD key = VirtualKeyFromQt(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (key == 0)
        return false;
    TWinControl* form = TopLevelOf(this);
    Guarded([&] {
        if (form != this && form->PreviewsKeys())
            form->KeyUp(key, shift);
        if (key != 0)
            KeyUp(key, shift);
    }, this);
    return key == 0;
}

void TWinControl::keyPressEvent(QKeyEvent* event)
{
    // A key an inner editor left unused bubbles up here; it was reported when it reached the editor.
    if (!m_innerKey)
        HandleKeyPress(event);
    // A control's keys stay with it; they never travel on to the parent.
    event->accept();
}

void TWinControl::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_innerKey)
        HandleKeyRelease(event);
    event->accept();
}

void TWinControl::focusInEvent(QFocusEvent* event)
{
    TControl::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Guarded([this] { DoEnter(); }, this);
}

void TWinControl::focusOutEvent(QFocusEvent* event)
{
    TControl::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Guarded([this] { DoExit(); }, this);
}

void TWinControl::ForwardKeysFrom(QWidget* widget)
{
    widget->installEventFilter(this);
    setFocusProxy(widget);
}

// Reports the key once, then lets the editor (and the widgets it passes the key up to) take it
// while this control knows the key is already reported; the key ends here, as a control's keys do.
bool TWinControl::FilterInnerKey(QWidget* widget, QKeyEvent* event)
{
    if (m_innerKey)
        return false; // the editor's own turn, below
    const bool eaten = event->type() == QEvent::KeyPress ? HandleKeyPress(event) : HandleKeyRelease(event);
    if (!eaten)
        PassReportedKey(widget, event);
    return true;
}

void TWinControl::PassReportedKey(QWidget* widget, QKeyEvent* event)
{
    QPointer<TWinControl> alive(this);
    const bool saved = m_innerKey;
    m_innerKey = true;
    QCoreApplication::sendEvent(widget, event); // Qt handlers do not throw
    if (alive)
        m_innerKey = saved;
    event->accept();
}

bool TWinControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this && watched->isWidgetType()) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return FilterInnerKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            auto* fe = static_cast<QFocusEvent*>(event);
            if (fe->reason() != Qt::ActiveWindowFocusReason && fe->reason() != Qt::PopupFocusReason) {
                if (event->type() == QEvent::FocusIn)
                    Guarded([this] { DoEnter(); }, this);
                else
                    Guarded([this] { DoExit(); }, this);
            }
            break;
        }
        default:
            break;
        }
    }
    return TControl::eventFilter(watched, event);
}

} // namespace vcl
