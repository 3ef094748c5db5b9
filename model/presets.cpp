#include "model/presets.h"

namespace zw {
namespace {

constexpr std::array<int32_t, 7> kSizeLimits = {6, 8, 12, 16, 20, 26, 35};
constexpr std::array<std::string_view, 8> kSizeNames = {
    "Очень маленький", "Маленький", "Ниже среднего", "Средний",
    "Выше среднего",   "Большой",   "Очень большой", "Огромный"};

constexpr std::array<int32_t, 8> kGuardLimits = {0, 2000, 3500, 5000, 7000, 9000, 11500, 15000};
constexpr std::array<std::string_view, 9> kGuardNames = {
    "Нет охраны",   "Очень слабая", "Слабая",        "Ниже средней", "Средняя",
    "Выше средней", "Сильная",      "Очень сильная", "Мощная"};

constexpr std::array<std::string_view, kTreasurePresetCount> kTreasureEntries = {
    "Настроить...",
    "Группа отсутствует",
    "Бедные сокровища, мало",
    "Бедные сокровища, средне",
    "Бедные сокровища, много",
    "Средние сокровища, мало",
    "Средние сокровища, средне",
    "Средние сокровища, много",
    "Богатые сокровища, мало",
    "Богатые сокровища, средне",
    "Богатые сокровища, много",
    "Особые сокровища, мало",
    "Особые сокровища, средне",
    "Особые сокровища, много",
    "Очень богатые, мало"};

struct Band {
    int32_t low, high;
};
constexpr std::array<Band, 5> kBands = {
    {{500, 3000}, {3000, 6000}, {10000, 15000}, {100, 500}, {20000, 30000}}};
constexpr std::array<int32_t, 3> kDensities = {1, 6, 9};

constexpr std::array<std::string_view, 8> kColourNames = {
    "красный", "синий", "коричневый", "зеленый", "оранжевый", "фиолетовый", "бирюзовый", "розовый"};

template <size_t N> size_t countBelow(const std::array<int32_t, N>& limits, int32_t v) {
    size_t n = 0;
    for (int32_t l : limits)
        if (l < v)
            ++n;
    return n;
}

} // namespace

std::string_view sizeName(int32_t size) { return kSizeNames[countBelow(kSizeLimits, size)]; }

std::string sizeText(int32_t size) {
    return std::string(sizeName(size)) + " (" + std::to_string(size) + ")";
}

std::string_view guardName(int32_t guard) { return kGuardNames[countBelow(kGuardLimits, guard)]; }

std::string guardText(int32_t guard) {
    return std::string(guardName(guard)) + " (" + std::to_string(guard) + ")";
}

std::string_view treasurePresetEntry(int position) {
    if (position < 0 || position >= kTreasurePresetCount)
        return {};
    return kTreasureEntries[static_cast<size_t>(position)];
}

TreasureGroup treasurePresetTriple(int position) {
    if (position < 2 || position >= kTreasurePresetCount)
        return TreasureGroup{0, 0, 0};
    const auto band = kBands[static_cast<size_t>((position - 2) / 3)];
    return TreasureGroup{band.low, band.high, kDensities[static_cast<size_t>((position - 2) % 3)]};
}

int treasurePresetIndex(const TreasureGroup& t) {
    for (size_t d = 0; d < kDensities.size(); ++d) {
        if (t.density != kDensities[d])
            continue;
        for (size_t b = 0; b < kBands.size(); ++b)
            if (t.low == kBands[b].low && t.high == kBands[b].high)
                return static_cast<int>(b * 3 + 2 + d);
    }
    if (t.low == 0 && t.high == 0 && t.density == 0)
        return 1;
    return 0;
}

std::string_view playerColourName(int32_t player) {
    if (!validPlayer(player))
        return {};
    return kColourNames[static_cast<size_t>(player - 1)];
}

} // namespace zw
