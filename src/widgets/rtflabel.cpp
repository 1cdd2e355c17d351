#include "widgets/rtflabel.h"

#include "platform/core/AnsiCodec.h"
#include "platform/core/NumberUtils.h"
#include "platform/ui/TCanvas.h"
#include "platform/ui/TFont.h"
#include "platform/ui/TPrinter.h"
#include "platform/ui/TWinControl.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

using namespace vcl;

namespace {

// ---------------------------------------------------------------- RTF reading

struct CharState
{
    int font { -1 }; // -1: the document's default font
    int halfPoints { 24 };
    bool bold { false };
    bool italic { false };
    bool underline { false };
    bool strike { false };
    int foreground { 0 }; // colour table index; 0 is the automatic colour
    int background { 0 };
    int vertical { 0 };   // 1 superscript, -1 subscript
};

struct ParaState
{
    Qt::Alignment align { Qt::AlignLeft };
    int leftIndent { 0 }; // twips
    int rightIndent { 0 };
    int firstIndent { 0 };
    int spaceBefore { 0 };
    int spaceAfter { 0 };
};

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState
{
    CharState ch;
    ParaState para;
    Destination dest { Destination::Text };
    int unicodeSkip { 1 };
};

struct FontEntry
{
    QString name;
    int charset { 1 };
    int codePage { 0 };
};

int CodePageOfCharset(int charset, int ansiCodePage)
{
    switch (charset) {
    case 0: case 2: return 1252;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return ansiCodePage;
    }
}

QString DecodeCodePage(const QByteArray& bytes, int codePage)
{
    if (codePage == 1252 || codePage == 0)
        return AnsiCodec::Decode(bytes);
    QByteArray name;
    switch (codePage) {
    case 936: name = "GBK"; break;
    case 950: name = "Big5"; break;
    case 932: name = "Shift_JIS"; break;
    case 949: name = "windows-949"; break;
    case 65001: name = "UTF-8"; break;
    default: name = "windows-" + QByteArray::number(codePage); break;
    }
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        return AnsiCodec::Decode(bytes);
    return decoder.decode(bytes);
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One pass over the bytes, writing into the document through a cursor.
class RtfParser
{
public:
    RtfParser(const QByteArray& in, QTextDocument& doc, int dpiX, int dpiY)
        : m_in(in), m_cursor(&doc), m_dpiX(dpiX), m_dpiY(dpiY)
    {
    }

    void Run()
    {
        const qsizetype n = m_in.size();
        while (m_pos < n) {
            const char c = m_in[m_pos];
            if (c == '{') {
                ++m_pos;
                EndTextToken();
                m_stack.push_back(m_state);
            } else if (c == '}') {
                ++m_pos;
                EndTextToken();
                if (m_state.dest == Destination::FontTable && m_fontId >= 0 && !m_fontName.isEmpty())
                    EndFontEntry();
                if (m_stack.empty())
                    break; // the document's closing brace
                m_state = m_stack.back();
                m_stack.pop_back();
            } else if (c == '\\') {
                ++m_pos;
                ControlToken();
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else {
                ++m_pos;
                TextByte(static_cast<unsigned char>(c));
            }
        }
        FlushBytes();
        FlushRun();
        m_cursor.setBlockFormat(BlockFormat());
    }

private:
    // --- text ---
    void TextByte(unsigned char b)
    {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        switch (m_state.dest) {
        case Destination::Text:
            m_bytes.append(static_cast<char>(b));
            break;
        case Destination::FontTable:
            if (b == ';')
                EndFontEntry();
            else
                m_fontName.append(static_cast<char>(b));
            break;
        case Destination::ColorTable:
            if (b == ';') {
                m_colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
                m_red = m_green = m_blue = 0;
                m_colorSet = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void TextChar(QChar ch)
    {
        FlushBytes();
        if (m_state.dest == Destination::Text)
            m_run.append(ch);
    }

    int CurrentCodePage() const
    {
        const auto it = m_fonts.find(m_state.ch.font >= 0 ? m_state.ch.font : m_defaultFont);
        if (it == m_fonts.end())
            return m_ansiCodePage;
        if (it->second.codePage > 0)
            return it->second.codePage;
        return CodePageOfCharset(it->second.charset, m_ansiCodePage);
    }

    void FlushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        m_run.append(DecodeCodePage(m_bytes, CurrentCodePage()));
        m_bytes.clear();
    }

    void FlushRun()
    {
        FlushBytes();
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, CharFormat());
        m_run.clear();
    }

    // Anything but a byte of text: pending bytes are decoded, the fallback skip ends.
    void EndTextToken()
    {
        FlushRun();
        m_skip = 0;
    }

    void EndFontEntry()
    {
        if (m_fontId >= 0) {
            FontEntry& f = m_fonts[m_fontId];
            f.name = DecodeCodePage(m_fontName, CodePageOfCharset(f.charset, m_ansiCodePage)).trimmed();
        }
        m_fontName.clear();
        m_fontId = -1;
    }

    // --- control words and symbols ---
    void ControlToken()
    {
        const qsizetype n = m_in.size();
        if (m_pos >= n)
            return;
        const char c = m_in[m_pos];
        if (!IsLetter(c)) {
            ++m_pos;
            ControlSymbol(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && IsLetter(m_in[m_pos]) && m_pos - start < 32)
            ++m_pos;
        const QByteArray word = m_in.mid(start, m_pos - start);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (m_pos < n && m_in[m_pos] == '-' && m_pos + 1 < n && IsDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < n && IsDigit(m_in[m_pos])) {
            if (digits < 10)
                param = param * 10 + (m_in[m_pos] - '0');
            ++digits;
            ++m_pos;
            hasParam = true;
        }
        if (m_pos < n && m_in[m_pos] == ' ')
            ++m_pos;
        const int value = static_cast<int>(std::clamp<long long>(negative ? -param : param, -2147483647LL, 2147483647LL));
        ControlWord(word, hasParam, value);
    }

    void ControlSymbol(char c)
    {
        switch (c) {
        case '\\': case '{': case '}':
            TextByte(static_cast<unsigned char>(c));
            break;
        case '\'': {
            const qsizetype n = m_in.size();
            int hi = m_pos < n ? HexValue(m_in[m_pos]) : -1;
            int lo = m_pos + 1 < n ? HexValue(m_in[m_pos + 1]) : -1;
            if (hi < 0 || lo < 0)
                return;
            m_pos += 2;
            TextByte(static_cast<unsigned char>(hi * 16 + lo));
            break;
        }
        case '*':
            EndTextToken();
            m_state.dest = Destination::Skip;
            break;
        case '~':
            EndTextToken();
            TextChar(QChar(0x00A0));
            break;
        case '_':
            EndTextToken();
            TextChar(QChar(0x2011));
            break;
        case '\r': case '\n':
            EndTextToken();
            Paragraph();
            break;
        default: // "\-" optional hyphen, "\|", "\:" and unknown symbols
            EndTextToken();
            break;
        }
    }

    void ControlWord(const QByteArray& w, bool hasParam, int p)
    {
        if (w == "u") {
            // A Unicode character, then its fallback characters are skipped.
            FlushBytes();
            m_skip = 0;
            TextChar(QChar(static_cast<char16_t>(p < 0 ? p + 65536 : p)));
            m_skip = m_state.unicodeSkip;
            return;
        }
        EndTextToken();
        CharState& ch = m_state.ch;
        ParaState& para = m_state.para;
        const bool on = !hasParam || p != 0;

        // Destinations.
        if (w == "fonttbl") { m_state.dest = Destination::FontTable; return; }
        if (w == "colortbl") {
            m_state.dest = Destination::ColorTable;
            m_colors.clear();
            return;
        }
        static const char* const skipped[] = { "stylesheet", "info", "pict", "header", "footer", "headerl",
            "headerr", "headerf", "footerl", "footerr", "footerf", "footnote", "fldinst", "object", "xe", "tc",
            "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator", "filetbl", "themedata",
            "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "bkmkstart", "bkmkend", "pn" };
        for (const char* s : skipped)
            if (w == s) {
                m_state.dest = Destination::Skip;
                return;
            }

        // Document and font table.
        if (w == "ansicpg") { if (hasParam && p > 0) m_ansiCodePage = p; return; }
        if (w == "deff") { m_defaultFont = p; return; }
        if (w == "uc") { m_state.unicodeSkip = std::clamp(p, 0, 10); return; }
        if (w == "f") {
            if (m_state.dest == Destination::FontTable) {
                if (m_fontId >= 0)
                    EndFontEntry();
                m_fontId = p;
                m_fonts[p];
            } else {
                ch.font = p;
            }
            return;
        }
        if (w == "fcharset") { if (m_fontId >= 0) m_fonts[m_fontId].charset = p; return; }
        if (w == "cpg") { if (m_fontId >= 0) m_fonts[m_fontId].codePage = p; return; }
        if (w == "red") { m_red = std::clamp(p, 0, 255); m_colorSet = true; return; }
        if (w == "green") { m_green = std::clamp(p, 0, 255); m_colorSet = true; return; }
        if (w == "blue") { m_blue = std::clamp(p, 0, 255); m_colorSet = true; return; }

        // Paragraphs and breaks.
        if (w == "par" || w == "page") { Paragraph(); return; }
        if (w == "line") { TextChar(QChar(QChar::LineSeparator)); return; }
        if (w == "tab") { TextChar(QChar(u'\t')); return; }
        if (w == "pard") { para = ParaState(); return; }
        if (w == "ql") { para.align = Qt::AlignLeft; return; }
        if (w == "qc") { para.align = Qt::AlignHCenter; return; }
        if (w == "qr") { para.align = Qt::AlignRight; return; }
        if (w == "qj") { para.align = Qt::AlignJustify; return; }
        if (w == "li") { para.leftIndent = p; return; }
        if (w == "ri") { para.rightIndent = p; return; }
        if (w == "fi") { para.firstIndent = p; return; }
        if (w == "sb") { para.spaceBefore = p; return; }
        if (w == "sa") { para.spaceAfter = p; return; }

        // Special characters.
        if (w == "emdash") { TextChar(QChar(0x2014)); return; }
        if (w == "endash") { TextChar(QChar(0x2013)); return; }
        if (w == "bullet") { TextChar(QChar(0x2022)); return; }
        if (w == "lquote") { TextChar(QChar(0x2018)); return; }
        if (w == "rquote") { TextChar(QChar(0x2019)); return; }
        if (w == "ldblquote") { TextChar(QChar(0x201C)); return; }
        if (w == "rdblquote") { TextChar(QChar(0x201D)); return; }
        if (w == "emspace") { TextChar(QChar(0x2003)); return; }
        if (w == "enspace") { TextChar(QChar(0x2002)); return; }

        // Character formatting.
        if (w == "plain") { ch = CharState(); return; }
        if (w == "b") { ch.bold = on; return; }
        if (w == "i") { ch.italic = on; return; }
        if (w == "strike") { ch.strike = on; return; }
        if (w == "ulnone") { ch.underline = false; return; }
        if (w.startsWith("ul")) { ch.underline = on; return; }
        if (w == "fs") { if (hasParam && p > 0) ch.halfPoints = std::min(p, 3276); return; }
        if (w == "cf") { ch.foreground = p; return; }
        if (w == "highlight" || w == "cb" || w == "chcbpat") { ch.background = p; return; }
        if (w == "super") { ch.vertical = 1; return; }
        if (w == "sub") { ch.vertical = -1; return; }
        if (w == "nosupersub") { ch.vertical = 0; return; }
        if (w == "bin") {
            // Binary data of the given length, skipped whole.
            m_pos = std::min<qsizetype>(m_in.size(), m_pos + std::max(0, p));
            return;
        }
        // Anything else changes nothing that is shown.
    }

    void Paragraph()
    {
        FlushRun();
        if (m_state.dest != Destination::Text)
            return;
        m_cursor.setBlockFormat(BlockFormat());
        m_cursor.insertBlock(BlockFormat(), CharFormat());
    }

    // --- formats ---
    double PixelsX(int twips) const { return twips * m_dpiX / 1440.0; }
    double PixelsY(int twips) const { return twips * m_dpiY / 1440.0; }

    // An invalid colour stands for the automatic one.
    QColor Colour(int index) const
    {
        if (index < 0 || index >= static_cast<int>(m_colors.size()))
            return QColor();
        return m_colors[static_cast<std::size_t>(index)];
    }

    QTextCharFormat CharFormat() const
    {
        const CharState& ch = m_state.ch;
        QString face = QStringLiteral("Tahoma");
        const auto it = m_fonts.find(ch.font >= 0 ? ch.font : m_defaultFont);
        if (it != m_fonts.end() && !it->second.name.isEmpty())
            face = it->second.name;
        QFont font(DebianFontFamily(face));
        font.setPixelSize(std::max(1, RoundToInt(ch.halfPoints * m_dpiY / 144.0)));
        font.setBold(ch.bold);
        font.setItalic(ch.italic);
        font.setUnderline(ch.underline);
        font.setStrikeOut(ch.strike);
        font.setStyleStrategy(QFont::NoAntialias);
        QTextCharFormat f;
        f.setFont(font);
        const QColor fg = Colour(ch.foreground);
        f.setForeground(fg.isValid() ? fg : QColor(Qt::black));
        const QColor bg = Colour(ch.background);
        if (bg.isValid())
            f.setBackground(bg);
        if (ch.vertical > 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (ch.vertical < 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return f;
    }

    QTextBlockFormat BlockFormat() const
    {
        const ParaState& para = m_state.para;
        QTextBlockFormat f;
        f.setAlignment(para.align);
        f.setLeftMargin(PixelsX(para.leftIndent));
        f.setRightMargin(PixelsX(para.rightIndent));
        f.setTextIndent(PixelsX(para.firstIndent));
        f.setTopMargin(PixelsY(para.spaceBefore));
        f.setBottomMargin(PixelsY(para.spaceAfter));
        return f;
    }

    const QByteArray& m_in;
    QTextCursor m_cursor;
    double m_dpiX;
    double m_dpiY;
    qsizetype m_pos { 0 };
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::map<int, FontEntry> m_fonts;
    int m_defaultFont { 0 };
    int m_ansiCodePage { 1252 };
    std::vector<QColor> m_colors; // the colour table; an invalid entry is the automatic colour
    int m_red { 0 }, m_green { 0 }, m_blue { 0 };
    bool m_colorSet { false };
    int m_fontId { -1 };
    QByteArray m_fontName;
    QByteArray m_bytes; // \'hh and plain bytes awaiting decoding as one run
    QString m_run;      // decoded text awaiting insertion with the current format
    int m_skip { 0 };   // fallback characters still to skip after \uN
};

} // namespace

void TRtfReader::Read(const QByteArray& Rtf, QTextDocument& Document, int DpiX, int DpiY)
{
    DpiX = DpiX > 0 ? DpiX : 96;
    DpiY = DpiY > 0 ? DpiY : 96;
    Document.clear();
    Document.setDocumentMargin(0);
    QTextOption option = Document.defaultTextOption();
    option.setTabStopDistance(DpiX / 2.0); // every half inch
    Document.setDefaultTextOption(option);
    RtfParser(Rtf, Document, DpiX, DpiY).Run();
}

QByteArray TRtfReader::FromPlainText(const QString& Text)
{
    QByteArray out("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\\pard\\f0\\fs16 ");
    QString text = Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\').append(static_cast<char>(c));
        } else if (c == u'\n') {
            out.append("\\par\r\n");
        } else if (c == u'\t') {
            out.append("\\tab ");
        } else if (c >= 0x20 && c < 0x80) {
            out.append(static_cast<char>(c));
        } else if (const std::uint8_t b = AnsiCodec::EncodeChar(c); b != '?' && c >= 0x80) {
            out.append("\\'").append(QByteArray::number(b, 16).rightJustified(2, '0'));
        } else if (c >= 0x20) {
            out.append("\\u").append(QByteArray::number(static_cast<std::int16_t>(c))).append('?');
        }
    }
    out.append("}\r\n");
    return out;
}

// ---------------------------------------------------------------- TRichEditControl

TRichEditControl::TRichEditControl()
{
    Clear();
}

TRichEditControl::~TRichEditControl() = default;

void TRichEditControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    m_bounds = TRect(ALeft, ATop, ALeft + AWidth, ATop + AHeight);
}

void TRichEditControl::Clear()
{
    m_rtf = TRtfReader::FromPlainText(QString());
}

void TRichEditControl::LoadFromStream(const QByteArray& Bytes)
{
    m_rtf = m_plainText ? TRtfReader::FromPlainText(AnsiCodec::Decode(Bytes)) : Bytes;
}

QString TRichEditControl::PlainTextContent() const
{
    QTextDocument doc;
    TRtfReader::Read(m_rtf, doc);
    return doc.toPlainText();
}

void TRichEditControl::FormatRange(TCanvas& Canvas, const TRect& AreaTwips, int DpiX, int DpiY)
{
    ++m_renderCount;
    DpiX = DpiX > 0 ? DpiX : 96;
    DpiY = DpiY > 0 ? DpiY : 96;
    const QRectF area(AreaTwips.Left * DpiX / 1440.0, AreaTwips.Top * DpiY / 1440.0,
                      (AreaTwips.Right - AreaTwips.Left) * DpiX / 1440.0,
                      (AreaTwips.Bottom - AreaTwips.Top) * DpiY / 1440.0);
    m_cache = std::make_unique<QTextDocument>();
    QTextDocument& doc = *m_cache;
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(m_wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    doc.setDefaultTextOption(option);
    TRtfReader::Read(m_rtf, doc, DpiX, DpiY);
    // Without wrapping the lines still align (centre, right) within the area.
    doc.setTextWidth(area.width());

    QPainter* painter = Canvas.Painter();
    std::optional<QPainter> own;
    if (!painter && Canvas.Image() && !Canvas.Image()->isNull()) {
        own.emplace(Canvas.Image());
        painter = &*own;
    }
    if (!painter || area.isEmpty())
        return;
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->translate(area.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, 0, area.width(), area.height());
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(painter, context);
    painter->restore();
}

void TRichEditControl::ReleaseFormatRange()
{
    m_cache.reset();
}

void TRichEditControl::Print(const QString& Caption)
{
    m_lastPrintTitle = Caption;
    TPrinter printer;
    printer.SetTitle(Caption);
    QTextDocument doc;
    QTextOption option = doc.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    TRtfReader::Read(m_rtf, doc, printer.DpiX(), printer.DpiY());
    printer.BeginDoc();
    QPainter* painter = printer.Painter();
    const QSizeF page(painter->device()->width(), painter->device()->height());
    doc.setPageSize(page);
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0)
            printer.NewPage();
        painter->save();
        painter->translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(painter, context);
        painter->restore();
    }
    printer.EndDoc();
}

// ---------------------------------------------------------------- TRTFLabel

namespace {

// Sets a flag for its lifetime and clears it on every exit path.
class PaintingGuard
{
public:
    explicit PaintingGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~PaintingGuard() { m_flag = false; }
    PaintingGuard(const PaintingGuard&) = delete;
    PaintingGuard& operator=(const PaintingGuard&) = delete;

private:
    bool& m_flag;
};

// Hidden set-up of the rich edit control: invisible, tiny, no wrapping, no border.
void HideRichEdit(TRichEditControl& edit)
{
    edit.SetVisible(false);
    edit.SetBounds(0, 0, 10, 10);
    edit.SetWordWrap(false);
    edit.SetHasBorder(false);
}

int LogicalDpi(const TCanvas& canvas, bool horizontal)
{
    const QPaintDevice* device = canvas.Painter() ? canvas.Painter()->device() : canvas.Image();
    int dpi = 0;
    if (device)
        dpi = horizontal ? device->logicalDpiX() : device->logicalDpiY();
    return dpi > 0 ? dpi : 96;
}

} // namespace

TRTFLabel::TRTFLabel(TComponent* AOwner) : TLabel(AOwner), m_richEdit(std::make_unique<TRichEditControl>())
{
    SetAutoSize(false);
    SetCaption(QString());
    // A label built in code may never see Loaded: the control starts hidden the same way.
    HideRichEdit(*m_richEdit);
}

TRTFLabel::~TRTFLabel()
{
    BeforeDestruction();
}

void TRTFLabel::Loaded()
{
    TLabel::Loaded();
    HideRichEdit(*m_richEdit);
    SetCaption(QString());
}

void TRTFLabel::SetRichText(const QString& value)
{
    if (value == m_richText)
        return;
    m_richText = value;
    Invalidate();
}

void TRTFLabel::SetWordWrap(bool value)
{
    m_wordWrap = value;
    if (Parent() && !ComponentState().Contains(TComponentStateItem::csLoading)) {
        m_richEdit->SetWordWrap(value);
        Invalidate();
    }
}

void TRTFLabel::EndUpdate()
{
    if (m_updateCount <= 0)
        return;
    if (--m_updateCount == 0)
        ShowRTF();
}

TRichEditControl* TRTFLabel::PrepareEditControl()
{
    if (!Parent() || !m_richEdit)
        return nullptr;
    m_richEdit->SetParent(Parent());
    m_richEdit->Clear();
    return m_richEdit.get();
}

namespace {

QString CharsOfBytes(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char b : bytes)
        s.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(b))));
    return s;
}

} // namespace

void TRTFLabel::ShowRTF()
{
    if (!Parent() || !m_richEdit)
        return;
    m_richEdit->SetParent(Parent());
    m_richText = CharsOfBytes(m_richEdit->SaveToStream());
    Repaint();
    m_richEdit->SetParent(nullptr);
}

void TRTFLabel::CopyFromRichEdit(TRichEditControl* Edit)
{
    if (!Edit)
        return;
    m_richText = CharsOfBytes(Edit->SaveToStream());
    Repaint();
}

void TRTFLabel::CopyToRichEdit(TRichEditControl* Edit)
{
    if (!Edit)
        return;
    Edit->SetPlainText(false);
    Edit->LoadFromStream(DocumentBytes());
}

void TRTFLabel::Print(const QString& Caption)
{
    if (!Parent() || !m_richEdit)
        return;
    m_richEdit->SetParent(Parent());
    CopyToRichEdit(m_richEdit.get());
    m_richEdit->Print(Caption);
    m_richEdit->SetParent(nullptr);
}

void TRTFLabel::PaintTo(TCanvas* ACanvas)
{
    if (!ACanvas)
        return;
    m_richEdit->SetParent(Parent());
    RenderRichText(*ACanvas, TRect(0, 0, Width(), Height()));
    m_richEdit->SetParent(nullptr);
}

QByteArray TRTFLabel::DocumentBytes() const
{
    QByteArray bytes;
    bytes.reserve(m_richText.size());
    for (QChar c : m_richText)
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
    return bytes;
}

TRect TRTFLabel::FormatRangeArea(const TRect& Rect, int DpiX, int DpiY)
{
    const double dx = DpiX > 0 ? DpiX : 96;
    const double dy = DpiY > 0 ? DpiY : 96;
    TRect area;
    area.Left = RoundToInt((Rect.Left + 1) / dx * 1440.0);
    area.Top = RoundToInt((Rect.Top + 1) / dy * 1440.0);
    area.Right = area.Left + RoundToInt((Rect.Right - Rect.Left - 1) / dx * 1440.0);
    area.Bottom = area.Top + RoundToInt((Rect.Bottom - Rect.Top - 1) / dy * 1440.0);
    return area;
}

void TRTFLabel::Paint()
{
    if (!Caption().isEmpty())
        SetCaption(QString());
    TLabel::Paint();
    if (m_updateCount > 0 || !m_richEdit || m_painting)
        return;
    PaintingGuard guard(m_painting);
    m_richEdit->SetParent(Parent());
    if (Parent()) {
        // Never shows itself: zero height.
        const TRect b = m_richEdit->BoundsRect();
        m_richEdit->SetBounds(b.Left, b.Top, b.Right - b.Left, 0);
        Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
        RenderRichText(*Canvas(), TRect(0, 0, Width(), Height()));
        m_richEdit->SetParent(nullptr);
    }
}

void TRTFLabel::RenderRichText(TCanvas& Canvas, const TRect& Rect)
{
    m_richEdit->SetPlainText(false);
    m_richEdit->LoadFromStream(DocumentBytes());
    const int dpiX = LogicalDpi(Canvas, true);
    const int dpiY = LogicalDpi(Canvas, false);
    const TColor back = Transparent() && Parent() ? Parent()->Color() : Color();
    m_richEdit->SetBackgroundColor(ColorToRGB(back));
    m_richEdit->FormatRange(Canvas, FormatRangeArea(Rect, dpiX, dpiY), dpiX, dpiY);
    m_richEdit->ReleaseFormatRange();
}
