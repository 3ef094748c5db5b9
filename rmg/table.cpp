#include "rmg/table.h"

#include "model/text.h"
#include "rmg/extended_table.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zw {

namespace {

int32_t saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

const ZoneRecord* zoneAt(const TRmg& t, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= t.zones.size())
        return nullptr;
    return &t.zones[static_cast<size_t>(index)];
}

using Row = ClassicRow;

void setNumber(Row& row, int cell, int64_t v) {
    row[static_cast<size_t>(cell)] = std::to_string(v);
}
void setFlag(Row& row, int cell, bool on) {
    if (on)
        row[static_cast<size_t>(cell)] = "x";
}
void setPositive(Row& row, int cell, int32_t v) {
    if (v > 0)
        setNumber(row, cell, v);
}
void setLimits(Row& row, int first, const Limits& l) {
    setNumber(row, first, l.minHumans);
    setNumber(row, first + 1, l.maxHumans);
    setNumber(row, first + 2, l.minPlayers);
    setNumber(row, first + 3, l.maxPlayers);
}

} // namespace

void fillZoneCells(ClassicRow& row, const TRmg& t, size_t i, int64_t number) {
    const ZoneRecord& z = t.zones[i];
    setNumber(row, col::Zone, number);
    if (isStartZone(z)) {
        // A start zone without a valid owner (only an imported table can give
        // one) is written as a human start zone.
        const auto kind = playerKindOf(t, z.owner);
        setFlag(row,
                kind && *kind != PlayerKind::HumanOrComputer ? col::ComputerStart : col::HumanStart,
                true);
    } else if (z.kind == ZoneKind::Treasure) {
        setFlag(row, col::Treasure, true);
    } else {
        setFlag(row, col::Junction, true);
    }
    setNumber(row, col::Size, z.size);
    setLimits(row, col::MinHumans, limitsOf(z));
    setPositive(row, col::Owner, z.owner);

    int32_t c14 = 0, c15 = 0, c18 = 0, c19 = 0;
    switch (z.townMode) {
    case code(TownMode::TownWithoutFort):
        if (z.owner > 0)
            c14 = 1;
        else if (z.owner == 0)
            c18 = 1;
        break;
    case code(TownMode::TownWithFort):
        if (z.owner > 0)
            c15 = 1;
        else if (z.owner == 0)
            c19 = 1;
        break;
    case code(TownMode::Detailed):
        c14 = z.playerTowns;
        c15 = z.playerCastles;
        c18 = z.neutralTowns;
        c19 = z.neutralCastles;
        break;
    default:
        break;
    }
    setPositive(row, col::PlayerTowns, c14);
    setPositive(row, col::PlayerCastles, c15);
    setPositive(row, col::NeutralTowns, c18);
    setPositive(row, col::NeutralCastles, c19);

    setFlag(row, col::SameTownType, hasDetailedTowns(z) && z.sameTownType);
    for (int k = 0; k < kTownTypeCount; ++k)
        setFlag(row, col::TownTypes + k, z.townTypes[static_cast<size_t>(k)]);

    const int32_t mines[7] = {z.mineWood,    z.mineMercury, z.mineOre, z.mineSulfur,
                              z.mineCrystal, z.mineGems,    z.mineGold};
    for (int k = 0; k < 7; ++k)
        setPositive(row, col::Mines + k, mines[k]);

    setFlag(row, col::TerrainMatchesTown, z.terrainMatchesTown);
    if (!z.terrainMatchesTown)
        for (int k = 0; k < kTerrainCount; ++k)
            setFlag(row, col::Terrains + k, z.terrains[static_cast<size_t>(k)]);

    // A strength outside 0..3 is written as "avg", the word that reads back as
    // the default strength.
    const bool named = z.monsterStrength >= code(MonsterStrength::None) &&
                       z.monsterStrength <= code(MonsterStrength::Strong);
    const int32_t strength = named ? z.monsterStrength : code(MonsterStrength::Average);
    row[col::MonsterStrength] = std::string(kMonsterWords[strength]);
    if (hasMonsters(z)) {
        setFlag(row, col::MonstersMatchTown, z.monstersMatchTown);
        if (!z.monstersMatchTown)
            for (int k = 0; k < kMonsterTypeCount; ++k)
                setFlag(row, col::MonsterTypes + k, z.monsterTypes[static_cast<size_t>(k)]);
    }
    for (int g = 0; g < 3; ++g) {
        const TreasureGroup& tr = z.treasure[static_cast<size_t>(g)];
        setNumber(row, col::Treasure1 + 3 * g, tr.low);
        setNumber(row, col::Treasure1 + 3 * g + 1, tr.high);
        setNumber(row, col::Treasure1 + 3 * g + 2, tr.density);
    }
}

void fillPassageCells(ClassicRow& row, int64_t first, int64_t second, const PassageRecord& p) {
    setNumber(row, col::PassageLow, first);
    setNumber(row, col::PassageHigh, second);
    if (p.kind == PassageKind::Ordinary)
        setNumber(row, col::Guard, p.guard);
    else if (p.kind == PassageKind::Wide)
        setFlag(row, col::Wide, true);
    else
        setFlag(row, col::BorderGuard, true);
    setLimits(row, col::PassageMinHumans, limitsOf(p));
}

void fillTemplateCells(ClassicRow& row, const TRmg& t, std::string_view name) {
    row[col::Name] = std::string(name);
    setNumber(row, col::MinSize, t.header.minSize);
    setNumber(row, col::MaxSize, t.header.maxSize);
}

int passagesInUse(const ConnectionRecord& c) {
    return std::clamp<int32_t>(c.passageCount, 0, kPassageSlots);
}

int64_t playersOf(const TRmg& t) {
    return static_cast<int64_t>(t.header.playerCountIndex) + 2;
}

int32_t humanPlayersOf(const TRmg& t) {
    const int64_t last = std::min<int64_t>(playersOf(t), kPlayerSlots);
    int32_t h = 0;
    for (int64_t p = 1; p <= last; ++p)
        if (t.kinds.playerKind[static_cast<size_t>(p - 1)] == PlayerKind::HumanOrComputer)
            ++h;
    return h;
}

Limits zoneLimitsForMode0(int64_t P, int32_t H) {
    return {1, H, 2, saturate(P)};
}

Limits zoneLimitsForMode1(int64_t P, int32_t H, int32_t owner) {
    const int32_t T = static_cast<int64_t>(owner) - 2 > P ? 2 : owner;
    return {1, H, T, saturate(P)};
}

Limits passageLimitsFrom(const ZoneRecord& a, const ZoneRecord& b) {
    return {std::max(a.minHumans, b.minHumans), std::min(a.maxHumans, b.maxHumans),
            std::max(a.minPlayers, b.minPlayers), std::min(a.maxPlayers, b.maxPlayers)};
}

void refreshConditions(TRmg& t) {
    const int64_t P = playersOf(t);
    const int32_t H = humanPlayersOf(t);
    for (ZoneRecord& z : t.zones) {
        Limits l;
        if (z.existMode == ExistMode::Always)
            l = zoneLimitsForMode0(P, H);
        else if (z.existMode == ExistMode::WithOwner)
            l = zoneLimitsForMode1(P, H, z.owner);
        else
            continue;
        z.minHumans = l.minHumans;
        z.maxHumans = l.maxHumans;
        z.minPlayers = l.minPlayers;
        z.maxPlayers = l.maxPlayers;
    }
    for (ConnectionRecord& c : t.connections) {
        const ZoneRecord* a = zoneAt(t, c.zoneA);
        const ZoneRecord* b = zoneAt(t, c.zoneB);
        if (!a || !b)
            continue;
        const Limits l = passageLimitsFrom(*a, *b);
        for (int j = 0; j < passagesInUse(c); ++j) {
            PassageRecord& p = c.passages[static_cast<size_t>(j)];
            if (!p.autoExist)
                continue;
            p.minHumans = l.minHumans;
            p.maxHumans = l.maxHumans;
            p.minPlayers = l.minPlayers;
            p.maxPlayers = l.maxPlayers;
        }
    }
}

std::string buildBlock(const TRmg& t, std::string_view name) {
    size_t passages = 0;
    for (const ConnectionRecord& c : t.connections)
        passages += static_cast<size_t>(passagesInUse(c));
    const size_t rows = std::max<size_t>({1, t.zones.size(), passages});

    std::string out;
    Row row;
    size_t conn = 0; // the connection and slot of the next passage
    int slot = 0;
    for (size_t r = 0; r < rows; ++r) {
        for (std::string& cell : row)
            cell.clear();
        if (r == 0)
            fillTemplateCells(row, t, name);
        if (r < t.zones.size())
            fillZoneCells(row, t, r, static_cast<int64_t>(r) + 1);
        while (conn < t.connections.size() && slot >= passagesInUse(t.connections[conn])) {
            ++conn;
            slot = 0;
        }
        if (conn < t.connections.size()) {
            const ConnectionRecord& c = t.connections[conn];
            fillPassageCells(row, static_cast<int64_t>(std::min(c.zoneA, c.zoneB)) + 1,
                             static_cast<int64_t>(std::max(c.zoneA, c.zoneB)) + 1,
                             c.passages[static_cast<size_t>(slot)]);
            ++slot;
        }
        for (size_t k = 0; k < row.size(); ++k) {
            if (k > 0)
                out += '\t';
            out += row[k];
        }
        out += "\r\n";
    }
    return out;
}

void appendBlock(std::string& buffer, std::string_view block) {
    if (!buffer.empty() && buffer.back() != '\n')
        buffer += "\r\n";
    buffer += block;
}

bool compileInto(std::string& buffer, TRmg& t, std::string_view name,
                 std::optional<size_t> replace) {
    refreshConditions(t);
    if (!claimsExtendedLayout(buffer)) {
        appendBlock(buffer, buildBlock(t, name));
        return true;
    }
    // Never classic rows in an extended table.
    auto read = ExtendedTable::read(buffer);
    const auto* table = std::get_if<ExtendedTable>(&read);
    if (!table || (replace && *replace >= table->templates().size()))
        return false;
    buffer = replace ? table->replaced(*replace, t, name) : table->appended(t, name);
    return true;
}

int32_t existModeFromTable(const Limits& l, int32_t owner, int64_t P, int32_t H) {
    int32_t mode = code(ExistMode::Detailed);
    if (l == zoneLimitsForMode0(P, H))
        mode = code(ExistMode::Always);
    if (owner > 2 && l == zoneLimitsForMode1(P, H, owner))
        mode = code(ExistMode::WithOwner);
    return mode;
}

int32_t townModeFromTable(int32_t c14, int32_t c15, int32_t c18, int32_t c19, int32_t owner) {
    if (c14 == 0 && c15 == 0 && c18 == 0 && c19 == 0)
        return code(TownMode::None);
    if (owner > 0 && c14 == 1 && c15 == 0 && c18 == 0 && c19 == 0)
        return code(TownMode::TownWithoutFort);
    if (owner > 0 && c14 == 0 && c15 == 1 && c18 == 0 && c19 == 0)
        return code(TownMode::TownWithFort);
    if (owner == 0 && c14 == 0 && c15 == 0 && c18 == 1 && c19 == 0)
        return code(TownMode::TownWithoutFort);
    if (owner == 0 && c14 == 0 && c15 == 0 && c18 == 0 && c19 == 1)
        return code(TownMode::TownWithFort);
    return code(TownMode::Detailed);
}

bool autoExistFromTable(const Limits& l, const ZoneRecord& a, const ZoneRecord& b) {
    return l == passageLimitsFrom(a, b);
}

} // namespace zw
