#include "model/template_json.h"

#include "model/project_file.h"
#include "model/text.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <set>

namespace zw {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// The fields of each record, in record order, under their JSON keys. One list
// serves writing and reading, so the two cannot drift apart.
template <class Z, class V> void visitZone(Z& z, V&& v) {
    v("kind", z.kind);
    v("size", z.size);
    v("owner", z.owner);
    v("townMode", z.townMode);
    v("playerCastles", z.playerCastles);
    v("playerTowns", z.playerTowns);
    v("neutralCastles", z.neutralCastles);
    v("neutralTowns", z.neutralTowns);
    v("sameTownType", z.sameTownType);
    v("townTypes", z.townTypes);
    v("mineWood", z.mineWood);
    v("mineMercury", z.mineMercury);
    v("mineOre", z.mineOre);
    v("mineSulfur", z.mineSulfur);
    v("mineCrystal", z.mineCrystal);
    v("mineGems", z.mineGems);
    v("mineGold", z.mineGold);
    v("terrainMatchesTown", z.terrainMatchesTown);
    v("terrains", z.terrains);
    v("monsterStrength", z.monsterStrength);
    v("monstersMatchTown", z.monstersMatchTown);
    v("monsterTypes", z.monsterTypes);
    v("treasure", z.treasure);
    v("existMode", z.existMode);
    v("minHumans", z.minHumans);
    v("maxHumans", z.maxHumans);
    v("minPlayers", z.minPlayers);
    v("maxPlayers", z.maxPlayers);
    v("gridX", z.gridX);
    v("gridY", z.gridY);
}

template <class G, class V> void visitTreasure(G& g, V&& v) {
    v("low", g.low);
    v("high", g.high);
    v("density", g.density);
}

template <class P, class V> void visitPassage(P& p, V&& v) {
    v("kind", p.kind);
    v("guard", p.guard);
    v("autoExist", p.autoExist);
    v("minHumans", p.minHumans);
    v("maxHumans", p.maxHumans);
    v("minPlayers", p.minPlayers);
    v("maxPlayers", p.maxPlayers);
}

// ---- Writing ----

struct Writer {
    ordered_json& out;

    void operator()(const char* key, int32_t v) { out[key] = v; }
    void operator()(const char* key, bool v) { out[key] = v; }
    template <size_t N> void operator()(const char* key, const std::array<bool, N>& flags) {
        ordered_json a = ordered_json::array();
        for (bool f : flags)
            a.push_back(f);
        out[key] = std::move(a);
    }
    void operator()(const char* key, const std::array<TreasureGroup, 3>& groups) {
        ordered_json a = ordered_json::array();
        for (const TreasureGroup& g : groups) {
            ordered_json o = ordered_json::object();
            visitTreasure(g, Writer{o});
            a.push_back(std::move(o));
        }
        out[key] = std::move(a);
    }
};

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

[[noreturn]] void refuse(const std::string& path, const std::string& what) {
    throw Refusal{path + ": " + what};
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

    void operator()(const char* key, int32_t& v) {
        if (const json* j = find(key))
            v = readInt32(*j, path(key));
    }
    void operator()(const char* key, bool& v) {
        if (const json* j = find(key))
            v = readBool(*j, path(key));
    }
    template <size_t N> void operator()(const char* key, std::array<bool, N>& flags) {
        const json* j = find(key);
        if (!j)
            return;
        const std::string p = path(key);
        if (expectArray(*j, p).size() != N)
            refuse(p, "expected " + std::to_string(N) + " entries");
        for (size_t i = 0; i < N; ++i)
            flags[i] = readBool((*j)[i], indexPath(p, i));
    }
    void operator()(const char* key, std::array<TreasureGroup, 3>& groups) {
        const json* j = find(key);
        if (!j)
            return;
        const std::string p = path(key);
        if (expectArray(*j, p).size() != groups.size())
            refuse(p, "expected 3 entries");
        for (size_t i = 0; i < groups.size(); ++i) {
            ObjectReader r((*j)[i], indexPath(p, i));
            visitTreasure(groups[i], r);
            r.finish();
        }
    }

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

ZoneRecord readZone(const json& j, const std::string& at) {
    ZoneRecord z = makeDefaultZone();
    ObjectReader r(j, at);
    visitZone(z, r);
    r.finish();
    return z;
}

ConnectionRecord readConnection(const json& j, const std::string& at, size_t zoneCount) {
    ConnectionRecord c = makeDefaultConnection();
    ObjectReader r(j, at);
    r("zoneA", c.zoneA);
    r("zoneB", c.zoneB);
    r("passageCount", c.passageCount);
    if (const json* passages = r.find("passages")) {
        // Slots that are not listed keep the default passage.
        const std::string p = r.path("passages");
        if (expectArray(*passages, p).size() > c.passages.size())
            refuse(p, "at most 8 entries");
        for (size_t i = 0; i < passages->size(); ++i) {
            ObjectReader pr((*passages)[i], indexPath(p, i));
            visitPassage(c.passages[i], pr);
            pr.finish();
        }
    }
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
    r("minSize", t.header.minSize);
    r("maxSize", t.header.maxSize);
    r("playerCountIndex", t.header.playerCountIndex);
    if (const json* kinds = r.find("playerKind")) {
        if (expectArray(*kinds, "playerKind").size() != kPlayerSlots)
            refuse("playerKind", "expected 8 entries");
        for (size_t i = 0; i < kPlayerSlots; ++i)
            t.kinds.playerKind[i] = readInt32((*kinds)[i], indexPath("playerKind", i));
    }
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
    out["minSize"] = t.header.minSize;
    out["maxSize"] = t.header.maxSize;
    out["playerCountIndex"] = t.header.playerCountIndex;
    out["playerKind"] = t.kinds.playerKind;
    ordered_json zones = ordered_json::array();
    for (const ZoneRecord& z : t.zones) {
        ordered_json o = ordered_json::object();
        visitZone(z, Writer{o});
        zones.push_back(std::move(o));
    }
    out["zones"] = std::move(zones);
    ordered_json connections = ordered_json::array();
    for (const ConnectionRecord& c : t.connections) {
        ordered_json o = ordered_json::object();
        o["zoneA"] = c.zoneA;
        o["zoneB"] = c.zoneB;
        o["passageCount"] = c.passageCount;
        ordered_json passages = ordered_json::array();
        for (const PassageRecord& p : c.passages) {
            ordered_json po = ordered_json::object();
            visitPassage(p, Writer{po});
            passages.push_back(std::move(po));
        }
        o["passages"] = std::move(passages);
        connections.push_back(std::move(o));
    }
    out["connections"] = std::move(connections);
    return out;
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
