#include "platform/core/PublishedProperties.h"

#include "platform/core/NumberUtils.h"

#include <algorithm>

namespace vcl {

bool IsOrdinalKind(TPropertyKind kind)
{
    switch (kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Enumeration:
    case TPropertyKind::Set:
    case TPropertyKind::Boolean:
    case TPropertyKind::Color:
        return true;
    default:
        return false;
    }
}

TPropertyTable::TPropertyTable(QString className, const TPropertyTable* parent, std::vector<TPropertyInfo> own)
    : m_className(std::move(className)), m_parent(parent)
{
    if (parent)
        m_properties = parent->m_properties;
    for (TPropertyInfo& info : own) {
        auto same = std::find_if(m_properties.begin(), m_properties.end(), [&](const TPropertyInfo& p) {
            return p.Name.compare(info.Name, Qt::CaseInsensitive) == 0;
        });
        if (same != m_properties.end())
            *same = std::move(info);
        else
            m_properties.push_back(std::move(info));
    }
}

const TPropertyInfo* TPropertyTable::Find(const QString& name) const
{
    for (const TPropertyInfo& p : m_properties)
        if (p.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

bool TPropertyTable::InheritsFrom(const TPropertyTable* ancestor) const
{
    for (const TPropertyTable* t = this; t; t = t->m_parent)
        if (t == ancestor)
            return true;
    return false;
}

const TPropertyTable* PropertyTableOf(const TPersistent& instance)
{
    return instance.PublishedProperties();
}

const TPropertyInfo* FindPublishedProperty(const TPersistent& instance, const QString& name)
{
    const TPropertyTable* table = instance.PublishedProperties();
    return table ? table->Find(name) : nullptr;
}

namespace {

[[noreturn]] void WrongValue(const TPropertyInfo& prop)
{
    throw EConvertError(QStringLiteral("Invalid value for property %s"), prop.Name);
}

// Ordinal values a property can hold: its declared range, the enumeration's elements, 0/1.
void CheckOrdinalRange(const TPropertyInfo& prop, std::int64_t value)
{
    std::optional<std::int64_t> min = prop.MinValue;
    std::optional<std::int64_t> max = prop.MaxValue;
    if (prop.Kind == TPropertyKind::Enumeration && !prop.ElementNames.isEmpty()) {
        min = 0;
        max = prop.ElementNames.size() - 1;
    } else if (prop.Kind == TPropertyKind::Boolean) {
        min = 0;
        max = 1;
    } else if (prop.Kind == TPropertyKind::Set && !prop.ElementNames.isEmpty() && prop.ElementNames.size() < 63) {
        min = 0;
        max = (std::int64_t(1) << prop.ElementNames.size()) - 1;
    }
    if ((min && value < *min) || (max && value > *max))
        throw ERangeError(QStringLiteral("Value must be between %d and %d"), min.value_or(value), max.value_or(value));
}

} // namespace

namespace published_detail {

std::int64_t OrdinalOf(const TPropertyValue& value)
{
    if (const auto* v = std::get_if<std::int64_t>(&value))
        return *v;
    throw EConvertError(QStringLiteral("Invalid ordinal property value"));
}

double FloatOf(const TPropertyValue& value)
{
    if (const auto* v = std::get_if<double>(&value))
        return *v;
    if (const auto* v = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*v);
    throw EConvertError(QStringLiteral("Invalid floating point property value"));
}

QString StringOf(const TPropertyValue& value)
{
    if (const auto* v = std::get_if<QString>(&value))
        return *v;
    throw EConvertError(QStringLiteral("Invalid string property value"));
}

TPersistent* ObjectOf(const TPropertyValue& value)
{
    if (const auto* v = std::get_if<TPersistent*>(&value))
        return *v;
    if (std::holds_alternative<std::monostate>(value))
        return nullptr;
    throw EConvertError(QStringLiteral("Invalid object property value"));
}

} // namespace published_detail

TPropertyValue GetPropValue(const TPersistent& instance, const TPropertyInfo& prop)
{
    if (!prop.IsReadable())
        throw EPropertyError(QStringLiteral("Property %s is write-only"), prop.Name);
    return prop.Getter(instance);
}

void SetPropValue(TPersistent& instance, const TPropertyInfo& prop, const TPropertyValue& value)
{
    if (!prop.IsWritable())
        throw EPropertyError(QStringLiteral("Property %s is read-only"), prop.Name);
    if (IsOrdinalKind(prop.Kind)) {
        if (!std::holds_alternative<std::int64_t>(value))
            WrongValue(prop);
        CheckOrdinalRange(prop, std::get<std::int64_t>(value));
    } else if (prop.Kind == TPropertyKind::Float) {
        if (!std::holds_alternative<double>(value) && !std::holds_alternative<std::int64_t>(value))
            WrongValue(prop);
    } else if (prop.Kind == TPropertyKind::String) {
        if (!std::holds_alternative<QString>(value))
            WrongValue(prop);
    }
    prop.Setter(instance, value);
}

bool IsStoredProp(const TPersistent& instance, const TPropertyInfo& prop)
{
    return !prop.StoredPredicate || prop.StoredPredicate(instance);
}

bool IsDefaultPropValue(const TPersistent& instance, const TPropertyInfo& prop)
{
    if (!prop.DefaultValue || !prop.IsReadable())
        return false;
    return prop.Getter(instance) == *prop.DefaultValue;
}

QString GetPropText(const TPersistent& instance, const TPropertyInfo& prop)
{
    if (prop.Kind == TPropertyKind::Method || prop.Kind == TPropertyKind::Object)
        return {};
    const TPropertyValue value = GetPropValue(instance, prop);
    if (IsOrdinalKind(prop.Kind))
        return IntToStr(published_detail::OrdinalOf(value));
    if (prop.Kind == TPropertyKind::Float)
        return FloatToStr(published_detail::FloatOf(value));
    return published_detail::StringOf(value);
}

void SetPropText(TPersistent& instance, const TPropertyInfo& prop, const QString& text)
{
    if (IsOrdinalKind(prop.Kind))
        SetPropValue(instance, prop, StrToInt64(text));
    else if (prop.Kind == TPropertyKind::Float)
        SetPropValue(instance, prop, StrToFloat(text));
    else if (prop.Kind == TPropertyKind::String)
        SetPropValue(instance, prop, text);
}

TPersistent* GetObjectProp(const TPersistent& instance, const QString& name)
{
    const TPropertyInfo* prop = FindPublishedProperty(instance, name);
    if (!prop || prop->Kind != TPropertyKind::Object || !prop->IsReadable())
        return nullptr;
    return published_detail::ObjectOf(prop->Getter(instance));
}

} // namespace vcl
