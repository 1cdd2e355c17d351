// The rich-text label's RTF reader. Malformed RTF never fails, and any plain text written as RTF
// reads back as the same text.

#include "FuzzSupport.h"
#include "widgets/rtflabel.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnsureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QTextDocument document;
        TRtfReader::Read(bytes, document);
    }
    // The same bytes as plain text, with control characters and the document's own separator
    // characters made blanks, since a label's text never holds them.
    QString text = QString::fromUtf8(bytes);
    text.remove(QChar(u'\r'));
    for (QChar& c : text)
        if ((c.unicode() < 0x20 && c != u'\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator
            || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1)
            c = u' ';
    QTextDocument document;
    TRtfReader::Read(TRtfReader::FromPlainText(text), document);
    QString expected = text;
    expected.replace(u'\n', QChar::ParagraphSeparator);
    fuzz::Require(document.toRawText() == expected, "plain text survives being written as RTF and read back");
    return 0;
}
