#include "ui/Rs232CodeDocument.h"

#include "platform/core/SoftAssert.h"
#include "ui/Rs232CodeDiagrams.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <cmath>

#include <algorithm>

namespace {

const QString PageMark = QStringLiteral("<!--page-->");

// Text smaller than this is hard to read; a page that needs less is cut instead.
constexpr int LargestTextPixels = 11;
constexpr int SmallestTextPixels = 10;

const char* const StyleSheet =
    "h1 { font-size: 18px; margin: 0px; }"
    "h2 { font-size: 14px; color: #1d3f72; margin-top: 2px; margin-bottom: 3px; }"
    "p { margin-top: 0px; margin-bottom: 3px; }"
    "table { border-collapse: collapse; margin-top: 1px; margin-bottom: 4px; }"
    "th { background-color: #dfe8f3; color: #1d3f72; text-align: left; }"
    "td, th { border: 1px solid #9aa9bb; padding-left: 4px; padding-right: 4px; }"
    "code { font-family: monospace; }";

QString PlainText(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QString Between(const QString& text, const QString& tag)
{
    static const QString pattern = QStringLiteral("<%1>(.*?)</%1>");
    const QRegularExpression re(pattern.arg(tag), QRegularExpression::DotMatchesEverythingOption);
    return PlainText(re.match(text).captured(1));
}

// RTF text: ASCII as it is (with the three special characters escaped), anything else as \uN?.
QByteArray RtfText(const QString& text)
{
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
        }
    }
    return out;
}

} // namespace

Rs232CodeDocument Rs232CodeDocument::Load(const QString& language)
{
    QFile file(QStringLiteral(":/zq9/rs232code/%1.html").arg(language));
    if (!ZQ9_EXPECT(file.open(QIODevice::ReadOnly)))
        return {};
    return Parse(QString::fromUtf8(file.readAll()));
}

Rs232CodeDocument Rs232CodeDocument::Parse(const QString& text)
{
    Rs232CodeDocument doc;
    const QStringList parts = text.split(PageMark);
    doc.m_title = Between(parts.value(0), QStringLiteral("h1"));
    doc.m_subtitle = Between(parts.value(0), QStringLiteral("p"));
    for (int k = 0; k < PageCount && k + 1 < parts.size(); ++k)
        doc.m_pages[static_cast<std::size_t>(k)] = parts[k + 1].trimmed();
    return doc;
}

QByteArray Rs232CodeDocument::TitleRtf() const
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                     "{\\colortbl;\\red29\\green63\\blue114;}";
    rtf += "\\pard\\cf1\\b\\fs28 " + RtfText(m_title) + "\\par";
    rtf += "\\pard\\cf0\\b0\\fs18 " + RtfText(m_subtitle) + "\\par}";
    return rtf;
}

QStringList Rs232CodePage::DiagramOf(const QString& html)
{
    static const QRegularExpression re(QStringLiteral("^\\s*<!--diagram:(.*?)-->"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch())
        return {};
    QStringList items = m.captured(1).split(QLatin1Char('|'));
    for (QString& item : items)
        item = PlainText(item);
    return items;
}

Rs232CodePage::Rs232CodePage(const QString& html, int width, int maxHeight, qreal pixelRatio)
{
    QStringList diagram = DiagramOf(html);
    const QString name = diagram.isEmpty() ? QString() : diagram.takeFirst();
    const int diagramHeight = name.isEmpty() ? 0 : rs232code::DiagramHeight(name) + 4;
    // A diagram stands under the page's heading, above the rest of its text.
    const qsizetype split = name.isEmpty() ? 0 : std::max<qsizetype>(0, html.indexOf(QLatin1String("</h2>")) + 5);

    QTextDocument heading;
    QTextDocument body;
    int headingHeight = 0;
    int bodyHeight = 0;
    for (int pixels = LargestTextPixels; pixels >= SmallestTextPixels; --pixels) {
        QFont font;
        font.setPixelSize(pixels);
        auto lay = [&](QTextDocument& text, const QString& part) {
            text.setDocumentMargin(2);
            text.setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
            text.setDefaultFont(font);
            text.setTextWidth(width);
            text.setHtml(part);
            return part.trimmed().isEmpty() ? 0 : static_cast<int>(std::ceil(text.size().height()));
        };
        headingHeight = lay(heading, html.left(split));
        bodyHeight = lay(body, html.mid(split));
        m_textPixelSize = pixels;
        if (headingHeight + diagramHeight + bodyHeight <= maxHeight)
            break;
    }
    const int needed = headingHeight + diagramHeight + bodyHeight;
    m_fits = needed <= maxHeight;
    m_height = std::min(needed, maxHeight);
    if (m_height <= 0)
        return;

    const qreal ratio = std::max<qreal>(1, pixelRatio);
    m_image = QImage(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(m_height * ratio)),
                     QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (headingHeight > 0)
        heading.drawContents(&painter, QRectF(0, 0, width, headingHeight));
    painter.translate(0, headingHeight);
    if (!name.isEmpty())
        rs232code::DrawDiagram(painter, name, diagram, width);
    painter.translate(0, diagramHeight);
    body.drawContents(&painter, QRectF(0, 0, width, m_height - headingHeight - diagramHeight));
}
