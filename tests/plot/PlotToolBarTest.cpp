// The plot toolbar: its size and button places, the button groups, the actions with their events,
// the spacers that follow the buttons, the output hooks and the button pictures.

#include "DecorationTestSupport.h"

#include "plot/iPlotAxis.h"
#include "plot/iPlotDataCursor.h"
#include "plot/iPlotOutputHooks.h"
#include "plot/iPlotToolBar.h"

#include "platform/core/Exception.h"
#include "platform/images/BmpCodec.h"
#include "platform/ui/TImageList.h"

#include <QFile>

using namespace vcl;
using BT = TiPlotToolBarButtonType;

namespace {

class PlotToolBarTest : public ptest::DecorationTest
{
protected:
    void SetUp() override
    {
        DecorationTest::SetUp();
        toolBar = plot->ToolBar(0);
        toolBar->SetDrawRect(TRect(0, 0, 600, 36));
    }
    TiPlotToolBarButton* Button(BT type) { return toolBar->ButtonOfType(type); }
    // A press and release on the button, as the plot routes them.
    void Click(BT type)
    {
        toolBar->Draw(Canvas(), clBlack);
        const TRect r = Button(type)->DrawRect();
        Button(type)->iMouseDown(TMouseButton::mbLeft, TShiftState(), r.Left + 2, r.Top + 2, 0, 0, nullptr);
        Button(type)->iMouseUp(TMouseButton::mbLeft, TShiftState(), r.Left + 2, r.Top + 2, 0, 0, false, nullptr);
    }
    void RecordEvents()
    {
        plot->OnBeforeToolBarButtonClick = [this](TObject*, int index, BT type, bool& cancel) {
            events.push_back(QStringLiteral("before %1 %2").arg(index).arg(static_cast<int>(type)));
            cancel = cancelType == static_cast<int>(type);
        };
        plot->OnToolBarButtonClick = [this](TObject*, int index, BT type) {
            events.push_back(QStringLiteral("after %1 %2").arg(index).arg(static_cast<int>(type)));
        };
    }
    TiPlotToolBar* toolBar { nullptr };
    QStringList events;
    int cancelType { -1 };
};

TEST_F(PlotToolBarTest, ButtonsLieInARowOfNormalOrSmallSquares)
{
    struct Case { bool small; int required; int size; };
    for (const Case c : { Case { false, 36, 30 }, Case { true, 28, 22 } }) {
        toolBar->SetSmallButtons(c.small);
        EXPECT_EQ(toolBar->GetRequiredWidth(Canvas()), c.required);
        toolBar->Draw(Canvas(), clBlack);
        EXPECT_EQ(Button(BT::iptbbtResume)->DrawRect(), TRect(3, 3, 3 + c.size, 3 + c.size));
        EXPECT_EQ(Button(BT::iptbbtPause)->DrawRect().Left, 3 + c.size);
        // Resume, Pause, spacer, Scroll: the spacer is 10 wide.
        EXPECT_EQ(Button(BT::iptbbtScrollAxesMode)->DrawRect().Left, 3 + 2 * c.size + 10);
        // 12 buttons and 5 spacers are shown at start.
        EXPECT_EQ(Button(BT::iptbbtPrint)->DrawRect().Right, 3 + 12 * c.size + 5 * 10);
        EXPECT_EQ(toolBar->Pictures()->Width(), c.small ? 16 : 24);
    }
}

TEST_F(PlotToolBarTest, SpacersFollowTheirButtonsAndSelectSitsAfterTheZoomSpacer)
{
    toolBar->SetShowZoomBoxButton(false);
    toolBar->SetShowCursorButton(false);
    toolBar->SetShowSelectButton(true);
    toolBar->Draw(Canvas(), clBlack);
    const int zoomInRight = Button(BT::iptbbtZoomIn)->DrawRect().Right;
    EXPECT_EQ(Button(BT::iptbbtSelect)->DrawRect().Left, zoomInRight + 10);
    // No spacer of its own: Edit follows Select directly.
    EXPECT_EQ(Button(BT::iptbbtEdit)->DrawRect().Left, zoomInRight + 10 + 30);
}

TEST_F(PlotToolBarTest, AxesModeButtonsExcludeEachOtherAndSetEveryAxis)
{
    plot->AddXAxis();
    EXPECT_TRUE(Button(BT::iptbbtScrollAxesMode)->Down());
    Click(BT::iptbbtZoomAxesMode);
    EXPECT_TRUE(Button(BT::iptbbtZoomAxesMode)->Down());
    EXPECT_FALSE(Button(BT::iptbbtScrollAxesMode)->Down());
    for (TiPlotAxis* axis : { static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->XAxis(1)),
                              static_cast<TiPlotAxis*>(plot->YAxis(0)) })
        EXPECT_EQ(axis->Mode(), TiPlotAxisMode::ipamZoom);
    Click(BT::iptbbtScrollAxesMode);
    EXPECT_EQ(plot->YAxis(0)->Mode(), TiPlotAxisMode::ipamScroll);
    EXPECT_FALSE(Button(BT::iptbbtZoomAxesMode)->Down());
}

TEST_F(PlotToolBarTest, ZoomInPausesFirstAndCanBeCancelled)
{
    RecordEvents();
    const double span = plot->XAxis(0)->Span();
    Click(BT::iptbbtZoomIn);
    EXPECT_EQ(events, (QStringList { "before 0 7", "before 0 1", "after 0 1", "after 0 7" }));
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Span(), span / 2);
    EXPECT_FALSE(plot->XAxis(0)->TrackingEnabled());

    plot->XAxis(0)->SetTrackingEnabled(true); // resumes the span it had when the zoom paused it
    ASSERT_DOUBLE_EQ(plot->XAxis(0)->Span(), span);
    events.clear();
    cancelType = static_cast<int>(BT::iptbbtZoomIn);
    Click(BT::iptbbtZoomIn);
    EXPECT_EQ(events, (QStringList { "before 0 7" }));
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Span(), span);
    EXPECT_TRUE(plot->XAxis(0)->TrackingEnabled());
}

TEST_F(PlotToolBarTest, ZoomFactorBelowOneIsOne)
{
    toolBar->SetZoomInOutFactor(0.5);
    EXPECT_EQ(toolBar->ZoomInOutFactor(), 1.0);
    toolBar->SetZoomInOutFactor(4.0);
    const double span = plot->YAxis(0)->Span();
    toolBar->DoButtonClickZoomOut();
    EXPECT_DOUBLE_EQ(plot->YAxis(0)->Span(), span * 4);
}

TEST_F(PlotToolBarTest, ZoomBoxReleasesSelectWhichEndsSelectMode)
{
    toolBar->SetShowSelectButton(true);
    Click(BT::iptbbtSelect);
    EXPECT_TRUE(toolBar->SelectActive());
    EXPECT_FALSE(plot->XAxis(0)->TrackingEnabled());
    Click(BT::iptbbtZoomBox);
    EXPECT_FALSE(toolBar->SelectActive());
    EXPECT_TRUE(toolBar->ZoomBoxActive());
}

TEST_F(PlotToolBarTest, SelectOnASecondToolBarBringsToolBarZeroIntoStep)
{
    TiPlotToolBar* second = plot->ToolBar(plot->AddToolBar());
    second->DoButtonClickSelect();
    EXPECT_TRUE(toolBar->SelectActive());
    second->DoButtonClickSelect();
    EXPECT_FALSE(toolBar->SelectActive());
}

TEST_F(PlotToolBarTest, CursorButtonShowsTheCursorsAndResumeTurnsThemOff)
{
    Click(BT::iptbbtCursor);
    EXPECT_TRUE(toolBar->CursorActive());
    EXPECT_TRUE(plot->DataCursor(0)->Visible());
    EXPECT_TRUE(plot->DataCursor(0)->UserSelected());
    EXPECT_FALSE(plot->YAxis(0)->TrackingEnabled());
    Click(BT::iptbbtResume);
    EXPECT_FALSE(toolBar->CursorActive());
    EXPECT_FALSE(plot->DataCursor(0)->Visible());
    EXPECT_TRUE(plot->YAxis(0)->TrackingEnabled());
}

TEST_F(PlotToolBarTest, OutputButtonsRunThePlotsOutputAndEditorOrSayTheyAreMissing)
{
    RecordEvents();
    EXPECT_THROW(toolBar->DoButtonClickPreview(), Exception);
    EXPECT_EQ(events, (QStringList { "before 0 13" }));
    int previews = 0;
    TiPlotOutputHooks::ShowPreview = [&](TiPlotComponent& shown) {
        EXPECT_EQ(&shown, plot);
        ++previews;
    };
    events.clear();
    toolBar->DoButtonClickPreview();
    TiPlotOutputHooks::ShowPreview = nullptr;
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(events, (QStringList { "before 0 13", "after 0 13" }));

    events.clear();
    plot->EditPropertiesHook = nullptr; // a plot opens its editor unless the hook is taken away
    try {
        toolBar->DoButtonClickEdit();
        FAIL() << "no editor installed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("The property editor is not available in this plot"));
    }
    int edited = 0;
    plot->EditPropertiesHook = [&] { ++edited; };
    events.clear();
    toolBar->DoButtonClickEdit();
    EXPECT_EQ(edited, 1);
    EXPECT_EQ(events, (QStringList { "before 0 9" })) << "Edit fires no after-event";
}

TEST_F(PlotToolBarTest, EveryButtonPictureIsShippedAtBothSizesOnTheMaskColour)
{
    const QStringList names { "AUTO", "PAUSE", "SCROLL", "ZOOM", "ZOOMOUT", "ZOOMIN", "SELECT", "SCROLLBOX",
                              "CURSOR", "PROPERTIES", "COPY", "SAVE", "PRINTER", "PREVIEW" };
    for (const QString& name : names) {
        for (auto [prefix, size] : { std::pair<QString, int>(QString(), 24), { QStringLiteral("SMALL"), 16 } }) {
            QFile file(QStringLiteral(":/zq9/toolbar/") + prefix + name + QStringLiteral(".bmp"));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << (prefix + name).toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(bytes.at(28), 4) << "16 colours";
            const QImage image = BmpCodec::Decode(bytes);
            EXPECT_EQ(image.size(), QSize(size, size));
            EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x008080u) << "mask colour in the corner";
        }
    }
    // Every button draws its picture.
    toolBar->SetShowSelectButton(true);
    toolBar->SetShowPreviewButton(true);
    toolBar->Draw(Canvas(), clBlack);
    for (int i = 0; i < toolBar->ButtonCount(); ++i) {
        if (toolBar->Button(i)->Style() == TiPlotToolBarButtonStyle::iptbbsButton) {
            EXPECT_GE(toolBar->Button(i)->ImageIndex(), 0);
        }
    }
}

} // namespace

namespace {

// A click on the plot control itself reaches the button under the mouse through the plot's routing.
TEST_F(PlotToolBarTest, ClickOnThePlotWindowPressesTheButtonUnderTheMouse)
{
    form->Show();
    toolBar->Draw(Canvas(), clBlack);
    RecordEvents();
    const TRect zoom = Button(BT::iptbbtZoomAxesMode)->DrawRect();
    ptest::Mouse(plot, QEvent::MouseButtonPress, zoom.Left + 5, zoom.Top + 5);
    ptest::Mouse(plot, QEvent::MouseButtonRelease, zoom.Left + 5, zoom.Top + 5);
    EXPECT_TRUE(Button(BT::iptbbtZoomAxesMode)->Down());
    EXPECT_FALSE(Button(BT::iptbbtScrollAxesMode)->Down());
    EXPECT_EQ(events, (QStringList { "before 0 3", "after 0 3" }));
}

} // namespace
