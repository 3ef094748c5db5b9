#include "model/template_json.h"

#include "model/project_file.h"
#include "model/record_fields.h"
#include "model/text.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <set>

namespace zw {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// ---- Writing ----

ordered_json toJson(int32_t v) {
    return v;
}
ordered_json toJson(bool v) {
    return v;
}
template <LaidOutRecord Record> ordered_json toJson(const Record& r);
template <class Element, size_t N> ordered_json toJson(const std::array<Element, N>& values) {
    ordered_json a = ordered_json::array();
    for (const Element& v : values)
        a.push_back(toJson(v));
    return a;
}
template <LaidOutRecord Record> ordered_json toJson(const std::vector<Record>& records) {
    ordered_json a = ordered_json::array();
    for (const Record& r : records)
        a.push_back(toJson(r));
    return a;
}
// Appends a key that `out` does not hold yet. The object keeps its keys in a
// list in order, where operator[] would first look the key up: a record's
// keys are known to differ, and adding them costs no look-up.
void appendKey(ordered_json& out, const char* key, ordered_json value) {
    out.get_ref<ordered_json::object_t&>().emplace_back(key, std::move(value));
}
// Adds the record's fields to `out` under their keys, in record order.
template <LaidOutRecord Record> void addFields(ordered_json& out, const Record& r) {
    forEachField<Record>([&](const auto& f) { appendKey(out, f.key, toJson(r.*(f.member))); });
}
template <LaidOutRecord Record> ordered_json toJson(const Record& r) {
    ordered_json o = ordered_json::object();
    addFields(o, r);
    return o;
}

template <class Value> struct IsRecordList : std::false_type {};
template <LaidOutRecord Record, size_t N>
struct IsRecordList<std::array<Record, N>> : std::true_type {};

// The fields of `r` that differ from those of `base`. A list of records a
// reader may give in part (ListRule::UpToAll) is written entry by entry the
// same way, without the empty entries at its end, and left out when none
// remains; any other field is written whole or not at all.
template <LaidOutRecord Record> ordered_json toJson(const Record& r, const Record& base) {
    ordered_json o = ordered_json::object();
    forEachField<Record>([&](const auto& f) {
        const auto& value = r.*(f.member);
        const auto& held = base.*(f.member);
        if constexpr (IsRecordList<std::remove_cvref_t<decltype(value)>>::value) {
            if (f.rule == ListRule::UpToAll) {
                size_t count = value.size();
                while (count > 0 && value[count - 1] == held[count - 1])
                    --count;
                if (count > 0) {
                    ordered_json list = ordered_json::array();
                    for (size_t i = 0; i < count; ++i)
                        list.push_back(toJson(value[i], held[i]));
                    appendKey(o, f.key, std::move(list));
                }
                return;
            }
        }
        if (!(value == held))
            appendKey(o, f.key, toJson(value));
    });
    return o;
}

// ---- Reading ----

struct Refusal {
    std::string message;
};

std::string keyPath(const std::string& at, std::string_view key) {
    return at.empty() ? std::string(key) : at + "." + std::string(key);
}

std::string indexPath(const std::string& at, size_t i) {
    return at + "[" + std::to_string(i) + "]";
}

// The message names the offending key first; a record read at the top, with
// no key of its own, gives just what is wrong.
[[noreturn]] void refuse(const std::string& path, const std::string& what) {
    throw Refusal{path.empty() ? what : path + ": " + what};
}

int32_t readInt32(const json& v, const std::string& path) {
    if (!v.is_number_integer())
        refuse(path, "expected an integer");
    if (v.is_number_unsigned()) {
        if (v.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            refuse(path, "integer out of the 32-bit range");
    } else {
        const int64_t n = v.get<int64_t>();
        if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
            refuse(path, "integer out of the 32-bit range");
    }
    return static_cast<int32_t>(v.get<int64_t>());
}

bool readBool(const json& v, const std::string& path) {
    if (!v.is_boolean())
        refuse(path, "expected true or false");
    return v.get<bool>();
}

const json& expectArray(const json& v, const std::string& path) {
    if (!v.is_array())
        refuse(path, "expected an array");
    return v;
}

const json& expectObject(const json& v, const std::string& path) {
    if (!v.is_object())
        refuse(path, "expected an object");
    return v;
}

// Reads the known keys of one object into a record that already holds the
// defaults; any key no field claims is refused.
class ObjectReader {
  public:
    ObjectReader(const json& obj, std::string at)
        : obj_(expectObject(obj, at)), at_(std::move(at)) {}

    // The value of `key`, or null when the key is missing.
    const json* find(const char* key) {
        known_.insert(key);
        const auto it = obj_.find(key);
        return it == obj_.end() ? nullptr : &*it;
    }
    std::string path(std::string_view key) const { return keyPath(at_, key); }

    // Refuses the first key that no field claimed.
    void finish() const {
        for (const auto& item : obj_.items())
            if (!known_.count(item.key()))
                refuse(path(item.key()), "unknown key");
    }

  private:
    const json& obj_;
    std::string at_;
    std::set<std::string, std::less<>> known_;
};

void fromJson(const json& j, const std::string& path, int32_t& v, ListRule) {
    v = readInt32(j, path);
}
void fromJson(const json& j, const std::string& path, bool& v, ListRule) {
    v = readBool(j, path);
}
template <LaidOutRecord Record>
void fromJson(const json& j, const std::string& path, Record& r, ListRule);
// An array of N values, or of at most N with ListRule::UpToAll (the entries
// not listed keep what they hold).
template <class Element, size_t N>
void fromJson(const json& j, const std::string& path, std::array<Element, N>& values,
              ListRule rule) {
    const size_t count = expectArray(j, path).size();
    if (rule == ListRule::Exact && count != N)
        refuse(path, "expected " + std::to_string(N) + " entries");
    if (count > N)
        refuse(path, "at most " + std::to_string(N) + " entries");
    for (size_t i = 0; i < count; ++i)
        fromJson(j[i], indexPath(path, i), values[i], ListRule::Exact);
}
// Reads the record's keys that `reader` holds into `r`; missing keys keep
// what `r` holds.
template <LaidOutRecord Record> void readFields(ObjectReader& reader, Record& r) {
    forEachField<Record>([&](const auto& f) {
        if (const json* v = reader.find(f.key))
            fromJson(*v, reader.path(f.key), r.*(f.member), f.rule);
    });
}
template <LaidOutRecord Record>
void fromJson(const json& j, const std::string& path, Record& r, ListRule) {
    ObjectReader reader(j, path);
    readFields(reader, r);
    reader.finish();
}

ZoneRecord readZone(const json& j, const std::string& at) {
    ZoneRecord z = makeDefaultZone();
    fromJson(j, at, z, ListRule::Exact);
    return z;
}

ConnectionRecord readConnection(const json& j, const std::string& at, size_t zoneCount) {
    ConnectionRecord c = makeDefaultConnection();
    ObjectReader r(j, at);
    readFields(r, c);
    r.finish();
    // What the project file cannot hold is refused here rather than written
    // into a file that would not load.
    for (const auto& [key, zone] : {std::pair{"zoneA", c.zoneA}, std::pair{"zoneB", c.zoneB}})
        if (zone < 0 || static_cast<size_t>(zone) >= zoneCount)
            refuse(r.path(key), "no zone with index " + std::to_string(zone) + " (there are " +
                                    std::to_string(zoneCount) + " zones)");
    if (c.passageCount < 1 || c.passageCount > kPassageSlots)
        refuse(r.path("passageCount"), "must lie in 1..8");
    return c;
}

TRmg readTemplate(const json& j) {
    TRmg t = makeNewTemplate();
    ObjectReader r(j, "");
    if (const json* name = r.find("name")) {
        if (!name->is_string())
            refuse("name", "expected a string");
        const auto& utf8 = name->get_ref<const std::string&>();
        if (!utf8FitsCp1251(utf8))
            refuse("name", "has characters that Windows-1251 cannot hold");
        t.name = utf8ToCp1251(utf8);
        if (!nameFitsProject(t.name))
            refuse("name", "too long for a project file");
    }
    readFields(r, t.header);
    readFields(r, t.kinds);
    if (const json* zones = r.find("zones")) {
        if (expectArray(*zones, "zones").size() > static_cast<size_t>(kMaxProjectRecords))
            refuse("zones", "more than 65535 zones");
        for (size_t i = 0; i < zones->size(); ++i)
            t.zones.push_back(readZone((*zones)[i], indexPath("zones", i)));
    }
    if (const json* connections = r.find("connections")) {
        if (expectArray(*connections, "connections").size() >
            static_cast<size_t>(kMaxProjectRecords))
            refuse("connections", "more than 65535 connections");
        for (size_t i = 0; i < connections->size(); ++i)
            t.connections.push_back(
                readConnection((*connections)[i], indexPath("connections", i), t.zones.size()));
    }
    r.finish();
    return t;
}

} // namespace

ordered_json templateToJson(const TRmg& t) {
    ordered_json out = ordered_json::object();
    out["name"] = cp1251ToUtf8(t.name);
    addFields(out, t.header);
    addFields(out, t.kinds);
    out["zones"] = toJson(t.zones);
    out["connections"] = toJson(t.connections);
    return out;
}

ordered_json zoneToJson(const ZoneRecord& z) {
    return toJson(z);
}

ordered_json connectionToJson(const ConnectionRecord& c) {
    return toJson(c);
}

ordered_json zoneToJson(const ZoneRecord& z, const ZoneRecord& base) {
    return toJson(z, base);
}

ordered_json connectionToJson(const ConnectionRecord& c, const ConnectionRecord& base) {
    return toJson(c, base);
}

std::string templateToJsonText(const TRmg& t) {
    return templateToJson(t).dump(2) + "\n";
}

std::variant<TRmg, TemplateJsonError> templateFromJson(const json& j) {
    try {
        return readTemplate(j);
    } catch (const Refusal& r) {
        return TemplateJsonError{r.message};
    }
}

std::variant<ZoneRecord, TemplateJsonError> zoneFromJson(const json& j,
                                                         const std::string& keyPrefix) {
    try {
        return readZone(j, keyPrefix);
    } catch (const Refusal& r) {
        return TemplateJsonError{r.message};
    }
}

std::variant<ConnectionRecord, TemplateJsonError>
connectionFromJson(const json& j, const std::string& keyPrefix, size_t zoneCount) {
    try {
        return readConnection(j, keyPrefix, zoneCount);
    } catch (const Refusal& r) {
        return TemplateJsonError{r.message};
    }
}

std::variant<TRmg, TemplateJsonError> templateFromJsonText(std::string_view text) {
    json j;
    try {
        j = json::parse(text);
    } catch (const json::exception& e) {
        // Syntax errors, and numbers too large for any type (out_of_range).
        return TemplateJsonError{std::string("malformed JSON: ") + e.what()};
    }
    if (!j.is_object())
        return TemplateJsonError{"the template must be a JSON object"};
    return templateFromJson(j);
}

} // namespace zw
