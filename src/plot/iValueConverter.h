#pragma once
// One number seen three ways: a time interval (weeks, days, hours, minutes, seconds, milliseconds),
// a calendar date and time, and a price in whole units, 32nds and 256ths.

struct TiValueConverterFields
{
    double Value { 0.0 };
    double Date { 0.0 }; // whole days
    double Time { 0.0 }; // the time of day as a fraction
    int Days { 0 };
    int Weeks { 0 };
    int Hours { 0 };
    int Minutes { 0 };
    int Seconds { 0 };
    int MilliSeconds { 0 };
    int PriceInteger { 0 };
    int Price32nds { 0 };
    int Price256ths { 0 };
};

// Every view of V. Values above 1e14 keep only their time of day for the date and interval views.
TiValueConverterFields iSpreadValue(double V);

// Days plus the encoded time; EConvertError for an hour above 23, a minute or second above 59 or
// milliseconds above 999.
double iIntervalValue(int Days, int Hours, int Minutes, int Seconds, int MilliSeconds);
// Whole weeks plus the encoded time (the days beyond whole weeks are dropped).
double iWeeksValue(int Weeks, int Hours, int Minutes, int Seconds, int MilliSeconds);
double iPriceValue(int Integer, int Thirtyseconds, int TwoHundredFiftySixths);
// The date's whole days with the time's time of day.
double iDateTimeValue(double Date, double Time);
