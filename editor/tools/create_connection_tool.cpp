#include "editor/tools/create_connection_tool.h"

#include "model/translation.h"

namespace zw {

namespace {

constexpr std::string_view kNoZone = ZW_TR_NOOP(
    "Editor", "Нет локации. Чтобы создать переход, щелкните на локацию, затем не отпуская кнопку "
              "перетащите на другую локацию, затем отпустите.");
constexpr std::string_view kTooManyPassages =
    ZW_TR_NOOP("Editor", "Слишком много переходов между этими локациями");

} // namespace

// Runs whether or not the press found an item: a release away from any zone
// after a press beside one explains how to draw a connection.
void CreateConnectionTool::drop(int32_t, int32_t, bool) {
    Document& doc = ctx.document;
    const TRmg& rmg = doc.rmg();
    const std::optional<int> s = zoneOf(rmg, ctx.drag.source);
    const std::optional<int> t = zoneOf(rmg, ctx.hover.item());
    if (s == t)
        return; // the same zone, or no zone at either end
    if (!s || !t) {
        ctx.services.messageBox(translated("Editor", kNoZone), MessageKind::Information,
                                MessageButtons::Ok);
        return;
    }

    if (const auto found = rmg.findConnection(*s, *t)) {
        const ConnectionRecord& c = rmg.connections[static_cast<size_t>(*found)];
        // A count read from a file may lie beyond the eight slots; such a
        // connection has no room for another passage either.
        if (c.passageCount >= kPassageSlots) {
            ctx.services.messageBox(translated("Editor", kTooManyPassages),
                                    MessageKind::Information, MessageButtons::Ok);
            return;
        }
        auto edited = ctx.dialogs.editConnection(c, true);
        if (!edited)
            return;
        edited->zoneA = c.zoneA; // the connection keeps its orientation
        edited->zoneB = c.zoneB;
        doc.edit(connectionStep(ZW_TR_NOOP("Editor", "Новый проход"), c.zoneA, c.zoneB),
                 [&](TRmg& t) { t.connections[static_cast<size_t>(*found)] = *edited; });
        return;
    }

    auto created = ctx.dialogs.editConnection(makeDefaultConnection(), false);
    if (!created)
        return;
    created->zoneA = *s;
    created->zoneB = *t;
    doc.edit(connectionStep(ZW_TR_NOOP("Editor", "Создание"), *s, *t),
             [&](TRmg& target) { target.appendConnection(*created); });
}

} // namespace zw
