// The plot on paper, on the clipboard and as pictures: printing to PDF printers, the page scaling,
// multi-page X ranges, the dialog, the clipboard's contents and the save and preview hooks.

#include "PlotFileTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotOutputHooks.h"
#include "plot/iPlotPrintLayout.h"
#include "plot/iPlotToolBar.h"
#include "plot/iXYPlot.h"

#include "platform/images/PngCodec.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPrinter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vcl;

namespace {

using ptest::MessageOf;
using ptest::ReadAll;

// The first page's paper box in points.
QString PdfMediaBox(const QByteArray& Pdf)
{
    const auto match = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]")).match(QString::fromLatin1(Pdf));
    return match.hasMatch() ? match.captured(1).simplified() : QString();
}

// The document's title from its information dictionary: a literal string, UTF-16 after a
// byte-order mark or plain 8-bit text.
QString PdfTitle(const QByteArray& Pdf)
{
    const qsizetype at = Pdf.indexOf("/Title (");
    if (at < 0)
        return QString();
    const qsizetype from = at + 8;
    const QByteArray raw = Pdf.mid(from, Pdf.indexOf(')', from) - from);
    if (!raw.startsWith("\xFE\xFF"))
        return QString::fromLatin1(raw);
    QString title;
    for (qsizetype i = 2; i + 1 < raw.size(); i += 2)
        title += QChar(char16_t((uchar(raw[i]) << 8) | uchar(raw[i + 1])));
    return title;
}

// The box of the first path drawn on the first page, in the printer's pixels: the page's content
// stream (zlib-packed) starts with the scale from pixels to points, then the plot's background.
QRectF PdfFirstPathBox(const QByteArray& Pdf)
{
    for (qsizetype at = Pdf.indexOf("stream\n"); at >= 0; at = Pdf.indexOf("stream\n", at + 1)) {
        const qsizetype from = at + 7;
        const qsizetype to = Pdf.indexOf("endstream", from);
        if (to < 0)
            break;
        QByteArray packed = Pdf.mid(from, to - from);
        packed.prepend(QByteArray("\0\x10\0\0", 4)); // qUncompress's size hint
        const QString content = QString::fromLatin1(qUncompress(packed));
        if (!content.contains(QStringLiteral(" cm\n")))
            continue;
        const QString number = QStringLiteral("(-?[0-9.]+)");
        const auto move = QRegularExpression(number + QStringLiteral(" ") + number + QStringLiteral(" m\n")).match(content);
        if (!move.hasMatch())
            return QRectF();
        double left = move.captured(1).toDouble(), right = left;
        double top = move.captured(2).toDouble(), bottom = top;
        const QRegularExpression line(QStringLiteral("^") + number + QStringLiteral(" ") + number + QStringLiteral(" l$"),
                                      QRegularExpression::MultilineOption);
        auto lines = line.globalMatch(content.mid(move.capturedEnd()));
        for (int corner = 0; corner < 3 && lines.hasNext(); ++corner) {
            const auto l = lines.next();
            left = std::min(left, l.captured(1).toDouble());
            right = std::max(right, l.captured(1).toDouble());
            top = std::min(top, l.captured(2).toDouble());
            bottom = std::max(bottom, l.captured(2).toDouble());
        }
        return QRectF(left, top, right - left, bottom - top);
    }
    return QRectF();
}

int PdfPageCount(const QByteArray& Pdf)
{
    return static_cast<int>(QString::fromLatin1(Pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class PlotPrintingTest : public ptest::PlotFileTest
{
protected:
    void SetUp() override
    {
        ptest::PlotFileTest::SetUp();
        form->SetBounds(0, 0, 800, 600);
        plot->SetBounds(0, 0, 400, 300);
        plot->SetPrintShowDialog(false);
        plot->XAxis(0)->SetMin(0);
        plot->XAxis(0)->SetSpan(10);
        printers = std::make_unique<TPrinterSeam>(std::vector<TPrinterTarget> {
            { QStringLiteral("Office Laser"), Path("laser.pdf"), 300, QPageSize::Letter, QMarginsF(0.25, 0.2, 0.25, 0.2) },
            { QStringLiteral("Plotter"), Path("plotter.pdf"), 150, QPageSize::A4, QMarginsF() },
        });
    }
    void TearDown() override
    {
        printers.reset();
        TiPlotOutputHooks::ShowPreview = nullptr;
        ptest::PlotFileTest::TearDown();
    }

    std::unique_ptr<TPrinterSeam> printers;
};

TEST(PlotPrintScaling, PlotKeepsItsProportionsInsideTheMargins)
{
    TiPrintPageGeometry page;
    page.PaperWidthPixels = 2550;
    page.PaperHeightPixels = 3300;
    page.DpiX = page.DpiY = 300;
    EXPECT_DOUBLE_EQ(iPrintScale(page, 400, 300), 4.875);
    EXPECT_EQ(iPrintPageRect(page, 400, 300), TRect(300, 300, 2250, 1762)); // 1762.5 rounds to even
    page.OffsetX = 75;
    page.OffsetY = 60;
    EXPECT_EQ(iPrintPageRect(page, 400, 300), TRect(225, 240, 2175, 1702)); // 1702.5 rounds to even
    // A tall plot is limited by the height.
    EXPECT_DOUBLE_EQ(iPrintScale(page, 100, 900), 3.0);
}

TEST_F(PlotPrintingTest, PrintsOnePageOnThePrinterNamedWithThePagesGeometry)
{
    plot->SetPrinterName(QStringLiteral("  office LASER "));
    plot->SetPrintDocumentName(QStringLiteral("Gate curve"));
    int before = 0, after = 0;
    plot->OnBeforePrint = [&](TObject*) { ++before; };
    plot->OnAfterPrint = [&](TObject*) { ++after; };
    plot->PrintChart();
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    const QByteArray pdf = ReadAll(Path("laser.pdf"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_EQ(PdfMediaBox(pdf), QStringLiteral("0 0 792.000000 612.000000")); // landscape letter, in points
    EXPECT_EQ(PdfTitle(pdf), QStringLiteral("Gate curve"));
    // The 400 x 300 plot fills the height inside the 1-inch margins: scale (2550 - 600) / 300 = 6.5,
    // 300 pixels from the paper's left edge (less the 75 it cannot print on) and from its top (less
    // 60, which the PDF engine rounds to whole points: 58).
    const QRectF drawn = PdfFirstPathBox(pdf);
    EXPECT_EQ(drawn.left(), 225.0);
    EXPECT_NEAR(drawn.top(), 240.0, 2.0);
    EXPECT_EQ(drawn.width(), 400 * 6.5);
    EXPECT_EQ(drawn.height(), 300 * 6.5);
    EXPECT_FALSE(QFile::exists(Path("plotter.pdf")));
    EXPECT_DOUBLE_EQ(plot->PrinterPaperWidthInches(), 11.0);
    EXPECT_DOUBLE_EQ(plot->PrinterPaperHeightInches(), 8.5);
    EXPECT_DOUBLE_EQ(plot->PrinterPaperWidthCentimeters(), 27.94);
    EXPECT_EQ(plot->PrinterPaperWidthPixels(), 3300);
    EXPECT_EQ(plot->PrinterPaperHeightPixels(), 2550);
    EXPECT_EQ(Printer()->PhysicalOffsetX(), 75); // 0.25 inch at 300 dpi
    EXPECT_FALSE(Printer()->Printing());

    plot->SetPrinterName(QStringLiteral("Plotter"));
    plot->SetPrintOrientation(TPrinterOrientation::poPortrait);
    plot->PrintChart();
    EXPECT_EQ(PdfPageCount(ReadAll(Path("plotter.pdf"))), 1);
    EXPECT_EQ(plot->PrinterPaperWidthPixels(), 1240); // A4 at 150 dpi
}

TEST_F(PlotPrintingTest, WideXRangeGoesOnAsARowOfPagesAndComesBack)
{
    plot->OnBeforePrint = [&](TObject*) {
        plot->SetPrintXStop(35);
        plot->PrintSizeToFillPage();
        plot->SetOuterMarginLeft(40);
    };
    std::vector<std::pair<double, bool>> pages;
    std::vector<int> indexes;
    plot->OnBeforePrintPage = [&](TObject*, int index, bool last) {
        indexes.push_back(index);
        pages.emplace_back(plot->XAxis(0)->Min(), last);
    };
    plot->PrintChart();
    EXPECT_EQ(indexes, (std::vector<int> { 1, 2, 3, 4 }));
    EXPECT_EQ(pages, (std::vector<std::pair<double, bool>> { { 0, false }, { 10, false }, { 20, false }, { 30, true } }));
    EXPECT_EQ(PdfPageCount(ReadAll(Path("laser.pdf"))), 4);
    EXPECT_EQ(plot->XAxis(0)->Min(), 0.0);
    EXPECT_EQ(plot->XAxis(0)->Span(), 10.0);
    EXPECT_EQ(plot->Height(), 300);
    EXPECT_EQ(plot->OuterMarginLeft(), 5);
    EXPECT_TRUE(plot->ToolBar(0)->Visible());

    // After a print the paper's proportions are known: landscape letter, 11 x 8.5.
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Height(), 309);
}

TEST_F(PlotPrintingTest, CancelledDialogPrintsNothingAndSizeToPageWaitsForPaper)
{
    plot->PrintSizeToFillPage(); // no print yet: no paper to divide by
    EXPECT_EQ(plot->Height(), 300);

    plot->SetPrintShowDialog(true);
    int asked = 0, events = 0;
    TPrintDialogSeam dialog([&](TPrinter&) {
        ++asked;
        return false;
    });
    plot->OnBeforePrint = [&](TObject*) { ++events; };
    plot->OnAfterPrint = [&](TObject*) { ++events; };
    plot->PrintChart();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(events, 0);
    EXPECT_FALSE(QFile::exists(Path("laser.pdf")));
}

TEST_F(PlotPrintingTest, FailuresArePrefixedAndTheSettingsRestored)
{
    plot->OnBeforePrint = [&](TObject*) {
        plot->SetHeight(50);
        throw Exception(QStringLiteral("paper jam"));
    };
    EXPECT_EQ(MessageOf([&] { plot->PrintChart(); }), QStringLiteral("Error Printing : paper jam"));
    EXPECT_EQ(plot->Height(), 300);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(plot->UpdateActive());
}

TEST_F(PlotPrintingTest, MinutesPerMillimetreSetsTheSpanFromTheAxisLength)
{
    plot->SetPrintOrientation(TPrinterOrientation::poPortrait);
    plot->PrintChart(); // portrait letter: 11 inches high, 1-inch margins
    // A plot 400 pixels high whose X axis the layout makes 500 pixels long.
    plot->SetHeight(400);
    auto axisLength = [&] {
        plot->ReCalcLayout();
        return std::abs(plot->XAxis(0)->MaxPixels() - plot->XAxis(0)->MinPixels());
    };
    plot->SetWidth(plot->Width() + 500 - axisLength());
    ASSERT_EQ(axisLength(), 500);
    plot->PrintAdjustXSpanToMinutesPerMillimeter(1);
    // 500 x (9 / 400) x 25.4 / 1440 days: one printed millimetre is one minute.
    EXPECT_NEAR(plot->XAxis(0)->Span() * 1440, 285.75, 1e-9);
}

TEST_F(PlotPrintingTest, ClipboardGetsThePlotInTheChosenForm)
{
    plot->SetCopyToClipBoardFormat(TiPlotExportFormat::ipefBitmap);
    plot->CopyToClipBoard();
    EXPECT_EQ(Clipboard()->Image().size(), QSize(400, 300));
    EXPECT_TRUE(plot->ToolBar(0)->Visible());
    EXPECT_FALSE(plot->UpdateActive());

    plot->SetCopyToClipBoardFormat(TiPlotExportFormat::ipefMetaFile);
    plot->CopyToClipBoard();
    const QByteArray svg = Clipboard()->Data(kSvgMimeType);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 400 300\""));
    EXPECT_TRUE(svg.contains("<desc>Strip Chart</desc>"));
    EXPECT_EQ(Clipboard()->Image().size(), QSize(400, 300));

    plot->SetCopyToClipBoardFormat(TiPlotExportFormat::ipefJPEG);
    plot->CopyToClipBoard();
    EXPECT_TRUE(Clipboard()->Data(kJpegMimeType).startsWith("\xFF\xD8"));
    EXPECT_EQ(Clipboard()->Image().size(), QSize(400, 300));
}

TEST_F(PlotPrintingTest, SnapshotAndSaveAndPreviewGoThroughTheirHooks)
{
    TMetafile* snapshot = plot->GetSnapShotPicture();
    EXPECT_EQ(snapshot->Width(), 400);
    EXPECT_EQ(snapshot->Description(), QStringLiteral("iPlot"));
    EXPECT_EQ(plot->GetSnapShotPicture(), snapshot);

    EXPECT_EQ(MessageOf([&] { plot->PreviewChart(); }), QStringLiteral("The print preview is not available"));

    // Save keeps one dialog: the default folder is offered on its first use only.
    std::optional<QString> answer;
    QList<TFileDialogRequest> asked;
    TFileDialogSeam seam([&](const TFileDialogRequest& request) {
        asked << request;
        return answer;
    });
    plot->SetDefaultSaveImageDirectory(dir.path());
    plot->SetDefaultSaveImageFormat(TiPlotImageFormatStyle::ipifPNG);
    plot->Save(); // cancelled: nothing saved
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].FilterIndex, 4);
    EXPECT_EQ(asked[0].FileName, QStringLiteral("Untitled"));
    EXPECT_EQ(asked[0].InitialDir, dir.path());
    EXPECT_TRUE(asked[0].Filter.startsWith(QStringLiteral("Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|")));
    answer = Path("plot"); // the dialog adds the chosen format's extension
    plot->Save();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1].InitialDir, QStringLiteral("."));
    EXPECT_EQ(asked[1].FileName, QStringLiteral("Untitled"));
    EXPECT_EQ(PngCodec::Decode(ReadAll(Path("plot.png"))).size(), QSize(400, 300));
    plot->SetDefaultSaveImageFormat(TiPlotImageFormatStyle::ipifBitmap);
    answer = Path("picture");
    plot->Save();
    EXPECT_EQ(asked[2].FilterIndex, 1);
    EXPECT_TRUE(QFile::exists(Path("picture.bmp")));
    EXPECT_FALSE(QFile::exists(Path("picture")));

    int previews = 0;
    TiPlotOutputHooks::ShowPreview = [&](TiPlotComponent& shown) { previews += &shown == plot; };
    plot->PreviewChart();
    EXPECT_EQ(previews, 1);
}

} // namespace
