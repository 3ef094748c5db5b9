// The parameters of a template made from a pattern: the shape, the number of
// players and how many zones each part has. Shared by the generator, the
// command-line tool and the dialog that asks for them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zw {

// Ring: the players in a circle, neighbours joined through neutral zones.
// Star: every player joined only to the middle. RingCentre: both.
enum class PatternKind { Ring, Star, RingCentre };

struct PatternSettings {
    PatternKind pattern = PatternKind::RingCentre;
    int players = 4; // 2..8
    int own = 1;     // zones of each player besides its start zone, 0..4
    int between = 1; // neutral zones on the way between neighbours, 0..3 (rings only)
    int centre = 1;  // zones in the middle, 0..4 (star at least 1, ring none)
    int64_t seed = 0;
    std::optional<std::string> name; // UTF-8; none: a name made from the pattern and players

    bool operator==(const PatternSettings&) const = default;
};

} // namespace zw
