// The template document and its fixed-layout value records.
//
// Every record is a plain value: copying a record copies everything. Zones are
// referred to only by their 0-based index in TRmg::zones. The byte layout of the
// records (offsets, widths, padding) is part of the project file format and is
// produced by the explicit writers in record_io.h, never by dumping memory.
#pragma once

#include "model/codes.h"
#include "model/kept_cells.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zw {

// Number of town types, terrains and monster factions in the flag lists.
inline constexpr int kTownTypeCount = 9;
inline constexpr int kTerrainCount = 8;
inline constexpr int kMonsterTypeCount = 10;
inline constexpr int kPlayerSlots = 8;
inline constexpr int kPassageSlots = 8;
inline constexpr int kMapSizeCount = 8;

// Size values of the eight map sizes, in list order ("36х36х1" .. "144х144х2").
inline constexpr std::array<int32_t, kMapSizeCount> kMapSizeValues = {1, 2, 4, 8, 9, 18, 16, 32};

struct TemplateHeader {
    int32_t minSize = 4;
    int32_t maxSize = 9;
    int32_t playerCountIndex = 0; // number of players minus 2

    bool operator==(const TemplateHeader&) const = default;
};

struct PlayerKindTable {
    // PlayerKind codes; entry p-1 belongs to player p.
    std::array<int32_t, kPlayerSlots> playerKind{};

    bool operator==(const PlayerKindTable&) const = default;
};

struct TreasureGroup {
    int32_t low = 0;
    int32_t high = 0;
    int32_t density = 0;

    bool operator==(const TreasureGroup&) const = default;
};

struct ZoneRecord {
    int32_t kind = code(ZoneKind::Treasure);
    int32_t size = 14;
    int32_t owner = 0; // 0 nobody, 1..8 player
    int32_t townMode = code(TownMode::None);
    int32_t playerCastles = 0;
    int32_t playerTowns = 0;
    int32_t neutralCastles = 0;
    int32_t neutralTowns = 0;
    bool sameTownType = false;
    std::array<bool, kTownTypeCount> townTypes{true, true, true, true, true,
                                               true, true, true, true};
    int32_t mineWood = 0;
    int32_t mineMercury = 0;
    int32_t mineOre = 0;
    int32_t mineSulfur = 0;
    int32_t mineCrystal = 0;
    int32_t mineGems = 0;
    int32_t mineGold = 0;
    bool terrainMatchesTown = false;
    std::array<bool, kTerrainCount> terrains{true, true, true, true, true, true, true, true};
    int32_t monsterStrength = code(MonsterStrength::Average);
    bool monstersMatchTown = false;
    std::array<bool, kMonsterTypeCount> monsterTypes{true, true, true, true, true,
                                                     true, true, true, true, true};
    std::array<TreasureGroup, 3> treasure{
        TreasureGroup{10000, 15000, 1}, TreasureGroup{3000, 6000, 6}, TreasureGroup{500, 3000, 9}};
    int32_t existMode = code(ExistMode::Always);
    int32_t minHumans = 1;
    int32_t maxHumans = 8;
    int32_t minPlayers = 1;
    int32_t maxPlayers = 8;
    int32_t gridX = 0;
    int32_t gridY = 0;
    // Cells of an extended table that the fields above do not hold.
    KeptCells kept;

    bool operator==(const ZoneRecord&) const = default;
};

// What a zone's coded fields say, for every user of a zone. A value outside
// the named codes matches none of them (an unknown town mode has no towns, an
// unknown strength has monsters). The town counts are summed in 64 bits: a
// file may hold any 32-bit counts.
inline bool isStartZone(const ZoneRecord& z) {
    return z.kind == ZoneKind::Start;
}
// The four town counts apply ("Настроить подробно").
inline bool hasDetailedTowns(const ZoneRecord& z) {
    return z.townMode == TownMode::Detailed;
}
// The zone has a town: one single town, or detailed counts summing above 0.
inline bool hasTowns(const ZoneRecord& z) {
    return z.townMode == TownMode::TownWithoutFort || z.townMode == TownMode::TownWithFort ||
           (hasDetailedTowns(z) &&
            int64_t{z.playerCastles} + z.playerTowns + z.neutralCastles + z.neutralTowns > 0);
}
// The zone has a town with a fort: the single town with fort, or detailed
// counts of towns with fort summing above 0.
inline bool hasTownsWithFort(const ZoneRecord& z) {
    return z.townMode == TownMode::TownWithFort ||
           (hasDetailedTowns(z) && int64_t{z.playerCastles} + z.neutralCastles > 0);
}
// The zone's owner has a town in it: a single town of a zone with an owner
// (owner above 0), or detailed counts of the owner's towns summing above 0
// (whatever the owner field holds).
inline bool ownerHasTowns(const ZoneRecord& z) {
    return (z.owner > 0 &&
            (z.townMode == TownMode::TownWithoutFort || z.townMode == TownMode::TownWithFort)) ||
           (hasDetailedTowns(z) && int64_t{z.playerCastles} + z.playerTowns > 0);
}
// The zone has monsters: any strength value but "Нет".
inline bool hasMonsters(const ZoneRecord& z) {
    return z.monsterStrength != MonsterStrength::None;
}
// The named strength nearest to the stored one, as the canvas shows it.
inline int32_t nearestMonsterStrength(const ZoneRecord& z) {
    return std::clamp(z.monsterStrength, code(MonsterStrength::None),
                      code(MonsterStrength::Strong));
}

struct PassageRecord {
    int32_t kind = code(PassageKind::Ordinary);
    int32_t guard = 6000;
    bool autoExist = true;
    int32_t minHumans = 1;
    int32_t maxHumans = 8;
    int32_t minPlayers = 1;
    int32_t maxPlayers = 8;
    // Cells of an extended table's connection row that the fields above do not hold.
    KeptCells kept;

    bool operator==(const PassageRecord&) const = default;
};

struct ConnectionRecord {
    int32_t zoneA = 0;
    int32_t zoneB = 0;
    int32_t passageCount = 1;
    std::array<PassageRecord, kPassageSlots> passages{};

    bool operator==(const ConnectionRecord&) const = default;
};

// The document. `name` holds Windows-1251 bytes.
struct TRmg {
    std::string name = "Unnamed template";
    TemplateHeader header;
    PlayerKindTable kinds;
    std::vector<ZoneRecord> zones;
    std::vector<ConnectionRecord> connections;
    // Cells of an extended table that the template settings and the rows' records do not hold.
    KeptTemplate kept;

    bool operator==(const TRmg&) const = default;
    // The template keeps cells of an extended table (a zone's Id and row alone
    // are no cells: the classic layout numbers and places zones itself).
    bool hasKeptCells() const;

    // 64 bits: a damaged file may hold any playerCountIndex.
    int64_t playerCount() const { return int64_t{header.playerCountIndex} + 2; }

    // Operations of the model. Callers record a history step before each change.
    void appendZone(const ZoneRecord& z) { zones.push_back(z); }
    void appendConnection(const ConnectionRecord& c) { connections.push_back(c); }
    // Index of the first connection joining {a, b} in either order.
    std::optional<int> findConnection(int a, int b) const;
    // Removes zone k, drops its connections and renumbers the others. Out-of-range k is ignored.
    void removeZone(int k);
    // Removes connection k. Out-of-range k is ignored.
    void removeConnection(int k);
};

// The names of the kept cells of a template, each once: the cells of columns
// the records don't read, then the classic cells kept as written; each in the
// order of the template's own, its zones', its passages' and its kept rows'.
std::vector<std::string> keptCellNames(const TRmg& t);

// The new template: "Unnamed template", sizes [4, 9], two players of kind 0, nothing else.
TRmg makeNewTemplate();
inline void resetTemplate(TRmg& t) {
    t = makeNewTemplate();
}
ZoneRecord makeDefaultZone();
ConnectionRecord makeDefaultConnection();

// Size value of map size i (0..7): ((i div 2) + 1)^2 * ((i mod 2) + 1).
inline int32_t mapSizeValue(int i) {
    return kMapSizeValues.at(static_cast<size_t>(i));
}

// Guarded table lookups: values read from files may be out of range, so every
// index into a fixed table goes through these.
inline bool validPlayer(int32_t p) {
    return p >= 1 && p <= kPlayerSlots;
}
// Kind of player p, or nullopt when p is not 1..8.
std::optional<int32_t> playerKindOf(const TRmg& t, int32_t p);

} // namespace zw
