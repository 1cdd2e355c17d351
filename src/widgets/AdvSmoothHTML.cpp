#include "widgets/AdvSmoothHTML.h"

#include <QHash>

#include <algorithm>

using namespace vcl;

namespace {

enum class TParaAlign { Left, Right, Center };

// The formatting in force at a point of the text; copied to replay a line.
struct TFormatState
{
    QString name;
    int size { 8 };
    TFontStyles style;
    TColor color { clBlack };
    QString baseName;
    int baseSize { 8 };
    TColor baseColor { clBlack };

    TColor background { clNone };
    TColor fontPrevBackground { clNone };
    TColor highlightPrevColor { clBlack };
    TColor highlightPrevBackground { clNone };
    TColor anchorPrevBackground { clNone };
    bool anchor { false };
    bool subscript { false };
    bool superscript { false };
    bool shadow { false };
    bool errorMarker { false };
    bool hidden { false };
    bool highlight { false };
    bool paragraphBackground { false };
    int listLevel { 0 };
    TParaAlign align { TParaAlign::Left };
    int indent { 0 };
    int offset { 0 };
    QString anchorValue;

    void MakeFont(TFont& f) const
    {
        f.SetName(name);
        f.SetSize(size);
        f.SetStyle(style);
        f.SetColor(color);
    }
    void SetStyle(TFontStyle s, bool on)
    {
        if (on)
            style.Include(s);
        else
            style.Exclude(s);
    }
};

struct TLineMetrics
{
    int width { 0 };
    int height { 0 };
    int superExtra { 0 };
    int subExtra { 0 };
    int imageOffset { 0 };
};

// The value of attribute `name` (upper case) of a tag, searched in the upper-cased tag and cut
// from the tag as written. found tells whether the attribute is there at all.
QString Attribute(const QString& tag, const QString& upperTag, const QString& name, bool* found = nullptr)
{
    const QString key = name + QLatin1Char('=');
    int from = 0;
    while (true) {
        const int at = upperTag.indexOf(key, from);
        if (at < 0) {
            if (found)
                *found = false;
            return {};
        }
        const QChar before = at > 0 ? upperTag.at(at - 1) : QChar(u' ');
        if (before.isSpace() || before == QLatin1Char('<') || before == QLatin1Char('"')) {
            if (found)
                *found = true;
            int pos = at + key.size();
            if (pos < tag.size() && tag.at(pos) == QLatin1Char('"')) {
                const int close = tag.indexOf(QLatin1Char('"'), pos + 1);
                return close < 0 ? tag.mid(pos + 1) : tag.mid(pos + 1, close - pos - 1);
            }
            int end = pos;
            while (end < tag.size() && !tag.at(end).isSpace() && tag.at(end) != QLatin1Char('>'))
                ++end;
            return tag.mid(pos, end - pos);
        }
        from = at + 1;
    }
}

int LeadingNumber(const QString& value)
{
    int i = 0;
    while (i < value.size() && value.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < value.size() && value.at(i) == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    qint64 n = 0;
    while (i < value.size() && value.at(i).isDigit() && n < 1000000)
        n = n * 10 + value.at(i++).digitValue();
    return static_cast<int>(negative ? -n : n);
}

QString TagName(const QString& upperTag, int start)
{
    int end = start;
    while (end < upperTag.size() && !upperTag.at(end).isSpace() && upperTag.at(end) != QLatin1Char('>'))
        ++end;
    return upperTag.mid(start, end - start);
}

// Lays out one text: keeps the working state of a call.
class THTMLLayout
{
public:
    THTMLLayout(IHTMLSurface& surface, const TFont& font, const TRect& rect, const THTMLDrawOptions& options,
                THTMLDrawResult& result)
        : m_surface(surface), m_rect(rect), m_options(options), m_result(result)
    {
        m_state.name = m_state.baseName = font.Name();
        m_state.size = m_state.baseSize = font.Size();
        m_state.style = font.Style();
        m_state.color = m_state.baseColor = font.Color();
        m_rect.Left += 1;
    }

    bool Run(QString text);

private:
    // One line from the front of text (measure: consumed from text and returned) or the replay of
    // an already measured line inside box (draw).
    QString Line(QString& text, bool draw, const TRect& box, TLineMetrics& metrics, bool& hit);
    void DrawRun(const QString& run, const QString& rest, int x, int width, int height, const TRect& box,
                 const TLineMetrics& metrics, bool& hit);
    int MeasureRun(const QString& run, const TFont& font);
    int GhHeight(const TFormatState& state)
    {
        TFont font;
        state.MakeFont(font);
        return m_surface.TextHeight(font, QStringLiteral("gh"));
    }
    int AvailableWidth() const { return m_rect.Width() - (m_state.indent + m_state.offset); }

    IHTMLSurface& m_surface;
    TRect m_rect;
    const THTMLDrawOptions& m_options;
    THTMLDrawResult& m_result;
    TFormatState m_state;
};

int THTMLLayout::MeasureRun(const QString& run, const TFont& font)
{
    if (run == QLatin1String(" "))
        return 0;
    TRect r(0, 0, 0, 1000);
    m_surface.DrawText(run, r, font, true, clNone);
    return r.Right - r.Left;
}

void THTMLLayout::DrawRun(const QString& run, const QString& rest, int x, int width, int height, const TRect& box,
                          const TLineMetrics& metrics, bool& hit)
{
    TRect runBox(x, box.Top, x + width, box.Bottom - metrics.subExtra);
    if (m_state.superscript) {
        runBox.Bottom -= metrics.superExtra;
        runBox.Top -= metrics.superExtra / 2;
    }
    if (m_state.subscript) {
        runBox.Bottom += metrics.subExtra;
        runBox.Top += metrics.subExtra / 2;
    }
    runBox.Bottom -= metrics.imageOffset;
    const int y = runBox.Bottom - height;

    TFont font;
    m_state.MakeFont(font);
    QString shown = run;
    if (m_state.style.Contains(TFontStyle::fsUnderline) && run.endsWith(QLatin1Char(' '))) {
        // Carries the underline over the gap to the anchor's next run.
        const int space = rest.indexOf(QLatin1Char(' '));
        const int close = rest.indexOf(QLatin1String("</A"), 0, Qt::CaseInsensitive);
        if (close >= 0 && space >= 0 && space < close)
            shown += QLatin1Char('_');
    }
    if (m_state.shadow) {
        TFont shade;
        shade.Assign(&font);
        shade.SetColor(m_options.ShadowColor);
        TRect r(x + m_options.ShadowOffset, y + m_options.ShadowOffset, x + m_options.ShadowOffset + width,
                y + m_options.ShadowOffset + height);
        m_surface.DrawText(shown, r, shade, false, clNone);
    }
    TRect r(x, y, x + width, y + height);
    m_surface.DrawText(shown, r, font, false, m_state.background);

    if (m_state.errorMarker) {
        const int bottom = runBox.Bottom - 1;
        bool up = true;
        for (int px = x; px < x + width; px += 2) {
            m_surface.DrawLine(px, up ? bottom : bottom - 2, px + 2, up ? bottom - 2 : bottom, clRed);
            up = !up;
        }
    }
    if (m_options.CheckAnchor && m_state.anchor && TRect(x, y, x + width, y + height).Contains(m_options.HitPoint)) {
        m_result.AnchorVal = m_state.anchorValue;
        hit = true;
    }
}

QString THTMLLayout::Line(QString& text, bool draw, const TRect& box, TLineMetrics& metrics, bool& hit)
{
    QString consumed;
    QString lineText;
    int x = box.Left;
    const int lineStart = box.Left;
    bool ended = false;
    bool pushed = false;
    bool bulletSeen = false;
    TLineMetrics scratch = metrics; // the draw pass must not change the measured line

    auto take = [&](int n) {
        consumed += text.left(n);
        text.remove(0, n);
    };

    while (!text.isEmpty() && !ended && !pushed) {
        int end = text.indexOf(QLatin1Char('<'));
        if (end < 0)
            end = text.size();
        if (m_options.WordWrap) {
            const int space = text.indexOf(QLatin1Char(' '));
            if (space >= 0 && space < end)
                end = space + 1;
        }

        if (end > 0) {
            QString run = text.left(end);
            run.replace(QLatin1String("&nbsp;"), QLatin1String(" "), Qt::CaseInsensitive);
            run.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
            run.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
            if (m_state.hidden) {
                take(end);
                continue;
            }
            TFont font;
            m_state.MakeFont(font);
            const int width = MeasureRun(run, font);
            if (!draw && m_options.WordWrap && scratch.width + width > AvailableWidth() && width < AvailableWidth()
                && lineText.endsWith(QLatin1Char(' '))) {
                ended = true; // the run starts the next line
                break;
            }
            const int height = m_surface.TextHeight(font, run);
            if (!draw) {
                scratch.height = std::max(scratch.height, height);
                if (m_state.subscript && scratch.subExtra < height / 4.0)
                    scratch.subExtra = height / 2;
                if (m_state.superscript && scratch.superExtra < height / 4.0)
                    scratch.superExtra = height / 2;
                m_result.StripVal += run;
            }
            lineText += run;
            take(end);
            if (draw)
                DrawRun(run, text, x, width, height, box, metrics, hit);
            scratch.width += width;
            x += width;
            continue;
        }

        // Markup at the front.
        if (text.size() <= 2) {
            take(text.size());
            break;
        }
        const int close = text.indexOf(QLatin1Char('>'));
        const QString tag = close < 0 ? text : text.left(close + 1);
        const QString upper = tag.toUpper();
        const bool closing = upper.startsWith(QLatin1String("</"));
        const QString name = TagName(upper, closing ? 2 : 1);

        if (!closing) {
            if (name == QLatin1String("A")) {
                if (!draw)
                    ++m_result.HyperLinks;
                m_state.anchor = true;
                m_state.SetStyle(TFontStyle::fsUnderline, true);
                m_state.anchorPrevBackground = m_state.background;
                if (m_options.HoverColor != clNone)
                    m_state.background = m_options.HoverColor;
                m_state.color = m_options.HoverFontColor != clNone ? m_options.HoverFontColor : m_options.URLColor;
                const int q1 = tag.indexOf(QLatin1Char('"'));
                const int q2 = q1 < 0 ? -1 : tag.indexOf(QLatin1Char('"'), q1 + 1);
                m_state.anchorValue = q2 < 0 ? QString() : tag.mid(q1 + 1, q2 - q1 - 1);
            } else if (name == QLatin1String("B")) {
                m_state.SetStyle(TFontStyle::fsBold, true);
            } else if (name == QLatin1String("BODY")) {
                bool has = false;
                const QString bg = Attribute(tag, upper, QStringLiteral("BGCOLOR"), &has);
                if (has)
                    m_state.background = HTMLColor(bg);
                bool hasTo = false;
                Attribute(tag, upper, QStringLiteral("BGCOLORTO"), &hasTo);
                if (hasTo)
                    m_state.background = clNone;
            } else if (name == QLatin1String("BLINK")) {
                if (!m_options.Blink)
                    m_state.color = clWhite;
            } else if (name == QLatin1String("BR")) {
                ended = true;
                if (!draw)
                    m_result.StripVal += QLatin1Char('\r');
            } else if (name == QLatin1String("E")) {
                m_state.errorMarker = true;
            } else if (name == QLatin1String("FONT")) {
                bool has = false;
                const QString face = Attribute(tag, upper, QStringLiteral("FACE"), &has);
                if (has && !face.isEmpty())
                    m_state.name = face;
                const QString colour = Attribute(tag, upper, QStringLiteral("COLOR"), &has);
                if (has)
                    m_state.color = HTMLColor(colour);
                const QString bg = Attribute(tag, upper, QStringLiteral("BGCOLOR"), &has);
                if (has) {
                    m_state.fontPrevBackground = m_state.background;
                    m_state.background = HTMLColor(bg);
                }
                const QString size = Attribute(tag, upper, QStringLiteral("SIZE"), &has);
                if (has) {
                    const int n = LeadingNumber(size);
                    static const int sizes[] = { 8, 10, 12, 14, 16 };
                    const int points = n >= 1 && n <= 5 ? sizes[n - 1] : n;
                    if (points > 0)
                        m_state.size = points;
                }
            } else if (name == QLatin1String("HI")) {
                m_state.highlightPrevColor = m_state.color;
                m_state.highlightPrevBackground = m_state.background;
                m_state.highlight = true;
                m_state.background = clHighlight;
                m_state.color = clHighlightText;
            } else if (name == QLatin1String("HR")) {
                ended = true;
                if (draw)
                    m_surface.DrawLine(box.Left, box.Bottom + 1, box.Right, box.Bottom + 1, clBlack);
            } else if (name == QLatin1String("I")) {
                m_state.SetStyle(TFontStyle::fsItalic, true);
            } else if (name == QLatin1String("IND")) {
                const int n = LeadingNumber(Attribute(tag, upper, QStringLiteral("X")));
                if (scratch.width < n) {
                    scratch.width = n;
                    x = lineStart + n;
                }
            } else if (name == QLatin1String("IMG")) {
                const QString src = Attribute(tag, upper, QStringLiteral("SRC"));
                const QString upperSrc = src.toUpper();
                TSize size;
                enum class Kind { None, List, Icon, Picture } kind = Kind::None;
                int index = -1;
                bool large = false;
                QString path;
                if (upperSrc.startsWith(QLatin1String("IDX:"))) {
                    kind = Kind::List;
                    index = LeadingNumber(src.mid(4));
                    size = m_surface.ImageListImageSize(index);
                } else if (upperSrc.startsWith(QLatin1String("SSYS:")) || upperSrc.startsWith(QLatin1String("LSYS:"))) {
                    kind = Kind::Icon;
                    large = upperSrc.startsWith(QLatin1Char('L'));
                    path = src.mid(5);
                    size = m_surface.SystemIconSize(path, large);
                    if (m_options.Print)
                        size = TSize(static_cast<int>(size.cx * m_options.Scale), static_cast<int>(size.cy * m_options.Scale));
                } else if (!src.contains(QLatin1Char(':'))) {
                    kind = Kind::Picture;
                    size = m_surface.ContainerPictureSize(src);
                    const int w = LeadingNumber(Attribute(tag, upper, QStringLiteral("WIDTH")));
                    const int h = LeadingNumber(Attribute(tag, upper, QStringLiteral("HEIGHT")));
                    if (size.cx > 0 && size.cy > 0 && w >= 1 && h >= 1)
                        size = TSize(w, h);
                }
                if (kind != Kind::None && size.cx > 0 && size.cy > 0) {
                    if (!draw && scratch.width + size.cx > AvailableWidth() && size.cx <= AvailableWidth()
                        && scratch.width > 0) {
                        pushed = true; // the image starts the next line
                        break;
                    }
                    if (draw) {
                        const int top = box.Top;
                        if (kind == Kind::List)
                            m_surface.DrawImageListImage(index, x, top);
                        else if (kind == Kind::Icon)
                            m_surface.DrawSystemIcon(path, large, x, top);
                        else
                            m_surface.DrawContainerPicture(src, TRect(x, top, x + size.cx, top + size.cy));
                        if (m_options.CheckAnchor && m_state.anchor
                            && TRect(x, top, x + size.cx, top + size.cy).Contains(m_options.HitPoint)) {
                            m_result.AnchorVal = m_state.anchorValue;
                            hit = true;
                        }
                    }
                    x += size.cx;
                    scratch.width += size.cx;
                    const int textHeight = GhHeight(m_state);
                    if (upper.contains(QLatin1String(" WRAP"))) {
                        scratch.height = textHeight;
                        scratch.imageOffset = 0;
                    } else {
                        scratch.height = std::max(scratch.height, size.cy);
                    }
                    const QString align = Attribute(tag, upper, QStringLiteral("ALIGN")).toUpper();
                    const int lineHeight = draw ? metrics.height : scratch.height;
                    if (align == QLatin1String("TOP"))
                        scratch.imageOffset = lineHeight - textHeight;
                    else if (align == QLatin1String("MIDDLE"))
                        scratch.imageOffset = (lineHeight - textHeight) / 2;
                    if (draw)
                        metrics.imageOffset = scratch.imageOffset;
                }
            } else if (name == QLatin1String("LI")) {
                if (bulletSeen) {
                    pushed = true; // a second bullet starts the next line
                    break;
                }
                bulletSeen = true;
                const int shift = 12 * m_state.listLevel - 12;
                x += shift;
                scratch.width += shift;
                const QString type = Attribute(tag, upper, QStringLiteral("TYPE")).toUpper();
                bool hasColour = false;
                const QString colourValue = Attribute(tag, upper, QStringLiteral("COLOR"), &hasColour);
                const TColor colour = hasColour ? HTMLColor(colourValue) : m_state.color;
                const int top = box.Top;
                int extra = 0;
                if (type.contains(QLatin1String("IMAGE"))) {
                    const QString pic = Attribute(tag, upper, QStringLiteral("NAME"));
                    const TSize size = m_surface.ContainerPictureSize(pic);
                    if (draw && !m_state.hidden && size.cx > 0)
                        m_surface.DrawContainerPicture(pic, TRect(x, top + 2, x + size.cx, top + 2 + size.cy));
                    if (size.cx > 12)
                        extra = size.cx - 12;
                } else if (draw && !m_state.hidden) {
                    if (type.contains(QLatin1String("SQUARE"))) {
                        m_surface.FillRect(TRect(x, top + 2, x + 8, top + 10), colour);
                    } else if (type.contains(QLatin1String("CIRCLE"))) {
                        m_surface.FillEllipse(TRect(x, top + 2, x + 8, top + 10), colour);
                    } else {
                        TFont symbol;
                        m_state.MakeFont(symbol);
                        symbol.SetName(QStringLiteral("Symbol"));
                        symbol.SetColor(colour);
                        TRect r(x, top, x + 12, top + metrics.height);
                        m_surface.DrawText(m_state.listLevel % 2 == 0 ? QStringLiteral("o") : QString(QChar(0x2022)), r,
                                           symbol, false, clNone);
                    }
                }
                x += 12 + extra;
                scratch.width += 12 + extra;
            } else if (name == QLatin1String("OFS")) {
                const int n = LeadingNumber(Attribute(tag, upper, QStringLiteral("X")));
                x = n;
                scratch.width = n;
                m_state.offset = n;
            } else if (name == QLatin1String("P")) {
                bool has = false;
                const QString align = Attribute(tag, upper, QStringLiteral("ALIGN"), &has).toUpper();
                if (has) {
                    if (align.contains(QLatin1String("RIGHT")))
                        m_state.align = TParaAlign::Right;
                    if (align.contains(QLatin1String("LEFT")))
                        m_state.align = TParaAlign::Left;
                    if (align.contains(QLatin1String("CENTER")))
                        m_state.align = TParaAlign::Center;
                }
                const QString indent = Attribute(tag, upper, QStringLiteral("INDENT"), &has);
                if (has)
                    m_state.indent = LeadingNumber(indent);
                Attribute(tag, upper, QStringLiteral("BGCOLOR"), &has);
                if (has)
                    m_state.paragraphBackground = true;
            } else if (name == QLatin1String("S")) {
                m_state.SetStyle(TFontStyle::fsStrikeOut, true);
            } else if (name == QLatin1String("SHAD")) {
                m_state.shadow = true;
            } else if (name == QLatin1String("SUB")) {
                m_state.subscript = true;
            } else if (name == QLatin1String("SUP")) {
                m_state.superscript = true;
            } else if (name == QLatin1String("U")) {
                m_state.SetStyle(TFontStyle::fsUnderline, true);
            } else if (name == QLatin1String("UL")) {
                ++m_state.listLevel;
                ended = true;
            } else if (name == QLatin1String("Z")) {
                m_state.hidden = true;
            }
        } else if (tag.size() > 3) {
            if (name == QLatin1String("A")) {
                m_state.anchor = false;
                m_state.SetStyle(TFontStyle::fsUnderline, false);
                m_state.background = m_state.anchorPrevBackground;
                m_state.color = m_state.baseColor;
            } else if (name == QLatin1String("B")) {
                m_state.SetStyle(TFontStyle::fsBold, false);
            } else if (name.startsWith(QLatin1Char('B'))) {
                m_state.color = m_state.baseColor;
            } else if (name == QLatin1String("E")) {
                m_state.errorMarker = false;
            } else if (name == QLatin1String("FONT")) {
                m_state.name = m_state.baseName;
                m_state.size = m_state.baseSize;
                m_state.color = m_state.baseColor;
                m_state.background = m_state.fontPrevBackground;
            } else if (name == QLatin1String("HI")) {
                if (m_state.highlight) {
                    m_state.color = m_state.highlightPrevColor;
                    m_state.background = m_state.highlightPrevBackground;
                    m_state.highlight = false;
                }
            } else if (name == QLatin1String("I")) {
                m_state.SetStyle(TFontStyle::fsItalic, false);
            } else if (name == QLatin1String("LI")) {
                ended = true;
            } else if (name == QLatin1String("OFS")) {
                m_state.offset = 0;
            } else if (name == QLatin1String("P")) {
                ended = true;
                m_state.background = clNone;
                m_state.paragraphBackground = false;
            } else if (name == QLatin1String("S")) {
                m_state.SetStyle(TFontStyle::fsStrikeOut, false);
            } else if (name == QLatin1String("SUB") || name == QLatin1String("SUP")) {
                m_state.subscript = false;
                m_state.superscript = false;
            } else if (name == QLatin1String("SHAD")) {
                m_state.shadow = false;
            } else if (name == QLatin1String("U")) {
                m_state.SetStyle(TFontStyle::fsUnderline, false);
            } else if (name == QLatin1String("UL")) {
                if (m_state.listLevel > 0)
                    --m_state.listLevel;
                else
                    m_state.SetStyle(TFontStyle::fsUnderline, false);
            } else if (name == QLatin1String("Z")) {
                m_state.hidden = false;
            }
        }
        take(tag.size());
    }

    if (!draw)
        metrics = scratch;
    return consumed;
}

bool THTMLLayout::Run(QString text)
{
    if (text.contains(QLatin1Char('&')))
        text = HTMLReplaceEntities(text);
    const int hash = text.indexOf(QLatin1String("<#"));
    if (hash >= 0) {
        text.remove(hash, 1);
        const int close = text.indexOf(QLatin1Char('>'), hash);
        if (close >= 0)
            text.remove(close, 1);
    }
    text.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
    text.remove(QLatin1Char('\n'));

    m_result = THTMLDrawResult();
    bool anyHit = false;
    int top = m_rect.Top;
    TFormatState afterLine = m_state;

    while (!text.isEmpty()) {
        m_state = afterLine;
        TLineMetrics metrics;
        metrics.height = GhHeight(m_state);
        const TFormatState beforeLine = m_state;
        const int lengthBefore = text.size();
        bool hit = false;
        QString consumed = Line(text, false, TRect(m_rect.Left, top, m_rect.Right, top), metrics, hit);
        if (text.size() == lengthBefore) {
            // Nothing fitted anywhere: take one character so that the layout always ends.
            consumed = text.left(1);
            text.remove(0, 1);
        }
        afterLine = m_state;
        if (!text.isEmpty())
            metrics.height += m_options.LineSpacing;

        int left = m_rect.Left;
        if (afterLine.align == TParaAlign::Right) {
            if (m_rect.Right - metrics.width > left)
                left = m_rect.Right - metrics.width;
        } else if (afterLine.align == TParaAlign::Center) {
            const int shift = (m_rect.Right - m_rect.Left - metrics.width) / 2;
            if (shift > 0)
                left += shift;
        }
        left += afterLine.indent + beforeLine.offset;
        const int fullHeight = metrics.height + metrics.superExtra + metrics.subExtra;
        const TRect box(left, top, m_rect.Right, top + fullHeight);

        if (!m_options.MeasureOnly) {
            m_state = beforeLine;
            Line(consumed, true, box, metrics, hit);
            if (hit)
                anyHit = true;
        }

        if (metrics.width > m_result.XSize)
            m_result.XSize = metrics.width + 2;
        top += fullHeight;
        m_result.YSize += fullHeight;
        if (!m_options.MeasureOnly
            && top + GhHeight(afterLine) > m_rect.Bottom)
            break;
    }

    if (m_result.YSize == 0)
        m_result.YSize = GhHeight(m_state);
    m_result.YSize += 2;
    m_result.AnchorHit = anyHit;
    return anyHit;
}

} // namespace

QString HTMLReplaceEntities(const QString& text)
{
    static const std::pair<const char*, char16_t> entities[] = {
        { "&amp;", u'&' },    { "&quot;", u'"' },    { "&sect;", u'\u00A7' }, { "&permil;", u'\u2030' },
        { "&reg;", u'\u00AE' }, { "&copy;", u'\u00A9' }, { "&para;", u'\u00B6' }, { "&trade;", u'\u2122' },
        { "&euro;", u'\u20AC' },
    };
    QString out = text;
    bool changed = true;
    while (changed) {
        changed = false;
        for (const auto& [name, ch] : entities) {
            const QString key = QString::fromLatin1(name);
            if (out.contains(key, Qt::CaseInsensitive)) {
                out.replace(key, QString(QChar(ch)), Qt::CaseInsensitive);
                changed = true;
            }
        }
    }
    return out;
}

TColor HTMLColor(const QString& value)
{
    const QString v = value.trimmed().toLower();
    if (v.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const unsigned rgb = v.mid(1, 6).toUInt(&ok, 16);
        if (!ok)
            return clBlack;
        const int r = (rgb >> 16) & 0xFF;
        const int g = (rgb >> 8) & 0xFF;
        const int b = rgb & 0xFF;
        return static_cast<TColor>(b * 65536 + g * 256 + r);
    }
    static const QHash<QString, TColor> names = {
        { "clblack", clBlack },
        { "clmaroon", clMaroon },
        { "clgreen", clGreen },
        { "clolive", clOlive },
        { "clnavy", clNavy },
        { "clpurple", clPurple },
        { "clteal", clTeal },
        { "clgray", clGray },
        { "clsilver", clSilver },
        { "clred", clRed },
        { "cllime", clLime },
        { "clyellow", clYellow },
        { "clblue", clBlue },
        { "clfuchsia", clFuchsia },
        { "claqua", clAqua },
        { "clwhite", clWhite },
        { "clbackground", clBackground },
        { "clactivecaption", clActiveCaption },
        { "clinactivecaption", clInactiveCaption },
        { "clmenu", clMenu },
        { "clwindow", clWindow },
        { "clwindowframe", clWindowFrame },
        { "clmenutext", clMenuText },
        { "clwindowtext", clWindowText },
        { "clcaptiontext", clCaptionText },
        { "clactiveborder", clActiveBorder },
        { "clinactiveborder", clInactiveBorder },
        { "clappworkspace", clAppWorkSpace },
        { "clhighlight", clHighlight },
        { "clhighlighttext", clHighlightText },
        { "clbtnface", clBtnFace },
        { "clbtnshadow", clBtnShadow },
        { "clgraytext", clGrayText },
        { "clbtntext", clBtnText },
        { "clinactivecaptiontext", clInactiveCaptionText },
        { "clbtnhighlight", clBtnHighlight },
        { "cl3ddkshadow", cl3DDkShadow },
        { "cl3dlight", cl3DLight },
        { "clinfotext", clInfoText },
        { "clinfobk", clInfoBk },
    };
    return names.value(v, clBlack);
}

bool HTMLDraw(IHTMLSurface& surface, const TFont& font, const QString& text, const TRect& rect,
              const THTMLDrawOptions& options, THTMLDrawResult& result)
{
    THTMLLayout layout(surface, font, rect, options, result);
    return layout.Run(text);
}
