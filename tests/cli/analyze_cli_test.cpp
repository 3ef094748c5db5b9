// analyze, run as a user runs it: the JSON shape, the readable report and the
// exit statuses; and the shipped example templates.
#include "support/analysis_samples.h"
#include "support/cli_fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zw {
namespace {

using nlohmann::json;
using test::link;
using test::startWithCastle;

class AnalyzeCli : public test::CliTest {};

// Two starts joined through a treasure zone, and treasure zone 4 off on its own.
TRmg withLooseZone() {
    TRmg t = test::analysisTemplate(2);
    t.appendZone(startWithCastle(1));
    t.appendZone(startWithCastle(2));
    t.appendZone(test::bareZone(1));
    t.appendZone(test::bareZone(1));
    t.appendConnection(link(1, 3));
    t.appendConnection(link(3, 2));
    return t;
}

TEST_F(AnalyzeCli, JsonOfATemplateWithFindings) {
    const auto r = cli({"analyze", project(withLooseZone(), "loose.tpz"), "--json"});
    EXPECT_EQ(r.status, 1) << r.err;
    const json expectedSetup = {{"players", 2},          {"humans", 1},
                                {"zones", {1, 2, 3, 4}}, {"components", {{1, 2, 3}, {4}}},
                                {"unreachable", {4}},    {"separatedStarts", json::array()}};
    const json j = json::parse(r.out);
    EXPECT_EQ(j["players"], 2);
    ASSERT_EQ(j["setups"].size(), 2u);
    EXPECT_EQ(j["setups"][0], expectedSetup);
    EXPECT_EQ(j["warnings"], json::parse(R"([{"code": "isolated-zone", "zones": [4],
                                              "connections": []}])"));
    EXPECT_EQ(j["fairness"][1]["startZone"], 2);
    EXPECT_EQ(j["fairness"][1]["nearestOpponent"], 2);
    EXPECT_EQ(j["fairness"][1]["within"][1],
              json::parse(R"({"distance": 1, "zones": 2, "treasure": 0,
                              "mines": [0, 0, 0, 0, 0, 0, 0], "towns": 1})"));
    // Key order as documented.
    EXPECT_LT(r.out.find("\"players\""), r.out.find("\"setups\""));
    EXPECT_LT(r.out.find("\"warnings\""), r.out.find("\"fairness\""));
}

TEST_F(AnalyzeCli, ExitStatusAndReadableReport) {
    TRmg clean = withLooseZone();
    clean.appendConnection(link(4, 2));
    auto r = cli({"analyze", project(clean, "clean.tpz")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Шаблон на 2 игрока."), std::string::npos) << r.out;

    r = cli({"analyze", project(withLooseZone(), "loose.tpz")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("2 игрока, из них 2 человека: локация 4 недостижима"), std::string::npos)
        << r.out;

    write("junk.tpz", "not a project");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"analyze", dir.file("junk.tpz")},
          {"analyze", dir.file("missing.tpz"), "--json"},
          {"analyze"}}) {
        r = cli(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_EQ(r.out, "");
    }
}

// Every shipped example passes the check, compiles into a fresh table and
// analyses without findings.
TEST_F(AnalyzeCli, ExamplesPassCheckCompileAndAnalysis) {
    const std::filesystem::path examples = std::filesystem::path(ZW_DATA_DIR) / ".." / "examples";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        if (entry.path().extension() != ".tpz")
            continue;
        ++count;
        const std::string in = entry.path().string();
        const std::string table = dir.file(entry.path().stem().string() + "-rmg.txt");
        EXPECT_EQ(cli({"check", in}).status, 0) << in;
        const auto compiled = cli({"compile", in, table});
        EXPECT_EQ(compiled.status, 0) << in << compiled.err;
        EXPECT_TRUE(std::filesystem::exists(table)) << in;
        const auto analysed = cli({"analyze", in});
        EXPECT_EQ(analysed.status, 0) << in << "\n" << analysed.out;
    }
    EXPECT_EQ(count, 4);
}

} // namespace
} // namespace zw
