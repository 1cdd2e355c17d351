// Axis scale, ticks and value texts: the tick builder on fixed text metrics (6 pixels a character,
// 10 high), the value <-> pixel mapping with its limits, and the label formatter.

#include "PlotTestSupport.h"

#include "plot/iPlotAxis.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"
#include "platform/ui/TBitmap.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using namespace vcl;

namespace {

class PlotAxisTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ptest::App();
        owner = std::make_unique<TPanel>(nullptr);
        const TNotifyEvent none = [](TObject*) {};
        axis = std::make_unique<TiPlotXAxis>(owner.get(), none, none, none, none);
        bitmap.SetSize(10, 10);
    }
    // A horizontal axis whose scale runs over Length pixels from x = 10.
    void Horizontal(int Length)
    {
        axis->SetHorizontal(true);
        axis->SetDrawRect(TRect(10, 0, 10 + Length, 30));
    }
    std::vector<double> Positions(TiPlotTickType Type) const
    {
        std::vector<double> result;
        for (int i = 0; i < axis->GetTickListCount(); ++i)
            if (axis->Tick(i).TickType == Type && axis->Tick(i).Show)
                result.push_back(axis->Tick(i).Position);
        return result;
    }
    QStringList MajorTexts() const
    {
        QStringList result;
        for (int i = 0; i < axis->GetTickListCount(); ++i)
            if (axis->Tick(i).TickType == TiPlotTickType::ipttMajor)
                result << axis->Tick(i).Text;
        return result;
    }

    TTextMetricsOverride metrics { ptest::Fixed() };
    std::unique_ptr<TPanel> owner;
    std::unique_ptr<TiPlotXAxis> axis;
    TBitmap bitmap;
};

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::max(1.0, std::fabs(expected[i]))) << "tick " << i;
}

// Settings like the main window's transfer-curve axes.
void MainWindowAxis(TiPlotAxis& axis, double DesiredIncrement)
{
    axis.SetMinSpan(-100, 120);
    axis.SetDesiredStart(20);
    axis.SetDesiredIncrement(DesiredIncrement);
    axis.SetMinorCount(4);
    axis.SetLabelsPrecision(2);
    axis.SetLabelSeparation(0);
    axis.SetLabelsMinLength(5);
}

TEST_F(PlotAxisTest, LinearTicksFollowDesiredValuesOrTheDecimalRule)
{
    struct Case
    {
        const char* name;
        std::function<void(TiPlotAxis&)> setup;
        int length; // label slots: 36 pixels for the main-window settings, 48 for the defaults
        std::vector<double> majors;
        size_t minors;
    };
    const Case cases[] = {
        { "desired increment fits seven labels", [](TiPlotAxis& a) { MainWindowAxis(a, 20); }, 300,
          { -100, -80, -60, -40, -20, 0, 20 }, 24 },
        { "desired increment too dense for six slots", [](TiPlotAxis& a) { MainWindowAxis(a, 10); }, 220,
          { -100, -80, -60, -40, -20, 0, 20 }, 24 },
        { "eleven slots over 0..100 step by ten", [](TiPlotAxis& a) { a.SetMinSpan(0, 100); }, 540,
          { 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100 }, 10 },
        { "two slots halve the single increment", [](TiPlotAxis& a) { a.SetMinSpan(0, 120); }, 100, { 0, 50, 100 },
          2 },
        { "no minors", [](TiPlotAxis& a) { a.SetMinSpan(0, 100), a.SetMinorCount(0); }, 540,
          { 0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100 }, 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetUp();
        Horizontal(c.length);
        c.setup(*axis);
        axis->BuildTicks(bitmap.Canvas());
        ExpectNear(Positions(TiPlotTickType::ipttMajor), c.majors);
        EXPECT_EQ(Positions(TiPlotTickType::ipttMinor).size(), c.minors);
    }
}

TEST_F(PlotAxisTest, MainWindowLabelsHaveNoDecimalsAndSitOnTheirPixels)
{
    Horizontal(300);
    MainWindowAxis(*axis, 20);
    axis->BuildTicks(bitmap.Canvas());
    EXPECT_EQ(MajorTexts(), QStringList({ "-100", "-80", "-60", "-40", "-20", "0", "20" }));
    EXPECT_EQ(axis->Tick(0).PositionPixels, 10);
    const TiPlotTickObject& last = axis->Tick(axis->GetTickListCount() - 1); // minors past it are off the scale
    EXPECT_EQ(last.Position, 20);
    EXPECT_EQ(last.PositionPixels, 310);
}

TEST_F(PlotAxisTest, IncrementLostInTheValuesLeavesOneTickInTheMiddle)
{
    Horizontal(2000);
    axis->SetMinSpan(1e20, 1e-3);
    axis->SetMinorCount(0);
    axis->BuildTicks(bitmap.Canvas());
    ASSERT_EQ(axis->GetTickListCount(), 1);
    EXPECT_EQ(axis->Tick(0).Position, 1e20 + 1e-3 / 2);

    SetUp();
    Horizontal(300);
    axis->SetMinorCount(2000000000); // far more ticks than a list may hold, built without walking them
    axis->BuildTicks(bitmap.Canvas());
    ASSERT_EQ(axis->GetTickListCount(), 1);
    EXPECT_EQ(axis->Tick(0).Position, 50);
}

TEST_F(PlotAxisTest, LogTicksMarkDecadesOrStepOverThem)
{
    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    Horizontal(250); // five slots of 48 pixels
    axis->SetMinSpan(1, 999);
    axis->BuildTicks(bitmap.Canvas());
    ExpectNear(Positions(TiPlotTickType::ipttMajor), { 1, 10, 100, 1000 });
    EXPECT_EQ(Positions(TiPlotTickType::ipttMinor).size(), 24u);
    EXPECT_EQ(MajorTexts(), QStringList({ "1.00", "10.0", "100", "1000" }));

    SetUp();
    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    Horizontal(200); // three slots of 66 pixels
    axis->SetMinSpan(1, 1e8 - 1);
    axis->BuildTicks(bitmap.Canvas());
    ExpectNear(Positions(TiPlotTickType::ipttMajor), { 1, 1e5 });
    EXPECT_TRUE(Positions(TiPlotTickType::ipttMinor).empty());
}

TEST_F(PlotAxisTest, DateTimeTicksUseClockStepsOrWholeMonths)
{
    axis->SetLabelsFormatStyle(TiPlotTextFormat::iptfDateTime);
    Horizontal(480); // seven slots of 66 pixels for "hh:nn:ss"
    axis->SetMinSpan(0, 0.125);
    axis->BuildTicks(bitmap.Canvas());
    EXPECT_NEAR(axis->MajorIncrement(), 1.0 / 48, 1e-12);
    EXPECT_EQ(MajorTexts(),
              QStringList({ "00:00:00", "00:30:00", "01:00:00", "01:30:00", "02:00:00", "02:30:00", "03:00:00" }));

    SetUp();
    axis->SetLabelsFormatStyle(TiPlotTextFormat::iptfDateTime);
    axis->SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
    Horizontal(480); // six slots of 78 pixels
    axis->SetMinSpan(EncodeDate(2020, 1, 15), 400);
    axis->BuildTicks(bitmap.Canvas());
    EXPECT_EQ(axis->MajorIncrement(), 3); // months
    EXPECT_EQ(MajorTexts(), QStringList({ "2020-04-01", "2020-07-01", "2020-10-01", "2021-01-01" }));
}

TEST_F(PlotAxisTest, CustomTickListIsOnlyPlaced)
{
    Horizontal(100);
    axis->SetTickListCustom(true);
    axis->TickListAdd(QStringLiteral("mid"), TiPlotTickType::ipttMajor, 50);
    axis->TickListAdd(QStringLiteral("out"), TiPlotTickType::ipttMajor, 150);
    axis->BuildTicks(bitmap.Canvas());
    ASSERT_EQ(axis->GetTickListCount(), 2);
    EXPECT_TRUE(axis->Tick(0).Show);
    EXPECT_EQ(axis->Tick(0).PositionPixels, 60);
    EXPECT_EQ(axis->Tick(0).Text, QStringLiteral("mid"));
    EXPECT_FALSE(axis->Tick(1).Show);

    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    EXPECT_THROW(axis->TickListAdd(QString(), TiPlotTickType::ipttMajor, 0), Exception);
    EXPECT_EQ(axis->GetTickListCount(), 2);
}

TEST_F(PlotAxisTest, MappingSaturatesAndFollowsReversedAxes)
{
    Horizontal(100); // scale 10..110
    axis->CalcScaleRect(bitmap.Canvas());
    EXPECT_EQ(axis->PositionToPixels(1e9), 32000);
    EXPECT_EQ(axis->PositionToPixels(-1e300), -32000);
    EXPECT_EQ(axis->PositionToPixels(25), 35);
    EXPECT_DOUBLE_EQ(axis->PixelsToPosition(35), 25);
    EXPECT_EQ(axis->WidthToPixels(30), 30);
    EXPECT_TRUE(axis->PointOnScale(100));
    EXPECT_FALSE(axis->PointOnScale(101));

    axis->SetReverseScale(true);
    axis->CalcScaleRect(bitmap.Canvas());
    EXPECT_EQ(axis->MaxPixels(), 10);
    EXPECT_DOUBLE_EQ(axis->PixelsToPosition(10), 100);
    EXPECT_DOUBLE_EQ(axis->PositionToPercent(25), 0.75);
    EXPECT_DOUBLE_EQ(axis->PercentToPosition(0.75), 25);

    SetUp();
    axis->SetHorizontal(false);
    axis->SetDrawRect(TRect(0, 10, 30, 110)); // scale 110 (Min) up to 10
    axis->CalcScaleRect(bitmap.Canvas());
    EXPECT_EQ(axis->PositionToPixels(1e9), -32000);
    EXPECT_EQ(axis->MinPixels(), 110);
    EXPECT_DOUBLE_EQ(axis->PixelsToPosition(35), 75);
    axis->SetReverseScale(true);
    axis->CalcScaleRect(bitmap.Canvas());
    EXPECT_EQ(axis->MinPixels(), 10);
    EXPECT_DOUBLE_EQ(axis->PixelsToPosition(35), 25);
}

TEST_F(PlotAxisTest, ZeroLengthScalesAndBadLogMinimaGiveNoNaN)
{
    Horizontal(0);
    axis->CalcScaleRect(bitmap.Canvas());
    EXPECT_EQ(axis->PositionToPixels(42), 10);
    EXPECT_EQ(axis->PixelsToPosition(99), 0);

    // The band of the data view the axis covers: fractions count across the whole view.
    axis->SetStartStopPercent(50, 100);
    EXPECT_DOUBLE_EQ(axis->PercentToPosition(0.75), 50);

    Horizontal(100);
    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    axis->SetMin(-5); // only the property can leave a log scale below zero
    axis->CalcScaleRect(bitmap.Canvas());
    EXPECT_THROW(axis->PositionToPixels(10), Exception);
    EXPECT_THROW(axis->PixelsToPosition(50), Exception);
    EXPECT_THROW(axis->PercentToPosition(0.5), Exception);
    EXPECT_THROW(axis->BuildTicks(bitmap.Canvas()), Exception);
    EXPECT_EQ(axis->Min(), -5);
}

TEST_F(PlotAxisTest, MinSpanZoomAndLogSwitch)
{
    int changes = 0;
    const TNotifyEvent none = [](TObject*) {};
    axis = std::make_unique<TiPlotXAxis>(owner.get(), [&](TObject*) { ++changes; }, none, none, none);
    axis->SetMinSpan(0, 100);
    EXPECT_EQ(changes, 0);
    axis->Zoom(0.5);
    EXPECT_DOUBLE_EQ(axis->Min(), 25);
    EXPECT_DOUBLE_EQ(axis->Span(), 50);
    EXPECT_THROW(axis->Zoom(0), Exception);
    EXPECT_DOUBLE_EQ(axis->Span(), 50);

    axis->SetMin(-100);
    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    EXPECT_EQ(axis->Min(), 1);
    axis->SetMinSpan(-3, -4);
    EXPECT_EQ(axis->Min(), 1);
    EXPECT_EQ(axis->Span(), 1);
    axis->SetMinSpan(10, 90);
    axis->Zoom(1);
    EXPECT_DOUBLE_EQ(axis->Min(), 1);
    EXPECT_DOUBLE_EQ(axis->Span(), 900);
}

TEST(PlotAxisFormat, DecimalsRule)
{
    const struct { double range; int decimals; } cases[] = { { 120, 0 }, { 1, 2 }, { 0.5, 3 }, { 0.05, 4 }, { 0, 1 } };
    for (const auto& c : cases)
        EXPECT_EQ(iDecimalPlaces(3, TiPrecisionStyle::ipsSignificantDigits, 0, c.range), c.decimals) << c.range;
    EXPECT_EQ(iDecimalPlaces(0, TiPrecisionStyle::ipsSignificantDigits, 0, 0.001), 0);
    EXPECT_EQ(iDecimalPlaces(4, TiPrecisionStyle::ipsFixedDecimalPoints, 0, 1e6), 4);
}

TEST_F(PlotAxisTest, LabelTextsInEveryStyle)
{
    struct Case
    {
        TiPlotTextFormat style;
        double span;
        int precision;
        TiPrecisionStyle precisionStyle;
        const char* dateTimeFormat;
        double value;
        QString text;
    };
    const auto sig = TiPrecisionStyle::ipsSignificantDigits;
    const auto fixed = TiPrecisionStyle::ipsFixedDecimalPoints;
    const QString sep = QLocale().groupSeparator();
    const Case cases[] = {
        { TiPlotTextFormat::iptfValue, 120, 2, sig, "", -100, "-100" },
        { TiPlotTextFormat::iptfValue, 120, 2, sig, "", 20, "20" },
        { TiPlotTextFormat::iptfValue, 0.5, 3, sig, "", 0.25, "0.250" },
        { TiPlotTextFormat::iptfValue, 1000, 1, fixed, "", 3, "3.0" },
        { TiPlotTextFormat::iptfExponent, 100, 3, sig, "", 1500, "1.50E+003" },
        { TiPlotTextFormat::iptfExponent, 100, 2, fixed, "", -0.00125, "-1.25E-003" },
        { TiPlotTextFormat::iptfPrefix, 100, 3, sig, "", 1500, "1.50K" },
        { TiPlotTextFormat::iptfPrefix, 100, 3, sig, "", 0.0005, "0.500m" },
        { TiPlotTextFormat::iptfPrefix, 100, 3, sig, "", 0.002, "0.00200" },
        { TiPlotTextFormat::iptfPrefix, 100, 3, sig, "", 1e-6, "1.00?" },
        { TiPlotTextFormat::iptfPrefix, 100, 3, sig, "", 2.5e-6, "0.00250m" },
        { TiPlotTextFormat::iptfPrefix, 100, 3, sig, "", 1e30, "Unknown" },
        { TiPlotTextFormat::iptfPrefix, 10, 3, sig, "", 1e-13, "0.0000" },
        { TiPlotTextFormat::iptfDateTime, 1, 3, sig, "hh:nn:ss", 0.5, "12:00:00" },
        { TiPlotTextFormat::iptfDateTime, 1, 3, sig, "Jhh:nn", 3.25, "3 06:00" },
        { TiPlotTextFormat::iptfPrice32nds, 1, 3, sig, "", 100.5, "100.160" },
        { TiPlotTextFormat::iptfPrice32nds, 1, 3, sig, "", 100 + 3.0 / 32 + 1.0 / 256, "100.031" },
        { TiPlotTextFormat::iptfPrice32nds, 1, 3, sig, "", 99.0, "99.000" },
        { TiPlotTextFormat::iptfThousands, 120, 3, sig, "", 1234567.4, "1" + sep + "234" + sep + "567" },
        { TiPlotTextFormat::iptfThousands, 0.5, 3, sig, "", -999.25, "-999" + QLocale().decimalPoint() + "250" },
    };
    for (const Case& c : cases)
    {
        axis->SetSpan(c.span);
        axis->SetLabelsFormatStyle(c.style);
        axis->SetLabelsPrecision(c.precision);
        axis->SetLabelsPrecisionStyle(c.precisionStyle);
        axis->SetDateTimeFormat(QString::fromLatin1(c.dateTimeFormat));
        EXPECT_EQ(axis->GetLabelText(c.value), c.text) << c.value << " style " << int(c.style);
    }
}

TEST_F(PlotAxisTest, LogValuesAndCursorTexts)
{
    axis->SetScaleType(TiPlotScaleType::ipstLog10);
    EXPECT_EQ(axis->GetLabelText(0), QStringLiteral("Unknown"));
    EXPECT_EQ(axis->GetLabelText(0.05), QStringLiteral("0.050"));

    SetUp();
    axis->SetSpan(0.5);
    axis->SetCursorUseDefaultFormat(false);
    axis->SetCursorFormat(TiPlotTextFormat::iptfDateTime, QStringLiteral("hh\r\nnn\rss"),
                          TiPrecisionStyle::ipsSignificantDigits, 3);
    EXPECT_EQ(axis->GetCursorText(0.5), QStringLiteral("12 00 00"));
    EXPECT_EQ(axis->GetCursorValueText(0.5), QStringLiteral("0.500"));
    EXPECT_EQ(axis->GetLegendText(0.5), QStringLiteral("0.500"));
}

TEST_F(PlotAxisTest, AutoAdjustGrowsMinLengthOnlyWhileEstimatingWidth)
{
    axis->SetLabelsMinLengthAutoAdjust(true);
    axis->SetMinSpan(0, 12345678);
    EXPECT_EQ(axis->GetLabelText(12345678), QStringLiteral("12345678"));
    EXPECT_EQ(axis->LabelsMinLength(), 5);
    EXPECT_EQ(axis->GetMaxLabelWidth(bitmap.Canvas(), axis->LabelsFont()), 48);
    EXPECT_EQ(axis->LabelsMinLength(), 8);
    axis->SetMinSpan(0, 10);
    EXPECT_EQ(axis->GetMaxLabelWidth(bitmap.Canvas(), axis->LabelsFont()), 48); // never shrinks here
}

} // namespace

namespace {

TEST_F(PlotAxisTest, RequiredWidthAddsMarginsTicksLabelsAndTitle)
{
    // Labels 30 pixels wide (five "0"), 10 high; label margin Round(10 x 0.25) = 2 (ties to even).
    axis->SetHorizontal(false);
    EXPECT_EQ(axis->GetRequiredWidth(bitmap.Canvas()), 5 + 5 + 7 + 2 + 30);
    EXPECT_EQ(axis->TitleOffset(), 7 + 5 + 2 + 30);
    EXPECT_EQ(axis->GetRequiredEndMargin(bitmap.Canvas()), 5);

    axis->SetHorizontal(true);
    axis->SetTitle(QStringLiteral("Gain"));
    axis->SetTitleShow(true);
    axis->SetTitleMargin(1);
    axis->SetScaleLinesShow(false);
    EXPECT_EQ(axis->GetRequiredWidth(bitmap.Canvas()), 5 + 5 + 0 + 2 + 10 + (10 + 10));
    EXPECT_EQ(axis->GetRequiredEndMargin(bitmap.Canvas()), 15);

    axis->SetLabelsVisible(false);
    axis->SetTitleRotated(true);
    EXPECT_EQ(axis->GetRequiredWidth(bitmap.Canvas()), 5 + 5 + (10 + 24));
    EXPECT_EQ(axis->GetRequiredEndMargin(bitmap.Canvas()), 0);
}

// The widest label is kept from one measure to the next; any change it depends on measures again.
TEST_F(PlotAxisTest, LabelWidthIsMeasuredAgainWhenTheMetricsTheFontOrTheLabelsChange)
{
    auto widest = [&] { return axis->GetMaxLabelWidth(bitmap.Canvas(), axis->LabelsFont()); };
    axis->SetMinSpan(0, 10);
    EXPECT_EQ(widest(), 5 * 6); // five characters at least, six pixels each
    EXPECT_EQ(widest(), 5 * 6);
    axis->SetLabelsMinLength(7);
    EXPECT_EQ(widest(), 7 * 6);
    {
        struct Wide : vcl::ITextMetrics
        {
            TSize TextExtent(const TFont&, const QString& text) const override
            {
                return TSize(9 * static_cast<int>(text.size()), 10);
            }
        };
        TTextMetricsOverride wide(std::make_shared<Wide>());
        EXPECT_EQ(widest(), 7 * 9);
    }
    EXPECT_EQ(widest(), 7 * 6);
    TTextMetricsOverride real(std::make_shared<TQtTextMetrics>());
    axis->LabelsFont()->SetHeight(-11);
    const int small = widest();
    axis->LabelsFont()->SetHeight(-30);
    EXPECT_GT(widest(), small);
    axis->LabelsFont()->SetHeight(-11);
    EXPECT_EQ(widest(), small);
    axis->SetLabelsMinLength(0);
    axis->SetMinSpan(0, 1e12); // a longer sample label
    EXPECT_GT(widest(), small);
}

} // namespace
