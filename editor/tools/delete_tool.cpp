#include "editor/tools/delete_tool.h"

#include "model/translation.h"

namespace zw {

namespace {

constexpr std::string_view kAskDeleteZone = ZW_TR_NOOP(
    "Editor", "Вы действительно хотите удалить локацию и все соединенные с ней переходы?");
constexpr std::string_view kAskDeleteConnection =
    ZW_TR_NOOP("Editor", "Вы действительно хотите удалить переход?");

} // namespace

// The item under the pointer is looked up again after the deletion (the
// editor does so after every change), so a second click without a movement
// acts on what lies there now, not on whichever item took the deleted index.
void DeleteTool::press(int32_t, int32_t) {
    Document& doc = ctx.document;
    const ItemRef hovered = ctx.hover.item();
    if (const auto k = zoneOf(doc.rmg(), hovered)) {
        if (ctx.services.messageBox(translated("Editor", kAskDeleteZone), MessageKind::Confirmation,
                                    MessageButtons::YesNo) != MessageResult::Yes)
            return;
        doc.edit(zoneStep(ZW_TR_NOOP("Editor", "Удаление"), *k),
                 [&](TRmg& t) { t.removeZone(*k); });
    } else if (itemExists(doc.rmg(), hovered)) {
        // Any existing connection may be deleted, also one whose zone indices
        // name no zone: deleting it is the way to be rid of it.
        if (ctx.services.messageBox(translated("Editor", kAskDeleteConnection),
                                    MessageKind::Confirmation,
                                    MessageButtons::YesNo) != MessageResult::Yes)
            return;
        const int j = refConnection(hovered);
        const ConnectionRecord& c = doc.rmg().connections[static_cast<size_t>(j)];
        doc.edit(connectionStep(ZW_TR_NOOP("Editor", "Удаление"), c.zoneA, c.zoneB),
                 [&](TRmg& t) { t.removeConnection(j); });
    }
}

} // namespace zw
