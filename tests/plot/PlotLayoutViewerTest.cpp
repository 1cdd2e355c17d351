// The layout viewer on a plot's own layout, driven with the mouse on the window that holds it:
// its schematic comes from its own paint, and drags, merges, swaps, orientation moves and resizes
// change the plot's layout objects. Set ZQ9_PICTURE_DIR to keep a picture of the schematic.

#include "PlotTestSupport.h"

#include "plot/iPlotLabel.h"
#include "plot/iPlotLayoutViewer.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotToolBar.h"
#include "plot/iXYPlot.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace vcl;

namespace {

class PlotLayoutViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 420, 320);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 10, 10);
        plot->SetVisible(false);
        viewer = new TiPlotLayoutViewer(form);
        viewer->SetParent(form);
        viewer->SetBounds(10, 10, 400, 300);
        viewer->OnChange = [this](TObject*) { ++changes; };
    }
    void TearDown() override { delete form; }
    // Hands the viewer the plot's managers, as the editor does, and shows the window.
    void Attach()
    {
        TiPlotMasterManager* master = plot->Master();
        viewer->SetMaster(master);
        viewer->SetLayoutManager(master->LayoutManager());
        viewer->SetTranslationManager(master->TranslationManager());
        Show();
    }
    void Show()
    {
        form->Show();
        form->activateWindow();
        ptest::Settle();
        Paint();
    }
    // The viewer's own paint, which lays the schematic out.
    QImage Paint() { return viewer->grab().toImage(); }
    QPoint At(int X, int Y) const { return viewer->mapTo(form, QPoint(X, Y)); }
    static QPoint Centre(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
    static QPoint Centre(const TiPlotLayoutObject* object) { return Centre(object->LayoutRect()); }
    void Hover(QPoint p)
    {
        QTest::mouseMove(form->windowHandle(), At(p.x(), p.y()));
        ptest::Settle();
    }
    // Press at From, move through the way to To and release there, as a user drags.
    void Drag(QPoint From, QPoint To)
    {
        Hover(From);
        QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, At(From.x(), From.y()));
        ptest::Settle();
        QTest::mouseMove(form->windowHandle(), At((From.x() + To.x()) / 2, (From.y() + To.y()) / 2));
        QTest::mouseMove(form->windowHandle(), At(To.x(), To.y()));
        ptest::Settle();
        Paint();
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, At(To.x(), To.y()));
        ptest::Settle();
        Paint();
    }
    const TBlockObject* SlotOf(bool Horizontal, int ZOrder, bool DataView = false) const
    {
        for (const auto& block : viewer->Blocks())
            if (block->Horizontal == Horizontal && block->ZOrder == ZOrder && block->DataView == DataView)
                return block.get();
        return nullptr;
    }

    std::optional<TTextMetricsOverride> metrics { std::in_place, ptest::Fixed() };
    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
    TiPlotLayoutViewer* viewer { nullptr };
    int changes { 0 };
};

TEST_F(PlotLayoutViewerTest, WithoutALayoutManagerOnlyTheBorderAndTheViewAreaShow)
{
    Show();
    const QImage image = Paint();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(200, 150), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(395, 295), QColor(Qt::blue));
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, At(200, 150));
    EXPECT_EQ(changes, 0);
}

TEST_F(PlotLayoutViewerTest, SchematicStacksEveryObjectAroundTheDataView)
{
    Attach();
    // 10-pixel text: a cell is 11 pixels thick.
    EXPECT_EQ(viewer->CellWidth(), 11);
    const TRect data = viewer->DataViewRect();
    TiPlotXAxis* x = plot->XAxis(0);
    TiPlotYAxis* y = plot->YAxis(0);
    // The X axis lies along the data view's bottom, the Y axis along its left side.
    EXPECT_EQ(x->LayoutRect().Top, data.Bottom);
    EXPECT_EQ(x->LayoutRect().Left, data.Left);
    EXPECT_EQ(x->LayoutRect().Right, data.Right);
    EXPECT_EQ(y->LayoutRect().Right, data.Left);
    EXPECT_EQ(y->LayoutRect().Bottom, data.Bottom);
    EXPECT_EQ(y->LayoutRect().Top, data.Top);
    // The toolbar holds the topmost row across the whole view.
    const TRect bar = plot->ToolBar(0)->LayoutRect();
    EXPECT_EQ(bar.Top, 5);
    EXPECT_EQ(bar.Left, 5);
    EXPECT_EQ(bar.Right, 395);
    EXPECT_EQ(viewer->GetMouseOverBlock(Centre(x).x(), Centre(x).y()), x);
    EXPECT_EQ(viewer->GetMouseOverBlock(Centre(data).x(), Centre(data).y()), plot->DataView(0));

    // Objects are grey, the view white, the border blue.
    const QImage image = Paint();
    EXPECT_EQ(image.pixelColor(x->LayoutRect().Left + 1, x->LayoutRect().Top + 1), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixelColor(Centre(data)), QColor(Qt::white));
}

TEST_F(PlotLayoutViewerTest, PressOnTheDataViewOrTheToolBarStartsNothing)
{
    Attach();
    TiPlotToolBar* bar = plot->ToolBar(0);
    TiPlotXAxis* x = plot->XAxis(0);
    const int barZ = bar->ZOrder();
    const int axisZ = x->ZOrder();
    for (const QPoint from : { Centre(viewer->DataViewRect()), Centre(bar) }) {
        Hover(from);
        QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, At(from.x(), from.y()));
        ptest::Settle();
        EXPECT_EQ(viewer->SelectedObject(), nullptr);
        QTest::mouseMove(form->windowHandle(), At(Centre(x).x(), Centre(x).y() + 3));
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, At(Centre(x).x(), Centre(x).y() + 3));
        ptest::Settle();
    }
    EXPECT_EQ(bar->ZOrder(), barZ);
    EXPECT_EQ(x->ZOrder(), axisZ);
    EXPECT_EQ(changes, 0);
}

TEST_F(PlotLayoutViewerTest, DraggingAnAxisEdgeResizesItsSpanInStepsOfOneAndAQuarterPercent)
{
    Attach();
    TiPlotXAxis* x = plot->XAxis(0);
    const TRect r = x->LayoutRect();
    const int width = viewer->DataViewRect().Width();
    const QPoint edge(r.Left + 5, (r.Top + r.Bottom) / 2);
    Hover(edge);
    EXPECT_EQ(viewer->Cursor(), crSizeWE);
    Drag(edge, edge + QPoint(width / 10, 0));
    EXPECT_DOUBLE_EQ(x->StartPercent(), 10.0);
    EXPECT_DOUBLE_EQ(x->StopPercent(), 100.0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(viewer->Cursor(), crDefault);

    // A move of 6 % of the width rounds to the nearest step: 6.25 %.
    const QPoint stop(x->LayoutRect().Right - 3, edge.y());
    Hover(stop);
    Drag(stop, stop - QPoint(RoundToInt(width * 0.06), 0));
    EXPECT_DOUBLE_EQ(x->StopPercent(), 93.75);
    EXPECT_EQ(changes, 2);
}

TEST_F(PlotLayoutViewerTest, LabelDroppedOnTheMiddleOfAnotherLabelsRowSharesIt)
{
    TiPlotLabel* title = plot->Label(0);
    TiPlotLabel* second = plot->Label(plot->AddLabel());
    Attach();
    ASSERT_NE(title->ZOrder(), second->ZOrder());
    const TRect row = title->LayoutRect();
    Drag(Centre(second), QPoint((row.Left + row.Right) / 2, row.Top + row.Height() / 2));
    EXPECT_EQ(second->ZOrder(), title->ZOrder());
    EXPECT_EQ(second->IsHorz(), title->IsHorz());
    EXPECT_DOUBLE_EQ(title->StartPercent(), 0.0);
    EXPECT_DOUBLE_EQ(title->StopPercent(), 50.0);
    EXPECT_DOUBLE_EQ(second->StartPercent(), 50.0);
    EXPECT_DOUBLE_EQ(second->StopPercent(), 100.0);
    EXPECT_EQ(changes, 1);

    // Dragged onto its neighbour in the row, the two trade places.
    Drag(Centre(second), Centre(title));
    EXPECT_DOUBLE_EQ(second->StartPercent(), 0.0);
    EXPECT_DOUBLE_EQ(second->StopPercent(), 50.0);
    EXPECT_DOUBLE_EQ(title->StartPercent(), 50.0);
    EXPECT_DOUBLE_EQ(title->StopPercent(), 100.0);
    EXPECT_EQ(changes, 2);
}

TEST_F(PlotLayoutViewerTest, AxesKeepTheirOrientationOtherObjectsTurnToTheSlot)
{
    Attach();
    TiPlotXAxis* x = plot->XAxis(0);
    TiPlotYAxis* y = plot->YAxis(0);
    const int zBefore = x->ZOrder();
    Drag(Centre(x), Centre(y));
    EXPECT_TRUE(x->IsHorz());
    EXPECT_EQ(x->ZOrder(), zBefore);
    EXPECT_EQ(changes, 0);

    // The legend leaves its column for the row under the X axis.
    TiPlotLegend* legend = plot->Legend(0);
    ASSERT_FALSE(legend->IsHorz());
    const TRect axis = x->LayoutRect();
    Drag(Centre(legend), QPoint(Centre(axis).x(), axis.Bottom - 2));
    EXPECT_TRUE(legend->IsHorz());
    EXPECT_LT(legend->ZOrder(), x->ZOrder());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(plot->Master()->LayoutManager()->BottomList().IndexOfObject(legend), 0);
}

TEST_F(PlotLayoutViewerTest, DropAboveAnotherRowRestacksAndReportsTheChange)
{
    TiPlotLabel* title = plot->Label(0);
    Attach();
    TiPlotXAxis* x = plot->XAxis(0);
    const TRect axis = x->LayoutRect();
    // The title leaves the top for the upper half of the X axis's row: it is stacked just above it.
    Drag(Centre(title), QPoint(Centre(axis).x(), axis.Top + 1));
    EXPECT_TRUE(title->IsHorz());
    EXPECT_GT(title->ZOrder(), x->ZOrder());
    EXPECT_LT(title->ZOrder(), plot->Master()->LayoutManager()->DataViewHorz()->ZOrder());
    EXPECT_DOUBLE_EQ(title->StartPercent(), 0.0);
    EXPECT_DOUBLE_EQ(title->StopPercent(), 100.0);
    EXPECT_EQ(changes, 1);
}

TEST_F(PlotLayoutViewerTest, DropOnASlotOfTheOtherOrientationWithoutAnOccupantChangesNothing)
{
    TiPlotLegend* legend = plot->Legend(0);
    // A gap in the right-hand ZOrders: the schematic's right column has no object of its number.
    legend->SetZOrder(legend->ZOrder() + 3);
    TiPlotLabel* title = plot->Label(0);
    Attach();
    const TiPlotLayoutManager* layout = plot->Master()->LayoutManager();
    const TBlockObject* column = SlotOf(false, layout->LeftUniqueCount() + 1);
    ASSERT_NE(column, nullptr);
    ASSERT_EQ(viewer->FindSlotOccupant(column), nullptr);
    const int zBefore = title->ZOrder();
    Drag(Centre(title), Centre(column->ARect));
    EXPECT_TRUE(title->IsHorz());
    EXPECT_EQ(title->ZOrder(), zBefore);
    EXPECT_EQ(changes, 0);
}

TEST_F(PlotLayoutViewerTest, PictureOfAPlotWithSeveralAxesLabelsAndALegend)
{
    // The screen's own fonts, as a user sees the schematic.
    metrics.reset();
    plot->AddXAxis();
    plot->YAxis(plot->AddYAxis())->SetName(QStringLiteral("Level"));
    plot->Label(plot->AddLabel())->SetName(QStringLiteral("Subtitle"));
    plot->XAxis(1)->SetVisible(false);
    Attach();
    const TRect y = plot->YAxis(0)->LayoutRect();
    // Hold a drag over the first Y axis column, the viewer's own feedback drawn.
    Hover(Centre(plot->Legend(0)));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, At(Centre(plot->Legend(0)).x(), Centre(plot->Legend(0)).y()));
    QTest::mouseMove(form->windowHandle(), At(Centre(y).x(), Centre(y).y()));
    ptest::Settle();
    const QImage image = Paint();
    const TRect legend = plot->Legend(0)->LayoutRect();
    EXPECT_EQ(image.pixelColor(legend.Left + 1, legend.Top + 1), QColor(Qt::yellow));
    if (const QByteArray dir = qgetenv("ZQ9_PICTURE_DIR"); !dir.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("plot-layout-viewer.png")));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, At(200, 150));
}

} // namespace
