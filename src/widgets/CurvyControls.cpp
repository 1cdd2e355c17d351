#include "widgets/CurvyControls.h"

#include "platform/core/TUpdateGuard.h"
#include "platform/ui/EventGuard.h"
#include "platform/ui/TMenus.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/AdvGDIP.h"
#include "widgets/GDIPFill.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPalette>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace vcl;

namespace {

constexpr int BoxHeight = 24;
constexpr int EditTop = 5;
constexpr int EditHeight = 18;
constexpr TColor CueColor = 0x808080;

// Key messages a caller may send to the box.
constexpr UINT MsgKeyDown = 0x0100;
constexpr UINT MsgKeyUp = 0x0101;

int QtKeyOf(WPARAM vk)
{
    switch (vk) {
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_BACK: return Qt::Key_Backspace;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_TAB: return Qt::Key_Tab;
    default: return 0;
    }
}

} // namespace

// ---------------------------------------------------------------- TCurvyControl

TCurvyControl::TCurvyControl(TCollection* Collection)
    : TCollectionItem(Collection),
      m_picture(std::make_unique<TAdvGDIPPicture>()),
      m_pictureHover(std::make_unique<TAdvGDIPPicture>()),
      m_pictureDown(std::make_unique<TAdvGDIPPicture>())
{
    for (TAdvGDIPPicture* p : { m_picture.get(), m_pictureHover.get(), m_pictureDown.get() })
        p->OnChange = [this](TObject*) { Changed(); };
}

TCurvyControl::~TCurvyControl() = default;

void TCurvyControl::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCurvyControl*>(Source);
    if (!src)
        return;
    m_hint = src->m_hint;
    m_imageIndex = src->m_imageIndex;
    m_imageIndexDown = src->m_imageIndexDown;
    m_imageIndexHover = src->m_imageIndexHover;
    m_position = src->m_position;
    m_dropDown = src->m_dropDown;
}

void TCurvyControl::Changed()
{
    if (TCollection* c = Collection()) {
        c->BeginUpdate();
        c->EndUpdate();
    }
}

void TCurvyControl::SetPicture(TAdvGDIPPicture* value)
{
    m_picture->Assign(value);
}

void TCurvyControl::SetPictureHover(TAdvGDIPPicture* value)
{
    m_pictureHover->Assign(value);
}

void TCurvyControl::SetPictureDown(TAdvGDIPPicture* value)
{
    m_pictureDown->Assign(value);
}

void TCurvyControl::SetDropDown(bool value)
{
    if (value == m_dropDown)
        return;
    m_dropDown = value;
    Changed();
}

void TCurvyControl::SetImageIndex(int value)
{
    if (value == m_imageIndex)
        return;
    m_imageIndex = value;
    Changed();
}

void TCurvyControl::SetPosition(TControlPosition value)
{
    if (value == m_position)
        return;
    m_position = value;
    Changed();
}

// ---------------------------------------------------------------- TCurvyControls

TCurvyControls::TCurvyControls(TCurvyControlPanel* Owner)
    : TCollection([](TCollection* c) { return new TCurvyControl(c); }, Owner), m_panel(Owner)
{
}

TCurvyControls::~TCurvyControls() = default;

// The item joins the collection while its own part is still being built, so the change notice
// waits until it is whole.
TCurvyControl* TCurvyControls::Add()
{
    TUpdateGuard<TCollection> guard(*this);
    return static_cast<TCurvyControl*>(TCollection::Add());
}

TCurvyControl* TCurvyControls::Insert(int Index)
{
    TUpdateGuard<TCollection> guard(*this);
    return static_cast<TCurvyControl*>(TCollection::Insert(Index));
}

TCurvyControl* TCurvyControls::Items(int Index) const
{
    return static_cast<TCurvyControl*>(TCollection::Items(Index));
}

void TCurvyControls::SetImageSize(int Width, int Height)
{
    m_imageWidth = Width;
    m_imageHeight = Height;
}

TSize TCurvyControls::GetControlSize(const TCurvyControl* Control) const
{
    TAdvGDIPPicture* picture = Control->Picture();
    // A picture whose change notice came before it was measured is measured here.
    if (picture && !picture->Empty() && picture->Width() == 0)
        picture->GetImageSizes();
    TSize size = picture && !picture->Empty() ? TSize(picture->Width() + 2, picture->Height())
                                              : TSize(m_imageWidth + 2, m_imageHeight);
    if (Control->DropDown())
        size.cx += 5;
    return size;
}

void TCurvyControls::RecalcSizes()
{
    m_leftOutside = 0;
    m_leftInside = 0;
    m_rightOutside = 0;
    m_rightInside = 2;
    for (int i = 0; i < Count(); ++i) {
        const TCurvyControl* c = Items(i);
        const int w = GetControlSize(c).cx;
        switch (c->Position()) {
        case TControlPosition::cpLeftInControl: m_leftInside += w; break;
        case TControlPosition::cpRightInControl: m_rightInside += w; break;
        case TControlPosition::cpLeft: m_leftOutside += w; break;
        case TControlPosition::cpRight: m_rightOutside += w; break;
        }
    }
}

void TCurvyControls::Update(TCollectionItem* Item)
{
    (void)Item;
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------- TCurvyPanel

TCurvyPanel::TCurvyPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    // The corners outside the rounded shape show the parent.
    setAutoFillBackground(false);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 200, 100);
}

TCurvyPanel::~TCurvyPanel()
{
    BeforeDestruction();
}

void TCurvyPanel::SetRounding(int value)
{
    if (value == m_rounding)
        return;
    m_rounding = value;
    Invalidate();
}

void TCurvyPanel::SetBorderColor(TColor value)
{
    if (value == m_borderColor)
        return;
    m_borderColor = value;
    Invalidate();
}

void TCurvyPanel::SetShadowColor(TColor value)
{
    if (value == m_shadowColor)
        return;
    m_shadowColor = value;
    Invalidate();
}

void TCurvyPanel::ColorChanged()
{
    TCustomControl::ColorChanged();
    setAutoFillBackground(false);
    PanelChanged();
}

void TCurvyPanel::PanelChanged()
{
    Repaint();
}

void TCurvyPanel::Paint()
{
    PaintPanel();
}

// A fill made for this paint only: the body in Color (an upper gradient half of one colour and a
// solid lower half) inside a 1-pixel border, then an inner shadow line under the top edge that
// runs on around the top-right corner.
void TCurvyPanel::PaintPanel()
{
    TGDIPFill fill;
    fill.SetBorderColor(ColorToRGB(m_borderColor));
    fill.SetRounding(m_rounding);
    fill.SetRoundingType(TFillRoundingType::rtBoth);
    const TColor body = ColorToRGB(Color());
    fill.SetColor(body);
    fill.SetColorTo(body);
    fill.SetColorMirror(body);
    fill.SetColorMirrorTo(body);

    TGPGraphics graphics(Canvas());
    graphics.SetSmoothingMode(SmoothingMode::SmoothingModeAntiAlias);
    const TGPRectF area { float(m_leftIndent), 0.0f, float(Width() - 1 - m_rightIndent - m_leftIndent),
                          float(Height() - 1) };
    fill.Fill(&graphics, area, 255, 255, 255, 255, 255);

    if (m_shadowColor != clNone) {
        TGPPen pen(AlphaGPColor(255, m_shadowColor), 1.0f);
        graphics.DrawLine(&pen, m_rounding + m_leftIndent, 1, Width() - m_rounding - m_rightIndent, 1);
        graphics.DrawArc(&pen, float(Width() - m_rounding - 3 - m_rightIndent), 1.0f, float(m_rounding),
                         float(m_rounding), -90.0f, 90.0f);
    }
}

// ---------------------------------------------------------------- TCurvyControlPanel

TCurvyControlPanel::TCurvyControlPanel(TComponent* AOwner)
    : TCurvyPanel(AOwner), m_controls(std::make_unique<TCurvyControls>(this))
{
    setMouseTracking(true);
    m_controls->OnChange = [this](TObject*) { ControlsChanged(); };
}

TCurvyControlPanel::~TCurvyControlPanel()
{
    BeforeDestruction();
}

void TCurvyControlPanel::SetImages(TCurvyImageList* value)
{
    m_images = value;
    if (value)
        m_controls->SetImageSize(value->Width(), value->Height());
    else
        m_controls->SetImageSize(0, 0);
    ControlsChanged();
}

void TCurvyControlPanel::ControlsChanged()
{
    m_controls->RecalcSizes();
    m_leftIndent = m_controls->LeftOutside();
    m_rightIndent = m_controls->RightOutside();
    LayoutInnerControl();
    Invalidate();
}

void TCurvyControlPanel::DoControlClick(int Index)
{
    if (OnControlClick)
        OnControlClick(this, Index);
}

int TCurvyControlPanel::ScanControls(bool Draw, int X, int* HitLeft)
{
    const TCurvyControls& cs = *m_controls;
    int edgeLeftIn = cs.LeftOutside() + Rounding() / 2;
    int edgeRightIn = Width() - cs.RightOutside() - cs.RightInside() - Rounding() / 2;
    int edgeLeft = 0;
    int edgeRight = Width() - cs.RightOutside() + 2;
    int hit = -1;
    int hitLeft = 0;
    for (int i = 0; i < cs.Count(); ++i) {
        TCurvyControl* c = cs.Items(i);
        const TSize size = cs.GetControlSize(c);
        const int top = (Height() - size.cy) / 2;
        int* edge = nullptr;
        switch (c->Position()) {
        case TControlPosition::cpLeftInControl: edge = &edgeLeftIn; break;
        case TControlPosition::cpRightInControl: edge = &edgeRightIn; break;
        case TControlPosition::cpLeft: edge = &edgeLeft; break;
        case TControlPosition::cpRight: edge = &edgeRight; break;
        }
        if (Draw)
            DrawControl(c, *edge, top);
        if (*edge < X && X < *edge + size.cx) {
            hit = i;
            hitLeft = *edge;
        }
        *edge += size.cx;
    }
    if (HitLeft)
        *HitLeft = hitLeft;
    return hit;
}

void TCurvyControlPanel::DrawControl(TCurvyControl* Control, int X, int Y)
{
    int arrowOffset = 0;
    const TControlState state = Control->State();
    if (Control->Picture()->Empty()) {
        int index = Control->ImageIndex();
        if (state == TControlState::csHover && Control->ImageIndexHover() >= 0)
            index = Control->ImageIndexHover();
        else if (state == TControlState::csDown && Control->ImageIndexDown() >= 0)
            index = Control->ImageIndexDown();
        if (m_images && index >= 0)
            m_images->Draw(Canvas(), X, Y, index, true);
        arrowOffset = m_images ? m_images->Width() : 0;
    } else {
        TAdvGDIPPicture* picture = Control->Picture();
        if (state == TControlState::csHover && !Control->PictureHover()->Empty())
            picture = Control->PictureHover();
        else if (state == TControlState::csDown && !Control->PictureDown()->Empty())
            picture = Control->PictureDown();
        TGPGraphics graphics(Canvas());
        picture->GDIPDraw(&graphics, TRect(X, Y, X + picture->Width(), Y + picture->Height()));
        arrowOffset = picture->Width();
    }
    if (Control->DropDown()) {
        TGPGraphics graphics(Canvas());
        graphics.SetSmoothingMode(SmoothingMode::SmoothingModeHighQuality);
        TGPSolidBrush black(PackARGB(255, 0, 0, 0));
        const int o = arrowOffset;
        const TGPPoint arrow[3] = { { X + o, Y + 5 }, { X + o + 6, Y + 5 }, { X + o + 3, Y + 9 } };
        graphics.FillPolygon(&black, arrow, 3);
    }
}

void TCurvyControlPanel::Paint()
{
    PaintPanel();
    ScanControls(true, -1);
}

void TCurvyControlPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCurvyPanel::MouseDown(Button, Shift, X, Y);
    ButtonsMouseDown(X);
}

void TCurvyControlPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCurvyPanel::MouseUp(Button, Shift, X, Y);
    ButtonsMouseUp(X);
}

void TCurvyControlPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCurvyPanel::MouseMove(Shift, X, Y);
    ButtonsMouseMove(X);
}

void TCurvyControlPanel::ButtonsMouseDown(int X)
{
    int left = 0;
    const int hit = ScanControls(false, X, &left);
    if (hit < 0)
        return;
    TCurvyControl* c = m_controls->Items(hit);
    c->SetState(TControlState::csDown);
    Repaint();
    if (c->DropDown() && c->PopupMenu()) {
        const TPoint at = ClientToScreen(TPoint(left, Height() - 3));
        c->PopupMenu()->Popup(at.X, at.Y);
    }
}

void TCurvyControlPanel::ButtonsMouseUp(int X)
{
    const int hit = ScanControls(false, X);
    if (hit < 0)
        return;
    DoControlClick(hit);
    // The click handler may have changed the buttons.
    if (hit < m_controls->Count())
        m_controls->Items(hit)->SetState(TControlState::csNormal);
    Repaint();
}

void TCurvyControlPanel::ButtonsMouseMove(int X)
{
    const int hit = ScanControls(false, X);
    if (hit < 0)
        return;
    bool changed = false;
    for (int i = 0; i < m_controls->Count(); ++i) {
        TCurvyControl* c = m_controls->Items(i);
        if (i != hit && c->State() == TControlState::csHover) {
            c->SetState(TControlState::csNormal);
            changed = true;
        }
    }
    TCurvyControl* c = m_controls->Items(hit);
    if (c->State() == TControlState::csNormal) {
        c->SetState(TControlState::csHover);
        changed = true;
    }
    if (changed)
        Repaint();
}

// The inherited leave handling is left out on purpose: only the buttons react.
void TCurvyControlPanel::MouseLeave()
{
    bool changed = false;
    for (int i = 0; i < m_controls->Count(); ++i) {
        TCurvyControl* c = m_controls->Items(i);
        if (c->State() == TControlState::csHover) {
            c->SetState(TControlState::csNormal);
            changed = true;
        }
    }
    if (changed)
        Repaint();
}

void TCurvyControlPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCurvyPanel::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == m_images) {
        SetImages(nullptr);
        return;
    }
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    for (int i = 0; i < m_controls->Count(); ++i) {
        TCurvyControl* c = m_controls->Items(i);
        if (static_cast<TComponent*>(c->PopupMenu()) == AComponent)
            c->SetPopupMenu(nullptr);
    }
}

// A button's own hint replaces the panel's while the pointer is over it.
bool TCurvyControlPanel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int hit = ScanControls(false, help->pos().x() - ClientOrigin().x());
        if (hit >= 0 && !m_controls->Items(hit)->Hint().isEmpty()) {
            if (ShowHint())
                QToolTip::showText(help->globalPos(), m_controls->Items(hit)->Hint(), this);
            return true;
        }
    }
    return TCurvyPanel::event(e);
}

// ---------------------------------------------------------------- TEmptyEdit

TEmptyEdit::TEmptyEdit(TComponent* AOwner) : TEdit(AOwner), m_line(qobject_cast<QLineEdit*>(Inner()))
{
    m_line->setMouseTracking(true);
}

TEmptyEdit::~TEmptyEdit()
{
    BeforeDestruction();
}

void TEmptyEdit::SetEmptyText(const QString& value)
{
    if (value == m_emptyText)
        return;
    m_emptyText = value;
    m_line->update();
}

void TEmptyEdit::SetAlignment(TAlignment value)
{
    m_alignment = value;
    Qt::Alignment a = Qt::AlignLeft;
    if (value == TAlignment::taCenter)
        a = Qt::AlignHCenter;
    else if (value == TAlignment::taRightJustify)
        a = Qt::AlignRight;
    m_line->setAlignment(a | Qt::AlignVCenter);
}

QString TEmptyEdit::TextHint() const
{
    return m_line->placeholderText();
}

void TEmptyEdit::SetTextHint(const QString& value)
{
    m_line->setPlaceholderText(value);
}

void TEmptyEdit::SetHideSelection(bool value)
{
    m_hideSelection = value;
    // A kept selection looks the same with or without the focus.
    QPalette palette = m_line->palette();
    const QPalette::ColorGroup shown = value ? QPalette::Inactive : QPalette::Active;
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(shown, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(shown, QPalette::HighlightedText));
    m_line->setPalette(palette);
    m_line->update();
}

void TEmptyEdit::KeyPress(char16_t& Key)
{
    TEdit::KeyPress(Key);
    if (m_numbersOnly && Key >= 0x20 && !(Key >= u'0' && Key <= u'9'))
        Key = 0;
    if (Key < 0x20 || m_line->isReadOnly())
        return;
    const QString typed(QChar(static_cast<char16_t>(Key)));
    const QString shown = ApplyCharCase(m_charCase, typed);
    if (shown == typed)
        return;
    // The edit takes the converted letter in place of the typed one (through its length limit).
    m_line->insert(shown);
    Key = 0;
}

bool TEmptyEdit::CueShown() const
{
    return !m_emptyText.isEmpty() && m_line->text().isEmpty();
}

void TEmptyEdit::PaintCue()
{
    QPainter painter(m_line);
    TCanvas canvas;
    TCanvasPainterBinding binding(canvas, painter, TRect(0, 0, m_line->width(), m_line->height()));
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->SetColor(CueColor);
    canvas.TextOut(3, 0, m_emptyText);
}

bool TEmptyEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != m_line)
        return TEdit::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::Paint:
        // The edit paints itself first; the cue goes on top.
        static_cast<QObject*>(m_line)->event(e);
        if (CueShown())
            PaintCue();
        return true;
    case QEvent::FocusIn: {
        if (TEdit::eventFilter(watched, e))
            return true;
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        static_cast<QObject*>(m_line)->event(e);
        // The edit selects everything when reached by Tab; the class library's edit does so
        // on any focus but a mouse click, and only with AutoSelect.
        if (m_autoSelect && reason != Qt::MouseFocusReason)
            m_line->selectAll();
        else if (!m_autoSelect && m_line->hasSelectedText())
            m_line->deselect();
        m_line->update();
        return true;
    }
    case QEvent::FocusOut: {
        if (m_hideSelection || !m_line->hasSelectedText()) {
            m_line->update();
            break;
        }
        if (TEdit::eventFilter(watched, e))
            return true;
        // The edit drops its selection when the focus leaves; this box keeps it.
        const int start = m_line->selectionStart();
        const int length = m_line->selectionLength();
        static_cast<QObject*>(m_line)->event(e);
        m_line->setSelection(start, length);
        m_line->update();
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        const QPoint p = m_line->mapTo(this, me->position().toPoint());
        const TShiftState shift = ShiftStateFrom(me->modifiers(), me->buttons());
        Guarded([&] { MouseMove(shift, p.x(), p.y()); }, this);
        break;
    }
    default:
        break;
    }
    return TEdit::eventFilter(watched, e);
}

// ---------------------------------------------------------------- TCurvyEdit

TCurvyEdit::TCurvyEdit(TComponent* AOwner) : TCurvyControlPanel(AOwner)
{
    m_edit = new TEmptyEdit(this);
    m_edit->LineEdit()->setFrame(false);
    m_edit->SetTabStop(false);
    m_edit->SetParent(this);
    m_edit->SetBounds(m_edit->Left(), EditTop, m_edit->Width(), EditHeight);
    m_edit->SetFont(Font());
    m_edit->SetColor(Color());
    BindInnerEvents();
    // A box starts as a form would leave it after reading its (empty) button list.
    SetBounds(Left(), Top(), 100, BoxHeight);
    ControlsChanged();
}

TCurvyEdit::~TCurvyEdit()
{
    BeforeDestruction();
}

void TCurvyEdit::BindInnerEvents()
{
    TEmptyEdit* e = m_edit;
    e->OnChange = [this](TObject*) {
        if (OnChange)
            OnChange(this);
    };
    e->OnClick = [this](TObject*) {
        if (TControl::OnClick)
            TControl::OnClick(this);
    };
    e->OnDblClick = [this](TObject*) {
        if (TControl::OnDblClick)
            TControl::OnDblClick(this);
    };
    e->OnEnter = [this](TObject*) {
        if (TWinControl::OnEnter)
            TWinControl::OnEnter(this);
    };
    e->OnExit = [this](TObject*) {
        if (TWinControl::OnExit)
            TWinControl::OnExit(this);
    };
    e->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
        if (TWinControl::OnKeyDown)
            TWinControl::OnKeyDown(this, Key, Shift);
    };
    e->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) {
        if (TWinControl::OnKeyUp)
            TWinControl::OnKeyUp(this, Key, Shift);
    };
    e->OnKeyPress = [this](TObject*, char16_t& Key) {
        if (TWinControl::OnKeyPress)
            TWinControl::OnKeyPress(this, Key);
    };
    e->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
        if (TControl::OnMouseDown)
            TControl::OnMouseDown(this, Button, Shift, X, Y);
    };
    e->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
        if (TControl::OnMouseUp)
            TControl::OnMouseUp(this, Button, Shift, X, Y);
    };
    e->OnMouseMove = [this](TObject*, TShiftState Shift, int X, int Y) {
        if (TControl::OnMouseMove)
            TControl::OnMouseMove(this, Shift, X, Y);
    };
    e->OnMouseEnter = [this](TObject*) {
        if (TControl::OnMouseEnter)
            TControl::OnMouseEnter(this);
    };
    e->OnMouseLeave = [this](TObject*) {
        if (TControl::OnMouseLeave)
            TControl::OnMouseLeave(this);
    };
}

void TCurvyEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    (void)AHeight;
    TCurvyControlPanel::SetBounds(ALeft, ATop, AWidth, BoxHeight);
}

void TCurvyEdit::SetFocus()
{
    m_edit->SetFocus();
}

// The class library lays the edit out again when the box's window is made, after a form has set
// every property; a box built in code gets the same result by laying out on each change.
void TCurvyEdit::SetRounding(int value)
{
    if (value == Rounding())
        return;
    TCurvyControlPanel::SetRounding(value);
    LayoutInnerControl();
}

void TCurvyEdit::SetEnabled(bool value)
{
    m_edit->SetEnabled(value);
}

void TCurvyEdit::PanelChanged()
{
    TCurvyControlPanel::PanelChanged();
    if (m_edit)
        m_edit->SetColor(Color());
}

void TCurvyEdit::LayoutInnerControl()
{
    if (!m_edit)
        return;
    const TCurvyControls& cs = *Controls();
    const int left = cs.LeftOutside() + Rounding() + cs.LeftInside();
    const int width =
        Width() - 2 * Rounding() - (cs.RightOutside() + cs.RightInside() + cs.LeftOutside() + cs.LeftInside());
    m_edit->SetBounds(left, m_edit->Top(), width, m_edit->Height());
}

QString TCurvyEdit::GetTextValue() const
{
    return m_edit ? m_edit->Text() : QString();
}

void TCurvyEdit::SetTextValue(const QString& value)
{
    if (m_edit)
        m_edit->SetText(value);
}

void TCurvyEdit::FontChanged()
{
    TCurvyControlPanel::FontChanged();
    if (m_edit)
        m_edit->SetFont(Font());
}

void TCurvyEdit::SizeChanged()
{
    TCurvyControlPanel::SizeChanged();
    LayoutInnerControl();
}

QWidget* TCurvyEdit::FocusWidget()
{
    return m_edit ? static_cast<QWidget*>(m_edit->LineEdit()) : static_cast<QWidget*>(this);
}

void TCurvyEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    (void)Button;
    (void)Shift;
    (void)Y;
    ButtonsMouseDown(X);
}

void TCurvyEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    (void)Button;
    (void)Shift;
    (void)Y;
    ButtonsMouseUp(X);
}

void TCurvyEdit::MouseMove(TShiftState Shift, int X, int Y)
{
    (void)Shift;
    (void)Y;
    ButtonsMouseMove(X);
}

void TCurvyEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == MsgKeyDown || Message.Msg == MsgKeyUp) {
        if (const int key = QtKeyOf(Message.WParam)) {
            QKeyEvent e(Message.Msg == MsgKeyDown ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(m_edit->LineEdit(), &e);
        }
        Message.Result = 0;
        return;
    }
    TCurvyControlPanel::Dispatch(Message);
}
