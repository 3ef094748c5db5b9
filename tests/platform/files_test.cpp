#include "platform/files.h"
#include "platform/process.h"

#include "support/model_samples.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#ifdef _WIN32
#include "platform/win32_text.h"
#else
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

// Every umask() call of this test program, the file layer's included, is
// counted here and then made as the C library would make it.
static std::atomic<int> umaskCalls{0};
extern "C" mode_t umask(mode_t mask) noexcept {
    ++umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

// Every fsync() of this test program is shown to the watcher, if any, before it
// is made.
static std::function<void(int)> fsyncWatcher;
extern "C" int fsync(int fd) {
    if (fsyncWatcher)
        fsyncWatcher(fd);
    return static_cast<int>(::syscall(SYS_fsync, fd));
}
#endif

namespace zw {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;

class WholeFiles : public ::testing::Test {
  protected:
    ScratchDir dir;
    SystemFileSystem files;
};

std::string pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 131 + i / 977) & 0xFF);
    return s;
}

bool written(const std::variant<std::monostate, FileError>& r) {
    return std::holds_alternative<std::monostate>(r);
}

std::string reasonOf(const std::variant<std::monostate, FileError>& r) {
    return written(r) ? std::string() : std::get<FileError>(r).reason;
}

// What a read gives: the bytes, or the reason it failed.
std::string readResult(FileSystem& files, const std::string& path) {
    const auto r = files.readWholeFile(path);
    return std::holds_alternative<std::string>(r) ? "read: " + std::get<std::string>(r)
                                                  : std::get<FileError>(r).reason;
}

TEST_F(WholeFiles, WritesNewAndReplacesExistingFiles) {
    // A Cyrillic name, and bytes with CR LF and bare LF that must arrive unchanged.
    const std::string path = dir.file("Документы шаблон.bin");
    const std::string big = pattern(3u << 20) + "a\r\nb\nc\r"; // several write chunks
    for (const std::string& bytes : {big, std::string("short"), std::string(), big}) {
        ASSERT_TRUE(written(files.writeWholeFile(path, bytes)));
        EXPECT_EQ(slurp(path), bytes);
        EXPECT_EQ(readResult(files, path), "read: " + bytes);
    }
    EXPECT_EQ(dir.listing(), "Документы шаблон.bin\n"); // no temporary file left behind
    EXPECT_TRUE(files.fileExists(path));
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
        SystemFileSystem failing([&](WriteStep s, size_t offset) {
            if (s == f.step && (s != WriteStep::Write || offset >= f.atOffset))
                fired = true;
            return fired;
        });
        const auto result = failing.writeWholeFile(path, replacement);
        EXPECT_TRUE(fired);
        ASSERT_FALSE(written(result));
        EXPECT_NE(reasonOf(result).find(path), std::string::npos);
        EXPECT_EQ(slurp(path), old);
        EXPECT_EQ(dir.listing(), "target.tpz\n");
    }
    // A failure before a new file exists creates nothing.
    SystemFileSystem failing([](WriteStep s, size_t) { return s == WriteStep::Rename; });
    EXPECT_FALSE(written(failing.writeWholeFile(dir.file("new.tpz"), "x")));
    EXPECT_EQ(dir.listing(), "target.tpz\n");
}

TEST_F(WholeFiles, FailuresNameThePathAndTheReasonInRussian) {
    EXPECT_EQ(readResult(files, dir.file("none.tpz")),
              "файл или папка не найдены: " + dir.file("none.tpz"));
    EXPECT_EQ(readResult(files, dir.path()), "это папка, а не файл: " + dir.path());
    EXPECT_EQ(reasonOf(files.writeWholeFile(dir.file("no/dir/x"), "x")),
              "файл или папка не найдены: " + dir.file("no/dir/x"));
    // A folder in the way of the target is not replaced.
    std::filesystem::create_directory(test::fsPath(dir.file("sub")));
    EXPECT_EQ(reasonOf(files.writeWholeFile(dir.file("sub"), "x")),
              "это папка, а не файл: " + dir.file("sub"));
    EXPECT_EQ(dir.listing(), "sub\n");

    EXPECT_FALSE(files.fileExists(dir.file("none.tpz")));
    EXPECT_FALSE(files.fileExists(dir.file("sub")));
    spit(dir.file("here"), "");
    EXPECT_TRUE(files.fileExists(dir.file("here")));
}

// Marks a file read-only as its system does.
void makeReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
    SetFileAttributesW(toUtf16(path)->c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
    ::chmod(path.c_str(), readOnly ? 0444 : 0644);
#endif
}

TEST_F(WholeFiles, AReadOnlyTargetIsRefusedAndKept) {
    const std::string path = dir.file("Шаблоны.tpz");
    spit(path, "old");
    makeReadOnly(path, true);
    EXPECT_EQ(reasonOf(files.writeWholeFile(path, "x")), "файл только для чтения: " + path);
    makeReadOnly(path, false);
    EXPECT_EQ(slurp(path), "old");
    EXPECT_EQ(dir.listing(), "Шаблоны.tpz\n");
}

// What killed writes left beside a target goes once it has been untouched for
// a minute and no write holds it; nothing else in the folder is touched.
TEST_F(WholeFiles, StaleTemporaryFilesOfTheTargetAreSwept) {
    struct Entry {
        const char* name;
        int ageSeconds;
        bool sweptWithTarget; // by a write or a load of "a.tpz"
        bool sweptWithAny;    // by the sweep of the whole folder
    };
    const Entry entries[] = {
        {"a.tpz.tmpab12cd34", 120, true, true},  {"a.tpz.tmpzz99zz99", 10, false, false},
        {"b.tpz.tmpab12cd34", 120, false, true}, {"a.tpz.tmpXY12CD34", 120, false, false},
        {"a.tpz.tmpab12cd3", 120, false, false}, {"a.tpz.tmp", 120, false, false},
        {"held.tmp00000000", 120, false, false}, {"b.tmpab12cd34", 120, false, true},
    };
    for (const bool wholeFolder : {false, true}) {
        SCOPED_TRACE(wholeFolder);
        for (const Entry& e : entries) {
            spit(dir.file(e.name), "partial");
            test::setAge(dir.file(e.name), std::chrono::seconds(e.ageSeconds));
        }
        // A write in progress elsewhere holds its temporary file.
        const FileLock held = FileLock::take(dir.file("held.tmp00000000"), false);
        ASSERT_TRUE(held.taken());
        if (wholeFolder)
            EXPECT_EQ(removeStaleTemporaries(dir.path()), 3);
        else
            files.removeStaleTemporariesOf(dir.file("a.tpz")); // as after a load
        for (const Entry& e : entries)
            EXPECT_EQ(files.fileExists(dir.file(e.name)),
                      !(wholeFolder ? e.sweptWithAny : e.sweptWithTarget))
                << e.name;
    }
    // A save sweeps its own target's leftovers.
    spit(dir.file("a.tpz.tmpab12cd34"), "partial");
    test::setAge(dir.file("a.tpz.tmpab12cd34"), std::chrono::seconds(120));
    ASSERT_TRUE(written(files.writeWholeFile(dir.file("a.tpz"), "saved")));
    EXPECT_FALSE(files.fileExists(dir.file("a.tpz.tmpab12cd34")));
}

// However long a write takes, its own temporary file is never swept from under it.
TEST_F(WholeFiles, AWriteHoldsItsTemporaryFileUntilItIsInPlace) {
#ifdef _WIN32
    const WriteStep lastHeldStep = WriteStep::Flush; // the handle closes before the replace
#else
    const WriteStep lastHeldStep = WriteStep::Rename;
#endif
    int swept = -1;
    SystemFileSystem slow([&](WriteStep s, size_t) {
        if (s == lastHeldStep) {
            const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
            std::error_code ec; // Windows refuses while the writer holds the file
            for (const auto& e : std::filesystem::directory_iterator(test::fsPath(dir.path())))
                std::filesystem::last_write_time(e.path(), old, ec);
            swept = removeStaleTemporaries(dir.path());
        }
        return false;
    });
    ASSERT_TRUE(written(slow.writeWholeFile(dir.file("big.tpz"), "content")));
    EXPECT_EQ(swept, 0);
    EXPECT_EQ(slurp(dir.file("big.tpz")), "content");
}

TEST(FileLocks, ALockExcludesEveryOtherHolderUntilReleased) {
    ScratchDir dir;
    const std::string path = dir.file("editor.lock");
    EXPECT_EQ(FileLock::take(path, false).state(), FileLock::State::Missing);
    FileLock first = FileLock::take(path, true);
    ASSERT_TRUE(first.taken());
    EXPECT_EQ(FileLock::take(path, true).state(), FileLock::State::Held);
    EXPECT_EQ(FileLock::take(path, false).state(), FileLock::State::Held);
    FileLock moved = std::move(first);
    EXPECT_EQ(FileLock::take(path, false).state(), FileLock::State::Held);
    moved.release();
    FileLock second = FileLock::take(path, false);
    EXPECT_TRUE(second.taken());
    second.removeFile();
    EXPECT_EQ(dir.listing(), "");
}

#ifndef _WIN32
// Released once by hand and again as it goes, a lock closes only its own file.
TEST(FileLocks, AReleasedLockClosesNothingElse) {
    if (::fcntl(0, F_GETFD) == -1) { // descriptor 0 open, so that a stray close of it shows
        ASSERT_EQ(::open("/dev/null", O_RDONLY), 0);
    }
    {
        ScratchDir dir;
        FileLock lock = FileLock::take(dir.file("editor.lock"), true);
        ASSERT_TRUE(lock.taken());
        lock.removeFile();
    }
    EXPECT_NE(::fcntl(0, F_GETFD), -1);
}
#endif

TEST(FileProblems, SystemCodesMapToOneTableOfRussianReasons) {
    struct Case {
        FileProblem problem;
        int errnoValue;
        std::uint32_t win32Code;
        const char* text;
    };
    const Case cases[] = {
        {FileProblem::NotFound, ENOENT, 3, "файл или папка не найдены"},
        {FileProblem::AccessDenied, EACCES, 5, "доступ запрещён"},
        {FileProblem::InUse, EBUSY, 32, "файл занят другой программой"},
        {FileProblem::DiskFull, ENOSPC, 112, "на диске нет места"},
        {FileProblem::ReadOnly, EROFS, 19, "файл или диск только для чтения"},
        {FileProblem::BadName, ENAMETOOLONG, 123, "недопустимое имя файла"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(problemFromErrno(c.errnoValue), c.problem);
        EXPECT_EQ(problemFromWin32(c.win32Code), c.problem);
        EXPECT_EQ(problemText(c.problem, 0), c.text);
    }
    EXPECT_EQ(problemFromWin32(1175), FileProblem::InUse); // ReplaceFileW: target held open
    EXPECT_EQ(fileErrorFromErrno("/x/y", EIO).reason,
              "ошибка ввода-вывода (код " + std::to_string(EIO) + "): /x/y");
    EXPECT_EQ(fileErrorFromWin32("C:\\x", 1117).reason, "ошибка ввода-вывода (код 1117): C:\\x");
}

TEST(Process, ExecutableFolderHoldsTheRunningProgram) {
    const std::string folder = executableFolder();
    ASSERT_NE(folder, ".");
    bool found = false;
    for (const auto& e : std::filesystem::directory_iterator(test::fsPath(folder)))
        found = found || e.path().stem() == "core_tests";
    EXPECT_TRUE(found) << folder;
}

#ifndef _WIN32

TEST_F(WholeFiles, ExistingPermissionsAreKept) {
    const std::string path = dir.file("mode.txt");
    spit(path, "x");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(written(files.writeWholeFile(path, "yy")));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Writing through a symbolic link replaces the file it points to (relative or
// absolute, through a chain, or not there yet) and keeps the link.
TEST_F(WholeFiles, WritingThroughASymbolicLinkKeepsTheLink) {
    ::mkdir(dir.file("real").c_str(), 0755);
    spit(dir.file("real/table.txt"), "old");
    ASSERT_EQ(::symlink("real/table.txt", dir.file("relative").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file("relative").c_str(), dir.file("chain").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file("real/new.txt").c_str(), dir.file("dangling").c_str()), 0);
    for (const char* link : {"relative", "chain"}) {
        SCOPED_TRACE(link);
        ASSERT_TRUE(written(files.writeWholeFile(dir.file(link), link)));
        EXPECT_EQ(slurp(dir.file("real/table.txt")), link);
        struct stat st {};
        ASSERT_EQ(::lstat(dir.file(link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
    ASSERT_TRUE(written(files.writeWholeFile(dir.file("dangling"), "fresh")));
    EXPECT_EQ(slurp(dir.file("real/new.txt")), "fresh");
    EXPECT_EQ(dir.listing(), "chain\ndangling\nreal\nrelative\n");

    ASSERT_EQ(::symlink("loop", dir.file("loop").c_str()), 0);
    EXPECT_FALSE(written(files.writeWholeFile(dir.file("loop"), "x")));
}

// A new file gets 0666 less the umask, applied by the system: the writer never
// changes the process-wide umask, which other threads rely on while they create
// files (a file dialog would create world-writable files in that moment).
TEST_F(WholeFiles, NewFilesGetTheUmaskWithoutChangingIt) {
    const mode_t saved = ::umask(027);
    const int callsBefore = umaskCalls;
    ASSERT_TRUE(written(files.writeWholeFile(dir.file("new"), "x")));
    const int calls = umaskCalls - callsBefore;
    ::umask(saved);
    EXPECT_EQ(calls, 0);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("new").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// The folder is synced after the rename, so that the rename survives a power cut.
TEST_F(WholeFiles, TheFolderIsSyncedAfterTheRename) {
    struct stat folder {};
    ASSERT_EQ(::stat(dir.path().c_str(), &folder), 0);
    const std::string path = dir.file("a");
    std::vector<std::string> seenAtFolderSync;
    fsyncWatcher = [&](int fd) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_dev == folder.st_dev && st.st_ino == folder.st_ino)
            seenAtFolderSync.push_back(files.fileExists(path) ? slurp(path) : "<missing>");
    };
    const auto result = files.writeWholeFile(path, "abc");
    fsyncWatcher = nullptr;
    ASSERT_TRUE(written(result));
    EXPECT_EQ(seenAtFolderSync, std::vector<std::string>{"abc"});
}

#else

std::wstring wide(const std::string& utf8) {
    return *toUtf16(utf8);
}

// ReplaceFileW keeps an existing file's attributes, and when it fails after
// moving the old file away the new one is moved in: the target never goes missing.
TEST_F(WholeFiles, ReplacingKeepsAttributesAndNeverLeavesTheTargetMissing) {
    const std::string path = dir.file("Шаблоны.tpz");
    spit(path, "old");
    ASSERT_TRUE(SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(written(files.writeWholeFile(path, "new\r\n")));
    EXPECT_EQ(slurp(path), "new\r\n");
    EXPECT_TRUE(GetFileAttributesW(wide(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);

    SystemFileSystem failing([](WriteStep s, size_t) { return s == WriteStep::Replace; });
    ASSERT_TRUE(written(failing.writeWholeFile(path, "newer")));
    EXPECT_EQ(slurp(path), "newer");
    EXPECT_EQ(dir.listing(), "Шаблоны.tpz\n");
}

// A table another program holds open without sharing it for writing (as a
// spreadsheet does) is refused with the reason, and nothing is written.
TEST_F(WholeFiles, ATargetHeldOpenByAnotherProgramIsRefused) {
    const std::string path = dir.file("rmg.txt");
    spit(path, "Header\r\nrow\r\n");
    HANDLE held = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(reasonOf(files.writeWholeFile(path, "changed")),
              "файл занят другой программой: " + path);
    CloseHandle(held);
    EXPECT_EQ(slurp(path), "Header\r\nrow\r\n");
    EXPECT_EQ(dir.listing(), "rmg.txt\n");
    ASSERT_TRUE(written(files.writeWholeFile(path, "changed")));
    EXPECT_EQ(slurp(path), "changed");
}

#endif

} // namespace
} // namespace zw
