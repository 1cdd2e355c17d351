#pragma once
// Published properties: a per-class table, in declaration order, of the properties an object saves,
// loads and shows in editors. Property lists and form streams walk these tables.
//
// Usage, for a class author (the table is built once, on first use):
//
//     const vcl::TPropertyTable* TiPlotAxis::PublishedProperties() const
//     {
//         static const vcl::TPropertyTable table =
//             vcl::TPropertyTableBuilder<TiPlotAxis>("TiPlotAxis", TiPlotObject::PublishedProperties())
//                 .Float("Min", &TiPlotAxis::Min, &TiPlotAxis::SetMin)
//                 .Integer("ZOrder", &TiPlotAxis::ZOrder, &TiPlotAxis::SetZOrder).Range(0, 999).Default(1)
//                 .Enum("Alignment", { "iaaCenter", "iaaLeft" }, &TiPlotAxis::Alignment,
//                       &TiPlotAxis::SetAlignment).Default(TiAlignment::iaaCenter)
//                 .Boolean("Visible", &TiPlotAxis::Visible, &TiPlotAxis::SetVisible).Default(true)
//                 .Object("LabelsFont", &TiPlotAxis::LabelsFont)
//                 .Stored(&TiPlotAxis::IsMinStored)          // applies to the property added last
//                 .Build();
//         return &table;
//     }
//
// The qualified call TiPlotObject::PublishedProperties() is not virtual, so it names the parent's
// table; the new table lists the parent's properties first (a property declared again keeps the
// parent's place and takes the new definition). Getters may be const member functions or data
// members; setters member functions taking the value (by value or const reference), data members,
// or nullptr for a read-only property. Enumerations are enum classes whose ordinals follow the
// element names; sets are TSet of such an enum.

#include "platform/core/Exception.h"
#include "platform/core/TPersistent.h"
#include "platform/core/TSet.h"

#include <QString>
#include <QStringList>

#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace vcl {

// A property read or written without the accessor for it.
class EPropertyError : public Exception
{
public:
    using Exception::Exception;
};

enum class TPropertyKind {
    Integer,     // any integer type; optional range
    Enumeration, // enum class with element names
    Set,         // TSet of an enumeration, element names of that enumeration
    Boolean,     // ordinal 0 / 1
    Color,       // TColor
    Float,       // double
    String,      // QString
    Object,      // nested persistent object held by the owner (a font, a pen, a collection)
    ClassRef,    // a class reference, reported by its class name
    Method,      // an event; listed for order, never read or written by text
};

// True for the kinds whose value is an integer ordinal.
bool IsOrdinalKind(TPropertyKind kind);

// A property value: ordinal kinds as int64 (sets as their bit mask), Float as double, String and
// ClassRef as QString, Object as the persistent object held; nothing for methods.
using TPropertyValue = std::variant<std::monostate, std::int64_t, double, QString, TPersistent*>;

struct TPropertyInfo
{
    QString Name;
    TPropertyKind Kind { TPropertyKind::Integer };
    QStringList ElementNames;            // enumeration and set elements, by ordinal
    std::optional<std::int64_t> MinValue; // integer range, when declared
    std::optional<std::int64_t> MaxValue;
    std::optional<TPropertyValue> DefaultValue; // the declared default, when there is one
    std::function<TPropertyValue(const TPersistent&)> Getter;
    std::function<void(TPersistent&, const TPropertyValue&)> Setter; // empty when read-only
    std::function<bool(const TPersistent&)> StoredPredicate;         // empty: always stored

    bool IsReadable() const { return static_cast<bool>(Getter); }
    bool IsWritable() const { return static_cast<bool>(Setter); }
};

// The published properties of one class with those it inherits, in declaration order.
class TPropertyTable
{
public:
    TPropertyTable(QString className, const TPropertyTable* parent, std::vector<TPropertyInfo> own);

    const QString& ClassName() const { return m_className; }
    const TPropertyTable* Parent() const { return m_parent; }
    // Inherited properties first, then this class's own.
    const std::vector<TPropertyInfo>& Properties() const { return m_properties; }
    // Case-insensitive; nullptr when the class publishes no such property.
    const TPropertyInfo* Find(const QString& name) const;
    // True when this table is `ancestor` or descends from it.
    bool InheritsFrom(const TPropertyTable* ancestor) const;

private:
    QString m_className;
    const TPropertyTable* m_parent;
    std::vector<TPropertyInfo> m_properties;
};

// --- access through an instance ---

// The instance's table (its PublishedProperties), or nullptr for a class that publishes nothing.
const TPropertyTable* PropertyTableOf(const TPersistent& instance);
// The named property of the instance's class, case-insensitive; nullptr when unknown.
const TPropertyInfo* FindPublishedProperty(const TPersistent& instance, const QString& name);

// Raises EPropertyError "Property <name> is write-only" / "... is read-only" where the accessor
// is missing, and ERangeError "Value must be between <min> and <max>" for an ordinal outside the
// declared range or the enumeration's elements. A value of the wrong alternative raises EConvertError.
TPropertyValue GetPropValue(const TPersistent& instance, const TPropertyInfo& prop);
void SetPropValue(TPersistent& instance, const TPropertyInfo& prop, const TPropertyValue& value);

// The property's stored predicate (true without one).
bool IsStoredProp(const TPersistent& instance, const TPropertyInfo& prop);
// True when a default is declared and the current value equals it.
bool IsDefaultPropValue(const TPersistent& instance, const TPropertyInfo& prop);

// Text forms, as property lists write them: ordinals as decimal integers (enumerations by
// ordinal, sets by bit mask), Float as the platform's number text ('.' decimals), strings as they
// are, class references by class name. Object and Method properties have no text (empty / ignored).
QString GetPropText(const TPersistent& instance, const TPropertyInfo& prop);
// Converts Text by the property's kind and sets it; a text that does not convert raises
// EConvertError and leaves the property unchanged. Object, ClassRef and Method properties ignore it.
void SetPropText(TPersistent& instance, const TPropertyInfo& prop, const QString& text);

// The persistent object held by a published Object property, nullptr when there is no such
// property or it is of another kind.
TPersistent* GetObjectProp(const TPersistent& instance, const QString& name);

// --- registration ---

namespace published_detail {

template <typename T> struct IsTSet : std::false_type {};
template <typename E> struct IsTSet<TSet<E>> : std::true_type {};

template <typename T>
TPropertyValue ToValue(const T& v)
{
    using U = std::remove_cvref_t<T>;
    if constexpr (IsTSet<U>::value)
        return static_cast<std::int64_t>(v.Bits());
    else if constexpr (std::is_enum_v<U> || std::is_integral_v<U>)
        return static_cast<std::int64_t>(v);
    else if constexpr (std::is_floating_point_v<U>)
        return static_cast<double>(v);
    else if constexpr (std::is_convertible_v<U, QString>)
        return QString(v);
    else if constexpr (std::is_pointer_v<U> && std::is_base_of_v<TPersistent, std::remove_pointer_t<U>>)
        return static_cast<TPersistent*>(v);
    else
        static_assert(sizeof(U) == 0, "unsupported property type");
}

std::int64_t OrdinalOf(const TPropertyValue& value);
double FloatOf(const TPropertyValue& value);
QString StringOf(const TPropertyValue& value);
TPersistent* ObjectOf(const TPropertyValue& value);

template <typename T>
T FromValue(const TPropertyValue& value)
{
    if constexpr (IsTSet<T>::value)
        return T::FromBits(static_cast<std::uint64_t>(OrdinalOf(value)));
    else if constexpr (std::is_same_v<T, bool>)
        return OrdinalOf(value) != 0;
    else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
        return static_cast<T>(OrdinalOf(value));
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(FloatOf(value));
    else if constexpr (std::is_same_v<T, QString>)
        return StringOf(value);
    else if constexpr (std::is_pointer_v<T>)
        return dynamic_cast<T>(ObjectOf(value));
    else
        static_assert(sizeof(T) == 0, "unsupported property type");
}

template <typename C, typename G>
auto ReadThrough(const C& object, G getter)
{
    return std::invoke(getter, object);
}

// The value type a setter accepts.
template <typename S> struct SetterArg;
template <typename C, typename A> struct SetterArg<void (C::*)(A)> { using type = std::remove_cvref_t<A>; };
template <typename C, typename A> struct SetterArg<void (C::*)(A) noexcept> { using type = std::remove_cvref_t<A>; };
template <typename C, typename A> struct SetterArg<A C::*> { using type = std::remove_cvref_t<A>; };

} // namespace published_detail

template <typename C>
class TPropertyTableBuilder
{
public:
    TPropertyTableBuilder(QString className, const TPropertyTable* parent)
        : m_className(std::move(className)), m_parent(parent)
    {
    }

    template <typename G, typename S>
    TPropertyTableBuilder& Integer(const QString& name, G get, S set)
    {
        return Add(name, TPropertyKind::Integer, get, set);
    }
    template <typename G, typename S>
    TPropertyTableBuilder& Enum(const QString& name, std::initializer_list<const char*> elements, G get, S set)
    {
        Add(name, TPropertyKind::Enumeration, get, set);
        return Elements(elements);
    }
    template <typename G, typename S>
    TPropertyTableBuilder& Set(const QString& name, std::initializer_list<const char*> elements, G get, S set)
    {
        Add(name, TPropertyKind::Set, get, set);
        return Elements(elements);
    }
    template <typename G, typename S>
    TPropertyTableBuilder& Boolean(const QString& name, G get, S set)
    {
        return Add(name, TPropertyKind::Boolean, get, set);
    }
    template <typename G, typename S>
    TPropertyTableBuilder& Color(const QString& name, G get, S set)
    {
        return Add(name, TPropertyKind::Color, get, set);
    }
    template <typename G, typename S>
    TPropertyTableBuilder& Float(const QString& name, G get, S set)
    {
        return Add(name, TPropertyKind::Float, get, set);
    }
    template <typename G, typename S>
    TPropertyTableBuilder& String(const QString& name, G get, S set)
    {
        return Add(name, TPropertyKind::String, get, set);
    }
    // A nested persistent object; setting it assigns the given object to the one held.
    template <typename G>
    TPropertyTableBuilder& Object(const QString& name, G get)
    {
        TPropertyInfo info = NewInfo(name, TPropertyKind::Object);
        info.Getter = [get](const TPersistent& o) -> TPropertyValue {
            return static_cast<TPersistent*>(published_detail::ReadThrough(static_cast<const C&>(o), get));
        };
        info.Setter = [get](TPersistent& o, const TPropertyValue& v) {
            TPersistent* held = published_detail::ReadThrough(static_cast<const C&>(o), get);
            if (held)
                held->Assign(published_detail::ObjectOf(v));
        };
        return Push(std::move(info));
    }
    // A class reference, read as its class name.
    template <typename G>
    TPropertyTableBuilder& ClassRef(const QString& name, G get)
    {
        TPropertyInfo info = NewInfo(name, TPropertyKind::ClassRef);
        info.Getter = [get](const TPersistent& o) -> TPropertyValue {
            return QString(published_detail::ReadThrough(static_cast<const C&>(o), get));
        };
        return Push(std::move(info));
    }
    TPropertyTableBuilder& Event(const QString& name)
    {
        return Push(NewInfo(name, TPropertyKind::Method));
    }

    // Modifiers of the property added last.
    template <typename T>
    TPropertyTableBuilder& Default(const T& value)
    {
        if constexpr (std::is_convertible_v<T, QString> && !std::is_arithmetic_v<T>)
            Last().DefaultValue = TPropertyValue(QString(value));
        else
            Last().DefaultValue = published_detail::ToValue(value);
        return *this;
    }
    TPropertyTableBuilder& Range(std::int64_t min, std::int64_t max)
    {
        Last().MinValue = min;
        Last().MaxValue = max;
        return *this;
    }
    TPropertyTableBuilder& Stored(bool (C::*predicate)() const)
    {
        Last().StoredPredicate = [predicate](const TPersistent& o) {
            return (static_cast<const C&>(o).*predicate)();
        };
        return *this;
    }
    TPropertyTableBuilder& NotStored()
    {
        Last().StoredPredicate = [](const TPersistent&) { return false; };
        return *this;
    }

    TPropertyTable Build() { return TPropertyTable(m_className, m_parent, std::move(m_own)); }

private:
    template <typename G, typename S>
    TPropertyTableBuilder& Add(const QString& name, TPropertyKind kind, G get, S set)
    {
        TPropertyInfo info = NewInfo(name, kind);
        info.Getter = [get](const TPersistent& o) {
            return published_detail::ToValue(published_detail::ReadThrough(static_cast<const C&>(o), get));
        };
        if constexpr (!std::is_null_pointer_v<S>) {
            using A = typename published_detail::SetterArg<S>::type;
            info.Setter = [set](TPersistent& o, const TPropertyValue& v) {
                C& object = static_cast<C&>(o);
                if constexpr (std::is_member_object_pointer_v<S>)
                    object.*set = published_detail::FromValue<A>(v);
                else
                    (object.*set)(published_detail::FromValue<A>(v));
            };
        }
        return Push(std::move(info));
    }
    static TPropertyInfo NewInfo(const QString& name, TPropertyKind kind)
    {
        TPropertyInfo info;
        info.Name = name;
        info.Kind = kind;
        return info;
    }
    TPropertyTableBuilder& Elements(std::initializer_list<const char*> elements)
    {
        for (const char* e : elements)
            Last().ElementNames << QString::fromLatin1(e);
        return *this;
    }
    TPropertyTableBuilder& Push(TPropertyInfo info)
    {
        m_own.push_back(std::move(info));
        return *this;
    }
    TPropertyInfo& Last() { return m_own.back(); }

    QString m_className;
    const TPropertyTable* m_parent;
    std::vector<TPropertyInfo> m_own;
};

} // namespace vcl
