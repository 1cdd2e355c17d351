#include "ToolBarPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace toolbarpictures {

namespace {

// The 16 standard colours, in palette order.
const std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
const QColor kMask(0, 128, 128);
const QColor kInk(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kPaper(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kRed(128, 0, 0);
const QColor kYellow(255, 255, 0);

int Nearest(QRgb c)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(kPalette[i]);
        const int dg = qGreen(c) - qGreen(kPalette[i]);
        const int db = qBlue(c) - qBlue(kPalette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void Frame(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void Lens(QPainter& p, const QString& sign)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20, 20));
    p.setPen(QPen(kNavy, 2));
    if (sign == QLatin1String("+") || sign == QLatin1String("-"))
        p.drawLine(QPointF(6, 9), QPointF(12, 9));
    if (sign == QLatin1String("+"))
        p.drawLine(QPointF(9, 6), QPointF(9, 12));
}

void Page(QPainter& p, const QRectF& r)
{
    Frame(p, r, kPaper);
    p.setPen(QPen(kGrey, 1));
    for (double y = r.top() + 4; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void Arrow(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(kNavy, 2));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to + d * 2 << to - d * 3 + n * 3 << to - d * 3 - n * 3;
    p.setBrush(kNavy);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

using Painter = std::function<void(QPainter&)>;

const std::map<QString, Painter>& Painters()
{
    static const std::map<QString, Painter> painters = {
        { "AUTO", [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kGreen);
             p.drawPolygon(QPolygonF({ QPointF(7, 4), QPointF(19, 12), QPointF(7, 20) }));
         } },
        { "PAUSE", [](QPainter& p) {
             Frame(p, QRectF(6, 5, 4, 14), kNavy);
             Frame(p, QRectF(14, 5, 4, 14), kNavy);
         } },
        { "SCROLL", [](QPainter& p) {
             Arrow(p, QPointF(12, 12), QPointF(12, 3));
             Arrow(p, QPointF(12, 12), QPointF(12, 21));
             Arrow(p, QPointF(12, 12), QPointF(3, 12));
             Arrow(p, QPointF(12, 12), QPointF(21, 12));
         } },
        { "ZOOM", [](QPainter& p) { Lens(p, QString()); } },
        { "ZOOMIN", [](QPainter& p) { Lens(p, QStringLiteral("+")); } },
        { "ZOOMOUT", [](QPainter& p) { Lens(p, QStringLiteral("-")); } },
        { "SELECT", [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kPaper);
             p.drawPolygon(QPolygonF({ QPointF(6, 3), QPointF(6, 19), QPointF(10, 15), QPointF(13, 21),
                                       QPointF(15, 20), QPointF(12, 14), QPointF(17, 14) }));
         } },
        { "SCROLLBOX", [](QPainter& p) {
             p.setPen(QPen(kInk, 1, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(3, 4, 17, 13));
             p.setPen(QPen(kRed, 2));
             p.drawLine(QPointF(14, 13), QPointF(21, 20));
         } },
        { "CURSOR", [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.drawLine(QPointF(8, 2), QPointF(8, 22));
             p.drawLine(QPointF(2, 14), QPointF(22, 14));
             Frame(p, QRectF(11, 4, 10, 6), kYellow);
         } },
        { "PROPERTIES", [](QPainter& p) {
             Page(p, QRectF(4, 2, 14, 19));
             p.setPen(QPen(kGreen, 2));
             p.drawLine(QPointF(11, 15), QPointF(14, 19));
             p.drawLine(QPointF(14, 19), QPointF(21, 9));
         } },
        { "COPY", [](QPainter& p) {
             Page(p, QRectF(3, 2, 11, 14));
             Page(p, QRectF(9, 8, 11, 14));
         } },
        { "SAVE", [](QPainter& p) {
             Frame(p, QRectF(3, 3, 18, 18), kNavy);
             Frame(p, QRectF(7, 3, 10, 7), kPaper);
             Frame(p, QRectF(6, 13, 12, 8), kGrey);
         } },
        { "PRINTER", [](QPainter& p) {
             Frame(p, QRectF(7, 2, 10, 8), kPaper);
             Frame(p, QRectF(3, 9, 18, 9), kGrey);
             Frame(p, QRectF(6, 15, 12, 6), kPaper);
             p.setPen(QPen(kGreen, 1));
             p.drawPoint(QPointF(18, 11));
         } },
        { "PREVIEW", [](QPainter& p) {
             Page(p, QRectF(3, 2, 13, 18));
             p.setPen(QPen(kInk, 2));
             p.setBrush(kPaper);
             p.drawEllipse(QRectF(11, 10, 8, 8));
             p.setPen(QPen(kRed, 2));
             p.drawLine(QPointF(18, 17), QPointF(22, 21));
         } },
    };
    return painters;
}

void PutLe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

QStringList Names()
{
    return { "AUTO", "PAUSE", "SCROLL", "ZOOM", "ZOOMOUT", "ZOOMIN", "SELECT", "SCROLLBOX", "CURSOR", "PROPERTIES",
             "COPY", "SAVE", "PRINTER", "PREVIEW" };
}

QImage Draw(const QString& Name, int Size)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(kMask);
    {
        QPainter p(&image);
        p.scale(Size / 24.0, Size / 24.0);
        const auto it = Painters().find(Name);
        if (it != Painters().end())
            it->second(p);
    }
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            image.setPixel(x, y, kPalette[Nearest(image.pixel(x, y))]);
    return image;
}

QByteArray EncodeBmp4(const QImage& Image)
{
    const int w = Image.width();
    const int h = Image.height();
    const int stride = ((w + 1) / 2 + 3) / 4 * 4;
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    const std::uint32_t size = offset + static_cast<std::uint32_t>(stride * h);
    QByteArray out;
    out.append("BM");
    PutLe(out, size, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(w), 4);
    PutLe(out, static_cast<std::uint32_t>(h), 4);
    PutLe(out, 1, 2);
    PutLe(out, 4, 2);
    PutLe(out, 0, 4);
    PutLe(out, static_cast<std::uint32_t>(stride * h), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 16, 4);
    PutLe(out, 0, 4);
    for (QRgb c : kPalette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = Nearest(Image.pixel(x, y));
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    return out;
}

} // namespace toolbarpictures
