// Property lists: the lines written for an object's published properties, their escapes and cuts,
// loading block by block, and the properties file of a plot.

#include "PlotTestSupport.h"

#include "plot/iGPPropertyList.h"
#include "plot/iPlotAxis.h"
#include "plot/iXYPlot.h"

#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

using namespace vcl;

namespace {

class PropertyListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        owner = std::make_unique<TPanel>(nullptr);
        const TNotifyEvent none = [](TObject*) {};
        axis = std::make_unique<TiPlotXAxis>(owner.get(), none, none, none, none);
    }
    QStringList Lines(const TStringList& list) const { return list.ToStringList(); }

    std::unique_ptr<TPanel> owner;
    std::unique_ptr<TiPlotXAxis> axis;
};

TEST_F(PropertyListTest, SavesPathsValuesAndNestedObjects)
{
    axis->SetMin(-100);
    axis->LabelsFont()->SetColor(0x00FFFF);
    axis->SetTitle(QStringLiteral("first\r\nsecond"));
    TStringList list;
    iSaveObjectToStringList(axis.get(), QStringLiteral("XAxis0"), &list, false);
    const QStringList lines = Lines(list);
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.Min = -100")));
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.LabelsFont.Color = 65535")));
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.Title = first#13#10second")));
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.Visible = 1")));
    EXPECT_LT(lines.indexOf(QStringLiteral("XAxis0.Name = ")), lines.indexOf(QStringLiteral("XAxis0.Min = -100")));

    TStringList bare;
    iSaveObjectToStringList(axis.get(), QStringLiteral("  "), &bare, false); // a blank prefix: bare names
    EXPECT_TRUE(Lines(bare).contains(QStringLiteral("Min = -100")));
}

TEST_F(PropertyListTest, OnlyNonDefaultLeavesOrdinalsAtTheirDefaultButKeepsFloats)
{
    TStringList list;
    iSaveObjectToStringList(axis.get(), QStringLiteral("A"), &list, true);
    const QStringList lines = Lines(list);
    EXPECT_FALSE(lines.contains(QStringLiteral("A.Visible = 1")));
    EXPECT_FALSE(lines.contains(QStringLiteral("A.ReverseScale = 0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("A.Span = 100")));
    EXPECT_TRUE(lines.contains(QStringLiteral("A.Horizontal = 0"))); // declares no default
}

TEST_F(PropertyListTest, LoadsItsBlockRestoringLineBreaksAndStopsAtTheNextObject)
{
    TStringList list;
    list.Add(QStringLiteral("XAxis0.Title = first#13#10second"));
    list.Add(QStringLiteral("XAxis0.LabelsFont.Color = 255"));
    list.Add(QStringLiteral("XAxis0.Span = 0,25"));
    list.Add(QStringLiteral("XAxis0.NoSuchProperty = 7"));
    list.Add(QStringLiteral("XAxis0.NoSuchObject.Color = 7"));
    list.Add(QStringLiteral("xaxis0.Min = 5")); // other letter case: another block
    list.Add(QStringLiteral("XAxis0.Min = 6"));
    iLoadObjectFromStringList(axis.get(), QStringLiteral("XAxis0"), &list);
    EXPECT_EQ(axis->Title(), QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(axis->LabelsFont()->Color(), clRed);
    EXPECT_DOUBLE_EQ(axis->Span(), 0.25);
    EXPECT_EQ(axis->Min(), 0.0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), QStringLiteral("xaxis0.Min = 5"));
}

TEST_F(PropertyListTest, AHashInTheTextComesBackAsALineBreak)
{
    axis->SetTitle(QStringLiteral("a#13b"));
    TStringList list;
    iSaveObjectToStringList(axis.get(), QStringLiteral("X"), &list, false);
    iLoadObjectFromStringList(axis.get(), QStringLiteral("X"), &list);
    EXPECT_EQ(axis->Title(), QStringLiteral("a\rb"));
}

TEST_F(PropertyListTest, CommaSeparatorReadsDotsAndBadNumbersRaiseLeavingTheLine)
{
    iSetPropertyFromText(axis.get(), QStringLiteral("Min"), QStringLiteral("0.25"), u',');
    EXPECT_DOUBLE_EQ(axis->Min(), 0.25);
    TStringList list;
    list.Add(QStringLiteral("X.Min = 3"));
    list.Add(QStringLiteral("X.Layer = ten"));
    list.Add(QStringLiteral("X.Span = 9"));
    EXPECT_THROW(iLoadObjectFromStringList(axis.get(), QStringLiteral("X"), &list), EConvertError);
    EXPECT_EQ(axis->Min(), 3.0);
    EXPECT_EQ(axis->Layer(), 100);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(PropertyListTest, LinesAreCutTo255Characters)
{
    axis->SetTitle(QString(300, u'x'));
    TStringList list;
    iSaveObjectToStringList(axis.get(), QStringLiteral("X"), &list, false);
    for (const QString& line : Lines(list))
        EXPECT_LE(line.size(), 255);
    EXPECT_TRUE(Lines(list).contains(QStringLiteral("X.Title = ") + QString(245, u'x')));
}

TEST_F(PropertyListTest, NameValueHelpers)
{
    QString name, value;
    iSplitNameValue(QStringLiteral(" Channel Count = 3 "), QStringLiteral("="), name, value);
    EXPECT_EQ(name, QStringLiteral("Channel Count"));
    EXPECT_EQ(value, QStringLiteral("3"));
    iSplitNameValue(QStringLiteral("no separator"), QStringLiteral("="), name, value);
    EXPECT_TRUE(name.isEmpty() && value.isEmpty());

    TStringList list;
    list.Add(QStringLiteral("File Type = TiXYPlot"));
    list.Add(QStringLiteral("CHANNEL COUNT =2"));
    EXPECT_TRUE(iExtractNameValue(QStringLiteral("channel count"), value, &list));
    EXPECT_EQ(value, QStringLiteral("2"));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(iExtractNameValue(QStringLiteral("Missing"), value, &list));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(iGetObjectProperty(axis.get(), QStringLiteral("titlefont")), axis->TitleFont());
    EXPECT_EQ(iGetObjectProperty(axis.get(), QStringLiteral("Min")), nullptr);
}

TEST_F(PropertyListTest, PlotPropertiesFileRoundTripsAndWrapsFailures)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plot.txt"));
    TiXYPlot source(nullptr);
    source.SetBackGroundColor(0x203040);
    source.SetOuterMarginLeft(12);
    source.SetTitleText(QStringLiteral("Gate"));
    source.TitleFont()->SetColor(clRed);
    source.SetBounds(0, 0, 321, 123);
    source.SavePropertiesToFile(file);

    TStringList saved;
    saved.LoadFromFile(file);
    EXPECT_EQ(saved.Get(0), QStringLiteral("File Type = Plot Config")); // the plot writes its own configuration
    EXPECT_EQ(saved.IndexOf(QStringLiteral("Width = 321")), -1); // common properties stay out

    TiXYPlot target(nullptr);
    target.LoadPropertiesFromFile(file);
    EXPECT_EQ(target.BackGroundColor(), 0x203040);
    EXPECT_EQ(target.OuterMarginLeft(), 12);
    EXPECT_EQ(target.TitleText(), QStringLiteral("Gate"));
    EXPECT_EQ(target.TitleFont()->Color(), clRed);
    EXPECT_EQ(target.Width(), 500);
    EXPECT_FALSE(target.UpdateActive());

    try {
        target.LoadPropertiesFromFile(dir.filePath(QStringLiteral("missing.txt")));
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error Loading Properties - "))) << e.Message().toStdString();
    }
    try {
        source.SavePropertiesToFile(dir.filePath(QStringLiteral("no/such/folder/plot.txt")));
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error Saving Properties - "))) << e.Message().toStdString();
    }
}

} // namespace
