#pragma once
// Variants: one value of a few kinds (empty, null, integer, double, boolean, string, date-time) or
// an array of variants with one or two dimensions and their own index bounds, as the plot takes
// rows of values and OPC items deliver them.

#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

namespace vcl {

// "Could not convert variant of type (<from>) into type (<to>)" and array index errors.
class EVariantError : public Exception
{
public:
    using Exception::Exception;
};

enum class TVarType { varEmpty, varNull, varInteger, varDouble, varBoolean, varString, varDate, varArray };

struct TVarArrayBound
{
    int LowBound { 0 };
    int ElementCount { 0 };
};

class TVariant
{
public:
    TVariant() = default;
    TVariant(int v) : m_value(std::int64_t(v)) {}
    TVariant(std::int64_t v) : m_value(v) {}
    TVariant(double v) : m_value(v) {}
    TVariant(bool v) : m_value(v) {}
    TVariant(const QString& v) : m_value(v) {}
    TVariant(const char* v) : m_value(QString::fromUtf8(v)) {}
    static TVariant Null();
    static TVariant FromDateTime(TDateTime v);
    // An array of empty elements; one bound per dimension (one or two dimensions).
    static TVariant CreateArray(const std::vector<TVarArrayBound>& Bounds);

    TVarType VarType() const;
    bool IsEmpty() const { return VarType() == TVarType::varEmpty; }
    bool IsNull() const { return VarType() == TVarType::varNull; }
    bool IsArray() const { return VarType() == TVarType::varArray; }

    // Conversions raise EVariantError when the value has no such meaning.
    double AsDouble() const;
    std::int64_t AsInteger() const;
    bool AsBoolean() const;
    QString AsString() const;

    // Arrays: EVariantError "Variant is not an array" on plain values, "Variant array index out
    // of bounds" for indices outside the bounds or a wrong number of them.
    int DimCount() const;
    int LowBound(int Dim) const;  // Dim counts from 1
    int HighBound(int Dim) const;
    const TVariant& Element(std::initializer_list<int> Indices) const;
    void SetElement(std::initializer_list<int> Indices, const TVariant& Value);

    bool operator==(const TVariant& other) const;

private:
    struct Array
    {
        std::vector<TVarArrayBound> Bounds;
        std::vector<TVariant> Elements;
    };
    struct NullTag { bool operator==(const NullTag&) const = default; };
    struct DateTag { double Value; bool operator==(const DateTag&) const = default; };

    std::size_t Offset(std::initializer_list<int> Indices) const;
    const Array& ArrayData() const;
    [[noreturn]] void CastError(const char* to) const;
    QString TypeName() const;

    std::variant<std::monostate, NullTag, std::int64_t, double, bool, QString, DateTag, std::shared_ptr<Array>> m_value;
};

} // namespace vcl
