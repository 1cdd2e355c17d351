#pragma once
// A set of enumerators of one enum class, as the class library's set types (state, shift, anchors).

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace vcl {

template <typename E>
    requires std::is_enum_v<E>
class TSet
{
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E e : items)
            m_bits |= bit(e);
    }

    constexpr bool Contains(E e) const { return (m_bits & bit(e)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr TSet& operator<<(E e) { m_bits |= bit(e); return *this; }
    constexpr TSet& operator>>(E e) { m_bits &= ~bit(e); return *this; }
    constexpr TSet& Include(E e) { return *this << e; }
    constexpr TSet& Exclude(E e) { return *this >> e; }
    constexpr TSet operator+(TSet o) const { return FromBits(m_bits | o.m_bits); }
    constexpr TSet operator*(TSet o) const { return FromBits(m_bits & o.m_bits); }
    constexpr TSet operator-(TSet o) const { return FromBits(m_bits & ~o.m_bits); }
    constexpr bool operator==(const TSet&) const = default;

    constexpr std::uint64_t Bits() const { return m_bits; }
    static constexpr TSet FromBits(std::uint64_t bits) { TSet s; s.m_bits = bits; return s; }

private:
    static constexpr std::uint64_t bit(E e) { return std::uint64_t(1) << static_cast<unsigned>(e); }
    std::uint64_t m_bits { 0 };
};

} // namespace vcl
