// The combo box's own painting over the system combo (border, flat button with its hot state,
// frame styles), its drop-down list (width, open and close notices) and owner-drawn items.
#include "widgets/RzCmboBx.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TBitmap.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QTimer>

namespace rz {

using namespace vcl;

namespace {

// Paints the list's items through the box's DrawItem, one off-screen canvas per item, as finely as
// the list is shown.
class TRzComboItemDelegate : public QStyledItemDelegate
{
public:
    explicit TRzComboItemDelegate(TRzCustomComboBox& Box) : QStyledItemDelegate(nullptr), m_box(Box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        if (r.width() <= 0 || r.height() <= 0)
            return;
        TCanvas list;
        TCanvasPainterBinding binding(list, *painter, TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1));
        TBitmap item;
        item.SetDeviceScale(list.DeviceScale());
        item.SetSize(r.width(), r.height());
        TOwnerDrawState state;
        if (option.state & QStyle::State_Selected)
            state << TOwnerDrawStateItem::odSelected << TOwnerDrawStateItem::odFocused;
        if (!(option.state & QStyle::State_Enabled))
            state << TOwnerDrawStateItem::odDisabled;
        item.Canvas()->Font()->Assign(m_box.Font());
        Guarded([&] { m_box.DrawItem(*item.Canvas(), index.row(), TRect(0, 0, r.width(), r.height()), state); }, &m_box);
        list.Draw(r.left(), r.top(), &item);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(m_box.ItemHeight());
        return size;
    }

private:
    TRzCustomComboBox& m_box;
};

} // namespace

bool TRzCustomComboBox::IsOwnerDraw() const
{
    return Style() == TComboBoxStyle::csOwnerDrawFixed || Style() == TComboBoxStyle::csOwnerDrawVariable;
}

void TRzCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    TComboBox::SetStyle(Value);
    ApplyItemDrawing();
}

void TRzCustomComboBox::SetItemHeight(int Value)
{
    if (Value == FItemHeight || Value <= 0 || !IsOwnerDraw())
        return;
    FItemHeight = Value;
    ApplyItemDrawing();
}

void TRzCustomComboBox::ApplyItemDrawing()
{
    QComboBox* combo = Combo();
    if (!combo)
        return;
    QAbstractItemView* view = combo->view();
    if (IsOwnerDraw()) {
        if (!dynamic_cast<TRzComboItemDelegate*>(view->itemDelegate()))
            view->setItemDelegate(new TRzComboItemDelegate(*this));
        view->itemDelegate()->setParent(view);
    } else if (dynamic_cast<TRzComboItemDelegate*>(view->itemDelegate())) {
        view->setItemDelegate(new QStyledItemDelegate(view));
    }
    view->doItemsLayout();
    Invalidate();
}

void TRzCustomComboBox::DefaultDrawItem(TCanvas& Canvas, int Index, TRect Rect, TOwnerDrawState State)
{
    (void)State;
    Canvas.FillRect(Rect);
    if (Index >= 0 && Index < Items()->Count())
        Canvas.TextOut(Rect.Left + 2, Rect.Top, Items()->Strings(Index));
}

void TRzCustomComboBox::DrawItem(TCanvas& Canvas, int Index, TRect Rect, TOwnerDrawState State)
{
    const bool selected = State.Contains(TOwnerDrawStateItem::odSelected);
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(Color());
    if (Index < 0) {
        // An empty edit area: a focus rectangle when selected, else the box's colour.
        Canvas.FillRect(Rect);
        if (selected)
            FrameDottedRect(Canvas, Rect);
        return;
    }
    if (selected) {
        Canvas.Brush()->SetColor(clHighlight);
        Canvas.Font()->SetColor(clHighlightText);
    }
    if (OnDrawItem)
        OnDrawItem(this, Index, Rect, State);
    else
        DefaultDrawItem(Canvas, Index, Rect, State);
    if (selected && FShowFocus)
        FrameDottedRect(Canvas, Rect);
}

// --- the list window ---

void TRzCustomComboBox::WatchListWindow()
{
    QComboBox* combo = Combo();
    if (!combo || !combo->view())
        return;
    FListWindow = combo->view()->window();
    if (FListWindow && FListWindow != combo->window())
        FListWindow->installEventFilter(this);
    else
        FListWindow = nullptr;
}

bool TRzCustomComboBox::DroppedDown() const
{
    const QComboBox* combo = Combo();
    return combo && combo->view() && combo->view()->isVisible();
}

void TRzCustomComboBox::SetDroppedDown(bool Value)
{
    QComboBox* combo = Combo();
    if (!combo || Value == DroppedDown())
        return;
    if (Value)
        combo->showPopup();
    else
        combo->hidePopup();
}

int TRzCustomComboBox::CalcDropDownWidth()
{
    if (FDropDownWidth > 0)
        return FDropDownWidth;
    const QFontMetrics metrics(Font()->QtFont());
    int widest = 0;
    for (int i = 0; i < Items()->Count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(Items()->Strings(i)));
    if (Count() > DropDownCount())
        widest += ButtonWidth(); // the list's scroll bar
    return std::max(widest + 8, Width());
}

void TRzCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TRzCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
    Invalidate();
}

void TRzCustomComboBox::ListShown()
{
    FPickedSinceDrop = false;
    DropDown();
    FActualDropDownWidth = CalcDropDownWidth();
    if (FListWindow)
        FListWindow->resize(FActualDropDownWidth, FListWindow->height());
}

// A list that closes without a pick ends the selection cancelled; a pick arrives just after the
// list hides, so the check waits for it.
void TRzCustomComboBox::ListHidden()
{
    CloseUp();
    QTimer::singleShot(0, this, [this] {
        if (!FPickedSinceDrop)
            Guarded([this] { SelEndCancel(); }, this);
    });
}

// --- painting ---

int TRzCustomComboBox::ButtonWidth() const
{
    const QComboBox* combo = Combo();
    if (!combo)
        return 16;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    return std::max(12, arrow.width());
}

// Without visual styles: a two-pixel inset, the border band in Color under a visible frame,
// then the flat button and the frame.
void TRzCustomComboBox::PaintOver(TCanvas& Canvas)
{
    const int b = ThemesActive() ? 1 : 2;
    const int w = Width(), h = Height();
    const TRect button(w - ButtonWidth() - b, b, w - b, h - b);
    if (FFrameVisible && !UseThemes())
        FrameBevel(Canvas, TRect(0, 0, w, h), Color(), Color(), 2, sdAllSides);
    if (IsOwnerDraw())
        PaintEditItem(Canvas);
    PaintButton(Canvas, button);
    if (FFrameVisible && !UseThemes())
        PaintFrame(Canvas);
}

void TRzCustomComboBox::PaintEditItem(TCanvas& Canvas)
{
    const int b = 3;
    const TRect area(b, b, Width() - ButtonWidth() - b, Height() - b);
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    TCanvasSaver saver(Canvas);
    Canvas.Font()->Assign(Font());
    TOwnerDrawState state { TOwnerDrawStateItem::odComboBoxEdit };
    if (FIsFocused && !DroppedDown())
        state << TOwnerDrawStateItem::odSelected << TOwnerDrawStateItem::odFocused;
    DrawItem(Canvas, ItemIndex(), area, state);
}

void TRzCustomComboBox::PaintButton(TCanvas& Canvas, TRect Button)
{
    TCanvasSaver saver(Canvas);
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    const bool dropped = DroppedDown();
    if (FFlatButtons && !FReadOnly) {
        if (!HotState()) {
            Canvas.Brush()->SetColor(Color());
            Canvas.FillRect(Button);
            PaintDropDownArrow(Canvas, Button, ThemesActive() ? 1 : 0, false, Enabled());
            return;
        }
        TRect inner;
        if (FFlatButtonColor == clBtnFace)
            inner = dropped ? FrameBevel(Canvas, Button, clBtnShadow, clBtnHighlight, 1, sdAllSides)
                            : FrameBevel(Canvas, Button, clBtnHighlight, clBtnShadow, 1, sdAllSides);
        else
            inner = PaintColorFrameStyle(Canvas, Button, FFlatButtonColor,
                                         dropped ? TFrameStyleEx::fsStatus : TFrameStyleEx::fsPopup);
        Canvas.Brush()->SetColor(FFlatButtonColor);
        Canvas.FillRect(inner);
        PaintDropDownArrow(Canvas, inner, 0, dropped, Enabled());
        return;
    }
    if (FReadOnly) {
        Canvas.Brush()->SetColor(Color());
        Canvas.FillRect(Button);
    }
}

void TRzCustomComboBox::PaintFrame(TCanvas& Canvas)
{
    const bool hot = FFrameHotTrack && HotState();
    const TFrameStyle style = hot ? FFrameHotStyle : FFrameStyle;
    const TColor colour = hot ? FFrameHotColor : FFrameColor;
    const TRect r(0, 0, Width(), Height());
    TCanvasSaver saver(Canvas);
    if (style == TFrameStyleEx::fsFlat)
        rz::FrameSides(Canvas, r, colour, colour, FFrameSides);
    else if (style == TFrameStyleEx::fsFlatBold)
        FrameBevel(Canvas, r, colour, colour, 2, FFrameSides);
    else if (Color() == clWindow)
        PaintFrameStyleSides(Canvas, r, style, FFrameSides);
    else
        PaintColorFrameStyleSides(Canvas, r, Color(), style, FFrameSides);
}

} // namespace rz
