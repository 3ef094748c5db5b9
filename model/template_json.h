// The template as JSON, for scripting: every field of the records under its
// own name, flags as booleans, the name as UTF-8.
//
// Reading starts from the new template, the default zone and the default
// connection, so a missing key keeps its default. Everything present is
// checked: a wrong type, an unknown key or a value the project file could not
// hold (a connection to a zone that is not there, a passage count outside
// 1..8, a name Windows-1251 cannot write) refuses the whole input with a
// message naming the offending key, e.g. "zones[2].owner".
//
// Cells kept from an extended table go under "extended", beside the classic
// keys of their record (a zone, a passage, the template), only when the record
// keeps anything, so that a template without them reads and writes as before:
//
//   zone, passage:  "extended": {"row": 4, "id": 17, "cells": {...}}
//   template:       "extended": {"cells": {...},
//                                "rows": [{"row": 9, "cellCount": 131, "cells": {...}}]}
//   cells:          {"Placement": "2",
//                    "Town Hint": {"text": "A, B", "quoted": true},
//                    "Strength": {"text": "none", "readAs": "0"}}
//
// "row" and "id" are left out at -1 and 0 (none), "cellCount" at -1 (as the
// header names); a cell is its text alone unless it was quoted or has readAs.
// Cells keep their order when read from text.
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
// The same; the kept cells come in the order of the object's keys.
std::variant<TRmg, TemplateJsonError> templateFromJson(const nlohmann::ordered_json& j);

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
