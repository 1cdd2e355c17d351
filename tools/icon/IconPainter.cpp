#include "IconPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

void PaintPanel(QPainter& p, double s)
{
    QLinearGradient body(0, 0, 0, s);
    body.setColorAt(0, QColor(52, 64, 84));
    body.setColorAt(1, QColor(22, 28, 40));
    p.setPen(QPen(QColor(140, 160, 190), s / 64));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.16, s * 0.16);
}

void PaintResponse(QPainter& p, double s)
{
    const QRectF plot(s * 0.14, s * 0.14, s * 0.72, s * 0.40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 14, 22));
    p.drawRoundedRect(plot, s * 0.04, s * 0.04);
    p.setPen(QPen(QColor(60, 80, 100), std::max(1.0, s / 128)));
    for (int i = 1; i < 4; ++i) {
        const double x = plot.left() + plot.width() * i / 4;
        p.drawLine(QPointF(x, plot.top() + s * 0.02), QPointF(x, plot.bottom() - s * 0.02));
    }
    // A high-pass slope, a presence bump and a gentle top roll-off.
    QPainterPath curve;
    const int steps = 64;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double hp = 1.0 / (1.0 + std::pow(0.12 / std::max(t, 1e-3), 4));
        const double bump = 0.22 * std::exp(-std::pow((t - 0.58) / 0.10, 2));
        const double y = 0.78 - 0.50 * hp - bump + 0.18 * std::pow(t, 6);
        const QPointF pt(plot.left() + s * 0.03 + t * (plot.width() - s * 0.06), plot.top() + y * plot.height());
        i == 0 ? curve.moveTo(pt) : curve.lineTo(pt);
    }
    p.setPen(QPen(QColor(120, 230, 255), std::max(1.5, s / 28), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

// Two inputs and six outputs: eight meters, the inputs set apart.
void PaintMeters(QPainter& p, double s)
{
    const double heights[8] = { 0.8, 0.6, 0.9, 0.5, 0.7, 0.4, 0.65, 0.3 };
    const double top = s * 0.62, bottom = s * 0.84, width = s * 0.055;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const double x = s * 0.15 + i * s * 0.083 + (i >= 2 ? s * 0.03 : 0.0);
        const double h = (bottom - top) * heights[i];
        QLinearGradient g(0, bottom, 0, top);
        g.setColorAt(0, QColor(60, 200, 90));
        g.setColorAt(0.7, QColor(240, 210, 60));
        g.setColorAt(1, QColor(235, 70, 60));
        p.setBrush(QColor(40, 48, 60));
        p.drawRect(QRectF(x, top, width, bottom - top));
        p.setBrush(g);
        p.drawRect(QRectF(x, bottom - h, width, h));
    }
}

} // namespace

void PaintEditorIcon(QPainter& p, double size)
{
    p.setRenderHint(QPainter::Antialiasing);
    PaintPanel(p, size);
    PaintResponse(p, size);
    PaintMeters(p, size);
}

QImage PaintEditorIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintEditorIcon(p, static_cast<double>(size));
    p.end();
    return image;
}
