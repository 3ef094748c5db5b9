#include "editor/tools/create_zone_tool.h"

#include "model/translation.h"

namespace zw {

void CreateZoneTool::press(int32_t x, int32_t y) {
    Document& doc = ctx.document;
    const GridPoint node = pixelToNode(ctx.view.state(), x, y);
    if (!nodeInReach(node.x, node.y)) {
        ctx.services.messageBox(translated("Canvas", kOutOfReachMessage), MessageKind::Information,
                                MessageButtons::Ok);
        return;
    }
    if (nodeBlocked(doc.rmg(), node.x, node.y)) {
        ctx.services.messageBox(translated("Editor", kNodeTaken), MessageKind::Information,
                                MessageButtons::Ok);
        return;
    }
    auto zone = ctx.dialogs.editZone(makeDefaultZone());
    if (!zone)
        return;
    zone->gridX = node.x;
    zone->gridY = node.y;
    doc.edit(zoneStep(ZW_TR_NOOP("Editor", "Создание"), static_cast<int>(doc.rmg().zones.size())),
             [&](TRmg& t) { t.appendZone(*zone); });
}

} // namespace zw
