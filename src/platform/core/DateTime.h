#pragma once
// Date-time values: days counted from 1899-12-30 with the time of day as fraction (0.5 is noon of
// that day; -1.25 is 1899-12-29 06:00, the fraction always counting forward). Calendar rules are
// proleptic Gregorian. The wall clock behind Now can be replaced for tests.

#include <QString>

#include <functional>

namespace vcl {

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MSecsPerDay = 86400000;

bool IsLeapYear(int Year);
int DaysInMonth(int Year, int Month);

// EConvertError "Invalid argument to date encode" / "... time encode" for values out of range
// (years 1..9999, hours 0..23, minutes and seconds 0..59, milliseconds 0..999).
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value);

struct TDateParts { int Year, Month, Day; };
struct TTimeParts { int Hour, Min, Sec, MSec; };
// The time is rounded to the millisecond; a rounding up to midnight carries into the next day.
TDateParts DecodeDate(TDateTime Value);
TTimeParts DecodeTime(TDateTime Value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime Value);
// The same day Months later (negative: earlier), the day cut to the month's last day.
TDateTime IncMonth(TDateTime Value, int Months);

// Formats Value by the date-time format language:
//   d dd ddd dddd   day, two-digit day, short and long day name
//   ddddd dddddd    short date (m/d/yyyy) and long date (dddd, mmmm d, yyyy)
//   m mm mmm mmmm   month, or minutes right after an hour (h:m); names in English
//   yy yyyy         year; h hh hour; n nn minute; s ss second; z zzz millisecond
//   t tt            short (h:nn AMPM) and long (h:nn:ss AMPM) time; c short date and long time
//   am/pm a/p ampm  12-hour clock for the hour before them, shown as am/pm, a/p or AM/PM
//   / :             date and time separators; "..." and '...' literal text; any other character
//                   stands for itself. Letters of the specifiers may be of either case.
QString FormatDateTime(const QString& Format, TDateTime Value);

// The current local date and time from the wall clock.
TDateTime Now();

// Replaces the wall clock while it lives.
class TWallClockOverride
{
public:
    explicit TWallClockOverride(std::function<TDateTime()> now);
    ~TWallClockOverride();
    TWallClockOverride(const TWallClockOverride&) = delete;
    TWallClockOverride& operator=(const TWallClockOverride&) = delete;

private:
    std::function<TDateTime()> m_previous;
};

} // namespace vcl
