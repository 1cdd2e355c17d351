// Font face mapping to the Debian fonts, point sizes at 96 DPI, change notices and text measures.

#include "platform/ui/CanvasTestSupport.h"

#include "platform/ui/TFont.h"
#include "platform/ui/TextMetrics.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <functional>

using namespace vcl;

TEST(FontMapping, WindowsFacesMapToDebianFamilies)
{
    struct MapCase
    {
        const char* windows;
        const char* debian;
    };
    const MapCase cases[] = {
        { "Arial", "Liberation Sans" },
        { "ARIAL", "Liberation Sans" },
        { "Times New Roman", "Liberation Serif" },
        { "Courier New", "Liberation Mono" },
        { "Tahoma", "DejaVu Sans" },
        { "Verdana", "DejaVu Sans" },
        { "MS Sans Serif", "DejaVu Sans" },
        { "宋体", "WenQuanYi Micro Hei" },
        { "SimSun", "WenQuanYi Micro Hei" },
        { "微软雅黑", "WenQuanYi Micro Hei" },
        { "Liberation Sans", "Liberation Sans" },
        { "Some Unknown Face", "Some Unknown Face" },
    };
    for (const MapCase& mc : cases)
        EXPECT_EQ(DebianFontFamily(QString::fromUtf8(mc.windows)), QString::fromUtf8(mc.debian)) << mc.windows;
}

TEST(FontMapping, QtFontResolvesToTheInstalledFamily)
{
    canvastest::EnsureGuiApp();
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    EXPECT_EQ(font.Name(), QStringLiteral("Arial")) << "the program keeps seeing its own face name";
    EXPECT_EQ(QFontInfo(font.QtFont()).family(), QStringLiteral("Liberation Sans"));
    font.SetName(QStringLiteral("Tahoma"));
    EXPECT_EQ(QFontInfo(font.QtFont()).family(), QStringLiteral("DejaVu Sans"));
}

TEST(FontSize, PointsAndHeightAt96Dpi)
{
    struct SizeCase
    {
        int size;
        int height;
    };
    for (const SizeCase sc : { SizeCase { 8, -11 }, SizeCase { 9, -12 }, SizeCase { 11, -15 }, SizeCase { 60, -80 },
                               SizeCase { 10, -13 } }) {
        TFont font;
        font.SetSize(sc.size);
        EXPECT_EQ(font.Height(), sc.height) << sc.size;
        EXPECT_EQ(font.Size(), sc.size) << sc.size;
        EXPECT_EQ(font.QtFont().pixelSize(), -sc.height) << sc.size;
    }
    TFont font;
    EXPECT_EQ(font.Size(), 8) << "default";
    EXPECT_EQ(font.Name(), QStringLiteral("Tahoma"));
}

TEST(FontChange, OnChangeFiresOnRealChangesAndAssignCopies)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(8); // unchanged
    font.SetColor(clRed);
    font.SetStyle(TFontStyles { TFontStyle::fsBold, TFontStyle::fsItalic });
    font.SetName(QString()); // an empty face is ignored
    EXPECT_EQ(changes, 2);

    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_TRUE(copy.Style().Contains(TFontStyle::fsBold));
    EXPECT_TRUE(copy.QtFont().italic());
    EXPECT_EQ(copy.QtFont().styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
}

// fontconfig keeps its configuration for the life of the process and never frees it; Qt does not
// call FcFini. That is not ours to fix, so the leak checker is told to ignore that library.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

TEST(TextMetrics, KeptMeasuresFollowEveryFontChange)
{
    canvastest::EnsureGuiApp();
    // One metrics object measures the same texts while the font changes under it; each answer must be
    // what Qt measures for the font as it is then, the second time as the first.
    const TQtTextMetrics metrics;
    TFont font;
    const auto fresh = [&font](const QString& text) {
        const QFontMetrics m(font.QtFont());
        return TSize { m.horizontalAdvance(text), m.ascent() + m.descent() };
    };
    const std::function<void()> changes[] = {
        [] {},
        [&font] { font.SetHeight(-20); },
        [&font] { font.SetHeight(18); },
        [&font] { font.SetStyle(TFontStyles { TFontStyle::fsBold }); },
        [&font] { font.SetStyle(TFontStyles { TFontStyle::fsItalic }); },
        [&font] { font.SetName(QStringLiteral("Courier New")); },
        [&font] { font.SetColor(clRed); },
    };
    for (const auto& change : changes) {
        change();
        for (int round = 0; round < 2; ++round)
            for (const QString& text : { QStringLiteral("1"), QStringLiteral("WWW"), QStringLiteral("HPF"), QString() })
                ASSERT_EQ(metrics.TextExtent(font, text), fresh(text))
                    << font.Name().toStdString() << " " << font.Height() << " " << text.toStdString();
    }
}
