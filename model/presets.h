// Lookup tables shown in several places: size presets and size names, guard
// presets and guard names, treasure presets with their reverse lookup, and the
// player colour names. All texts are UTF-8.
#pragma once

#include "model/records.h"
#include "model/translation.h"

#include <array>
#include <string>
#include <string_view>

namespace zw {

struct ValuePreset {
    // List entry, e.g. "Средний (14)": the Russian text, shown through
    // translated("Model", entry).
    std::string_view entry;
    int32_t value;
};

inline constexpr std::array<ValuePreset, 8> kSizePresets = {{
    {ZW_TR_NOOP("Model", "Очень маленький (5)"), 5},
    {ZW_TR_NOOP("Model", "Маленький (7)"), 7},
    {ZW_TR_NOOP("Model", "Ниже среднего (10)"), 10},
    {ZW_TR_NOOP("Model", "Средний (14)"), 14},
    {ZW_TR_NOOP("Model", "Выше среднего (18)"), 18},
    {ZW_TR_NOOP("Model", "Большой (23)"), 23},
    {ZW_TR_NOOP("Model", "Очень большой (30)"), 30},
    {ZW_TR_NOOP("Model", "Огромный (40)"), 40},
}};

inline constexpr std::array<ValuePreset, 8> kGuardPresets = {{
    {ZW_TR_NOOP("Model", "Нет охраны (0)"), 0},
    {ZW_TR_NOOP("Model", "Очень слабая (2000)"), 2000},
    {ZW_TR_NOOP("Model", "Слабая (3000)"), 3000},
    {ZW_TR_NOOP("Model", "Ниже средней (4500)"), 4500},
    {ZW_TR_NOOP("Model", "Средняя (6000)"), 6000},
    {ZW_TR_NOOP("Model", "Выше средней (8000)"), 8000},
    {ZW_TR_NOOP("Model", "Сильная (10000)"), 10000},
    {ZW_TR_NOOP("Model", "Очень сильная (12500)"), 12500},
}};

// Name of a size value: chosen by how many of the limits 6, 8, 12, 16, 20, 26, 35 lie below it.
std::string_view sizeName(int32_t size);
// "Большой (21)": the name, " (", the value, ")".
std::string sizeText(int32_t size);

// Name of a guard value: by how many of 0, 2000, 3500, 5000, 7000, 9000, 11500, 15000 lie below it.
std::string_view guardName(int32_t guard);
std::string guardText(int32_t guard);

// Treasure preset list entries, positions 0 ("Настроить...") to 14.
inline constexpr int kTreasurePresetCount = 15;
std::string_view treasurePresetEntry(int position);
// Triple of preset position 1..14 (position 0 has none).
TreasureGroup treasurePresetTriple(int position);
// Reverse lookup: band * 3 + 2 + density index for a preset band (15 and 16 for
// (20000, 30000) with density 6 and 9, which name no entry), 1 for all zero, else 0.
int treasurePresetIndex(const TreasureGroup& t);

// Colour names of players 1..8 ("красный" .. "розовый"); empty for any other number.
std::string_view playerColourName(int32_t player);

} // namespace zw
