// The plot's data files, rows added from arrays and the log: exact bytes of both file forms,
// reloading them, the loaders' refusals, and the log's batches.

#include "MainWindowPlots.h"
#include "PlotFileTestSupport.h"

#include "plot/iPlot.h"
#include "plot/iXYPlot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using ptest::MessageOf;
using ptest::ReadAll;
using ptest::WriteAll;

TVariant Row(std::initializer_list<double> Values)
{
    TVariant row = TVariant::CreateArray({ TVarArrayBound { 0, static_cast<int>(Values.size()) } });
    int i = 0;
    for (double v : Values)
        row.SetElement({ i++ }, TVariant(v));
    return row;
}

class PlotDataFileTest : public ptest::PlotFileTest
{
};

TEST_F(PlotDataFileTest, CompactIntervalFilesAreExactToTheByte)
{
    plot->SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
    plot->Channel(0)->AddXY(0, 1);
    plot->Channel(0)->AddXY(0.5, 2);
    plot->Channel(0)->AddXY(1, 3);
    plot->SaveDataToFile(Path("one.dat"));
    EXPECT_EQ(ReadAll(Path("one.dat")).toHex(),
              QByteArray("436f6d7061637420496e74657276616c0d0a310d0a"  // "Compact Interval" CR LF "1" CR LF
                         "00000000" "0000803f" "0000003f" "00000040"    // X0 Y0, X1 Y1
                         "00004040"                                      // Y2
                         "9976167f"));                                   // end mark 2e38
    EXPECT_EQ(plot->LastDataFileName(), Path("one.dat"));

    // The main window's compressor plot: the four-point transfer curve and the one-point dot.
    TiXYPlot comp(form);
    comp.SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
    ptest::SeedCompressorPlot(comp);
    comp.SaveDataToFile(Path("comp.dat"));
    EXPECT_EQ(ReadAll(Path("comp.dat")).toHex(),
              QByteArray("436f6d7061637420496e74657276616c0d0a320d0a"
                         "0000a0410000a041" "66669e413333a341"  // row 0: both channels' X and Y
                         "000020c1000020c1" "9976967e9976967e"  // row 1: the dot has no point: 1e38 twice
                         "000020c1" "9976967e"                  // rows 2, 3: Y only
                         "0000c8c2" "9976967e"
                         "9976167f"));

    // Reading it back takes the fill values as gaps and stops at the end mark.
    TiXYPlot reloaded(form);
    reloaded.AddChannel();
    reloaded.LoadDataFromFile(Path("comp.dat"));
    ASSERT_EQ(reloaded.Channel(0)->Count(), 4);
    ASSERT_EQ(reloaded.Channel(1)->Count(), 1);
    EXPECT_EQ(reloaded.Channel(0)->GetY(3), -100.0);
    EXPECT_EQ(reloaded.Channel(0)->GetX(3), 0.0); // rows from 2 on keep no X
    EXPECT_FLOAT_EQ(reloaded.Channel(1)->GetX(0), 19.8f);
}

TEST_F(PlotDataFileTest, ThreeChannelsOfFivePointsGiveTheDocumentedSize)
{
    plot->SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
    plot->AddChannel();
    plot->AddChannel();
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 5; ++i)
            plot->Channel(c)->AddXY(i, c * 10 + i);
    plot->SaveDataToFile(Path("three.dat"));
    EXPECT_EQ(ReadAll(Path("three.dat")).size(), 18 + 3 + 2 * 24 + 3 * 12 + 4);
}

TEST_F(PlotDataFileTest, GatePlotTextFileAndItsReload)
{
    TiXYPlot gate(form);
    ptest::SeedGatePlot(gate);
    gate.Channel(0)->SetTitleText(QStringLiteral("Gate"));
    gate.Channel(1)->SetTitleText(QStringLiteral("Threshold"));
    gate.Channel(0)->AddXY(-95, 0);
    gate.Channel(0)->SetNull(3, true);
    gate.SaveDataToFile(Path("gate.txt"));
    EXPECT_EQ(ReadAll(Path("gate.txt")), QByteArray("Gate(X)\tGate(Y)\tThreshold(X)\tThreshold(Y)\r\n"
                                                    "20\t20\t-89.8\t-90.4\r\n"
                                                    "-90\t-90\t\t\r\n"
                                                    "-90\t-100\t\t\r\n"
                                                    "-95\tNull\t\t\r\n"));

    gate.Channel(0)->Clear();
    gate.Channel(1)->Clear();
    gate.LoadDataFromFile(Path("gate.txt"));
    ASSERT_EQ(gate.Channel(0)->Count(), 4);
    ASSERT_EQ(gate.Channel(1)->Count(), 1);
    EXPECT_EQ(gate.Channel(0)->GetY(2), -100.0);
    EXPECT_TRUE(gate.Channel(0)->GetNull(3));
    EXPECT_EQ(gate.Channel(0)->GetX(3), -95.0);
    EXPECT_EQ(gate.Channel(1)->GetX(0), -89.8);

    // Comma columns are read the same way.
    gate.SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator::ipdfcsComma);
    gate.SaveDataToFile(Path("gate.csv"));
    EXPECT_TRUE(ReadAll(Path("gate.csv")).startsWith("Gate(X),Gate(Y),Threshold(X),Threshold(Y)\r\n20,20,"));
}

TEST_F(PlotDataFileTest, TextFieldsFollowTheReadingRules)
{
    plot->AddChannel();
    struct Case
    {
        const char* name;
        QByteArray file;
        std::vector<int> counts;
        const char* error;
    };
    const std::vector<Case> cases {
        { "shared X, lower case", "(x)\ta(Y)\tb(Y)\r\n1\t2\tnull\r\n\t5\t6\r\n3\t\tempty\r\n", { 1, 2 }, nullptr },
        { "empty Y adds nothing", "a(X)\ta(Y)\r\n1\t\r\n2\tNULL\r\n", { 1, 0 }, nullptr },
        { "decimal comma", "a(X)\ta(Y)\r\n1\t1,5\r\n", { 1, 0 }, nullptr },
        { "two commas", "a(X)\ta(Y)\r\n1\t1,5,0\r\n", { 0, 0 }, "Error Loading Data - '1.5,0' is not a valid floating point value" },
        { "extra columns skipped", "a(X),a(Y),b(X),b(Y),c(X),c(Y)\r\n1,2,3,4,5,6\r\n", { 1, 1 }, nullptr },
        { "empty file", "", { 0, 0 }, "Error Loading Data - List index out of bounds (0)" },
        { "garbled number", "a(X)\ta(Y)\r\nx1\t2\r\n", { 0, 0 }, "Error Loading Data - 'x1' is not a valid floating point value" },
        { "truncated compact row", QByteArray("Compact Interval\r\n1\r\n\0\0\0\0\0\0", 26), { 0, 0 },
          "Error Loading Data - Invalid Data" },
        { "garbled channel count", "Compact Interval\r\nseven\r\n", { 0, 0 },
          "Error Loading Data - 'seven' is not a valid integer value" },
        // A count of no slots with bytes after it is read as holding nothing, not forever.
        { "no slots, trailing bytes", QByteArray("compact interval\r\n0\r\n\1\2\3\4\5\6\7\x8", 28), { 0, 0 }, nullptr },
        { "negative slots", QByteArray("Compact Interval\r\n-3\r\n\1\2\3\4", 26), { 0, 0 }, nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        plot->ClearAllData();
        WriteAll(Path("in.txt"), c.file);
        const QString message = MessageOf([&] { plot->LoadDataFromFile(Path("in.txt")); });
        EXPECT_EQ(message, c.error ? QString::fromLatin1(c.error) : QStringLiteral("<no exception>"));
        EXPECT_EQ(plot->Channel(0)->Count(), c.counts[0]);
        EXPECT_EQ(plot->Channel(1)->Count(), c.counts[1]);
        EXPECT_FALSE(plot->UpdateActive()); // the update block is closed on every path
    }
    plot->ClearAllData();
    WriteAll(Path("in.txt"), "a(X)\ta(Y)\r\n1\t1,5\r\n");
    plot->LoadDataFromFile(Path("in.txt"));
    EXPECT_EQ(plot->Channel(0)->GetY(0), 1.5);
}

TEST_F(PlotDataFileTest, FailedSaveReportsAndKeepsTheLastName)
{
    plot->Channel(0)->AddXY(1, 2);
    plot->SaveDataToFile(Path("kept.txt"));
    QDir(dir.path()).mkdir(QStringLiteral("busy"));
    int after = 0;
    plot->OnAfterSaveData = [&](TObject*) { ++after; };
    const QString message = MessageOf([&] { plot->SaveDataToFile(Path("busy")); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Error Saving Data - Cannot create file"))) << message.toStdString();
    EXPECT_EQ(after, 0);
    EXPECT_EQ(plot->LastDataFileName(), Path("kept.txt"));
    EXPECT_TRUE(MessageOf([&] { plot->LoadDataFromFile(Path("missing.txt")); })
                    .startsWith(QStringLiteral("Error Loading Data - Cannot open file")));
}

TEST_F(PlotDataFileTest, ArraysAddRowsAndMarkers)
{
    TiPlot strip(form);
    while (strip.ChannelCount() < 3)
        strip.AddChannel();
    strip.AddDataArray(10, Row({ 1.0, 5e-301, 5e-302 }));
    EXPECT_EQ(strip.Channel(0)->GetY(0), 1.0);
    EXPECT_TRUE(strip.Channel(1)->GetNull(0));
    EXPECT_EQ(strip.Channel(1)->GetX(0), 10.0);
    EXPECT_TRUE(strip.Channel(2)->GetEmpty(0));
    EXPECT_EQ(strip.LogBufferCount(), 1);

    // Two dimensions: [channel, row]; XValue steps on from each channel's last X.
    plot->AddChannel();
    TVariant block = TVariant::CreateArray({ TVarArrayBound { 0, 2 }, TVarArrayBound { 0, 3 } });
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            block.SetElement({ i, j }, TVariant(double(i * 10 + j)));
    plot->AddDataArray(0.5, block);
    for (int c = 0; c < 2; ++c) {
        ASSERT_EQ(plot->Channel(c)->Count(), 3);
        EXPECT_EQ(plot->Channel(c)->GetX(2), 1.0);
        EXPECT_EQ(plot->Channel(c)->GetY(2), c * 10 + 2);
    }
    EXPECT_EQ(plot->LogBufferCount(), 3);

    // A row longer than the channels is refused whole; so is anything but an array of 1 or 2 dimensions.
    EXPECT_EQ(MessageOf([&] { plot->AddDataArray(2, Row({ 1, 2, 3 })); }), QStringLiteral("List index out of bounds (2)"));
    EXPECT_EQ(plot->Channel(0)->Count(), 3);
    EXPECT_EQ(plot->LogBufferCount(), 3);
    EXPECT_EQ(MessageOf([&] { plot->AddDataArray(2, TVariant(4.0)); }),
              QStringLiteral("Data Array must be 1 or 2 Dimensions"));
}

TEST_F(PlotDataFileTest, LogWritesBatchesOfRows)
{
    plot->AddChannel();
    plot->Channel(0)->SetTitleText(QStringLiteral("A"));
    plot->Channel(1)->SetTitleText(QStringLiteral("B"));
    EXPECT_EQ(MessageOf([&] { plot->LogActivate(false); }), QStringLiteral("Log File Name not Defined"));
    plot->SetLogFileName(Path("log.txt"));
    EXPECT_TRUE(MessageOf([&] { plot->LogActivate(true); }).startsWith(QStringLiteral("Cannot open file")));
    EXPECT_FALSE(plot->LoggingActive());

    plot->SetLogBufferSize(10);
    plot->LogActivate(false);
    EXPECT_EQ(MessageOf([&] { plot->LogActivate(false); }), QStringLiteral("Logging Already Active"));
    for (int i = 0; i < 9; ++i)
        plot->AddDataArray(i, Row({ double(i), i * 2.0 }));
    EXPECT_EQ(ReadAll(Path("log.txt")), QByteArray("(X)\tA(Y)\tB(Y)\r\n"));
    plot->AddDataArray(9, Row({ 9.0, 5e-301 }));
    QByteArray log = ReadAll(Path("log.txt"));
    EXPECT_EQ(log.count("\r\n"), 11);
    EXPECT_TRUE(log.endsWith("9\t9\tNull\r\n"));

    // A channel that misses its point of a row gets empty fields rather than a failed write.
    plot->AddDataArray(10, Row({ 10.0 }));
    plot->LogDeactivate();
    EXPECT_TRUE(ReadAll(Path("log.txt")).endsWith("10\t10\t\r\n"));
    EXPECT_EQ(MessageOf([&] { plot->LogDeactivate(); }), QStringLiteral("Logging not Active"));

    // Rows deleted before the write are left out; nothing is read before the first point.
    plot->LogActivate(true);
    plot->AddDataArray(11, Row({ 11.0, 1.0 }));
    plot->AddDataArray(12, Row({ 12.0, 2.0 }));
    plot->Channel(0)->Clear();
    plot->Channel(1)->Clear();
    plot->AddDataArray(13, Row({ 13.0, 3.0 }));
    plot->LogDeactivate();
    EXPECT_TRUE(ReadAll(Path("log.txt")).endsWith("10\t10\t\r\n13\t13\t3\r\n"));

    // The text log reads back as a shared-X table.
    TiXYPlot reader(form);
    reader.AddChannel();
    reader.LoadDataFromFile(Path("log.txt"));
    EXPECT_EQ(reader.Channel(0)->Count(), 12);
    EXPECT_EQ(reader.Channel(1)->Count(), 11);
}

TEST_F(PlotDataFileTest, CompactLogHoldsHeaderAndRowsWithoutEndMark)
{
    plot->SetDataFileFormat(TiPlotDataFileFormat::ipdffCompactInterval);
    plot->SetLogFileName(Path("log.dat"));
    plot->LogActivate(false);
    EXPECT_THROW(plot->SetDataFileFormat(TiPlotDataFileFormat::ipdffText), Exception);
    for (int i = 0; i < 3; ++i)
        plot->AddDataArray(i, Row({ i + 1.0 }));
    plot->LogDeactivate();
    EXPECT_EQ(ReadAll(Path("log.dat")).toHex(),
              QByteArray("436f6d7061637420496e74657276616c0d0a310d0a"
                         "000000000000803f" "0000803f00000040" "00004040"));
}

} // namespace
