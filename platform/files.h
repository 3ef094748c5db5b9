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
    ReadOnly,
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

// Points of a write, in order. SyncFolder comes after the rename and cannot fail
// the write: the new file is already in place.
enum class WriteStep { Open, Write, Flush, Rename, SyncFolder };

// Called before each step; returning true makes that step fail as the system
// would (for Write, `offset` is the number of bytes written so far).
using WriteStepHook = std::function<bool(WriteStep step, size_t offset)>;

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Reads the whole file. Memory grows with the bytes actually read.
    virtual std::variant<std::string, FileError> readWholeFile(const std::string& path) = 0;
    // Replaces the file's whole contents with `bytes`. On failure the target is
    // as it was and no temporary file is left.
    virtual std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                                   std::string_view bytes) = 0;
    // A regular file (not a folder) is at `path`.
    virtual bool fileExists(const std::string& path) = 0;
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

} // namespace zw
