#include "platform/process.h"
#include "support/platform_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace zw {
namespace {

// The toolkit takes its own options out of argv but not out of the wide command
// line: the wide arguments still in argv are the ones a file name comes from.
TEST(Processes, ArgumentsLeftAfterTheToolkitTookItsOptions) {
    using Args = std::vector<std::string>;
    struct Case {
        Args full, fullNarrow, remaining, expected;
    };
    // clang-format off
    const Case cases[] = {
        {{}, {}, {}, {}},
        {{"\xD1\x84.tpz"}, {"?.tpz"}, {"?.tpz"}, {"\xD1\x84.tpz"}},
        {{"-platform", "offscreen", "\xD1\x84.tpz"}, {"-platform", "offscreen", "?.tpz"}, {"?.tpz"},
         {"\xD1\x84.tpz"}},
        // The same text twice: matched in order.
        {{"a", "-style", "a", "b"}, {"a", "-style", "a", "b"}, {"a", "b"}, {"a", "b"}},
        // No wide counterpart: the narrow form stays.
        {{"a"}, {"a"}, {"a", "z"}, {"a", "z"}}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(argumentsLeft(c.full, c.fullNarrow, c.remaining), c.expected);
}

#ifndef _WIN32

TEST(Processes, UserDataFolderFollowsTheBaseDirectoryRules) {
    struct Case {
        std::optional<std::string> xdg, home;
        std::string folder;
    };
    const std::string local = "/home/u/.local/share/zonewright";
    for (const Case& c :
         {Case{"/x/data", "/home/u", "/x/data/zonewright"}, Case{"relative/data", "/home/u", local},
          Case{"", "/home/u", local}, Case{std::nullopt, "/home/u", local},
          Case{std::nullopt, std::nullopt, ""}, Case{std::nullopt, "", ""}}) {
        test::ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        test::ScopedEnv home("HOME", c.home);
        EXPECT_EQ(userDataFolder(), c.folder) << c.xdg.value_or("(unset)");
    }
}

#endif

} // namespace
} // namespace zw
