// Every command takes a file argument in every form the user's system writes
// one: with a drive, relative to the current folder, rooted at the current
// drive, with Cyrillic names, and under Wine as a Unix path.
#include "platform/native_path.h"
#include "support/cli_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zw {
namespace {

using test::CliRun;
using test::ScratchDir;

// The folder every case's files lie in, below a scratch folder.
constexpr std::string_view kFolder = "Мои шаблоны";

// How an argument names a file of the folder, and the current folder the tool
// starts in.
struct Form {
    std::string label;
    std::function<std::string(const std::string& base, const std::string& name)> argument;
    bool onWindowsOnly = false;
};

// Each command with its arguments: {name} is the file `name` of the folder,
// in the form under test. Outputs are checked to be where the files are.
struct Command {
    std::vector<std::string> args;
    std::vector<std::string> outputs;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> all = [] {
        std::vector<Command> c = {
            {{"new", "{новый.tpz}"}, {"новый.tpz"}},
            {{"dump", "{звезда.tpz}"}, {}},
            {{"build", "{звезда.json}", "{собран.tpz}"}, {"собран.tpz"}},
            {{"check", "{звезда.tpz}"}, {}},
            {{"analyze", "{звезда.tpz}"}, {}},
            {{"transform", "{звезда.tpz}", "{отражён.tpz}", "--zones", "1", "--mirror-x"},
             {"отражён.tpz"}},
            {{"generate", "{кольцо.tpz}", "--players", "3"}, {"кольцо.tpz"}},
            {{"compile", "{звезда.tpz}", "{новая таблица.txt}", "--header", "{шапка.txt}"},
             {"новая таблица.txt"}},
            {{"list", "{таблица.txt}"}, {}},
            {{"delete", "{удалить.txt}", "--index", "1"}, {}},
            {{"import", "{таблица.txt}", "{ввезён.tpz}", "--index", "1"}, {"ввезён.tpz"}},
        };
        // The Windows build draws nothing: its render takes no paths.
        if (kNativePathStyle == PathStyle::Posix)
            c.push_back({{"render", "{звезда.tpz}", "{картинка.png}"}, {"картинка.png"}});
        return c;
    }();
    return all;
}

class PathForms : public ::testing::Test {
  protected:
    test::CliRunner cli;

    // The inputs of every command in `base`/kFolder, made by the tool from
    // plain paths.
    void prepare(const std::string& base) {
        const std::string dir = base + "/" + std::string(kFolder);
        std::filesystem::create_directories(test::fsPath(dir));
        const auto file = [&](std::string_view name) { return dir + "/" + std::string(name); };
        test::spit(file("шапка.txt"), test::slurp(std::string(ZW_DATA_DIR) + "/header.txt"));
        ASSERT_EQ(cli.run({"generate", file("звезда.tpz"), "--players", "3"}).status, 0);
        const CliRun dump = cli.run({"dump", file("звезда.tpz")});
        ASSERT_EQ(dump.status, 0) << dump.err;
        test::spit(file("звезда.json"), dump.out);
        const CliRun compiled = cli.run(
            {"compile", file("звезда.tpz"), file("таблица.txt"), "--header", file("шапка.txt")});
        ASSERT_EQ(compiled.status, 0) << compiled.err;
    }

    // Runs every command with its file arguments in `form`, the tool started
    // in `current`; every run succeeds and writes its outputs into the folder.
    void runEvery(const Form& form, const std::string& base, const std::string& current) {
        const std::string dir = base + "/" + std::string(kFolder);
        for (const Command& c : commands()) {
            SCOPED_TRACE(form.label + ": " + c.args.front());
            for (const std::string& out : c.outputs)
                std::filesystem::remove(test::fsPath(dir + "/" + out));
            test::spit(dir + "/удалить.txt", test::slurp(dir + "/таблица.txt"));
            std::vector<std::string> args;
            for (const std::string& a : c.args)
                args.push_back(a.front() == '{' ? form.argument(base, a.substr(1, a.size() - 2))
                                                : a);
            CliRun r;
            {
                const test::CurrentFolder here(current);
                r = cli.run(args);
            }
            // analyze and check answer 1 for findings: the file was read.
            EXPECT_LE(r.status, 1) << args[1] << "\n" << r.err;
            for (const std::string& out : c.outputs)
                EXPECT_TRUE(std::filesystem::is_regular_file(test::fsPath(dir + "/" + out))) << out;
        }
    }
};

TEST_F(PathForms, EveryCommandTakesEveryFormOfAPath) {
    const ScratchDir scratch;
    prepare(scratch.path());
    const auto inFolder = [](const std::string& name) { return std::string(kFolder) + "/" + name; };
    const Form forms[] = {
        {"полный путь",
         [&](const std::string& base, const std::string& name) {
             return nativePath(base + "/" + inFolder(name));
         }},
        {"путь от текущей папки",
         [&](const std::string&, const std::string& name) { return inFolder(name); }},
        // "/x/y" is below the root of the current folder's drive.
        {"путь от корня диска",
         [&](const std::string& base, const std::string& name) {
             return test::rootedPath(base + "/" + inFolder(name));
         }},
        {"путь с диском и '/'",
         [&](const std::string& base, const std::string& name) {
             return test::withSlashes(base + "/" + inFolder(name));
         },
         true},
    };
    for (const Form& form : forms)
        if (!form.onWindowsOnly || kNativePathStyle == PathStyle::Windows)
            runEvery(form, scratch.path(), scratch.path());
}

// Under Wine the whole Unix file system is drive Z:, and a Unix path names its
// files whatever the current drive; on Windows and elsewhere there is nothing
// more to try.
TEST_F(PathForms, UnderWineAUnixPathNamesTheSameFile) {
    if (kNativePathStyle != PathStyle::Windows || !std::filesystem::is_directory("Z:/proc") ||
        !std::filesystem::is_directory("Z:/tmp"))
        GTEST_SKIP() << "not under Wine";
    const ScratchDir current; // on the drive of the system's temporary folder
    const ScratchDir unixSide("Z:/tmp");
    prepare(unixSide.path());
    const Form unixPath{
        "путь Unix", [&](const std::string& base, const std::string& name) {
            return test::withSlashes(base + "/" + std::string(kFolder) + "/" + name).substr(2);
        }};
    runEvery(unixPath, unixSide.path(), current.path());
}

} // namespace
} // namespace zw
