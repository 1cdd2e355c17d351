#include "widgets/AdvTrackBarHint.h"

#include "platform/ui/TCanvas.h"
#include "widgets/AdvTrackBarDraw.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using namespace vcl;

TTrackHintWindow::TTrackHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

TTrackHintWindow::~TTrackHintWindow() = default;

void TTrackHintWindow::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    update();
}

void TTrackHintWindow::SetCaption(const QString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    update();
}

TRect TTrackHintWindow::CalcHintRect(int MaxWidth, const QString& Text) const
{
    (void)MaxWidth;
    (void)Text;
    const TSize ext = advtrackbar::MeasureText(FFont, FCaption);
    return TRect(0, 0, ext.cx, ext.cy);
}

void TTrackHintWindow::ActivateHint(const TRect& Rect, const QString& Text)
{
    SetCaption(Text);
    const TSize ext = advtrackbar::MeasureText(FFont, Text);
    FTextWidth = ext.cx;
    FTextHeight = ext.cy;
    TRect r = Rect;
    r.Right = r.Left + ext.cx + 16;
    r.Bottom = r.Top + ext.cy + 4;
    const QPoint anchor(r.Left, r.Top);
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect mon = screen->geometry();
        const int monRight = mon.x() + mon.width();
        const int monBottom = mon.y() + mon.height();
        if (r.Right > monRight) {
            const int dx = r.Right - (monRight - 2);
            r.Left -= dx;
            r.Right -= dx;
        }
        if (r.Bottom > monBottom) {
            const int dy = r.Bottom - (monBottom - 2);
            r.Top -= dy;
            r.Bottom -= dy;
        }
    }
    FBounds = r;
    setGeometry(r.Left, r.Top, r.Width(), r.Height());
    show();
    raise();
    update();
}

void TTrackHintWindow::ReleaseHandle()
{
    hide();
}

void TTrackHintWindow::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    TCanvas canvas;
    TCanvasPainterBinding binding(canvas, painter, TRect(0, 0, width(), height()));
    const TRect r(0, 0, width(), height());
    canvas.Brush()->SetColor(FColor);
    canvas.FillRect(r);
    canvas.Pen()->SetColor(cl3DLight);
    canvas.Polyline({ TPoint(r.Left, r.Bottom - 2), TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top) });
    canvas.Pen()->SetColor(cl3DDkShadow);
    canvas.Polyline({ TPoint(r.Left, r.Bottom - 1), TPoint(r.Right - 1, r.Bottom - 1), TPoint(r.Right - 1, r.Top - 1) });
    canvas.Font()->Assign(&FFont);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const TSize ext = canvas.TextExtent(FCaption);
    canvas.TextOut((r.Width() - ext.cx) / 2, (r.Height() - ext.cy) / 2, FCaption);
}
