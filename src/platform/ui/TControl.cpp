#include "platform/ui/TControl.h"

#include "platform/core/Exception.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/TWinControl.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QWheelEvent>

namespace vcl {

namespace {

Qt::CursorShape CursorShapeOf(TCursor c)
{
    switch (c) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragCopyCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crNone: return Qt::BlankCursor;
    default: return Qt::ArrowCursor;
    }
}

TMouseButton ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

bool IsReportedButton(Qt::MouseButton b)
{
    return b == Qt::LeftButton || b == Qt::RightButton || b == Qt::MiddleButton;
}

} // namespace

bool MouseButtonFrom(Qt::MouseButton qtButton, TMouseButton& button)
{
    if (!IsReportedButton(qtButton))
        return false;
    button = ButtonOf(qtButton);
    return true;
}

TShiftState ShiftStateFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (modifiers & Qt::ShiftModifier)
        s << TShiftStateItem::ssShift;
    if (modifiers & Qt::AltModifier)
        s << TShiftStateItem::ssAlt;
    if (modifiers & Qt::ControlModifier)
        s << TShiftStateItem::ssCtrl;
    if (buttons & Qt::LeftButton)
        s << TShiftStateItem::ssLeft;
    if (buttons & Qt::RightButton)
        s << TShiftStateItem::ssRight;
    if (buttons & Qt::MiddleButton)
        s << TShiftStateItem::ssMiddle;
    return s;
}

TControl::TControl(TComponent* AOwner)
    : QWidget(nullptr), TComponent(AOwner), m_constraints(std::make_unique<TSizeConstraints>()), m_color(clWindow),
      m_font(std::make_unique<TFont>())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_constraints->OnChange = [this](TObject*) { ConstraintsChanged(); };
    m_font->OnChange = [this](TObject*) { FontObjectChanged(); };
    FontChanged();
}

TControl::~TControl()
{
    // Owned components and free-notification partners go while this control is still whole.
    BeforeDestruction();
    if (m_parent)
        m_parent->RemoveControl(this);
    m_parent = nullptr;
}

TComponent* TControl::GetParentComponent() const
{
    return m_parent;
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == m_parent)
        return;
    if (AParent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (m_parent)
        m_parent->RemoveControl(this);
    m_parent = AParent;
    if (AParent) {
        QWidget::setParent(AParent);
        AParent->InsertControl(this);
        if (m_parentColor)
            ParentColorChanged();
        if (m_parentFont)
            ParentFontChanged();
        if (auto* self = dynamic_cast<TWinControl*>(this))
            self->ParentCtl3DChanged();
        TakeAnchorRule();
        ApplyGeometry();
        ApplyVisibility();
        RequestParentRealign();
    } else if (!IsTopLevelWindow()) {
        QWidget::setParent(nullptr);
        QWidget::hide();
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = m_constraints->ConstrainWidth(AWidth);
    AHeight = m_constraints->ConstrainHeight(AHeight);
    const bool moved = ALeft != m_left || ATop != m_top;
    const bool sized = AWidth != m_width || AHeight != m_height;
    if (!moved && !sized)
        return;
    m_left = ALeft;
    m_top = ATop;
    m_width = AWidth;
    m_height = AHeight;
    if (!m_anchoring)
        TakeAnchorRule();
    ApplyGeometry();
    if (sized)
        Guarded([this] { SizeChanged(); }, this);
    if (m_align != TAlign::alNone)
        RequestParentRealign();
}

void TControl::SetAnchors(TAnchors value)
{
    m_anchors = value;
    TakeAnchorRule();
}

void TControl::TakeAnchorRule()
{
    m_anchorBounds = BoundsRect();
    m_anchorParentSize = m_parent ? TSize(m_parent->ClientWidth(), m_parent->ClientHeight()) : TSize();
}

void TControl::ApplyAnchors()
{
    if (!m_parent || m_align != TAlign::alNone || m_anchors == DefaultAnchors)
        return;
    const TSize now(m_parent->ClientWidth(), m_parent->ClientHeight());
    const TRect r = AnchoredBounds(m_anchorBounds, m_anchorParentSize, now, m_anchors);
    QScopedValueRollback<bool> anchoring(m_anchoring, true);
    SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TControl::SetConstraints(const TSizeConstraints* value)
{
    if (value)
        m_constraints->Assign(const_cast<TSizeConstraints*>(value));
}

void TControl::ConstraintsChanged()
{
    if (IsTopLevelWindow() && !m_parent) {
        const TSizeConstraints& c = *m_constraints;
        setMinimumSize(c.MinWidth(), c.MinHeight());
        setMaximumSize(c.MaxWidth() > 0 ? c.MaxWidth() : QWIDGETSIZE_MAX,
                       c.MaxHeight() > 0 ? c.MaxHeight() : QWIDGETSIZE_MAX);
    }
    SetBounds(m_left, m_top, m_width, m_height);
}

void TControl::ApplyGeometry()
{
    m_applyingGeometry = true;
    const int w = std::max(0, m_width);
    const int h = std::max(0, m_height);
    if (IsTopLevelWindow() && !m_parent) {
        move(m_left, m_top);
        resize(w, h);
    } else {
        QPoint origin = m_parent ? m_parent->ClientOrigin() : QPoint();
        setGeometry(m_left + origin.x(), m_top + origin.y(), w, h);
    }
    m_applyingGeometry = false;
}

void TControl::SyncBoundsFromWidget()
{
    if (m_applyingGeometry)
        return;
    const bool sized = width() != std::max(0, m_width) || height() != std::max(0, m_height);
    m_left = x();
    m_top = y();
    if (sized) {
        m_width = width();
        m_height = height();
        Guarded([this] { SizeChanged(); }, this);
    }
}

void TControl::RequestParentRealign()
{
    if (m_parent && m_align != TAlign::alNone)
        m_parent->Realign();
}

TPoint TControl::ClientToScreen(const TPoint& p) const
{
    return TPoint::fromQPoint(mapToGlobal(p.toQPoint() + ClientOrigin()));
}

TPoint TControl::ScreenToClient(const TPoint& p) const
{
    return TPoint::fromQPoint(mapFromGlobal(p.toQPoint()) - ClientOrigin());
}

void TControl::SetAlign(TAlign value)
{
    if (value == m_align)
        return;
    const TAlign old = m_align;
    m_align = value;
    if (m_parent && (old != TAlign::alNone || value != TAlign::alNone))
        m_parent->Realign();
}

void TControl::ApplyVisibility()
{
    if (m_parent || IsTopLevelWindow())
        QWidget::setVisible(m_visible);
}

void TControl::SetVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    ApplyVisibility();
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    if (m_align != TAlign::alNone)
        RequestParentRealign();
}

bool TControl::Showing() const
{
    return QWidget::isVisible();
}

void TControl::SetEnabled(bool value)
{
    if (value == m_enabled)
        return;
    m_enabled = value;
    QWidget::setEnabled(value);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const QString& value)
{
    if (value == GetTextValue())
        return;
    SetTextValue(value);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value)
{
    m_parentColor = false;
    if (value == m_color)
        return;
    m_color = value;
    ColorChanged();
    Perform(CM_COLORCHANGED);
    NotifyChildrenColor();
}

void TControl::SetParentColor(bool value)
{
    if (value == m_parentColor)
        return;
    m_parentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!m_parentColor || !m_parent)
        return;
    if (m_parent->Color() != m_color) {
        m_color = m_parent->Color();
        ColorChanged();
        Perform(CM_COLORCHANGED);
        NotifyChildrenColor();
    }
    m_parentColor = true;
}

void TControl::NotifyChildrenColor()
{
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->ParentColorChanged();
}

void TControl::ColorChanged()
{
    QPalette pal = palette();
    if (m_color != clNone && m_color != clDefault)
        pal.setColor(QPalette::Window, ToQColor(m_color));
    setPalette(pal);
    update();
}

void TControl::SetFont(const TFont* value)
{
    if (value)
        m_font->Assign(const_cast<TFont*>(value));
}

void TControl::SetParentFont(bool value)
{
    if (value == m_parentFont)
        return;
    m_parentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!m_parentFont || !m_parent)
        return;
    m_applyingFont = true;
    m_font->Assign(m_parent->Font());
    m_applyingFont = false;
    m_parentFont = true;
}

// The font object changed: by the program (ParentFont ends) or from the parent.
void TControl::FontObjectChanged()
{
    if (!m_applyingFont)
        m_parentFont = false;
    FontChanged();
    Perform(CM_FONTCHANGED);
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < self->ControlCount(); ++i)
            self->Controls(i)->ParentFontChanged();
}

void TControl::FontChanged()
{
    setFont(m_font->QtFont());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(m_font->Color()));
    pal.setColor(QPalette::Text, ToQColor(m_font->Color()));
    pal.setColor(QPalette::ButtonText, ToQColor(m_font->Color()));
    setPalette(pal);
    update();
}

void TControl::SetHint(const QString& value)
{
    m_hint = value;
    SetShowHint(m_showHint);
}

void TControl::SetShowHint(bool value)
{
    m_showHint = value;
    // The part before '|' is the short hint the tool tip shows.
    const QString shortHint = m_hint.section(QLatin1Char('|'), 0, 0);
    setToolTip(m_showHint ? shortHint : QString());
}

void TControl::SetCursor(TCursor value)
{
    if (value == m_cursor)
        return;
    m_cursor = value;
    if (value == crDefault)
        unsetCursor();
    else
        setCursor(QCursor(CursorShapeOf(value)));
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (value == m_popupMenu)
        return;
    if (m_popupMenu)
        m_popupMenu->RemoveFreeNotification(this);
    m_popupMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == m_popupMenu)
        m_popupMenu = nullptr;
}

void TControl::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_popupMenu) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint at = event->globalPos();
    Guarded([&] {
        m_popupMenu->SetPopupComponent(this);
        m_popupMenu->Popup(at.x(), at.y());
    }, this);
}

void TControl::Invalidate()
{
    update();
}

void TControl::Repaint()
{
    if (Painting())
        update();
    else
        repaint();
}

void TControl::Update()
{
    // Paint pending invalid areas now (later when asked during a paint).
    if (QWidget::isVisible())
        Repaint();
}

void TControl::BringToFront()
{
    raise();
    if (m_parent) {
        auto& list = m_parent->m_controls;
        std::erase(list, this);
        list.push_back(this);
        RequestParentRealign();
    }
}

void TControl::SendToBack()
{
    lower();
    if (m_parent) {
        auto& list = m_parent->m_controls;
        std::erase(list, this);
        list.insert(list.begin(), this);
        RequestParentRealign();
    }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m { Msg, WParam, LParam, 0 };
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message)
{
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    case CM_VISIBLECHANGED:
        VisibleChanged();
        break;
    default:
        DefaultHandler(Message);
    }
}

void TControl::DefaultHandler(TMessage& Message)
{
    (void)Message;
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::mousePressEvent(QMouseEvent* event)
{
    if (!IsReportedButton(event->button()))
        return;
    const QPoint p = event->position().toPoint() - ClientOrigin();
    const TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    if (event->button() == Qt::LeftButton)
        m_clicked = true;
    Guarded([&] { MouseDown(ButtonOf(event->button()), shift, p.x(), p.y()); }, this);
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!IsReportedButton(event->button()))
        return;
    const QPoint p = event->position().toPoint() - ClientOrigin();
    const TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    const bool click = event->button() == Qt::LeftButton && m_clicked;
    if (event->button() == Qt::LeftButton)
        m_clicked = false;
    Guarded([&] {
        MouseUp(ButtonOf(event->button()), shift, p.x(), p.y());
        if (click && ClientRect().Contains(TPoint(p.x(), p.y())))
            Click();
    }, this);
}

// The second press of a double click: DblClick, then a press carrying ssDouble, and no Click
// on the release that follows.
void TControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!IsReportedButton(event->button()))
        return;
    const QPoint p = event->position().toPoint() - ClientOrigin();
    TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    shift << TShiftStateItem::ssDouble;
    Guarded([&] {
        if (event->button() == Qt::LeftButton)
            DblClick();
        MouseDown(ButtonOf(event->button()), shift, p.x(), p.y());
    }, this);
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint() - ClientOrigin();
    const TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    Guarded([&] { MouseMove(shift, p.x(), p.y()); }, this);
}

void TControl::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    const TShiftState shift = ShiftStateFrom(event->modifiers(), event->buttons());
    const QPoint global = event->globalPosition().toPoint();
    bool handled = false;
    Guarded([&] { handled = DoMouseWheel(shift, delta, TPoint::fromQPoint(global)); }, this);
    event->setAccepted(handled);
}

void TControl::enterEvent(QEnterEvent* event)
{
    (void)event;
    Guarded([&] { Perform(CM_MOUSEENTER); }, this);
}

void TControl::leaveEvent(QEvent* event)
{
    (void)event;
    Guarded([&] { Perform(CM_MOUSELEAVE); }, this);
}

void TControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (IsTopLevelWindow() && !m_parent)
        SyncBoundsFromWidget();
}

} // namespace vcl
