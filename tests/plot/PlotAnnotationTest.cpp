// Plot annotations: where shapes and texts land, what can be grabbed, moving and resizing with the
// mouse and the order of their events, and clipping.

#include "DecorationTestSupport.h"

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotToolBar.h"

using namespace vcl;
using AS = TiPlotAnnotationStyle;

namespace {

// Data view 0 is (10, 10, 110, 110): percent p lies at x 10 + p and y 110 - p.
class PlotAnnotationTest : public ptest::DecorationTest
{
protected:
    void SetUp() override
    {
        DecorationTest::SetUp();
        PlaceAxes();
        plot->AddAnnotation();
        note = plot->Annotation(0);
        note->SetDataView(plot->DataView(0));
        note->SetBrushColor(clRed);
        note->SetPenColor(clRed);
        note->SetSelectModeOnlyInteraction(false);
        for (auto [event, name] : { std::pair(&plot->OnAnnotationCoordinatesChange, "coordinates"),
                                    { &plot->OnAnnotationMoveUser, "move" },
                                    { &plot->OnAnnotationResizeUser, "resize" },
                                    { &plot->OnAnnotationCoordinatesChangeFinished, "finished" } })
            *event = [this, name](TObject*, int) { events << QString::fromLatin1(name); };
    }
    void Rectangle2(double x, double y, double x2, double y2)
    {
        note->SetStyle(AS::ipasRectangle2);
        note->SetX(x);
        note->SetY(y);
        note->SetX2(x2);
        note->SetY2(y2);
    }
    void Drag(int x0, int y0, int x1, int y1)
    {
        note->SetUserSelected(true);
        note->iMouseDown(TMouseButton::mbLeft, TShiftState(), x0, y0, 0, 0, nullptr);
        TiHintData hint;
        note->iMouseMove(hint, TShiftState(), x1, y1, 0, 0, false);
        note->iMouseUp(TMouseButton::mbLeft, TShiftState(), x1, y1, 0, 0, false, nullptr);
    }
    TiPlotAnnotation* note { nullptr };
    QStringList events;
};

TEST_F(PlotAnnotationTest, TextStartsOneLetterRightOfItsAnchorWhenLeftAligned)
{
    note->SetText(QStringLiteral("Hi")); // 12 x 10
    note->SetX(50);
    note->SetY(50); // anchor (60, 60)
    note->SetTextHorzAlignment(TiAlignmentHorizontal::iahLeft);
    note->Draw(Canvas(), clBlack);
    EXPECT_EQ(note->ClickRect(), TRect(66, 55, 78, 65));
    note->SetTextVertAlignment(TiAlignmentVertical::iavBottom); // 10 + 5 up
    note->Draw(Canvas(), clBlack);
    EXPECT_EQ(note->ClickRect(), TRect(66, 40, 78, 50));
}

TEST_F(PlotAnnotationTest, ShapeOutsideTheViewIsNeitherDrawnNorHit)
{
    Rectangle2(120, 120, 140, 140);
    note->Draw(Canvas(), clBlack);
    EXPECT_FALSE(note->Showing());
    EXPECT_FALSE(note->HitTest(135, 0));
    note->SetStyle(AS::ipasPolygon);
    note->PolyPointAdd(50, 50);
    note->Draw(Canvas(), clBlack);
    EXPECT_FALSE(note->Showing()) << "one vertex";
    note->PolyPointAdd(60, 70);
    note->PolyPointAdd(70, 50);
    note->Draw(Canvas(), clBlack);
    EXPECT_TRUE(note->Showing());
    EXPECT_EQ(note->ClickRect(), TRect(60, 40, 80, 60));
}

TEST_F(PlotAnnotationTest, GrabbedOnlyInSelectModeByDefault)
{
    Rectangle2(20, 20, 40, 40);
    note->SetSelectModeOnlyInteraction(true);
    note->Draw(Canvas(), clBlack);
    EXPECT_FALSE(note->HitTest(40, 80));
    plot->ToolBar(0)->DoButtonClickSelect();
    EXPECT_TRUE(note->HitTest(40, 80));
}

TEST_F(PlotAnnotationTest, MovingARectangleKeepsItsSize)
{
    Rectangle2(20, 20, 40, 40); // (30, 70) - (50, 90)
    note->SetUserCanMove(true);
    note->Draw(Canvas(), clBlack);
    events.clear();
    Drag(40, 80, 50, 70);
    EXPECT_DOUBLE_EQ(note->X(), 30);
    EXPECT_DOUBLE_EQ(note->Y(), 30);
    EXPECT_DOUBLE_EQ(note->X2() - note->X(), 20);
    EXPECT_DOUBLE_EQ(note->Y2() - note->Y(), 20);
    EXPECT_EQ(events, (QStringList { "coordinates", "coordinates", "coordinates", "coordinates", "move",
                                     "coordinates", "finished" }));
}

TEST_F(PlotAnnotationTest, ResizingFromTheBottomRightGripKeepsTheOppositeCorner)
{
    note->SetStyle(AS::ipasRectangle);
    note->SetX(50);
    note->SetY(50);
    note->SetWidth(20);
    note->SetHeight(20); // (50, 50) - (70, 70)
    note->SetUserCanSize(true);
    note->SetUserSelected(true);
    note->Draw(Canvas(), clBlack);
    EXPECT_EQ(note->SizeBottomRightRect(), TRect(67, 67, 73, 73));
    EXPECT_EQ(note->GetMouseCursor(TPoint(70, 70)), crSizeNWSE);
    EXPECT_EQ(note->GetMouseCursor(TPoint(50, 70)), crSizeNESW);
    EXPECT_EQ(note->GetMouseCursor(TPoint(60, 60)), crHandPoint);
    events.clear();
    Drag(70, 70, 80, 80);
    EXPECT_DOUBLE_EQ(note->X(), 55);
    EXPECT_DOUBLE_EQ(note->Y(), 45);
    EXPECT_DOUBLE_EQ(note->Width(), 30);
    EXPECT_DOUBLE_EQ(note->Height(), 30);
    EXPECT_EQ(events.mid(events.size() - 3), (QStringList { "coordinates", "resize", "finished" }));
    note->Draw(Canvas(), clBlack);
    EXPECT_EQ(note->DrawRect(), TRect(50, 50, 80, 80));
}

TEST_F(PlotAnnotationTest, ClippingWithoutAChannelFrameStopsAtTheDataView)
{
    Rectangle2(-50, -50, 150, 150);
    note->Draw(Canvas(), clBlack);
    EXPECT_EQ(Pixel(5, 5), clRed);
    EXPECT_EQ(Pixel(60, 60), clRed);

    Canvas()->Brush()->SetColor(clBlack);
    Canvas()->FillRect(TRect(0, 0, 400, 300));
    note->SetClipToAxes(true);
    {
        TCanvasSaver saver(*Canvas());
        note->Draw(Canvas(), clBlack);
    }
    EXPECT_EQ(Pixel(5, 5), clBlack);
    EXPECT_EQ(Pixel(60, 60), clRed);
}

TEST_F(PlotAnnotationTest, ChannelFrameFollowsTheChannelsAxes)
{
    note->SetReference(TiPlotReferenceType::iprtChannel);
    note->SetChannelName(plot->Channel(0)->Name());
    note->SetStyle(AS::ipasLineX);
    note->SetX(25); // x 35 on X-Axis 1
    note->Draw(Canvas(), clBlack);
    EXPECT_EQ(note->ClickRect(), TRect(30, 10, 41, 110));
    note->SetChannelName(QStringLiteral("missing"));
    note->Draw(Canvas(), clBlack);
    EXPECT_FALSE(note->Showing());
}

} // namespace

namespace {

// The same move made with the mouse on the plot window: the plot's routing selects the annotation
// on the press and hands it the drag.
TEST_F(PlotAnnotationTest, MouseOnThePlotWindowMovesTheAnnotation)
{
    form->Show();
    Rectangle2(20, 20, 40, 40);
    note->SetUserCanMove(true);
    note->Draw(Canvas(), clBlack);
    events.clear();
    ptest::Mouse(plot, QEvent::MouseButtonPress, 40, 80);
    ptest::Mouse(plot, QEvent::MouseMove, 45, 75);
    ptest::Mouse(plot, QEvent::MouseMove, 50, 70);
    ptest::Mouse(plot, QEvent::MouseButtonRelease, 50, 70);
    EXPECT_DOUBLE_EQ(note->X(), 30);
    EXPECT_DOUBLE_EQ(note->Y2(), 50);
    ASSERT_FALSE(events.isEmpty());
    EXPECT_EQ(events.last(), QStringLiteral("finished"));
    EXPECT_EQ(events.count(QStringLiteral("move")), 2);
}

} // namespace
