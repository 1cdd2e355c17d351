// The plot control: a new XY plot's default objects and settings, the per-kind operations with
// their errors and events, the title through label 0, and painting on a form.

#include "PlotTestSupport.h"

#include "plot/iPlot.h"
#include "plot/iXYPlot.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

class XYPlotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 600, 300);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
    }
    void TearDown() override { delete form; }

    TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
};

TEST_F(XYPlotTest, NewPlotHoldsItsDefaultObjects)
{
    EXPECT_EQ(plot->Width(), 500);
    EXPECT_EQ(plot->Height(), 200);
    EXPECT_EQ(plot->BackGroundColor(), clBlack);
    EXPECT_EQ(plot->BorderStyle(), TiBevelStyle::ibsLowered);
    EXPECT_TRUE(plot->AutoFrameRate());
    EXPECT_EQ(plot->UpdateFrameRate(), 60);
    EXPECT_EQ(plot->PrintDocumentName(), QStringLiteral("Untitled"));
    EXPECT_EQ(plot->OuterMarginLeft(), 5);
    EXPECT_TRUE(plot->UserCanEditObjects());
    EXPECT_EQ(plot->DataViewZHorz(), 1);
    EXPECT_EQ(plot->DataViewZVert(), 1);

    struct Kind { int count; QString name; };
    const Kind kinds[] = {
        { plot->ToolBarCount(), plot->ToolBar(0)->Name() },   { plot->LegendCount(), plot->Legend(0)->Name() },
        { plot->XAxisCount(), plot->XAxis(0)->Name() },       { plot->YAxisCount(), plot->YAxis(0)->Name() },
        { plot->ChannelCount(), plot->Channel(0)->Name() },   { plot->DataViewCount(), plot->DataView(0)->Name() },
        { plot->DataCursorCount(), plot->DataCursor(0)->Name() }, { plot->LabelCount(), plot->Label(0)->Name() },
    };
    const char* names[] = { "Toolbar 1", "Legend 1", "X-Axis 1", "Y-Axis 1", "Channel 1", "Data View 1", "Cursor 1",
                            "Title" };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(kinds[i].count, 1) << names[i];
        EXPECT_EQ(kinds[i].name, QString::fromLatin1(names[i]));
    }
    EXPECT_EQ(plot->TableCount() + plot->LimitCount() + plot->AnnotationCount(), 0);

    EXPECT_EQ(plot->ToolBar(0)->ZOrder(), 3);
    EXPECT_EQ(plot->Legend(0)->ZOrder(), 2);
    EXPECT_EQ(plot->Label(0)->ZOrder(), 2);
    EXPECT_EQ(plot->Label(0)->Caption(), QStringLiteral("Untitled"));
    EXPECT_EQ(plot->Label(0)->MarginBottom(), 0.0);
    EXPECT_EQ(plot->TitleText(), QStringLiteral("Untitled"));
    EXPECT_TRUE(plot->TitleVisible());
    EXPECT_NE(dynamic_cast<TiXYPlotChannel*>(plot->Channel(0)), nullptr);
    EXPECT_EQ(plot->Channel(0)->Color(), clRed);
    EXPECT_EQ(plot->Channel(0)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_FALSE(plot->DataCursor(0)->Visible());

    // Laid out once the construction enabled the layout manager again.
    TiPlotLayoutManager* layout = plot->Master()->LayoutManager();
    EXPECT_TRUE(layout->Enabled());
    EXPECT_EQ(layout->BottomList().Count(), 1);
    EXPECT_EQ(layout->BottomList().Objects(0), plot->XAxis(0));
    EXPECT_EQ(layout->LeftList().Objects(0), plot->YAxis(0));
    EXPECT_EQ(layout->RightList().Objects(0), plot->Legend(0));
    EXPECT_EQ(layout->TopList().Count(), 2);
    EXPECT_EQ(layout->TopUniqueCount(), 2);
}

TEST_F(XYPlotTest, TitleLabelCannotBeDeleted)
{
    plot->AddLabel();
    plot->AddLabel();
    try {
        plot->DeleteLabel(0);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    }
    EXPECT_EQ(plot->LabelCount(), 3);
    plot->RemoveAllLabels();
    EXPECT_EQ(plot->LabelCount(), 1);
    EXPECT_EQ(plot->Label(0)->Name(), QStringLiteral("Title"));

    plot->SetTitleText(QStringLiteral("Compressor"));
    EXPECT_EQ(plot->Label(0)->Caption(), QStringLiteral("Compressor"));
    plot->SetTitleMargin(0.5);
    EXPECT_EQ(plot->TitleMargin(), 0.5);
}

TEST_F(XYPlotTest, LookUpsByIndexAndName)
{
    EXPECT_EQ(plot->GetChannelIndexByName(QStringLiteral("channel 1")), 0);
    EXPECT_EQ(plot->GetChannelIndexByName(QStringLiteral("Channel 9")), -1);
    EXPECT_EQ(plot->GetChannelByName(QStringLiteral("Channel 9")), nullptr);
    EXPECT_EQ(plot->GetXAxisByName(QStringLiteral("X-AXIS 1")), plot->XAxis(0));
    EXPECT_EQ(plot->GetLegendIndexByName(QStringLiteral("Legend 1")), 0);
    try {
        plot->Channel(3);
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (3)"));
    }
    EXPECT_THROW(plot->DeleteYAxis(1), EListError);
    EXPECT_EQ(plot->YAxisCount(), 1);
}

TEST_F(XYPlotTest, ChannelOfAnotherClassIsAnInvalidCast)
{
    plot->Master()->SetChannelClass(&TiPlotChannel::Construct);
    const int strip = plot->AddChannel();
    EXPECT_THROW(plot->Channel(strip), EInvalidCast);
    EXPECT_NE(plot->TiPlotComponent::Channel(strip), nullptr);
}

TEST_F(XYPlotTest, AddAndDeleteFireTheKindEventsWithTheIndex)
{
    std::vector<QString> events;
    plot->OnAddChannel = [&](TObject*, int i) { events.push_back(QStringLiteral("add %1").arg(i)); };
    plot->OnRemoveChannel = [&](TObject*, int i) {
        events.push_back(QStringLiteral("remove %1 of %2").arg(i).arg(plot->ChannelCount()));
    };
    plot->OnAddXAxis = [&](TObject*, int i) { events.push_back(QStringLiteral("axis %1").arg(i)); };
    EXPECT_EQ(plot->AddChannel(), 1);
    plot->AddXAxis();
    plot->AddToolBar(); // toolbars report nothing
    plot->DeleteChannel(0);
    EXPECT_EQ(events, (std::vector<QString> { "add 1", "axis 1", "remove 0 of 2" }));
    EXPECT_EQ(plot->Channel(0)->Name(), QStringLiteral("Channel 2"));
    plot->RemoveAllChannels();
    EXPECT_EQ(plot->ChannelCount(), 0);
    EXPECT_EQ(plot->GetObjectManager()->GetIndexByName(QStringLiteral("Channel 2")), -1);
}

TEST_F(XYPlotTest, NewAnnotationTakesThePlotDefaults)
{
    plot->SetAnnotationDefaultPenColor(clRed);
    plot->SetAnnotationDefaultPenWidth(3);
    plot->SetAnnotationDefaultReference(TiPlotReferenceType::iprtChannel);
    plot->AnnotationDefaultFont()->SetSize(17);
    TiPlotAnnotation* annotation = plot->Annotation(plot->AddAnnotation());
    EXPECT_EQ(annotation->PenColor(), clRed);
    EXPECT_EQ(annotation->PenWidth(), 3);
    EXPECT_EQ(annotation->Reference(), TiPlotReferenceType::iprtChannel);
    EXPECT_EQ(annotation->Font()->Size(), 17);
    EXPECT_EQ(annotation->Font()->Color(), clWhite);
}

TEST_F(XYPlotTest, TranslationsReachTheObjectsAndTheLatestEntryWins)
{
    EXPECT_EQ(plot->Channel(0)->TranslateString(QStringLiteral("Edit...")), QStringLiteral("Edit..."));
    EXPECT_EQ(plot->AddTranslation(QStringLiteral("Edit..."), QStringLiteral("Bearbeiten...")), 0);
    EXPECT_EQ(plot->AddTranslation(QStringLiteral("Edit..."), QStringLiteral("Modifier...")), 0);
    EXPECT_EQ(plot->TranslationCount(), 2);
    EXPECT_EQ(plot->GetTranslationReplacementString(1), QStringLiteral("Bearbeiten..."));
    EXPECT_EQ(plot->Channel(0)->TranslateString(QStringLiteral("Edit...")), QStringLiteral("Modifier..."));
    plot->DeleteTranslation(0);
    EXPECT_EQ(plot->XAxis(0)->TranslateString(QStringLiteral("Edit...")), QStringLiteral("Bearbeiten..."));
    EXPECT_THROW(plot->GetTranslationOriginalString(1), EListError);
    plot->RemoveAllTranslations();
    EXPECT_EQ(plot->TranslationCount(), 0);
    EXPECT_EQ(plot->GetObjectManager()->Count(), 10); // entries are no plot objects
}

TEST_F(XYPlotTest, StripChartHoldsStripChannelsAndEndsItsUpdateBlock)
{
    TiPlot strip(form);
    EXPECT_NE(strip.Channel(0), nullptr);
    EXPECT_FALSE(strip.UpdateActive());
    EXPECT_EQ(strip.ToolBar(0)->ZOrder(), 3);
    EXPECT_EQ(strip.Label(0)->Caption(), QStringLiteral("Untitled"));
}

TEST_F(XYPlotTest, PaintsBlackBackgroundWithLoweredBorderOnItsForm)
{
    form->Show();
    ptest::Settle();
    const QImage img = plot->grab().toImage();
    ASSERT_EQ(img.width(), 500);
    EXPECT_EQ(FromQColor(img.pixelColor(0, 0)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(img.pixelColor(499, 199)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(FromQColor(img.pixelColor(250, 100)), clBlack);

    plot->SetBackGroundGradientEnabled(true);
    plot->ToolBar(0)->SetVisible(false); // the toolbar would cover the top rows
    const QImage gradient = plot->grab().toImage();
    EXPECT_EQ(FromQColor(gradient.pixelColor(3, 2)), 0xFC0000); // row 2 of 199 steps from blue to black
    EXPECT_EQ(FromQColor(gradient.pixelColor(0, 0)), ColorToRGB(clBtnShadow));
}

} // namespace
