// The print preview: where the page and the picture land, the toolbar hidden only while the page
// is drawn, and the settings dialog answered as a user answers it.

#include "PlotTestSupport.h"

#include "plot/iPlotOutputForms.h"
#include "plot/iPlotPrintPreview.h"
#include "plot/iPlotToolBar.h"
#include "plot/iXYPlot.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

TEST(PreviewPageTest, PageFitsTheBoxAndKeepsThePapersShape)
{
    // Letter portrait in 500 x 300: height-bound.
    const TiPreviewPage letter =
        iPreviewPageGeometry(500, 300, 0, TPrinterOrientation::poPortrait, 1, 1, 1, 1, 400, 300);
    EXPECT_EQ(letter.Page.Height(), 280);
    EXPECT_EQ(letter.Page.Width(), 216);
    EXPECT_EQ(letter.PixelsPerInch, 25);
    EXPECT_EQ(letter.Page, TRect(250 - 108 - 5, 150 - 140 - 5, 250 + 108 - 5, 150 + 140 - 5));
    EXPECT_EQ(letter.Shadow, TRect(letter.Page.Left + 7, letter.Page.Top + 7, letter.Page.Right + 7, letter.Page.Bottom + 7));
    EXPECT_EQ(letter.PrintableWidth, 216 - 50);
    EXPECT_EQ(letter.PrintableHeight, 280 - 50);
    // A 4:3 picture in 166 x 230 is width-bound (124.5 rounds to even), placed at the margins.
    EXPECT_EQ(letter.Picture, TRect(letter.Page.Left + 25, letter.Page.Top + 25, letter.Page.Left + 25 + 166,
                                    letter.Page.Top + 25 + 124));

    // An unknown paper is Letter.
    EXPECT_EQ(iPreviewPageGeometry(500, 300, 9, TPrinterOrientation::poPortrait, 1, 1, 1, 1, 400, 300).Page, letter.Page);

    // A4 landscape (11.69 x 8.27 once exchanged) in 500 x 300: height-bound, wider than high.
    const TiPreviewPage a4 = iPreviewPageGeometry(500, 300, 3, TPrinterOrientation::poLandscape, 0, 0, 0, 0, 400, 300);
    EXPECT_EQ(a4.Page.Height(), 280);
    EXPECT_EQ(a4.Page.Width(), 396);
}

class PlotPrintPreviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 400, 300);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 400, 300);
        preview = new TiPlotPreviewForm(nullptr);
        preview->SetBounds(0, 0, 500, 341);
        preview->Fill(plot);
    }
    void TearDown() override
    {
        delete preview;
        delete form;
        TiPlotOutputHooks::ShowPreview = nullptr;
    }
    // Answers the settings dialog once it shows: the left margin typed in, then OK or Cancel clicked.
    void AnswerSettings(bool ok)
    {
        QTimer::singleShot(0, [ok] {
            auto* settings = dynamic_cast<TiPlotPreviewSettingsForm*>(QApplication::activeModalWidget());
            ASSERT_NE(settings, nullptr);
            settings->PrintMarginLeftEdit->SetFocus();
            settings->PrintMarginLeftEdit->SelectAll();
            for (const char c : { '0', '.', '5' })
                QTest::keyClick(settings->windowHandle(), c);
            TButton* button = ok ? settings->OkButton : settings->CancelButton;
            QTest::mouseClick(settings->windowHandle(), Qt::LeftButton, {}, QPoint(button->Left() + 5, button->Top() + 5));
        });
    }

    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    TiPlotPreviewForm* preview { nullptr };
};

TEST_F(PlotPrintPreviewTest, PaintHidesTheToolBarOnlyWhileThePageIsDrawn)
{
    EXPECT_EQ(preview->Caption(), plot->PrintDocumentName() + " (Preview)");
    plot->AddToolBar();
    ASSERT_TRUE(plot->ToolBar(0)->Visible());
    bool hiddenWhileDrawn = false;
    plot->OnBeforePrint = [&](TObject*) { hiddenWhileDrawn = !plot->ToolBar(0)->Visible(); };
    preview->Show();
    ptest::Settle();
    const QImage shown = preview->Preview->grab().toImage();
    // Kept for a person to look at when ZQ9_ARTIFACT_DIR names a folder.
    if (const QByteArray dir = qgetenv("ZQ9_ARTIFACT_DIR"); !dir.isEmpty())
        preview->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/plot-print-preview.png"));
    EXPECT_TRUE(hiddenWhileDrawn);
    EXPECT_TRUE(plot->ToolBar(0)->Visible());
    const TiPreviewPage page = iPreviewPageGeometry(preview->Preview->Width(), preview->Preview->Height(), 0,
                                                    plot->PrintOrientation(), 1, 1, 1, 1, 400, 300);
    EXPECT_EQ(shown.pixelColor(page.Page.Left + 2, page.Page.Top + 2), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(page.Shadow.Right - 2, page.Shadow.Bottom - 2), QColor(Qt::black));
}

TEST_F(PlotPrintPreviewTest, PaintsAPlotWithoutAToolBar)
{
    while (plot->ToolBarCount() > 0)
        plot->DeleteToolBar(0);
    preview->Show();
    ptest::Settle();
    EXPECT_FALSE(preview->Preview->grab().toImage().isNull());
}

TEST_F(PlotPrintPreviewTest, SettingsOkChangesThePlotAndCancelLeavesIt)
{
    const double before = plot->PrintMarginLeft();
    preview->Show();
    ptest::Settle();
    AnswerSettings(false);
    preview->SettingsButtonClick();
    EXPECT_DOUBLE_EQ(plot->PrintMarginLeft(), before);

    AnswerSettings(true);
    preview->SettingsButtonClick();
    EXPECT_DOUBLE_EQ(plot->PrintMarginLeft(), 0.5);
    EXPECT_DOUBLE_EQ(preview->PrintMarginLeft, 0.5);
}

TEST_F(PlotPrintPreviewTest, PreviewChartShowsThePreviewUntilClosed)
{
    iInstallPlotOutputForms();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* opened = dynamic_cast<TiPlotPreviewForm*>(QApplication::activeModalWidget());
        ASSERT_NE(opened, nullptr);
        shown = opened->iComponent == plot;
        TButton* close = opened->CloseButton;
        QTest::mouseClick(opened->windowHandle(), Qt::LeftButton, {},
                          QPoint(close->Left() + 5, close->Top() + 5));
    });
    plot->PreviewChart();
    EXPECT_TRUE(shown);
}

} // namespace
