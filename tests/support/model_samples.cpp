#include "support/model_samples.h"

#include <stdexcept>
#include <vector>
#include <zlib.h>

namespace zw::test {

// The counts that take b + 1, b + 2, ... in zone k (b = 1000 * (k + 1)).
constexpr int32_t ZoneRecord::*kRichCounts[] = {
    &ZoneRecord::size,           &ZoneRecord::playerCastles, &ZoneRecord::playerTowns,
    &ZoneRecord::neutralCastles, &ZoneRecord::neutralTowns,  &ZoneRecord::mineWood,
    &ZoneRecord::mineMercury,    &ZoneRecord::mineOre,       &ZoneRecord::mineSulfur,
    &ZoneRecord::mineCrystal,    &ZoneRecord::mineGems,      &ZoneRecord::mineGold};

TRmg richTemplate() {
    TRmg t;
    t.name = "Rich";
    t.header = TemplateHeader{2, 18, 3};
    for (size_t i = 0; i < kPlayerSlots; ++i)
        t.kinds.playerKind[i] = static_cast<int32_t>(i % 2);
    for (int32_t k = 0; k < 3; ++k) {
        ZoneRecord z;
        const int32_t b = 1000 * (k + 1);
        for (int32_t i = 0; i < 12; ++i)
            z.*kRichCounts[i] = b + 1 + i;
        z.kind = k % 3;
        z.owner = k + 1;
        z.townMode = 3;
        z.sameTownType = k != 1;
        for (size_t i = 0; i < z.townTypes.size(); ++i)
            z.townTypes[i] = (i + static_cast<size_t>(k)) % 3 == 0;
        z.terrainMatchesTown = k == 1;
        for (size_t i = 0; i < z.terrains.size(); ++i)
            z.terrains[i] = (i + static_cast<size_t>(k)) % 2 == 0;
        z.monsterStrength = 3;
        z.monstersMatchTown = k == 2;
        for (size_t i = 0; i < z.monsterTypes.size(); ++i)
            z.monsterTypes[i] = (i * 7 + static_cast<size_t>(k)) % 4 == 1;
        for (size_t g = 0; g < z.treasure.size(); ++g) {
            const auto gg = static_cast<int32_t>(g);
            z.treasure[g] = TreasureGroup{b + 20 + gg, b + 30 + gg, b + 40 + gg};
        }
        z.existMode = 2;
        z.minHumans = 2;
        z.maxHumans = 7;
        z.minPlayers = 3;
        z.maxPlayers = 6;
        z.gridX = -5 + 4 * k;
        z.gridY = 100000 * (k - 1);
        t.appendZone(z);
    }
    for (int32_t j = 0; j < 2; ++j) {
        ConnectionRecord c;
        c.zoneA = j;
        c.zoneB = 2;
        c.passageCount = 2 + j;
        for (size_t s = 0; s < c.passages.size(); ++s) {
            const auto ss = static_cast<int32_t>(s);
            PassageRecord& p = c.passages[s];
            p.kind = ss % 3;
            p.guard = -17 + 1000 * ss + j;
            p.autoExist = s % 2 == 1;
            p.minHumans = 10 + ss;
            p.maxHumans = 20 + ss;
            p.minPlayers = 30 + ss;
            p.maxPlayers = 40 + ss;
        }
        t.appendConnection(c);
    }
    return t;
}

ZoneRecord startZone(int32_t owner, int32_t gridX, int32_t gridY) {
    ZoneRecord z = ownedZone(0, owner);
    z.gridX = gridX;
    z.gridY = gridY;
    return z;
}

ZoneRecord ownedZone(int32_t kind, int32_t owner) {
    ZoneRecord z = makeDefaultZone();
    z.kind = kind;
    z.owner = owner;
    return z;
}

TRmg workedExample(std::string name) {
    TRmg t = makeNewTemplate();
    t.name = std::move(name);
    for (int32_t owner : {1, 2}) {
        ZoneRecord start = startZone(owner);
        start.townMode = 2;
        t.appendZone(start);
    }
    t.appendZone(makeDefaultZone());
    ConnectionRecord c = makeDefaultConnection();
    c.zoneB = 2;
    t.appendConnection(c);
    c.zoneA = 1;
    c.passages[0].kind = 2;
    t.appendConnection(c);
    return t;
}

std::string zlibStream(std::string_view body, int level) {
    uLongf size = compressBound(static_cast<uLong>(body.size()));
    std::vector<Bytef> out(size);
    if (compress2(out.data(), &size, reinterpret_cast<const Bytef*>(body.data()),
                  static_cast<uLong>(body.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    return std::string(reinterpret_cast<const char*>(out.data()), size);
}

std::string projectImage(std::string_view body) {
    return "TMPLv099" + zlibStream(body);
}

} // namespace zw::test
