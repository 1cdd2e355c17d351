#include "platform/core/NumberUtils.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace vcl {

// ---------------------------------------------------------------- double to integer

int SaturateToInt(double value) noexcept
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::int64_t SaturateToInt64(double value) noexcept
{
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double RoundHalfEven(double value) noexcept
{
    if (!std::isfinite(value))
        return value;
    double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        lower += 1.0;
    return lower;
}

std::int64_t Round(double value) noexcept { return SaturateToInt64(RoundHalfEven(value)); }
int RoundToInt(double value) noexcept { return SaturateToInt(RoundHalfEven(value)); }
std::int64_t Trunc(double value) noexcept { return SaturateToInt64(value); }
int Floor(double value) noexcept { return SaturateToInt(std::floor(value)); }
int Ceil(double value) noexcept { return SaturateToInt(std::ceil(value)); }

// ---------------------------------------------------------------- integer text

QString IntToStr(std::int64_t value)
{
    return QString::number(value);
}

QString IntToHex(std::uint64_t value, int digits)
{
    QString text = QString::number(value, 16).toUpper();
    if (text.size() < digits)
        text.prepend(QString(digits - text.size(), QLatin1Char('0')));
    return text;
}

namespace {

bool parseInt64(const QString& text, std::int64_t& out) noexcept
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    // Magnitude up to 2^63 so that the most negative value is accepted.
    const std::uint64_t limit = negative ? (std::uint64_t(1) << 63) : (std::uint64_t(1) << 63) - 1;
    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        if (magnitude > (limit - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
            return false;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative)
        out = magnitude == (std::uint64_t(1) << 63) ? std::numeric_limits<std::int64_t>::min()
                                                    : -static_cast<std::int64_t>(magnitude);
    else
        out = static_cast<std::int64_t>(magnitude);
    return true;
}

[[noreturn]] void intError(const QString& text)
{
    throw EConvertError(QStringLiteral("'%s' is not a valid integer value"), text);
}

} // namespace

bool TryStrToInt64(const QString& text, std::int64_t& value) noexcept
{
    return parseInt64(text, value);
}

bool TryStrToInt(const QString& text, int& value) noexcept
{
    std::int64_t wide = 0;
    if (!parseInt64(text, wide) || wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(wide);
    return true;
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        intError(text);
    return value;
}

std::int64_t StrToInt64(const QString& text)
{
    std::int64_t value = 0;
    if (!TryStrToInt64(text, value))
        intError(text);
    return value;
}

int StrToIntDef(const QString& text, int fallback) noexcept
{
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

// ---------------------------------------------------------------- floating-point text

namespace {

// A finite non-negative value as decimal digits: value = 0.d1 d2 ... dn * 10^pointPos.
struct Decimal
{
    std::string digits; // no leading zeros; "0" for zero, then pointPos is 1
    int pointPos { 1 };
};

Decimal shortestDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0) {
        d.digits.assign(1, '0');
        return d;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const std::string s(buf, r.ptr);
    const auto ePos = s.find('e');
    for (std::size_t i = 0; i < ePos; ++i)
        if (s[i] != '.')
            d.digits.push_back(s[i]);
    const int exponent = std::stoi(s.substr(ePos + 1));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.pointPos = exponent + 1;
    return d;
}

// Keeps `count` significant digits (count may be <= 0), rounding half away from zero.
void roundToDigits(Decimal& d, int count)
{
    if (d.digits == "0")
        return;
    if (count < 0) {
        d.digits.assign(1, '0');
        d.pointPos = 1;
        return;
    }
    if (static_cast<int>(d.digits.size()) <= count)
        return;
    const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.pointPos += 1;
        } else {
            d.digits[static_cast<std::size_t>(i)] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) {
        d.digits.assign(1, '0');
        d.pointPos = 1;
    }
}

bool isZero(const Decimal& d) { return d.digits == "0"; }

char digitAt(const Decimal& d, int index) // index 0 = first significant digit
{
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)] : '0';
}

// Plain positional text with exactly `decimals` digits after the point (or the shortest when -1).
std::string fixedText(const Decimal& d, int decimals, bool thousands)
{
    std::string intPart;
    if (isZero(d) || d.pointPos <= 0) {
        intPart = "0";
    } else {
        for (int i = 0; i < d.pointPos; ++i)
            intPart.push_back(digitAt(d, i));
    }
    if (thousands && intPart.size() > 3) {
        std::string grouped;
        const int len = static_cast<int>(intPart.size());
        for (int i = 0; i < len; ++i) {
            if (i > 0 && (len - i) % 3 == 0)
                grouped.push_back(',');
            grouped.push_back(intPart[static_cast<std::size_t>(i)]);
        }
        intPart = grouped;
    }
    int count = decimals;
    if (count < 0)
        count = isZero(d) ? 0 : std::max(0, static_cast<int>(d.digits.size()) - d.pointPos);
    if (count == 0)
        return intPart;
    std::string frac;
    for (int i = 0; i < count; ++i)
        frac.push_back(isZero(d) ? '0' : digitAt(d, d.pointPos + i));
    return intPart + "." + frac;
}

std::string exponentText(const Decimal& d, int mantissaDigits, bool keepZeros, bool alwaysSign, int minExpDigits)
{
    std::string text(1, digitAt(d, 0));
    std::string frac;
    const int fracCount = keepZeros ? mantissaDigits - 1 : static_cast<int>(d.digits.size()) - 1;
    for (int i = 1; i <= fracCount; ++i)
        frac.push_back(digitAt(d, i));
    if (!frac.empty())
        text += "." + frac;
    const int exponent = isZero(d) ? 0 : d.pointPos - 1;
    text += 'E';
    if (exponent < 0)
        text += '-';
    else if (alwaysSign)
        text += '+';
    std::string e = std::to_string(std::abs(exponent));
    while (static_cast<int>(e.size()) < minExpDigits)
        e.insert(e.begin(), '0');
    return text + e;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

QString generalText(double value, int precision)
{
    precision = std::clamp(precision, 1, 17);
    Decimal d = shortestDecimal(std::fabs(value));
    roundToDigits(d, precision);
    const int exponent = d.pointPos - 1;
    std::string text;
    if (!isZero(d) && (exponent >= precision || exponent < -4))
        text = exponentText(d, precision, false, false, 0);
    else
        text = fixedText(d, -1, false);
    if (value < 0 && !isZero(d))
        text.insert(text.begin(), '-');
    return QString::fromStdString(text);
}

} // namespace

QString FloatToStr(double value)
{
    return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0);
}

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    precision = std::clamp(precision, 1, 17);
    Decimal d = shortestDecimal(std::fabs(value));
    std::string text;
    switch (format) {
    case TFloatFormat::ffGeneral:
        return generalText(value, precision);
    case TFloatFormat::ffExponent:
        roundToDigits(d, precision);
        text = exponentText(d, precision, true, true, std::clamp(digits, 0, 4));
        break;
    case TFloatFormat::ffFixed:
    case TFloatFormat::ffNumber:
    case TFloatFormat::ffCurrency:
        if (d.pointPos > precision)
            return generalText(value, precision);
        digits = std::clamp(digits, 0, 18);
        roundToDigits(d, d.pointPos + digits);
        text = fixedText(d, digits, format != TFloatFormat::ffFixed);
        break;
    }
    if (value < 0 && !isZero(d))
        text.insert(text.begin(), '-');
    return QString::fromStdString(text);
}

bool TryStrToFloat(const QString& text, double& value) noexcept
{
    const QString trimmed = text.trimmed();
    std::string s;
    s.reserve(static_cast<std::size_t>(trimmed.size()));
    for (QChar c : trimmed) {
        if (c.unicode() > 0x7F)
            return false;
        s.push_back(static_cast<char>(c.unicode()));
    }
    // Grammar check first: from_chars alone would accept "inf", "nan" and hexadecimal forms.
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t numberStart = i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    double parsed = 0.0;
    const auto r = std::from_chars(s.data() + numberStart, s.data() + s.size(), parsed, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

double StrToFloat(const QString& text)
{
    double value = 0.0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("'%s' is not a valid floating point value"), text);
    return value;
}

double StrToFloatDef(const QString& text, double fallback) noexcept
{
    double value = 0.0;
    return TryStrToFloat(text, value) ? value : fallback;
}

// ---------------------------------------------------------------- Format

namespace {

struct Spec
{
    bool left { false }, plus { false }, space { false }, zero { false }, alt { false };
    int width { 0 };
    int precision { -1 };
};

QString pad(QString body, const Spec& spec, bool numeric)
{
    if (spec.width <= body.size())
        return body;
    const int fill = spec.width - static_cast<int>(body.size());
    if (spec.left)
        return body + QString(fill, QLatin1Char(' '));
    if (spec.zero && numeric) {
        // Zeros go after the sign and any 0x prefix.
        int at = 0;
        if (!body.isEmpty() && (body[0] == QLatin1Char('-') || body[0] == QLatin1Char('+') || body[0] == QLatin1Char(' ')))
            at = 1;
        if (body.size() >= at + 2 && body[at] == QLatin1Char('0') && (body[at + 1] == QLatin1Char('x') || body[at + 1] == QLatin1Char('X')))
            at += 2;
        body.insert(at, QString(fill, QLatin1Char('0')));
        return body;
    }
    return QString(fill, QLatin1Char(' ')) + body;
}

QString signPrefix(bool negative, const Spec& spec)
{
    if (negative)
        return QStringLiteral("-");
    if (spec.plus)
        return QStringLiteral("+");
    if (spec.space)
        return QStringLiteral(" ");
    return {};
}

QString floatConversion(double value, char16_t conv, Spec spec)
{
    const bool upper = conv == u'F' || conv == u'E' || conv == u'G';
    const bool negative = std::signbit(value) && !std::isnan(value);
    QString body;
    if (!std::isfinite(value)) {
        body = std::isnan(value) ? QStringLiteral("nan") : QStringLiteral("inf");
        spec.zero = false;
    } else {
        const int precision = spec.precision < 0 ? 6 : std::min(spec.precision, 340);
        std::vector<char> buf(static_cast<std::size_t>(precision) + 400);
        std::chars_format fmt = std::chars_format::fixed;
        if (conv == u'e' || conv == u'E')
            fmt = std::chars_format::scientific;
        else if (conv == u'g' || conv == u'G')
            fmt = std::chars_format::general;
        const int effective = (fmt == std::chars_format::general && precision == 0) ? 1 : precision;
        const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value), fmt, effective);
        body = QString::fromLatin1(buf.data(), static_cast<qsizetype>(r.ptr - buf.data()));
        if (spec.alt && precision == 0 && fmt != std::chars_format::general && !body.contains(QLatin1Char('.'))) {
            const auto e = body.indexOf(QLatin1Char('e'));
            body.insert(e < 0 ? body.size() : e, QLatin1Char('.'));
        }
    }
    if (upper)
        body = body.toUpper();
    return pad(signPrefix(negative, spec) + body, spec, true);
}

QString intConversion(const FormatArg& arg, char16_t conv, const Spec& spec)
{
    bool negative = false;
    std::uint64_t magnitude = 0;
    if (conv == u'd' || conv == u'i') {
        const std::int64_t v = arg.asInt();
        if (arg.kind() == FormatArg::Kind::UInt) {
            magnitude = arg.asUInt();
        } else {
            negative = v < 0;
            magnitude = negative ? static_cast<std::uint64_t>(-(v + 1)) + 1 : static_cast<std::uint64_t>(v);
        }
    } else {
        magnitude = arg.asUInt();
        // A negative int printed as unsigned shows its 32-bit pattern, as with printf("%X", -1).
        if (arg.kind() == FormatArg::Kind::Int && arg.asInt() < 0 && arg.asInt() >= std::numeric_limits<std::int32_t>::min())
            magnitude &= 0xFFFFFFFFu;
    }
    int base = 10;
    if (conv == u'x' || conv == u'X')
        base = 16;
    else if (conv == u'o')
        base = 8;
    QString digits = QString::number(magnitude, base);
    if (conv == u'X')
        digits = digits.toUpper();
    if (spec.precision >= 0) {
        if (spec.precision == 0 && magnitude == 0)
            digits.clear();
        if (digits.size() < spec.precision)
            digits.prepend(QString(spec.precision - digits.size(), QLatin1Char('0')));
    }
    QString prefix;
    if (spec.alt && magnitude != 0) {
        if (conv == u'x')
            prefix = QStringLiteral("0x");
        else if (conv == u'X')
            prefix = QStringLiteral("0X");
        else if (conv == u'o' && !digits.startsWith(QLatin1Char('0')))
            prefix = QStringLiteral("0");
    }
    Spec padSpec = spec;
    if (spec.precision >= 0)
        padSpec.zero = false;
    const QString sign = (conv == u'd' || conv == u'i') ? signPrefix(negative, spec) : QString();
    return pad(sign + prefix + digits, padSpec, true);
}

} // namespace

QString FormatList(const QString& format, std::initializer_list<FormatArg> args)
{
    const auto fail = [&format]() -> QString {
        throw EConvertError(QStringLiteral("Format '%s' invalid or incompatible with argument"), format);
    };
    const FormatArg* next = args.begin();
    const auto take = [&]() -> const FormatArg* { return next == args.end() ? nullptr : next++; };

    QString out;
    const int n = static_cast<int>(format.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = format[i];
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (++i >= n)
            return fail();
        if (format[i] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            continue;
        }
        Spec spec;
        for (; i < n; ++i) {
            const char16_t f = format[i].unicode();
            if (f == u'-')
                spec.left = true;
            else if (f == u'+')
                spec.plus = true;
            else if (f == u' ')
                spec.space = true;
            else if (f == u'0')
                spec.zero = true;
            else if (f == u'#')
                spec.alt = true;
            else
                break;
        }
        const auto readNumber = [&](int& target) -> bool {
            if (i < n && format[i] == QLatin1Char('*')) {
                const FormatArg* a = take();
                if (!a || (a->kind() != FormatArg::Kind::Int && a->kind() != FormatArg::Kind::UInt))
                    return false;
                target = static_cast<int>(std::clamp<std::int64_t>(a->asInt(), -100000, 100000));
                ++i;
                return true;
            }
            bool any = false;
            int v = 0;
            while (i < n && format[i].isDigit() && format[i].unicode() < 0x80) {
                v = std::min(v * 10 + (format[i].unicode() - u'0'), 100000);
                ++i;
                any = true;
            }
            if (any)
                target = v;
            return true;
        };
        if (!readNumber(spec.width))
            return fail();
        if (spec.width < 0) {
            spec.left = true;
            spec.width = -spec.width;
        }
        if (i < n && format[i] == QLatin1Char('.')) {
            ++i;
            spec.precision = 0;
            if (!readNumber(spec.precision))
                return fail();
            if (spec.precision < 0)
                spec.precision = -1;
        }
        while (i < n && (format[i] == QLatin1Char('l') || format[i] == QLatin1Char('h') || format[i] == QLatin1Char('z')
                         || format[i] == QLatin1Char('L') || format[i] == QLatin1Char('j') || format[i] == QLatin1Char('t')))
            ++i;
        if (i >= n)
            return fail();
        const char16_t conv = format[i].unicode();
        const FormatArg* arg = take();
        if (!arg)
            return fail();
        const bool isInteger = arg->kind() == FormatArg::Kind::Int || arg->kind() == FormatArg::Kind::UInt;
        switch (conv) {
        case u'd': case u'i': case u'u': case u'x': case u'X': case u'o':
            if (!isInteger)
                return fail();
            out += intConversion(*arg, conv, spec);
            break;
        case u'f': case u'F': case u'e': case u'E': case u'g': case u'G':
            if (arg->kind() == FormatArg::Kind::Float)
                out += floatConversion(arg->asFloat(), conv, spec);
            else if (isInteger)
                out += floatConversion(arg->kind() == FormatArg::Kind::Int ? static_cast<double>(arg->asInt())
                                                                          : static_cast<double>(arg->asUInt()),
                                       conv, spec);
            else
                return fail();
            break;
        case u's': {
            if (arg->kind() != FormatArg::Kind::Text)
                return fail();
            QString text = arg->asText();
            if (spec.precision >= 0 && text.size() > spec.precision)
                text.truncate(spec.precision);
            out += pad(text, spec, false);
            break;
        }
        case u'c':
            if (!isInteger)
                return fail();
            out += pad(QString(QChar(static_cast<char16_t>(arg->asInt()))), spec, false);
            break;
        case u'p':
            if (arg->kind() != FormatArg::Kind::Pointer)
                return fail();
            out += pad(QStringLiteral("0x") + QString::number(arg->asUInt(), 16), spec, false);
            break;
        default:
            return fail();
        }
    }
    return out; // surplus arguments are ignored, as printf does
}

} // namespace vcl
