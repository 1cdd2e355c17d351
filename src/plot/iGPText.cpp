#include "plot/iGPText.h"

#include "plot/iGPCanvas.h"

#include "platform/core/NumberUtils.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TCanvas.h"

#include <QTransform>

#include <algorithm>

using namespace vcl;

namespace {

// "&&" becomes "&", a single "&" (the mnemonic marker) is dropped.
QString StripPrefixes(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                out += u'&', ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

QString ExpandTabs(const QString& line, bool expand)
{
    if (!line.contains(u'\t'))
        return line;
    QString out;
    for (QChar c : line) {
        if (c != u'\t') {
            out += c;
            continue;
        }
        out += u' ';
        while (expand && out.size() % 8 != 0)
            out += u' ';
    }
    return out;
}

// Breaks one line at blanks so that each piece fits Width; a word wider than Width keeps its own line.
QStringList WrapLine(const TCanvas& canvas, const QString& line, int width)
{
    QStringList out;
    QString current;
    const QStringList words = line.split(u' ');
    for (const QString& word : words) {
        const QString candidate = current.isEmpty() ? word : current + u' ' + word;
        if (!current.isEmpty() && canvas.TextWidth(candidate) > width) {
            out << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    out << current;
    return out;
}

QString Ellipsized(const TCanvas& canvas, const QString& line, int width)
{
    if (canvas.TextWidth(line) <= width)
        return line;
    const QString dots = QStringLiteral("...");
    QString cut = line;
    while (!cut.isEmpty() && canvas.TextWidth(cut + dots) > width)
        cut.chop(1);
    return cut + dots;
}

QStringList LayoutLines(const TCanvas& canvas, const QString& text, const TRect& rect, std::uint16_t flags)
{
    QString body = (flags & iTextFlag::Prefix) ? StripPrefixes(text) : text;
    QStringList lines;
    if (flags & iTextFlag::SingleLine) {
        body.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        body.replace(u'\r', u' ');
        body.replace(u'\n', u' ');
        lines << body;
    } else {
        lines = iSplitLines(body);
    }
    const bool expand = flags & iTextFlag::ExpandTabs;
    for (QString& line : lines)
        line = ExpandTabs(line, expand);
    if ((flags & iTextFlag::WordBreak) && !(flags & iTextFlag::SingleLine)) {
        QStringList wrapped;
        for (const QString& line : lines)
            wrapped << WrapLine(canvas, line, rect.Right - rect.Left);
        lines = wrapped;
    }
    if (flags & (iTextFlag::EndEllipsis | iTextFlag::PathEllipsis | iTextFlag::WordEllipsis))
        for (QString& line : lines)
            line = Ellipsized(canvas, line, rect.Right - rect.Left);
    return lines;
}

int DrawPlain(TCanvas* canvas, const QString& text, TRect& rect, std::uint16_t flags)
{
    if (text.isEmpty()) {
        if (flags & iTextFlag::CalcRect)
            rect.Right = rect.Left, rect.Bottom = rect.Top;
        return 0;
    }
    const QStringList lines = LayoutLines(*canvas, text, rect, flags);
    const int lineHeight = canvas->TextHeight(QStringLiteral("Wg"));
    const int height = SaturateToInt(double(lineHeight) * double(lines.size()));
    if (flags & iTextFlag::CalcRect) {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, canvas->TextWidth(line));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }
    TCanvasSaver saver(*canvas);
    if (!(flags & iTextFlag::NoClip))
        canvas->IntersectClipRect(rect);
    int y = rect.Top;
    if (flags & iTextFlag::SingleLine) {
        if (flags & iTextFlag::VCenter)
            y = (rect.Top + rect.Bottom - lineHeight) / 2;
        else if (flags & iTextFlag::Bottom)
            y = rect.Bottom - lineHeight;
    }
    for (const QString& line : lines) {
        const int w = canvas->TextWidth(line);
        int x = rect.Left;
        if (flags & iTextFlag::Center)
            x = (rect.Left + rect.Right - w) / 2;
        else if (flags & iTextFlag::Right)
            x = rect.Right - w;
        canvas->TextOut(x, y, line);
        y += lineHeight;
    }
    return height;
}

// Draws one line of text turned by a quarter turn with its unrotated cell's top-left at the
// rotated image's corner (X, Y) as the rotation leaves it.
void DrawTurnedLine(TCanvas* canvas, const QString& text, int x, int y, int turnDegrees)
{
    const TSize extent = canvas->TextExtent(text);
    if (extent.cx <= 0 || extent.cy <= 0)
        return;
    const TColor ink = ColorToRGB(canvas->Font()->Color()) & 0xFFFFFF;
    const TColor key = ink == 0xFF00FF ? 0x00FF00 : 0xFF00FF;
    TBitmap cell;
    cell.SetSize(extent.cx, extent.cy);
    cell.Canvas()->Font()->Assign(canvas->Font());
    cell.Canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
    cell.Canvas()->Brush()->SetColor(key);
    cell.Canvas()->FillRect(TRect(0, 0, extent.cx, extent.cy));
    cell.Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    cell.Canvas()->TextOut(0, 0, text);
    const QImage turned = cell.Image().transformed(QTransform().rotate(turnDegrees));
    canvas->StretchImage(TRect(x, y, x + turned.width(), y + turned.height()), turned,
                         TRect(0, 0, turned.width(), turned.height()), SRCCOPY, key);
}

} // namespace

namespace {

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

} // namespace

QStringList iSplitLines(const QString& Text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (!IsLineBreak(c))
            continue;
        lines << Text.mid(start, i - start);
        if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    // A one-line text is handed back whole (shared, not copied).
    if (start < Text.size())
        lines << (start == 0 ? Text : Text.mid(start));
    return lines;
}

int iDrawText(TCanvas* Canvas, const QString& Text, TRect& Rect, std::uint16_t Flags, bool Enabled, TColor Color)
{
    const bool embossed = !Enabled && !(Flags & iTextFlag::CalcRect) && (ColorToRGB(Color) & 0xFFFFFF) != 0;
    if (!embossed)
        return DrawPlain(Canvas, Text, Rect, Flags);
    const TColor saved = Canvas->Font()->Color();
    TRect shifted(Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1);
    Canvas->Font()->SetColor(iOffsetColor(clBtnFace, 64, true));
    DrawPlain(Canvas, Text, shifted, Flags);
    Canvas->Font()->SetColor(iOffsetColor(clBtnFace, 32, false));
    const int result = DrawPlain(Canvas, Text, Rect, Flags);
    Canvas->Font()->SetColor(saved);
    return result;
}

void iDrawRotatedText(TCanvas* Canvas, const QString& Text, const TRect& Rect, TRect& TextRect, TColor Color,
                      bool Enabled, TiAlignmentHorizontal Alignment, TiRotationAngle Rotation)
{
    const int cx = (Rect.Left + Rect.Right) / 2;
    const int cy = (Rect.Top + Rect.Bottom) / 2;
    const int tw = Canvas->TextWidth(Text);
    const int th = Canvas->TextHeight(Text);
    switch (Rotation) {
    case TiRotationAngle::ira000: {
        std::uint16_t flags = iTextFlag::VCenter | iTextFlag::NoClip;
        if (!Text.contains(u'\r'))
            flags |= iTextFlag::SingleLine;
        if (Alignment == TiAlignmentHorizontal::iahCenter)
            flags |= iTextFlag::Center;
        else if (Alignment == TiAlignmentHorizontal::iahRight)
            flags |= iTextFlag::Right;
        TRect r = Rect;
        iDrawText(Canvas, Text, r, flags, Enabled, Color);
        TextRect = TRect(cx - tw / 2, cy - th / 2, cx - tw / 2 + tw, cy - th / 2 + th);
        return;
    }
    case TiRotationAngle::ira090: // reads upward; origin (cx - th div 2, cy + tw div 2)
        DrawTurnedLine(Canvas, Text, cx - th / 2, cy + tw / 2 - tw, -90);
        TextRect = TRect(cx - th / 2, cy - tw / 2, cx - th / 2 + th, cy - tw / 2 + tw);
        return;
    case TiRotationAngle::ira180: // upside down; origin (cx + tw div 2, cy + th div 2)
        DrawTurnedLine(Canvas, Text, cx + tw / 2 - tw, cy + th / 2 - th, 180);
        TextRect = TRect(cx - tw / 2, cy - th / 2, cx - tw / 2 + tw, cy - th / 2 + th);
        return;
    case TiRotationAngle::ira270: // reads downward; origin (cx + th - th div 2, cy - tw div 2)
        DrawTurnedLine(Canvas, Text, cx + th - th / 2 - th, cy - tw / 2, 90);
        TextRect = TRect(cx - th / 2, cy - tw / 2, cx - th / 2 + th, cy - tw / 2 + tw);
        return;
    }
}

int iTextWidthMultiLine(TCanvas* Canvas, const QString& Text)
{
    // Labels are nearly always one line: measured as they stand, without splitting.
    if (std::none_of(Text.begin(), Text.end(), IsLineBreak))
        return Text.isEmpty() ? 0 : Canvas->TextWidth(Text);
    int widest = 0;
    for (const QString& line : iSplitLines(Text))
        widest = std::max(widest, Canvas->TextWidth(line));
    return widest;
}

int iTextHeightMultiLine(TCanvas* Canvas, const QString& Text)
{
    TRect r(0, 0, 0, 0);
    return iDrawText(Canvas, Text, r, iTextFlag::CalcRect | iTextFlag::NoClip, true, clBtnFace);
}

int iTextHeightWrapped(TCanvas* Canvas, const QString& Text, int Width)
{
    TRect r(0, -800, Width, -100);
    return iDrawText(Canvas, Text, r, iTextFlag::Left | iTextFlag::Top | iTextFlag::WordBreak, true, clBtnFace);
}
