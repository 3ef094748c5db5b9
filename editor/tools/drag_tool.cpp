#include "editor/tools/drag_tool.h"

#include "model/translation.h"

#include <cmath>

namespace zw {

namespace {

constexpr std::string_view kPassageExists = ZW_TR_NOOP("Editor", "Этот переход уже существует");

} // namespace

void DragTool::press(int32_t x, int32_t y) {
    pointer_ = {x, y};
    cancelled_ = false;
    const TRmg& rmg = ctx.document.rmg();
    const ItemRef hovered = ctx.hover.item();
    // A reference beyond the lists (the template changed under a resting
    // pointer) starts no drag.
    ctx.drag.source = itemExists(rmg, hovered) ? hovered : 0;
    if (picksConnectionEnd()) {
        if (const auto j = connectionOf(rmg, ctx.drag.source)) {
            const ConnectionRecord& c = rmg.connections[static_cast<size_t>(*j)];
            const ZoneRecord& a = rmg.zones[static_cast<size_t>(c.zoneA)];
            const ZoneRecord& b = rmg.zones[static_cast<size_t>(c.zoneB)];
            const RealPoint f = pointerToGrid(ctx.view.state(), x, y);
            const double dA = std::hypot(f.x - a.gridX, f.y - a.gridY);
            const double dB = std::hypot(f.x - b.gridX, f.y - b.gridY);
            ctx.drag.nearEndA = dA < dB; // a tie counts as nearer to zoneB
        }
    }
    // The pressed item's outline: the template itself is unchanged.
    ctx.repaint();
}

void DragTool::release(int32_t x, int32_t y) {
    if (cancelled_) {
        cancelled_ = false;
        return;
    }
    const bool dragging = ctx.drag.source != 0;
    drop(x, y, dragging);
    ctx.drag.source = 0;
    if (dragging)
        ctx.repaint(); // the drag's feedback goes
}

void DragTool::move(int32_t x, int32_t y) {
    pointer_ = {x, y};
    if (dragging())
        ctx.repaint();
}

void DragTool::cancel() {
    if (!dragging())
        return;
    ctx.drag.source = 0;
    cancelled_ = true;
    ctx.repaint();
}

DragFeedback DragTool::feedback() const {
    DragFeedback f;
    const TRmg& rmg = ctx.document.rmg();
    const ViewState& v = ctx.view.state();
    const auto centreOf = [&](int k) {
        const ZoneRecord& z = rmg.zones[static_cast<size_t>(k)];
        return nodeToPixel(v, z.gridX, z.gridY);
    };
    if (const auto k = zoneOf(rmg, ctx.drag.source)) {
        if (!showsGhost()) {
            f.pointerLine = {centreOf(*k), pointer_};
            return f;
        }
        const GridPoint node = pixelToNode(v, pointer_.x, pointer_.y);
        f.ghosts.push_back({*k, node});
        f.ghostsRefused = nodeBlocked(rmg, node.x, node.y, copies() ? -1 : *k);
    } else if (const auto j = connectionOf(rmg, ctx.drag.source); j && showsGhost()) {
        const ConnectionRecord& c = rmg.connections[static_cast<size_t>(*j)];
        f.pointerLine = {centreOf(ctx.drag.nearEndA ? c.zoneB : c.zoneA), pointer_};
    }
    return f;
}

void DragTool::moveOrCopy(int32_t x, int32_t y, bool copy) {
    Document& doc = ctx.document;
    const TRmg& rmg = doc.rmg();

    if (const auto k = zoneOf(rmg, ctx.drag.source)) {
        const GridPoint node = pixelToNode(ctx.view.state(), x, y);
        if (!nodeInReach(node.x, node.y)) {
            ctx.services.messageBox(translated("Canvas", kOutOfReachMessage),
                                    MessageKind::Information, MessageButtons::Ok);
            return;
        }
        if (nodeBlocked(rmg, node.x, node.y, copy ? -1 : *k)) {
            ctx.services.messageBox(translated("Editor", kNodeTaken), MessageKind::Information,
                                    MessageButtons::Ok);
            return;
        }
        doc.edit(zoneStep(copy ? ZW_TR_NOOP("Editor", "Копирование")
                               : ZW_TR_NOOP("Editor", "Перемещение"),
                          *k),
                 [&](TRmg& target) {
                     if (copy) {
                         ZoneRecord z = target.zones[static_cast<size_t>(*k)];
                         z.gridX = node.x;
                         z.gridY = node.y;
                         target.appendZone(z);
                     } else {
                         target.zones[static_cast<size_t>(*k)].gridX = node.x;
                         target.zones[static_cast<size_t>(*k)].gridY = node.y;
                     }
                 });
        return;
    }

    const auto j = connectionOf(rmg, ctx.drag.source);
    if (!j)
        return;
    const auto z = zoneOf(rmg, ctx.hover.item());
    if (!z)
        return;
    const ConnectionRecord source = rmg.connections[static_cast<size_t>(*j)];
    if (*z == source.zoneA || *z == source.zoneB)
        return;

    ConnectionRecord moved = source;
    if (ctx.drag.nearEndA)
        moved.zoneA = *z;
    else
        moved.zoneB = *z;
    if (copy) {
        // A refused copy changes nothing, the history included.
        if (rmg.findConnection(moved.zoneA, moved.zoneB)) {
            ctx.services.messageBox(translated("Editor", kPassageExists), MessageKind::Information,
                                    MessageButtons::Ok);
            return;
        }
        doc.edit(connectionStep(ZW_TR_NOOP("Editor", "Копирование"), moved.zoneA, moved.zoneB),
                 [&](TRmg& target) { target.appendConnection(moved); });
    } else {
        doc.edit(connectionStep(ZW_TR_NOOP("Editor", "Перенос"), moved.zoneA, moved.zoneB),
                 [&](TRmg& target) { target.connections[static_cast<size_t>(*j)] = moved; });
    }
}

} // namespace zw
