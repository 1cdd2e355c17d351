#include "platform/ui/TPageControl.h"

#include "platform/ui/EventGuard.h"
#include "platform/ui/TQtHostControl.h"

#include <QTabBar>

#include <algorithm>

namespace vcl {

namespace {

// The pages sit inside a two-pixel raised frame below the tabs.
constexpr int kFrame = 2;

} // namespace

// --- page ---

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
    if (m_pageControl == Value)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    if (Value)
        Value->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!m_pageControl)
        return -1;
    for (int i = 0; i < m_pageControl->PageCount(); ++i)
        if (m_pageControl->Pages(i) == this)
            return i;
    return -1;
}

void TTabSheet::SetTextValue(const QString& value)
{
    TCustomControl::SetTextValue(value);
    if (m_pageControl)
        m_pageControl->RenamePage(this);
}

// --- page control ---

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner), m_tabBar(new QTabBar(this))
{
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setFocusPolicy(Qt::TabFocus);
    QObject::connect(m_tabBar, &QTabBar::currentChanged, [this](int index) {
        if (!m_syncing)
            Guarded([&] { TabPicked(index); }, this);
    });
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* page : m_pages)
        page->m_pageControl = nullptr;
    m_pages.clear();
    BeforeDestruction();
}

TTabSheet* TPageControl::Pages(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        return nullptr;
    return m_pages[static_cast<std::size_t>(Index)];
}

int TPageControl::ActivePageIndex() const
{
    return m_active ? m_active->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Pages(Value));
}

void TPageControl::SetActivePage(TTabSheet* Value)
{
    if (Value && Value->m_pageControl != this)
        return;
    m_active = Value;
    ShowActivePage();
}

int TPageControl::TabHeight() const
{
    return m_tabBar->sizeHint().height();
}

TRect TPageControl::TabRect(int Index) const
{
    const QRect r = m_tabBar->tabRect(Index);
    return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    Page->m_pageControl = this;
    m_pages.push_back(Page);
    Page->SetParent(this);
    {
        TFlagGuard syncing(m_syncing);
        m_tabBar->addTab(Page->Caption());
    }
    if (!m_active)
        m_active = Page;
    ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    const auto at = std::find(m_pages.begin(), m_pages.end(), Page);
    if (at == m_pages.end())
        return;
    const int index = static_cast<int>(at - m_pages.begin());
    m_pages.erase(at);
    Page->m_pageControl = nullptr;
    {
        TFlagGuard syncing(m_syncing);
        m_tabBar->removeTab(index);
    }
    if (m_active == Page)
        m_active = Pages(std::min(index, PageCount() - 1));
    ShowActivePage();
}

void TPageControl::RenamePage(TTabSheet* Page)
{
    const int index = Page->PageIndex();
    if (index >= 0)
        m_tabBar->setTabText(index, Page->Caption());
}

void TPageControl::ShowActivePage()
{
    {
        TFlagGuard syncing(m_syncing);
        m_tabBar->setCurrentIndex(ActivePageIndex());
    }
    m_tabBar->setGeometry(0, 0, Width(), TabHeight());
    TRect area = ClientRect();
    AdjustClientRect(area);
    for (TTabSheet* page : m_pages) {
        if (page == m_active)
            page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
        page->SetVisible(page == m_active);
    }
    Invalidate();
}

void TPageControl::TabPicked(int Index)
{
    TTabSheet* page = Pages(Index);
    if (!page || page == m_active)
        return;
    m_active = page;
    ShowActivePage();
    if (OnChange)
        OnChange(this);
}

void TPageControl::AdjustClientRect(TRect& Rect) const
{
    Rect.Top += TabHeight();
    Rect.Left += kFrame;
    Rect.Right -= kFrame;
    Rect.Top += kFrame;
    Rect.Bottom -= kFrame;
}

void TPageControl::SizeChanged()
{
    TCustomControl::SizeChanged();
    ShowActivePage();
}

void TPageControl::Paint()
{
    const int top = TabHeight();
    TCanvas* canvas = Canvas();
    const int right = Width() - 1;
    const int bottom = Height() - 1;
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(0, bottom);
    canvas->LineTo(0, top);
    canvas->LineTo(right, top);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(right, top);
    canvas->LineTo(right, bottom);
    canvas->LineTo(-1, bottom);
}

} // namespace vcl
