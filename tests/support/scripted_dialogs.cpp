#include "support/scripted_dialogs.h"

namespace zw {
namespace {

// The next answer of `queue` (called with `args` when it is a function), or
// `none` when the queue is empty.
template <class Queue, class Result, class... Args>
Result nextDialogAnswer(Queue& queue, Result none, Args&... args) {
    if (queue.empty())
        return none;
    auto answer = std::move(queue.front());
    queue.pop_front();
    if constexpr (sizeof...(Args) == 0)
        return answer;
    else
        return answer(args...);
}

} // namespace

std::optional<ZoneRecord> ScriptedDialogs::editZone(const ZoneRecord& from) {
    zoneCalls.push_back(from);
    return nextDialogAnswer(zoneAnswers, std::optional<ZoneRecord>(), from);
}

std::optional<ConnectionRecord> ScriptedDialogs::editConnection(const ConnectionRecord& from,
                                                                bool furtherPassage) {
    connectionCalls.emplace_back(from, furtherPassage);
    return nextDialogAnswer(connectionAnswers, std::optional<ConnectionRecord>(), from,
                            furtherPassage);
}

std::optional<TemplateSettings> ScriptedDialogs::editTemplate(const TRmg& from) {
    ++templateCalls;
    return nextDialogAnswer(templateAnswers, std::optional<TemplateSettings>(), from);
}

std::optional<std::vector<ZoneRecord>>
ScriptedDialogs::editZones(const std::vector<ZoneRecord>& from, const std::vector<int64_t>&) {
    zonesCalls.push_back(from);
    return nextDialogAnswer(zonesAnswers, std::optional<std::vector<ZoneRecord>>(), from);
}

std::optional<DuplicateSettings>
ScriptedDialogs::duplicateZonesForPlayers(const TRmg&, const std::vector<int32_t>& zones) {
    ++duplicateCalls;
    duplicateZonesCalls.push_back(zones);
    return nextDialogAnswer(duplicateAnswers, std::optional<DuplicateSettings>());
}

std::optional<PatternSettings> ScriptedDialogs::generateFromPattern() {
    ++patternCalls;
    return nextDialogAnswer(patternAnswers, std::optional<PatternSettings>());
}

ListOutcome ScriptedDialogs::runTemplateList(TemplateListSession& session) {
    ++listCalls;
    return nextDialogAnswer(listAnswers, ListOutcome::Abandon, session);
}

std::function<std::optional<ZoneRecord>(const ZoneRecord&)> ScriptedDialogs::acceptZone() {
    return [](const ZoneRecord& z) { return std::optional<ZoneRecord>(z); };
}

std::function<std::optional<ConnectionRecord>(const ConnectionRecord&, bool)>
ScriptedDialogs::acceptConnection() {
    // Accepting a further passage keeps the raised count; the new slot starts as
    // a copy of passage 1, as the window leaves it.
    return [](const ConnectionRecord& c, bool further) {
        ConnectionRecord r = c;
        if (further && r.passageCount < kPassageSlots)
            r.passages[static_cast<size_t>(r.passageCount++)] = r.passages[0];
        return std::optional<ConnectionRecord>(r);
    };
}

} // namespace zw
