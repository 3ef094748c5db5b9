// Named codes of the records' coded fields.
//
// The records keep these fields as the stored 32-bit values, because a file may
// hold any value and it must come back unchanged. The enums name the values
// that mean something; a stored value compares with them directly
// (`z.kind == ZoneKind::Start`), and `code()` gives the stored value of a name
// (`z.kind = code(ZoneKind::Junction)`, `case code(TownMode::Detailed):`).
#pragma once

#include <cstdint>
#include <type_traits>

namespace zw {

// ZoneRecord::kind ("Тип зоны").
enum class ZoneKind : int32_t { Start = 0, Treasure = 1, Junction = 2 };

// ZoneRecord::townMode ("Города"). Only Detailed uses the four town counts.
enum class TownMode : int32_t { None = 0, TownWithoutFort = 1, TownWithFort = 2, Detailed = 3 };

// ZoneRecord::existMode ("Условие существования"). Only Detailed uses the
// stored limits as they are; the others derive them on compiling.
enum class ExistMode : int32_t { Always = 0, WithOwner = 1, Detailed = 2 };

// PassageRecord::kind ("Тип прохода"). Only an ordinary passage has a guard.
enum class PassageKind : int32_t { Ordinary = 0, Wide = 1, BorderGuard = 2 };

// ZoneRecord::monsterStrength ("Сила монстров").
enum class MonsterStrength : int32_t { None = 0, Weak = 1, Average = 2, Strong = 3 };

// PlayerKindTable::playerKind entries: "Человек или комп" and "Комп".
enum class PlayerKind : int32_t { HumanOrComputer = 0, Computer = 1 };

template <class E> inline constexpr bool kIsStoredCode = false;
template <> inline constexpr bool kIsStoredCode<ZoneKind> = true;
template <> inline constexpr bool kIsStoredCode<TownMode> = true;
template <> inline constexpr bool kIsStoredCode<ExistMode> = true;
template <> inline constexpr bool kIsStoredCode<PassageKind> = true;
template <> inline constexpr bool kIsStoredCode<MonsterStrength> = true;
template <> inline constexpr bool kIsStoredCode<PlayerKind> = true;

// The stored value of a named code.
template <class E>
requires kIsStoredCode<E>
constexpr int32_t code(E named) {
    return static_cast<int32_t>(named);
}

// A stored value equals a name when it holds that name's value; values outside
// the named ones equal no name.
template <class E>
requires kIsStoredCode<E>
constexpr bool operator==(int32_t stored, E named) {
    return stored == code(named);
}

} // namespace zw
