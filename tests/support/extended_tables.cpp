#include "support/extended_tables.h"

#include <stdexcept>

namespace zw::test {

namespace {

const char* const kTowns[] = {"Citadel", "Grove", "Tower",  "Crypt",  "Forge",   "Marsh",
                              "Keep",    "Spire", "Hollow", "Harbor", "Bastion", "Reef"};
const char* const kTerrains[] = {"Dirt", "Sand",  "Grass", "Snow",   "Swamp",     "Rough",
                                 "Cave", "Magma", "Water", "Upland", "Wasteland", "Ice"};
const char* const kMines[] = {"Wood", "Mercury", "Ore", "Sulfur", "Crystal", "Gems", "Gold"};

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
    for (const char* f :
         {"Town", "Terrain", "Zone type", "Pack new", "Map new", "Zone new", "Connection new"})
        add("Pack", "Field count", f);
    for (const char* f :
         {"Name", "Description", "Town selection", "Characters", "Mirror", "Tags", "Max Battle Rounds"})
        add("Pack", "Options", f);
    for (const char* f : {"Name", "Minimum Size", "Maximum Size"})
        add("Map", "", f);
    for (const char* f :
         {"Artifacts", "Combo Arts", "Spells", "Secondary skills", "Objects", "Rock blocks",
          "Zone sparseness", "Special weeks disabled", "Spell Research", "Anarchy"})
        add("Map", "Options", f);
    for (int k = 0; k < shape.extraMapOptions; ++k)
        add("Map", "Options", "Map option " + std::to_string(k + 1));
    add("Zone", "", "Id");
    for (const char* f : {"Human start", "Computer start", "Treasure", "Junction", "Base Size"})
        add("Zone", "Type", f);
    for (const char* f : {"Minimum human positions", "Maximum human positions",
                          "Minimum total positions", "Maximum total positions"})
        add("Zone", "Restrictions", f);
    // The subsection header one column off, as seen in published tables.
    add("Zone", "Restrictions", "Ownership");
    for (const char* f : {"Minimum towns", "Minimum castles", "Town Density", "Castle Density"})
        add("Zone", "Player towns", f);
    for (const char* f : {"Minimum towns", "Minimum castles", "Town Density", "Castle Density"})
        add("Zone", "Neutral towns", f);
    add("Zone", "Neutral towns", "Towns are of same type");
    for (int k = 0; k < shape.towns; ++k)
        add("Zone", "Town types", kTowns[k]);
    for (const char* f : kMines)
        add("Zone", "Minimum mines", f);
    for (const char* f : kMines)
        add("Zone", "Mine Density", f);
    add("Zone", "Terrain", "Match to town");
    for (int k = 0; k < shape.terrains; ++k)
        add("Zone", "Terrain", kTerrains[k]);
    for (const char* f : {"Strength", "Match to town", "Neutral"})
        add("Zone", "Monsters", f);
    for (int k = 0; k < shape.towns; ++k)
        add("Zone", "Monsters", kTowns[k]);
    for (int g = 0; g < 3; ++g)
        for (const char* f : {"Low", "High", "Density"})
            add("Zone", "Treasure", f);
    for (const char* f :
         {"Placement", "Objects", "Minimum objects", "Image settings", "Force neutral creatures",
          "Allow non-coherent road", "Zone repulsion", "Town Hint",
          "Monsters disposition (standard)", "Monsters disposition (custom)",
          "Monsters joining percentage", "Monsters join only for money"})
        add("Zone", "Options", f);
    for (int k = 0; k < shape.extraZoneOptions; ++k)
        add("Zone", "Options", "Zone option " + std::to_string(k + 1));
    for (const char* f : {"Zone 1", "Zone 2"})
        add("Connections", "Zones", f);
    for (const char* f :
         {"Value", "Wide", "Border Guard", "Road", "Type", "Fictive", "Portal repulsion"})
        add("Connections", "Options", f);
    for (const char* f : {"Minimum human positions", "Maximum human positions",
                          "Minimum total positions", "Maximum total positions"})
        add("Connections", "Restrictions", f);
}

std::string ExtendedTableMaker::header() const {
    std::string out;
    for (const auto* row : {&sections_, &subsections_, &fields_}) {
        for (size_t c = 0; c < row->size(); ++c)
            out += (c ? "\t" : "") + (*row)[c];
        out += shape_.lineEnd;
    }
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
    std::string line;
    for (size_t c = 0; c < out.size(); ++c)
        line += (c ? "\t" : "") + out[c];
    for (int k = 0; k < extra; ++k)
        line += "\t";
    return line + shape_.lineEnd;
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

// A zone row's usual cells.
Cells zone(const std::string& id, const std::string& kind, const std::string& size,
           const std::string& owner) {
    Cells c = {{"Zone: Id", id},
               {"Zone: " + kind, "x"},
               {"Zone: Base Size", size},
               {"Zone: Minimum human positions", "1"},
               {"Zone: Maximum human positions", "2"},
               {"Zone: Minimum total positions", "2"},
               {"Zone: Maximum total positions", "2"},
               {"Zone: Strength", "avg"},
               {"Zone: Low", "500"},
               {"Zone: High", "3000"},
               {"Zone: Density", "9"}};
    if (!owner.empty())
        c["Zone: Ownership"] = owner;
    for (int k = 0; k < 9; ++k)
        c["Zone: " + std::string(kTowns[k])] = "x";
    return c;
}

Cells connection(const std::string& a, const std::string& b, const std::string& value) {
    return {{"Connections: Zone 1", a},
            {"Connections: Zone 2", b},
            {"Connections: Value", value},
            {"Connections: Minimum human positions", "1"},
            {"Connections: Maximum human positions", "2"},
            {"Connections: Minimum total positions", "2"},
            {"Connections: Maximum total positions", "2"}};
}

Cells merged(Cells a, const Cells& b) {
    for (const auto& [key, text] : b)
        a[key] = text;
    return a;
}

// The rows of one template "name" of five zones (Ids 1, 2, 15, 16, 40).
std::string templateRows(const ExtendedTableMaker& m, const std::string& name, Cells first,
                         int extraOnSome) {
    Cells head = {{"Map: Name", name},
                  {"Map: Minimum Size", "1"},
                  {"Map: Maximum Size", "9"},
                  {"Map: Artifacts", "-12 +40"},
                  {"Map: Zone sparseness", "0.8"}};
    Cells z1 = merged(zone("1", "Human start", "20", "1"),
                      {{"Zone: Minimum castles", "1"},
                       {"Zone: Wood", "1"},
                       {"Zone: Ore", "1"},
                       {"Zone: Placement", "ground"},
                       {"Zone: Image settings", "40 120"},
                       {"Zone: Objects", "+95 0 d d d 3 +144 4 d d d 3"}});
    Cells z2 = merged(zone("2", "Human start", "20", "2"),
                      {{"Zone: Minimum castles", "1"}, {"Zone: Strength", "none"}});
    Cells z15 = merged(zone("15", "Treasure", "12", ""),
                       {{"Zone: Match to town", "x"}, {"Zone: Harbor", "x"}});
    Cells z16 = merged(zone("16", "Treasure", "12", ""), {{"Zone: Town Hint", "\"a \"\"b\"\"\""}});
    Cells z40 = merged(zone("40", "Junction", "6", ""), {{"Zone: Strength", "strong"}});
    std::string out;
    out += m.row(merged(merged(merged(first, head), z1),
                        merged(connection("1", "15", "3000"), {{"Connections: Road", "x"}})),
                 extraOnSome);
    out += m.row(merged(z2, connection("2", "16", "3000")));
    out += m.row(merged(
        z15, merged(connection("15", "40", ""), {{"Connections: Border Guard", "x o2 o9"}})));
    out += m.row(merged(z16, connection("16", "40", "12000")), extraOnSome);
    out += m.row(merged(z40, connection("1", "15", "0.8")));
    out += m.row(connection("200", "-1", "")); // names no zone of the template
    out += m.row(merged(connection("40", "2", "6000"), {{"Connections: Fictive", "1"}}));
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
