#include "model/records.h"

#include <algorithm>

namespace zw {

TRmg makeNewTemplate() {
    return TRmg{};
}

ZoneRecord makeDefaultZone() {
    return ZoneRecord{};
}

ConnectionRecord makeDefaultConnection() {
    return ConnectionRecord{};
}

std::optional<int> TRmg::findConnection(int a, int b) const {
    for (size_t j = 0; j < connections.size(); ++j) {
        const auto& c = connections[j];
        if ((c.zoneA == a && c.zoneB == b) || (c.zoneA == b && c.zoneB == a))
            return static_cast<int>(j);
    }
    return std::nullopt;
}

void TRmg::removeZone(int k) {
    if (k < 0 || static_cast<size_t>(k) >= zones.size())
        return;
    zones.erase(zones.begin() + k);
    std::vector<ConnectionRecord> kept;
    kept.reserve(connections.size());
    for (auto c : connections) {
        if (c.zoneA == k || c.zoneB == k)
            continue;
        if (c.zoneA > k)
            --c.zoneA;
        if (c.zoneB > k)
            --c.zoneB;
        kept.push_back(c);
    }
    connections = std::move(kept);
}

void TRmg::removeConnection(int k) {
    if (k < 0 || static_cast<size_t>(k) >= connections.size())
        return;
    connections.erase(connections.begin() + k);
}

bool TRmg::hasKeptCells() const {
    if (!kept.empty())
        return true;
    for (const ZoneRecord& z : zones)
        if (!z.kept.cells.empty())
            return true;
    for (const ConnectionRecord& c : connections)
        for (const PassageRecord& p : c.passages)
            if (!p.kept.cells.empty())
                return true;
    return false;
}

std::vector<std::string> keptCellNames(const TRmg& t) {
    std::vector<std::string> names;
    // Cells of columns no record reads first: those are lost whole without
    // their columns; then the classic ones kept as written.
    for (const bool classic : {false, true}) {
        auto add = [&](const std::vector<KeptCell>& cells) {
            for (const KeptCell& c : cells)
                if (c.readAs.has_value() == classic &&
                    std::find(names.begin(), names.end(), c.name) == names.end())
                    names.push_back(c.name);
        };
        add(t.kept.cells);
        for (const ZoneRecord& z : t.zones)
            add(z.kept.cells);
        for (const ConnectionRecord& c : t.connections)
            for (const PassageRecord& p : c.passages)
                add(p.kept.cells);
        for (const KeptRow& r : t.kept.rows)
            add(r.cells);
    }
    return names;
}

std::optional<int32_t> playerKindOf(const TRmg& t, int32_t p) {
    if (!validPlayer(p))
        return std::nullopt;
    return t.kinds.playerKind[static_cast<size_t>(p - 1)];
}

} // namespace zw
