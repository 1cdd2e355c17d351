#include "widgets/RzPanelDock.h"

#include "platform/ui/TWinControl.h"
#include "widgets/RzPanel.h"

#include <QApplication>
#include <QMouseEvent>

namespace rz {

using namespace vcl;

TRzPanelDockManager::TRzPanelDockManager(TRzCustomPanel& Panel) : FPanel(Panel)
{
    FFont.SetName(QStringLiteral("Verdana"));
    FFont.SetSize(8);
    FCloseFont.SetName(QStringLiteral("Marlett"));
    FCloseFont.SetSize(8);
    FPanel.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { FPanel.Invalidate(); });
}

TRzPanelDockManager::~TRzPanelDockManager()
{
    FPanel.removeEventFilter(this);
}

void TRzPanelDockManager::InsertControl(TControl* Client)
{
    if (!Client)
        return;
    for (const auto& c : FClients)
        if (c == Client)
            return;
    FClients.emplace_back(Client);
    Client->SetAlign(TAlign::alNone);
    Client->SetParent(&FPanel);
    ResetBounds();
}

void TRzPanelDockManager::RemoveControl(TControl* Client)
{
    std::erase_if(FClients, [&](const QPointer<TControl>& c) { return !c || c == Client; });
    ResetBounds();
}

int TRzPanelDockManager::DockClientCount() const
{
    return static_cast<int>(std::count_if(FClients.begin(), FClients.end(), [](const auto& c) { return !c.isNull(); }));
}

TControl* TRzPanelDockManager::DockClient(int Index) const
{
    int i = 0;
    for (const auto& c : FClients)
        if (c && i++ == Index)
            return c;
    return nullptr;
}

bool TRzPanelDockManager::GrabberAtLeft() const
{
    return FPanel.Align() == TAlign::alTop || FPanel.Align() == TAlign::alBottom;
}

void TRzPanelDockManager::AdjustDockRect(TControl*, TRect& Rect) const
{
    if (GrabberAtLeft())
        Rect.Left += FGrabberSize;
    else
        Rect.Top += FGrabberSize;
}

// The visible clients share the client area: side by side under a top or bottom panel's left
// grabbers, one above the other otherwise.
void TRzPanelDockManager::ResetBounds()
{
    std::vector<TControl*> shown;
    for (const auto& c : FClients)
        if (c && c->Visible())
            shown.push_back(c);
    if (shown.empty()) {
        FPanel.Invalidate();
        return;
    }
    const TRect area = FPanel.ClientRect();
    const int n = static_cast<int>(shown.size());
    for (int i = 0; i < n; ++i) {
        TRect zone = area;
        if (GrabberAtLeft()) {
            zone.Left = area.Left + area.Width() * i / n;
            zone.Right = area.Left + area.Width() * (i + 1) / n;
        } else {
            zone.Top = area.Top + area.Height() * i / n;
            zone.Bottom = area.Top + area.Height() * (i + 1) / n;
        }
        AdjustDockRect(shown[i], zone);
        shown[i]->SetBounds(zone.Left, zone.Top, std::max(0, zone.Width()), std::max(0, zone.Height()));
    }
    FPanel.Invalidate();
}

TRect TRzPanelDockManager::ZoneOf(TControl* Client) const
{
    const TRect b = Client->BoundsRect();
    return GrabberAtLeft() ? TRect(b.Left - FGrabberSize, b.Top, b.Right, b.Bottom)
                           : TRect(b.Left, b.Top - FGrabberSize, b.Right, b.Bottom);
}

TRect TRzPanelDockManager::CloseRect(const TRect& Zone) const
{
    if (GrabberAtLeft())
        return TRect(Zone.Left + 1, Zone.Top + 1, Zone.Left + 12, Zone.Top + 12);
    return TRect(Zone.Right - 15, Zone.Top + 1, Zone.Right - 2, Zone.Top + 12);
}

void TRzPanelDockManager::PaintSite(TCanvas& Canvas)
{
    if (!FPanel.ShowDockClientCaptions())
        return;
    for (const auto& c : FClients)
        if (c && c->Visible())
            PaintDockFrame(Canvas, c, ZoneOf(c));
}

namespace {

// The close glyph: a cross of two diagonal strokes.
void DrawCloseGlyph(TCanvas& Canvas, const TRect& R, TColor Colour)
{
    const int size = std::min(R.Width(), R.Height()) - 4;
    if (size <= 1)
        return;
    const int x = R.Left + (R.Width() - size) / 2, y = R.Top + (R.Height() - size) / 2;
    for (int i = 0; i < size; ++i) {
        Canvas.SetPixels(x + i, y + i, Colour);
        Canvas.SetPixels(x + size - 1 - i, y + i, Colour);
    }
}

} // namespace

void TRzPanelDockManager::PaintDockFrame(TCanvas& Canvas, TControl* Client, const TRect& Zone)
{
    TCanvasSaver saver(Canvas);
    Canvas.Font()->Assign(&FFont);
    auto* windowed = dynamic_cast<TWinControl*>(Client);
    const bool active = !windowed || windowed->Focused() || windowed->isAncestorOf(QApplication::focusWidget());
    const TColor back = active ? clActiveCaption : clInactiveCaption;
    const TColor text = active ? clCaptionText : clInactiveCaptionText;
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(back);
    Canvas.Font()->SetColor(text);
    const QString caption = Client->Caption();
    if (GrabberAtLeft()) {
        const TRect bar(Zone.Left, Zone.Top, Zone.Left + FGrabberSize, Zone.Bottom);
        Canvas.FillRect(bar);
        Canvas.IntersectClipRect(bar);
        const TRotatedFont turned = CreateRotatedFont(FFont, 90);
        DrawRotatedText(Canvas, caption, bar.Right - 2, bar.Bottom - 3, turned, clCaptionText, TA_LEFT | TA_BASELINE);
    } else {
        const TRect bar(Zone.Left, Zone.Top, Zone.Right, Zone.Top + FGrabberSize);
        Canvas.FillRect(bar);
        Canvas.IntersectClipRect(bar);
        Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        Canvas.TextOut(Zone.Left + 2, Zone.Top, caption);
    }
    DrawCloseGlyph(Canvas, CloseRect(Zone), text);
}

// Clicks and commands on the site repaint it, so the caption colours follow the focus; a click
// on a close glyph undocks that client by hiding it.
bool TRzPanelDockManager::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != &FPanel)
        return false;
    if (Event->type() == QEvent::MouseButtonPress) {
        FPanel.Invalidate();
        const QPoint at = static_cast<QMouseEvent*>(Event)->position().toPoint();
        for (const auto& c : FClients) {
            if (!c || !c->Visible())
                continue;
            const TRect r = CloseRect(ZoneOf(c));
            if (at.x() >= r.Left && at.x() < r.Right && at.y() >= r.Top && at.y() < r.Bottom) {
                c->SetVisible(false);
                ResetBounds();
                return true;
            }
        }
    } else if (Event->type() == QEvent::FocusIn || Event->type() == QEvent::FocusOut
               || Event->type() == QEvent::ChildRemoved) {
        FPanel.Invalidate();
    }
    return false;
}

} // namespace rz
