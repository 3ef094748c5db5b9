// Small builders for tests and benchmarks: zones at given nodes, connections
// between indices and their passages, and a large grid of zones.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace zw::test {

inline ZoneRecord zoneAt(int32_t x, int32_t y, int32_t owner = 0, int32_t kind = 1) {
    ZoneRecord z = makeDefaultZone();
    z.gridX = x;
    z.gridY = y;
    z.owner = owner;
    z.kind = kind;
    return z;
}

inline ConnectionRecord joining(int32_t a, int32_t b, int32_t passages = 1) {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = a;
    c.zoneB = b;
    c.passageCount = passages;
    return c;
}

// A passage of `kind` behind a guard of `guard`.
inline PassageRecord passage(int32_t kind, int32_t guard = 6000) {
    PassageRecord p;
    p.kind = kind;
    p.guard = guard;
    return p;
}

// A connection between indices a and b with exactly the given passages.
inline ConnectionRecord connectionWith(int32_t a, int32_t b,
                                       std::initializer_list<PassageRecord> passages) {
    ConnectionRecord c = joining(a, b, static_cast<int32_t>(passages.size()));
    size_t i = 0;
    for (const PassageRecord& p : passages)
        c.passages[i++] = p;
    return c;
}

inline TRmg templateOf(std::initializer_list<ZoneRecord> zones,
                       std::initializer_list<std::pair<int32_t, int32_t>> links = {}) {
    TRmg t = makeNewTemplate();
    for (const ZoneRecord& z : zones)
        t.appendZone(z);
    for (const auto& [a, b] : links)
        t.appendConnection(joining(a, b));
    return t;
}

// `zones` zones on every second node of a square block whose top-left node is
// (left, top), each joined to the next, to the one below and to the one below
// right, up to
// `connections` connections; owners cycle through 0..8.
inline TRmg gridTemplate(int zones, int connections, int32_t left = 0, int32_t top = 0) {
    TRmg t = makeNewTemplate();
    int side = 1;
    while (side * side < zones)
        ++side;
    for (int i = 0; i < zones; ++i)
        t.appendZone(zoneAt(left + 2 * (i % side), top + 2 * (i / side), i % 9, i % 3));
    for (int i = 0; i < zones && static_cast<int>(t.connections.size()) < connections; ++i) {
        if (i + 1 < zones)
            t.appendConnection(joining(i, i + 1, 1 + i % 3));
        if (i + side < zones && static_cast<int>(t.connections.size()) < connections)
            t.appendConnection(joining(i, i + side));
        if (i + side + 1 < zones && static_cast<int>(t.connections.size()) < connections)
            t.appendConnection(joining(i, i + side + 1));
    }
    return t;
}

} // namespace zw::test
