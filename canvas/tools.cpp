// The mouse editing tools of the canvas: create, delete, move and copy zones and
// connections with the left button, edit them with the right one.
//
// The item under the pointer is always hoveredItem, kept by the hover logic on
// every pointer movement. It can be stale (the template changed since the last
// movement, or an item was loaded with indices beyond its lists), so every item
// reference is checked against the current lists before it indexes them; a
// reference that names nothing any more counts as no item.
#include "model/editor.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace zw {

namespace {

constexpr std::string_view kNodeTaken =
    "Здесь уже есть локация. Во избежание пересечения и совпадания локаций, размещение их в "
    "одной, а также соседних узлах запрещено.";
constexpr std::string_view kNoZone =
    "Нет локации. Чтобы создать переход, щелкните на локацию, затем не отпуская кнопку "
    "перетащите на другую локацию, затем отпустите.";
constexpr std::string_view kTooManyPassages = "Слишком много переходов между этими локациями";
constexpr std::string_view kPassageExists = "Этот переход уже существует";
constexpr std::string_view kAskDeleteZone =
    "Вы действительно хотите удалить локацию и все соединенные с ней переходы?";
constexpr std::string_view kAskDeleteConnection = "Вы действительно хотите удалить переход?";

bool validZone(const TRmg& t, int32_t k) {
    return k >= 0 && static_cast<size_t>(k) < t.zones.size();
}

// Zone index named by `r`, when it names an existing zone.
std::optional<int> zoneOf(const TRmg& t, ItemRef r) {
    if (!refIsZone(r) || !validZone(t, refZone(r)))
        return std::nullopt;
    return refZone(r);
}

// Connection index named by `r`, when it names an existing connection whose two
// zone indices both name zones (connections read from a file may not).
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

// True when `r` names a zone or a connection within the lists.
bool itemExists(const TRmg& t, ItemRef r) {
    if (refIsZone(r))
        return validZone(t, refZone(r));
    return refIsConnection(r) && static_cast<size_t>(refConnection(r)) < t.connections.size();
}

} // namespace

// ---- Press and release ----

void Editor::leftPress(int32_t x, int32_t y) {
    switch (tool_) {
    case Tool::None:
        return;
    case Tool::CreateZone:
        createZoneAt(x, y);
        return;
    case Tool::Delete: {
        const int before = history_.position();
        deleteAt();
        if (history_.position() != before) {
            // The item under the pointer is gone and the later items moved up one
            // place: what hoveredItem named is no longer there, so look again.
            // Otherwise a second click without a movement would act on whichever
            // item took the deleted one's index, wherever it lies.
            hoveredItem_ = hitTest(rmg_, viewState_, x, y);
        }
        return;
    }
    case Tool::CreateConnection:
    case Tool::Move:
    case Tool::Copy:
        break;
    }

    // A reference beyond the lists (the template changed under a resting
    // pointer) starts no drag.
    dragSource_ = itemExists(rmg_, hoveredItem_) ? hoveredItem_ : 0;
    if (tool_ != Tool::CreateConnection) {
        if (const auto j = connectionOf(rmg_, dragSource_)) {
            const ConnectionRecord& c = rmg_.connections[static_cast<size_t>(*j)];
            const ZoneRecord& a = rmg_.zones[static_cast<size_t>(c.zoneA)];
            const ZoneRecord& b = rmg_.zones[static_cast<size_t>(c.zoneB)];
            const RealPoint f = pointerToGrid(viewState_, x, y);
            const double dA = std::hypot(f.x - a.gridX, f.y - a.gridY);
            const double dB = std::hypot(f.x - b.gridX, f.y - b.gridY);
            nearEndA_ = dA < dB; // a tie counts as nearer to zoneB
        }
    }
    notifyRedraw();
}

void Editor::leftRelease(int32_t x, int32_t y) {
    if (tool_ != Tool::CreateConnection && tool_ != Tool::Move && tool_ != Tool::Copy)
        return;
    const bool dragging = dragSource_ != 0;
    if (tool_ == Tool::CreateConnection)
        releaseConnection();
    else if (dragging)
        releaseMoveCopy(x, y);
    // Every drag ends here, whatever its outcome, so that no dotted outline or
    // hidden connection outlives it.
    dragSource_ = 0;
    if (dragging)
        notifyRedraw();
}

void Editor::rightPress(int32_t, int32_t) {
    if (const auto k = zoneOf(rmg_, hoveredItem_)) {
        const ZoneRecord& z = rmg_.zones[static_cast<size_t>(*k)];
        auto edited = dialogs_.editZone(z);
        if (!edited)
            return;
        edited->gridX = z.gridX;
        edited->gridY = z.gridY;
        pushSnapshot();
        rmg_.zones[static_cast<size_t>(*k)] = *edited;
        notifyRedraw();
    } else if (const auto j = connectionOf(rmg_, hoveredItem_)) {
        const ConnectionRecord& c = rmg_.connections[static_cast<size_t>(*j)];
        auto edited = dialogs_.editConnection(c, false);
        if (!edited)
            return;
        edited->zoneA = c.zoneA;
        edited->zoneB = c.zoneB;
        pushSnapshot();
        rmg_.connections[static_cast<size_t>(*j)] = *edited;
        notifyRedraw();
    }
}

// ---- The operations ----

void Editor::createZoneAt(int32_t x, int32_t y) {
    const GridPoint node = pixelToNode(viewState_, x, y);
    if (nodeBlocked(rmg_, node.x, node.y)) {
        services_.messageBox(kNodeTaken, MessageKind::Information, MessageButtons::Ok);
        return;
    }
    auto zone = dialogs_.editZone(makeDefaultZone());
    if (!zone)
        return;
    zone->gridX = node.x;
    zone->gridY = node.y;
    pushSnapshot();
    rmg_.appendZone(*zone);
    updateScrollBars();
    notifyRedraw();
}

void Editor::deleteAt() {
    if (const auto k = zoneOf(rmg_, hoveredItem_)) {
        if (services_.messageBox(kAskDeleteZone, MessageKind::Confirmation,
                                 MessageButtons::YesNo) != MessageResult::Yes)
            return;
        pushSnapshot();
        rmg_.removeZone(*k);
    } else if (itemExists(rmg_, hoveredItem_)) {
        // Any existing connection may be deleted, also one whose zone indices
        // name no zone: deleting it is the way to be rid of it.
        if (services_.messageBox(kAskDeleteConnection, MessageKind::Confirmation,
                                 MessageButtons::YesNo) != MessageResult::Yes)
            return;
        pushSnapshot();
        rmg_.removeConnection(refConnection(hoveredItem_));
    } else {
        return;
    }
    notifyRedraw();
}

void Editor::releaseConnection() {
    const std::optional<int> s = zoneOf(rmg_, dragSource_);
    const std::optional<int> t = zoneOf(rmg_, hoveredItem_);
    if (s == t)
        return; // the same zone, or no zone at either end
    if (!s || !t) {
        services_.messageBox(kNoZone, MessageKind::Information, MessageButtons::Ok);
        return;
    }

    if (const auto found = rmg_.findConnection(*s, *t)) {
        const ConnectionRecord& c = rmg_.connections[static_cast<size_t>(*found)];
        // A count read from a file may lie beyond the eight slots; such a
        // connection has no room for another passage either.
        if (c.passageCount >= kPassageSlots) {
            services_.messageBox(kTooManyPassages, MessageKind::Information, MessageButtons::Ok);
            return;
        }
        auto edited = dialogs_.editConnection(c, true);
        if (!edited)
            return;
        edited->zoneA = c.zoneA; // the connection keeps its orientation
        edited->zoneB = c.zoneB;
        pushSnapshot();
        rmg_.connections[static_cast<size_t>(*found)] = *edited;
        notifyRedraw();
        return;
    }

    auto created = dialogs_.editConnection(makeDefaultConnection(), false);
    if (!created)
        return;
    created->zoneA = *s;
    created->zoneB = *t;
    pushSnapshot();
    rmg_.appendConnection(*created);
    notifyRedraw();
}

void Editor::releaseMoveCopy(int32_t x, int32_t y) {
    const bool copy = tool_ == Tool::Copy;

    if (const auto k = zoneOf(rmg_, dragSource_)) {
        const GridPoint node = pixelToNode(viewState_, x, y);
        if (nodeBlocked(rmg_, node.x, node.y, copy ? -1 : *k)) {
            services_.messageBox(kNodeTaken, MessageKind::Information, MessageButtons::Ok);
            return;
        }
        pushSnapshot();
        if (copy) {
            ZoneRecord z = rmg_.zones[static_cast<size_t>(*k)];
            z.gridX = node.x;
            z.gridY = node.y;
            rmg_.appendZone(z);
        } else {
            rmg_.zones[static_cast<size_t>(*k)].gridX = node.x;
            rmg_.zones[static_cast<size_t>(*k)].gridY = node.y;
        }
        updateScrollBars();
        notifyRedraw();
        return;
    }

    const auto j = connectionOf(rmg_, dragSource_);
    if (!j)
        return;
    const auto z = zoneOf(rmg_, hoveredItem_);
    if (!z)
        return;
    const ConnectionRecord source = rmg_.connections[static_cast<size_t>(*j)];
    if (*z == source.zoneA || *z == source.zoneB)
        return;

    pushSnapshot();
    ConnectionRecord moved = source;
    if (nearEndA_)
        moved.zoneA = *z;
    else
        moved.zoneB = *z;
    if (copy) {
        if (rmg_.findConnection(moved.zoneA, moved.zoneB)) {
            // The step recorded above stays: the refusal comes after it.
            services_.messageBox(kPassageExists, MessageKind::Information, MessageButtons::Ok);
            return;
        }
        rmg_.appendConnection(moved);
    } else {
        rmg_.connections[static_cast<size_t>(*j)] = moved;
    }
    notifyRedraw();
}

} // namespace zw
