#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(DateTime, DayNumbersCountFromTheEndOf1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
    const TDateParts d = DecodeDate(-1.25);
    EXPECT_EQ(d.Year * 10000 + d.Month * 100 + d.Day, 18991229);
    EXPECT_EQ(DecodeTime(-1.25).Hour, 6);
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 10)), 5); // a Thursday
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 15) + 0.5, -15), EncodeDate(2022, 12, 15) + 0.5);

    // 23:59:59.9996 rounds to midnight of the next day, never hour 24.
    const TDateTime almost = 1 + (MSecsPerDay - 0.4) / MSecsPerDay;
    EXPECT_EQ(DecodeDate(almost).Day, 1);
    EXPECT_EQ(DecodeTime(almost).Hour, 0);

    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(DecodeDate(std::nan("")), EConvertError);
}

TEST(DateTime, FormatLanguage)
{
    const TDateTime t = EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 42);
    struct Case { const char* format; TDateTime value; const char* text; };
    const Case cases[] = {
        { "hh:nn:ss", 0.5, "12:00:00" },
        { "hh:nn:ss.zzz", t, "14:05:09.042" },
        { "m/d hh:nn:ss", t, "3/7 14:05:09" },
        { "d mmm h:nn:ss am/pm", t, "7 Mar 2:05:09 pm" },
        { "m/d/yy h:nn:ss AM/PM", t, "3/7/26 2:05:09 PM" },
        { "m/d/yyyy h:nn:ss am/pm", 0.25, "12/30/1899 6:00:00 am" },
        { "h a/p", 0.0, "12 a" },
        { "dddd, mmmm dd yyyy", t, "Saturday, March 07 2026" },
        { "hh:mm", t, "14:05" },
        { "yyyy-mm-dd \"at\" h 'o''clock'", t, "2026-03-07 at 14 oclock" },
        { "c", t, "3/7/2026 2:05:09 PM" },
        { "c", 3, "1/2/1900" },
        { "tt", t, "2:05:09 PM" },
        { "HH:NN", t, "14:05" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, c.value), c.text) << c.format;
}

TEST(DateTime, WallClockCanBeReplaced)
{
    {
        TWallClockOverride clock([] { return 1234.5; });
        EXPECT_EQ(Now(), 1234.5);
    }
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}
