// Template analysis: which zones exist, and how they hang together, for every
// number of players and human players the template allows; structural warnings
// that hold whatever the setup; and how rich each player's start is.
//
// The analysis reads a copy of the template with its derived existence
// conditions refreshed the way the compile refreshes them, so it describes the
// template as the game will see it. It never changes the template.
#pragma once

#include "model/records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace zw {

// The pairs of separated start zones grow with the square of their number; a
// damaged file may hold thousands of start zones, so a setup lists at most this
// many pairs (the first ones in order). A template of the game has one start
// zone per player and never comes near it.
inline constexpr size_t kMaxSeparatedStarts = 10000;

// One combination of players in total and human players. Zone numbers are 1-based.
struct SetupAnalysis {
    int players = 0;
    int humans = 0;
    std::vector<int> zones;                          // the zones that exist, ascending
    std::vector<std::vector<int>> components;        // each ascending, ordered by first zone
    std::vector<int> unreachable;                    // zones in no component with a start zone
    std::vector<std::array<int, 2>> separatedStarts; // start zones in different components
    bool operator==(const SetupAnalysis&) const = default;
};

// The last four are what the template check refuses, so that the analysis
// never calls a template sound that cannot be compiled.
enum class WarningCode {
    IsolatedZone,
    SelfConnection,
    DuplicateConnection,
    StartWithoutTown,
    SecondStartZone,    // a player with two or more start zones
    StartWithoutOwner,  // a start zone of owner 0 (or below, as a damaged file may hold)
    OwnerBeyondPlayers, // a player above the number of players owning zones
    MissingStartZone,   // a player of the template without a start zone
};

// The code as written in reports: "isolated-zone", "self-connection", ...
std::string_view warningCodeName(WarningCode code);

// A finding that holds in every setup. Zone and connection numbers are 1-based,
// ascending; `player` is set for the codes about one player.
struct TemplateWarning {
    TemplateWarning() = default;
    TemplateWarning(WarningCode c, std::vector<int> z, std::vector<int> j,
                    std::optional<int> p = std::nullopt)
        : code(c), zones(std::move(z)), connections(std::move(j)), player(p) {}

    WarningCode code = WarningCode::IsolatedZone;
    std::vector<int> zones;
    std::vector<int> connections;
    std::optional<int> player;
    bool operator==(const TemplateWarning&) const = default;
};

inline constexpr int kMineKinds = 7;         // wood, mercury, ore, sulfur, crystal, gems, gold
inline constexpr int kFairnessDistances = 4; // distances 0 to 3

// What lies within a number of connections of a start zone.
struct Holdings {
    int distance = 0;
    int zones = 0;
    int64_t treasure = 0;
    std::array<int64_t, kMineKinds> mines{};
    int64_t towns = 0;
    bool operator==(const Holdings&) const = default;
};

struct PlayerFairness {
    int player = 0;
    std::optional<int> startZone;       // zone number
    std::optional<int> nearestOpponent; // connections to the nearest other start
    std::vector<Holdings> within;       // distances 0 .. 3; empty without a start zone
    bool operator==(const PlayerFairness&) const = default;
};

struct TemplateAnalysis {
    int players = 0; // P, 2..8
    std::vector<SetupAnalysis> setups;
    std::vector<TemplateWarning> warnings;
    std::vector<PlayerFairness> fairness; // players 1..P, in the setup (P, max(1, H(P)))

    // True when there is a warning or a setup with an unreachable zone or separated starts.
    bool hasFindings() const;
};

TemplateAnalysis analyzeTemplate(const TRmg& t);

} // namespace zw
