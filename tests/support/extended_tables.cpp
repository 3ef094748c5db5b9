#include "support/extended_tables.h"

#include <stdexcept>

namespace zw::test {

namespace {

const char* const kTowns[] = {"Citadel", "Grove", "Tower",  "Crypt",  "Forge",   "Marsh",
                              "Keep",    "Spire", "Hollow", "Harbor", "Bastion", "Reef"};
const char* const kTerrains[] = {"Dirt", "Sand",  "Grass", "Snow",   "Swamp",     "Rough",
                                 "Cave", "Magma", "Water", "Upland", "Wasteland", "Ice"};
const char* const kMines[] = {"Wood", "Mercury", "Ore", "Sulfur", "Crystal", "Gems", "Gold"};

std::string tabbedRow(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c)
        line += (c ? "\t" : "") + cells[c];
    return line;
}

} // namespace

ExtendedTableMaker::ExtendedTableMaker(ExtendedShape shape) : shape_(shape) {
    std::string section, subsection;
    std::map<std::string, int> seen;
    auto add = [&](std::string sec, std::string sub, std::string field) {
        sections_.push_back(sec != section ? sec : "");
        subsections_.push_back(sub != subsection ? sub : "");
        if (sec != section)
            seen.clear();
        section = sec;
        subsection = sub;
        const int n = ++seen[field];
        keys_.push_back(sec + ": " + field + (n > 1 ? " #" + std::to_string(n) : ""));
        fields_.push_back(std::move(field));
    };
    auto addAll = [&](const char* sec, const char* sub, std::initializer_list<const char*> fields) {
        for (const char* f : fields)
            add(sec, sub, f);
    };
    auto addNumbered = [&](const char* sec, const char* sub, const char* const* names, int n) {
        for (int k = 0; k < n; ++k)
            add(sec, sub, names[k]);
    };
    addAll("Pack", "Field count",
           {"Town", "Terrain", "Zone type", "Pack new", "Map new", "Zone new", "Connection new"});
    addAll("Pack", "Options",
           {"Name", "Description", "Town selection", "Characters", "Mirror", "Tags",
            "Max Battle Rounds"});
    addAll("Map", "", {"Name", "Minimum Size", "Maximum Size"});
    addAll("Map", "Options",
           {"Artifacts", "Combo Arts", "Spells", "Secondary skills", "Objects", "Rock blocks",
            "Zone sparseness", "Special weeks disabled", "Spell Research", "Anarchy"});
    for (int k = 0; k < shape.extraMapOptions; ++k)
        add("Map", "Options", "Map option " + std::to_string(k + 1));
    add("Zone", "", "Id");
    addAll("Zone", "Type", {"Human start", "Computer start", "Treasure", "Junction", "Base Size"});
    // Ownership under Restrictions: the subsection header one column off, as seen in
    // published tables.
    addAll("Zone", "Restrictions",
           {"Minimum human positions", "Maximum human positions", "Minimum total positions",
            "Maximum total positions", "Ownership"});
    for (const char* sub : {"Player towns", "Neutral towns"})
        addAll("Zone", sub, {"Minimum towns", "Minimum castles", "Town Density", "Castle Density"});
    add("Zone", "Neutral towns", "Towns are of same type");
    addNumbered("Zone", "Town types", kTowns, shape.towns);
    addNumbered("Zone", "Minimum mines", kMines, 7);
    addNumbered("Zone", "Mine Density", kMines, 7);
    add("Zone", "Terrain", "Match to town");
    addNumbered("Zone", "Terrain", kTerrains, shape.terrains);
    addAll("Zone", "Monsters", {"Strength", "Match to town", "Neutral"});
    addNumbered("Zone", "Monsters", kTowns, shape.towns);
    for (int g = 0; g < 3; ++g)
        addAll("Zone", "Treasure", {"Low", "High", "Density"});
    addAll("Zone", "Options",
           {"Placement", "Objects", "Minimum objects", "Image settings", "Force neutral creatures",
            "Allow non-coherent road", "Zone repulsion", "Town Hint",
            "Monsters disposition (standard)", "Monsters disposition (custom)",
            "Monsters joining percentage", "Monsters join only for money"});
    for (int k = 0; k < shape.extraZoneOptions; ++k)
        add("Zone", "Options", "Zone option " + std::to_string(k + 1));
    addAll("Connections", "Zones", {"Zone 1", "Zone 2"});
    addAll("Connections", "Options",
           {"Value", "Wide", "Border Guard", "Road", "Type", "Fictive", "Portal repulsion"});
    addAll("Connections", "Restrictions",
           {"Minimum human positions", "Maximum human positions", "Minimum total positions",
            "Maximum total positions"});
}

std::string ExtendedTableMaker::header() const {
    std::string out;
    for (const auto* row : {&sections_, &subsections_, &fields_})
        out += tabbedRow(*row) + shape_.lineEnd;
    return out;
}

std::string ExtendedTableMaker::row(const std::map<std::string, std::string>& cells,
                                    int extra) const {
    std::vector<std::string> out(keys_.size());
    for (const auto& [key, text] : cells) {
        size_t c = 0;
        while (c < keys_.size() && keys_[c] != key)
            ++c;
        if (c == keys_.size())
            throw std::invalid_argument("no column " + key);
        out[c] = text;
    }
    return tabbedRow(out) + std::string(static_cast<size_t>(extra), '\t') + shape_.lineEnd;
}

std::map<std::string, std::string> ExtendedTableMaker::fieldCounts() const {
    return {{"Pack: Town", std::to_string(shape_.towns)},
            {"Pack: Terrain", std::to_string(shape_.terrains)},
            {"Pack: Zone type", "4"},
            {"Pack: Pack new", "7"},
            {"Pack: Map new", std::to_string(10 + shape_.extraMapOptions)},
            {"Pack: Zone new", std::to_string(12 + shape_.extraZoneOptions)},
            {"Pack: Connection new", "4"}};
}

namespace {

using Cells = std::map<std::string, std::string>;

// Cells from key, text, key, text, ...
Cells cells(std::initializer_list<const char*> keysAndTexts) {
    Cells c;
    for (auto at = keysAndTexts.begin(); at != keysAndTexts.end(); at += 2)
        c[at[0]] = at[1];
    return c;
}

Cells merged(Cells a, const Cells& b) {
    for (const auto& [key, text] : b)
        a[key] = text;
    return a;
}

// A zone row's usual cells.
Cells zone(const std::string& id, const std::string& kind, const std::string& size,
           const std::string& owner, const Cells& more = {}) {
    Cells c = cells({"Zone: Minimum human positions", "1", "Zone: Maximum human positions", "2",
                     "Zone: Minimum total positions", "2", "Zone: Maximum total positions", "2",
                     "Zone: Strength", "avg", "Zone: Low", "500", "Zone: High", "3000",
                     "Zone: Density", "9"});
    c["Zone: Id"] = id;
    c["Zone: " + kind] = "x";
    c["Zone: Base Size"] = size;
    if (!owner.empty())
        c["Zone: Ownership"] = owner;
    for (int k = 0; k < 9; ++k)
        c["Zone: " + std::string(kTowns[k])] = "x";
    return merged(c, more);
}

Cells connection(const std::string& a, const std::string& b, const std::string& value,
                 const Cells& more = {}) {
    Cells c = cells(
        {"Connections: Minimum human positions", "1", "Connections: Maximum human positions", "2",
         "Connections: Minimum total positions", "2", "Connections: Maximum total positions", "2"});
    c["Connections: Zone 1"] = a;
    c["Connections: Zone 2"] = b;
    c["Connections: Value"] = value;
    return merged(c, more);
}

// The rows of one template "name" of five zones (Ids 1, 2, 15, 16, 40).
std::string templateRows(const ExtendedTableMaker& m, const std::string& name, Cells first,
                         int extraOnSome) {
    Cells head = cells({"Map: Minimum Size", "1", "Map: Maximum Size", "9", "Map: Artifacts",
                        "-12 +40", "Map: Zone sparseness", "0.8"});
    head["Map: Name"] = name;
    Cells z1 = zone("1", "Human start", "20", "1",
                    cells({"Zone: Minimum castles", "1", "Zone: Wood", "1", "Zone: Ore", "1",
                           "Zone: Placement", "ground", "Zone: Image settings", "40 120",
                           "Zone: Objects", "+95 0 d d d 3 +144 4 d d d 3"}));
    Cells z2 = zone("2", "Human start", "20", "2",
                    cells({"Zone: Minimum castles", "1", "Zone: Strength", "none"}));
    Cells z15 =
        zone("15", "Treasure", "12", "", cells({"Zone: Match to town", "x", "Zone: Harbor", "x"}));
    Cells z16 = zone("16", "Treasure", "12", "", cells({"Zone: Town Hint", "\"a \"\"b\"\"\""}));
    Cells z40 = zone("40", "Junction", "6", "", cells({"Zone: Strength", "strong"}));
    std::string out;
    out += m.row(merged(merged(merged(first, head), z1),
                        connection("1", "15", "3000", cells({"Connections: Road", "x"}))),
                 extraOnSome);
    out += m.row(merged(z2, connection("2", "16", "3000")));
    out += m.row(
        merged(z15, connection("15", "40", "", cells({"Connections: Border Guard", "x o2 o9"}))));
    out += m.row(merged(z16, connection("16", "40", "12000")), extraOnSome);
    out += m.row(merged(z40, connection("1", "15", "0.8")));
    out += m.row(connection("200", "-1", "")); // names no zone of the template
    out += m.row(connection("40", "2", "6000", cells({"Connections: Fictive", "1"})));
    return out;
}

Cells pack(const ExtendedTableMaker& m) {
    Cells c = m.fieldCounts();
    c["Pack: Name"] = "Made for the tests";
    c["Pack: Description"] = "\"Two lines,\r\nwith a\ttab and \"\"quotes\"\"\"";
    c["Pack: Characters"] = "-177 +71";
    c["Pack: Mirror"] = "1";
    return c;
}

} // namespace

std::string oneTemplateTable(const ExtendedShape& shape) {
    const ExtendedTableMaker m(shape);
    return m.header() + templateRows(m, "10", pack(m), 1);
}

std::string threeTemplateTable(const ExtendedShape& shape) {
    const ExtendedTableMaker m(shape);
    return m.header() + templateRows(m, "Ring", pack(m), 0) + templateRows(m, "Star", {}, 1) +
           templateRows(m, "\xCA\xEE\xEB\xFC\xF6\xEE", {}, 0);
}

} // namespace zw::test
