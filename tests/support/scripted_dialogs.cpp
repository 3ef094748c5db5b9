#include "support/scripted_dialogs.h"

namespace zw {

std::optional<ZoneRecord> ScriptedDialogs::editZone(const ZoneRecord& from) {
    zoneCalls.push_back(from);
    if (zoneAnswers.empty())
        return std::nullopt;
    auto answer = std::move(zoneAnswers.front());
    zoneAnswers.pop_front();
    return answer(from);
}

std::optional<ConnectionRecord> ScriptedDialogs::editConnection(const ConnectionRecord& from,
                                                                bool furtherPassage) {
    connectionCalls.emplace_back(from, furtherPassage);
    if (connectionAnswers.empty())
        return std::nullopt;
    auto answer = std::move(connectionAnswers.front());
    connectionAnswers.pop_front();
    return answer(from, furtherPassage);
}

std::optional<TemplateSettings> ScriptedDialogs::editTemplate(const TRmg& from) {
    ++templateCalls;
    if (templateAnswers.empty())
        return std::nullopt;
    auto answer = std::move(templateAnswers.front());
    templateAnswers.pop_front();
    return answer(from);
}

std::optional<std::vector<ZoneRecord>>
ScriptedDialogs::editZones(const std::vector<ZoneRecord>& from, const std::vector<int64_t>&) {
    zonesCalls.push_back(from);
    if (zonesAnswers.empty())
        return std::nullopt;
    auto answer = std::move(zonesAnswers.front());
    zonesAnswers.pop_front();
    return answer(from);
}

std::optional<DuplicateSettings>
ScriptedDialogs::duplicateZonesForPlayers(const TRmg&, const std::vector<int32_t>& zones) {
    ++duplicateCalls;
    duplicateZonesCalls.push_back(zones);
    if (duplicateAnswers.empty())
        return std::nullopt;
    auto answer = duplicateAnswers.front();
    duplicateAnswers.pop_front();
    return answer;
}

std::optional<PatternSettings> ScriptedDialogs::generateFromPattern() {
    ++patternCalls;
    if (patternAnswers.empty())
        return std::nullopt;
    auto answer = patternAnswers.front();
    patternAnswers.pop_front();
    return answer;
}

ListOutcome ScriptedDialogs::runTemplateList(TemplateListSession& session) {
    ++listCalls;
    if (listAnswers.empty())
        return ListOutcome::Abandon;
    auto answer = std::move(listAnswers.front());
    listAnswers.pop_front();
    return answer(session);
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
        if (further && r.passageCount < kPassageSlots) {
            r.passages[static_cast<size_t>(r.passageCount)] = r.passages[0];
            ++r.passageCount;
        }
        return std::optional<ConnectionRecord>(r);
    };
}

} // namespace zw
