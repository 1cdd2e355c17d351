#pragma once
// Value-to-text routines of the plot's axes: the decimals rule and the six label styles.

#include <QString>

enum class TiPlotTextFormat { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
enum class TiPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };

// Decimals to show for values over the range A..B: Precision itself for fixed decimal points; for
// significant digits Precision less the integer digits of |B - A|, one more below 1, never negative.
int iDecimalPlaces(int Precision, TiPrecisionStyle Style, double A, double B);

// Value in fixed notation with Decimals decimals ('.' as the point).
QString iFormatFixed(double Value, int Decimals);
// Scientific notation with Digits significant digits and an exponent of at least three digits: 1.50E+003.
QString iFormatExponent(double Value, int Digits);
// Value scaled to an SI prefix letter (K, M, m, ? for micro ...); "Unknown" beyond 10^±24. A value
// within 1e-12 of zero shows as "0." and the decimals' zeros when Span > 1e-10.
QString iFormatPrefix(double Value, double Span, int Precision, TiPrecisionStyle Style);
// Whole part, '.', thirty-seconds as two digits and eighths of a thirty-second as one: 100.5 -> 100.160.
QString iFormatPrice32nds(double Value);
// Value with the locale's thousands separators and Decimals decimals.
QString iFormatThousands(double Value, int Decimals);
// Date-time text of a day number; a format starting with J shows the whole day count first.
QString iFormatDateTimeLabel(const QString& Format, double Value);
