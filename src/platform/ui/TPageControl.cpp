#include "platform/ui/TPageControl.h"

#include "platform/core/SoftAssert.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vcl {

namespace {

constexpr int kTabPadding = 8; // text to tab edge, both sides together
constexpr int kFrame = 2;       // the sheet's frame below the tabs

} // namespace

// ---------------------------------------------------------------- sheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    BeforeDestruction();
    if (m_pageControl)
        m_pageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (Value == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    m_pageControl = Value;
    if (Value)
        Value->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!m_pageControl)
        return -1;
    const auto& pages = m_pageControl->m_pages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (Value == m_tabVisible)
        return;
    m_tabVisible = Value;
    if (m_pageControl)
        m_pageControl->LayoutTabs();
}

void TTabSheet::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_TEXTCHANGED && m_pageControl)
        m_pageControl->LayoutTabs();
    TCustomControl::Dispatch(Message);
}

// ---------------------------------------------------------------- page control

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    BeforeDestruction();
    for (TTabSheet* sheet : m_pages)
        sheet->m_pageControl = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const
{
    return Index >= 0 && Index < PageCount() ? m_pages[static_cast<size_t>(Index)] : nullptr;
}

void TPageControl::InsertPage(TTabSheet* Sheet)
{
    m_pages.push_back(Sheet);
    Sheet->SetParent(this);
    if (!m_active)
        SetActivePage(Sheet);
    LayoutTabs();
}

void TPageControl::RemovePage(TTabSheet* Sheet)
{
    const auto place = std::find(m_pages.begin(), m_pages.end(), Sheet);
    if (place == m_pages.end())
        return;
    const auto index = place - m_pages.begin();
    m_pages.erase(place);
    if (m_active == Sheet) {
        // The sheet that takes the removed one's place shows, or the last one when it was last.
        m_active = nullptr;
        if (!m_pages.empty())
            SetActivePage(m_pages[static_cast<std::size_t>(std::min<std::ptrdiff_t>(index, std::ssize(m_pages) - 1))]);
    }
    LayoutTabs();
}

void TPageControl::SetActivePage(TTabSheet* Value)
{
    if (Value && Value->m_pageControl != this)
        return;
    if (m_active == Value)
        return;
    TTabSheet* old = m_active;
    m_active = Value;
    if (m_active)
        m_active->SetVisible(true);
    if (old)
        old->SetVisible(false);
    Invalidate();
}

int TPageControl::ActivePageIndex() const
{
    return m_active ? m_active->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Pages(Value));
}

TTabSheet* TPageControl::TabAt(int X, int Y) const
{
    for (size_t i = 0; i < m_pages.size() && i < m_tabRects.size(); ++i)
        if (!m_tabRects[i].IsEmpty() && m_tabRects[i].Contains(TPoint(X, Y)))
            return m_pages[i];
    return nullptr;
}

TRect TPageControl::TabRect(const TTabSheet* Sheet) const
{
    for (size_t i = 0; i < m_pages.size() && i < m_tabRects.size(); ++i)
        if (m_pages[i] == Sheet)
            return m_tabRects[i];
    return TRect();
}

// Tabs flow left to right and wrap onto a new row when the next one would leave the control.
void TPageControl::LayoutTabs()
{
    const QFontMetrics fm(Font()->QtFont());
    const int rowHeight = fm.height() + 6;
    m_tabRects.assign(m_pages.size(), TRect());
    int x = 0;
    int row = 0;
    bool any = false;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (!m_pages[i]->TabVisible())
            continue;
        const int w = fm.horizontalAdvance(m_pages[i]->Caption()) + kTabPadding;
        if (any && x + w > Width()) {
            ++row;
            x = 0;
        }
        m_tabRects[i] = TRect(x, row * rowHeight, x + w, (row + 1) * rowHeight);
        x += w;
        any = true;
    }
    m_tabsHeight = any ? (row + 1) * rowHeight : 0;
    PlaceSheets();
    Invalidate();
}

void TPageControl::AdjustClientRect(TRect& Rect) const
{
    Rect = TRect(Rect.Left + kFrame, Rect.Top + m_tabsHeight + kFrame, Rect.Right - kFrame, Rect.Bottom - kFrame);
}

void TPageControl::PlaceSheets()
{
    TRect r = TRect(0, 0, Width(), Height());
    AdjustClientRect(r);
    for (TTabSheet* sheet : m_pages)
        sheet->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

void TPageControl::SizeChanged()
{
    TCustomControl::SizeChanged();
    LayoutTabs();
}

void TPageControl::FontChanged()
{
    TCustomControl::FontChanged();
    LayoutTabs();
}

void TPageControl::SelectByUser(TTabSheet* Sheet)
{
    if (!Sheet || Sheet == m_active)
        return;
    SetActivePage(Sheet);
    if (OnChange)
        OnChange(this);
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    if (TTabSheet* sheet = TabAt(X, Y)) {
        if (CanFocus())
            SetFocus();
        SelectByUser(sheet);
    }
}

// Left and Right step through the sheets that have tabs.
void TPageControl::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key != VK_LEFT && Key != VK_RIGHT)
        return;
    const int step = Key == VK_LEFT ? -1 : 1;
    for (int i = ActivePageIndex() + step; i >= 0 && i < PageCount(); i += step)
        if (m_pages[static_cast<size_t>(i)]->TabVisible()) {
            SelectByUser(m_pages[static_cast<size_t>(i)]);
            Key = 0;
            return;
        }
}

void TPageControl::Paint()
{
    QPainter* p = Canvas()->Painter();
    if (!ZQ9_EXPECT(p))
        return;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor shadow = ToQColor(clBtnShadow);
    const QRect frame(0, m_tabsHeight, Width() - 1, Height() - m_tabsHeight - 1);
    p->setPen(light);
    p->drawLine(frame.topLeft(), frame.bottomLeft());
    p->drawLine(frame.topLeft(), frame.topRight());
    p->setPen(shadow);
    p->drawLine(frame.topRight(), frame.bottomRight());
    p->drawLine(frame.bottomLeft(), frame.bottomRight());
    p->setFont(Font()->QtFont());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        const TRect& t = m_tabRects[i];
        if (t.IsEmpty())
            continue;
        const bool active = m_pages[i] == m_active;
        QRect r(t.Left, t.Top + (active ? 0 : 2), t.Width() - 1, t.Height() - (active ? 0 : 2));
        p->fillRect(r, ToQColor(Color()));
        p->setPen(light);
        p->drawLine(r.bottomLeft(), r.topLeft());
        p->drawLine(r.topLeft(), r.topRight());
        p->setPen(shadow);
        p->drawLine(r.topRight(), r.bottomRight());
        p->setPen(ToQColor(Enabled() ? Font()->Color() : clGrayText));
        p->drawText(r, Qt::AlignCenter, m_pages[i]->Caption());
        if (active && Focused()) {
            p->setPen(QPen(ToQColor(Font()->Color()), 1, Qt::DotLine));
            p->drawRect(r.adjusted(3, 3, -3, -3));
        }
    }
}

} // namespace vcl
