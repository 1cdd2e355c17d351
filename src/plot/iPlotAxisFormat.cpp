#include "plot/iPlotAxisFormat.h"

#include "platform/core/DateTime.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>

int iDecimalPlaces(int Precision, TiPrecisionStyle Style, double A, double B)
{
    if (Style == TiPrecisionStyle::ipsFixedDecimalPoints)
        return Precision;
    if (Style != TiPrecisionStyle::ipsSignificantDigits || Precision <= 0)
        return 0;
    const double range = std::fabs(B - A);
    int decimals = 0;
    if (range != 0.0 && std::isfinite(range))
        decimals = Precision - (static_cast<int>(std::trunc(std::log10(range))) + 1);
    if (range < 1.0)
        ++decimals;
    return decimals < 0 ? 0 : decimals;
}

QString iFormatFixed(double Value, int Decimals)
{
    return QString::number(Value, 'f', std::clamp(Decimals, 0, 18)).trimmed();
}

QString iFormatExponent(double Value, int Digits)
{
    const int decimals = std::clamp(Digits, 1, 18) - 1;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", decimals, Value);
    QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e < 0 || e + 2 > text.size())
        return text.trimmed();
    QString exponent = text.mid(e + 2);
    while (exponent.size() < 3)
        exponent.prepend(QLatin1Char('0'));
    return (text.left(e + 2) + exponent).trimmed();
}

namespace {

QString PrefixLetter(int exponent, bool& known)
{
    static const char* const letters[] = { "y", "z", "a", "f", "p", "n", "?", "m", "", "K", "M", "G", "T", "P", "E", "Z", "Y" };
    known = exponent % 3 == 0 && exponent >= -24 && exponent <= 24;
    return known ? QString::fromLatin1(letters[(exponent + 24) / 3]) : QString();
}

} // namespace

QString iFormatPrefix(double Value, double Span, int Precision, TiPrecisionStyle Style)
{
    QString result = QStringLiteral("Unknown");
    int exponent = 0;
    if (Value != 0.0)
    {
        const double decades = std::trunc(std::log10(std::fabs(Value)) / 3.0) * 3.0;
        exponent = std::isfinite(decades) && std::fabs(decades) < 1000 ? static_cast<int>(decades) : 1000;
    }
    const double scaled = exponent == 1000 ? Value : Value / std::pow(10.0, exponent);
    const int decimals = iDecimalPlaces(Precision, Style, 0.0, std::fabs(scaled));
    bool known = false;
    const QString letter = PrefixLetter(exponent, known);
    if (known)
        result = iFormatFixed(scaled, decimals) + letter;
    if (Span > 1e-10 && Value > -1e-12 && Value < 1e-12)
        result = QStringLiteral("0.") + QString(std::max(decimals, 0), QLatin1Char('0'));
    return result;
}

QString iFormatPrice32nds(double Value)
{
    const double v = Value + 1.0 / 512.0;
    const double whole = std::trunc(v);
    const long long n = std::llrint((v - whole) * 1024.0);
    const long long thirtySeconds = n / 32;
    const long long eighths = (n % 32) / 4;
    return QString::number(whole, 'f', 0) + QLatin1Char('.') +
           QStringLiteral("%1").arg(thirtySeconds, 2, 10, QLatin1Char('0')) + QString::number(eighths);
}

QString iFormatThousands(double Value, int Decimals)
{
    const QLocale locale;
    QString digits = QString::number(std::fabs(Value), 'f', std::clamp(Decimals, 0, 18));
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, locale.groupSeparator());
    QString text = whole;
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    const bool negative = Value < 0 && digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (negative ? QStringLiteral("-") + text : text).trimmed();
}

QString iFormatDateTimeLabel(const QString& Format, double Value)
{
    if (!Format.isEmpty() && Format.at(0).toUpper() == QLatin1Char('J'))
        return (QString::number(static_cast<long long>(std::trunc(Value))) + QLatin1Char(' ') +
                vcl::FormatDateTime(Format.mid(1), Value))
            .trimmed();
    return vcl::FormatDateTime(Format, Value).trimmed();
}
