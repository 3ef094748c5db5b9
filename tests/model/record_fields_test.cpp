#include "model/template_json.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zw {
namespace {

// Every field of every record, each set apart from its default, comes back
// from the record's JSON form: a field missing from a record's field table
// would come back as its default. (The byte image of the same records comes
// back whole in ProjectFile.SaveAndLoadGiveIdenticalRecordsAndBytes.)
TEST(RecordFields, EveryFieldSurvivesTheJsonForm) {
    const TRmg t = test::richTemplate();
    for (const ZoneRecord& z : t.zones)
        EXPECT_EQ(std::get<ZoneRecord>(zoneFromJson(nlohmann::json(zoneToJson(z)), "")), z);
    for (const ConnectionRecord& c : t.connections)
        EXPECT_EQ(std::get<ConnectionRecord>(
                      connectionFromJson(nlohmann::json(connectionToJson(c)), "", t.zones.size())),
                  c);
    EXPECT_EQ(std::get<TRmg>(templateFromJson(nlohmann::json(templateToJson(t)))), t);
}

// A single record read on its own names its offending key after the prefix
// it is given, and defaults what it does not list.
TEST(RecordFields, SingleRecordsReadWithTheirOwnKeyPrefix) {
    using nlohmann::json;
    EXPECT_EQ(std::get<TemplateJsonError>(zoneFromJson(json{{"owner", "x"}}, "zones[2]")).message,
              "zones[2].owner: ожидается целое число");
    EXPECT_EQ(std::get<TemplateJsonError>(zoneFromJson(json{{"colour", 1}}, "")).message,
              "colour: неизвестный ключ");
    EXPECT_EQ(std::get<TemplateJsonError>(zoneFromJson(json::array(), "")).message,
              "ожидается объект");
    ZoneRecord expected = makeDefaultZone();
    expected.size = 30;
    EXPECT_EQ(std::get<ZoneRecord>(zoneFromJson(json{{"size", 30}}, "")), expected);
    EXPECT_EQ(std::get<TemplateJsonError>(
                  connectionFromJson(json{{"zoneA", 0}, {"zoneB", 1}}, "connections[0]", 1))
                  .message,
              "connections[0].zoneB: нет локации с индексом 1 (всего 1 локация)");
}

} // namespace
} // namespace zw
