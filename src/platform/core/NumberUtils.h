#pragma once
// Number conversions with fixed rules: saturating double-to-integer, Round half to even, and
// number text that uses '.' as the decimal point whatever the process locale is.

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace vcl {

// --- double to integer: NaN gives 0, values beyond the range give the nearest limit ---

// Truncates toward zero. Use this for every double -> pixel / int conversion.
int SaturateToInt(double value) noexcept;
std::int64_t SaturateToInt64(double value) noexcept;

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value) noexcept;
std::int64_t Round(double value) noexcept;   // saturating, NaN -> 0
int RoundToInt(double value) noexcept;       // saturating, NaN -> 0
std::int64_t Trunc(double value) noexcept;   // same as SaturateToInt64
int Floor(double value) noexcept;            // saturating, NaN -> 0
int Ceil(double value) noexcept;             // saturating, NaN -> 0

// --- integer text ---

QString IntToStr(std::int64_t value);
QString IntToHex(std::uint64_t value, int digits); // upper case, at least `digits` digits
// Accepts optional surrounding blanks, a sign, decimal digits or "$"/"0x" hexadecimal.
// Raises EConvertError "'%s' is not a valid integer value" on anything else or on overflow.
int StrToInt(const QString& text);
std::int64_t StrToInt64(const QString& text);
bool TryStrToInt(const QString& text, int& value) noexcept;
bool TryStrToInt64(const QString& text, std::int64_t& value) noexcept;
int StrToIntDef(const QString& text, int fallback) noexcept;

// --- floating-point text ('.' always) ---

// Shortest text with at most 15 significant digits; exponent form "1E20", "1.5E-5" outside
// 1E-4 .. 1E15; "NAN", "INF", "-INF".
QString FloatToStr(double value);

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
// Decimal rounding is half away from zero on the shortest exact decimal form of the value
// (so 2.675 with 2 digits gives "2.68", as a reader of the number expects).
QString FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// Accepts optional surrounding blanks, a sign, digits with one '.', and an exponent.
// Raises EConvertError "'%s' is not a valid floating point value".
double StrToFloat(const QString& text);
bool TryStrToFloat(const QString& text, double& value) noexcept;
double StrToFloatDef(const QString& text, double fallback) noexcept;

// --- printf-style formatting ---

// One argument of Format: an integer, a floating-point value, a text or a pointer.
class FormatArg
{
public:
    enum class Kind { Int, UInt, Float, Text, Pointer };

    template <typename T>
        requires(std::is_integral_v<T> && std::is_signed_v<T> && !std::is_same_v<T, bool>)
    FormatArg(T v) : m_kind(Kind::Int), m_int(v) {}
    template <typename T>
        requires(std::is_integral_v<T> && std::is_unsigned_v<T> && !std::is_same_v<T, bool>)
    FormatArg(T v) : m_kind(Kind::UInt), m_uint(v) {}
    template <typename T>
        requires std::is_enum_v<T>
    FormatArg(T v) : FormatArg(static_cast<std::underlying_type_t<T>>(v)) {}
    FormatArg(bool v) : m_kind(Kind::Int), m_int(v ? 1 : 0) {}
    FormatArg(double v) : m_kind(Kind::Float), m_float(v) {}
    FormatArg(float v) : m_kind(Kind::Float), m_float(v) {}
    FormatArg(const QString& v) : m_kind(Kind::Text), m_text(v) {}
    FormatArg(const char* v) : m_kind(Kind::Text), m_text(QString::fromUtf8(v)) {}
    FormatArg(const char16_t* v) : m_kind(Kind::Text), m_text(QString::fromUtf16(v)) {}
    FormatArg(const std::string& v) : m_kind(Kind::Text), m_text(QString::fromStdString(v)) {}
    FormatArg(const void* v) : m_kind(Kind::Pointer), m_uint(reinterpret_cast<std::uintptr_t>(v)) {}

    Kind kind() const { return m_kind; }
    std::int64_t asInt() const { return m_kind == Kind::UInt ? static_cast<std::int64_t>(m_uint) : m_int; }
    std::uint64_t asUInt() const { return m_kind == Kind::Int ? static_cast<std::uint64_t>(m_int) : m_uint; }
    double asFloat() const { return m_float; }
    const QString& asText() const { return m_text; }

private:
    Kind m_kind;
    std::int64_t m_int { 0 };
    std::uint64_t m_uint { 0 };
    double m_float { 0.0 };
    QString m_text;
};

// C printf rules: %[flags -+ 0#][width|*][.precision|*](d i u x X o c s f F e E g G p %);
// length modifiers (l, ll, h, z) are accepted and ignored. %s takes any text argument, %d/%x
// any integer, %f/%e/%g a floating-point or integer value. A wrong or missing argument raises
// EConvertError "Format '%s' invalid or incompatible with argument".
QString FormatList(const QString& format, std::initializer_list<FormatArg> args);

template <typename... Args>
QString Format(const QString& format, const Args&... args)
{
    return FormatList(format, { FormatArg(args)... });
}

} // namespace vcl
