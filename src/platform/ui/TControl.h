#pragma once
// A visible element: bounds, alignment, anchors, size limits, own Visible/Enabled flags, caption, colour, cursor, hint,
// mouse events and the message entry points. A QWidget that is also a component: the Owner frees
// it, the Parent shows it.

#include "platform/core/Events.h"
#include "platform/core/TColor.h"
#include "platform/core/TComponent.h"
#include "platform/core/Types.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TAnchors.h"
#include "platform/ui/TFont.h"
#include "platform/ui/TSizeConstraints.h"
#include "platform/ui/TShiftState.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace vcl {

class TWinControl;
class TPopupMenu;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

class TControl : public QWidget, public TComponent
{
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // --- parent ---
    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* AParent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;

    // --- bounds, in the parent's client coordinates (a form: the screen) ---
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { SetBounds(v, m_top, m_width, m_height); }
    void SetTop(int v) { SetBounds(m_left, v, m_width, m_height); }
    void SetWidth(int v) { SetBounds(m_left, m_top, v, m_height); }
    void SetHeight(int v) { SetBounds(m_left, m_top, m_width, v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return TRect(m_left, m_top, m_left + m_width, m_top + m_height); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
    // The area children and painting use; (0, 0) is its top-left corner.
    virtual TRect ClientRect() const { return TRect(0, 0, m_width, m_height); }
    int ClientWidth() const { return ClientRect().Right; }
    int ClientHeight() const { return ClientRect().Bottom; }
    void SetClientWidth(int v) { SetWidth(m_width - ClientWidth() + v); }
    void SetClientHeight(int v) { SetHeight(m_height - ClientHeight() + v); }
    TPoint ClientToScreen(const TPoint& p) const;
    TPoint ScreenToClient(const TPoint& p) const;
    // Offset of the client area inside the widget (a form's menu bar sits above it).
    virtual QPoint ClientOrigin() const { return {}; }

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign value);
    // The parent's sides this control follows when the parent's client area is resized (see
    // AnchoredBounds); an Align other than alNone places the control instead.
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors value);
    // Every size the control takes (SetBounds, alignment, anchors) is clamped to these; a changed
    // limit applies at once.
    TSizeConstraints* Constraints() const { return m_constraints.get(); }
    void SetConstraints(const TSizeConstraints* value);

    // --- own flags: a hidden or disabled parent does not change them ---
    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible (and the top-level window shown).
    bool Showing() const;
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool value);

    // --- text, colour, font ---
    QString Caption() const { return Text(); }
    void SetCaption(const QString& value) { SetText(value); }
    QString Text() const { return GetTextValue(); }
    void SetText(const QString& value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont* value);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);

    QString Hint() const { return m_hint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);
    // Shown at the mouse on a right click (the context-menu request).
    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* value);

    // --- painting ---
    void Invalidate();
    // Paints now; asked during any control's paint, it only invalidates (a paint inside a paint
    // breaks Qt's painting).
    void Repaint();
    void Refresh() { Repaint(); }
    void Update();
    // True while a control of this library paints (see TPaintScope).
    static bool Painting() { return s_paintDepth > 0; }
    void BringToFront();
    void SendToBack();

    // Marks a control's paint handler for its duration.
    class TPaintScope
    {
    public:
        TPaintScope() { ++s_paintDepth; }
        ~TPaintScope() { --s_paintDepth; }
        TPaintScope(const TPaintScope&) = delete;
        TPaintScope& operator=(const TPaintScope&) = delete;
    };

    // --- messages: Perform hands the message to WndProc at once ---
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    virtual void WndProc(TMessage& Message);
    // Override to handle messages; pass the rest to the base class's Dispatch.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;

protected:
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void DblClick();
    // Returns true when the wheel turn was handled.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void Resize();
    // The size changed (by SetBounds or the window system): a container realigns, then Resize.
    virtual void SizeChanged() { Resize(); }
    virtual void MouseEnter();
    virtual void MouseLeave();

    // Where the text lives; controls wrapping a Qt editor override both.
    virtual QString GetTextValue() const { return m_text; }
    virtual void SetTextValue(const QString& value) { m_text = value; }
    // Colour or font in effect changed: apply to the Qt side.
    virtual void ColorChanged();
    virtual void FontChanged();
    // Called when the parent's visibility or the own flag changes (CM_VISIBLECHANGED).
    virtual void VisibleChanged() {}

    // True for a window that shows without a parent (forms).
    virtual bool IsTopLevelWindow() const { return false; }
    // The parent's client origin plus the own position, in the parent widget's coordinates.
    void ApplyGeometry();
    void ApplyVisibility();
    void RequestParentRealign();
    // Bounds as Qt reports them after the window system moved or sized a top-level window.
    void SyncBoundsFromWidget();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    bool m_applyingGeometry { false };

private:
    friend class TWinControl;
    static inline int s_paintDepth { 0 }; // paints under way (user-interface thread only)
    void ParentColorChanged();
    void NotifyChildrenColor();
    void ParentFontChanged();
    void FontObjectChanged();
    // Remembers the bounds and the parent's client size that the anchors work from.
    void TakeAnchorRule();
    // The parent's client area may have changed size: follow the anchors from the rule taken last.
    void ApplyAnchors();
    void ConstraintsChanged();

    TWinControl* m_parent { nullptr };
    int m_left { 0 };
    int m_top { 0 };
    int m_width { 0 };
    int m_height { 0 };
    TAlign m_align { TAlign::alNone };
    TAnchors m_anchors { DefaultAnchors };
    TRect m_anchorBounds;     // the bounds when the anchor rule was taken
    TSize m_anchorParentSize; // the parent's client size then
    bool m_anchoring { false };
    std::unique_ptr<TSizeConstraints> m_constraints;
    bool m_visible { true };
    bool m_enabled { true };
    QString m_text;
    TColor m_color;
    bool m_parentColor { true };
    std::unique_ptr<TFont> m_font;
    bool m_parentFont { true };
    bool m_applyingFont { false };
    QString m_hint;
    bool m_showHint { false };
    TCursor m_cursor { crDefault };
    TPopupMenu* m_popupMenu { nullptr };
    bool m_clicked { false };
};

// Shift state of the current Qt modifiers and buttons.
TShiftState ShiftStateFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// The library's button for a Qt button; false for a button the library does not report.
bool MouseButtonFrom(Qt::MouseButton qtButton, TMouseButton& button);

} // namespace vcl
