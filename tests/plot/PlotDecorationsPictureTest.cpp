// One picture of a plot with every decoration at once, each drawn by its own routine where the
// layout would put it: the title, the toolbar, the legend, the table, a limit band and line, two
// annotations and the data cursor over a channel's trace. Set ZQ9_PICTURE_DIR to keep the picture.

#include "DecorationTestSupport.h"

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotChannel.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotLabel.h"
#include "plot/iPlotLegend.h"
#include "plot/iPlotLimit.h"
#include "plot/iPlotTable.h"
#include "plot/iPlotToolBar.h"

#include <QDir>

#include <cmath>

using namespace vcl;

namespace {

class PlotDecorationsPictureTest : public ptest::DecorationTest
{
protected:
    void Compose()
    {
        bitmap->SetSize(420, 300);
        Canvas()->Brush()->SetColor(clBlack);
        Canvas()->FillRect(TRect(0, 0, 420, 300));
        TiPlotLabel* title = plot->Label(0);
        title->SetVisible(true);
        title->SetCaption(QStringLiteral("Decorations"));
        title->SetDrawRect(TRect(0, 0, 420, 24));
        plot->ToolBar(0)->SetDrawRect(TRect(0, 24, 420, 60));
        TiPlotAxis* x = plot->XAxis(0);
        x->SetDrawRect(TRect(40, 250, 280, 280));
        x->CalcScaleRect(Canvas());
        TiPlotAxis* y = plot->YAxis(0);
        y->SetDrawRect(TRect(10, 70, 40, 250));
        y->CalcScaleRect(Canvas());
        view = plot->DataView(0);
        view->SetDrawRect(TRect(40, 70, 280, 250));

        TiPlotChannelCustom* channel = plot->Channel(0);
        channel->SetColor(clAqua);
        for (int i = 0; i <= 100; ++i)
            channel->AddXY(i, 50 + 30 * std::sin(i / 8.0));
        const int second = plot->AddChannel();
        plot->Channel(second)->SetColor(clFuchsia);
        plot->Channel(second)->SetTraceLineStyle(TiPlotLineStyle::iplsDash);

        TiPlotLegend* legend = plot->Legend(0);
        legend->SetVisible(true);
        legend->SetDrawRect(TRect(285, 70, 420, 140));

        TiPlotTable* table = plot->Table(plot->AddTable());
        table->AddColumn(QStringLiteral("Band"));
        table->AddColumn(QStringLiteral("dB"));
        for (int i = 0; i < 4; ++i) {
            const int row = table->AddRow();
            table->SetCellText(row, 0, QStringLiteral("B%1").arg(i + 1));
            table->SetCellText(row, 1, QString::number(i * 3 - 4));
        }
        table->SetDrawRect(TRect(285, 150, 420, 295));

        band = plot->Limit(plot->AddLimit());
        band->SetStyle(TiPlotLimitStyle::iplsBandY);
        band->SetColor(clGreen);
        band->SetFillStyle(TBrushStyle::bsDiagCross);
        band->SetLine1Position(10);
        band->SetLine2Position(25);
        line = plot->Limit(plot->AddLimit());
        line->SetStyle(TiPlotLimitStyle::iplsLineX);
        line->SetLine1Position(80);

        plot->AddAnnotation();
        text = plot->Annotation(0);
        text->SetStyle(TiPlotAnnotationStyle::ipasTextBox);
        text->SetText(QStringLiteral("Peak"));
        text->SetX(25);
        text->SetY(90);
        text->SetBrushColor(clNavy);
        text->SetOuterMargin(2);
        plot->AddAnnotation();
        ellipse = plot->Annotation(1);
        ellipse->SetStyle(TiPlotAnnotationStyle::ipasEllipse2);
        ellipse->SetX(60);
        ellipse->SetY(35);
        ellipse->SetWidth(20);
        ellipse->SetHeight(15);
        ellipse->SetBrushStyle(TBrushStyle::bsClear);
        ellipse->SetPenColor(clYellow);

        cursor = plot->DataCursor(0);
        cursor->SetChannelName(channel->Name());
        cursor->SetDataView(view);
        cursor->SetVisible(true);
        cursor->SetPointer1Position(40);
        cursor->SetPointer2Position(30);
    }
    void Paint()
    {
        Canvas()->Brush()->SetColor(TColor(0x202020));
        Canvas()->FillRect(view->DrawRect());
        for (TiPlotObject* area : { static_cast<TiPlotObject*>(band), static_cast<TiPlotObject*>(line) }) {
            TCanvasSaver saver(*Canvas());
            Canvas()->IntersectClipRect(view->DrawRect());
            area->Draw(Canvas(), clBlack);
        }
        {
            TCanvasSaver saver(*Canvas());
            Canvas()->IntersectClipRect(view->DrawRect());
            plot->Channel(0)->DrawTrace(Canvas(), false, clBlack);
            for (TiPlotAnnotation* note : { text, ellipse }) {
                note->SetDataView(view);
                note->Draw(Canvas(), clBlack);
            }
            cursor->Draw(Canvas(), clBlack);
        }
        plot->Label(0)->Draw(Canvas(), clBlack);
        plot->ToolBar(0)->Draw(Canvas(), clBlack);
        plot->Legend(0)->Draw(Canvas(), clBlack);
        plot->Table(0)->Draw(Canvas(), clBlack);
        if (const QByteArray dir = qgetenv("ZQ9_PICTURE_DIR"); !dir.isEmpty())
            bitmap->Image().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("plot-decorations.png")));
    }
    bool AnyPixel(const TRect& r, TColor color)
    {
        for (int py = r.Top; py < r.Bottom; ++py)
            for (int px = r.Left; px < r.Right; ++px)
                if (Pixel(px, py) == color)
                    return true;
        return false;
    }
    TiPlotDataView* view { nullptr };
    TiPlotLimit* band { nullptr };
    TiPlotLimit* line { nullptr };
    TiPlotAnnotation* text { nullptr };
    TiPlotAnnotation* ellipse { nullptr };
    TiPlotDataCursor* cursor { nullptr };
};

TEST_F(PlotDecorationsPictureTest, EveryDecorationShowsInOnePicture)
{
    Compose();
    Paint();
    EXPECT_TRUE(AnyPixel(TRect(0, 24, 420, 60), ColorToRGB(clBtnFace))) << "toolbar face";
    EXPECT_EQ(Pixel(line->Line1ClickRect().Left + 5, 100), clRed) << "limit line at X 80";
    EXPECT_TRUE(AnyPixel(TRect(41, 200, 279, 249), clGreen)) << "hatched band";
    EXPECT_TRUE(AnyPixel(text->ClickRect(), clNavy)) << "text box";
    EXPECT_TRUE(AnyPixel(ellipse->DrawRect(), clYellow)) << "ellipse";
    EXPECT_TRUE(AnyPixel(cursor->Pointer1Rect(), clAqua)) << "cursor in the channel's colour";
    EXPECT_TRUE(cursor->HintShowing());
    EXPECT_TRUE(AnyPixel(TRect(285, 70, 420, 140), clFuchsia)) << "legend's dashed sample";
    EXPECT_TRUE(AnyPixel(plot->Table(0)->GridRect(), TColor(0x808080))) << "table grid";
    EXPECT_TRUE(AnyPixel(TRect(0, 0, 420, 24), clWhite)) << "title";
}

} // namespace
