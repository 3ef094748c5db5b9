#include "editor/tools/tool.h"

#include "model/translation.h"

namespace zw {

bool validZone(const TRmg& t, int32_t k) {
    return k >= 0 && static_cast<size_t>(k) < t.zones.size();
}

std::optional<int> zoneOf(const TRmg& t, ItemRef r) {
    if (!refIsZone(r) || !validZone(t, refZone(r)))
        return std::nullopt;
    return refZone(r);
}

std::optional<int> connectionOf(const TRmg& t, ItemRef r) {
    if (!refIsConnection(r))
        return std::nullopt;
    const int j = refConnection(r);
    if (j < 0 || static_cast<size_t>(j) >= t.connections.size())
        return std::nullopt;
    const ConnectionRecord& c = t.connections[static_cast<size_t>(j)];
    if (!validZone(t, c.zoneA) || !validZone(t, c.zoneB))
        return std::nullopt;
    return j;
}

bool itemExists(const TRmg& t, ItemRef r) {
    if (refIsZone(r))
        return validZone(t, refZone(r));
    return refIsConnection(r) && static_cast<size_t>(refConnection(r)) < t.connections.size();
}

void Tool::rightPress(int32_t, int32_t) {
    editItemUnderPointer(ctx);
}

void editItemUnderPointer(ToolContext& ctx) {
    Document& doc = ctx.document;
    const TRmg& rmg = doc.rmg();
    const ItemRef hovered = ctx.hover.item();
    if (const auto k = zoneOf(rmg, hovered)) {
        const ZoneRecord& z = rmg.zones[static_cast<size_t>(*k)];
        auto edited = ctx.dialogs.editZone(z);
        if (!edited)
            return;
        edited->gridX = z.gridX;
        edited->gridY = z.gridY;
        doc.edit(zoneStep(ZW_TR_NOOP("Editor", "Настройка"), *k),
                 [&](TRmg& t) { t.zones[static_cast<size_t>(*k)] = *edited; });
    } else if (const auto j = connectionOf(rmg, hovered)) {
        const ConnectionRecord& c = rmg.connections[static_cast<size_t>(*j)];
        auto edited = ctx.dialogs.editConnection(c, false);
        if (!edited)
            return;
        edited->zoneA = c.zoneA;
        edited->zoneB = c.zoneB;
        doc.edit(connectionStep(ZW_TR_NOOP("Editor", "Настройка"), edited->zoneA, edited->zoneB),
                 [&](TRmg& t) { t.connections[static_cast<size_t>(*j)] = *edited; });
    }
}

} // namespace zw
