#include "ui/Rs232CodeDiagrams.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace rs232code {

namespace {

constexpr int FrameHeight = 70;
constexpr int SequenceHeight = 130;

const QColor Ink(0x1d, 0x3f, 0x72);
const QColor Line(0x55, 0x66, 0x7a);
const QColor FrameFill(0xe4, 0xee, 0xf8);
const QColor PayloadFill(0xf6, 0xf0, 0xd8);
const QColor MarkFill(0xde, 0xf0, 0xe0);
const QColor Lost(0xb0, 0x30, 0x30);

QString Label(const QStringList& labels, int index)
{
    return index < labels.size() ? labels[index] : QString();
}

QFont PixelFont(int pixels, bool bold = false, bool fixed = false)
{
    QFont font;
    if (fixed)
        font.setStyleHint(QFont::TypeWriter);
    if (fixed)
        font.setFamily(QStringLiteral("monospace"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// One field of the frame: its bytes as written in the box, the offset above it and its label group.
struct Field
{
    const char* bytes;
    const char* offset;
    int units; // width in single-byte boxes
    int group; // index of the label below
    bool payload;
};

void DrawFrame(QPainter& p, const QStringList& labels, int width)
{
    // Labels: start, from, to, length, code, payload, end, check.
    static const std::array<Field, 10> fields { {
        { "10", "0", 2, 0, false },
        { "02", "1", 2, 0, false },
        { "00", "2", 2, 1, false },
        { "ID", "3", 2, 2, false },
        { "L", "4", 2, 3, false },
        { "CMD", "5", 2, 4, false },
        { "\u2026", "6 .. L+4", 6, 5, true },
        { "10", "L+5", 2, 6, false },
        { "03", "L+6", 2, 6, false },
        { "XOR", "L+7", 2, 7, false },
    } };
    int units = 0;
    for (const Field& f : fields)
        units += f.units;
    const double unit = (width - 2) / double(units);
    const int boxTop = 14;
    const int boxHeight = 24;

    std::array<double, 11> x {};
    x[0] = 1;
    for (std::size_t i = 0; i < fields.size(); ++i)
        x[i + 1] = x[i] + fields[i].units * unit;

    p.setFont(PixelFont(10));
    p.setPen(Line);
    for (std::size_t i = 0; i < fields.size(); ++i)
        p.drawText(QRectF(x[i], 0, x[i + 1] - x[i], boxTop - 1), Qt::AlignCenter, QString::fromLatin1(fields[i].offset));

    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QRectF box(x[i], boxTop, x[i + 1] - x[i], boxHeight);
        p.setPen(QPen(Line, 1));
        p.setBrush(fields[i].payload ? PayloadFill : FrameFill);
        p.drawRect(box);
        p.setPen(Ink);
        p.setFont(PixelFont(12, true, true));
        p.drawText(box, Qt::AlignCenter, QString::fromUtf8(fields[i].bytes));
    }

    // Each label is centred under the fields of its group, with a bracket when it spans more than one.
    p.setFont(PixelFont(11));
    const QFontMetrics metrics(p.font());
    const int bracketY = boxTop + boxHeight + 4;
    for (int group = 0; group < 8; ++group) {
        double left = -1, right = -1;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].group != group)
                continue;
            if (left < 0)
                left = x[i];
            right = x[i + 1];
        }
        if (left < 0)
            continue;
        p.setPen(QPen(Line, 1));
        p.drawLine(QPointF(left + 3, bracketY), QPointF(right - 3, bracketY));
        p.drawLine(QPointF(left + 3, bracketY - 3), QPointF(left + 3, bracketY));
        p.drawLine(QPointF(right - 3, bracketY - 3), QPointF(right - 3, bracketY));
        const QString text = Label(labels, group);
        // A label wider than its fields takes a second line below its neighbours'.
        const bool lower = metrics.horizontalAdvance(text) > right - left - 2 && (group % 2) == 1;
        const double y = bracketY + 2 + (lower ? metrics.height() : 0);
        p.setPen(Ink);
        p.drawText(QRectF(left - 20, y, right - left + 40, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, text);
    }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, bool dashed = false)
{
    QPen pen(color, 1.4);
    if (dashed)
        pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - u * 8 + n * 4);
    head.lineTo(to - u * 8 - n * 4);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void DrawSequence(QPainter& p, const QStringList& labels, int width)
{
    // Labels: editor, device, request, reply, next request, time-out, resend, reply.
    const double left = 96;
    const double right = width - 96;
    const int headHeight = 18;
    const int bottom = SequenceHeight - 2;

    p.setFont(PixelFont(11, true));
    for (auto [x, index] : { std::pair { left, 0 }, std::pair { right, 1 } }) {
        const QRectF head(x - 60, 0, 120, headHeight);
        p.setPen(QPen(Line, 1));
        p.setBrush(FrameFill);
        p.drawRoundedRect(head, 4, 4);
        p.setPen(Ink);
        p.drawText(head, Qt::AlignCenter, Label(labels, index));
        p.setPen(QPen(Line, 1, Qt::DotLine));
        p.drawLine(QPointF(x, headHeight), QPointF(x, bottom));
    }

    p.setFont(PixelFont(11));
    const QFontMetrics metrics(p.font());
    auto caption = [&](double y, const QString& text, const QColor& color) {
        p.setPen(color);
        p.drawText(QRectF(left + 10, y - metrics.height() - 1, right - left - 20, metrics.height()), Qt::AlignHCenter, text);
    };

    const double slope = 6; // the frame takes a little time to arrive
    double y = headHeight + 16;
    Arrow(p, { left, y }, { right, y + slope }, Ink);
    caption(y, Label(labels, 2), Ink);
    y += 22;
    Arrow(p, { right, y }, { left, y + slope }, Ink);
    caption(y, Label(labels, 3), Ink);
    y += 22;
    // A request that gets no answer: the arrow ends before the device, and the editor waits.
    const double sent = y;
    Arrow(p, { left, y }, { (left + right) / 2 + 40, y + slope / 2 }, Lost);
    p.setPen(QPen(Lost, 2));
    const QPointF cross((left + right) / 2 + 48, y + slope / 2);
    p.drawLine(cross + QPointF(-4, -4), cross + QPointF(4, 4));
    p.drawLine(cross + QPointF(-4, 4), cross + QPointF(4, -4));
    caption(y, Label(labels, 4), Ink);
    y += 26;
    // The wait on the editor's side, with the time-out written beside it.
    p.setPen(Qt::NoPen);
    p.setBrush(MarkFill);
    p.drawRect(QRectF(left - 4, sent, 8, y - sent));
    p.setPen(Lost);
    p.drawText(QRectF(0, sent, left - 8, y - sent), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, Label(labels, 5));
    Arrow(p, { left, y }, { right, y + slope }, Ink);
    caption(y, Label(labels, 6), Ink);
    y += 22;
    Arrow(p, { right, y }, { left, y + slope }, Ink);
    caption(y, Label(labels, 7), Ink);
}

} // namespace

int DiagramHeight(const QString& name)
{
    if (name == QLatin1String("frame"))
        return FrameHeight;
    if (name == QLatin1String("sequence"))
        return SequenceHeight;
    return 0;
}

void DrawDiagram(QPainter& painter, const QString& name, const QStringList& labels, int width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (name == QLatin1String("frame"))
        DrawFrame(painter, labels, width);
    else if (name == QLatin1String("sequence"))
        DrawSequence(painter, labels, width);
    painter.restore();
}

} // namespace rs232code
