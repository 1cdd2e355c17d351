// The plot's configuration and annotation files and a channel's own files and log: what they hold,
// how they rebuild a plot, and the refusals of foreign or damaged files.

#include "MainWindowPlots.h"
#include "PlotFileTestSupport.h"

#include "plot/iPlotAnnotation.h"
#include "plot/iPlotLayoutManager.h"
#include "plot/iPlotLegend.h"
#include "plot/iXYPlot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vcl;

namespace {

using ptest::MessageOf;
using ptest::ReadAll;
using ptest::WriteAll;

class PlotConfigFileTest : public ptest::PlotFileTest
{
};

TEST_F(PlotConfigFileTest, CompressorPlotConfigurationStartsWithTypeCountsAndBlocks)
{
    ptest::SeedCompressorPlot(*plot);
    plot->SavePropertiesToFile(Path("comp.ipc"));
    EXPECT_TRUE(ReadAll(Path("comp.ipc")).startsWith("File Type = Plot Config\r\n"
                                                     "ChannelCount = 2\r\n"
                                                     "XAxisCount = 1\r\n"
                                                     "YAxisCount = 1\r\n"
                                                     "ToolBarCount = 1\r\n"
                                                     "LegendCount = 1\r\n"
                                                     "TableCount = 0\r\n"
                                                     "LabelCount = 1\r\n"
                                                     "DataViewCount = 1\r\n"
                                                     "DataCursorCount = 1\r\n"
                                                     "LimitCount = 0\r\n"
                                                     "DataViewZHorz = 1\r\n"
                                                     "DataViewZVert = 1\r\n"
                                                     "Channel0.Name = Channel 1\r\n"));
    const QString text = QString::fromLatin1(ReadAll(Path("comp.ipc")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nXAxis0.Min = -100\r\nXAxis0.Span = 120\r\n")));
    // The control's own lines come last, without its name or place.
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nDataFileFormat = ")));
    EXPECT_FALSE(text.contains(QStringLiteral("\r\nWidth = ")));
    EXPECT_FALSE(text.contains(QStringLiteral("\r\nName = ")));
    EXPECT_EQ(plot->LastPropertiesFileName(), Path("comp.ipc"));
}

TEST_F(PlotConfigFileTest, LoadingRebuildsEveryObject)
{
    ptest::SeedCompressorPlot(*plot);
    plot->Channel(1)->SetTitleText(QStringLiteral("Dot"));
    plot->AddLegend();
    plot->AddLabel();
    plot->Label(1)->SetCaption(QStringLiteral("Out 3"));
    plot->SetOptionSaveAllProperties(true);
    plot->SetBounds(3, 4, 420, 210);
    plot->SavePropertiesToFile(Path("comp.ipc"));

    TiXYPlot other(form);
    other.AddAnnotation();
    other.AddChannel();
    other.AddChannel();
    other.AddChannel();
    other.RemoveAllLegends();
    int before = 0, after = 0;
    other.OnBeforeLoadProperties = [&](TObject*) { ++before; };
    other.OnAfterLoadProperties = [&](TObject*) { ++after; };
    other.LoadPropertiesFromFile(Path("comp.ipc"));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(other.ChannelCount(), 2);
    EXPECT_EQ(other.LegendCount(), 2);
    EXPECT_EQ(other.LabelCount(), 2);
    EXPECT_EQ(other.XAxisCount(), 1);
    EXPECT_EQ(other.DataViewCount(), 1);
    EXPECT_EQ(other.DataCursorCount(), 1);
    EXPECT_EQ(other.AnnotationCount(), 0); // annotations travel in their own file
    EXPECT_EQ(other.Channel(1)->TitleText(), QStringLiteral("Dot"));
    EXPECT_EQ(other.Channel(1)->Color(), plot->Channel(1)->Color());
    EXPECT_EQ(other.Label(1)->Caption(), QStringLiteral("Out 3"));
    EXPECT_EQ(other.XAxis(0)->Min(), -100.0);
    EXPECT_EQ(other.YAxis(0)->Span(), 120.0);
    EXPECT_EQ(other.Width(), 420);
    EXPECT_EQ(other.Left(), 3);
    EXPECT_TRUE(other.Master()->LayoutManager()->Enabled());
    EXPECT_FALSE(other.UpdateActive());
}

TEST_F(PlotConfigFileTest, ForeignAndDamagedFilesAreRefusedWithTheLayoutBackOn)
{
    struct Case
    {
        const char* name;
        QByteArray file;
        const char* error;
    };
    const std::vector<Case> cases {
        { "type in another case", "file type = plot config\r\nChannelCount = 1\r\n", nullptr },
        { "channel file", "File Type = Plot Channel Config\r\nChannel.Color = 255\r\n",
          "Error Loading Properties - Incompatible Plot Configuration File Type" },
        { "no type line", "ChannelCount = 1\r\n", "Error Loading Properties - Incompatible Plot Configuration File Type" },
        { "empty file", "", "Error Loading Properties - Incompatible Plot Configuration File Type" },
        { "picture bytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
          "Error Loading Properties - Incompatible Plot Configuration File Type" },
        { "garbled count", "File Type = Plot Config\r\nChannelCount = two\r\n",
          "Error Loading Properties - 'two' is not a valid integer value" },
        { "count beyond any plot", "File Type = Plot Config\r\nChannelCount = 2000000000\r\n",
          "Error Loading Properties - Invalid ChannelCount of 2000000000" },
        { "garbled value", "File Type = Plot Config\r\nChannelCount = 1\r\nChannel0.TraceLineWidth = wide\r\n",
          "Error Loading Properties - 'wide' is not a valid integer value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(Path("in.ipc"), c.file);
        int after = 0;
        plot->OnAfterLoadProperties = [&](TObject*) { ++after; };
        EXPECT_EQ(MessageOf([&] { plot->LoadPropertiesFromFile(Path("in.ipc")); }),
                  c.error ? QString::fromLatin1(c.error) : QStringLiteral("<no exception>"));
        EXPECT_EQ(after, c.error ? 0 : 1);
        EXPECT_TRUE(plot->Master()->LayoutManager()->Enabled());
        EXPECT_FALSE(plot->UpdateActive());
    }
    EXPECT_TRUE(MessageOf([&] { plot->LoadPropertiesFromFile(Path("none.ipc")); })
                    .startsWith(QStringLiteral("Error Loading Properties - Cannot open file")));
}

TEST_F(PlotConfigFileTest, DifferentialSaveAndToolBarBlocks)
{
    // A channel at the declared default colour writes no colour line and comes back red, not in
    // the colour the channel manager would pick for a new channel.
    plot->AddChannel();
    plot->Channel(1)->SetColor(255);
    plot->SetDifferentialPropertySave(true);
    plot->SavePropertiesToFile(Path("diff.ipc"));
    EXPECT_FALSE(ReadAll(Path("diff.ipc")).contains("Channel1.Color"));
    TiXYPlot other(form);
    other.LoadPropertiesFromFile(Path("diff.ipc"));
    EXPECT_EQ(other.Channel(1)->Color(), clRed);

    WriteAll(Path("bars.ipc"), "File Type = Plot Config\r\nToolBarCount = 2\r\n"
                               "ToolBar0.Visible = 0\r\nToolBar1.Visible = 1\r\n");
    other.LoadPropertiesFromFile(Path("bars.ipc"));
    EXPECT_EQ(other.ToolBarCount(), 1);
    EXPECT_TRUE(other.ToolBar(0)->Visible());
}

TEST_F(PlotConfigFileTest, AnnotationFilesReplaceTheAnnotations)
{
    plot->AddAnnotation();
    plot->AddAnnotation();
    plot->Annotation(1)->SetPenWidth(4);
    plot->SaveAnnotationsToFile(Path("notes.ipa"));
    EXPECT_TRUE(ReadAll(Path("notes.ipa")).startsWith("AnnotationCount = 2\r\nAnnotation0."));

    TiXYPlot other(form);
    other.AddAnnotation();
    other.AddAnnotation();
    other.AddAnnotation();
    other.LoadAnnotationsFromFile(Path("notes.ipa"));
    ASSERT_EQ(other.AnnotationCount(), 2);
    EXPECT_EQ(other.Annotation(1)->PenWidth(), 4);

    WriteAll(Path("none.ipa"), "AnnotationCount = 0\r\n");
    other.LoadAnnotationsFromFile(Path("none.ipa"));
    EXPECT_EQ(other.AnnotationCount(), 0);
    WriteAll(Path("bad.ipa"), "AnnotationCount = many\r\n");
    EXPECT_EQ(MessageOf([&] { other.LoadAnnotationsFromFile(Path("bad.ipa")); }),
              QStringLiteral("Error Loading Annotations - 'many' is not a valid integer value"));
    EXPECT_FALSE(other.UpdateActive());
}

// ---------------------------------------------------------------- a channel's own files

TEST_F(PlotConfigFileTest, ChannelSettingsFileRoundTripsAndChecksItsType)
{
    TiPlotChannelCustom* channel = plot->Channel(0);
    channel->SetTitleText(QStringLiteral("Curve"));
    channel->SetTraceLineWidth(3);
    channel->SavePropertiesToFile(Path("ch.ipcc"));
    const QByteArray text = ReadAll(Path("ch.ipcc"));
    EXPECT_TRUE(text.startsWith("File Type = Plot Channel Config\r\nChannel.Visible = 1\r\n"));
    EXPECT_TRUE(text.contains("Channel.TraceLineWidth = 3\r\n"));
    EXPECT_FALSE(text.contains("Channel.Name"));

    plot->AddChannel();
    QByteArray lower = text;
    lower.replace("File Type = Plot Channel Config", "file type = plot channel config");
    WriteAll(Path("lower.ipcc"), lower);
    plot->Channel(1)->LoadPropertiesFromFile(Path("lower.ipcc"));
    EXPECT_EQ(plot->Channel(1)->TitleText(), QStringLiteral("Curve"));
    EXPECT_EQ(plot->Channel(1)->TraceLineWidth(), 3);

    WriteAll(Path("plot.ipc"), "File Type = Plot Config\r\n");
    EXPECT_EQ(MessageOf([&] { channel->LoadPropertiesFromFile(Path("plot.ipc")); }),
              QStringLiteral("Error Loading Properties - Incompatible Plot Channel Configuration File Type"));
}

TEST_F(PlotConfigFileTest, ChannelDataFileKeepsNullsAndLeavesOutEmpties)
{
    TiPlotChannelCustom* channel = plot->Channel(0);
    channel->AddXY(1, 2.5);
    channel->AddXY(2, 0);
    channel->SetNull(1, true);
    channel->AddXY(3, 0);
    channel->SetEmpty(2, true);
    channel->SaveDataToFile(Path("ch.txt"));
    EXPECT_EQ(ReadAll(Path("ch.txt")), QByteArray("1\t2.5\r\n2\tNull\r\n"));
    channel->LoadDataFromFile(Path("ch.txt"), true);
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_TRUE(channel->GetNull(1));

    // The separator comes from the first line alone; lines without an X are skipped.
    WriteAll(Path("mixed.txt"), "1,2\r\n3\tnull\r\n\t5\r\n\r\n4, 8\r\n");
    channel->LoadDataFromFile(Path("mixed.txt"), true);
    ASSERT_EQ(channel->Count(), 2);
    EXPECT_EQ(channel->GetY(1), 8.0);
    WriteAll(Path("tabs.txt"), "3\tnull\r\n\t5\r\n6\t7\r\n");
    channel->LoadDataFromFile(Path("tabs.txt"), true);
    ASSERT_EQ(channel->Count(), 2);
    EXPECT_TRUE(channel->GetNull(0));
    EXPECT_EQ(channel->GetX(0), 3.0);

    WriteAll(Path("bad.txt"), "1\t2\r\n1\tx\r\n");
    EXPECT_EQ(MessageOf([&] { channel->LoadDataFromFile(Path("bad.txt"), true); }),
              QStringLiteral("'x' is not a valid floating point value"));
    EXPECT_EQ(channel->Count(), 1);
}

TEST_F(PlotConfigFileTest, ChannelLogAppendsInBatches)
{
    TiPlotChannelCustom* channel = plot->Channel(0);
    WriteAll(Path("ch.log"), "old\r\n");
    channel->SetLogFileName(Path("ch.log"));
    channel->SetLogBufferSize(10);
    channel->LogActivate(false);
    EXPECT_EQ(ReadAll(Path("ch.log")), QByteArray());
    EXPECT_EQ(MessageOf([&] { channel->SetLogFileName(Path("other.log")); }),
              QStringLiteral("Log File Name can not be changed while logging is active."));
    for (int i = 0; i < 9; ++i)
        channel->AddXY(i, i * 2);
    EXPECT_EQ(ReadAll(Path("ch.log")), QByteArray());
    channel->AddXY(9, 18);
    EXPECT_EQ(ReadAll(Path("ch.log")).count("\r\n"), 10);
    for (int i = 10; i < 13; ++i)
        channel->AddXY(i, 0.5);
    channel->LogDeactivate();
    const QByteArray log = ReadAll(Path("ch.log"));
    EXPECT_EQ(log.count("\r\n"), 13);
    EXPECT_TRUE(log.startsWith("0\t0\r\n1\t2\r\n"));
    EXPECT_TRUE(log.endsWith("12\t0.5\r\n"));

    // Points deleted while buffered are not read back: the write starts at the first one left.
    channel->LogActivate(true);
    for (int i = 0; i < 5; ++i)
        channel->AddXY(100 + i, 1);
    channel->DeletePoints(channel->Count() - 2);
    channel->LogDeactivate();
    EXPECT_TRUE(ReadAll(Path("ch.log")).endsWith("12\t0.5\r\n103\t1\r\n104\t1\r\n"));

    // Clearing the channel ends its log, writing what was buffered.
    channel->LogActivate(true);
    channel->AddXY(200, 2);
    channel->Clear();
    EXPECT_FALSE(channel->LoggingActive());
    EXPECT_TRUE(ReadAll(Path("ch.log")).endsWith("200\t2\r\n"));
    EXPECT_TRUE(MessageOf([&] {
                    channel->SetLogFileName(Path("missing.log"));
                    channel->LogActivate(true);
                }).startsWith(QStringLiteral("Cannot open file")));
}

} // namespace
