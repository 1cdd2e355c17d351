#include "platform/core/DateTime.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

namespace vcl {

namespace {

constexpr qint64 JulianDayOfZero = 2415019; // 1899-12-30

const char* const ShortMonthNames[] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
const char* const LongMonthNames[] = { "January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December" };
const char* const ShortDayNames[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
const char* const LongDayNames[] = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };

std::function<TDateTime()>& WallClock()
{
    static std::function<TDateTime()> clock;
    return clock;
}

// Whole days and milliseconds of the day, the time rounded and carried.
void SplitValue(TDateTime value, qint64& days, qint64& msecs)
{
    if (!std::isfinite(value) || std::fabs(value) > 3e6)
        throw EConvertError(QStringLiteral("Invalid date-time value %s"), FloatToStr(value));
    days = static_cast<qint64>(std::trunc(value));
    msecs = static_cast<qint64>(RoundHalfEven(std::fabs(value - std::trunc(value)) * MSecsPerDay));
    if (msecs >= static_cast<qint64>(MSecsPerDay)) {
        msecs -= static_cast<qint64>(MSecsPerDay);
        days += 1;
    }
}

QString Pad(int value, int digits)
{
    return QString::number(value).rightJustified(digits, '0');
}

class DateTimeFormatter
{
public:
    explicit DateTimeFormatter(TDateTime value)
    {
        qint64 days;
        qint64 msecs;
        SplitValue(value, days, msecs);
        const QDate date = QDate::fromJulianDay(JulianDayOfZero + days);
        m_date = { date.year(), date.month(), date.day() };
        m_dayOfWeek = date.dayOfWeek() % 7; // 0 = Sunday
        m_time = { int(msecs / 3600000), int(msecs / 60000 % 60), int(msecs / 1000 % 60), int(msecs % 1000) };
        m_hasTime = msecs != 0;
    }

    QString Format(const QString& format, int depth = 0)
    {
        QString out;
        bool lastWasHour = false;
        int i = 0;
        const int n = format.size();
        auto count = [&](QChar c) {
            int k = i;
            while (k < n && format[k].toLower() == c)
                ++k;
            return k - i;
        };
        while (i < n) {
            const QChar ch = format[i];
            const QChar lower = ch.toLower();
            if (ch == '"' || ch == '\'') {
                const int close = format.indexOf(ch, i + 1);
                const int end = close < 0 ? n : close;
                out += format.mid(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            if (lower == 'a') {
                if (const int len = AmPm(format, i, out)) {
                    i += len;
                    continue;
                }
            }
            bool hour = false;
            int len = 1;
            switch (lower.unicode()) {
            case 'd':
                len = count('d');
                out += Day(std::min(len, 6), depth);
                break;
            case 'm':
                len = count('m');
                if (lastWasHour && len <= 2)
                    out += len == 1 ? QString::number(m_time.Min) : Pad(m_time.Min, 2);
                else
                    out += Month(std::min(len, 4));
                break;
            case 'y':
                len = count('y');
                out += len <= 2 ? Pad(m_date.Year % 100, 2) : Pad(m_date.Year, 4);
                break;
            case 'h': {
                len = count('h');
                int h = m_time.Hour;
                if (HasAmPmAfter(format, i + len)) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                out += len == 1 ? QString::number(h) : Pad(h, 2);
                hour = true;
                break;
            }
            case 'n':
                len = count('n');
                out += len == 1 ? QString::number(m_time.Min) : Pad(m_time.Min, 2);
                break;
            case 's':
                len = count('s');
                out += len == 1 ? QString::number(m_time.Sec) : Pad(m_time.Sec, 2);
                break;
            case 'z':
                len = count('z');
                out += len < 3 ? QString::number(m_time.MSec) : Pad(m_time.MSec, 3);
                break;
            case 't':
                len = count('t');
                if (depth < 2)
                    out += Format(len == 1 ? QStringLiteral("h:nn AMPM") : QStringLiteral("h:nn:ss AMPM"), depth + 1);
                break;
            case 'c':
                if (depth < 2) {
                    out += Format(QStringLiteral("m/d/yyyy"), depth + 1);
                    if (m_hasTime)
                        out += ' ' + Format(QStringLiteral("h:nn:ss AMPM"), depth + 1);
                }
                break;
            default:
                out += ch;
                break;
            }
            // Blanks and separators between an hour and its minutes keep the minute meaning.
            if (hour)
                lastWasHour = true;
            else if (lower != ':' && lower != ' ')
                lastWasHour = false;
            i += len;
        }
        return out;
    }

private:
    QString Day(int len, int depth)
    {
        switch (len) {
        case 1:
            return QString::number(m_date.Day);
        case 2:
            return Pad(m_date.Day, 2);
        case 3:
            return QString::fromLatin1(ShortDayNames[m_dayOfWeek]);
        case 4:
            return QString::fromLatin1(LongDayNames[m_dayOfWeek]);
        case 5:
            return depth < 2 ? Format(QStringLiteral("m/d/yyyy"), depth + 1) : QString();
        default:
            return depth < 2 ? Format(QStringLiteral("dddd, mmmm d, yyyy"), depth + 1) : QString();
        }
    }
    QString Month(int len) const
    {
        switch (len) {
        case 1:
            return QString::number(m_date.Month);
        case 2:
            return Pad(m_date.Month, 2);
        case 3:
            return QString::fromLatin1(ShortMonthNames[m_date.Month - 1]);
        default:
            return QString::fromLatin1(LongMonthNames[m_date.Month - 1]);
        }
    }
    // Length of the am/pm specifier at i (0 when there is none), appending its text.
    int AmPm(const QString& format, int i, QString& out) const
    {
        const bool pm = m_time.Hour >= 12;
        const QString rest = format.mid(i);
        if (rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
            const QString token = pm ? rest.mid(3, 2) : rest.left(2);
            out += token;
            return 5;
        }
        if (rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
            out += pm ? rest.mid(2, 1) : rest.left(1);
            return 3;
        }
        if (rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive)) {
            out += pm ? QStringLiteral("PM") : QStringLiteral("AM");
            return 4;
        }
        return 0;
    }
    static bool HasAmPmAfter(const QString& format, int from)
    {
        bool quoted = false;
        QChar quote;
        for (int i = from; i < format.size(); ++i) {
            const QChar c = format[i];
            if (quoted) {
                quoted = c != quote;
                continue;
            }
            if (c == '"' || c == '\'') {
                quoted = true;
                quote = c;
                continue;
            }
            const QString rest = format.mid(i);
            if (rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)
                || rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)
                || rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive))
                return true;
            if (c.toLower() == 'h')
                return false; // the next hour takes any later am/pm
        }
        return false;
    }

    TDateParts m_date {};
    TTimeParts m_time {};
    int m_dayOfWeek { 0 };
    bool m_hasTime { false };
};

} // namespace

bool IsLeapYear(int Year)
{
    return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

int DaysInMonth(int Year, int Month)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (Month < 1 || Month > 12)
        return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
        return false;
    Value = static_cast<double>(QDate(Year, Month, Day).toJulianDay() - JulianDayOfZero);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime value = 0;
    if (!TryEncodeDate(Year, Month, Day, value))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return value;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return ((Hour * 3600000.0) + (Min * 60000.0) + (Sec * 1000.0) + MSec) / MSecsPerDay;
}

TDateParts DecodeDate(TDateTime Value)
{
    qint64 days;
    qint64 msecs;
    SplitValue(Value, days, msecs);
    const QDate date = QDate::fromJulianDay(JulianDayOfZero + days);
    return { date.year(), date.month(), date.day() };
}

TTimeParts DecodeTime(TDateTime Value)
{
    qint64 days;
    qint64 msecs;
    SplitValue(Value, days, msecs);
    return { int(msecs / 3600000), int(msecs / 60000 % 60), int(msecs / 1000 % 60), int(msecs % 1000) };
}

int DayOfWeek(TDateTime Value)
{
    qint64 days;
    qint64 msecs;
    SplitValue(Value, days, msecs);
    return QDate::fromJulianDay(JulianDayOfZero + days).dayOfWeek() % 7 + 1;
}

TDateTime IncMonth(TDateTime Value, int Months)
{
    const TDateParts d = DecodeDate(Value);
    const int total = d.Year * 12 + (d.Month - 1) + Months;
    const int year = total / 12;
    const int month = total % 12 + 1;
    const int day = std::min(d.Day, DaysInMonth(year, month));
    const double date = EncodeDate(year, month, day);
    const double time = std::fabs(Value - std::trunc(Value));
    return date >= 0 ? date + time : date - time;
}

QString FormatDateTime(const QString& Format, TDateTime Value)
{
    return DateTimeFormatter(Value).Format(Format.isEmpty() ? QStringLiteral("c") : Format);
}

TDateTime Now()
{
    if (WallClock())
        return WallClock()();
    const QDateTime now = QDateTime::currentDateTime();
    const double days = static_cast<double>(now.date().toJulianDay() - JulianDayOfZero);
    return days + now.time().msecsSinceStartOfDay() / MSecsPerDay;
}

TWallClockOverride::TWallClockOverride(std::function<TDateTime()> now) : m_previous(std::move(WallClock()))
{
    WallClock() = std::move(now);
}

TWallClockOverride::~TWallClockOverride()
{
    WallClock() = std::move(m_previous);
}

} // namespace vcl
