#include "device/Constants.h"
#include "device/ValueGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ValueGrids, FrequencyGrid)
{
    struct Case { int index; double hz; };
    const Case cases[] = {{0, 19.686}, {1, 20.146}, {170, 1000.0}, {200, 2000.0}, {300, 20158.7}};
    for (const auto& c : cases)
        EXPECT_NEAR(IndexToFreq(c.index), c.hz, 0.05) << c.index;
    EXPECT_DOUBLE_EQ(IndexToFreq(170), 1000.0);

    struct Back { double hz; int index; };
    const Back back[] = {{10.0, -29}, {25000.0, 309}, {20.0, 1}, {20000.0, 300}, {1000.0, 170}};
    for (const auto& b : back)
        EXPECT_EQ(FreqToIndex(b.hz), b.index) << b.hz;

    for (int i = 0; i <= 300; ++i)
        EXPECT_EQ(FreqToIndex(IndexToFreq(i)), i) << i;

    // Exactly halfway between two grid points keeps the lower index.
    const double half = 1000.0 * std::pow(FreqStepRatio, 0.5);
    EXPECT_EQ(FreqToIndex(half), 170);
    // An infinite frequency (from a garbled index) saturates instead of overflowing.
    EXPECT_EQ(FreqToIndex(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
}

TEST(ValueGrids, QIndexOfEveryTableEntryIsItsPosition)
{
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(QToIndex(QTable[i]), i) << QTable[i];
    EXPECT_EQ(QToIndex(0.4), 0);
    EXPECT_EQ(QToIndex(0.71), 10);
    EXPECT_EQ(QToIndex(1.0), 16);
    EXPECT_EQ(QToIndex(3.0), 35);
    EXPECT_EQ(QToIndex(128.0), 100);
}

TEST(ValueGrids, IndexToQUsesItsOwnFormulaWithTwoDecimals)
{
    EXPECT_DOUBLE_EQ(IndexToQ(100), 128.0);
    EXPECT_DOUBLE_EQ(IndexToQ(356), 128.0); // only the low byte counts
    const double q = 128.0 / std::pow(1.0594, 84);
    EXPECT_DOUBLE_EQ(IndexToQ(16), std::round(q * 100.0) / 100.0);
}

TEST(ValueGrids, GainTruncatesTowardZero)
{
    struct Case { double db; int index; };
    const Case cases[] = {{-2.35, 97}, {-0.05, 120}, {0.09, 120}, {-0.09, 120}, {-0.1, 119}, {12.0, 240}, {-12.0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(GainToIndex(c.db), c.index) << c.db;
    EXPECT_NEAR(static_cast<double>(IndexToGain(97)), -2.3, 1e-12);
    EXPECT_NEAR(static_cast<double>(IndexToGain(240)), 12.0, 1e-12);
}

TEST(ValueGrids, DelayInSamples)
{
    struct Case { double value; int unit; int samples; };
    const Case cases[] = {{1.0, 0, 96}, {1.0, 1, 279}, {1.0, 2, 85}, {680.0, 0, 65280}, {0.0, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DelayToSamples(c.value, c.unit), c.samples) << c.value << " unit " << c.unit;
    // Values beyond any sample count saturate instead of overflowing.
    EXPECT_EQ(DelayToSamples(1e300, 0), std::numeric_limits<int>::max());
    EXPECT_EQ(DelayToSamples(std::nan(""), 0), 0);
}

TEST(ValueGrids, NumberText)
{
    EXPECT_TRUE(IsNumberText(""));
    EXPECT_TRUE(IsNumberText("12.5"));
    EXPECT_TRUE(IsNumberText("1.2.3"));
    EXPECT_TRUE(IsNumberText("."));
    EXPECT_FALSE(IsNumberText("-1"));
    EXPECT_FALSE(IsNumberText("1 "));
    EXPECT_FALSE(IsNumberText("1,5"));
}
