#include "platform/files.h"

#include "support/model_samples.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zw {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;

class WholeFiles : public ::testing::Test {
  protected:
    ~WholeFiles() override { setWriteFailureHook(nullptr); }
    ScratchDir dir;
};

std::string pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
    return s;
}

TEST_F(WholeFiles, WritesNewAndReplacesExistingFiles) {
    const std::string path = dir.file("a.bin");
    const std::string big = pattern(3u << 20); // several write chunks
    ASSERT_TRUE(std::holds_alternative<std::monostate>(writeWholeFile(path, big)));
    EXPECT_EQ(slurp(path), big);
    ASSERT_TRUE(std::holds_alternative<std::monostate>(writeWholeFile(path, "short")));
    EXPECT_EQ(slurp(path), "short");
    ASSERT_TRUE(std::holds_alternative<std::monostate>(writeWholeFile(path, "")));
    EXPECT_EQ(slurp(path), "");
    EXPECT_EQ(dir.listing(), "a.bin\n"); // no temporary file left behind

    auto read = readWholeFile(path);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), "");
    ASSERT_TRUE(std::holds_alternative<std::monostate>(writeWholeFile(path, big)));
    read = readWholeFile(path);
    EXPECT_EQ(std::get<std::string>(read), big);
}

TEST_F(WholeFiles, EveryFailingStepLeavesTheOldFileByteForByte) {
    const std::string path = dir.file("target.tpz");
    const std::string old = pattern(5000);
    const std::string replacement = pattern(3u << 20).substr(7);
    spit(path, old);
    struct Failure {
        WriteStep step;
        size_t atOffset; // for Write: fail once this many bytes are written
    };
    for (const Failure f :
         {Failure{WriteStep::Open, 0}, Failure{WriteStep::Write, 0},
          Failure{WriteStep::Write, 1u << 20}, Failure{WriteStep::Write, replacement.size()},
          Failure{WriteStep::Flush, 0}, Failure{WriteStep::Rename, 0}}) {
        SCOPED_TRACE(static_cast<int>(f.step));
        SCOPED_TRACE(f.atOffset);
        bool fired = false;
        setWriteFailureHook([&](WriteStep s, size_t offset) {
            if (s == f.step && (s != WriteStep::Write || offset >= f.atOffset))
                fired = true;
            return fired;
        });
        const auto result = writeWholeFile(path, replacement);
        setWriteFailureHook(nullptr);
        EXPECT_TRUE(fired);
        ASSERT_TRUE(std::holds_alternative<FileError>(result));
        EXPECT_NE(std::get<FileError>(result).reason.find(path), std::string::npos);
        EXPECT_EQ(slurp(path), old);
        EXPECT_EQ(dir.listing(), "target.tpz\n");
    }
    // A failure before a new file exists creates nothing.
    setWriteFailureHook([](WriteStep s, size_t) { return s == WriteStep::Rename; });
    EXPECT_TRUE(std::holds_alternative<FileError>(writeWholeFile(dir.file("new.tpz"), "x")));
    EXPECT_EQ(dir.listing(), "target.tpz\n");
}

TEST_F(WholeFiles, ExistingPermissionsAreKept) {
    const std::string path = dir.file("mode.txt");
    spit(path, "x");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(std::holds_alternative<std::monostate>(writeWholeFile(path, "yy")));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(WholeFiles, SystemFailuresCarryTheirReason) {
    const auto missing = readWholeFile(dir.file("none.tpz"));
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_NE(std::get<FileError>(missing).reason.find("none.tpz"), std::string::npos);

    EXPECT_TRUE(std::holds_alternative<FileError>(readWholeFile(dir.path())));
    EXPECT_TRUE(std::holds_alternative<FileError>(writeWholeFile(dir.file("no/dir/x"), "x")));
    // A folder in the way of the target is not replaced.
    ASSERT_EQ(::mkdir(dir.file("sub").c_str(), 0755), 0);
    EXPECT_TRUE(std::holds_alternative<FileError>(writeWholeFile(dir.file("sub"), "x")));
    EXPECT_EQ(dir.listing(), "sub\n");

    EXPECT_FALSE(fileExists(dir.file("none.tpz")));
    EXPECT_FALSE(fileExists(dir.file("sub")));
    spit(dir.file("here"), "");
    EXPECT_TRUE(fileExists(dir.file("here")));
}

} // namespace
} // namespace zw
