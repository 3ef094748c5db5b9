#include "platform/process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zw {
namespace {

TEST(Processes, ImpossibleIdsAreNeverRunning) {
    EXPECT_TRUE(processRunning(currentProcessId()));
    // Ids that would address process groups or cannot be a process.
    for (const ProcessId id : {ProcessId{0}, ProcessId{-1}, ProcessId{-2}, ProcessId{1} << 40})
        EXPECT_FALSE(processRunning(id)) << id;
}

// The toolkit takes its own options out of argv but not out of the wide command
// line: the wide arguments still in argv are the ones a file name comes from.
TEST(Processes, ArgumentsLeftAfterTheToolkitTookItsOptions) {
    using Args = std::vector<std::string>;
    struct Case {
        Args full, fullNarrow, remaining, expected;
    };
    const Case cases[] = {
        {{}, {}, {}, {}},
        {{"\xD1\x84.tpz"}, {"?.tpz"}, {"?.tpz"}, {"\xD1\x84.tpz"}},
        {{"-platform", "offscreen", "\xD1\x84.tpz"},
         {"-platform", "offscreen", "?.tpz"},
         {"?.tpz"},
         {"\xD1\x84.tpz"}},
        // The same text twice: matched in order.
        {{"a", "-style", "a", "b"}, {"a", "-style", "a", "b"}, {"a", "b"}, {"a", "b"}},
        // No wide counterpart: the narrow form stays.
        {{"a"}, {"a"}, {"a", "z"}, {"a", "z"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(argumentsLeft(c.full, c.fullNarrow, c.remaining), c.expected);
}

#ifndef _WIN32

TEST(Processes, OnlyAProcessThatIsGoneCountsAsNotRunning) {
    EXPECT_TRUE(processRunning(1)); // exists, and may not be signalled by this user

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(processRunning(child));
}

// Sets or clears an environment variable for one scope.
class EnvValue {
  public:
    EnvValue(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        set(value);
    }
    ~EnvValue() { set(old_); }
    EnvValue(const EnvValue&) = delete;
    EnvValue& operator=(const EnvValue&) = delete;

  private:
    void set(const std::optional<std::string>& v) {
        if (v)
            ::setenv(name_, v->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Processes, UserDataFolderFollowsTheBaseDirectoryRules) {
    struct Case {
        std::optional<std::string> xdg, home;
        std::string folder;
    };
    for (const Case& c : {
             Case{"/x/data", "/home/u", "/x/data/zonewright"},
             Case{"relative/data", "/home/u", "/home/u/.local/share/zonewright"},
             Case{"", "/home/u", "/home/u/.local/share/zonewright"},
             Case{std::nullopt, "/home/u", "/home/u/.local/share/zonewright"},
             Case{std::nullopt, std::nullopt, ""},
             Case{std::nullopt, "", ""},
         }) {
        EnvValue xdg("XDG_DATA_HOME", c.xdg);
        EnvValue home("HOME", c.home);
        EXPECT_EQ(userDataFolder(), c.folder) << c.xdg.value_or("(unset)");
    }
}

#endif

} // namespace
} // namespace zw
