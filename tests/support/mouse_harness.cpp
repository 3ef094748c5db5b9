#include "support/mouse_harness.h"

#include "support/document_edits.h"
#include "support/group_samples.h"

#include <cmath>

namespace zw {

MouseHarness::MouseHarness() {
    editor.setView(&view);
}

PixelPoint MouseHarness::node(int32_t gx, int32_t gy) const {
    return nodeToPixel(editor.viewController().state(), gx, gy);
}

PixelPoint MouseHarness::zone(int k) const {
    const ZoneRecord& z = editor.document().rmg().zones.at(static_cast<size_t>(k));
    return node(z.gridX, z.gridY);
}

PixelPoint MouseHarness::onConnection(int j, double fraction) const {
    const ConnectionRecord& c = editor.document().rmg().connections.at(static_cast<size_t>(j));
    const PixelPoint a = zone(c.zoneA);
    const PixelPoint b = zone(c.zoneB);
    return PixelPoint{static_cast<int32_t>(std::lround(a.x + (b.x - a.x) * fraction)),
                      static_cast<int32_t>(std::lround(a.y + (b.y - a.y) * fraction))};
}

void MouseHarness::pressLeft(PixelPoint p) {
    move(p);
    editor.leftPress(p.x, p.y);
}

void MouseHarness::releaseLeft(PixelPoint p) {
    move(p);
    editor.leftRelease(p.x, p.y);
}

void MouseHarness::clickLeft(PixelPoint p) {
    pressLeft(p);
    releaseLeft(p);
}

void MouseHarness::ctrlClickLeft(PixelPoint p) {
    move(p);
    editor.leftPress(p.x, p.y, {.ctrl = true});
    releaseLeft(p);
}

void MouseHarness::clickRight(PixelPoint p) {
    move(p);
    editor.rightPress(p.x, p.y);
}

void MouseHarness::drag(PixelPoint from, PixelPoint to) {
    pressLeft(from);
    move(PixelPoint{(from.x + to.x) / 2, (from.y + to.y) / 2});
    releaseLeft(to);
}

void MouseHarness::selectTool(ToolId t) {
    if (editor.tool() != t)
        editor.toolClicked(t);
}

void MouseHarness::drawZone(int32_t gx, int32_t gy, std::function<void(ZoneRecord&)> settings) {
    selectTool(kCreateZoneTool);
    dialogs.zoneAnswers.push_back([settings](ZoneRecord z) {
        if (settings)
            settings(z);
        return std::optional<ZoneRecord>(z);
    });
    clickLeft(node(gx, gy));
}

void MouseHarness::drawConnection(int a, int b,
                                  std::function<void(ConnectionRecord&, bool)> settings) {
    selectTool(kCreateConnectionTool);
    auto accept = ScriptedDialogs::acceptConnection();
    dialogs.connectionAnswers.push_back(
        [settings, accept](const ConnectionRecord& from, bool further) {
            auto r = accept(from, further);
            if (settings)
                settings(*r, further);
            return r;
        });
    drag(zone(a), zone(b));
}

// Zones and connections set up by a test are part of the template as loaded:
// no step.
void MouseHarness::placeZones(std::initializer_list<GridPoint> nodes) {
    TRmg t = editor.document().rmg();
    for (const GridPoint& n : nodes)
        t.appendZone(test::zoneAt(n.x, n.y, 0, code(ZoneKind::Treasure)));
    test::install(editor, std::move(t));
}

void MouseHarness::join(int a, int b, int passages) {
    TRmg t = editor.document().rmg();
    t.appendConnection(test::joining(a, b, passages));
    test::install(editor, std::move(t));
}

} // namespace zw
