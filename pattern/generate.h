// Templates made from a pattern: a start zone per player with zones of its own,
// neutral zones between neighbouring players and a rich middle, built the same
// way for every player so that the starts are equal by construction.
//
// Zone numbers run player by player (the start zone, its own zones, then the
// zones on the way to the next player), the middle last. Every player's part
// is the same list of zones and connections turned to the player's side, so
// the connections are exactly symmetric; the grid positions follow the turn
// as closely as the square grid allows (exactly for 2 and 4 players). The
// layout reads plainly: no two connections cross, none runs by a zone that is
// not one of its ends, and a player more never makes the picture narrower or
// lower.
//
// Existence: the parts of players 3 and above, and the zones between two
// players, exist only when every player they belong to plays, so whatever
// number of players a map has, what exists hangs together.
#pragma once

#include "model/pattern_settings.h"
#include "model/records.h"

#include <optional>
#include <string>
#include <string_view>

namespace zw {

inline constexpr int kPatternMinPlayers = 2;
inline constexpr int kPatternMaxPlayers = 8;
inline constexpr int kPatternMaxOwn = 4;
inline constexpr int kPatternMaxBetween = 3;
inline constexpr int kPatternMaxCentre = 4;
// The variants (seeds) the dialog's field and the command line take.
inline constexpr int kPatternMaxSeed = 999999;

// "ring", "star", "ring-centre" (the command line's words) and back.
std::string_view patternWord(PatternKind k);
std::optional<PatternKind> patternFromWord(std::string_view word);
// "Кольцо", "Звезда", "Кольцо с центром".
std::string_view patternTitle(PatternKind k);

// The usual settings of a pattern for `players` players: one zone of each
// player's own, one between neighbours (rings), one in the middle (star and
// ring with centre), seed 0, the default name.
PatternSettings patternDefaults(PatternKind k, int players);

// "Кольцо с центром на 4 игрока" (UTF-8).
std::string defaultPatternName(PatternKind k, int players);

// Why the settings give no template (a value out of range, a combination that
// cannot be connected, a name the template name rules refuse), as a Russian
// message (UTF-8), or nullopt when they are fine.
std::optional<std::string> patternProblem(const PatternSettings& s);

// The template. Settings that patternProblem() refuses are first brought to
// the nearest ones it accepts (values clamped, a refused name replaced by the
// default), so it always gives a sound template.
TRmg generateTemplate(const PatternSettings& s);

} // namespace zw
