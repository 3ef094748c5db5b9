#include "editor/tools/delete_tool.h"

namespace zw {

namespace {

constexpr std::string_view kAskDeleteZone =
    "Вы действительно хотите удалить локацию и все соединенные с ней переходы?";
constexpr std::string_view kAskDeleteConnection = "Вы действительно хотите удалить переход?";

} // namespace

void DeleteTool::press(int32_t x, int32_t y) {
    const int before = ctx.document.history().position();
    deleteHovered();
    if (ctx.document.history().position() != before) {
        // The item under the pointer is gone and the later items moved up one
        // place: what the hover named is no longer there, so look again.
        // Otherwise a second click without a movement would act on whichever
        // item took the deleted one's index, wherever it lies.
        ctx.hover.setItem(hitTest(ctx.document.rmg(), ctx.view.state(), x, y));
    }
}

void DeleteTool::deleteHovered() {
    Document& doc = ctx.document;
    const ItemRef hovered = ctx.hover.item();
    if (const auto k = zoneOf(doc.rmg(), hovered)) {
        if (ctx.services.messageBox(kAskDeleteZone, MessageKind::Confirmation,
                                    MessageButtons::YesNo) != MessageResult::Yes)
            return;
        doc.pushSnapshot();
        doc.rmgMutable().removeZone(*k);
    } else if (itemExists(doc.rmg(), hovered)) {
        // Any existing connection may be deleted, also one whose zone indices
        // name no zone: deleting it is the way to be rid of it.
        if (ctx.services.messageBox(kAskDeleteConnection, MessageKind::Confirmation,
                                    MessageButtons::YesNo) != MessageResult::Yes)
            return;
        doc.pushSnapshot();
        doc.rmgMutable().removeConnection(refConnection(hovered));
    } else {
        return;
    }
    doc.changed(DocumentChange::Content);
}

} // namespace zw
