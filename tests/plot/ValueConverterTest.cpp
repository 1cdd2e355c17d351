// The value converter's views of one number and the values its fields give back.

#include "plot/iValueConverter.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

using namespace vcl;

namespace {

TEST(ValueConverterTest, SpreadsAValueOverEveryView)
{
    struct Case
    {
        double value;
        int days, weeks, hours, minutes, integer, n32, n256;
    };
    for (const Case c : { Case { 1.5, 1, 0, 12, 0, 1, 16, 0 }, Case { 2.1, 2, 0, 2, 24, 2, 3, 1 },
                          Case { 15.25, 15, 2, 6, 0, 15, 8, 0 }, Case { 0.0, 0, 0, 0, 0, 0, 0, 0 } }) {
        const TiValueConverterFields f = iSpreadValue(c.value);
        EXPECT_EQ(f.Days, c.days) << c.value;
        EXPECT_EQ(f.Weeks, c.weeks) << c.value;
        EXPECT_EQ(f.Hours, c.hours) << c.value;
        EXPECT_EQ(f.Minutes, c.minutes) << c.value;
        EXPECT_EQ(f.PriceInteger, c.integer) << c.value;
        EXPECT_EQ(f.Price32nds, c.n32) << c.value;
        EXPECT_EQ(f.Price256ths, c.n256) << c.value;
    }
    const TiValueConverterFields f = iSpreadValue(45000.75);
    EXPECT_DOUBLE_EQ(f.Date, 45000.0);
    EXPECT_DOUBLE_EQ(f.Time, 0.75);
}

TEST(ValueConverterTest, HugeValuesKeepOnlyTheirTimeOfDayInTheCalendarViews)
{
    const TiValueConverterFields f = iSpreadValue(2e14 + 0.5);
    EXPECT_EQ(f.Days, 0);
    EXPECT_EQ(f.Hours, 12);
    EXPECT_DOUBLE_EQ(f.Value, 2e14 + 0.5);
}

TEST(ValueConverterTest, FieldsGiveTheirValueBack)
{
    EXPECT_DOUBLE_EQ(iIntervalValue(1, 12, 0, 0, 0), 1.5);
    EXPECT_DOUBLE_EQ(iWeeksValue(2, 6, 0, 0, 0), 14.25);
    EXPECT_NEAR(iPriceValue(2, 3, 1), 2.09765625, 1e-12);
    EXPECT_DOUBLE_EQ(iDateTimeValue(45000.9, 3.25), 45000.25);
    EXPECT_THROW(iIntervalValue(0, 25, 0, 0, 0), EConvertError);
    EXPECT_THROW(iWeeksValue(0, 0, 60, 0, 0), EConvertError);
    EXPECT_THROW(iIntervalValue(0, 0, 0, 0, 1000), EConvertError);
}

} // namespace
