#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

using namespace vcl;

TEST(Numbers, RoundHalfToEven)
{
    const struct { double in; std::int64_t out; } cases[] = {
        { 0.5, 0 }, { 1.5, 2 }, { 2.5, 2 }, { 3.5, 4 }, { -0.5, 0 }, { -1.5, -2 }, { -2.5, -2 },
        { 2.4999999, 2 }, { 2.5000001, 3 }, { -2.6, -3 }, { 1e15 + 0.5, 1000000000000000 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.in), c.out) << c.in;
}

TEST(Numbers, SaturatingConversion)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { double in; int trunc; int round; } cases[] = {
        { nan, 0, 0 },
        { inf, INT32_MAX, INT32_MAX },
        { -inf, INT32_MIN, INT32_MIN },
        { 1e300, INT32_MAX, INT32_MAX },
        { -1e300, INT32_MIN, INT32_MIN },
        { 2147483647.9, INT32_MAX, INT32_MAX },
        { -2147483648.9, INT32_MIN, INT32_MIN },
        { -7.9, -7, -8 },
        { 7.9, 7, 8 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SaturateToInt(c.in), c.trunc) << c.in;
        EXPECT_EQ(RoundToInt(c.in), c.round) << c.in;
    }
    EXPECT_EQ(SaturateToInt64(inf), INT64_MAX);
    EXPECT_EQ(SaturateToInt64(-1e30), INT64_MIN);
    EXPECT_EQ(Round(nan), 0);
    EXPECT_EQ(Floor(-0.5), -1);
    EXPECT_EQ(Ceil(nan), 0);
}

TEST(Numbers, IntegerText)
{
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    const struct { const char* in; bool ok; int value; } cases[] = {
        { "42", true, 42 }, { "  -17", true, -17 }, { "+5", true, 5 }, { "$1F", true, 31 }, { "0x10", true, 16 },
        { "2147483647", true, INT32_MAX }, { "-2147483648", true, INT32_MIN },
        { "2147483648", false, 0 }, { "", false, 0 }, { "12 ", false, 0 }, { "1.5", false, 0 }, { "abc", false, 0 },
        { "-", false, 0 }, { "$", false, 0 },
    };
    for (const auto& c : cases) {
        int v = 0;
        EXPECT_EQ(TryStrToInt(c.in, v), c.ok) << c.in;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.in;
        }
    }
    try {
        StrToInt("x1");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x1' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("zz", 7), 7);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
}

TEST(Numbers, FloatText)
{
    const struct { double in; const char* out; } cases[] = {
        { 0.0, "0" }, { 1.5, "1.5" }, { -2.25, "-2.25" }, { 0.1, "0.1" }, { 1e20, "1E20" }, { 1.5e-5, "1.5E-5" },
        { 0.0001, "0.0001" }, { 123456789012345.0, "123456789012345" }, { 1234567890123456.0, "1.23456789012346E15" },
        { 1.0 / 3.0, "0.333333333333333" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.in), c.out) << c.in;
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");

    EXPECT_EQ(FloatToStrF(2.675, TFloatFormat::ffFixed, 15, 2), "2.68");
    EXPECT_EQ(FloatToStrF(-0.004, TFloatFormat::ffFixed, 15, 2), "0.00");
    EXPECT_EQ(FloatToStrF(9.999, TFloatFormat::ffFixed, 15, 1), "10.0");
    EXPECT_EQ(FloatToStrF(1234567.891, TFloatFormat::ffNumber, 15, 2), "1,234,567.89");
    EXPECT_EQ(FloatToStrF(1234.5, TFloatFormat::ffExponent, 4, 2), "1.235E+03");
    EXPECT_EQ(FloatToStrF(12.5, TFloatFormat::ffGeneral, 15, 0), "12.5");
}

TEST(Numbers, FloatParsing)
{
    const struct { const char* in; bool ok; double value; } cases[] = {
        { "1.5", true, 1.5 }, { " -2.25 ", true, -2.25 }, { "+3", true, 3 }, { ".5", true, 0.5 }, { "5.", true, 5 },
        { "1e3", true, 1000 }, { "1.5E-2", true, 0.015 },
        { "1,5", false, 0 }, { "", false, 0 }, { "e5", false, 0 }, { "1e", false, 0 }, { "inf", false, 0 },
        { "nan", false, 0 }, { "0x10", false, 0 }, { "1.2.3", false, 0 }, { "1e999", false, 0 },
    };
    for (const auto& c : cases) {
        double v = 0;
        EXPECT_EQ(TryStrToFloat(c.in, v), c.ok) << c.in;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.in;
        }
    }
    EXPECT_THROW(StrToFloat("abc"), EConvertError);
}

TEST(Numbers, Format)
{
    const struct { QString out; QString expected; } cases[] = {
        { Format("%4.2f", 1.0), "1.00" },
        { Format("%4.1f", 19.7), "19.7" },
        { Format("%6.1f|", 2.25), "   2.2|" }, // exact binary rounding, as printf
        { Format("%02X ", 0x0A), "0A " },
        { Format("%x", -1), "ffffffff" },
        { Format("%-5d|", 42), "42   |" },
        { Format("%05d", -42), "-0042" },
        { Format("%+d", 7), "+7" },
        { Format("%.3d", 7), "007" },
        { Format("%s=%d", QString("a"), 1), "a=1" },
        { Format("%.2s", "abcdef"), "ab" },
        { Format("%*d", 4, 9), "   9" },
        { Format("%e", 12345.678), "1.234568e+04" },
        { Format("%g", 0.0001), "0.0001" },
        { Format("%G", 1e-5), "1E-05" },
        { Format("100%%"), "100%" },
        { Format("%c", 65), "A" },
        { Format("%lu", 5u), "5" },
        { Format("%f", 3), "3.000000" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, c.expected);
    EXPECT_THROW(Format("%d"), EConvertError);
    EXPECT_THROW(Format("%d", "text"), EConvertError);
    EXPECT_THROW(Format("%s", 1), EConvertError);
    EXPECT_THROW(Format("%q", 1), EConvertError);
    EXPECT_THROW(Format("50%"), EConvertError);
}

namespace {

// A decimal comma locale made from a facet, since the machine may have no such locale installed.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

TEST(Numbers, TextIgnoresTheProcessLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    // Also a C locale with a comma when one is installed.
    const char* cPrevious = std::setlocale(LC_NUMERIC, nullptr);
    const std::string cSaved = cPrevious ? cPrevious : "C";
    const bool haveGerman = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    (void)haveGerman;

    EXPECT_EQ(FloatToStr(1.5), "1.5");
    EXPECT_EQ(FloatToStrF(1234.5, TFloatFormat::ffFixed, 15, 1), "1234.5");
    EXPECT_EQ(Format("%.2f|%g|%e", 1.25, 2.5, 3.0), "1.25|2.5|3.000000e+00");
    EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
    double v = 0;
    EXPECT_FALSE(TryStrToFloat("2,5", v));
    EXPECT_EQ(IntToStr(1234567), "1234567");

    std::setlocale(LC_NUMERIC, cSaved.c_str());
    std::locale::global(previous);
}
