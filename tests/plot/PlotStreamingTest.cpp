// The plot in a form stream: every object and the translation table come back, a stream without a
// collection keeps the constructor's objects, the toolbar steps away from the title, and a failed
// read or write leaves the layout manager on and no update block open.

#include "PlotTestSupport.h"

#include "plot/iXYPlot.h"

#include "platform/core/Exception.h"
#include "platform/core/TReader.h"
#include "platform/core/TWriter.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

// A stream that takes only so many bytes, as a full disk would.
class ShortStream : public TMemoryStream
{
public:
    explicit ShortStream(std::int64_t limit) : m_limit(limit) {}
    std::int64_t Write(const void* Buffer, std::int64_t Count) override
    {
        if (Position() + Count > m_limit)
            return 0;
        return TMemoryStream::Write(Buffer, Count);
    }

private:
    std::int64_t m_limit;
};

class PlotStreamingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 600, 300);
    }
    void TearDown() override { delete form; }

    TiXYPlot* NewPlot()
    {
        auto* plot = new TiXYPlot(form);
        plot->SetParent(form);
        return plot;
    }
    static QByteArray Write(TiXYPlot* plot)
    {
        TMemoryStream stream;
        TWriter writer(stream);
        writer.WriteRootComponent(*plot);
        return stream.Bytes();
    }
    static void Read(const QByteArray& bytes, TiXYPlot* plot)
    {
        TMemoryStream stream;
        stream.SetBytes(bytes);
        TReader reader(stream);
        reader.ReadRootComponent(*plot);
    }
    static QStringList Names(const TiPlotObjectManagerCustom* manager)
    {
        QStringList names;
        for (int i = 0; i < manager->Count(); ++i)
            names << manager->Items(i)->Name();
        return names;
    }
    static void ExpectSettled(TiXYPlot* plot)
    {
        EXPECT_TRUE(plot->Master()->LayoutManager()->Enabled());
        EXPECT_FALSE(plot->UpdateActive());
        EXPECT_FALSE(plot->ComponentState().Contains(TComponentStateItem::csLoading));
    }

    TForm* form { nullptr };
};

TEST_F(PlotStreamingTest, RoundTripKeepsEveryObjectAndTheTranslations)
{
    TiXYPlot* source = NewPlot();
    source->AddChannel();
    source->Channel(1)->SetName("Gate");
    source->Channel(1)->SetColor(clLime);
    source->AddYAxis();
    source->AddLimit();
    source->AddLabel();
    source->Label(1)->SetCaption("Second line");
    source->AddAnnotation();
    source->SetDataViewZVert(4);
    source->AddTranslation("Zoom", "Zoomen");
    source->AddTranslation("Edit", "Bearbeiten");

    TiXYPlot* target = NewPlot();
    Read(Write(source), target);

    TiPlotMasterManager& s = *source->Master();
    TiPlotMasterManager& t = *target->Master();
    EXPECT_EQ(Names(t.ChannelManager()), Names(s.ChannelManager()));
    EXPECT_EQ(Names(t.ChannelManager()), QStringList({ "Channel 1", "Gate" }));
    EXPECT_EQ(Names(t.YAxisManager()), Names(s.YAxisManager()));
    EXPECT_EQ(Names(t.XAxisManager()), Names(s.XAxisManager()));
    EXPECT_EQ(Names(t.LimitManager()), Names(s.LimitManager()));
    EXPECT_EQ(Names(t.LabelManager()), Names(s.LabelManager()));
    EXPECT_EQ(Names(t.ToolBarManager()), Names(s.ToolBarManager()));
    EXPECT_EQ(Names(t.LegendManager()), Names(s.LegendManager()));
    EXPECT_EQ(Names(t.DataViewManager()), Names(s.DataViewManager()));
    EXPECT_EQ(Names(t.DataCursorManager()), Names(s.DataCursorManager()));
    EXPECT_EQ(target->Channel(1)->Color(), clLime);
    EXPECT_EQ(target->Label(0)->Caption(), "Untitled");
    EXPECT_EQ(target->Label(1)->Caption(), "Second line");
    EXPECT_EQ(target->DataViewZVert(), 4);
    EXPECT_EQ(target->AnnotationCount(), 0); // annotations live in their own files
    EXPECT_EQ(t.ObjectManager()->Count(), s.ObjectManager()->Count() - 1);

    ASSERT_EQ(target->TranslationCount(), 2);
    EXPECT_EQ(target->TranslateString("Zoom"), "Zoomen");
    // Entries come back in reverse order of the stream.
    EXPECT_EQ(target->GetTranslationOriginalString(0), "Zoom");
    ExpectSettled(target);
    ExpectSettled(source);
}

TEST_F(PlotStreamingTest, ACollectionMissingFromTheStreamKeepsTheDefaultObjects)
{
    TiXYPlot* source = NewPlot();
    source->RemoveAllChannels();
    const QByteArray bytes = Write(source);
    EXPECT_EQ(bytes.indexOf("ChannelManager"), -1);
    EXPECT_EQ(bytes.indexOf("TranslationManager"), -1);
    EXPECT_NE(bytes.indexOf("LabelManager"), -1);

    TiXYPlot* target = NewPlot();
    Read(bytes, target);
    EXPECT_EQ(target->ChannelCount(), 1);
    EXPECT_EQ(target->Channel(0)->Name(), "Channel 1");
}

TEST_F(PlotStreamingTest, ToolBarSharingTheTitlesPlaceMovesOneStepOut)
{
    TiXYPlot* source = NewPlot();
    source->ToolBar(0)->SetHorizontal(true);
    source->ToolBar(0)->SetZOrder(2);
    source->Label(0)->SetHorizontal(true);
    source->Label(0)->SetZOrder(2);
    TMemoryStream stream;
    {
        TWriter writer(stream);
        // The repair follows the write, so the stream itself still holds ZOrder 2 for both.
        writer.WriteRootComponent(*source);
    }
    TiXYPlot* target = NewPlot();
    Read(stream.Bytes(), target);
    EXPECT_TRUE(target->ToolBar(0)->Horizontal());
    EXPECT_EQ(target->Label(0)->ZOrder(), 2);
    EXPECT_EQ(target->ToolBar(0)->ZOrder(), 3);
}

TEST_F(PlotStreamingTest, FailedReadsAndWritesLeaveTheLayoutOnAndTheUpdateClosed)
{
    TiXYPlot* source = NewPlot();
    source->AddChannel();
    QByteArray bytes = Write(source);
    // An unknown property inside the channel collection.
    const auto at = bytes.indexOf("\x04Name", bytes.indexOf("ChannelManager"));
    ASSERT_GT(at, 0);
    bytes.replace(at + 1, 4, "Nane");

    TiXYPlot* target = NewPlot();
    try {
        Read(bytes, target);
        ADD_FAILURE() << "read a garbled stream";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Property Nane does not exist");
    }
    ExpectSettled(target);
    EXPECT_EQ(target->ChannelCount(), 0); // the collection was cleared before its items failed

    TiXYPlot* truncated = NewPlot();
    EXPECT_THROW(Read(bytes.left(bytes.size() / 2), truncated), EReadError);
    EXPECT_EQ(truncated->ChannelCount(), 1); // checked before anything was applied
    ExpectSettled(truncated);

    ShortStream full(bytes.size() - 10);
    TWriter writer(full);
    EXPECT_THROW(writer.WriteRootComponent(*source), EWriteError);
    ExpectSettled(source);
}

TEST_F(PlotStreamingTest, ImageListsTravelAsPngPicturesWhenTheyHoldAny)
{
    TiXYPlot* source = NewPlot();
    QByteArray bytes = Write(source);
    EXPECT_EQ(bytes.indexOf("ImageList"), -1);

    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    picture.setPixel(3, 4, qRgb(255, 0, 0));
    source->ImageList(1)->Add(picture);
    bytes = Write(source);
    EXPECT_EQ(bytes.indexOf("ImageList0"), -1);
    EXPECT_NE(bytes.indexOf("ImageList1"), -1);
    EXPECT_EQ(bytes.indexOf("ImageList2"), -1);

    TiXYPlot* target = NewPlot();
    Read(bytes, target);
    ASSERT_EQ(target->ImageList(1)->Count(), 1);
    EXPECT_EQ(target->ImageList(1)->Image(0).pixel(3, 4), qRgb(255, 0, 0));
    EXPECT_EQ(target->ImageList(1)->Image(0).pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(target->ImageList(0)->Count(), 0);

    // A picture whose PNG signature is spoiled.
    QByteArray spoiled = bytes;
    const auto png = spoiled.indexOf("\x89PNG");
    ASSERT_GT(png, 0);
    spoiled[png + 1] = 'X';
    TiXYPlot* other = NewPlot();
    try {
        Read(spoiled, other);
        ADD_FAILURE() << "read a spoiled picture";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Failed to read ImageList data from stream");
    }
    EXPECT_EQ(other->ImageList(1)->Count(), 0);
    ExpectSettled(other);

    try {
        source->ImageList(3);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "ImageList Index must be 0-2");
    }
}

} // namespace

TEST_F(PlotStreamingTest, AxisScaleAndLabelSettingsTravelWithThePlot)
{
    TiXYPlot* source = NewPlot();
    TiPlotXAxis* axis = source->XAxis(0);
    axis->SetMinSpan(5, 120);
    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    axis->SetDesiredStart(20);
    axis->SetDesiredIncrement(20);
    axis->SetMinorCount(4);
    axis->SetLabelSeparation(0);
    axis->SetLabelsPrecision(2);
    axis->SetLabelsPrecisionStyle(TiPrecisionStyle::ipsFixedDecimalPoints);
    axis->SetLabelsFormatStyle(TiPlotTextFormat::iptfDateTime);
    axis->SetDateTimeFormat(QStringLiteral("Jhh:nn"));
    axis->SetLabelsRotation(TiRotationAngle::ira090);
    axis->SetInnerMargin(2);
    axis->SetScaleLinesShow(false);

    TiXYPlot* target = NewPlot();
    Read(Write(source), target);
    const TiPlotXAxis* read = target->XAxis(0);
    EXPECT_EQ(read->Min(), 5);
    EXPECT_EQ(read->ScaleType(), TiPlotScaleType::ipstLog10);
    EXPECT_EQ(read->DesiredStart(), 20);
    EXPECT_EQ(read->DesiredIncrement(), 20);
    EXPECT_EQ(read->MinorCount(), 4);
    EXPECT_EQ(read->LabelSeparation(), 0);
    EXPECT_EQ(read->LabelsPrecision(), 2);
    EXPECT_EQ(read->LabelsPrecisionStyle(), TiPrecisionStyle::ipsFixedDecimalPoints);
    EXPECT_EQ(read->LabelsFormatStyle(), TiPlotTextFormat::iptfDateTime);
    EXPECT_EQ(read->DateTimeFormat(), QStringLiteral("Jhh:nn"));
    EXPECT_EQ(read->LabelsRotation(), TiRotationAngle::ira090);
    EXPECT_EQ(read->InnerMargin(), 2);
    EXPECT_FALSE(read->ScaleLinesShow());
}

TEST_F(PlotStreamingTest, AnchorsSizeLimitsAndTabOrderTravelWithThePlot)
{
    TiXYPlot* source = NewPlot();
    TiXYPlot* target = NewPlot();
    const QByteArray plain = Write(source);
    for (const char* name : { "Anchors", "Constraints.MinHeight", "TabStop" })
        EXPECT_FALSE(plain.contains(QByteArray(1, char(qstrlen(name))) + name)) << name;
    EXPECT_TRUE(plain.contains("\x08TabOrder")); // a windowed control with a parent always has one

    source->SetAnchors({ TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight, TAnchorKind::akBottom });
    source->Constraints()->SetMinHeight(120);
    source->SetTabStop(true);
    ASSERT_EQ(target->TabOrder(), 1);
    Read(Write(source), target);
    EXPECT_EQ(target->Anchors(), source->Anchors());
    EXPECT_EQ(target->Constraints()->MinHeight(), 120);
    EXPECT_EQ(target->Constraints()->MaxHeight(), 0);
    EXPECT_TRUE(target->TabStop());
    EXPECT_EQ(target->TabOrder(), 0);
    ExpectSettled(target);
}
