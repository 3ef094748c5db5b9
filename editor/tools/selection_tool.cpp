#include "editor/tools/selection_tool.h"

#include "model/translation.h"

#include <algorithm>
#include <limits>

namespace zw {

void SelectionTool::pressWithModifiers(int32_t x, int32_t y, PressModifiers mods) {
    const TRmg& rmg = ctx.document.rmg();
    const ItemRef hovered = ctx.hover.item();
    Selection sel = ctx.selection;
    start_ = pointer_ = {x, y};
    mode_ = Mode::None;

    if (const auto k = zoneOf(rmg, hovered)) {
        if (mods.ctrl) {
            sel.toggleZone(*k);
        } else {
            // A press on an unselected zone selects it alone; on a selected one
            // it keeps the group. Either way a drag moves the group.
            if (!sel.hasZone(*k)) {
                sel.clear();
                sel.addZone(*k);
            }
            group_ = sel.zones();
            const ZoneRecord& z = rmg.zones[static_cast<size_t>(*k)];
            anchor_ = {z.gridX, z.gridY};
            std::vector<bool> leaveOut(rmg.zones.size(), false);
            for (const int32_t g : group_)
                leaveOut[static_cast<size_t>(g)] = true;
            others_ = NodeIndex(rmg, leaveOut);
            mode_ = Mode::GroupMove;
        }
    } else if (itemExists(rmg, hovered)) {
        // A connection; also one whose zones are damaged, so that it can be deleted.
        const int j = refConnection(hovered);
        if (mods.ctrl) {
            sel.toggleConnection(j);
        } else {
            sel.clear();
            sel.addConnection(j);
        }
    } else {
        mode_ = Mode::Band;
        addToSelection_ = mods.ctrl;
    }
    ctx.select(std::move(sel));
    ctx.repaint();
}

void SelectionTool::move(int32_t x, int32_t y) {
    pointer_ = {x, y};
    if (dragging())
        ctx.repaint();
}

void SelectionTool::release(int32_t x, int32_t y) {
    pointer_ = {x, y};
    const Mode mode = mode_;
    mode_ = Mode::None;
    if (mode == Mode::Band)
        releaseBand(x, y);
    else if (mode == Mode::GroupMove)
        releaseGroupMove(x, y);
    ctx.repaint();
}

void SelectionTool::cancel() {
    if (!dragging())
        return;
    mode_ = Mode::None;
    ctx.repaint();
}

void SelectionTool::releaseBand(int32_t x, int32_t y) {
    const TRmg& rmg = ctx.document.rmg();
    const ViewState& v = ctx.view.state();
    const RealPoint a = pointerToGrid(v, start_.x, start_.y);
    const RealPoint b = pointerToGrid(v, x, y);
    const double minX = std::min(a.x, b.x), maxX = std::max(a.x, b.x);
    const double minY = std::min(a.y, b.y), maxY = std::max(a.y, b.y);

    Selection sel = addToSelection_ ? ctx.selection : Selection{};
    for (size_t k = 0; k < rmg.zones.size(); ++k) {
        const ZoneRecord& z = rmg.zones[k];
        if (z.gridX >= minX && z.gridX <= maxX && z.gridY >= minY && z.gridY <= maxY)
            sel.addZone(static_cast<int32_t>(k));
    }
    for (size_t j = 0; j < rmg.connections.size(); ++j) {
        const ConnectionRecord& c = rmg.connections[j];
        if (sel.hasZone(c.zoneA) && sel.hasZone(c.zoneB))
            sel.addConnection(static_cast<int32_t>(j));
    }
    ctx.select(std::move(sel));
}

GridNode64 SelectionTool::offsetTo(int32_t x, int32_t y) const {
    const GridPoint node = pixelToNode(ctx.view.state(), x, y);
    return {node.x - anchor_.x, node.y - anchor_.y};
}

void SelectionTool::releaseGroupMove(int32_t x, int32_t y) {
    const GridNode64 d = offsetTo(x, y);
    if (d.x == 0 && d.y == 0)
        return; // a click: the selection is all it changed
    Document& doc = ctx.document;
    EditResult result = moveZones(doc.rmg(), group_, d.x, d.y);
    if (const auto* refusal = std::get_if<EditRefusal>(&result)) {
        ctx.services.messageBox(refusal->message, MessageKind::Information, MessageButtons::Ok);
        return;
    }
    doc.commit(withArguments(ZW_TR("Editor", "Перемещение %1"), {zonesCount(group_.size())}),
               std::move(std::get<TRmg>(result)));
}

DragFeedback SelectionTool::feedback() const {
    DragFeedback f;
    if (mode_ == Mode::Band && (pointer_.x != start_.x || pointer_.y != start_.y)) {
        f.band = {start_, pointer_};
    } else if (mode_ == Mode::GroupMove) {
        const GridNode64 d = offsetTo(pointer_.x, pointer_.y);
        if (d.x == 0 && d.y == 0)
            return f;
        const TRmg& rmg = ctx.document.rmg();
        constexpr int64_t lo = std::numeric_limits<int32_t>::min();
        constexpr int64_t hi = std::numeric_limits<int32_t>::max();
        for (const int32_t k : group_) {
            if (!validZone(rmg, k))
                continue;
            const ZoneRecord& z = rmg.zones[static_cast<size_t>(k)];
            const int64_t gx = z.gridX + d.x;
            const int64_t gy = z.gridY + d.y;
            if (gx < lo || gx > hi || gy < lo || gy > hi) {
                f.ghostsRefused = true; // off the grid: refused, nothing to show
                continue;
            }
            f.ghosts.push_back({k, {static_cast<int32_t>(gx), static_cast<int32_t>(gy)}});
            if (others_.touches(gx, gy))
                f.ghostsRefused = true;
        }
    }
    return f;
}

} // namespace zw
