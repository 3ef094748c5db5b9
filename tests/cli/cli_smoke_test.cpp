#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

TEST(Cli, HelpRuns) {
    const std::string cmd = std::string(ZW_CLI) + " --help > /dev/null";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}
