#include "device/Constants.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Constants, TablesHoldTheirIrregularEntries)
{
    EXPECT_EQ(CompRatioLabels[15], "Limit");
    EXPECT_DOUBLE_EQ(CompRatioValues[15], 20.1);
    EXPECT_EQ(PeqTypeToCurveType[3], 5); // Low Pass
    EXPECT_EQ(PeqTypeToCurveType[4], 4); // High Pass
    EXPECT_EQ(ChannelColors[2], 0x0000FF);
    EXPECT_FLOAT_EQ(QTable[16], 1.0f);
    EXPECT_FLOAT_EQ(QTable[35], 3.0f);
    EXPECT_FLOAT_EQ(QTable[21], 1.3f);
    EXPECT_FLOAT_EQ(QTable[30], 2.2f);
    EXPECT_FLOAT_EQ(QTable[100], 128.0f);
    EXPECT_EQ(APP_TITLE + " " + APP_VERSION, "ZQ9 DSP Processor Editor V1.01");
}

TEST(Constants, GridAndPhaseScalesAreExact)
{
    EXPECT_NEAR(std::pow(FreqStepRatio, 30.0), 2.0, 1e-12);
    EXPECT_NEAR(PhaseScale, 18.0 / 3.141592653589793, 1e-12);
}
