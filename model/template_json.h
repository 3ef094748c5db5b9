// The template as JSON, for scripting: every field of the records under its
// own name, flags as booleans, the name as UTF-8.
//
// Reading starts from the new template, the default zone and the default
// connection, so a missing key keeps its default. Everything present is
// checked: a wrong type, an unknown key or a value the project file could not
// hold (a connection to a zone that is not there, a passage count outside
// 1..8, a name Windows-1251 cannot write) refuses the whole input with a
// message naming the offending key, e.g. "zones[2].owner".
#pragma once

#include "model/records.h"

#include <cstddef>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <variant>

namespace zw {

// Keys in the order of the records.
nlohmann::ordered_json templateToJson(const TRmg& t);
// Indented by two spaces, ending with a line break.
std::string templateToJsonText(const TRmg& t);

struct TemplateJsonError {
    std::string message; // UTF-8, begins with the offending key when there is one
};

std::variant<TRmg, TemplateJsonError> templateFromJson(const nlohmann::json& j);

// One zone or connection as the template's JSON holds it in its lists. Reading
// starts from the default record; `keyPrefix` is the record's own path, which
// begins every message ("zones[2]" gives "zones[2].owner: ..."; empty gives
// "owner: ..."). A connection must join two of `zoneCount` zones.
nlohmann::ordered_json zoneToJson(const ZoneRecord& z);
nlohmann::ordered_json connectionToJson(const ConnectionRecord& c);
// Only the fields that differ from `base`'s, so that reading from `base`
// gives the record back. A connection's passages are written each the same
// way, without the unchanged ones at the end, and the key is left out when
// none remains.
nlohmann::ordered_json zoneToJson(const ZoneRecord& z, const ZoneRecord& base);
nlohmann::ordered_json connectionToJson(const ConnectionRecord& c, const ConnectionRecord& base);
std::variant<ZoneRecord, TemplateJsonError> zoneFromJson(const nlohmann::json& j,
                                                         const std::string& keyPrefix);
std::variant<ConnectionRecord, TemplateJsonError>
connectionFromJson(const nlohmann::json& j, const std::string& keyPrefix, size_t zoneCount);
// Parses the text first; malformed JSON is refused with the parser's position.
std::variant<TRmg, TemplateJsonError> templateFromJsonText(std::string_view text);

} // namespace zw
