// What every subcommand shares: the program's name, how arguments are told
// apart, how paths are shown.
#include "platform/native_path.h"
#include "support/cli_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zw {
namespace {

using test::CliRun;
using test::CliRunner;
using test::ScratchDir;

TEST(Cli, HelpNamesTheProgram) {
    CliRunner cli;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"new", "--help"}, {"compile", "--help"}}) {
        const CliRun r = cli.run(args);
        EXPECT_EQ(r.status, 0) << args.front() << r.err;
        EXPECT_NE(r.out.find("zonewright-cli"), std::string::npos) << r.out;
    }
}

// The test's current folder for its lifetime: the program started meanwhile
// inherits it (and on Windows its drive).
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& dir) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(test::fsPath(dir));
    }
    ~CurrentFolder() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
    }

  private:
    std::filesystem::path old_;
};

// "/maps/x.tpz" is a path on every system (on Windows from the root of the
// current drive), never an option in the Windows style.
TEST(Cli, AnArgumentStartingWithASlashIsAPath) {
    const ScratchDir dir;
    std::string rooted = dir.file("new.tpz");
    if (rooted.size() > 1 && rooted[1] == ':')
        rooted.erase(0, 2); // the drive: the current folder's below
    for (char& c : rooted)
        if (c == '\\')
            c = '/';
    ASSERT_EQ(rooted.front(), '/');
    CliRun r;
    {
        const CurrentFolder here(dir.path());
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

} // namespace
} // namespace zw
