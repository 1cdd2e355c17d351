// Rich-text label: the twip render area, one byte per character both ways, the update bracket,
// the background colour handed to the control, the RTF reader and the rendered document.
#include "WidgetTestSupport.h"

#include "platform/ui/TBitmap.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPrinter.h"
#include "widgets/rtflabel.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class RtfLabelTest : public ::testing::Test
{
protected:
    void SetUp() override { wtest::App(); }

    static QString Chars(const QByteArray& bytes)
    {
        QString s;
        for (char b : bytes)
            s.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(b))));
        return s;
    }

    static QString PlainOf(const QByteArray& rtf)
    {
        QTextDocument doc;
        TRtfReader::Read(rtf, doc);
        return doc.toRawText();
    }

    static const QByteArray& RedDocument()
    {
        static const QByteArray rtf("{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                                    "\\f0\\fs20\\cf1 XXXXXXXX\\par}");
        return rtf;
    }
};

TEST_F(RtfLabelTest, RenderAreaInTwips)
{
    const struct
    {
        TRect rect;
        int dpiX, dpiY;
        TRect twips;
    } cases[] = {
        { TRect(0, 0, 630, 1400), 96, 96, TRect(15, 15, 9450, 21000) },
        { TRect(0, 0, 630, 1400), 0, 0, TRect(15, 15, 9450, 21000) }, // 0 counts as 96
        { TRect(0, 0, 630, 1400), 120, 120, TRect(12, 12, 7560, 16800) },
        // 1.5 twips per pixel: halves go to the even neighbour.
        { TRect(0, 0, 4, 2), 960, 960, TRect(2, 2, 6, 4) },
        { TRect(2, 0, 6, 2), 960, 960, TRect(4, 2, 8, 4) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRTFLabel::FormatRangeArea(c.rect, c.dpiX, c.dpiY), c.twips) << c.dpiX;
}

TEST_F(RtfLabelTest, OneBytePerCharacterBothWays)
{
    TRTFLabel label(nullptr);
    // Characters above 255 reach the control as their low 8 bits.
    label.SetRichText(QStringLiteral("{\\rtf1 ") + QChar(0x0141) + QChar(0x00E9) + QStringLiteral("}"));
    TRichEditControl edit;
    label.CopyToRichEdit(&edit);
    EXPECT_EQ(edit.SaveToStream(), QByteArray("{\\rtf1 A\xE9}"));
    EXPECT_FALSE(edit.PlainText());

    // Through the label and into a fresh control, every byte value survives.
    QByteArray all("{\\rtf1 ");
    for (int b = 1; b < 256; ++b)
        if (b != '{' && b != '}' && b != '\\')
            all.append(static_cast<char>(b));
    all.append('}');
    TRichEditControl source;
    source.LoadFromStream(all);
    label.CopyFromRichEdit(&source);
    EXPECT_EQ(label.RichText(), Chars(all));
    TRichEditControl fresh;
    label.CopyToRichEdit(&fresh);
    EXPECT_EQ(fresh.SaveToStream(), all);
}

TEST_F(RtfLabelTest, UpdateBracketHoldsPaintAndShowRtf)
{
    TForm form(nullptr);
    auto* label = new TRTFLabel(&form);
    label->SetParent(&form);
    label->SetBounds(0, 0, 200, 40);
    label->SetRichText(Chars(RedDocument()));

    label->EndUpdate(); // unpaired: nothing
    EXPECT_EQ(label->UpdateCount(), 0);

    TRichEditControl* edit = label->PrepareEditControl();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Parent(), &form);
    EXPECT_EQ(edit->PlainTextContent(), QString());
    label->BeginUpdate();
    label->BeginUpdate();
    edit->LoadFromStream("{\\rtf1 filled}");
    const int renders = edit->RenderCount();
    wtest::Render(label);
    EXPECT_EQ(edit->RenderCount(), renders); // no document while updating
    label->EndUpdate();
    EXPECT_EQ(label->RichText(), Chars(RedDocument()));
    label->EndUpdate();
    EXPECT_EQ(label->RichText(), QStringLiteral("{\\rtf1 filled}"));
    EXPECT_EQ(edit->Parent(), nullptr);
    wtest::Render(label);
    EXPECT_EQ(edit->RenderCount(), renders + 1);

    // Without a parent there is nothing to prepare and nothing to show.
    TRTFLabel loose(nullptr);
    EXPECT_EQ(loose.PrepareEditControl(), nullptr);
    loose.SetRichText(QStringLiteral("x"));
    loose.ShowRTF();
    EXPECT_EQ(loose.RichText(), QStringLiteral("x"));
}

TEST_F(RtfLabelTest, BackgroundIsTheParentsWhenTransparent)
{
    TForm form(nullptr);
    form.SetColor(0x123456);
    auto* label = new TRTFLabel(&form);
    label->SetParent(&form);
    label->SetColor(0x00FF00);
    TBitmap bmp;
    bmp.SetSize(label->Width(), label->Height());
    label->SetTransparent(true);
    label->PaintTo(bmp.Canvas());
    EXPECT_EQ(label->RichEdit()->BackgroundColor(), static_cast<TColor>(0x123456));
    label->SetTransparent(false);
    label->PaintTo(bmp.Canvas());
    EXPECT_EQ(label->RichEdit()->BackgroundColor(), static_cast<TColor>(0x00FF00));
    // System colours are resolved.
    label->SetColor(clWindow);
    label->PaintTo(bmp.Canvas());
    EXPECT_EQ(label->RichEdit()->BackgroundColor(), ColorToRGB(clWindow));
}

TEST_F(RtfLabelTest, VersionAndSetUp)
{
    TRTFLabel label(nullptr);
    EXPECT_EQ(label.Version(), QStringLiteral("1.3.1.0"));
    label.SetVersion(QStringLiteral("2.0.0.0"));
    EXPECT_EQ(label.Version(), QStringLiteral("1.3.1.0"));
    EXPECT_EQ(label.GetVersionNr(), 0x01030100u);
    EXPECT_FALSE(label.AutoSize());
    EXPECT_FALSE(label.WordWrap());
    EXPECT_FALSE(label.RichEdit()->WordWrap());
    EXPECT_FALSE(label.RichEdit()->Visible());
    EXPECT_EQ(label.RichEdit()->Parent(), nullptr);
    label.Print(QStringLiteral("job")); // no parent: nothing
    EXPECT_EQ(label.RichEdit()->LastPrintTitle(), QString());
}

TEST_F(RtfLabelTest, PrintPutsTheLabelOnThePrinterUnderTheCaption)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("laser.pdf"));
    TPrinterSeam printers({ { QStringLiteral("Laser"), pdf, 150, QPageSize::A4, QMarginsF() } });
    TForm form(nullptr);
    auto* label = new TRTFLabel(&form);
    label->SetParent(&form);
    QString text = QStringLiteral("{\\rtf1\\ansi Crossover\\par ");
    for (int i = 0; i < 150; ++i) // more lines than one page holds
        text += QStringLiteral("line %1\\par ").arg(i);
    label->SetRichText(text + QLatin1Char('}'));
    label->Print(QStringLiteral("Protocol"));
    EXPECT_EQ(label->RichEdit()->Parent(), nullptr); // off the parent again
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray utf16 { "\xFE\xFF", 2 };
    for (QChar c : QStringLiteral("Protocol"))
        utf16 += QByteArray { "\0", 1 } + char(c.unicode());
    EXPECT_TRUE(bytes.contains("Protocol") || bytes.contains(utf16)) << "the job title";
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2)
        << "the long document takes two pages";
}

TEST_F(RtfLabelTest, ReaderText)
{
    const struct
    {
        const char* rtf;
        QString text;
    } cases[] = {
        { "{\\rtf1\\ansi Hello\\par World}", QStringLiteral("Hello") + QChar(QChar::ParagraphSeparator) + "World" },
        { "{\\rtf1 a\\{b\\}c\\\\d}", QStringLiteral("a{b}c\\d") },
        { "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80}", QStringLiteral("caf") + QChar(0xE9) + " " + QChar(0x20AC) },
        { "{\\rtf1\\uc1 \\u20013?\\u-3913?x}", QString(QChar(0x4E2D)) + QChar(0xF0B7) + "x" },
        { "{\\rtf1\\uc2 \\u20013\\'d6\\'d0!}", QString(QChar(0x4E2D)) + "!" },
        { "{\\rtf1{\\fonttbl{\\f0\\fnil Tahoma;}}{\\colortbl;\\red1\\green2\\blue3;}{\\*\\generator Pad;}"
          "{\\info{\\title T}}\\pard body}",
          QStringLiteral("body") },
        { "{\\rtf1 a\\tab b\\line c\\~d}", QStringLiteral("a\tb") + QChar(QChar::LineSeparator) + "c" + QChar(0xA0) + "d" },
        { "{\\rtf1 unclosed \\'zz\\unknownword42 text", QStringLiteral("unclosed zztext") },
        { "", QString() },
        { "}}}{{{", QString() },
        { "{\\rtf1 x\\bin3 {}\\y}", QStringLiteral("xy") },
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlainOf(QByteArray(c.rtf)), c.text) << c.rtf;

    // Bytes in the font's code page (GB2312 charset), when the platform knows the code page.
    if (QStringDecoder("GBK").isValid()) {
        EXPECT_EQ(PlainOf("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\\f0 \\'d6\\'d0\\'ce\\'c4}"),
                  QString(QChar(0x4E2D)) + QChar(0x6587));
    }

    // Plain text written as RTF reads back the same.
    const QString plain = QStringLiteral("a{b}\\c ") + QChar(0xE9) + QChar(0x4E2D) + QStringLiteral("\r\nnext");
    EXPECT_EQ(PlainOf(TRtfReader::FromPlainText(plain)),
              QStringLiteral("a{b}\\c ") + QChar(0xE9) + QChar(0x4E2D) + QChar(QChar::ParagraphSeparator) + "next");
}

TEST_F(RtfLabelTest, ReaderSurvivesGarbage)
{
    // Bytes biased towards the syntax characters; reading must neither fail nor hang.
    const char alphabet[] = "{}\\'*uucbinpar0123456789-; \r\nabcfz\x80\xff";
    std::uint32_t seed = 12345;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        for (int i = 0; i < 400; ++i) {
            seed = seed * 1664525u + 1013904223u;
            bytes.append(alphabet[(seed >> 16) % (sizeof alphabet - 1)]);
        }
        QTextDocument doc;
        TRtfReader::Read(bytes, doc);
    }
    QTextDocument doc;
    TRtfReader::Read(QByteArray(20000, '{') + "deep" + QByteArray(20000, '}'), doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("deep"));
}

TEST_F(RtfLabelTest, ReaderFormatting)
{
    QTextDocument doc;
    TRtfReader::Read("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
                     "{\\colortbl;\\red255\\green0\\blue0;}"
                     "\\pard\\qc\\f0\\fs24 plain\\b bold\\b0 {\\i\\ul ital}\\cf1 red\\f1\\fs40 big\\par"
                     "\\pard\\li1440 indented\\par}",
                     doc);
    auto at = [&](int pos) {
        QTextCursor c(&doc);
        c.setPosition(pos + 1); // the format of the character before the cursor
        return c.charFormat();
    };
    const QString text = doc.toPlainText();
    EXPECT_EQ(doc.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(doc.firstBlock().next().blockFormat().leftMargin(), 96.0); // one inch at 96 DPI
    EXPECT_EQ(doc.firstBlock().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    const int plain = static_cast<int>(text.indexOf(QStringLiteral("plain")));
    EXPECT_FALSE(at(plain).font().bold());
    EXPECT_EQ(at(plain).font().pixelSize(), 16); // 12 points
    EXPECT_EQ(at(plain).font().family(), DebianFontFamily(QStringLiteral("Arial")));
    EXPECT_EQ(at(plain).foreground().color(), QColor(Qt::black));
    EXPECT_TRUE(at(static_cast<int>(text.indexOf(QStringLiteral("bold")))).font().bold());
    const QTextCharFormat ital = at(static_cast<int>(text.indexOf(QStringLiteral("ital"))));
    EXPECT_TRUE(ital.font().italic());
    EXPECT_TRUE(ital.font().underline());
    EXPECT_FALSE(ital.font().bold());
    const QTextCharFormat red = at(static_cast<int>(text.indexOf(QStringLiteral("red"))));
    EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(red.font().italic()); // the group ended
    const QTextCharFormat big = at(static_cast<int>(text.indexOf(QStringLiteral("big"))));
    EXPECT_EQ(big.font().pixelSize(), 27); // 20 points at 96 DPI, rounded
    EXPECT_EQ(big.font().family(), DebianFontFamily(QStringLiteral("Courier New")));
}

TEST_F(RtfLabelTest, DocumentIsPaintedInsideTheInsetArea)
{
    TForm form(nullptr);
    form.SetColor(clWhite);
    auto* label = new TRTFLabel(&form);
    label->SetParent(&form);
    label->SetBounds(0, 0, 120, 30);
    label->SetTransparent(true);
    label->SetRichText(Chars(RedDocument()));
    const QImage img = wtest::Render(label, Qt::white);
    int red = 0;
    int minX = 1000, minY = 1000;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (wtest::Pixel(img, x, y) == clRed) {
                ++red;
                minX = std::min(minX, x);
                minY = std::min(minY, y);
            }
    EXPECT_GT(red, 20);
    EXPECT_GE(minX, 1); // the 1-pixel inset
    EXPECT_GE(minY, 1);
    if (qEnvironmentVariableIsSet("ZQ9_SHOT_DIR"))
        img.save(qEnvironmentVariable("ZQ9_SHOT_DIR") + QStringLiteral("/rtflabel.png"));

    // The same through PaintTo into a bitmap.
    TBitmap bmp;
    bmp.SetSize(120, 30);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(TRect(0, 0, 120, 30));
    label->PaintTo(bmp.Canvas());
    int redBmp = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            redBmp += bmp.Canvas()->Pixels(x, y) == clRed;
    EXPECT_EQ(redBmp, red);
}

} // namespace
