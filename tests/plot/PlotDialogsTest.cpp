// The library's dialogs over the layer's seams: owner rules, the request they make, multiple
// selection, extension completion on save, and the plot's Save going through the save dialog.

#include "PlotTestSupport.h"

#include "plot/iPlotDialogs.h"
#include "plot/iPlotOutputForms.h"
#include "plot/iXYPlot.h"

#include "platform/core/Exception.h"
#include "platform/ui/ColorFontDialogs.h"
#include "platform/ui/TOpenDialog.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace vcl;

namespace {

const QString kTextFilter = QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*");

TEST(SaveExtensionTest, ChosenPatternsExtensionIsAddedUnlessTheNameHasIt)
{
    struct Case
    {
        const char* typed;
        int filterIndex;
        const char* saved;
    };
    for (const Case c : { Case { "data", 1, "data.txt" }, Case { "data.txt", 1, "data.txt" },
                          Case { "data.csv", 1, "data.csv.txt" }, Case { "data", 2, "data" }, Case { "data", 3, "data" },
                          Case { "data", 0, "data" }, Case { "/home/u/v1.2/data", 1, "/home/u/v1.2/data.txt" } }) {
        EXPECT_EQ(iCompleteSaveExtension(QString::fromLatin1(c.typed), kTextFilter, c.filterIndex),
                  QString::fromLatin1(c.saved))
            << c.typed << " with filter " << c.filterIndex;
    }
    EXPECT_EQ(iCompleteSaveExtension(QStringLiteral("data"), QString(), 1), "data");
    EXPECT_EQ(iFilterPatterns(kTextFilter), QStringList({ "*.txt", "*.*" }));
}

TEST(MultiSelectionTest, FolderAndNamesBecomeFullPaths)
{
    EXPECT_EQ(iParseMultiSelection({ "/data/run1.txt" }), QStringList({ "/data/run1.txt" }));
    EXPECT_EQ(iParseMultiSelection({ "/data", "a.txt", "b.txt" }), QStringList({ "/data/a.txt", "/data/b.txt" }));
    EXPECT_EQ(iParseMultiSelection({ "/data/", "a.txt", "/other/b.txt" }),
              QStringList({ "/data/a.txt", "/other/b.txt" }));
    EXPECT_TRUE(iParseMultiSelection({}).isEmpty());
}

class PlotDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override
    {
        delete form;
    }
    // Answers every file dialog with `answer`, keeping what was asked.
    TFileDialogSeam Answer(std::optional<QString> answer)
    {
        return TFileDialogSeam([this, answer](const TFileDialogRequest& request) {
            asked = request;
            ++shown;
            return answer;
        });
    }

    TForm* form { nullptr };
    TFileDialogRequest asked;
    int shown { 0 };
};

TEST_F(PlotDialogsTest, OpenWithMultipleSelectionFillsFilesWithFullPaths)
{
    TiOpenDialog dialog(form);
    dialog.SetAllowMultiSelect(true);
    dialog.SetFileMustExist(true);
    dialog.SetFilter(kTextFilter);
    dialog.Files()->Add(QStringLiteral("stale"));
    auto seam = Answer(QStringLiteral("/data") + QChar(u'\0') + "a.txt" + QChar(u'\0') + "b.txt" + QChar(u'\0'));
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Files()->Count(), 2);
    EXPECT_EQ(dialog.Files()->Strings(0), "/data/a.txt");
    EXPECT_EQ(dialog.Files()->Strings(1), "/data/b.txt");
    EXPECT_EQ(dialog.FileName(), "/data/a.txt");
    EXPECT_EQ(asked.InitialDir, ".");
    EXPECT_EQ(asked.FilterIndex, 1);
    EXPECT_TRUE(asked.Options.Contains(TOpenOption::ofFileMustExist));
    EXPECT_TRUE(asked.Options.Contains(TOpenOption::ofAllowMultiSelect));
    EXPECT_TRUE(asked.Options.Contains(TOpenOption::ofPathMustExist));
}

TEST_F(PlotDialogsTest, FileDialogsWithoutAnOwningFormShowNothing)
{
    auto seam = Answer(QStringLiteral("/data/a.txt"));
    TiOpenDialog open(nullptr);
    TiSaveDialog save(nullptr);
    EXPECT_FALSE(open.Execute());
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(shown, 0);
}

TEST_F(PlotDialogsTest, SaveCompletesTheExtensionAndCancelChangesNothing)
{
    TiSaveDialog dialog(form);
    dialog.SetFilter(kTextFilter);
    dialog.SetDefaultDir(QStringLiteral("/data"));
    dialog.SetFileName(QString(300, QLatin1Char('x')));
    {
        auto seam = Answer(QStringLiteral("/data/run"));
        ASSERT_TRUE(dialog.Execute());
    }
    EXPECT_EQ(dialog.FileName(), "/data/run.txt");
    EXPECT_EQ(dialog.ReturnExt(), ".txt");
    EXPECT_EQ(asked.InitialDir, "/data");
    EXPECT_EQ(asked.FileName.size(), 260);
    EXPECT_TRUE(asked.Save);
    EXPECT_TRUE(asked.Options.Contains(TOpenOption::ofOverwritePrompt));

    auto seam = Answer(std::nullopt);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/data/run.txt");
}

TEST_F(PlotDialogsTest, ColourAndFontDialogsNeedAWindowedOwner)
{
    TComponent plain(nullptr);
    TiColorDialog orphanColour(&plain);
    TiFontDialog orphanFont(&plain);
    EXPECT_THROW(orphanColour.Execute(), EInvalidCast);
    EXPECT_THROW(orphanFont.Execute(), EInvalidCast);

    TiColorDialog colour(form);
    colour.SetColor(clBtnFace);
    std::optional<TColor> offered;
    {
        TColorDialogSeam seam([&](TColor initial) -> std::optional<TColor> {
            offered = initial;
            return std::nullopt;
        });
        EXPECT_FALSE(colour.Execute());
    }
    EXPECT_EQ(offered, ColorToRGB(clBtnFace));
    EXPECT_EQ(colour.Color(), clBtnFace);
    TColorDialogSeam seam([](TColor) { return std::optional<TColor>(0x00336699); });
    EXPECT_TRUE(colour.Execute());
    EXPECT_EQ(colour.Color(), TColor(0x00336699));
}

TEST_F(PlotDialogsTest, FontDialogTakesFaceSizeStyleAndColour)
{
    TiFontDialog dialog(form);
    dialog.Font()->SetName(QStringLiteral("Arial"));
    TFontDialogSeam seam([](TFont& font) {
        font.SetName(QStringLiteral("Courier New"));
        font.SetHeight(-16);
        font.SetStyle(TFontStyles { TFontStyle::fsBold, TFontStyle::fsItalic });
        font.SetColor(clRed);
        return true;
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Name(), "Courier New");
    EXPECT_EQ(dialog.Font()->Height(), -16);
    EXPECT_TRUE(dialog.Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_TRUE(dialog.Font()->Style().Contains(TFontStyle::fsItalic));
    EXPECT_EQ(dialog.Font()->Color(), clRed);
}

TEST_F(PlotDialogsTest, PlotSaveAsksThroughTheSaveDialogAndWritesTheChosenFormat)
{
    QTemporaryDir dir;
    auto* plot = new TiXYPlot(form);
    plot->SetParent(form);
    plot->SetBounds(0, 0, 200, 150);
    iInstallPlotOutputForms();
    plot->SetDefaultSaveImageFormat(TiPlotImageFormatStyle::ipifPNG);
    auto seam = Answer(dir.filePath(QStringLiteral("curve")));
    plot->Save();
    EXPECT_EQ(asked.FilterIndex, 4);
    EXPECT_EQ(asked.FileName, "Untitled");
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("curve.png"))));
}

} // namespace
