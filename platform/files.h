// Whole-file reading and safe whole-file writing, behind the FileSystem
// interface that commands reach through their services, so tests can replace it.
//
// Writing goes to a temporary file beside the target, which is flushed and then
// renamed over the target, so a failure at any point leaves the old file byte
// for byte. Paths are UTF-8 on every system (UTF-16 is used on Windows). Every
// failure carries the reason in Russian, with the path.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace zw {

struct FileError {
    std::string reason; // the reason, with the path, UTF-8
};

// What went wrong with a file, whatever system reported it.
enum class FileProblem {
    NotFound,
    AccessDenied,
    InUse,
    DiskFull,
    ReadOnly,     // a read-only disk
    ReadOnlyFile, // a file marked read-only, which writing never replaces
    IsFolder,
    BadName,
    Other
};

FileProblem problemFromErrno(int err);
FileProblem problemFromWin32(std::uint32_t code);

// The Russian reason shown to the user; `code` is named only for Other.
std::string problemText(FileProblem problem, long code);

// "<reason>: <path>".
FileError fileErrorFromErrno(const std::string& path, int err);
FileError fileErrorFromWin32(const std::string& path, std::uint32_t code);
FileError fileErrorOf(const std::string& path, FileProblem problem);

// Points of a write, in order. SyncFolder comes after the rename and cannot fail
// the write: the new file is already in place. Replace (Windows only, asked
// just before an existing target is replaced) fails the replacement the worst
// way the system can: the old file already moved away, the new one not moved in.
enum class WriteStep { Open, Write, Flush, Rename, Replace, SyncFolder };

// Called before each step; returning true makes that step fail as the system
// would (for Write, `offset` is the number of bytes written so far).
using WriteStepHook = std::function<bool(WriteStep step, size_t offset)>;

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Reads the whole file. Memory grows with the bytes actually read.
    virtual std::variant<std::string, FileError> readWholeFile(const std::string& path) = 0;
    // Replaces the file's whole contents with `bytes`. On failure the target is
    // as it was and no temporary file is left; the one exception (Windows) is a
    // replacement the system gave up after moving the old file away, when the
    // new one cannot be moved in either: its temporary file, then the only
    // copy, stays. A successful write also sweeps the target's stale
    // temporaries (removeStaleTemporariesOf).
    virtual std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                                   std::string_view bytes) = 0;
    // A regular file (not a folder) is at `path`.
    virtual bool fileExists(const std::string& path) = 0;
    // Deletes the temporary files that writes of `target` killed midway left
    // beside it (see removeStaleTemporaries). Call after `target` was saved or
    // loaded; does nothing where no system files are involved.
    virtual void removeStaleTemporariesOf(const std::string& target) { (void)target; }
};

// The operating system's files. A hook, when given, sees every step of every
// write of this instance (tests make steps fail with it).
class SystemFileSystem : public FileSystem {
  public:
    explicit SystemFileSystem(WriteStepHook hook = {}) : hook_(std::move(hook)) {}
    std::variant<std::string, FileError> readWholeFile(const std::string& path) override;
    std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                           std::string_view bytes) override;
    bool fileExists(const std::string& path) override;
    void removeStaleTemporariesOf(const std::string& target) override;

  private:
    bool fails(WriteStep step, size_t offset) const { return hook_ && hook_(step, offset); }
    WriteStepHook hook_;
};

// The one system file system of the program.
FileSystem& systemFileSystem();

// Shorthands for systemFileSystem().
std::variant<std::string, FileError> readWholeFile(const std::string& path);
std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                       std::string_view bytes);
bool fileExists(const std::string& path);

// The writer's temporary files are named "<target>.tmp" and eight letters or
// digits. True when `fileName` is one of those of `targetName` (names only, no
// folders); an empty `targetName` matches that of any target.
bool isTemporaryName(std::string_view fileName, std::string_view targetName = {});

// Deletes, in `folder`, the temporary files of the writer (of `targetName`
// only, or of any target when empty) that a write killed midway left: regular
// files unchanged for a minute or more that no write holds. Returns how many
// went. A write in progress holds its temporary file until it is renamed, so
// it is never taken, however slow.
int removeStaleTemporaries(const std::string& folder, std::string_view targetName = {});

// An advisory lock on a whole file that lasts while this object does, or until
// the process ends however it ends. Other processes see it (flock on POSIX; an
// exclusive LockFileEx and a handle that does not share deletion on Windows);
// two FileLock objects of one process exclude each other too.
class FileLock {
  public:
    enum class State {
        Taken,   // this object holds the lock
        Held,    // someone else holds it
        Missing, // no such file (and it was not to be created)
        Failed   // the file could not be opened or locked
    };

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Tries once to lock the file at `path` (UTF-8), never waiting; `create`
    // makes it when missing. A lock file deleted by its last holder while this
    // one opened it is noticed: the lock is then taken on the new file.
    static FileLock take(const std::string& path, bool create);

    State state() const { return state_; }
    bool taken() const { return state_ == State::Taken; }
    // Deletes the locked file, then lets the lock go.
    void removeFile();
    // Lets the lock go, keeping the file.
    void release();

  private:
    State state_ = State::Failed;
    std::string path_;
    std::intptr_t handle_ = -1; // a file descriptor, or a HANDLE on Windows
};

} // namespace zw
