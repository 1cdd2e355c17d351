#include "platform/ui/TFont.h"

#include <QFontMetricsF>
#include <QHash>

#include <cmath>

namespace vcl {

namespace {

// round(a * b / c), halves away from zero, as the platform's MulDiv.
int MulDiv(int a, int b, int c)
{
    const double v = double(a) * double(b) / double(c);
    return int(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5));
}

// Built once, on first use, for the life of the program.
const QHash<QString, QString>& FontMap()
{
    static const QHash<QString, QString> map = [] {
        const QString sans = QStringLiteral("Liberation Sans");
        const QString serif = QStringLiteral("Liberation Serif");
        const QString mono = QStringLiteral("Liberation Mono");
        const QString dejavu = QStringLiteral("DejaVu Sans");
        const QString wqy = QStringLiteral("WenQuanYi Micro Hei");
        QHash<QString, QString> m;
        m.insert(QStringLiteral("arial"), sans);
        m.insert(QStringLiteral("times new roman"), serif);
        m.insert(QStringLiteral("courier new"), mono);
        m.insert(QStringLiteral("tahoma"), dejavu);
        m.insert(QStringLiteral("verdana"), dejavu);
        m.insert(QStringLiteral("ms sans serif"), dejavu);
        m.insert(QStringLiteral("ms shell dlg"), dejavu);
        m.insert(QStringLiteral("ms shell dlg 2"), dejavu);
        for (const char16_t* name : { u"宋体", u"新宋体", u"黑体", u"楷体", u"仿宋", u"微软雅黑", u"simsun", u"nsimsun",
                                      u"simhei", u"kaiti", u"fangsong", u"microsoft yahei" })
            m.insert(QString::fromUtf16(name), wqy);
        return m;
    }();
    return map;
}

} // namespace

QString DebianFontFamily(const QString& windowsName)
{
    const auto it = FontMap().constFind(windowsName.trimmed().toLower());
    return it == FontMap().constEnd() ? windowsName : it.value();
}

void TFont::Assign(TPersistent* Source)
{
    if (auto* font = dynamic_cast<TFont*>(Source)) {
        if (font == this)
            return;
        m_name = font->m_name;
        m_height = font->m_height;
        m_style = font->m_style;
        m_color = font->m_color;
        m_charset = font->m_charset;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const QString& value)
{
    if (value.isEmpty() || value == m_name)
        return;
    m_name = value;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(m_height, 72, PixelsPerInch);
}

void TFont::SetSize(int value)
{
    SetHeight(-MulDiv(value, PixelsPerInch, 72));
}

void TFont::SetHeight(int value)
{
    if (value == m_height)
        return;
    m_height = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == m_style)
        return;
    m_style = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    Changed();
}

void TFont::SetCharset(TFontCharset value)
{
    if (value == m_charset)
        return;
    m_charset = value;
    Changed();
}

QFont TFont::QtFont() const
{
    QFont font(DebianFontFamily(m_name));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(m_style.Contains(TFontStyle::fsBold));
    font.setItalic(m_style.Contains(TFontStyle::fsItalic));
    font.setUnderline(m_style.Contains(TFontStyle::fsUnderline));
    font.setStrikeOut(m_style.Contains(TFontStyle::fsStrikeOut));
    int pixels = 0;
    if (m_height < 0) {
        pixels = -m_height;
    } else if (m_height > 0) {
        // A cell height: scale the em size by the face's cell-to-em ratio.
        QFont probe = font;
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        pixels = cell > 0 ? int(std::floor(m_height * 100.0 / cell + 0.5)) : m_height;
    } else {
        pixels = 11;
    }
    font.setPixelSize(pixels < 1 ? 1 : pixels);
    return font;
}

} // namespace vcl
