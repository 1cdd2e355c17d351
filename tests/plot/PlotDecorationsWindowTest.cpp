// Every decoration on one shown plot, laid out and painted by the plot's own paint pass and worked
// with the mouse and keys on its top-level window: where each lands in the window's picture, and the
// order of the events that dragging a limit, the data cursor and an annotation fires. The picture is
// kept for a person to look at when ZQ9_ARTIFACT_DIR names a folder.

#include "PlotTestSupport.h"

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotAxis.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotDataView.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlotOutputHooks.h"
#include "plot/iPlotTable.h"
#include "plot/iPlotToolBar.h"
#include "plot/iXYPlot.h"

#include "platform/core/TColor.h"
#include "platform/images/PngCodec.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPrinter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>

using namespace vcl;
using BT = TiPlotToolBarButtonType;

namespace {

QPoint Centre(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// The events as recorded, with runs of one event taken as one.
QStringList Runs(const QStringList& Events)
{
    QStringList runs;
    for (const QString& e : Events)
        if (runs.isEmpty() || runs.last() != e)
            runs << e;
    return runs;
}

class PlotDecorationsWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 700, 460);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 680, 440);
        plot->OnAfterPaint = [this](TObject*) { ++paints; };
    }
    void TearDown() override { delete form; }

    // A title, the toolbar with its Select button, a legend of two channels, a table, a hatched
    // band and a movable line, a text box and an ellipse, and the data cursor on channel 0.
    void Compose()
    {
        plot->SetTitleText(QStringLiteral("Decorations"));
        plot->ToolBar(0)->SetShowSelectButton(true);
        for (TiPlotAxis* axis : { static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0)) }) {
            axis->SetMinSpan(0, 100);
            axis->SetTrackingEnabled(false);
        }
        TiPlotChannelCustom* curve = plot->Channel(0);
        curve->SetColor(clAqua);
        curve->SetTitleText(QStringLiteral("Curve"));
        for (int i = 0; i <= 100; ++i)
            curve->AddXY(i, 50 + 30 * std::sin(i / 8.0));
        TiPlotChannelCustom* dashed = plot->Channel(plot->AddChannel());
        dashed->SetColor(clFuchsia);
        dashed->SetTitleText(QStringLiteral("Dashed"));
        dashed->SetTraceLineStyle(TiPlotLineStyle::iplsDash);
        for (int i = 0; i <= 100; i += 10)
            dashed->AddXY(i, 60 - i / 4.0);

        table = plot->Table(plot->AddTable());
        table->AddColumn(QStringLiteral("Band"));
        table->AddColumn(QStringLiteral("dB"));
        for (int i = 0; i < 4; ++i) {
            const int row = table->AddRow();
            table->SetCellText(row, 0, QStringLiteral("B%1").arg(i + 1));
            table->SetCellText(row, 1, QString::number(i * 3 - 4));
        }

        band = plot->Limit(plot->AddLimit());
        band->SetStyle(TiPlotLimitStyle::iplsBandY);
        band->SetColor(clGreen);
        band->SetFillStyle(TBrushStyle::bsDiagCross);
        band->SetLine1Position(3);
        band->SetLine2Position(10);
        line = plot->Limit(plot->AddLimit());
        line->SetStyle(TiPlotLimitStyle::iplsLineX);
        line->SetLine1Position(80);
        line->SetUserCanMove(true);

        text = plot->Annotation(plot->AddAnnotation());
        text->SetStyle(TiPlotAnnotationStyle::ipasTextBox);
        text->SetReference(TiPlotReferenceType::iprtDataView);
        text->SetText(QStringLiteral("Peak"));
        text->SetX(20);
        text->SetY(90);
        text->SetBrushColor(clNavy);
        text->SetOuterMargin(2);
        text->SetUserCanMove(true);
        ellipse = plot->Annotation(plot->AddAnnotation());
        ellipse->SetStyle(TiPlotAnnotationStyle::ipasEllipse2);
        ellipse->SetReference(TiPlotReferenceType::iprtDataView);
        ellipse->SetX(30);
        ellipse->SetY(40);
        ellipse->SetWidth(16);
        ellipse->SetHeight(10);
        ellipse->SetBrushStyle(TBrushStyle::bsClear);
        ellipse->SetPenColor(clYellow);

        cursor = plot->DataCursor(0);
        cursor->SetChannelName(curve->Name());
        cursor->SetVisible(true);
        cursor->SetPointer1Position(50);
        cursor->SetPointer2Position(60);
    }
    void ShowAndPaint()
    {
        form->Show();
        form->activateWindow();
        ASSERT_TRUE(ptest::WaitFor([this] { return paints > 0; }));
        ptest::Settle();
    }

    // Input goes to the top-level window at the point, and Qt hands it to whatever lies there.
    QWindow* Window() const { return form->windowHandle(); }
    QPoint InWindow(QPoint p) const { return plot->mapTo(form, p); }
    void Click(QPoint p)
    {
        QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, InWindow(p));
        SettlePaint();
    }
    // A press, a move in two steps and a release, each followed by whatever repaint it asked for.
    void Drag(QPoint from, QPoint to)
    {
        QTest::mouseMove(Window(), InWindow(from));
        QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, InWindow(from));
        SettlePaint();
        QTest::mouseMove(Window(), InWindow((from + to) / 2));
        SettlePaint();
        QTest::mouseMove(Window(), InWindow(to));
        SettlePaint();
        QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, InWindow(to));
        SettlePaint();
    }
    // The events, then the repaint they asked for: a repaint held back by the frame-rate limit
    // comes on the plot's timer, which a busy machine may not have run yet.
    void SettlePaint()
    {
        ptest::Settle();
        EXPECT_TRUE(ptest::WaitFor([this] { return !plot->RepaintRequestMerged(); }));
        ptest::Settle();
    }
    // The view's pixel of a percentage across (X) and up (Y).
    QPoint ViewPoint(double PercentX, double PercentY) const
    {
        const TiPlotDataView* view = plot->DataView(0);
        return QPoint(view->PositionPercentToPixelsX(PercentX), view->PositionPercentToPixelsY(PercentY));
    }
    bool AnyPixel(const QImage& Image, const TRect& r, TColor Color) const
    {
        const QRgb wanted = ToQColor(Color).rgb() & 0xFFFFFF;
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, Image.height()); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, Image.width()); ++x)
                if ((Image.pixel(x, y) & 0xFFFFFF) == wanted)
                    return true;
        return false;
    }
    void Record(const QString& Name, TiPlotObjectEvent& Event)
    {
        Event = [this, Name](TObject*, int) { events << Name; };
    }

    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    int paints { 0 };
    TiPlotTable* table { nullptr };
    TiPlotLimit* band { nullptr };
    TiPlotLimit* line { nullptr };
    TiPlotAnnotation* text { nullptr };
    TiPlotAnnotation* ellipse { nullptr };
    TiPlotDataCursor* cursor { nullptr };
    QStringList events;
};

TEST_F(PlotDecorationsWindowTest, EveryDecorationLandsWhereTheLayoutPutsIt)
{
    Compose();
    ShowAndPaint();
    const QImage picture = plot->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(680, 440));
    if (const QByteArray dir = qgetenv("ZQ9_ARTIFACT_DIR"); !dir.isEmpty())
        picture.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("plot-decorations-window.png")));

    const TRect view = plot->DataView(0)->DrawRect();
    const TRect title = plot->Label(0)->DrawRect();
    const TRect bar = plot->ToolBar(0)->DrawRect();
    const TRect legend = plot->Legend(0)->DrawRect();
    const TRect grid = table->GridRect();
    // The layout stacks the title and the toolbar above the view, the legend (ZOrder 2) on its right
    // and the new table (ZOrder 0) on its left, outside the Y axis.
    EXPECT_LE(title.Bottom, view.Top);
    EXPECT_LE(bar.Bottom, view.Top);
    EXPECT_GE(legend.Left, view.Right);
    EXPECT_LE(grid.Right, plot->YAxis(0)->DrawRect().Left);
    EXPECT_FALSE(legend.toQRect().intersects(table->DrawRect().toQRect())) << "legend and table apart";

    EXPECT_TRUE(AnyPixel(picture, title, clWhite)) << "title text";
    EXPECT_TRUE(AnyPixel(picture, bar, clBtnFace)) << "toolbar face";
    EXPECT_GE(plot->ToolBar(0)->ButtonOfType(BT::iptbbtSelect)->DrawRect().Left, bar.Left);
    EXPECT_TRUE(AnyPixel(picture, legend, clAqua)) << "first legend entry's line sample";
    EXPECT_TRUE(AnyPixel(picture, legend, clFuchsia)) << "second entry's dashed sample";
    EXPECT_TRUE(AnyPixel(picture, grid, TColor(0x808080))) << "table grid";
    EXPECT_TRUE(AnyPixel(picture, grid, clWhite)) << "table cells and lines";

    // The limit line at X 80 is drawn at that X across the view and is grabbed five pixels each side.
    const int lineX = plot->XAxis(0)->PositionToPixels(80);
    const int lineY = ViewPoint(80, 20).y();
    for (int dx : { -6, -5, 5, 6 })
        EXPECT_EQ(line->Line1ClickRect().Contains(TPoint(lineX + dx, lineY)), std::abs(dx) <= 5) << dx;
    EXPECT_EQ(QColor(picture.pixel(lineX, ViewPoint(80, 20).y())), ToQColor(clRed));
    EXPECT_TRUE(AnyPixel(picture, TRect(view.Left + 1, ViewPoint(0, 10).y(), view.Right - 1, ViewPoint(0, 3).y()), clGreen))
        << "hatched band";
    EXPECT_TRUE(AnyPixel(picture, text->ClickRect(), clNavy)) << "text box";
    EXPECT_TRUE(AnyPixel(picture, ellipse->DrawRect(), clYellow)) << "ellipse";
    EXPECT_TRUE(AnyPixel(picture, cursor->Pointer1Rect(), clAqua)) << "cursor in its channel's colour";
    EXPECT_TRUE(cursor->HintShowing());
    EXPECT_TRUE(AnyPixel(picture, cursor->HintRect(), clInfoBk)) << "cursor hint box";
    // Everything drawn in the view stays inside it.
    for (const TRect r : { text->ClickRect(), ellipse->DrawRect(), cursor->HintRect() }) {
        EXPECT_GE(r.Left, view.Left);
        EXPECT_LE(r.Right, view.Right);
    }
}

TEST_F(PlotDecorationsWindowTest, DraggingALimitLineMovesItAndClicksItLast)
{
    Compose();
    ShowAndPaint();
    // Outside select mode the line cannot be grabbed: the press goes to the view beneath, which
    // may scroll the axes.
    Drag(QPoint(plot->XAxis(0)->PositionToPixels(80), ViewPoint(80, 20).y()),
         QPoint(plot->XAxis(0)->PositionToPixels(80) - 30, ViewPoint(80, 20).y()));
    EXPECT_EQ(line->Line1Position(), 80.0);
    const QPoint onLine(Centre(line->Line1ClickRect()).x(), ViewPoint(80, 20).y());

    Click(Centre(plot->ToolBar(0)->ButtonOfType(BT::iptbbtSelect)->DrawRect()));
    ASSERT_TRUE(plot->ToolBar(0)->SelectActive());
    plot->OnLimitLine1PositionChange = [this](TObject*, int index, double from, double to) {
        events << QStringLiteral("line1 %1: %2 -> %3").arg(index).arg(from).arg(to);
    };
    Record(QStringLiteral("click limit"), plot->OnClickLimit);
    const QPoint drop = onLine + QPoint(-30, 0);
    Drag(onLine + QPoint(3, 0), drop + QPoint(3, 0));
    const double half = plot->XAxis(0)->PixelsToPosition(onLine.x() - 15 + 3);
    const double dropped = plot->XAxis(0)->PixelsToPosition(drop.x() + 3);
    EXPECT_EQ(line->Line1Position(), dropped);
    EXPECT_EQ(events, (QStringList { QStringLiteral("line1 1: 80 -> %1").arg(half),
                                     QStringLiteral("line1 1: %1 -> %2").arg(half).arg(dropped),
                                     QStringLiteral("click limit") }));
    // The next paint draws the line and its grab band where it was dropped.
    EXPECT_EQ(Centre(line->Line1ClickRect()).x(), plot->XAxis(0)->PositionToPixels(dropped));
}

TEST_F(PlotDecorationsWindowTest, DraggingTheCursorsPointerMeasuresOnTheWayAndKeysStepIt)
{
    Compose();
    ShowAndPaint();
    Record(QStringLiteral("focus cursor"), plot->OnGotFocusDataCursor);
    Record(QStringLiteral("change"), plot->OnDataCursorChange);
    Record(QStringLiteral("click cursor"), plot->OnClickDataCursor);
    const QPoint grab(Centre(cursor->Pointer1Rect()).x(), ViewPoint(50, 85).y());
    const QPoint drop = ViewPoint(75, 85);
    Drag(grab, drop);
    EXPECT_NEAR(cursor->Pointer1Position(), 75.0, 0.75);
    EXPECT_NEAR(cursor->ValueX(), 75.0, 0.75) << "the X axis spans 0..100";
    EXPECT_EQ(Runs(events), (QStringList { "focus cursor", "change", "click cursor" }));
    EXPECT_GE(events.count(QStringLiteral("change")), 2) << "the value follows each step of the drag";
    EXPECT_TRUE(cursor->UserSelected());
    EXPECT_GE(cursor->HintRect().Left, Centre(cursor->Pointer1Rect()).x()) << "hint on the pointer's right";

    // Keys reach the selected cursor through the window: Right steps pointer 1 by one pixel, End
    // sends it to the view's end, where the hint moves to the pointer's left.
    const double before = cursor->Pointer1Position();
    QTest::keyClick(Window(), Qt::Key_Right);
    SettlePaint();
    EXPECT_GT(cursor->Pointer1Position(), before);
    QTest::keyClick(Window(), Qt::Key_End);
    SettlePaint();
    EXPECT_EQ(cursor->Pointer1Position(), 100.0);
    EXPECT_EQ(cursor->HintOrientationSide(), TiOrientationSide::iosTopLeft);
    EXPECT_LE(cursor->HintRect().Right, Centre(cursor->Pointer1Rect()).x());
}

TEST_F(PlotDecorationsWindowTest, DraggingAnAnnotationReportsEachStepThenClickAndFinish)
{
    Compose();
    ShowAndPaint();
    Click(Centre(plot->ToolBar(0)->ButtonOfType(BT::iptbbtSelect)->DrawRect()));
    for (auto [event, name] : { std::pair(&plot->OnAnnotationCoordinatesChange, "coordinates"),
                                { &plot->OnAnnotationMoveUser, "move" },
                                { &plot->OnAnnotationResizeUser, "resize" },
                                { &plot->OnAnnotationCoordinatesChangeFinished, "finished" },
                                { &plot->OnClickAnnotation, "click" } })
        Record(QString::fromLatin1(name), *event);
    const QPoint grab = Centre(text->ClickRect());
    const TRect before = text->ClickRect();
    Drag(grab, grab + QPoint(40, 30));
    EXPECT_EQ(Runs(events), (QStringList { "coordinates", "move", "coordinates", "move", "coordinates", "click", "finished" }));
    EXPECT_NEAR(text->X(), 20 + 100.0 * 40 / plot->DataView(0)->DrawRect().Width(), 1.0);
    EXPECT_LT(text->Y(), 90.0);
    // Repainted where it was dropped.
    EXPECT_EQ(text->ClickRect().Left, before.Left + 40);
    EXPECT_EQ(text->ClickRect().Top, before.Top + 30);
}

TEST_F(PlotDecorationsWindowTest, CursorButtonShowsTheCursorAndAnAllChannelsCursorFillsTheLegend)
{
    Compose();
    cursor->SetVisible(false);
    ShowAndPaint();
    TiPlotLegend* legend = plot->Legend(0);
    const int plainWidth = legend->ItemWidth();
    EXPECT_FALSE(cursor->HintShowing());

    Click(Centre(plot->ToolBar(0)->ButtonOfType(BT::iptbbtCursor)->DrawRect()));
    ASSERT_TRUE(cursor->Visible());
    EXPECT_FALSE(plot->XAxis(0)->TrackingEnabled()) << "the cursor pauses the axes";
    EXPECT_TRUE(cursor->HintShowing()) << "drawn by the repaint the button asked for";
    EXPECT_FALSE(legend->CursorAllChannels());

    // A cursor on every channel keeps its hint to itself and lists each channel's values in the legend.
    cursor->SetChannelName(QStringLiteral("<All>"));
    SettlePaint();
    EXPECT_FALSE(cursor->HintShowing());
    EXPECT_TRUE(legend->CursorAllChannels());
    EXPECT_GT(legend->ItemWidth(), plainWidth) << "X and Y value cells";
    EXPECT_FALSE(plot->Channel(0)->DataCursorXText().isEmpty());

    // Resume turns the cursor off again.
    Click(Centre(plot->ToolBar(0)->ButtonOfType(BT::iptbbtResume)->DrawRect()));
    EXPECT_FALSE(cursor->Visible());
    EXPECT_FALSE(legend->CursorAllChannels());
    EXPECT_EQ(legend->ItemWidth(), plainWidth);
}

TEST_F(PlotDecorationsWindowTest, OutputButtonsOnTheWindowCopySaveAndPrintThePlotWithoutItsToolBar)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("laser.pdf"));
    TPrinterSeam printers({ { QStringLiteral("Laser"), pdf, 150, QPageSize::A4, QMarginsF() } });
    int dialogs = 0;
    TPrintDialogSeam dialog([&](TPrinter&) { return ++dialogs > 0; });
    const QString png = dir.filePath(QStringLiteral("plot.png"));
    // The save dialog adds the extension of the format it offers.
    plot->SetDefaultSaveImageFormat(TiPlotImageFormatStyle::ipifPNG);
    TFileDialogSeam saveDialog([&](const TFileDialogRequest&) { return std::optional<QString>(png.chopped(4)); });
    plot->SetCopyToClipBoardFormat(TiPlotExportFormat::ipefBitmap);
    ShowAndPaint();
    TiPlotToolBar* bar = plot->ToolBar(0);
    const TRect barRect = bar->DrawRect();
    QStringList order;
    plot->OnToolBarButtonClick = [&](TObject*, int, BT type) { order << QString::number(static_cast<int>(type)); };

    Click(Centre(bar->ButtonOfType(BT::iptbbtCopy)->DrawRect()));
    const QImage copied = Clipboard()->Image();
    ASSERT_EQ(copied.size(), QSize(680, 440));
    EXPECT_FALSE(AnyPixel(copied, barRect, clBtnFace)) << "the copy leaves the toolbar out";
    EXPECT_TRUE(bar->Visible());

    Click(Centre(bar->ButtonOfType(BT::iptbbtSave)->DrawRect()));
    EXPECT_EQ(PngCodec::Decode(ptest::ReadAll(png)).size(), QSize(680, 440));

    Click(Centre(bar->ButtonOfType(BT::iptbbtPrint)->DrawRect()));
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(ptest::ReadAll(pdf).startsWith("%PDF"));
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(order, (QStringList { "10", "11", "12" }));
    // The window shows its toolbar again after all three.
    EXPECT_TRUE(AnyPixel(plot->grab().toImage(), barRect, clBtnFace));
}

TEST_F(PlotDecorationsWindowTest, RestingOverAToolBarButtonShowsItsHintBelowIt)
{
    plot->SetHintsPause(20);
    ShowAndPaint();
    std::vector<BT> asked;
    plot->OnToolBarCustomizeHint = [&](TObject*, int index, BT type, TiHintData& hint) {
        EXPECT_EQ(index, 0);
        asked.push_back(type);
        hint.Text += QStringLiteral(" (x2)");
    };
    const TRect zoomIn = plot->ToolBar(0)->ButtonOfType(BT::iptbbtZoomIn)->DrawRect();
    QTest::mouseMove(Window(), InWindow(Centre(zoomIn)));
    ASSERT_TRUE(ptest::WaitFor([this] { return plot->HintData().Visible; }, 5000));
    const TiHintData& hint = plot->HintData();
    EXPECT_EQ(hint.Text, QStringLiteral("Zoom In All Axes (x2)"));
    EXPECT_EQ(hint.Left, zoomIn.Left);
    EXPECT_EQ(hint.Top, zoomIn.Bottom + 3);
    EXPECT_EQ(asked, (std::vector<BT> { BT::iptbbtZoomIn }));
}

TEST_F(PlotDecorationsWindowTest, ArrowsOnTheWindowScrollTheLegendAndTheTable)
{
    plot->SetBounds(0, 0, 400, 200);
    while (plot->ChannelCount() < 12)
        plot->AddChannel();
    TiPlotTable* rows = plot->Table(plot->AddTable());
    rows->AddColumn(QStringLiteral("N"));
    for (int i = 0; i < 10; ++i)
        rows->SetCellText(rows->AddRow(), 0, QString::number(i));
    rows->SetRowsMax(3);
    ShowAndPaint();
    TiPlotLegend* legend = plot->Legend(0);
    ASSERT_TRUE(legend->DownButton()->Visible());
    ASSERT_TRUE(rows->DownButton()->Visible());
    const int shown = legend->ViewStopIndex() + 1;

    Click(Centre(legend->DownButton()->DrawRect()));
    EXPECT_EQ(legend->ViewStartIndex(), 1);
    EXPECT_EQ(legend->ViewStopIndex(), shown) << "one entry further on";
    EXPECT_TRUE(legend->UpButton()->Enabled());
    Click(Centre(legend->UpButton()->DrawRect()));
    EXPECT_EQ(legend->ViewStartIndex(), 0);

    const int rowsShown = rows->RowDisplayStopIndex() + 1;
    ASSERT_LT(rowsShown, 10);
    for (int i = 0; i < 9; ++i)
        Click(Centre(rows->DownButton()->DrawRect()));
    // A disabled arrow takes no press: the clicks past the end change nothing.
    EXPECT_EQ(rows->RowDisplayStartIndex(), 10 - rowsShown) << "stops with the last row at the bottom";
    EXPECT_EQ(rows->RowDisplayStopIndex(), 9);
    EXPECT_FALSE(rows->DownButton()->Enabled());
}

} // namespace
