#include "PlotTestSupport.h"

#include "plot/iLimitDataList.h"
#include "plot/iMemoryStream.h"
#include "plot/iPlotMinMaxPoint.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

namespace {

using ptest::MessageOf;

std::unique_ptr<TiXMLMemoryStream> StreamOf(const QByteArray& bytes)
{
    auto s = std::make_unique<TiXMLMemoryStream>();
    s->SetBytes(bytes);
    return s;
}

TEST(PlotSharedClasses, TextStreamWritesEightBitLinesAndReadsToTheEnd)
{
    TiMemoryStream s;
    s.WriteStringCRLF(QString(255, 'x'));
    EXPECT_EQ(MessageOf([&] { s.WriteString(QString(256, 'y')); }), "String Exceeds 255 Characters");
    s.WriteString(QString::fromUtf8("é€"));
    EXPECT_EQ(s.Size(), 259);
    EXPECT_EQ(s.Bytes().right(2), QByteArray("\xE9\x80"));

    s.SetPosition(258);
    EXPECT_EQ(s.ReadChar(), QChar(0x80)); // the byte itself, no code-page conversion
    EXPECT_EQ(MessageOf([&] { s.ReadChar(); }), "EOF");
}

TEST(PlotSharedClasses, XmlElementsRoundTrip)
{
    TiXMLMemoryStream out;
    out.StartElement("Scheme");
    out.WriteElement("Name", "Dark");
    out.EndElement("Scheme");
    EXPECT_EQ(out.Bytes(), QByteArray("<Scheme>\r\n<Name>Dark</Name>\r\n</Scheme>\r\n"));

    out.SetPosition(0);
    EXPECT_EQ(out.GetElement("Name"), "Dark");
    auto attributed = StreamOf("<Scheme>\r\n<Name kind=\"x\">Dark</Name>\r\n");
    EXPECT_EQ(attributed->GetElement("Name"), "Dark");
    auto closingFirst = StreamOf("</Old>\r\n<Next>v</Next>");
    EXPECT_EQ(closingFirst->GetNameElementStart(), "Next");
}

TEST(PlotSharedClasses, XmlPiecesAndParsingErrors)
{
    auto stream = StreamOf("\r\n<Scheme>abc<Name>");
    TiXMLMemoryStream& s = *stream;
    EXPECT_EQ(s.PeekNextPiece(), "Scheme");
    EXPECT_EQ(s.Position(), 0);
    EXPECT_EQ(s.GetNextPiece(), "Scheme");
    EXPECT_EQ(s.GetNextPiece(), "abc");
    EXPECT_EQ(s.GetNextPiece(), "Name");
    EXPECT_EQ(MessageOf([&] { s.GetNextPiece(); }), "EOF");

    struct Case { const char* text; const char* message; };
    const Case cases[] = {
        { "x/Name>", "XML Parsing Error - \"<\" not Found" },
        { "<Name>", "XML Parsing Error - \"/\" not Found" },
        { "</Name", "EOF" },
    };
    for (const Case& c : cases) {
        auto bad = StreamOf(c.text);
        EXPECT_EQ(MessageOf([&] { bad->GetNameElementStop(); }), c.message) << c.text;
    }
    auto missing = StreamOf("<Other>v</Other>");
    EXPECT_EQ(MessageOf([&] { missing->GetElement("Name"); }), "EOF");
}

TEST(PlotSharedClasses, MinMaxPointTracksOneColumn)
{
    TiPlotMinMaxPoint p;
    EXPECT_TRUE(p.Empty);
    p.AddData(1.5, 7, 12);
    EXPECT_FALSE(p.Empty);
    EXPECT_EQ(p.YMin, 7);
    EXPECT_EQ(p.YMax, 7);
    EXPECT_EQ(p.YFirst, 7);
    EXPECT_EQ(p.YLast, 7);
    p.AddData(1.6, -3, 13);
    p.AddData(1.7, 2, 14);
    EXPECT_EQ(p.XPixels, 12);
    EXPECT_EQ(p.XValue, 1.5);
    EXPECT_EQ(p.YMin, -3);
    EXPECT_EQ(p.YMax, 7);
    EXPECT_EQ(p.YLast, 2);

    TiPlotMinMaxPoint copy;
    copy.AssignDown(p);
    EXPECT_EQ(copy.YFirst, 7);
    EXPECT_EQ(copy.XPixels, 12);
    p.Clear();
    EXPECT_TRUE(p.Empty);
    EXPECT_EQ(p.YLast, 2); // kept by Clear
}

TEST(PlotSharedClasses, LimitDataListGrowsAndChecksBounds)
{
    TiLimitDataList list;
    std::vector<int> capacities { list.Capacity() };
    for (int i = 0; i < 77; ++i) {
        EXPECT_EQ(list.Add(i, i + 0.5, i - 0.5), i);
        if (list.Capacity() != capacities.back())
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int> { 0, 4, 8, 12, 28, 44, 60, 76, 95 }));
    EXPECT_EQ(list.Value2(76), 76.5);
    EXPECT_EQ(list.Value3(0), -0.5);

    EXPECT_EQ(MessageOf([&] { list.Value1(77); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { list.Item(-1); }), "Index out of Bounds");
    EXPECT_EQ(MessageOf([&] { list.SetCapacity(TiLimitDataList::MaxListSize + 1); }), "Exceed Maximum List Size");
    EXPECT_EQ(list.Count(), 77);

    list.SetCapacity(10);
    EXPECT_EQ(list.Count(), 10);
    EXPECT_EQ(list.Value1(9), 9);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

} // namespace
