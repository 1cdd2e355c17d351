// A manager's objects as one collection of the form stream: written with their properties, read
// back into another plot in place of its objects, and a broken stream leaving nothing half-made.

#include "PlotTestSupport.h"

#include "plot/iXYPlot.h"

#include "platform/core/Exception.h"
#include "platform/core/TReader.h"
#include "platform/core/TStream.h"
#include "platform/core/TWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vcl;

namespace {

class PlotCollectionStreamTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        source = std::make_unique<TiXYPlot>(nullptr);
        target = std::make_unique<TiXYPlot>(nullptr);
    }
    void WriteChannels()
    {
        TWriter writer(stream);
        source->Master()->ChannelManager()->WriteToStream(writer);
        stream.SetPosition(0);
    }

    TMemoryStream stream;
    std::unique_ptr<TiXYPlot> source;
    std::unique_ptr<TiXYPlot> target;
};

TEST_F(PlotCollectionStreamTest, ChannelsRoundTripInPlaceOfTheDefaultOnes)
{
    source->Channel(0)->SetColor(0xFFFFFF);
    source->Channel(0)->SetTraceLineWidth(2);
    source->AddChannel();
    source->Channel(1)->SetName(QStringLiteral("Marker"));
    source->Channel(1)->SetTraceLineStyle(TiPlotLineStyle::iplsDot);
    source->Channel(1)->SetColor(8421631);
    WriteChannels();

    // The default channel holds points, which the stream does not carry: a channel read in its place
    // starts empty, while one merely overwritten would keep them.
    target->Channel(0)->AddXY(1.0, 2.0);
    target->Channel(0)->AddXY(2.0, 3.0);
    std::vector<int> added;
    std::vector<int> removed;
    target->OnAddChannel = [&](TObject*, int index) { added.push_back(index); };
    target->OnRemoveChannel = [&](TObject*, int index) { removed.push_back(index); };
    TReader reader(stream);
    target->Master()->ChannelManager()->ReadFromStream(reader);

    ASSERT_EQ(target->ChannelCount(), 2);
    EXPECT_EQ(removed, (std::vector<int> { 0 })) << "the default channel goes";
    EXPECT_EQ(target->Channel(0)->Count(), 0) << "its points went with it";
    EXPECT_EQ(target->Channel(0)->Name(), QStringLiteral("Channel 1"));
    EXPECT_EQ(target->Channel(0)->Color(), clWhite);
    EXPECT_EQ(target->Channel(0)->TraceLineWidth(), 2);
    EXPECT_EQ(target->Channel(0)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(target->Channel(1)->Name(), QStringLiteral("Marker"));
    EXPECT_EQ(target->Channel(1)->TitleText(), QStringLiteral("Channel 2")); // streamed, not renamed
    EXPECT_EQ(target->Channel(1)->TraceLineStyle(), TiPlotLineStyle::iplsDot);
    EXPECT_EQ(target->Channel(1)->Color(), 8421631);
    EXPECT_EQ(added, (std::vector<int> { 0, 1 }));
    EXPECT_EQ(target->GetObjectManager()->GetIndexByName(QStringLiteral("Marker")) >= 0, true);
}

TEST_F(PlotCollectionStreamTest, ValueThatIsNoCollectionIsSkipped)
{
    {
        TWriter writer(stream);
        writer.WriteInteger(42);
        writer.WriteString(QStringLiteral("after"));
    }
    stream.SetPosition(0);
    TReader reader(stream);
    target->Master()->LegendManager()->ReadFromStream(reader);
    EXPECT_EQ(target->LegendCount(), 0);
    EXPECT_EQ(reader.ReadString(), QStringLiteral("after"));
}

TEST_F(PlotCollectionStreamTest, TruncatedStreamRaisesAndLeavesNoHalfReadObject)
{
    source->AddChannel();
    WriteChannels();
    QByteArray bytes = stream.Bytes();
    bytes.chop(bytes.size() / 3);
    TMemoryStream cut;
    cut.SetBytes(bytes);
    TReader reader(cut);
    const int objects = target->GetObjectManager()->Count();
    EXPECT_THROW(target->Master()->ChannelManager()->ReadFromStream(reader), Exception);
    EXPECT_LE(target->ChannelCount(), 1);
    EXPECT_EQ(target->GetObjectManager()->Count(), objects - 1 + target->ChannelCount());
}

} // namespace
