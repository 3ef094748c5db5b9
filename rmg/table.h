// The layout of the host game's template table (rmg.txt) as the compile writes
// it: the derived existence conditions, the block of 85-cell rows of one
// template, appending it to a table, and the read-back rules that the import
// applies to what it reads.
#pragma once

#include "model/records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

inline constexpr int kRowCells = 85;

// Cell numbers of a row.
namespace col {
inline constexpr int Name = 0, MinSize = 1, MaxSize = 2;
inline constexpr int Zone = 3, HumanStart = 4, ComputerStart = 5, Treasure = 6, Junction = 7;
inline constexpr int Size = 8, MinHumans = 9, MaxHumans = 10, MinPlayers = 11, MaxPlayers = 12;
inline constexpr int Owner = 13, PlayerTowns = 14, PlayerCastles = 15;
inline constexpr int NeutralTowns = 18, NeutralCastles = 19;
inline constexpr int SameTownType = 22, TownTypes = 23;
inline constexpr int Mines = 32;
inline constexpr int TerrainMatchesTown = 46, Terrains = 47;
inline constexpr int MonsterStrength = 55, MonstersMatchTown = 56, MonsterTypes = 57;
inline constexpr int Treasure1 = 67;
inline constexpr int PassageLow = 76, PassageHigh = 77, Guard = 78, Wide = 79, BorderGuard = 80;
inline constexpr int PassageMinHumans = 81;
} // namespace col

// The words of the monster strengths, indexed by MonsterStrength code.
inline constexpr std::string_view kMonsterWords[4] = {"none", "weak", "avg", "strong"};

// The four existence limits of a zone or a passage, in their usual order.
struct Limits {
    int32_t minHumans = 1;
    int32_t maxHumans = 8;
    int32_t minPlayers = 1;
    int32_t maxPlayers = 8;
    bool operator==(const Limits&) const = default;
};

inline Limits limitsOf(const ZoneRecord& z) {
    return {z.minHumans, z.maxHumans, z.minPlayers, z.maxPlayers};
}
inline Limits limitsOf(const PassageRecord& p) {
    return {p.minHumans, p.maxHumans, p.minPlayers, p.maxPlayers};
}

// P: the number of players (playerCountIndex + 2), without overflow.
int64_t playersOf(const TRmg& t);
// H: the players among 1 to P (at most 8) whose kind is PlayerKind::HumanOrComputer.
int32_t humanPlayersOf(const TRmg& t);

// Limits that existence mode 0 and 1 derive for a zone (mode 1 with its owner).
Limits zoneLimitsForMode0(int64_t P, int32_t H);
Limits zoneLimitsForMode1(int64_t P, int32_t H, int32_t owner);
// A passage's derived limits from its two zones.
Limits passageLimitsFrom(const ZoneRecord& a, const ZoneRecord& b);

// The cells of one classic row. The fill functions set the cells their record
// writes and leave the others as they are.
using ClassicRow = std::array<std::string, kRowCells>;
// Cells 0 to 2: the name (Windows-1251, as it is) and the two sizes.
void fillTemplateCells(ClassicRow& row, const TRmg& t, std::string_view name);
// Cells 3 to 75 of zone i, which the table numbers `number`.
void fillZoneCells(ClassicRow& row, const TRmg& t, size_t i, int64_t number);
// Cells 76 to 84 of a passage between the zones the table numbers `first` and `second`.
void fillPassageCells(ClassicRow& row, int64_t first, int64_t second, const PassageRecord& p);
// Passages in use of a connection; a count read from elsewhere never reaches
// beyond the eight slots.
int passagesInUse(const ConnectionRecord& c);

// Stores the derived limits of zones in existence mode 0 and 1 and then of
// passages marked autoExist into the template. Passages whose zones do not
// exist keep their stored values.
void refreshConditions(TRmg& t);

// The rows of one template: max(1, zones, passages) rows of 85 cells, each row
// ended by CR LF. `name` (Windows-1251) goes into cell 0 of row 0 as it is.
// Reads the template as it stands; run refreshConditions first.
std::string buildBlock(const TRmg& t, std::string_view name);

// CR LF first when the buffer is not empty and does not end with LF, then the block.
void appendBlock(std::string& buffer, std::string_view block);

// The compile's table work: refresh, then the template's rows in the table's
// layout: appended to a classic table; in an extended table appended, or in
// the place of template `replace`. False, with nothing changed but the
// refresh, for a table that claims the extended layout and does not read.
bool compileInto(std::string& buffer, TRmg& t, std::string_view name,
                 std::optional<size_t> replace = std::nullopt);

inline constexpr std::string_view kRmgExtension = ".txt";

// Read-back rules.
// R1: existence mode from the limits and owner as read.
int32_t existModeFromTable(const Limits& l, int32_t owner, int64_t P, int32_t H);
// R2: town mode from cells 14, 15, 18, 19 and the owner.
int32_t townModeFromTable(int32_t c14, int32_t c15, int32_t c18, int32_t c19, int32_t owner);
// R3: autoExist when the limits equal those derived from the two zones.
bool autoExistFromTable(const Limits& l, const ZoneRecord& a, const ZoneRecord& b);

} // namespace zw
