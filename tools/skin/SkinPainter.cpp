#include "SkinPainter.h"

#include "ui/SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <optional>

namespace {

using skin::Rgb;

constexpr int FaceWidth = 64;
constexpr int FaceHeight = 28;
constexpr int PageWidth = 74;
constexpr int PageHeight = 28;

QColor Q(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Anti-aliased drawing flattened onto the colour the button shows through: pixels mostly outside
// the face become the transparent colour, the edge pixels are blended over the bar colour.
QImage Flatten(const QImage& drawn)
{
    QImage out(drawn.size(), QImage::Format_RGB32);
    const QColor behind = Q(skin::BarBack);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = QColor::fromRgba(drawn.pixel(x, y));
            if (c.alpha() < 110) {
                out.setPixel(x, y, Q(skin::Transparent).rgb());
                continue;
            }
            const double a = c.alphaF();
            auto mix = [a](int fg, int bg) { return static_cast<int>(std::lround(fg * a + bg * (1 - a))); };
            out.setPixel(x, y, qRgb(mix(c.red(), behind.red()), mix(c.green(), behind.green()), mix(c.blue(), behind.blue())));
        }
    }
    return out;
}

struct Face
{
    Rgb top, bottom, border;
    std::optional<Rgb> lamp;    // the lamp strip's colour; none draws no strip
    bool lampAtBottom { false };
    bool pressed { false };     // a darker inner edge at the top, as if pushed in
};

QImage PaintFace(int w, int h, const Face& f)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, w - 1.0, h - 1.0);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, Q(f.top));
    fill.setColorAt(1, Q(f.bottom));
    p.setPen(QPen(Q(f.border), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(body, 4, 4);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (f.pressed) {
        p.setPen(QColor(0, 0, 0, 120));
        p.drawLine(3, 1, w - 4, 1);
    } else {
        p.setPen(QColor(255, 255, 255, 40));
        p.drawLine(3, 1, w - 4, 1);
    }
    if (f.lamp) {
        const int y = f.lampAtBottom ? h - 5 : 2;
        p.setPen(Qt::NoPen);
        p.setBrush(Q(*f.lamp));
        p.drawRect(QRect(5, y, w - 10, 3));
    }
    p.end();
    return Flatten(img);
}

Face LitFace(const skin::LitColours& lit)
{
    return { lit.top, lit.bottom, lit.lamp, lit.lamp, false, true };
}

QPainterPath ResponseCurve(const QRectF& r, double lift, double bump, double centre)
{
    QPainterPath path;
    const int steps = 120;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double hp = 1.0 / (1.0 + std::pow(0.08 / std::max(t, 1e-3), 4));
        const double lp = 1.0 / (1.0 + std::pow(std::max(t, 1e-3) / 0.93, 8));
        const double peak = bump * std::exp(-std::pow((t - centre) / 0.08, 2));
        const double y = 1.0 - (lift * hp * lp + peak);
        const QPointF pt(r.left() + t * r.width(), r.top() + y * r.height());
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    return path;
}

// The start-up picture: a dark blue panel, a faint grid with two response curves above the
// program's name and a row of level meters below the loading line. The texts are drawn over it
// by the splash itself, so their places stay clear.
QImage PaintSplash()
{
    constexpr int w = 620, h = 350;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, h);
    back.setColorAt(0, QColor(18, 36, 78));
    back.setColorAt(0.55, QColor(10, 20, 46));
    back.setColorAt(1, QColor(4, 8, 22));
    p.fillRect(img.rect(), back);
    QRadialGradient glow(QPointF(w * 0.3, h * 0.4), w * 0.6);
    glow.setColorAt(0, QColor(60, 110, 200, 60));
    glow.setColorAt(1, QColor(60, 110, 200, 0));
    p.fillRect(img.rect(), glow);

    const QRectF plot(30, 22, w - 60, 86);
    p.setPen(QPen(QColor(60, 90, 140, 110), 1));
    for (int i = 0; i <= 10; ++i) {
        const double x = plot.left() + plot.width() * std::log10(1 + 9.0 * i / 10);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.top() + plot.height() * i / 4;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 200, 255, 200), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(ResponseCurve(plot, 0.55, 0.22, 0.55));
    p.setPen(QPen(QColor(255, 190, 70, 170), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(ResponseCurve(plot, 0.45, -0.15, 0.35));

    // Eight meters, two inputs set apart from six outputs.
    const double heights[8] = { 0.75, 0.55, 0.85, 0.45, 0.65, 0.35, 0.6, 0.25 };
    const double top = 262, bottom = 326, mw = 22;
    for (int i = 0; i < 8; ++i) {
        const double x = 190 + i * 30 + (i >= 2 ? 20 : 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(26, 34, 52));
        p.drawRect(QRectF(x, top, mw, bottom - top));
        const int segments = 8;
        const int lit = static_cast<int>(std::lround(segments * heights[i]));
        for (int s = 0; s < lit; ++s) {
            const double sh = (bottom - top) / segments;
            const double y = bottom - (s + 1) * sh;
            const skin::Rgb c = s >= 7 ? skin::MeterLit[0] : s >= 5 ? skin::MeterLit[1] : skin::MeterLit[2];
            p.setBrush(Q(c));
            p.drawRect(QRectF(x + 2, y + 1, mw - 4, sh - 2));
        }
    }
    p.setPen(QPen(QColor(70, 110, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    p.end();
    return img;
}

} // namespace

std::vector<SkinPictureSpec> PaintSkin()
{
    using namespace skin;
    std::vector<SkinPictureSpec> out;
    auto add = [&out](const char* name, QImage image) { out.push_back({ QString::fromLatin1(name), std::move(image) }); };

    add("face-up", PaintFace(FaceWidth, FaceHeight, { FaceTop, FaceBottom, FaceBorder, LedOff }));
    add("face-hot", PaintFace(FaceWidth, FaceHeight, { HotTop, HotBottom, FaceBorder, LedOff }));
    add("face-pressed", PaintFace(FaceWidth, FaceHeight, { PressedTop, PressedBottom, FaceBorder, LedOff, false, true }));
    add("face-disabled", PaintFace(FaceWidth, FaceHeight, { DisabledFace, DisabledFace, DisabledFace, std::nullopt }));
    add("face-lit-green", PaintFace(FaceWidth, FaceHeight, LitFace(LitGreen)));
    add("face-lit-red", PaintFace(FaceWidth, FaceHeight, LitFace(LitRed)));
    add("face-lit-amber", PaintFace(FaceWidth, FaceHeight, LitFace(LitAmber)));
    add("face-lit-blue", PaintFace(FaceWidth, FaceHeight, LitFace(LitBlue)));

    add("page-up", PaintFace(PageWidth, PageHeight, { FaceTop, FaceBottom, FaceBorder, std::nullopt }));
    add("page-hot", PaintFace(PageWidth, PageHeight, { HotTop, HotBottom, FaceBorder, std::nullopt }));
    add("page-pressed", PaintFace(PageWidth, PageHeight, { PressedTop, PressedBottom, FaceBorder, std::nullopt, true, true }));
    add("page-lit", PaintFace(PageWidth, PageHeight, { PageLit.top, PageLit.bottom, PageLit.lamp, PageLit.lamp, true, true }));

    add("splash", PaintSplash());
    return out;
}
