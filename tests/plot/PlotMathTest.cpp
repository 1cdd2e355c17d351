#include "PlotTestSupport.h"

#include "plot/iPlotMath.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Arrays indexed from 1, element 0 unused.
std::vector<double> Ones(std::initializer_list<double> values)
{
    std::vector<double> a { 0.0 };
    a.insert(a.end(), values);
    return a;
}

using ptest::MessageOf;

TEST(PlotMath, LogAndPowerOfTen)
{
    EXPECT_NEAR(iLog10(1000), 3, 1e-12);
    EXPECT_NEAR(iPower(10, -2), 0.01, 1e-15);
    EXPECT_THROW(iLog10(0), vcl::EMathError);
    EXPECT_THROW(iLog10(std::nan("")), vcl::EMathError);
    EXPECT_THROW(iPower(-10, 2), vcl::EMathError);
}

TEST(PlotMath, SplineThroughParabolaPoints)
{
    const auto X = Ones({ 1, 2, 3 });
    const auto Y = Ones({ 1, 4, 9 });
    std::vector<double> Y2(4);
    iSplineSecondDerivatives(X, Y, 3, Y2);
    // End slopes 3 and 5 (the chords), clamped: curvature -2, 4, -2.
    EXPECT_NEAR(Y2[1], -2.0, 1e-12);
    EXPECT_NEAR(Y2[2], 4.0, 1e-12);
    EXPECT_NEAR(Y2[3], -2.0, 1e-12);
    EXPECT_DOUBLE_EQ(iSplineInterpolate(X, Y, Y2, 3, 2), 4);
    const double mid = iSplineInterpolate(X, Y, Y2, 3, 1.5);
    EXPECT_NEAR(mid, 2.375, 1e-12);
    EXPECT_GT(mid, 1);
    EXPECT_LT(mid, 4);

    const std::vector<double> zeros(3, 0.0);
    EXPECT_EQ(MessageOf([&] { iSplineInterpolate(Ones({ 2, 2 }), Ones({ 1, 1 }), zeros, 2, 2.0); }),
              "Splint Error - xa's must be distinct");
}

TEST(PlotMath, PolynomialAndRationalInterpolation)
{
    const auto X = Ones({ 0, 1, 2 });
    const auto Y = Ones({ 0, 1, 4 });
    double y = 0;
    double dy = 0;
    iPolynomialInterpolate(X, Y, 3, 3, y, dy);
    EXPECT_DOUBLE_EQ(y, 9);
    EXPECT_NE(dy, 0);

    iRationalInterpolate(X, Y, 3, 1, y, dy);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(dy, 0);
    // y = 1 / x through three points is a rational function of degree (0, 1): exact between them.
    iRationalInterpolate(Ones({ 1, 2, 4 }), Ones({ 1, 0.5, 0.25 }), 3, 3, y, dy);
    EXPECT_NEAR(y, 1.0 / 3, 1e-12);

    EXPECT_EQ(MessageOf([&] { iPolynomialInterpolate(Ones({ 1, 1, 2 }), Ones({ 1, 2, 3 }), 3, 1.5, y, dy); }),
              "Polynomial Interpolation Error - Pause in Routine Data");
    EXPECT_EQ(MessageOf([&] { iRationalInterpolate(Ones({ 0, 2 }), Ones({ 1, -1 }), 2, 1, y, dy); }),
              "Rational Interpolation Error - Pause in Routine Data");
}

TEST(PlotMath, LinesSegmentsAndRectangles)
{
    double slope = 0;
    double intercept = 0;
    iLineSlopeIntercept({ 0, 0 }, { 0, 10 }, slope, intercept);
    EXPECT_EQ(slope, 1e30);
    EXPECT_EQ(intercept, 0);
    iLineSlopeIntercept({ 2, 1 }, { 4, 5 }, slope, intercept);
    EXPECT_EQ(slope, 2);
    EXPECT_EQ(intercept, -3);

    EXPECT_TRUE(iSegmentsIntersect({ 0, 0 }, { 10, 10 }, { 0, 10 }, { 10, 0 }));
    EXPECT_FALSE(iSegmentsIntersect({ 0, 0 }, { 4, 4 }, { 6, 4 }, { 10, 0 }));
    EXPECT_FALSE(iSegmentsIntersect({ 0, 0 }, { 10, 0 }, { 0, 5 }, { 10, 5 })); // parallel

    const vcl::TRect rect { 10, 10, 20, 20 };
    EXPECT_TRUE(iLineIntersectsRect({ 15, 15 }, { 40, 40 }, rect));
    EXPECT_TRUE(iLineIntersectsRect({ 0, 15 }, { 30, 16 }, rect));
    EXPECT_TRUE(iLineIntersectsRect({ 12, 12 }, { 14, 14 }, rect)); // wholly inside
    EXPECT_FALSE(iLineIntersectsRect({ 0, 0 }, { 5, 30 }, rect));
}

} // namespace
