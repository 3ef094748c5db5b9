#include "dialogs/multi_zone_logic.h"

namespace zw {
namespace {

template <class T> void addMember(std::vector<ZoneField>& out, std::string name, T ZoneRecord::*m) {
    out.push_back({std::move(name), [m](const ZoneRecord& z) { return int64_t(z.*m); },
                   [m](ZoneRecord& z, int64_t v) { z.*m = static_cast<T>(v); }});
}

template <size_t N>
void addSwitches(std::vector<ZoneField>& out, const std::string& name,
                 std::array<bool, N> ZoneRecord::*m) {
    for (size_t i = 0; i < N; ++i)
        out.push_back({name + "[" + std::to_string(i) + "]",
                       [m, i](const ZoneRecord& z) { return int64_t((z.*m)[i]); },
                       [m, i](ZoneRecord& z, int64_t v) { (z.*m)[i] = v != 0; }});
}

std::vector<ZoneField> makeFields() {
    std::vector<ZoneField> f;
    addMember(f, "kind", &ZoneRecord::kind);
    addMember(f, "size", &ZoneRecord::size);
    addMember(f, "owner", &ZoneRecord::owner);
    addMember(f, "townMode", &ZoneRecord::townMode);
    addMember(f, "playerCastles", &ZoneRecord::playerCastles);
    addMember(f, "playerTowns", &ZoneRecord::playerTowns);
    addMember(f, "neutralCastles", &ZoneRecord::neutralCastles);
    addMember(f, "neutralTowns", &ZoneRecord::neutralTowns);
    addMember(f, "sameTownType", &ZoneRecord::sameTownType);
    addSwitches(f, "townTypes", &ZoneRecord::townTypes);
    addMember(f, "mineWood", &ZoneRecord::mineWood);
    addMember(f, "mineMercury", &ZoneRecord::mineMercury);
    addMember(f, "mineOre", &ZoneRecord::mineOre);
    addMember(f, "mineSulfur", &ZoneRecord::mineSulfur);
    addMember(f, "mineCrystal", &ZoneRecord::mineCrystal);
    addMember(f, "mineGems", &ZoneRecord::mineGems);
    addMember(f, "mineGold", &ZoneRecord::mineGold);
    addMember(f, "terrainMatchesTown", &ZoneRecord::terrainMatchesTown);
    addSwitches(f, "terrains", &ZoneRecord::terrains);
    addMember(f, "monsterStrength", &ZoneRecord::monsterStrength);
    addMember(f, "monstersMatchTown", &ZoneRecord::monstersMatchTown);
    addSwitches(f, "monsterTypes", &ZoneRecord::monsterTypes);
    using TreasureField = int32_t TreasureGroup::*;
    const std::pair<const char*, TreasureField> parts[] = {{"low", &TreasureGroup::low},
                                                           {"high", &TreasureGroup::high},
                                                           {"density", &TreasureGroup::density}};
    for (size_t g = 0; g < 3; ++g)
        for (const auto& part : parts) {
            // A plain copy: lambdas cannot capture structured bindings everywhere.
            const TreasureField m = part.second;
            f.push_back(
                {"treasure[" + std::to_string(g) + "]." + part.first,
                 [g, m](const ZoneRecord& z) { return int64_t(z.treasure[g].*m); },
                 [g, m](ZoneRecord& z, int64_t v) { z.treasure[g].*m = static_cast<int32_t>(v); }});
        }
    addMember(f, "existMode", &ZoneRecord::existMode);
    addMember(f, "minHumans", &ZoneRecord::minHumans);
    addMember(f, "maxHumans", &ZoneRecord::maxHumans);
    addMember(f, "minPlayers", &ZoneRecord::minPlayers);
    addMember(f, "maxPlayers", &ZoneRecord::maxPlayers);
    return f;
}

} // namespace

const std::vector<ZoneField>& zoneFields() {
    static const std::vector<ZoneField> fields = makeFields();
    return fields;
}

size_t zoneFieldIndex(std::string_view name) {
    const auto& fields = zoneFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == name)
            return i;
    return fields.size();
}

MergedZones mergeZones(std::span<const ZoneRecord> records) {
    const auto& fields = zoneFields();
    MergedZones out;
    out.differs.assign(fields.size(), false);
    if (records.empty())
        return out;
    out.merged = records.front();
    for (size_t i = 0; i < fields.size(); ++i)
        for (const ZoneRecord& r : records.subspan(1))
            if (fields[i].get(r) != fields[i].get(out.merged))
                out.differs[i] = true;
    return out;
}

std::vector<bool> changedFields(const ZoneRecord& merged, const ZoneRecord& edited,
                                const std::vector<bool>& touched) {
    const auto& fields = zoneFields();
    std::vector<bool> changed(fields.size(), false);
    for (size_t i = 0; i < fields.size(); ++i)
        changed[i] =
            (i < touched.size() && touched[i]) || fields[i].get(edited) != fields[i].get(merged);
    return changed;
}

std::vector<ZoneRecord> applyChangedFields(std::span<const ZoneRecord> records,
                                           const ZoneRecord& edited,
                                           const std::vector<bool>& changed) {
    const auto& fields = zoneFields();
    std::vector<ZoneRecord> out(records.begin(), records.end());
    for (ZoneRecord& r : out)
        for (size_t i = 0; i < fields.size() && i < changed.size(); ++i)
            if (changed[i])
                fields[i].set(r, fields[i].get(edited));
    return out;
}

} // namespace zw
