// Writes the seed corpora of the fuzz targets from files the project itself
// produces: projects written by the save, JSON written by the dump, clipboard
// fragments of every zone, tables written by the compile. Usage: make_seeds OUTPUT_FOLDER
#include "model/fragment.h"
#include "model/project_file.h"
#include "model/template_json.h"
#include "rmg/table.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

using namespace zw;

ConnectionRecord link(int a, int b, int passages, int kind) {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = a;
    c.zoneB = b;
    c.passageCount = passages;
    for (int j = 0; j < passages; ++j) {
        PassageRecord& p = c.passages[static_cast<size_t>(j)];
        p.kind = (kind + j) % 3;
        p.guard = 1500 * j;
        p.autoExist = j % 2 == 0;
    }
    return c;
}

ZoneRecord zone(int32_t kind, int32_t owner, int32_t townMode, int32_t gridX, int32_t gridY) {
    ZoneRecord z = makeDefaultZone();
    z.kind = kind;
    z.owner = owner;
    z.townMode = townMode;
    z.gridX = gridX;
    z.gridY = gridY;
    return z;
}

std::vector<TRmg> samples() {
    std::vector<TRmg> out;
    out.push_back(makeNewTemplate());

    // Two players, start zones with towns, a treasure zone between them.
    TRmg two;
    two.name = "Duel";
    for (int p = 1; p <= 2; ++p)
        two.appendZone(zone(0, p, 2, (p - 1) * 6, 0));
    ZoneRecord mid = zone(code(ZoneKind::Treasure), 0, code(TownMode::None), 3, 3);
    mid.mineGold = 2;
    two.appendZone(mid);
    two.appendConnection(link(0, 2, 1, 0));
    two.appendConnection(link(1, 2, 3, 1));
    out.push_back(two);

    // Four players, a Cyrillic name, every town mode and existence mode.
    TRmg four;
    four.name = "\xD7\xE5\xF2\xFB\xF0\xE5 \xF1\xF2\xEE\xF0\xEE\xED\xFB"; // "Четыре стороны"
    four.header = TemplateHeader{1, 32, 2};
    four.kinds.playerKind[2] = 1;
    for (int p = 1; p <= 4; ++p) {
        ZoneRecord z = zone(0, p, 3, 4 * p, 0);
        z.playerCastles = 1;
        z.playerTowns = p;
        z.existMode = p % 3;
        z.terrainMatchesTown = p == 2;
        z.monstersMatchTown = p == 3;
        z.monsterStrength = p % 4;
        four.appendZone(z);
    }
    for (int k = 0; k < 4; ++k) {
        ZoneRecord z = zone(k % 2 == 0 ? 2 : 1, 0, k % 3, 4 * k, 5);
        z.treasure[1] = TreasureGroup{20000, 30000, 6};
        four.appendZone(z);
    }
    for (int k = 0; k < 4; ++k)
        four.appendConnection(link(k, 4 + k, k + 1, k));
    four.appendConnection(link(7, 4, 8, 2));
    out.push_back(four);

    // Values no dialog makes: they come from hand-made or imported files.
    TRmg odd;
    odd.name = std::string(64, 'N');
    ZoneRecord z = zone(0, 9, 7, 0, 0);
    z.size = -5;
    z.monsterStrength = 12;
    odd.appendZone(z);
    odd.appendZone(makeDefaultZone());
    odd.appendConnection(link(1, 0, 8, 0));
    out.push_back(odd);

    // Cells kept from an extended table: on the template, its zones (with
    // their rows and Ids) and passages, quoted, with readAs, and a kept row.
    TRmg kept = two;
    kept.name = "Kept";
    kept.kept.cells = {KeptCell{"Artifacts", "on", std::nullopt, false},
                       KeptCell{"Description", "two\tlines\r\nof \"text\"", std::nullopt, true}};
    kept.kept.rows = {KeptRow{5, {KeptCell{"Connections: Zone 1", "9", std::nullopt, false}}, 131}};
    for (size_t k = 0; k < kept.zones.size(); ++k)
        kept.zones[k].kept = {{KeptCell{"Placement", std::to_string(k), std::nullopt, false},
                               KeptCell{"Border Guard", "x o2 o9", "0", false}},
                              static_cast<int32_t>(k),
                              static_cast<int32_t>(3 * k + 1)};
    kept.connections[1].passages[2].kept = {{KeptCell{"Strength", "none", "6000", false}}, 4, 0};
    out.push_back(kept);
    return out;
}

void write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    // The arguments and recovery names targets have hand-made seeds only.
    for (const char* sub : {"project", "analysis", "json", "split", "import", "compile_roundtrip",
                            "fragment", "arguments", "recovery_names"})
        std::filesystem::create_directories(root / sub);

    const std::string header = "Generated table\r\nname\tmin\tmax\r\n";
    std::string table = header;
    int n = 0;
    for (TRmg t : samples()) {
        const std::string id = std::to_string(n++);
        write(root / "project" / (id + ".tpz"), encodeProject(t));
        write(root / "analysis" / (id + ".tpz"), encodeProject(t));
        write(root / "json" / (id + ".json"), templateToJsonText(t));
        std::vector<int32_t> all(t.zones.size());
        for (size_t k = 0; k < all.size(); ++k)
            all[k] = static_cast<int32_t>(k);
        if (!all.empty())
            write(root / "fragment" / (id + ".json"), fragmentToText(extractFragment(t, all)));
        std::string one = header;
        compileInto(one, t, t.name);
        for (const char* sub : {"split", "import", "compile_roundtrip"})
            write(root / sub / (id + ".txt"), one);
        compileInto(table, t, t.name);
    }
    for (const char* sub : {"split", "import", "compile_roundtrip"})
        write(root / sub / "all.txt", table);

    // The kept cells' section cut short, and of a version no reader knows.
    const std::string kept = encodeProject(samples().back());
    write(root / "project" / "kept_cut.tpz", kept.substr(0, kept.size() - 5));
    std::string future = kept;
    const size_t tag = future.find("TMPLkept");
    if (tag != std::string::npos && tag + 8 < future.size())
        future[tag + 8] = 2;
    write(root / "project" / "kept_version.tpz", future);
    return 0;
}
