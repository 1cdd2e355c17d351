#include "controls/PeqEntry.h"

#include "device/Constants.h"
#include "device/ValueGrids.h"
#include "platform/core/NumberUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// The leading decimal number of a text (an optional '-' when signed, digits, an optional '.' and
// fraction); reading stops at the first other character. No digits read as 0.
double ReadLeadingNumber(const QString& text, bool signedValue)
{
    int i = 0;
    bool negative = false;
    if (signedValue && i < text.size() && text[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    QString digits;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
        else if (c == QLatin1Char('.') && !point) {
            point = true;
            digits += c;
        } else
            break;
    }
    if (digits.isEmpty() || digits == QLatin1String("."))
        return 0.0;
    const double v = digits.toDouble();
    return negative ? -v : v;
}

bool OnlyChars(const QString& text, QLatin1StringView allowed)
{
    for (QChar c : text) {
        const bool digit = c.unicode() >= '0' && c.unicode() <= '9';
        if (!digit && !allowed.contains(c))
            return false;
    }
    return true;
}

// Drops the last two characters once for every one of the given suffixes found anywhere.
void DropSuffixes(QString& text, std::initializer_list<const char*> suffixes)
{
    for (const char* s : suffixes)
        if (text.contains(QLatin1String(s)))
            text.chop(2);
}

// Drops a k or K and reports that the number is in kHz.
bool DropKilo(QString& text)
{
    bool kilo = false;
    for (const char* s : { "k", "K" }) {
        if (text.contains(QLatin1String(s))) {
            text.chop(1);
            kilo = true;
        }
    }
    return kilo;
}

bool PlainNumberForm(const QString& text, QLatin1StringView allowed)
{
    return !text.isEmpty() && text != QLatin1String(".") && OnlyChars(text, allowed) && text != QLatin1String("0")
        && text.count(QLatin1Char('.')) <= 1;
}

int QIndexOf(double q)
{
    return std::clamp(QToIndex(q), 0, 100);
}

} // namespace

int FreqToIndexClamped(double value, bool inKHz)
{
    const double v = inKHz ? value * 1000.0 : value;
    if (!(v > 0.0))
        return 0;
    return std::clamp(FreqToIndex(v), 0, 300);
}

int PeqGridPosition(double hz)
{
    if (!(hz > 0.0))
        return -170;
    // Far beyond the grid (up to infinity from a garbled index) stays far beyond it, with room
    // for the callers' index arithmetic.
    constexpr double Far = 100000.0;
    const double x = std::min(std::log(hz / 1000.0) / std::log(FreqStepRatio), Far);
    const double rounded = QString::number(x, 'g', 3).toDouble();
    const QString fixed = QString::number(rounded, 'f', 2);
    const int dot = fixed.indexOf(QLatin1Char('.'));
    int p = vcl::SaturateToInt(rounded);
    if (dot >= 0 && dot + 1 < fixed.size() && fixed[dot + 1] > QLatin1Char('5'))
        p += rounded < 0 ? -1 : 1;
    return p;
}

QString PeqFreqText(double hz)
{
    if (hz >= 1000.0)
        return vcl::Format(QStringLiteral("%4.2f"), hz / 1000.0) + QStringLiteral("KHz");
    return vcl::Format(QStringLiteral("%4.1f"), hz) + QStringLiteral("Hz");
}

double PeqQValue(int qIndex)
{
    return QTable[static_cast<std::size_t>(std::clamp(qIndex, 0, 100))];
}

QString PeqQText(int qIndex)
{
    const double q = QString::number(PeqQValue(qIndex), 'g', 3).toDouble();
    return QString::number(q, 'f', 2);
}

QString PeqGainText(double db)
{
    return vcl::FloatToStr(db) + QStringLiteral("dB");
}

std::optional<int> ParsePeqFreqEntry(QString text)
{
    DropSuffixes(text, { "HZ", "Hz", "hZ", "hz" });
    const bool kilo = DropKilo(text);
    if (!PlainNumberForm(text, QLatin1StringView(".,")))
        return std::nullopt;
    return FreqToIndexClamped(ReadLeadingNumber(text, false), kilo);
}

std::optional<int> ParsePeqQEntry(QString text)
{
    if (!PlainNumberForm(text, QLatin1StringView(".,")))
        return std::nullopt;
    double q = ReadLeadingNumber(text, false);
    q = std::clamp(q, 0.4, 128.0);
    return QIndexOf(q);
}

std::optional<int> ParsePeqGainEntry(QString text)
{
    DropSuffixes(text, { "DB", "Db", "dB", "db" });
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String(".") || !OnlyChars(text, QLatin1StringView(".,-"))
        || text.count(QLatin1Char('.')) > 1 || text.count(QLatin1Char('-')) > 1)
        return std::nullopt;
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        if (dot + 1 >= text.size())
            return std::nullopt;
        text.truncate(dot + 2); // one decimal
    }
    const double v = std::clamp(ReadLeadingNumber(text, true), -12.0, 12.0);
    return static_cast<int>(std::lround(v * 10.0));
}

std::optional<int> ParseSimpleFreqEntry(QString text)
{
    DropSuffixes(text, { "HZ", "Hz", "hZ", "hz" });
    const bool kilo = DropKilo(text);
    if (!PlainNumberForm(text, QLatin1StringView(".")))
        return std::nullopt;
    return FreqToIndexClamped(ReadLeadingNumber(text, false), kilo);
}

std::optional<int> ParseSimpleQEntry(QString text)
{
    if (!PlainNumberForm(text, QLatin1StringView(".")))
        return std::nullopt;
    return QIndexOf(std::clamp(ReadLeadingNumber(text, false), 0.4, 128.0));
}

std::optional<int> ParseSimpleGainEntry(QString text)
{
    DropSuffixes(text, { "DB", "Db", "dB", "db" });
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String(".") || !OnlyChars(text, QLatin1StringView(".-"))
        || text.count(QLatin1Char('.')) > 1 || text.count(QLatin1Char('-')) > 1 || text.endsWith(QLatin1Char('.')))
        return std::nullopt;
    // A first decimal below 5 drops the fraction; 5 keeps the text; 6..9 keep one decimal.
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        const QChar first = text[dot + 1];
        if (first < QLatin1Char('5'))
            text.truncate(dot);
        else if (first > QLatin1Char('5'))
            text.truncate(dot + 2);
    }
    // What is left must read as a whole number: a sign only in front, at least one digit.
    bool ok = false;
    const int minus = text.indexOf(QLatin1Char('-'));
    const double v = (minus > 0) ? 0.0 : text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return static_cast<int>(std::trunc(2.0 * std::clamp(v, -12.0, 12.0)));
}
