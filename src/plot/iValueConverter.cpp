#include "plot/iValueConverter.h"

#include "platform/core/DateTime.h"

#include <cmath>

using namespace vcl;

namespace {

int Whole(double V)
{
    if (!std::isfinite(V) || std::fabs(V) > 2147483647.0)
        return 0;
    return static_cast<int>(std::trunc(V));
}

double Fraction(double V)
{
    return V - std::trunc(V);
}

} // namespace

TiValueConverterFields iSpreadValue(double V)
{
    TiValueConverterFields f;
    const double D = V <= 1e14 ? V : Fraction(V);
    f.Value = V;
    f.Date = std::trunc(D);
    f.Time = D - std::trunc(D);
    f.Days = Whole(D);
    f.Weeks = f.Days / 7;
    const TTimeParts time = DecodeTime(D);
    f.Hours = time.Hour;
    f.Minutes = time.Min;
    f.Seconds = time.Sec;
    f.MilliSeconds = time.MSec;
    f.PriceInteger = Whole(V);
    f.Price32nds = Whole(Fraction(V) / 0.03125);
    f.Price256ths = Whole((Fraction(V) - f.Price32nds / 32.0) / 0.00390625);
    return f;
}

double iIntervalValue(int Days, int Hours, int Minutes, int Seconds, int MilliSeconds)
{
    return Days + EncodeTime(Hours, Minutes, Seconds, MilliSeconds);
}

double iWeeksValue(int Weeks, int Hours, int Minutes, int Seconds, int MilliSeconds)
{
    return Weeks * 7.0 + EncodeTime(Hours, Minutes, Seconds, MilliSeconds);
}

double iPriceValue(int Integer, int Thirtyseconds, int TwoHundredFiftySixths)
{
    return Integer + Thirtyseconds / 32.0 + TwoHundredFiftySixths / 256.0;
}

double iDateTimeValue(double Date, double Time)
{
    return std::trunc(Date) + Time - std::trunc(Time);
}
