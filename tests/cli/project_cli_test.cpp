// new, dump, build and check, run as a user runs them.
#include "check/check.h"
#include "model/project_file.h"
#include "model/template_json.h"
#include "model/text.h"
#include "support/cli_fixtures.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>

namespace zw {
namespace {

using nlohmann::json;
using test::CliRun;
using test::richTemplate;
using test::slurp;
using test::spit;

class ProjectCli : public test::CliTest {
  protected:
    std::string file(const std::string& name) const { return dir.file(name); }
};

TRmg cyrillicRich() {
    TRmg t = richTemplate();
    t.name = utf8ToCp1251("Северный путь №2");
    return t;
}

TEST_F(ProjectCli, NewWritesTheNewTemplate) {
    const CliRun r = cli({"new", file("fresh.tpz")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(slurp(file("fresh.tpz")), encodeProject(makeNewTemplate()));
}

TEST_F(ProjectCli, DumpShowsEveryFieldUnderItsName) {
    const CliRun r = cli({"dump", project(cyrillicRich(), "rich.tpz")});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(std::tuple(j["name"], j["minSize"], j["maxSize"], j["playerCountIndex"]),
              std::tuple("Северный путь №2", 2, 18, 3));
    EXPECT_EQ(j["playerKind"], json({0, 1, 0, 1, 0, 1, 0, 1}));
    ASSERT_EQ(j["zones"].size(), 3u);
    const json& z = j["zones"][1];
    std::set<std::string> keys;
    for (const auto& item : z.items())
        keys.insert(item.key());
    // clang-format off
    EXPECT_EQ(keys, (std::set<std::string>{
        "kind", "size", "owner", "townMode", "playerCastles", "playerTowns", "neutralCastles",
        "neutralTowns", "sameTownType", "townTypes", "mineWood", "mineMercury", "mineOre",
        "mineSulfur", "mineCrystal", "mineGems", "mineGold", "terrainMatchesTown", "terrains",
        "monsterStrength", "monstersMatchTown", "monsterTypes", "treasure", "existMode",
        "minHumans", "maxHumans", "minPlayers", "maxPlayers", "gridX", "gridY"}));
    // clang-format on
    const ZoneRecord rz = cyrillicRich().zones[1]; // a copy: the template is a temporary
    EXPECT_EQ(std::tuple(z["size"], z["gridY"], z["sameTownType"]),
              std::tuple(rz.size, rz.gridY, json(rz.sameTownType)));
    EXPECT_TRUE(z["townTypes"][0].is_boolean());
    EXPECT_EQ(std::tuple(z["townTypes"].size(), z["terrains"].size(), z["monsterTypes"].size()),
              std::tuple(9u, 8u, 10u));
    EXPECT_EQ(z["treasure"][2], json({{"low", rz.treasure[2].low},
                                      {"high", rz.treasure[2].high},
                                      {"density", rz.treasure[2].density}}));
    const json& c = j["connections"][0];
    EXPECT_EQ(std::tuple(c["zoneA"], c["zoneB"], c["passageCount"]), std::tuple(0, 2, 2));
    ASSERT_EQ(c["passages"].size(), 8u); // unused slots too
    const PassageRecord p7 = cyrillicRich().connections[0].passages[7];
    EXPECT_EQ(c["passages"][7], json({{"kind", p7.kind},
                                      {"guard", p7.guard},
                                      {"autoExist", p7.autoExist},
                                      {"minHumans", p7.minHumans},
                                      {"maxHumans", p7.maxHumans},
                                      {"minPlayers", p7.minPlayers},
                                      {"maxPlayers", p7.maxPlayers}}));
}

TEST_F(ProjectCli, DumpThenBuildGivesBackTheSameFile) {
    const std::string original = encodeProject(cyrillicRich());
    const CliRun dump = cli({"dump", write("in.tpz", original)});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const CliRun build = cli({"build", write("in.json", dump.out), file("out.tpz")});
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_EQ(slurp(file("out.tpz")), original);
}

TEST_F(ProjectCli, BuildFillsMissingKeysWithDefaults) {
    write("part.json", R"({"name": "Частично", "playerCountIndex": 1,
        "zones": [{"kind": 0, "owner": 2, "gridX": -4}, {}],
        "connections": [{"zoneB": 1, "passages": [{"guard": 100}]}]})");
    const CliRun r = cli({"build", file("part.json"), file("part.tpz")});
    ASSERT_EQ(r.status, 0) << r.err;
    auto decoded = decodeProject(slurp(file("part.tpz")));
    ASSERT_TRUE(std::holds_alternative<TRmg>(decoded));
    const TRmg& t = std::get<TRmg>(decoded);

    TRmg expected = makeNewTemplate();
    expected.name = utf8ToCp1251("Частично");
    expected.header.playerCountIndex = 1;
    expected.zones = {{.kind = 0, .owner = 2, .gridX = -4, .kept = {}}, makeDefaultZone()};
    ConnectionRecord c{.zoneB = 1};
    c.passages[0].guard = 100;
    expected.appendConnection(c);
    EXPECT_EQ(t, expected);
}

TEST_F(ProjectCli, BuildRefusesBadInputNamingTheKeyAndWritesNothing) {
    struct Case {
        std::string json;
        std::string key;
    };
    const std::vector<Case> cases = {
        {R"({"zones": [{}, {}, {"owner": "2"}]})", "zones[2].owner"},
        {R"({"zones": [{"townTypes": [true, 1, true, true, true, true, true, true, true]}]})",
         "zones[0].townTypes[1]"},
        {R"({"zones": [{"terrains": [true]}]})", "zones[0].terrains"},
        {R"({"zones": [{"treasure": [{}, {"low": 1.5}, {}]}]})", "zones[0].treasure[1].low"},
        {R"({"zones": [{"size": 2147483648}]})", "zones[0].size"},
        {R"({"zones": {}})", "zones"},
        {R"({"name": 5})", "name"},
        {R"({"name": "日本"})", "name"},
        {R"({"playerKind": [0, 0]})", "playerKind"},
        {R"({"zones": [{}, {}], "connections": [{"zoneA": -1, "zoneB": 1}]})",
         "connections[0].zoneA"},
        {R"({"zones": [{}, {}], "connections": [{"zoneB": 1, "passageCount": 9}]})",
         "connections[0].passageCount"},
        {R"({"zones": [{}, {}], "connections": [{"zoneB": 1, "passageCount": 0}]})",
         "connections[0].passageCount"},
        {R"({"zones": [{}, {}], "connections": [{"zoneB": 1, "passages": [{}, {}, {}, {}, {}, {}, {}, {}, {}]}]})",
         "connections[0].passages"},
        {R"({"zones": [{}, {}], "connections": [{"zoneB": 1, "passages": [{"autoExist": 0}]}]})",
         "connections[0].passages[0].autoExist"},
        {R"({"zones": [], "extra": true})", "extra"},
        {R"({"zones": [)", "ошибка в записи JSON"},
        {R"([1, 2])", "объектом JSON"},
        {"", "ошибка в записи JSON"},
        // A number too large for any type: the parser throws out_of_range, once
        // an uncaught crash found by fuzzing.
        {"4444444444e4444411111111111111111111", "ошибка в записи JSON"},
        {R"({"zones": [{"size": 1e400}]})", "ошибка в записи JSON"},
    };
    spit(file("out.tpz"), "previous");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        spit(file("bad.json"), c.json);
        const CliRun r = cli({"build", file("bad.json"), file("out.tpz")});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.key), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(slurp(file("out.tpz")), "previous");
    }
}

TEST_F(ProjectCli, CheckPrintsTheVerdict) {
    TRmg t = makeNewTemplate();
    for (int p = 1; p <= 2; ++p)
        t.appendZone(test::startZone(p, 3 * p));
    CliRun r = cli({"check", project(t, "good.tpz")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(kNoErrorsFound) + "\n");

    t.zones.pop_back();
    r = cli({"check", project(t, "bad.tpz")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Обнаружена логическая ошибка.\nУ игрока 2 нет стартовой локации\n");
}

TEST_F(ProjectCli, UnreadableInputsExitWithTwo) {
    spit(file("wrong.tpz"), "not a project");
    spit(file("cut.tpz"), encodeProject(richTemplate()).substr(0, 40));
    for (const auto& [command, input, message] : {std::tuple{"dump", "missing.tpz", "missing.tpz"},
                                                  {"dump", "wrong.tpz", kProjectLoadFailed.data()},
                                                  {"dump", "cut.tpz", "Файл поврежден"},
                                                  {"check", "cut.tpz", "Файл поврежден"}}) {
        const CliRun r = cli({command, file(input)});
        EXPECT_EQ(r.status, 2) << command << ' ' << input;
        EXPECT_EQ(r.out, "") << command << ' ' << input;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_EQ(cli({"build", file("missing.json"), file("x.tpz")}).status, 2);
    const CliRun r = cli({"new", file("no/such/dir/x.tpz")});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(r.err.empty());
}

TEST_F(ProjectCli, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"new"}, {"dump"}, {"build", file("only-one.json")}, {"check", "a", "b"}})
        EXPECT_EQ(cli(args).status, 2) << args[0];
    EXPECT_EQ(dir.listing(), "");
}

} // namespace
} // namespace zw
