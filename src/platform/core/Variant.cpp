#include "platform/core/Variant.h"

#include "platform/core/NumberUtils.h"

namespace vcl {

TVariant TVariant::Null()
{
    TVariant v;
    v.m_value = NullTag {};
    return v;
}

TVariant TVariant::FromDateTime(TDateTime value)
{
    TVariant v;
    v.m_value = DateTag { value };
    return v;
}

TVariant TVariant::CreateArray(const std::vector<TVarArrayBound>& Bounds)
{
    if (Bounds.empty() || Bounds.size() > 2)
        throw EVariantError(QStringLiteral("Variant array dimensions must be 1 or 2"));
    std::size_t count = 1;
    for (const TVarArrayBound& b : Bounds) {
        if (b.ElementCount < 0 || b.ElementCount > (1 << 26))
            throw EVariantError(QStringLiteral("Variant array size out of range"));
        count *= static_cast<std::size_t>(b.ElementCount);
    }
    auto array = std::make_shared<Array>();
    array->Bounds = Bounds;
    array->Elements.resize(count);
    TVariant v;
    v.m_value = std::move(array);
    return v;
}

TVarType TVariant::VarType() const
{
    return static_cast<TVarType>(m_value.index());
}

QString TVariant::TypeName() const
{
    static const char* const names[] = { "Empty", "Null", "Int64", "Double", "Boolean", "String", "Date", "Array" };
    return QString::fromLatin1(names[m_value.index()]);
}

void TVariant::CastError(const char* to) const
{
    throw EVariantError(QStringLiteral("Could not convert variant of type (%s) into type (%s)"), TypeName(),
                        QString::fromLatin1(to));
}

double TVariant::AsDouble() const
{
    switch (VarType()) {
    case TVarType::varEmpty:
        return 0;
    case TVarType::varInteger:
        return static_cast<double>(std::get<std::int64_t>(m_value));
    case TVarType::varDouble:
        return std::get<double>(m_value);
    case TVarType::varBoolean:
        return std::get<bool>(m_value) ? -1 : 0;
    case TVarType::varDate:
        return std::get<DateTag>(m_value).Value;
    case TVarType::varString: {
        double d = 0;
        if (TryStrToFloat(std::get<QString>(m_value), d))
            return d;
        break;
    }
    default:
        break;
    }
    CastError("Double");
}

std::int64_t TVariant::AsInteger() const
{
    switch (VarType()) {
    case TVarType::varInteger:
        return std::get<std::int64_t>(m_value);
    case TVarType::varString: {
        std::int64_t i = 0;
        if (TryStrToInt64(std::get<QString>(m_value), i))
            return i;
        break;
    }
    case TVarType::varNull:
    case TVarType::varArray:
        break;
    default:
        return Round(AsDouble());
    }
    CastError("Int64");
}

bool TVariant::AsBoolean() const
{
    if (VarType() == TVarType::varBoolean)
        return std::get<bool>(m_value);
    if (VarType() == TVarType::varString) {
        const QString& s = std::get<QString>(m_value);
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (VarType() == TVarType::varNull || VarType() == TVarType::varArray)
        CastError("Boolean");
    return AsDouble() != 0;
}

QString TVariant::AsString() const
{
    switch (VarType()) {
    case TVarType::varEmpty:
        return {};
    case TVarType::varInteger:
        return IntToStr(std::get<std::int64_t>(m_value));
    case TVarType::varDouble:
        return FloatToStr(std::get<double>(m_value));
    case TVarType::varBoolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case TVarType::varString:
        return std::get<QString>(m_value);
    case TVarType::varDate:
        return FormatDateTime(QString(), std::get<DateTag>(m_value).Value);
    default:
        CastError("String");
    }
}

const TVariant::Array& TVariant::ArrayData() const
{
    if (!IsArray())
        throw EVariantError(QStringLiteral("Variant is not an array"));
    return *std::get<std::shared_ptr<Array>>(m_value);
}

int TVariant::DimCount() const
{
    return IsArray() ? static_cast<int>(ArrayData().Bounds.size()) : 0;
}

int TVariant::LowBound(int Dim) const
{
    const Array& a = ArrayData();
    if (Dim < 1 || Dim > static_cast<int>(a.Bounds.size()))
        throw EVariantError(QStringLiteral("Variant array index out of bounds"));
    return a.Bounds[Dim - 1].LowBound;
}

int TVariant::HighBound(int Dim) const
{
    return LowBound(Dim) + ArrayData().Bounds[Dim - 1].ElementCount - 1;
}

std::size_t TVariant::Offset(std::initializer_list<int> Indices) const
{
    const Array& a = ArrayData();
    if (Indices.size() != a.Bounds.size())
        throw EVariantError(QStringLiteral("Variant array index out of bounds"));
    std::size_t offset = 0;
    auto bound = a.Bounds.begin();
    for (int index : Indices) {
        const std::int64_t i = std::int64_t(index) - bound->LowBound;
        if (i < 0 || i >= bound->ElementCount)
            throw EVariantError(QStringLiteral("Variant array index out of bounds"));
        offset = offset * static_cast<std::size_t>(bound->ElementCount) + static_cast<std::size_t>(i);
        ++bound;
    }
    return offset;
}

const TVariant& TVariant::Element(std::initializer_list<int> Indices) const
{
    return ArrayData().Elements[Offset(Indices)];
}

void TVariant::SetElement(std::initializer_list<int> Indices, const TVariant& Value)
{
    const std::size_t offset = Offset(Indices);
    auto& array = std::get<std::shared_ptr<Array>>(m_value);
    if (array.use_count() > 1)
        array = std::make_shared<Array>(*array); // copies of a variant keep their own elements
    array->Elements[offset] = Value;
}

bool TVariant::operator==(const TVariant& other) const
{
    if (IsArray() && other.IsArray()) {
        const Array& a = ArrayData();
        const Array& b = other.ArrayData();
        if (a.Bounds.size() != b.Bounds.size() || a.Elements != b.Elements)
            return false;
        for (std::size_t i = 0; i < a.Bounds.size(); ++i)
            if (a.Bounds[i].LowBound != b.Bounds[i].LowBound || a.Bounds[i].ElementCount != b.Bounds[i].ElementCount)
                return false;
        return true;
    }
    return m_value == other.m_value;
}

} // namespace vcl
