#include "model/presets.h"

#include "model/translation.h"

namespace zw {
namespace {

constexpr std::array<int32_t, 7> kSizeLimits = {6, 8, 12, 16, 20, 26, 35};
constexpr std::array<std::string_view, 8> kSizeNames = {
    ZW_TR_NOOP("Model", "Очень маленький"), ZW_TR_NOOP("Model", "Маленький"),
    ZW_TR_NOOP("Model", "Ниже среднего"),   ZW_TR_NOOP("Model", "Средний"),
    ZW_TR_NOOP("Model", "Выше среднего"),   ZW_TR_NOOP("Model", "Большой"),
    ZW_TR_NOOP("Model", "Очень большой"),   ZW_TR_NOOP("Model", "Огромный")};

constexpr std::array<int32_t, 8> kGuardLimits = {0, 2000, 3500, 5000, 7000, 9000, 11500, 15000};
constexpr std::array<std::string_view, 9> kGuardNames = {
    ZW_TR_NOOP("Model", "Нет охраны"), ZW_TR_NOOP("Model", "Очень слабая"),
    ZW_TR_NOOP("Model", "Слабая"),     ZW_TR_NOOP("Model", "Ниже средней"),
    ZW_TR_NOOP("Model", "Средняя"),    ZW_TR_NOOP("Model", "Выше средней"),
    ZW_TR_NOOP("Model", "Сильная"),    ZW_TR_NOOP("Model", "Очень сильная"),
    ZW_TR_NOOP("Model", "Мощная")};

constexpr std::array<std::string_view, kTreasurePresetCount> kTreasureEntries = {
    ZW_TR_NOOP("Model", "Настроить..."),
    ZW_TR_NOOP("Model", "Группа отсутствует"),
    ZW_TR_NOOP("Model", "Бедные сокровища, мало"),
    ZW_TR_NOOP("Model", "Бедные сокровища, средне"),
    ZW_TR_NOOP("Model", "Бедные сокровища, много"),
    ZW_TR_NOOP("Model", "Средние сокровища, мало"),
    ZW_TR_NOOP("Model", "Средние сокровища, средне"),
    ZW_TR_NOOP("Model", "Средние сокровища, много"),
    ZW_TR_NOOP("Model", "Богатые сокровища, мало"),
    ZW_TR_NOOP("Model", "Богатые сокровища, средне"),
    ZW_TR_NOOP("Model", "Богатые сокровища, много"),
    ZW_TR_NOOP("Model", "Особые сокровища, мало"),
    ZW_TR_NOOP("Model", "Особые сокровища, средне"),
    ZW_TR_NOOP("Model", "Особые сокровища, много"),
    ZW_TR_NOOP("Model", "Очень богатые, мало")};

struct Band {
    int32_t low, high;
};
constexpr std::array<Band, 5> kBands = {
    {{500, 3000}, {3000, 6000}, {10000, 15000}, {100, 500}, {20000, 30000}}};
constexpr std::array<int32_t, 3> kDensities = {1, 6, 9};

constexpr std::array<std::string_view, 8> kColourNames = {
    ZW_TR_NOOP("Model", "красный"),    ZW_TR_NOOP("Model", "синий"),
    ZW_TR_NOOP("Model", "коричневый"), ZW_TR_NOOP("Model", "зеленый"),
    ZW_TR_NOOP("Model", "оранжевый"),  ZW_TR_NOOP("Model", "фиолетовый"),
    ZW_TR_NOOP("Model", "бирюзовый"),  ZW_TR_NOOP("Model", "розовый")};

template <size_t N> size_t countBelow(const std::array<int32_t, N>& limits, int32_t v) {
    size_t n = 0;
    for (int32_t l : limits)
        if (l < v)
            ++n;
    return n;
}

} // namespace

std::string_view sizeName(int32_t size) {
    return translatedView("Model", kSizeNames[countBelow(kSizeLimits, size)]);
}

std::string sizeText(int32_t size) {
    return std::string(sizeName(size)) + " (" + std::to_string(size) + ")";
}

std::string_view guardName(int32_t guard) {
    return translatedView("Model", kGuardNames[countBelow(kGuardLimits, guard)]);
}

std::string guardText(int32_t guard) {
    return std::string(guardName(guard)) + " (" + std::to_string(guard) + ")";
}

std::string_view treasurePresetEntry(int position) {
    if (position < 0 || position >= kTreasurePresetCount)
        return {};
    return translatedView("Model", kTreasureEntries[static_cast<size_t>(position)]);
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
    return translatedView("Model", kColourNames[static_cast<size_t>(player - 1)]);
}

} // namespace zw
