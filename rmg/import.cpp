#include "rmg/import.h"

#include "model/numbers.h"
#include "model/text.h"
#include "rmg/template_list.h"

#include <algorithm>
#include <unordered_map>

namespace zw {

namespace {

constexpr int32_t kNoZone = 65536;

bool isZoneNumber(int32_t n) {
    return n >= 1 && n <= 65535;
}

// The word of a cell equals `lower` when its letters A to Z are lowered.
bool wordIs(std::string_view cell, std::string_view lower) {
    if (cell.size() != lower.size())
        return false;
    for (size_t i = 0; i < cell.size(); ++i) {
        char c = cell[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i])
            return false;
    }
    return true;
}

int32_t monsterStrengthFromWord(std::string_view cell) {
    const std::string_view word = trimCell(cell);
    for (const MonsterStrength s :
         {MonsterStrength::None, MonsterStrength::Weak, MonsterStrength::Strong})
        if (wordIs(word, kMonsterWords[code(s)]))
            return code(s);
    return code(MonsterStrength::Average); // "avg", empty and anything else: the default
}

Limits limitsFrom(BlockRows& row, int first) {
    return {cellNumber(row.cell(first), 1), cellNumber(row.cell(first + 1), 1),
            cellNumber(row.cell(first + 2), 1), cellNumber(row.cell(first + 3), 1)};
}

ZoneRecord readZone(BlockRows& row, int64_t P, int32_t H) {
    auto num = [&](int cell, int32_t d) { return cellNumber(row.cell(cell), d); };
    auto flag = [&](int cell) { return cellFlag(row.cell(cell)); };

    ZoneRecord z = makeDefaultZone();
    if (flag(col::HumanStart) || flag(col::ComputerStart))
        z.kind = code(ZoneKind::Start);
    if (flag(col::Junction))
        z.kind = code(ZoneKind::Junction);
    z.size = num(col::Size, 10);
    const Limits l = limitsFrom(row, col::MinHumans);
    z.minHumans = l.minHumans;
    z.maxHumans = l.maxHumans;
    z.minPlayers = l.minPlayers;
    z.maxPlayers = l.maxPlayers;
    z.owner = num(col::Owner, 0);
    z.existMode = existModeFromTable(l, z.owner, P, H);
    z.playerTowns = num(col::PlayerTowns, 0);
    z.playerCastles = num(col::PlayerCastles, 0);
    z.neutralTowns = num(col::NeutralTowns, 0);
    z.neutralCastles = num(col::NeutralCastles, 0);
    z.townMode = townModeFromTable(z.playerTowns, z.playerCastles, z.neutralTowns, z.neutralCastles,
                                   z.owner);
    z.sameTownType = flag(col::SameTownType);
    for (int k = 0; k < kTownTypeCount; ++k)
        z.townTypes[static_cast<size_t>(k)] = flag(col::TownTypes + k);
    int32_t* mines[7] = {&z.mineWood,    &z.mineMercury, &z.mineOre, &z.mineSulfur,
                         &z.mineCrystal, &z.mineGems,    &z.mineGold};
    for (int k = 0; k < 7; ++k)
        *mines[k] = num(col::Mines + k, 0);
    z.terrainMatchesTown = flag(col::TerrainMatchesTown);
    for (int k = 0; k < kTerrainCount; ++k)
        z.terrains[static_cast<size_t>(k)] = flag(col::Terrains + k);
    z.monsterStrength = monsterStrengthFromWord(row.cell(col::MonsterStrength));
    z.monstersMatchTown = flag(col::MonstersMatchTown);
    for (int k = 0; k < kMonsterTypeCount; ++k)
        z.monsterTypes[static_cast<size_t>(k)] = flag(col::MonsterTypes + k);
    for (int g = 0; g < 3; ++g) {
        TreasureGroup& tr = z.treasure[static_cast<size_t>(g)];
        tr.low = num(col::Treasure1 + 3 * g, 0);
        tr.high = num(col::Treasure1 + 3 * g + 1, 0);
        tr.density = num(col::Treasure1 + 3 * g + 2, 0);
    }
    return z;
}

// Connections of the template being read, with the one of each zone pair that
// still has a free passage slot. Pairs fill their connections in order, so the
// first connection of a pair with a free slot is always its last one.
class PassageCollector {
  public:
    explicit PassageCollector(TRmg& t) : t_(t) {}

    void add(int32_t a, int32_t b, BlockRows& row) {
        const auto lo = static_cast<uint64_t>(std::min(a, b));
        const auto hi = static_cast<uint64_t>(std::max(a, b));
        const uint64_t key = lo << 32 | hi;
        const auto it = open_.find(key);
        ConnectionRecord* c = nullptr;
        if (it != open_.end() && t_.connections[it->second].passageCount < kPassageSlots) {
            c = &t_.connections[it->second];
            ++c->passageCount;
        } else {
            ConnectionRecord fresh = makeDefaultConnection();
            fresh.zoneA = a - 1;
            fresh.zoneB = b - 1;
            t_.appendConnection(fresh);
            open_[key] = t_.connections.size() - 1;
            c = &t_.connections.back();
        }
        PassageRecord& p = c->passages[static_cast<size_t>(c->passageCount - 1)];
        p.guard = cellNumber(row.cell(col::Guard), 0);
        if (cellFlag(row.cell(col::Wide)))
            p.kind = code(PassageKind::Wide);
        if (cellFlag(row.cell(col::BorderGuard)))
            p.kind = code(PassageKind::BorderGuard);
        const Limits l = limitsFrom(row, col::PassageMinHumans);
        p.minHumans = l.minHumans;
        p.maxHumans = l.maxHumans;
        p.minPlayers = l.minPlayers;
        p.maxPlayers = l.maxPlayers;
        p.autoExist = autoExistFromTable(l, t_.zones[static_cast<size_t>(a - 1)],
                                         t_.zones[static_cast<size_t>(b - 1)]);
        if (p.maxPlayers == 1)
            p.autoExist = true;
    }

  private:
    TRmg& t_;
    std::unordered_map<uint64_t, size_t> open_;
};

} // namespace

bool BlockRows::next() {
    const size_t size = block_.size();
    if (pos_ >= size)
        return false;
    const size_t start = pos_;
    const size_t cr = block_.find('\r', start);
    size_t end;
    if (cr == std::string_view::npos) {
        // The last line counts only when it holds a TAB.
        pos_ = size;
        if (block_.find('\t', start) == std::string_view::npos)
            return false;
        end = size;
    } else {
        end = cr;
        pos_ = cr + 2; // the byte after CR is dropped
    }
    row_ = block_.substr(start, end - start);
    cut_ = 0;
    from_ = 0;
    rowDone_ = false;
    return true;
}

void BlockRows::cutUpTo(size_t k) {
    // Cells are mostly a few bytes long: a plain loop finds their ends faster
    // than a library search started for every cell.
    const char* data = row_.data();
    const size_t size = row_.size();
    while (cut_ <= k && !rowDone_) {
        size_t to = from_;
        while (to < size && data[to] != '\t')
            ++to;
        cells_[cut_++] = row_.substr(from_, to - from_);
        if (to == size)
            rowDone_ = true;
        else
            from_ = to + 1;
    }
}

std::string_view BlockRows::cell(int k) {
    if (k < 0 || k >= kRowCells)
        return {};
    const auto i = static_cast<size_t>(k);
    cutUpTo(i);
    return i < cut_ ? cells_[i] : std::string_view{};
}

const RowCells& BlockRows::cells() {
    cutUpTo(cells_.size() - 1);
    for (size_t j = cut_; j < cells_.size(); ++j)
        cells_[j] = {};
    return cells_;
}

std::string_view trimCell(std::string_view cell) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!cell.empty() && blank(cell.front()))
        cell.remove_prefix(1);
    while (!cell.empty() && blank(cell.back()))
        cell.remove_suffix(1);
    return cell;
}

int32_t cellNumber(std::string_view cell, int32_t fallback) {
    return parseInt32(trimCell(cell), kTableNumber).value_or(fallback);
}

TRmg readTemplate(std::string_view block) {
    TRmg t = makeNewTemplate();
    BlockRows rows(block);
    if (!rows.next())
        return t;

    // Template fields from row 0.
    t.name.clear();
    for (const char c : trimCell(rows.cell(col::Name)))
        if (c != '\n')
            t.name += c;
    t.header.minSize = cellNumber(rows.cell(col::MinSize), 1);
    t.header.maxSize = cellNumber(rows.cell(col::MaxSize), 32);

    // Players: the highest owner sets the count, a computer start mark the kind.
    rows.rewind();
    int32_t m = 0;
    while (rows.next()) {
        const int32_t o = cellNumber(rows.cell(col::Owner), 0);
        if (!validPlayer(o))
            continue;
        m = std::max(m, o - 2);
        if (cellFlag(rows.cell(col::ComputerStart)))
            t.kinds.playerKind[static_cast<size_t>(o - 1)] = code(PlayerKind::Computer);
    }
    t.header.playerCountIndex = m;
    const int64_t P = playersOf(t);
    const int32_t H = humanPlayersOf(t);

    // Zones, numbered by the order of their rows.
    rows.rewind();
    while (rows.next()) {
        if (!isZoneNumber(cellNumber(rows.cell(col::Zone), kNoZone)))
            continue;
        t.appendZone(readZone(rows, P, H));
    }

    // Passages: cell 76 may name several lower zones separated by commas.
    const auto zoneCount = static_cast<int64_t>(t.zones.size());
    auto names = [&](int32_t n) { return isZoneNumber(n) && n <= zoneCount; };
    PassageCollector passages(t);
    rows.rewind();
    while (rows.next()) {
        const int32_t b = cellNumber(rows.cell(col::PassageHigh), kNoZone);
        if (!names(b))
            continue;
        std::string_view rest = trimCell(rows.cell(col::PassageLow));
        for (;;) {
            const size_t comma = rest.find(',');
            const std::string_view piece = rest.substr(0, comma);
            const int32_t a =
                parseInt32(piece, kTableNumber).value_or(kNoZone); // not trimmed again
            if (names(a))
                passages.add(a, b, rows);
            if (comma == std::string_view::npos)
                break;
            rest.remove_prefix(comma + 1);
        }
    }
    return t;
}

} // namespace zw
