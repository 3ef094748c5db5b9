// Small hand-made templates for the analysis tests: zones without treasure or
// towns unless a test gives them some, and connections of chosen passages.
#pragma once

#include "model/records.h"

#include <initializer_list>

namespace zw::test {

// A template of `players` players; kinds[p - 1] is player p's kind (missing ones 0).
inline TRmg analysisTemplate(int players, std::initializer_list<int32_t> kinds = {}) {
    TRmg t = makeNewTemplate();
    t.header.playerCountIndex = players - 2;
    size_t p = 0;
    for (int32_t k : kinds)
        t.kinds.playerKind[p++] = k;
    return t;
}

// A zone with no treasure, no mines and no towns, existing in every setup (mode 0).
inline ZoneRecord bareZone(int32_t kind, int32_t owner = 0, int32_t townMode = 0) {
    ZoneRecord z = makeDefaultZone();
    z.kind = kind;
    z.owner = owner;
    z.townMode = townMode;
    z.treasure = {};
    return z;
}

// A start zone of `owner` with one town with a fort.
inline ZoneRecord startWithCastle(int32_t owner) {
    return bareZone(0, owner, 2);
}

// A passage with its own limits (not derived from its zones).
inline PassageRecord fixedPassage(int32_t minHumans, int32_t maxHumans, int32_t minPlayers,
                                  int32_t maxPlayers, int32_t kind = 0) {
    PassageRecord p;
    p.kind = kind;
    p.autoExist = false;
    p.minHumans = minHumans;
    p.maxHumans = maxHumans;
    p.minPlayers = minPlayers;
    p.maxPlayers = maxPlayers;
    return p;
}

// A connection between zone numbers a and b (1-based) with the given passages,
// or one default passage whose limits follow its zones.
inline ConnectionRecord link(int a, int b, std::initializer_list<PassageRecord> passages = {}) {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = a - 1;
    c.zoneB = b - 1;
    if (passages.size() > 0) {
        c.passageCount = static_cast<int32_t>(passages.size());
        size_t j = 0;
        for (const PassageRecord& p : passages)
            c.passages[j++] = p;
    }
    return c;
}

} // namespace zw::test
