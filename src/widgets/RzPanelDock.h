#pragma once
// The dock manager of a panel that is a dock site: it keeps the docked controls side by side in
// the panel and draws each one's caption bar itself, a 14-pixel grabber with the control's caption
// in a small font, in the active or inactive caption colours, and a close glyph. Qt has no dock
// tree of the class library's kind: controls are docked and undocked by code (InsertControl,
// RemoveControl, the close glyph); dragging a control in or out and floating it are not offered.

#include "platform/ui/TFont.h"
#include "widgets/RzCommon.h"

#include <QObject>
#include <QPointer>

#include <vector>

namespace vcl {
class TControl;
}

namespace rz {

class TRzCustomPanel;

class TRzPanelDockManager : public QObject
{
public:
    // Watches the panel's messages (the dock site's window procedure) until destroyed.
    explicit TRzPanelDockManager(TRzCustomPanel& Panel);
    ~TRzPanelDockManager() override;

    int GrabberSize() const { return FGrabberSize; }
    // Docks Client into the panel (a no-op for one already docked) and lays the clients out.
    void InsertControl(vcl::TControl* Client);
    void RemoveControl(vcl::TControl* Client);
    int DockClientCount() const;
    vcl::TControl* DockClient(int Index) const;
    // The rectangle a client's zone leaves it: the grabber at the left for a panel aligned alTop
    // or alBottom, else at the top.
    void AdjustDockRect(vcl::TControl* Client, TRect& Rect) const;
    bool GrabberAtLeft() const;
    // Lays the visible clients out in the panel's client area, one zone each.
    void ResetBounds();
    // The caption bars of every visible client.
    void PaintSite(TCanvas& Canvas);
    void PaintDockFrame(TCanvas& Canvas, vcl::TControl* Client, const TRect& Zone);
    // The close glyph's rectangle in a zone.
    TRect CloseRect(const TRect& Zone) const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TRect ZoneOf(vcl::TControl* Client) const;

    TRzCustomPanel& FPanel;
    vcl::TFont FFont;
    vcl::TFont FCloseFont;
    int FGrabberSize { 14 };
    std::vector<QPointer<vcl::TControl>> FClients;
};

} // namespace rz
