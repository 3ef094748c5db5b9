#include "model/template_json.h"

#include "model/project_file.h"
#include "model/record_fields.h"
#include "model/text.h"
#include "model/translation.h"

#include <concepts>
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
// Kept cells by their header names: the text alone when that is all the cell
// has, else an object of the text, "quoted" and "readAs".
ordered_json keptCellsToJson(const std::vector<KeptCell>& cells) {
    ordered_json out = ordered_json::object();
    for (const KeptCell& c : cells) {
        ordered_json v = cp1251ToUtf8(c.text);
        if (c.quoted || c.readAs) {
            v = ordered_json::object({{"text", std::move(v)}});
            if (c.quoted)
                v["quoted"] = true;
            if (c.readAs)
                v["readAs"] = cp1251ToUtf8(*c.readAs);
        }
        out[cp1251ToUtf8(c.name)] = std::move(v);
    }
    return out;
}

// A zone's or passage's "extended" object: its row and Id in the table when
// it has them, and its cells.
ordered_json keptToJson(const KeptCells& k) {
    ordered_json out = ordered_json::object();
    if (k.row != -1)
        out["row"] = k.row;
    if (k.id != 0)
        out["id"] = k.id;
    if (!k.cells.empty())
        out["cells"] = keptCellsToJson(k.cells);
    return out;
}

ordered_json keptToJson(const KeptTemplate& k) {
    ordered_json out = ordered_json::object();
    if (!k.cells.empty())
        out["cells"] = keptCellsToJson(k.cells);
    if (!k.rows.empty()) {
        ordered_json rows = ordered_json::array();
        for (const KeptRow& r : k.rows) {
            ordered_json row = ordered_json::object({{"row", r.row}});
            if (r.cellCount != -1)
                row["cellCount"] = r.cellCount;
            if (!r.cells.empty())
                row["cells"] = keptCellsToJson(r.cells);
            rows.push_back(std::move(row));
        }
        out["rows"] = std::move(rows);
    }
    return out;
}

template <class Record>
concept KeepsCells = requires(const Record& r) {
    { r.kept } -> std::same_as<const KeptCells&>;
};

// The record's "extended" object when it keeps anything.
template <LaidOutRecord Record> void addKept(ordered_json& out, const Record& r) {
    if constexpr (KeepsCells<Record>)
        if (!r.kept.empty())
            appendKey(out, "extended", keptToJson(r.kept));
}

template <LaidOutRecord Record> ordered_json toJson(const Record& r) {
    ordered_json o = ordered_json::object();
    addFields(o, r);
    addKept(o, r);
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
    addKept(o, r);
    return o;
}

// ---- Reading ----
//
// The readers take either JSON type: the text is read into ordered_json, so
// that kept cells come back in the order they were written; a json given by
// a caller has its keys in name order, and so do the kept cells read from it.

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

// The pattern whose noun takes the form that follows the number %1, with the
// number in it (see countedText).
std::string valuesCount(size_t n, const char* one, const char* few, const char* many) {
    return countedText("Model", static_cast<int64_t>(n), one, few, many);
}

template <class J> int32_t readInt32(const J& v, const std::string& path) {
    if (!v.is_number_integer())
        refuse(path, ZW_TR("Model", "ожидается целое число"));
    if (v.is_number_unsigned()) {
        if (v.template get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            refuse(path, ZW_TR("Model", "число вне 32-битного диапазона"));
    } else {
        const int64_t n = v.template get<int64_t>();
        if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
            refuse(path, ZW_TR("Model", "число вне 32-битного диапазона"));
    }
    return static_cast<int32_t>(v.template get<int64_t>());
}

template <class J> bool readBool(const J& v, const std::string& path) {
    if (!v.is_boolean())
        refuse(path, ZW_TR("Model", "ожидается true или false"));
    return v.template get<bool>();
}

// A string that Windows-1251 can hold, converted to it.
template <class J> std::string readCp1251(const J& v, const std::string& path) {
    if (!v.is_string())
        refuse(path, ZW_TR("Model", "ожидается строка"));
    const auto& utf8 = v.template get_ref<const std::string&>();
    if (!utf8FitsCp1251(utf8))
        refuse(path, ZW_TR("Model", "есть символы, которых нет в кодировке Windows-1251"));
    return utf8ToCp1251(utf8);
}

template <class J> const J& expectArray(const J& v, const std::string& path) {
    if (!v.is_array())
        refuse(path, ZW_TR("Model", "ожидается список"));
    return v;
}

template <class J> const J& expectObject(const J& v, const std::string& path) {
    if (!v.is_object())
        refuse(path, ZW_TR("Model", "ожидается объект"));
    return v;
}

// Reads the known keys of one object into a record that already holds the
// defaults; any key no field claims is refused.
template <class J> class ObjectReader {
  public:
    ObjectReader(const J& obj, std::string at) : obj_(expectObject(obj, at)), at_(std::move(at)) {}

    // The value of `key`, or null when the key is missing.
    const J* find(const char* key) {
        known_.insert(key);
        const auto it = obj_.find(key);
        return it == obj_.end() ? nullptr : &*it;
    }
    std::string path(std::string_view key) const { return keyPath(at_, key); }

    // Refuses the first key that no field claimed.
    void finish() const {
        for (const auto& item : obj_.items())
            if (!known_.count(item.key()))
                refuse(path(item.key()), ZW_TR("Model", "неизвестный ключ"));
    }

  private:
    const J& obj_;
    std::string at_;
    std::set<std::string, std::less<>> known_;
};

template <class J> void fromJson(const J& j, const std::string& path, int32_t& v, ListRule) {
    v = readInt32(j, path);
}
template <class J> void fromJson(const J& j, const std::string& path, bool& v, ListRule) {
    v = readBool(j, path);
}
template <class J, LaidOutRecord Record>
void fromJson(const J& j, const std::string& path, Record& r, ListRule);
// An array of N values, or of at most N with ListRule::UpToAll (the entries
// not listed keep what they hold).
template <class J, class Element, size_t N>
void fromJson(const J& j, const std::string& path, std::array<Element, N>& values, ListRule rule) {
    const size_t count = expectArray(j, path).size();
    if (rule == ListRule::Exact && count != N)
        refuse(path, valuesCount(N, ZW_TR_NOOP("Model", "ожидается %1 значение"),
                                 ZW_TR_NOOP("Model", "ожидается %1 значения"),
                                 ZW_TR_NOOP("Model", "ожидается %1 значений")));
    if (count > N)
        refuse(path, valuesCount(N, ZW_TR_NOOP("Model", "не более %1 значения"),
                                 ZW_TR_NOOP("Model", "не более %1 значений"),
                                 ZW_TR_NOOP("Model", "не более %1 значений")));
    for (size_t i = 0; i < count; ++i)
        fromJson(j[i], indexPath(path, i), values[i], ListRule::Exact);
}
// Reads the record's keys that `reader` holds into `r`; missing keys keep
// what `r` holds.
template <class J, LaidOutRecord Record> void readFields(ObjectReader<J>& reader, Record& r) {
    forEachField<Record>([&](const auto& f) {
        if (const J* v = reader.find(f.key))
            fromJson(*v, reader.path(f.key), r.*(f.member), f.rule);
    });
}

// Kept cells by name (see keptCellsToJson).
template <class J> std::vector<KeptCell> readKeptCells(const J& j, const std::string& at) {
    std::vector<KeptCell> cells;
    for (const auto& item : expectObject(j, at).items()) {
        const std::string path = keyPath(at, item.key());
        KeptCell c;
        if (!utf8FitsCp1251(item.key()))
            refuse(path,
                   ZW_TR("Model",
                         "в названии поля есть символы, которых нет в кодировке Windows-1251"));
        c.name = utf8ToCp1251(item.key());
        if (item.value().is_string()) {
            c.text = readCp1251(item.value(), path);
        } else {
            if (!item.value().is_object())
                refuse(path, ZW_TR("Model", "ожидается строка или объект"));
            ObjectReader<J> r(item.value(), path);
            const J* text = r.find("text");
            if (!text)
                refuse(r.path("text"), ZW_TR("Model", "нет ключа"));
            c.text = readCp1251(*text, r.path("text"));
            if (const J* quoted = r.find("quoted"))
                c.quoted = readBool(*quoted, r.path("quoted"));
            if (const J* readAs = r.find("readAs"))
                c.readAs = readCp1251(*readAs, r.path("readAs"));
            r.finish();
        }
        cells.push_back(std::move(c));
    }
    return cells;
}

template <class J> KeptCells readKept(const J& j, const std::string& at) {
    KeptCells k;
    ObjectReader<J> r(j, at);
    if (const J* row = r.find("row"))
        k.row = readInt32(*row, r.path("row"));
    if (const J* id = r.find("id"))
        k.id = readInt32(*id, r.path("id"));
    if (const J* cells = r.find("cells"))
        k.cells = readKeptCells(*cells, r.path("cells"));
    r.finish();
    return k;
}

template <class J> KeptTemplate readKeptTemplate(const J& j, const std::string& at) {
    KeptTemplate k;
    ObjectReader<J> r(j, at);
    if (const J* cells = r.find("cells"))
        k.cells = readKeptCells(*cells, r.path("cells"));
    if (const J* rows = r.find("rows")) {
        const std::string path = r.path("rows");
        for (size_t i = 0; i < expectArray(*rows, path).size(); ++i) {
            ObjectReader<J> rr((*rows)[i], indexPath(path, i));
            KeptRow row;
            const J* number = rr.find("row");
            if (!number)
                refuse(rr.path("row"), ZW_TR("Model", "нет ключа"));
            row.row = readInt32(*number, rr.path("row"));
            if (const J* count = rr.find("cellCount"))
                row.cellCount = readInt32(*count, rr.path("cellCount"));
            if (const J* cells = rr.find("cells"))
                row.cells = readKeptCells(*cells, rr.path("cells"));
            rr.finish();
            k.rows.push_back(std::move(row));
        }
    }
    r.finish();
    return k;
}

template <class J, LaidOutRecord Record>
void fromJson(const J& j, const std::string& path, Record& r, ListRule) {
    ObjectReader<J> reader(j, path);
    readFields(reader, r);
    if constexpr (KeepsCells<Record>)
        if (const J* kept = reader.find("extended"))
            r.kept = readKept(*kept, reader.path("extended"));
    reader.finish();
}

template <class J> ZoneRecord readZone(const J& j, const std::string& at) {
    ZoneRecord z = makeDefaultZone();
    fromJson(j, at, z, ListRule::Exact);
    return z;
}

template <class J>
ConnectionRecord readConnection(const J& j, const std::string& at, size_t zoneCount) {
    ConnectionRecord c = makeDefaultConnection();
    ObjectReader<J> r(j, at);
    readFields(r, c);
    r.finish();
    // What the project file cannot hold is refused here rather than written
    // into a file that would not load.
    for (const auto& [key, zone] : {std::pair{"zoneA", c.zoneA}, std::pair{"zoneB", c.zoneB}})
        if (zone < 0 || static_cast<size_t>(zone) >= zoneCount)
            refuse(r.path(key),
                   withArguments(ZW_TR("Model", "нет локации с индексом %1 (%2)"),
                                 {std::to_string(zone),
                                  valuesCount(zoneCount, ZW_TR_NOOP("Model", "всего %1 локация"),
                                              ZW_TR_NOOP("Model", "всего %1 локации"),
                                              ZW_TR_NOOP("Model", "всего %1 локаций"))}));
    if (c.passageCount < 1 || c.passageCount > kPassageSlots)
        refuse(r.path("passageCount"), ZW_TR("Model", "должно быть от 1 до 8"));
    return c;
}

template <class J> TRmg readTemplate(const J& j) {
    TRmg t = makeNewTemplate();
    ObjectReader<J> r(j, "");
    if (const J* name = r.find("name")) {
        t.name = readCp1251(*name, "name");
        if (!nameFitsProject(t.name))
            refuse("name", ZW_TR("Model", "слишком длинное для файла проекта"));
    }
    readFields(r, t.header);
    readFields(r, t.kinds);
    if (const J* zones = r.find("zones")) {
        if (expectArray(*zones, "zones").size() > static_cast<size_t>(kMaxProjectRecords))
            refuse("zones", ZW_TR("Model", "больше 65535 локаций"));
        for (size_t i = 0; i < zones->size(); ++i)
            t.zones.push_back(readZone((*zones)[i], indexPath("zones", i)));
    }
    if (const J* connections = r.find("connections")) {
        if (expectArray(*connections, "connections").size() >
            static_cast<size_t>(kMaxProjectRecords))
            refuse("connections", ZW_TR("Model", "больше 65535 переходов"));
        for (size_t i = 0; i < connections->size(); ++i)
            t.connections.push_back(
                readConnection((*connections)[i], indexPath("connections", i), t.zones.size()));
    }
    if (const J* kept = r.find("extended"))
        t.kept = readKeptTemplate(*kept, "extended");
    r.finish();
    if (!keptFitsProject(t))
        refuse("extended", ZW_TR("Model", "больше дополнительных полей, чем вмещает файл проекта"));
    return t;
}

template <class J> std::variant<TRmg, TemplateJsonError> templateFrom(const J& j) {
    try {
        return readTemplate(j);
    } catch (const Refusal& r) {
        return TemplateJsonError{r.message};
    }
}

} // namespace

ordered_json templateToJson(const TRmg& t) {
    ordered_json out = ordered_json::object();
    out["name"] = cp1251ToUtf8(t.name);
    addFields(out, t.header);
    addFields(out, t.kinds);
    out["zones"] = toJson(t.zones);
    out["connections"] = toJson(t.connections);
    if (!t.kept.empty())
        out["extended"] = keptToJson(t.kept);
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
    return templateFrom(j);
}

std::variant<TRmg, TemplateJsonError> templateFromJson(const ordered_json& j) {
    return templateFrom(j);
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
    ordered_json j;
    try {
        j = ordered_json::parse(text);
    } catch (const json::exception& e) {
        // Syntax errors, and numbers too large for any type (out_of_range).
        // The parser's own text is English: the place is told instead.
        const auto* parse = dynamic_cast<const json::parse_error*>(&e);
        return TemplateJsonError{
            parse ? withArguments(ZW_TR("Model", "ошибка в записи JSON около байта %1"),
                                  {std::to_string(parse->byte)})
                  : ZW_TR("Model", "ошибка в записи JSON: число вне допустимых пределов")};
    }
    if (!j.is_object())
        return TemplateJsonError{ZW_TR("Model", "шаблон должен быть объектом JSON")};
    return templateFrom(j);
}

} // namespace zw
