#pragma once
// The protocol document of one language as the program carries it: the title lines shown as rich text
// and ten pages, each drawn into one picture of the viewer.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

class Rs232CodeDocument
{
public:
    static constexpr int PageCount = 10;

    // The embedded document of "en" or "zh"; an unknown language gives an empty document.
    static Rs232CodeDocument Load(const QString& language);
    // Splits document text: the title block, then the pages, each after a "<!--page-->" line.
    static Rs232CodeDocument Parse(const QString& text);

    const QString& Title() const { return m_title; }
    const QString& Subtitle() const { return m_subtitle; }
    const QString& Page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }
    // The title lines as the rich text of the viewer's label.
    QByteArray TitleRtf() const;

private:
    QString m_title;
    QString m_subtitle;
    std::array<QString, PageCount> m_pages;
};

// Draws one page: its diagram, when the page opens with one, above its text.
class Rs232CodePage
{
public:
    // The picture of the page, width pixels wide and at most maxHeight high, drawn for a screen of the
    // given pixel ratio. The text is made smaller, down to a floor, until the page fits; a page that
    // still does not fit is cut at maxHeight and Fits() says so.
    Rs232CodePage(const QString& html, int width, int maxHeight, qreal pixelRatio);

    const QImage& Image() const { return m_image; }
    // Height in layout pixels.
    int Height() const { return m_height; }
    bool Fits() const { return m_fits; }
    int TextPixelSize() const { return m_textPixelSize; }

    // The diagram a page asks for on its first line ("<!--diagram:name|label|...-->"): its name, then
    // its labels as plain text. Empty when the page has none.
    static QStringList DiagramOf(const QString& html);

private:
    QImage m_image;
    int m_height { 0 };
    int m_textPixelSize { 0 };
    bool m_fits { true };
};
