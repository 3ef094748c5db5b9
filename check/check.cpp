#include "check/check.h"

#include <array>

namespace zw {
namespace {

constexpr std::string_view kHead = "Обнаружена логическая ошибка.\r";

std::string playerProblem(int32_t player, std::string_view tail) {
    return std::string(kHead) + "У игрока " + std::to_string(player) + std::string(tail);
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
                return playerProblem(p, " больше одной стартовой локации");
            seen = true;
        }
        if (p > players)
            return playerProblem(p, " есть замки, но этого игрока на карте нет");
        // A start zone belongs to a player; one without an owner (possible only
        // in a file made elsewhere) cannot start anybody.
        if (isStartZone(z) && !validPlayer(p))
            return std::string(kHead) + "Стартовая локация " + std::to_string(k + 1) +
                   " не принадлежит ни одному игроку";
    }

    // Only players 1..8 can have a start zone; a player count beyond 8 (a
    // damaged header) asks no more of them.
    for (int32_t p = 1; p <= players && p <= kPlayerSlots; ++p)
        if (!startSeen[static_cast<size_t>(p - 1)])
            return playerProblem(p, " нет стартовой локации");
    return std::nullopt;
}

} // namespace zw
