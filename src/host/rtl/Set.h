// TSet<E>: a set of the members of a small enumeration, stored as ordinal bits.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace host {

template <class E> class TSet {
    static_assert(std::is_enum_v<E>, "TSet holds members of an enumeration");

public:
    using Element = E;
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Members) {
        for (E m : Members)
            Include(m);
    }
    static constexpr TSet FromBits(std::uint32_t Bits) {
        TSet s;
        s.FBits = Bits;
        return s;
    }

    constexpr std::uint32_t Bits() const { return FBits; }
    constexpr bool Contains(E m) const { return (FBits & Bit(m)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E m) {
        FBits |= Bit(m);
        return *this;
    }
    constexpr TSet& Exclude(E m) {
        FBits &= ~Bit(m);
        return *this;
    }

    constexpr TSet operator+(TSet o) const { return FromBits(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return FromBits(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return FromBits(FBits & o.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint32_t Bit(E m) { return std::uint32_t{1} << static_cast<int>(m); }
    std::uint32_t FBits = 0;
};

} // namespace host
