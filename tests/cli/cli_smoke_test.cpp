// What every subcommand shares: the program's name, how arguments are told
// apart, how paths are shown.
#include "platform/native_path.h"
#include "support/cli_fixtures.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zw {
namespace {

using test::CliRun;
using test::CliRunner;
using test::ScratchDir;

// "/maps/x.tpz" is a path on every system (on Windows from the root of the
// current drive), never an option in the Windows style.
TEST(Cli, AnArgumentStartingWithASlashIsAPath) {
    const ScratchDir dir;
    const std::string rooted = test::rootedPath(dir.file("new.tpz")); // on the current drive
    ASSERT_EQ(rooted.front(), '/');
    CliRun r;
    {
        const test::CurrentFolder here(dir.path());
        r = CliRunner().run({"new", rooted});
    }
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(test::fsPath(dir.file("new.tpz"))));
}

TEST(Cli, MessagesNameFilesAsTheSystemWritesThem) {
    const ScratchDir dir;
    const std::string missing = dir.file("нет/карта.tpz");
    const CliRun r = CliRunner().run({"dump", missing});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(nativePath(missing)), std::string::npos) << r.err;
}

// Latin words of three letters or more in `text` that are no name the user
// types (commands, options, file types, pattern names, values): what is left
// would be English.
std::vector<std::string> englishWords(const std::string& text) {
    static const std::set<std::string, std::less<>> names = {
        "zonewright", "Zonewright", "cli",    "new",    "dump",   "build",   "check",
        "compile",    "list",       "delete", "import", "render", "analyze", "transform",
        "generate",   "help",       "rmg",    "txt",    "header", "tpz",     "JSON",
        "PNG",        "ring",       "star",   "centre", "true",   "false",   "Windows",
        "RMG",        "OUT",        "Qt",     "json"};
    std::vector<std::string> out;
    size_t i = 0;
    while (i < text.size()) {
        // Options, whole: "--mirror-x".
        if (text[i] == '-' &&
            (i == 0 || std::string_view(" ,(\n").find(text[i - 1]) != std::string_view::npos)) {
            while (i < text.size() && text[i] != ' ' && text[i] != ',' && text[i] != '\n')
                ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j])))
            ++j;
        if (j - i >= 3 && !names.contains(std::string_view(text).substr(i, j - i)))
            out.push_back(text.substr(i, j - i));
        i = j == i ? i + 1 : j;
    }
    return out;
}

// The parser's own messages and every help text speak Russian; the line after
// a usage error says where the help is; every help names the program.
TEST(Cli, UsageErrorsAndHelpAreInRussian) {
    struct Case {
        std::vector<std::string> args;
        std::string message; // the start of stderr
    };
    std::vector<Case> cases = {
        {{}, "zonewright-cli: не задана команда; команды: new, dump, build, check"},
        {{"zz"}, "zonewright-cli: неизвестная команда «zz»; команды: new,"},
        {{"check"},
         "zonewright-cli: не задан IN — файл проекта для чтения (.tpz)\n"
         "Справка: zonewright-cli check --help\n"},
        {{"check", "a.tpz", "b.tpz"}, "zonewright-cli: лишний аргумент: b.tpz\n"},
        {{"check", "--bogus", "a.tpz"}, "zonewright-cli: лишний аргумент: --bogus\n"},
        {{"generate", "a.tpz", "--players"}, "zonewright-cli: --players: не задано значение\n"},
        {{"transform", "a.tpz", "b.tpz", "--zones", "1", "--rotate", "x"},
         "zonewright-cli: --rotate: недопустимое значение «x»\n"},
        {{"delete", "rmg.txt"},
         "zonewright-cli: нужен ровно один из параметров --name, --index, --all\n"},
    };
    if (kNativePathStyle == PathStyle::Windows)
        cases.push_back(
            {{"render", "a.tpz", "b.png"}, "zonewright-cli: команды render нет в этой сборке"});
    CliRunner cli;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(nothing)" : c.args.front());
        const CliRun r = cli.run(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_EQ(r.err.substr(0, c.message.size()), c.message) << r.err;
        EXPECT_EQ(englishWords(r.err), std::vector<std::string>{}) << r.err;
    }
    for (const char* command : {"", "new", "dump", "build", "check", "compile", "list", "delete",
                                "import", "render", "analyze", "transform", "generate"}) {
        SCOPED_TRACE(command);
        std::vector<std::string> args = {"--help"};
        if (*command)
            args.insert(args.begin(), command);
        const CliRun r = cli.run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("zonewright-cli"), std::string::npos) << r.out;
        EXPECT_EQ(englishWords(r.out), std::vector<std::string>{}) << r.out;
    }
}

} // namespace
} // namespace zw
