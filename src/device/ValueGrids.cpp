#include "device/ValueGrids.h"

#include "device/Constants.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Truncates toward zero, saturating at the int range; NaN gives 0.
int TruncToInt(long double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<long double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

} // namespace

double IndexToFreq(int index)
{
    return static_cast<double>(1000.0L * std::pow(static_cast<long double>(FreqStepRatio),
                                                  static_cast<long double>(index) - 170.0L));
}

int FreqToIndex(double hz)
{
    const long double a = std::log(static_cast<long double>(hz) * 0.001L) /
                              std::log(static_cast<long double>(FreqStepRatio)) +
                          170.0L;
    const int c = TruncToInt(a);
    // A saturated index (infinite or garbled frequency) stays where it is.
    return (a - c > 0.5L && c < std::numeric_limits<int>::max()) ? c + 1 : c;
}

int QToIndex(double q)
{
    double v = std::log(128.0 / q) / std::log(1.0596);
    // The rounding decision is made on the decimal text of v, not on its binary fraction.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    const std::string s(buf, res.ptr);
    const auto dot = s.find('.');
    const char d = (dot == std::string::npos) ? (s.empty() ? '0' : s[0])
                                              : (dot + 1 < s.size() ? s[dot + 1] : '0');
    if (d >= '5' && d <= '9')
        v += 1.0;
    return TruncToInt(100.0L - std::trunc(static_cast<long double>(v)));
}

double IndexToQ(int index)
{
    const int n = 100 - (index & 0xFF);
    const double x = 128.0 / std::pow(1.0594, n);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 2);
    double back = 0.0;
    std::from_chars(buf, res.ptr, back);
    return back;
}

int GainToIndex(double db)
{
    const double scaled = db * 10.0;
    return TruncToInt(std::trunc(static_cast<long double>(scaled)) + 120.0L);
}

long double IndexToGain(int index)
{
    return static_cast<long double>(index - 120) * 0.1L;
}

int DelayToSamples(double value, int unit)
{
    const long double v = value;
    const long double speed = SoundSpeedEntry;
    switch (unit) {
    case 0:
        return TruncToInt(v * 96.0L);
    case 1:
        return TruncToInt(v * 96.0L * 1000.0L / speed);
    case 2:
        return TruncToInt(v * 96.0L * 1000.0L / speed * 0.30480370641307L);
    default:
        return 0;
    }
}

bool IsNumberText(std::string_view text)
{
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.'))
            return false;
    return true;
}
