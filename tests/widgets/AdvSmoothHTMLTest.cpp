// Layout of the small markup language on a surface with fixed metrics.

#include "widgets/AdvSmoothHTML.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vcl;

namespace {

// Every character is as wide as the font's point size; a line is twice that high.
class FakeSurface : public IHTMLSurface
{
public:
    struct Text
    {
        QString text;
        TRect rect;
        TColor color;
        TColor background;
        int size;
        TFontStyles style;
        QString face;
    };
    struct Shape
    {
        char kind; // 'r' rect, 'e' ellipse, 'l' line, 'i' list image, 'p' picture
        TRect rect;
        TColor color;
    };

    int TextHeight(const TFont& font, const QString&) override { return 2 * font.Size(); }
    int DrawText(const QString& text, TRect& rect, const TFont& font, bool calc, TColor bkColor) override
    {
        rect.Right = rect.Left + static_cast<int>(text.size()) * font.Size();
        rect.Bottom = rect.Top + 2 * font.Size();
        if (!calc)
            texts.push_back({ text, rect, font.Color(), bkColor, font.Size(), font.Style(), font.Name() });
        return rect.Bottom - rect.Top;
    }
    void FillRect(const TRect& rect, TColor color) override { shapes.push_back({ 'r', rect, color }); }
    void FillEllipse(const TRect& rect, TColor color) override { shapes.push_back({ 'e', rect, color }); }
    void DrawLine(int x1, int y1, int x2, int y2, TColor color) override
    {
        shapes.push_back({ 'l', TRect(x1, y1, x2, y2), color });
    }
    TSize ImageListImageSize(int index) override { return index >= 0 && index < 2 ? TSize(16, 16) : TSize(); }
    void DrawImageListImage(int index, int x, int y) override
    {
        shapes.push_back({ 'i', TRect(x, y, x + 16, y + 16), index });
    }
    TSize ContainerPictureSize(const QString& name) override
    {
        return name.compare(QLatin1String("logo"), Qt::CaseInsensitive) == 0 ? TSize(40, 30) : TSize();
    }
    void DrawContainerPicture(const QString&, const TRect& dest) override { shapes.push_back({ 'p', dest, 0 }); }
    TSize SystemIconSize(const QString&, bool) override { return {}; }
    void DrawSystemIcon(const QString&, bool, int, int) override {}

    std::vector<Text> texts;
    std::vector<Shape> shapes;
};

const TFont& Font8()
{
    static TFont* f = [] {
        auto* font = new TFont;
        font->SetName(QStringLiteral("Tahoma"));
        font->SetSize(8);
        font->SetColor(clBlack);
        return font;
    }();
    return *f;
}

struct Drawn
{
    FakeSurface surface;
    THTMLDrawResult result;
    bool hit { false };
};

Drawn Draw(const QString& text, TRect rect = TRect(0, 0, 500, 250), THTMLDrawOptions options = {})
{
    Drawn d;
    d.hit = HTMLDraw(d.surface, Font8(), text, rect, options, d.result);
    return d;
}

TEST(AdvSmoothHTML, SplashLineDrawsWhiteTwentyPointWordsOnOneLine)
{
    THTMLDrawOptions o;
    o.LineSpacing = 2;
    const auto d = Draw(QStringLiteral("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>"),
                        TRect(180, 210, 680, 460), o);
    ASSERT_EQ(d.surface.texts.size(), 2u);
    EXPECT_EQ(d.surface.texts[0].text, QStringLiteral("Loading "));
    EXPECT_EQ(d.surface.texts[0].rect.TopLeft(), TPoint(181, 210));
    EXPECT_EQ(d.surface.texts[1].text, QStringLiteral("Program...."));
    EXPECT_EQ(d.surface.texts[1].rect.Left, 181 + 8 * 20);
    for (const auto& t : d.surface.texts) {
        EXPECT_EQ(t.color, clWhite);
        EXPECT_EQ(t.size, 20);
        EXPECT_EQ(t.background, clNone);
    }
    // One 40-pixel line; the closing <br> adds no line spacing.
    EXPECT_EQ(d.result.YSize, 40 + 2);
    EXPECT_EQ(d.result.XSize, 19 * 20 + 2);
    EXPECT_EQ(d.result.StripVal, QStringLiteral("Loading Program....\r"));
}

TEST(AdvSmoothHTML, MeasureOnlyDrawsNothingAndEmptyTextMeasuresOneLine)
{
    THTMLDrawOptions o;
    o.MeasureOnly = true;
    auto d = Draw(QStringLiteral("<b>abc</b>"), TRect(0, 0, 500, 250), o);
    EXPECT_TRUE(d.surface.texts.empty());
    EXPECT_EQ(d.result.XSize, 3 * 8 + 2);
    EXPECT_EQ(d.result.YSize, 16 + 2);

    d = Draw(QString(), TRect(0, 0, 500, 250), o);
    EXPECT_EQ(d.result.XSize, 0);
    EXPECT_EQ(d.result.YSize, 16 + 2);
}

TEST(AdvSmoothHTML, EntitiesBecomeTextNotMarkup)
{
    const auto d = Draw(QStringLiteral("A&amp;B &lt;B&gt;x"));
    QString all;
    for (const auto& t : d.surface.texts) {
        all += t.text;
        EXPECT_FALSE(t.style.Contains(TFontStyle::fsBold));
    }
    EXPECT_EQ(all, QStringLiteral("A&B <B>x"));
    EXPECT_EQ(HTMLReplaceEntities(QStringLiteral("&AMP;amp; &copy; &euro;")), QString::fromUtf8("& © €"));
}

TEST(AdvSmoothHTML, WordWrapBreaksAtSpacesButNeverInsideAWord)
{
    // 8 px per character; 49 px available after the 1-pixel left margin.
    auto d = Draw(QStringLiteral("aaa bbb ccc"), TRect(0, 0, 50, 250));
    ASSERT_EQ(d.surface.texts.size(), 3u);
    EXPECT_EQ(d.surface.texts[0].rect.TopLeft(), TPoint(1, 0));
    EXPECT_EQ(d.surface.texts[1].rect.TopLeft(), TPoint(1, 16));
    EXPECT_EQ(d.surface.texts[2].rect.TopLeft(), TPoint(1, 32));
    EXPECT_EQ(d.result.YSize, 3 * 16 + 2);

    d = Draw(QStringLiteral("abcdefghij"), TRect(0, 0, 20, 250));
    ASSERT_EQ(d.surface.texts.size(), 1u);
    EXPECT_EQ(d.result.YSize, 16 + 2);
    EXPECT_EQ(d.result.XSize, 80 + 2);
}

TEST(AdvSmoothHTML, LineSpacingOnlyBetweenLines)
{
    THTMLDrawOptions o;
    o.LineSpacing = 2;
    o.MeasureOnly = true;
    EXPECT_EQ(Draw(QStringLiteral("a<br>b"), TRect(0, 0, 500, 250), o).result.YSize, (16 + 2) + 16 + 2);
    EXPECT_EQ(Draw(QStringLiteral("a<br>b<br>"), TRect(0, 0, 500, 250), o).result.YSize, (16 + 2) + 16 + 2);
    // CR is a line break, LF is dropped.
    EXPECT_EQ(Draw(QStringLiteral("a\r\nb"), TRect(0, 0, 500, 250), o).result.YSize, (16 + 2) + 16 + 2);
}

TEST(AdvSmoothHTML, FontTagSizesFacesAndColours)
{
    struct Case
    {
        const char* text;
        int size;
        TColor color;
        const char* face;
    };
    const Case cases[] = {
        { "<FONT SIZE=\"1\">x</FONT>", 8, clBlack, "Tahoma" },
        { "<FONT SIZE=\"3\">x</FONT>", 12, clBlack, "Tahoma" },
        { "<FONT SIZE=\"5\">x</FONT>", 16, clBlack, "Tahoma" },
        { "<FONT SIZE=\"20\">x</FONT>", 20, clBlack, "Tahoma" },
        { "<font color=\"#FF0000\">x</font>", 8, clRed, "Tahoma" },
        { "<FONT COLOR=\"CLRED\">x</FONT>", 8, clRed, "Tahoma" },
        { "<font color=\"clNoSuch\">x</font>", 8, clBlack, "Tahoma" },
        { "<font face=\"Arial\" bgcolor=\"clYellow\">x</font>", 8, clBlack, "Arial" },
    };
    for (const auto& c : cases) {
        const auto d = Draw(QString::fromLatin1(c.text));
        ASSERT_EQ(d.surface.texts.size(), 1u) << c.text;
        EXPECT_EQ(d.surface.texts[0].size, c.size) << c.text;
        EXPECT_EQ(d.surface.texts[0].color, c.color) << c.text;
        EXPECT_EQ(d.surface.texts[0].face, QString::fromLatin1(c.face)) << c.text;
    }
    // The FONT background applies to its runs only.
    const auto d = Draw(QStringLiteral("<font bgcolor=\"#00FF00\">x</font>y"));
    ASSERT_EQ(d.surface.texts.size(), 2u);
    EXPECT_EQ(d.surface.texts[0].background, clLime);
    EXPECT_EQ(d.surface.texts[1].background, clNone);
}

TEST(AdvSmoothHTML, ColourValues)
{
    EXPECT_EQ(HTMLColor(QStringLiteral("#FF0000")), 0x0000FF);
    EXPECT_EQ(HTMLColor(QStringLiteral("clred")), 0x0000FF);
    EXPECT_EQ(HTMLColor(QStringLiteral("#123456")), 0x563412);
    EXPECT_EQ(HTMLColor(QStringLiteral("clInfoBk")), clInfoBk);
    EXPECT_EQ(HTMLColor(QStringLiteral("orange")), clBlack);
}

TEST(AdvSmoothHTML, StylesToggleOnAndOff)
{
    const auto d = Draw(QStringLiteral("<b><i><u><s>a</s></u></i></b>b"));
    ASSERT_EQ(d.surface.texts.size(), 2u);
    EXPECT_EQ(d.surface.texts[0].style, (TFontStyles { TFontStyle::fsBold, TFontStyle::fsItalic,
                                                       TFontStyle::fsUnderline, TFontStyle::fsStrikeOut }));
    EXPECT_TRUE(d.surface.texts[1].style.Empty());
}

TEST(AdvSmoothHTML, ParagraphAlignmentPlacesTheLine)
{
    // "ab" is 16 px wide; the working rectangle is 1..101.
    struct Case
    {
        const char* text;
        int left;
    };
    const Case cases[] = {
        { "<P align=\"left\">ab</P>", 1 },
        { "<P align=\"right\">ab</P>", 101 - 16 },
        { "<P align=\"center\">ab</P>", 1 + (100 - 16) / 2 },
        { "<P indent=\"10\">ab</P>", 11 },
    };
    for (const auto& c : cases) {
        const auto d = Draw(QString::fromLatin1(c.text), TRect(0, 0, 101, 100));
        ASSERT_EQ(d.surface.texts.size(), 1u) << c.text;
        EXPECT_EQ(d.surface.texts[0].rect.Left, c.left) << c.text;
    }
}

TEST(AdvSmoothHTML, DrawingStopsAtTheBottomButMeasuringDoesNot)
{
    const QString text = QStringLiteral("a<br>b<br>c<br>d");
    auto d = Draw(text, TRect(0, 0, 100, 40));
    ASSERT_EQ(d.surface.texts.size(), 2u); // the third line would start at 32 and end below 40
    THTMLDrawOptions o;
    o.MeasureOnly = true;
    d = Draw(text, TRect(0, 0, 100, 40), o);
    EXPECT_EQ(d.result.YSize, 4 * 16 + 2);
}

TEST(AdvSmoothHTML, AnchorsTakeTheUrlColourAndAnswerTheHitPoint)
{
    THTMLDrawOptions o;
    o.URLColor = clGreen;
    o.CheckAnchor = true;
    o.HitPoint = TPoint(20, 5);
    const auto d = Draw(QStringLiteral("x<a href=\"go\">link</a>y"), TRect(0, 0, 200, 100), o);
    ASSERT_EQ(d.surface.texts.size(), 3u);
    EXPECT_EQ(d.surface.texts[1].color, clGreen);
    EXPECT_TRUE(d.surface.texts[1].style.Contains(TFontStyle::fsUnderline));
    EXPECT_EQ(d.surface.texts[2].color, clBlack);
    EXPECT_FALSE(d.surface.texts[2].style.Contains(TFontStyle::fsUnderline));
    EXPECT_TRUE(d.hit);
    EXPECT_EQ(d.result.AnchorVal, QStringLiteral("go"));
    EXPECT_EQ(d.result.HyperLinks, 1);
}

TEST(AdvSmoothHTML, ShadowIsDrawnFirstAtTheOffset)
{
    THTMLDrawOptions o;
    o.ShadowOffset = 3;
    o.ShadowColor = clGray;
    const auto d = Draw(QStringLiteral("<shad>s</shad>"), TRect(0, 0, 100, 100), o);
    ASSERT_EQ(d.surface.texts.size(), 2u);
    EXPECT_EQ(d.surface.texts[0].color, clGray);
    EXPECT_EQ(d.surface.texts[0].rect.TopLeft(), TPoint(4, 3));
    EXPECT_EQ(d.surface.texts[1].rect.TopLeft(), TPoint(1, 0));
}

TEST(AdvSmoothHTML, ImagesTakeRoomOrAreSkipped)
{
    auto d = Draw(QStringLiteral("a<img src=\"IDX:1\">b<img src=\"IDX:7\">c"), TRect(0, 0, 200, 100));
    ASSERT_EQ(d.surface.shapes.size(), 1u);
    EXPECT_EQ(d.surface.shapes[0].rect, TRect(9, 0, 25, 16));
    ASSERT_EQ(d.surface.texts.size(), 3u);
    EXPECT_EQ(d.surface.texts[1].rect.Left, 25);
    EXPECT_EQ(d.surface.texts[2].rect.Left, 33); // the missing image takes no room

    d = Draw(QStringLiteral("<img src=\"LOGO\" width=\"20\" height=\"10\"><img src=\"logo\">"), TRect(0, 0, 200, 100));
    ASSERT_EQ(d.surface.shapes.size(), 2u);
    EXPECT_EQ(d.surface.shapes[0].rect, TRect(1, 0, 21, 10));
    EXPECT_EQ(d.surface.shapes[1].rect, TRect(21, 0, 61, 30));
    EXPECT_EQ(d.result.YSize, 30 + 2);
}

TEST(AdvSmoothHTML, BulletsAndListLevels)
{
    const auto d = Draw(QStringLiteral("<ul><li type=\"square\" color=\"clRed\">a<li type=\"circle\">b</ul>"),
                        TRect(0, 0, 200, 100));
    ASSERT_EQ(d.surface.shapes.size(), 2u);
    EXPECT_EQ(d.surface.shapes[0].kind, 'r');
    EXPECT_EQ(d.surface.shapes[0].color, clRed);
    EXPECT_EQ(d.surface.shapes[0].rect, TRect(1, 18, 9, 26)); // line 2: <UL> ended the first line
    EXPECT_EQ(d.surface.shapes[1].kind, 'e');
    EXPECT_EQ(d.surface.shapes[1].rect.Top, 34); // the second bullet starts its own line
    ASSERT_EQ(d.surface.texts.size(), 2u);
    EXPECT_EQ(d.surface.texts[0].rect.Left, 13);
}

TEST(AdvSmoothHTML, HiddenTextTakesNoRoom)
{
    const auto d = Draw(QStringLiteral("a<z>hidden</z>b"));
    ASSERT_EQ(d.surface.texts.size(), 2u);
    EXPECT_EQ(d.surface.texts[1].rect.Left, 9);
    EXPECT_EQ(d.result.StripVal, QStringLiteral("ab"));
}

TEST(AdvSmoothHTML, MalformedMarkupNeverFails)
{
    const char* texts[] = { "<", "<b", "a<", "<font color=>x", "<img src=>", "<p align=\"right", "<<<>>>", "</>" };
    for (const char* t : texts) {
        const auto d = Draw(QString::fromLatin1(t), TRect(0, 0, 50, 50));
        EXPECT_GE(d.result.YSize, 2) << t;
    }
}

} // namespace

