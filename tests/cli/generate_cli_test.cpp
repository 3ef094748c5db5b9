// generate of zonewright-cli: writes what the core makes, refuses bad
// arguments with a Russian message and exit 2 without touching OUT.
#include "model/project_file.h"
#include "pattern/generate.h"
#include "support/cli_fixtures.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

class GenerateCli : public test::CliTest {
  protected:
    test::CliRun generate(std::vector<std::string> args) {
        args.insert(args.begin(), {"generate", out});
        return cli(args);
    }
    std::string out = dir.file("out.tpz");
};

TEST_F(GenerateCli, WritesWhatTheCoreMakes) {
    auto r = generate({"--players", "3"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::slurp(out),
              encodeProject(generateTemplate(patternDefaults(PatternKind::RingCentre, 3))));

    PatternSettings s = patternDefaults(PatternKind::Star, 8);
    s.own = 4;
    s.centre = 4;
    s.seed = 999999;
    s.name = "Восемь лучей";
    r = generate({"--pattern", "star", "--players", "8", "--own", "4", "--centre", "4", "--seed",
                  "999999", "--name", "Восемь лучей"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::slurp(out), encodeProject(generateTemplate(s)));

    // Ring: no centre unless asked, which it refuses.
    PatternSettings ring = patternDefaults(PatternKind::Ring, 2);
    ring.between = 0;
    r = generate({"--pattern", "ring", "--players", "2", "--between", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::slurp(out), encodeProject(generateTemplate(ring)));
}

TEST_F(GenerateCli, RefusesWithoutWriting) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"--players", "99999999999"}, "Число игроков должно быть от 2 до 8"},
        {{"--players", "три"}, "--players: ожидается целое число"},
        {{"--own", "5"}, "Не задано число игроков"},
        {{"--players", "4", "--own", "5"}, "своих локаций"},
        {{"--players", "4", "--between", "-1"}, "между соседями"},
        {{"--players", "4", "--centre", "5"}, "в центре"},
        {{"--players", "4", "--pattern", "star", "--centre", "0"}, "Звезде нужен центр"},
        {{"--players", "4", "--pattern", "star", "--between", "1"}, "через центр"},
        {{"--players", "4", "--pattern", "ring", "--centre", "1"}, "У кольца нет центра"},
        {{"--players", "4", "--pattern", "hex"}, "неизвестный образец «hex»"},
        {{"--players", "4", "--seed", "1.5"}, "--seed: ожидается целое число"},
        {{"--players", "4", "--seed", "-1"}, "Вариант должен быть от 0 до 999999"},
        {{"--players", "4", "--name", "a\tb"}, "табуляции"},
        {{"--players", "4", "--name", std::string(65, 'x')}, "длиннее 64"},
    };
    test::spit(out, "old bytes");
    for (const auto& [args, message] : refused) {
        const auto r = generate(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(test::slurp(out), "old bytes") << message;
    }
}

TEST_F(GenerateCli, HelpNamesEveryOption) {
    const auto r = cli({"generate", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--players", "--pattern", "--own", "--between", "--centre", "--seed", "--name"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

} // namespace
} // namespace zw
