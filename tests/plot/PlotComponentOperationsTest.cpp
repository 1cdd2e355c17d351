// The plot's public operations on its channels, axes and picture lists, what a channel keeps of a
// data-cursor reading, the axis's extra stored values, and the page and printer routines printing
// relies on.

#include "PlotTestSupport.h"

#include "plot/iGPGeometry.h"
#include "plot/iPlot.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotTranslation.h"
#include "plot/iXYPlot.h"

#include "platform/core/TReader.h"
#include "platform/core/TStream.h"
#include "platform/core/TWriter.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/TPrinter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class PlotOperationsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override { delete form; }

    static std::unique_ptr<TBitmap> Bitmap(int W, int H, TColor Fill, TColor Corner)
    {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(W, H);
        QImage image(W, H, QImage::Format_ARGB32);
        image.fill(ToQColor(Fill));
        image.setPixel(0, H - 1, ToQColor(Corner).rgb()); // the transparent colour is read here
        bitmap->SetImage(image);
        return bitmap;
    }

    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
};

TEST_F(PlotOperationsTest, TransferChannelDataCopiesTheRangeWithItsFlagsOrRaisesFirst)
{
    TiPlotChannelCustom* source = plot->Channel(0);
    for (int i = 0; i < 5; ++i)
        source->AddXY(i, i * 10);
    source->SetNull(2, true);
    source->SetEmpty(3, true);
    TiPlotChannelCustom* target = plot->Channel(plot->AddChannel());
    target->AddXY(-1, -1);

    plot->TransferChannelData(0, 1, 1, 3);
    ASSERT_EQ(target->Count(), 4);
    struct Point
    {
        double x, y;
        bool null, empty;
    };
    const Point expected[] = { { -1, -1, false, false }, { 1, 10, false, false }, { 2, 20, true, false },
                               { 3, 30, false, true } };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(target->GetX(i), expected[i].x) << i;
        EXPECT_EQ(target->GetY(i), expected[i].y) << i;
        EXPECT_EQ(target->GetNull(i), expected[i].null) << i;
        EXPECT_EQ(target->GetEmpty(i), expected[i].empty) << i;
    }

    struct Case
    {
        int start, stop;
        const char* message;
    };
    const Case cases[] = {
        { 3, 2, "<no exception>" }, // an empty range copies nothing
        { -1, 2, "Start Index Must be 0 or Greater" },
        { 0, 5, "StopIndex Must Out Of Range" }, // the point count is one past the last point
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ptest::MessageOf([&] { plot->TransferChannelData(0, 1, c.start, c.stop); }),
                  QString::fromLatin1(c.message))
            << c.start << ".." << c.stop;
        EXPECT_EQ(target->Count(), 4) << "nothing copied";
    }
}

TEST_F(PlotOperationsTest, ImagesJoinAListBySizeRulesWithTheirTransparentColourSeeThrough)
{
    TImageList* list = plot->ImageList(0);
    ASSERT_EQ(list->Count(), 0);
    // An empty list takes the first picture's size.
    plot->ImageListAdd(0, Bitmap(24, 24, clRed, clWhite).get());
    EXPECT_EQ(list->Width(), 24);
    EXPECT_EQ(list->Height(), 24);
    EXPECT_EQ(qAlpha(list->Image(0).pixel(0, 23)), 0) << "the transparent colour is see-through";
    EXPECT_EQ(list->Image(0).pixelColor(5, 5), QColor(Qt::red));

    const QString sizeMessage =
        QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger");
    struct Case
    {
        int w, h;
        int added; // pictures added, -1: refused
    };
    const Case cases[] = {
        { 16, 16, 1 },  // centred on a list-sized picture
        { 16, 32, -1 }, // smaller one way, larger the other
        { 24, 16, 1 },  // one side equal
        { 48, 30, 2 },  // larger both ways: cut into list-sized pictures
    };
    for (const Case& c : cases) {
        const int before = list->Count();
        const auto bitmap = Bitmap(c.w, c.h, clBlue, clLime);
        const QString message = ptest::MessageOf([&] { plot->ImageListAdd(0, bitmap.get()); });
        if (c.added < 0) {
            EXPECT_EQ(message, sizeMessage) << c.w << "x" << c.h;
            EXPECT_EQ(list->Count(), before);
        } else {
            EXPECT_EQ(message, "<no exception>") << c.w << "x" << c.h;
            EXPECT_EQ(list->Count(), before + c.added) << c.w << "x" << c.h;
            EXPECT_EQ(bitmap->Width(), c.w) << "the caller's bitmap stays as it was";
        }
    }
    // The 16 x 16 picture sits at (4, 4) on a see-through 24 x 24 picture.
    const QImage centred = list->Image(1);
    EXPECT_EQ(centred.size(), QSize(24, 24));
    EXPECT_EQ(qAlpha(centred.pixel(3, 3)), 0);
    EXPECT_EQ(centred.pixelColor(4, 4), QColor(Qt::blue));
    EXPECT_EQ(centred.pixelColor(19, 19), QColor(Qt::blue));
    EXPECT_EQ(qAlpha(centred.pixel(20, 4)), 0);

    plot->ImageListClear(0);
    EXPECT_EQ(list->Count(), 0);
    for (const int index : { -1, 3 }) {
        EXPECT_EQ(ptest::MessageOf([&] { plot->ImageListClear(index); }), QStringLiteral("ImageList Index must be 0-2"));
        EXPECT_EQ(ptest::MessageOf([&] { plot->ImageListAdd(index, Bitmap(24, 24, clRed, clRed).get()); }),
                  QStringLiteral("ImageList Index must be 0-2"));
    }
}

TEST_F(PlotOperationsTest, PicturesLoadFromTheProgramsResources)
{
    plot->ImageListLoadFromResourceName(2, QStringLiteral("zq9/toolbar"), QStringLiteral("PAUSE.bmp"));
    ASSERT_EQ(plot->ImageList(2)->Count(), 1);
    EXPECT_EQ(plot->ImageList(2)->Image(0).size(), QSize(24, 24));
    EXPECT_EQ(ptest::MessageOf([&] { plot->ImageListLoadFromResourceID(2, QStringLiteral("zq9/toolbar"), 4711); }),
              QStringLiteral("Resource 4711 not found"));
    EXPECT_EQ(ptest::MessageOf([&] { plot->ImageListLoadFromResourceName(5, QString(), QStringLiteral("x")); }),
              QStringLiteral("ImageList Index must be 0-2"));
    EXPECT_EQ(plot->ImageList(2)->Count(), 1);
}

TEST_F(PlotOperationsTest, TrackingSwitchesOnEveryAxisAndTheTranslationsAreReachable)
{
    plot->AddXAxis();
    plot->AddYAxis();
    plot->DisableAllTracking();
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(plot->XAxis(i)->TrackingEnabled()) << i;
        EXPECT_FALSE(plot->YAxis(i)->TrackingEnabled()) << i;
    }
    plot->EnableAllTracking();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(plot->XAxis(i)->TrackingEnabled()) << i;
        EXPECT_TRUE(plot->YAxis(i)->TrackingEnabled()) << i;
    }
    plot->AddTranslation(QStringLiteral("Channel"), QStringLiteral("Kanal"));
    EXPECT_EQ(plot->GetTranslationManager()->FindReplacement(QStringLiteral("Channel")), QStringLiteral("Kanal"));
}

TEST_F(PlotOperationsTest, ChannelKeepsTheValuesAndStatusOfTheLastCursorReading)
{
    TiPlotDataView* view = plot->DataView(0);
    view->SetDrawRect(TRect(0, 0, 200, 100));
    TiPlotDataCursor* cursor = plot->DataCursor(0);
    cursor->SetDataView(view);
    cursor->SetChannelName(plot->Channel(0)->Name());
    cursor->SetStyle(TiPlotDataCursorStyle::ipcsValueXY);
    cursor->SetPointer1Position(20);
    cursor->SetPointer2Position(70);
    cursor->UpdateValues();
    TiPlotChannelCustom* channel = plot->Channel(0);
    EXPECT_DOUBLE_EQ(channel->DataCursorXValue(), 20.0);
    EXPECT_DOUBLE_EQ(channel->DataCursorYValue(), 70.0);
    EXPECT_EQ(channel->DataCursorStatus(), TiPlotDataPointStatus::ipdpsValid);
    EXPECT_EQ(channel->DataCursorXText(), plot->XAxis(0)->GetCursorText(20.0));
}

TEST(StripChannelCursorValues, PointerPastTheDataIsReportedEmpty)
{
    ptest::App();
    TForm form(nullptr);
    auto* plot = new TiPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 400, 300);
    TiPlotChannelCustom* channel = plot->Channel(0);
    for (int i = 0; i <= 5; ++i)
        channel->AddXY(i * 10, i);
    plot->XAxis(0)->SetMin(0);
    plot->XAxis(0)->SetSpan(100);
    plot->ReCalcLayout();
    TiPlotDataCursor* cursor = plot->DataCursor(0);
    cursor->SetDataView(plot->DataView(0));
    cursor->SetChannelName(channel->Name());
    cursor->SetStyle(TiPlotDataCursorStyle::ipcsValueXY);
    struct Case
    {
        double percent;
        double x, y;
        TiPlotDataPointStatus status;
    };
    const Case cases[] = {
        { 30, 30, 3, TiPlotDataPointStatus::ipdpsValid },
        { 80, 80, 0, TiPlotDataPointStatus::ipdpsEmpty },
        { 25, 25, 2.5, TiPlotDataPointStatus::ipdpsValid },
    };
    for (const Case& c : cases) {
        cursor->SetPointer1Position(c.percent);
        cursor->UpdateValues();
        EXPECT_DOUBLE_EQ(channel->DataCursorXValue(), c.x) << c.percent;
        EXPECT_EQ(channel->DataCursorStatus(), c.status) << c.percent;
        if (c.status == TiPlotDataPointStatus::ipdpsValid) {
            EXPECT_DOUBLE_EQ(channel->DataCursorYValue(), c.y) << c.percent;
        }
    }
}

TEST_F(PlotOperationsTest, AxisStoresZeroSeparationAndMarginAndReadsAnOldSpan)
{
    const auto write = [](TiXYPlot* source) {
        TMemoryStream stream;
        TWriter writer(stream);
        writer.WriteRootComponent(*source);
        return stream.Bytes();
    };
    const auto read = [this](const QByteArray& bytes) {
        auto* target = new TiXYPlot(form);
        TMemoryStream stream;
        stream.SetBytes(bytes);
        TReader reader(stream);
        reader.ReadRootComponent(*target);
        return target;
    };
    plot->XAxis(0)->SetLabelSeparation(0);
    plot->XAxis(0)->SetTitleMargin(1.5);
    plot->YAxis(0)->SetTitleMargin(0);
    plot->YAxis(0)->SetSpan(7.5);
    const QByteArray bytes = write(plot);
    TiXYPlot* copy = read(bytes);
    struct Case
    {
        double read, written;
    };
    const Case cases[] = {
        { copy->XAxis(0)->LabelSeparation(), 0.0 },
        { copy->XAxis(0)->TitleMargin(), 1.5 },
        { copy->YAxis(0)->LabelSeparation(), 2.0 },
        { copy->YAxis(0)->TitleMargin(), 0.0 },
        { copy->YAxis(0)->Span(), 7.5 },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_DOUBLE_EQ(cases[i].read, cases[i].written) << i;

    // A stream that names the span "Span_2" puts it into Span.
    QByteArray old = bytes;
    old.replace(QByteArray("\x04Span", 5), QByteArray("\x06Span_2", 7));
    ASSERT_NE(old, bytes);
    EXPECT_DOUBLE_EQ(read(old)->YAxis(0)->Span(), 7.5);
}

TEST(PageRoutines, ActivePageFollowsTheIndexOnlyWithinThePages)
{
    ptest::App();
    TForm form(nullptr);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    for (int i = 0; i < 3; ++i)
        (new TTabSheet(&form))->SetPageControl(pages);
    struct Case
    {
        int index;
        int shown;
    };
    const Case cases[] = { { 2, 2 }, { 3, 2 }, { 7, 2 }, { 0, 0 }, { -1, -1 } };
    for (const Case& c : cases) {
        iSetActivePageIndex(pages, c.index);
        EXPECT_EQ(iGetActivePageIndex(pages), c.shown) << c.index;
    }
}

TEST(PrinterPageSize, PaperOfTheCurrentPrinterInInchesTurnedForLandscape)
{
    ptest::App();
    QTemporaryDir dir;
    TPrinterSeam printers({ { QStringLiteral("Letter"), dir.filePath("a.pdf"), 300, QPageSize::Letter, {} },
                            { QStringLiteral("A4"), dir.filePath("b.pdf"), 300, QPageSize::A4, {} },
                            { QStringLiteral("A6"), dir.filePath("c.pdf"), 300, QPageSize::A6, {} } });
    struct Case
    {
        int printer;
        TPaperOrientation orientation;
        double width, height;
    };
    const Case cases[] = {
        { 0, TPaperOrientation::poPortrait, 8.5, 11 },
        { 0, TPaperOrientation::poLandscape, 11, 8.5 },
        { 1, TPaperOrientation::poPortrait, 210 / 25.4, 297 / 25.4 },
        { 1, TPaperOrientation::poLandscape, 297 / 25.4, 210 / 25.4 },
        { 2, TPaperOrientation::poPortrait, 105 / 25.4, 148 / 25.4 }, // no paper code: its own size
    };
    for (const Case& c : cases) {
        Printer()->SetPrinterIndex(c.printer);
        Printer()->SetOrientation(c.orientation);
        double w = 0, h = 0;
        iGetPrinterPageSizeInches(w, h);
        EXPECT_NEAR(w, c.width, 0.01) << c.printer;
        EXPECT_NEAR(h, c.height, 0.01) << c.printer;
    }
    Printer()->SetOrientation(TPaperOrientation::poPortrait);
}

TEST(PrinterPageSize, NoPrinterRaisesAndPrintingSaysSo)
{
    ptest::App();
    TPrinterSeam none({});
    double w = 0, h = 0;
    EXPECT_EQ(ptest::MessageOf([&] { iGetPrinterPageSizeInches(w, h); }),
              QStringLiteral("Could not initialize printer DeviceMode Structure"));
    TForm form(nullptr);
    auto* plot = new TiXYPlot(&form);
    plot->SetParent(&form);
    plot->SetPrintShowDialog(false);
    EXPECT_EQ(ptest::MessageOf([&] { plot->PrintChart(); }),
              QStringLiteral("Error Printing : Could not initialize printer DeviceMode Structure"));
    EXPECT_FALSE(Printer()->Printing());
}

} // namespace
