#include "check/check.h"

#include "model/translation.h"

#include <array>

namespace zw {
namespace {

// Every message opens with the same line.
std::string problem(const char* pattern, int64_t number) {
    return ZW_TR("Check", "Обнаружена логическая ошибка.\r") +
           withArguments(translated("Check", pattern), {std::to_string(number)});
}

} // namespace

std::optional<std::string> checkTemplate(const TRmg& t) {
    // Computed wide: a header read from a file may hold any playerCountIndex.
    const int64_t players = static_cast<int64_t>(t.header.playerCountIndex) + 2;
    // Start zones seen, one flag per player 1..8. Owners outside 1..8 never
    // index it.
    std::array<bool, kPlayerSlots> startSeen{};

    for (size_t k = 0; k < t.zones.size(); ++k) {
        const ZoneRecord& z = t.zones[k];
        const int32_t p = z.owner;
        if (isStartZone(z) && validPlayer(p)) {
            bool& seen = startSeen[static_cast<size_t>(p - 1)];
            if (seen)
                return problem(ZW_TR_NOOP("Check", "У игрока %1 больше одной стартовой локации"),
                               p);
            seen = true;
        }
        if (p > players)
            return problem(
                ZW_TR_NOOP("Check", "У игрока %1 есть замки, но этого игрока на карте нет"), p);
        // A start zone belongs to a player; one without an owner (possible only
        // in a file made elsewhere) cannot start anybody.
        if (isStartZone(z) && !validPlayer(p))
            return problem(
                ZW_TR_NOOP("Check", "Стартовая локация %1 не принадлежит ни одному игроку"),
                static_cast<int64_t>(k + 1));
    }

    // Only players 1..8 can have a start zone; a player count beyond 8 (a
    // damaged header) asks no more of them.
    for (int32_t p = 1; p <= players && p <= kPlayerSlots; ++p)
        if (!startSeen[static_cast<size_t>(p - 1)])
            return problem(ZW_TR_NOOP("Check", "У игрока %1 нет стартовой локации"), p);
    return std::nullopt;
}

} // namespace zw
