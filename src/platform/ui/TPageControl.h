#pragma once
// A row of tabs over a stack of pages: only the page of the selected tab shows. A page joins the
// control by SetPageControl; a click on a tab selects its page and fires OnChange.

#include "platform/ui/TCustomControl.h"

#include <vector>

class QTabBar;

namespace vcl {

class TPageControl;

class TTabSheet : public TCustomControl
{
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return m_pageControl; }
    // Moves the page to the end of Value's pages (nullptr: out of any page control).
    void SetPageControl(TPageControl* Value);
    // The page's place among its control's pages; -1 outside one.
    int PageIndex() const;

protected:
    void SetTextValue(const QString& value) override;

private:
    friend class TPageControl;
    TPageControl* m_pageControl { nullptr };
};

class TPageControl : public TCustomControl
{
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // nullptr outside 0 .. PageCount - 1.
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return m_active; }
    // Shows Value's page; a page of another control is ignored. Fires no OnChange.
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The height of the row of tabs, and where the tab of page Index sits in the control.
    int TabHeight() const;
    TRect TabRect(int Index) const;

    // The user picked another tab.
    TNotifyEvent OnChange;

protected:
    void AdjustClientRect(TRect& Rect) const override;
    void SizeChanged() override;
    void Paint() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void RenamePage(TTabSheet* Page);
    void ShowActivePage();
    void TabPicked(int Index);

    QTabBar* m_tabBar;
    std::vector<TTabSheet*> m_pages;
    TTabSheet* m_active { nullptr };
    bool m_syncing { false };
};

} // namespace vcl
