// The plot table: its size, the rows that fit and their scrolling, its cells (set one at a time),
// its columns' widths, and the titles setting kept through a property list.

#include "DecorationTestSupport.h"

#include "plot/iGPPropertyList.h"
#include "plot/iPlotTable.h"

#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"

using namespace vcl;

namespace {

// Fixed metrics: "0" is 6 x 10; margins of 1 are 10 above and below and 6 beside; a row is 10 high
// plus Round(5) = 15; a sized column is its widest text, 12 pixels of spacing and one "0".
class PlotTableTest : public ptest::DecorationTest
{
protected:
    void SetUp() override
    {
        DecorationTest::SetUp();
        table = plot->Table(plot->AddTable());
    }
    void Fill(int rows)
    {
        table->AddColumn(QStringLiteral("Name")); // 24 + 12 + 6 = 42
        for (int i = 0; i < rows; ++i)
            table->SetCellText(table->AddRow(), 0, QStringLiteral("r%1").arg(i));
    }
    TiPlotTable* table { nullptr };
};

TEST_F(PlotTableTest, EmptyTableTakesNoRoomAndDrawsNothing)
{
    table->SetDrawRect(TRect(0, 0, 200, 200));
    table->AddColumn(QStringLiteral("A"));
    EXPECT_EQ(table->GetRequiredWidth(Canvas()), 0);
    const QImage before = bitmap->Image().copy();
    table->Draw(Canvas(), clBlack);
    EXPECT_EQ(bitmap->Image(), before);
    table->RemoveAllColumns();
    table->AddRow();
    EXPECT_EQ(table->GetRequiredWidth(Canvas()), 0);
}

TEST_F(PlotTableTest, RowsMaxLimitsTheRowsAndTheArrowsScrollToTheEnd)
{
    Fill(10);
    table->SetRowsMax(3);
    table->SetDrawRect(TRect(0, 0, 200, 200));
    EXPECT_EQ(table->GetRequiredWidth(Canvas()), 6 + 42 + 6 + 22);
    table->SetHorizontal(true);
    EXPECT_EQ(table->GetRequiredWidth(Canvas()), 10 + 10 + 3 * 15 + 10);
    EXPECT_TRUE(table->UpButton()->Visible());
    // Beside the grid, centred on the first and the last shown row.
    EXPECT_EQ(table->UpButton()->DrawRect(), TRect(53, 19, 70, 36));
    EXPECT_EQ(table->DownButton()->DrawRect(), TRect(53, 49, 70, 66));
    for (int i = 0; i < 7; ++i) {
        table->DownButton()->OnClick(table->DownButton());
        table->GetRequiredWidth(Canvas());
    }
    EXPECT_EQ(table->RowDisplayStartIndex(), 7);
    EXPECT_EQ(table->RowDisplayStopIndex(), 9);
    EXPECT_FALSE(table->DownButton()->Enabled());
    EXPECT_TRUE(table->UpButton()->Enabled());
}

TEST_F(PlotTableTest, StartPastTheEndIsPulledBack)
{
    Fill(10);
    table->SetRowsMax(3);
    table->SetDrawRect(TRect(0, 0, 200, 200));
    table->SetRowDisplayStartIndex(9);
    table->GetRequiredWidth(Canvas());
    EXPECT_EQ(table->RowDisplayStartIndex(), 7);
    EXPECT_EQ(table->RowDisplayStopIndex(), 9);
}

TEST_F(PlotTableTest, ShortRectangleShowsTheRowsThatFitWithArrows)
{
    Fill(5);
    table->SetDrawRect(TRect(0, 0, 200, 60)); // rows from y 20 to 50: two
    table->Draw(Canvas(), clBlack);
    EXPECT_EQ(table->RowDisplayStopIndex(), 1);
    EXPECT_EQ(table->GridRect().Bottom, 50);
    EXPECT_TRUE(table->DownButton()->Visible());
    table->SetEnabled(false);
    table->Draw(Canvas(), clBlack);
    EXPECT_FALSE(table->DownButton()->Visible());
}

TEST_F(PlotTableTest, CellsAreLinesOfTheRowAndSizeTheirColumns)
{
    table->AddColumn(QStringLiteral("A"));
    table->AddColumn(QStringLiteral("B"));
    table->AddRow();
    table->SetCellText(0, 0, QStringLiteral("a very long cell"));
    EXPECT_EQ(table->CellText(0, 0), QStringLiteral("a very long cell"));
    EXPECT_EQ(table->CellText(0, 1), QString()) << "a missing line is an empty cell";
    table->SetCellText(0, 1, QStringLiteral("two\nlines"));
    EXPECT_EQ(table->CellText(0, 1), QStringLiteral("two lines"));
    table->SetDrawRect(TRect(0, 0, 300, 200));
    table->GetRequiredWidth(Canvas());
    EXPECT_EQ(table->GetColumn(0).WidthPixels, 96 + 12 + 6);
    EXPECT_EQ(table->GetColumn(0).Width, 19.0) << "whole widths of \"0\"";
    table->GetColumn(1).AutoSize = false;
    table->GetColumn(1).Width = 2.5;
    table->GetRequiredWidth(Canvas());
    EXPECT_EQ(table->GetColumn(1).WidthPixels, 15);

    struct Case { int row; int column; };
    for (const Case c : { Case { 1, 0 }, Case { 0, 2 }, Case { -1, 0 } }) {
        EXPECT_THROW(table->SetCellText(c.row, c.column, QStringLiteral("x")), EListError);
    }
    try {
        table->DeleteRow(5);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (5)"));
    }
    EXPECT_THROW(table->DeleteColumn(2), EListError);
}

TEST_F(PlotTableTest, HiddenColumnTitlesSurviveAPropertyListThatSkipsDefaults)
{
    table->SetColumnTitlesVisible(false);
    TStringList list;
    iSaveObjectToStringList(table, QStringLiteral("Table"), &list, true);
    TiPlotTable* other = plot->Table(plot->AddTable());
    iLoadObjectFromStringList(other, QStringLiteral("Table"), &list);
    EXPECT_FALSE(other->ColumnTitlesVisible());

    list.Clear();
    table->SetColumnTitlesVisible(true);
    iSaveObjectToStringList(table, QStringLiteral("Table"), &list, true);
    EXPECT_FALSE(list.Text().contains(QStringLiteral("ColumnTitlesVisible")));
}

} // namespace
