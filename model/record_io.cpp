#include "model/record_io.h"

#include <array>

namespace zw {
namespace {

// A record image under construction: zero-filled, so padding stays zero.
template <size_t N> class Image {
  public:
    void int32At(size_t offset, int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (size_t k = 0; k < 4; ++k)
            bytes_[offset + k] = static_cast<uint8_t>(u >> (8 * k));
    }
    void flagAt(size_t offset, bool v) { bytes_[offset] = v ? 1 : 0; }
    template <size_t M> void flagsAt(size_t offset, const std::array<bool, M>& flags) {
        for (size_t k = 0; k < M; ++k)
            flagAt(offset + k, flags[k]);
    }
    void appendTo(std::string& out) const {
        out.append(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
    }

  private:
    std::array<uint8_t, N> bytes_{};
};

bool flagAt(const uint8_t* p, size_t offset) {
    return p[offset] != 0;
}

template <size_t M> std::array<bool, M> flagsAt(const uint8_t* p, size_t offset) {
    std::array<bool, M> flags{};
    for (size_t k = 0; k < M; ++k)
        flags[k] = flagAt(p, offset + k);
    return flags;
}

int32_t int32At(const uint8_t* p, size_t offset) {
    return readInt32(p + offset);
}

// Offsets inside a ZoneRecord.
namespace zone {
constexpr size_t kind = 0, size = 4, owner = 8, townMode = 12, playerCastles = 16, playerTowns = 20,
                 neutralCastles = 24, neutralTowns = 28, sameTownType = 32, townTypes = 33,
                 mineWood = 44, mineMercury = 48, mineOre = 52, mineSulfur = 56, mineCrystal = 60,
                 mineGems = 64, mineGold = 68, terrainMatchesTown = 72, terrains = 73,
                 monsterStrength = 84, monstersMatchTown = 88, monsterTypes = 89, treasure = 100,
                 existMode = 136, minHumans = 140, maxHumans = 144, minPlayers = 148,
                 maxPlayers = 152, gridX = 156, gridY = 160;
constexpr size_t treasureStride = 12;
} // namespace zone

// Offsets inside a PassageRecord, and of the passages inside a ConnectionRecord.
namespace passage {
constexpr size_t kind = 0, guard = 4, autoExist = 8, minHumans = 12, maxHumans = 16,
                 minPlayers = 20, maxPlayers = 24;
} // namespace passage
namespace connection {
constexpr size_t zoneA = 0, zoneB = 4, passageCount = 8, passages = 12;
} // namespace connection

} // namespace

void appendInt32(std::string& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k)
        out += static_cast<char>(static_cast<uint8_t>(u >> (8 * k)));
}

int32_t readInt32(const uint8_t* p) {
    const uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(u);
}

void appendTemplateHeader(std::string& out, const TemplateHeader& h) {
    Image<kTemplateHeaderBytes> img;
    img.int32At(0, h.minSize);
    img.int32At(4, h.maxSize);
    img.int32At(8, h.playerCountIndex);
    img.appendTo(out);
}

void appendPlayerKinds(std::string& out, const PlayerKindTable& k) {
    Image<kPlayerKindTableBytes> img;
    for (size_t i = 0; i < k.playerKind.size(); ++i)
        img.int32At(4 * i, k.playerKind[i]);
    img.appendTo(out);
}

void appendZone(std::string& out, const ZoneRecord& z) {
    Image<kZoneRecordBytes> img;
    img.int32At(zone::kind, z.kind);
    img.int32At(zone::size, z.size);
    img.int32At(zone::owner, z.owner);
    img.int32At(zone::townMode, z.townMode);
    img.int32At(zone::playerCastles, z.playerCastles);
    img.int32At(zone::playerTowns, z.playerTowns);
    img.int32At(zone::neutralCastles, z.neutralCastles);
    img.int32At(zone::neutralTowns, z.neutralTowns);
    img.flagAt(zone::sameTownType, z.sameTownType);
    img.flagsAt(zone::townTypes, z.townTypes);
    img.int32At(zone::mineWood, z.mineWood);
    img.int32At(zone::mineMercury, z.mineMercury);
    img.int32At(zone::mineOre, z.mineOre);
    img.int32At(zone::mineSulfur, z.mineSulfur);
    img.int32At(zone::mineCrystal, z.mineCrystal);
    img.int32At(zone::mineGems, z.mineGems);
    img.int32At(zone::mineGold, z.mineGold);
    img.flagAt(zone::terrainMatchesTown, z.terrainMatchesTown);
    img.flagsAt(zone::terrains, z.terrains);
    img.int32At(zone::monsterStrength, z.monsterStrength);
    img.flagAt(zone::monstersMatchTown, z.monstersMatchTown);
    img.flagsAt(zone::monsterTypes, z.monsterTypes);
    for (size_t g = 0; g < z.treasure.size(); ++g) {
        const size_t at = zone::treasure + g * zone::treasureStride;
        img.int32At(at + 0, z.treasure[g].low);
        img.int32At(at + 4, z.treasure[g].high);
        img.int32At(at + 8, z.treasure[g].density);
    }
    img.int32At(zone::existMode, z.existMode);
    img.int32At(zone::minHumans, z.minHumans);
    img.int32At(zone::maxHumans, z.maxHumans);
    img.int32At(zone::minPlayers, z.minPlayers);
    img.int32At(zone::maxPlayers, z.maxPlayers);
    img.int32At(zone::gridX, z.gridX);
    img.int32At(zone::gridY, z.gridY);
    img.appendTo(out);
}

void appendConnection(std::string& out, const ConnectionRecord& c) {
    Image<kConnectionRecordBytes> img;
    img.int32At(connection::zoneA, c.zoneA);
    img.int32At(connection::zoneB, c.zoneB);
    img.int32At(connection::passageCount, c.passageCount);
    for (size_t j = 0; j < c.passages.size(); ++j) {
        const PassageRecord& p = c.passages[j];
        const size_t at = connection::passages + j * kPassageRecordBytes;
        img.int32At(at + passage::kind, p.kind);
        img.int32At(at + passage::guard, p.guard);
        img.flagAt(at + passage::autoExist, p.autoExist);
        img.int32At(at + passage::minHumans, p.minHumans);
        img.int32At(at + passage::maxHumans, p.maxHumans);
        img.int32At(at + passage::minPlayers, p.minPlayers);
        img.int32At(at + passage::maxPlayers, p.maxPlayers);
    }
    img.appendTo(out);
}

TemplateHeader readTemplateHeader(const uint8_t* p) {
    TemplateHeader h;
    h.minSize = int32At(p, 0);
    h.maxSize = int32At(p, 4);
    h.playerCountIndex = int32At(p, 8);
    return h;
}

PlayerKindTable readPlayerKinds(const uint8_t* p) {
    PlayerKindTable k;
    for (size_t i = 0; i < k.playerKind.size(); ++i)
        k.playerKind[i] = int32At(p, 4 * i);
    return k;
}

ZoneRecord readZone(const uint8_t* p) {
    ZoneRecord z;
    z.kind = int32At(p, zone::kind);
    z.size = int32At(p, zone::size);
    z.owner = int32At(p, zone::owner);
    z.townMode = int32At(p, zone::townMode);
    z.playerCastles = int32At(p, zone::playerCastles);
    z.playerTowns = int32At(p, zone::playerTowns);
    z.neutralCastles = int32At(p, zone::neutralCastles);
    z.neutralTowns = int32At(p, zone::neutralTowns);
    z.sameTownType = flagAt(p, zone::sameTownType);
    z.townTypes = flagsAt<kTownTypeCount>(p, zone::townTypes);
    z.mineWood = int32At(p, zone::mineWood);
    z.mineMercury = int32At(p, zone::mineMercury);
    z.mineOre = int32At(p, zone::mineOre);
    z.mineSulfur = int32At(p, zone::mineSulfur);
    z.mineCrystal = int32At(p, zone::mineCrystal);
    z.mineGems = int32At(p, zone::mineGems);
    z.mineGold = int32At(p, zone::mineGold);
    z.terrainMatchesTown = flagAt(p, zone::terrainMatchesTown);
    z.terrains = flagsAt<kTerrainCount>(p, zone::terrains);
    z.monsterStrength = int32At(p, zone::monsterStrength);
    z.monstersMatchTown = flagAt(p, zone::monstersMatchTown);
    z.monsterTypes = flagsAt<kMonsterTypeCount>(p, zone::monsterTypes);
    for (size_t g = 0; g < z.treasure.size(); ++g) {
        const size_t at = zone::treasure + g * zone::treasureStride;
        z.treasure[g] = TreasureGroup{int32At(p, at), int32At(p, at + 4), int32At(p, at + 8)};
    }
    z.existMode = int32At(p, zone::existMode);
    z.minHumans = int32At(p, zone::minHumans);
    z.maxHumans = int32At(p, zone::maxHumans);
    z.minPlayers = int32At(p, zone::minPlayers);
    z.maxPlayers = int32At(p, zone::maxPlayers);
    z.gridX = int32At(p, zone::gridX);
    z.gridY = int32At(p, zone::gridY);
    return z;
}

ConnectionRecord readConnection(const uint8_t* p) {
    ConnectionRecord c;
    c.zoneA = int32At(p, connection::zoneA);
    c.zoneB = int32At(p, connection::zoneB);
    c.passageCount = int32At(p, connection::passageCount);
    for (size_t j = 0; j < c.passages.size(); ++j) {
        const size_t at = connection::passages + j * kPassageRecordBytes;
        PassageRecord& s = c.passages[j];
        s.kind = int32At(p, at + passage::kind);
        s.guard = int32At(p, at + passage::guard);
        s.autoExist = flagAt(p, at + passage::autoExist);
        s.minHumans = int32At(p, at + passage::minHumans);
        s.maxHumans = int32At(p, at + passage::maxHumans);
        s.minPlayers = int32At(p, at + passage::minPlayers);
        s.maxPlayers = int32At(p, at + passage::maxPlayers);
    }
    return c;
}

} // namespace zw
