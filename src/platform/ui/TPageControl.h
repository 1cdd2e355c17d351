#pragma once
// A stack of tab sheets under a row of tabs (wrapped onto more rows when they do not fit); a click
// on a tab, or Left/Right while the control has the focus, shows that sheet.

#include "platform/ui/TCustomControl.h"

#include <vector>

namespace vcl {

class TPageControl;

// One page of a page control; its caption is the tab's text.
class TTabSheet : public TCustomControl
{
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return m_pageControl; }
    // Moves the sheet to the end of Value's pages (out of its former control's).
    void SetPageControl(TPageControl* Value);
    int PageIndex() const;
    // A sheet without a tab stays in the control but the user cannot show it.
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool Value);

    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* m_pageControl { nullptr };
    bool m_tabVisible { true };
};

class TPageControl : public TCustomControl
{
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return m_active; }
    // Shows the sheet; fires no OnChange.
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The sheet under a point of the tab rows, or nullptr.
    TTabSheet* TabAt(int X, int Y) const;
    // Where a sheet's tab is drawn (empty when it has none), or the tab of page Index.
    TRect TabRect(const TTabSheet* Sheet) const;
    TRect TabRect(int Index) const { return TabRect(Pages(Index)); }
    // The height of the rows of tabs.
    int TabHeight() const { return m_tabsHeight; }

    // A user's choice of another sheet.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void AdjustClientRect(TRect& Rect) const override;
    void FontChanged() override;
    void SizeChanged() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Sheet);
    void RemovePage(TTabSheet* Sheet);
    void LayoutTabs();
    void PlaceSheets();
    void SelectByUser(TTabSheet* Sheet);

    std::vector<TTabSheet*> m_pages;
    std::vector<TRect> m_tabRects; // one per page, empty for sheets without a tab
    TTabSheet* m_active { nullptr };
    int m_tabsHeight { 0 };
};

} // namespace vcl
