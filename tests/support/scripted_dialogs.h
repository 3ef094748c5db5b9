// Dialogs answered by tests: each call takes the next queued answer (nullopt
// cancels) and records what it was filled with.
#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace zw {

class ScriptedDialogs : public PropertyDialogs {
  public:
    // Each answer receives the record the dialog was filled from.
    std::deque<std::function<std::optional<ZoneRecord>(const ZoneRecord&)>> zoneAnswers;
    std::deque<std::function<std::optional<ConnectionRecord>(const ConnectionRecord&, bool)>>
        connectionAnswers;
    std::deque<std::function<std::optional<TemplateSettings>(const TRmg&)>> templateAnswers;
    std::deque<std::function<ListOutcome(TemplateListSession&)>> listAnswers;
    std::deque<
        std::function<std::optional<std::vector<ZoneRecord>>(const std::vector<ZoneRecord>&)>>
        zonesAnswers;
    std::deque<std::optional<DuplicateSettings>> duplicateAnswers;
    std::deque<std::optional<PatternSettings>> patternAnswers;

    std::vector<ZoneRecord> zoneCalls;
    std::vector<std::pair<ConnectionRecord, bool>> connectionCalls;
    int templateCalls = 0;
    int listCalls = 0;
    std::vector<std::vector<ZoneRecord>> zonesCalls;
    int duplicateCalls = 0;
    int patternCalls = 0;
    std::vector<std::vector<int32_t>> duplicateZonesCalls; // the zones each was opened for

    std::optional<ZoneRecord> editZone(const ZoneRecord& from) override;
    std::optional<ConnectionRecord> editConnection(const ConnectionRecord& from,
                                                   bool furtherPassage) override;
    std::optional<TemplateSettings> editTemplate(const TRmg& from) override;
    ListOutcome runTemplateList(TemplateListSession& session) override;
    std::optional<std::vector<ZoneRecord>> editZones(const std::vector<ZoneRecord>& from,
                                                     const std::vector<int64_t>& numbers) override;
    std::optional<PatternSettings> generateFromPattern() override;
    // Records the zones and answers from duplicateAnswers.
    std::optional<DuplicateSettings>
    duplicateZonesForPlayers(const TRmg& t, const std::vector<int32_t>& zones) override;

    // Convenience answers.
    static std::function<std::optional<ZoneRecord>(const ZoneRecord&)> acceptZone();
    static std::function<std::optional<ConnectionRecord>(const ConnectionRecord&, bool)>
    acceptConnection();
};

} // namespace zw
