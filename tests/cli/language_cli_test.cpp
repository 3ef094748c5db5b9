// --language, run as a user runs the tool: English messages, findings and
// report with it, Russian with "ru" or without it, the same JSON either way.
// Needs the translation files the build puts beside the tool.
#include "model/project_file.h"
#include "support/analysis_samples.h"
#include "support/cli_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zw {
namespace {

class LanguageCli : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto folder = std::filesystem::path(ZW_CLI).parent_path() / "translations";
        for (const char* file : {"zonewright_core_en.qm", "zonewright_windows_en.qm"})
            if (!std::filesystem::exists(folder / file))
                GTEST_SKIP() << "no " << file << " beside the tool";
        test::spit(dir.file("empty.tpz"), encodeProject(makeNewTemplate()));
    }
    test::CliRun run(std::vector<std::string> args) {
        for (std::string& a : args)
            if (a == "IN")
                a = dir.file("empty.tpz");
        return cli.run(args);
    }
    test::ScratchDir dir;
    test::CliRunner cli;
};

TEST_F(LanguageCli, EnglishWhereverTheOptionStands) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out; // the start of stdout
        std::string err; // the start of stderr
    };
    const Case cases[] = {
        // The check's finding, its lines as the terminal shows them.
        {{"--language", "en", "check", "IN"},
         1,
         "A logical error was found.\nPlayer 1 has no start zone\n",
         ""},
        {{"check", "IN", "--language=en"}, 1, "A logical error was found.\n", ""},
        {{"analyze", "IN", "--language", "en"},
         1,
         "Players in the template: 2.\n\nPlayer setups:\n",
         ""},
        // The parser's own messages and the help.
        {{"--language", "en", "check"},
         2,
         "",
         "zonewright-cli: missing IN — project file to read (.tpz)\nHelp: zonewright-cli check "
         "--help\n"},
        {{"--language", "en", "--help"},
         0,
         "Zonewright: random map templates from the command line\nUsage: ",
         ""},
        // Russian on request, and a wrong choice refused in Russian.
        {{"--language", "ru", "check", "IN"},
         1,
         "Обнаружена логическая ошибка.\nУ игрока 1 нет стартовой локации\n",
         ""},
        {{"--language", "de", "check", "IN"},
         2,
         "",
         "zonewright-cli: --language: недопустимое значение «de», ожидается en или ru\n"},
        {{"check", "IN", "--language"}, 2, "", "zonewright-cli: --language: не задано значение\n"},
    };
    for (const Case& c : cases) {
        const test::CliRun r = run(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        EXPECT_EQ(r.status, c.status) << shown << r.err;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << shown;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << shown;
    }
}

TEST_F(LanguageCli, JsonIsTheSameInEveryLanguage) {
    for (const char* command : {"analyze", "dump"}) {
        std::vector<std::string> args = {command, "IN"};
        if (std::string(command) == "analyze")
            args.push_back("--json");
        const test::CliRun russian = run(args);
        args.insert(args.begin(), {"--language", "en"});
        const test::CliRun english = run(args);
        EXPECT_EQ(english.status, russian.status) << command;
        EXPECT_EQ(english.out, russian.out) << command;
        EXPECT_FALSE(russian.out.empty()) << command;
    }
}

} // namespace
} // namespace zw
