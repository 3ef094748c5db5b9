// The file layer on POSIX systems.
#ifndef _WIN32

#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zw {
namespace {

// The file a path finally names: a symbolic link (or a chain of them) is
// followed to its target, which need not exist yet, so that writing replaces
// the target and keeps the link.
bool resolveLinks(std::string& path, int& err) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) {
            err = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        target.resize(static_cast<size_t>(n));
        if (target.empty() || target[0] != '/') {
            const size_t slash = path.rfind('/');
            target =
                (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
        path = std::move(target);
    }
    err = ELOOP;
    return false;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new temporary file beside `target` with the mode a new file gets
// (0666 less the process's umask, applied by the system itself).
int createTemporary(const std::string& target, std::string& tmpPath) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".tmp";
        for (int i = 0; i < 8; ++i)
            suffix += kLetters[rd() % (sizeof kLetters - 1)];
        tmpPath = target + suffix;
        const int fd = ::open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file nobody may write (the owner's write bit gone, as `chmod a-w` leaves
// it), or one this process may not write. The superuser could replace it, but
// the mark is the user's wish to keep the file as it is.
bool readOnlyFile(const std::string& path, const struct stat& st) {
    if ((st.st_mode & 0222) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// Closes a descriptor when it goes out of scope.
struct FdCloser {
    int fd = -1;
    ~FdCloser() {
        if (fd >= 0)
            ::close(fd);
    }
};

// How long a temporary file stays untouched before it counts as left behind.
constexpr std::time_t kStaleSeconds = 60;

} // namespace

bool SystemFileSystem::fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::variant<std::string, FileError> SystemFileSystem::readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fileErrorFromErrno(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fileErrorFromErrno(path, EISDIR);
    }
    std::string data;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            return fileErrorFromErrno(path, err);
        }
        if (n == 0)
            break;
        data.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

std::variant<std::monostate, FileError> SystemFileSystem::writeWholeFile(const std::string& path,
                                                                         std::string_view bytes) {
    std::string target = path;
    int linkError = 0;
    if (!resolveLinks(target, linkError))
        return fileErrorFromErrno(path, linkError);
    // A folder in the way or a read-only file is refused before anything is written.
    struct stat st {};
    const bool existing = ::stat(target.c_str(), &st) == 0;
    if (existing && S_ISDIR(st.st_mode))
        return fileErrorFromErrno(path, EISDIR);
    if (existing && readOnlyFile(target, st))
        return fileErrorOf(path, FileProblem::ReadOnlyFile);
    // The temporary file lies in the target's folder so that the rename stays
    // on one file system and is atomic.
    if (fails(WriteStep::Open, 0))
        return fileErrorFromErrno(path, EACCES);
    std::string tmpPath;
    const int fd = createTemporary(target, tmpPath);
    if (fd < 0)
        return fileErrorFromErrno(path, errno);
    // The temporary file is locked until it has been renamed (through a second
    // descriptor, which outlives the first one's close), so that the sweep of
    // files left by killed writes never takes it, however slow the write.
    ::flock(fd, LOCK_EX | LOCK_NB);
    const FdCloser holder{::dup(fd)};
    auto fail = [&](int err) -> std::variant<std::monostate, FileError> {
        ::close(fd);
        ::unlink(tmpPath.c_str());
        return fileErrorFromErrno(path, err);
    };
    // An existing target keeps its permissions.
    if (existing)
        ::fchmod(fd, st.st_mode & 07777);
    size_t done = 0;
    while (done < bytes.size()) {
        if (fails(WriteStep::Write, done))
            return fail(ENOSPC);
        const size_t want = std::min<size_t>(bytes.size() - done, 1 << 20);
        const ssize_t n = ::write(fd, bytes.data() + done, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (fails(WriteStep::Write, done))
        return fail(ENOSPC);
    if (fails(WriteStep::Flush, done))
        return fail(EIO);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpPath.c_str());
        return fileErrorFromErrno(path, err);
    }
    int renameError = 0;
    if (fails(WriteStep::Rename, done))
        renameError = EACCES;
    else if (::rename(tmpPath.c_str(), target.c_str()) != 0)
        renameError = errno;
    if (renameError != 0) {
        ::unlink(tmpPath.c_str());
        return fileErrorFromErrno(path, renameError);
    }
    // The rename is durable only once the folder is: without this a power cut
    // can lose the folder entry, leaving neither the old file nor the new one.
    // A folder that cannot be synced (some file systems refuse) does not undo a
    // write that has already replaced the file.
    if (!fails(WriteStep::SyncFolder, done)) {
        const int dirFd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }
    removeStaleTemporaries(folderOf(target), nameOf(target));
    return std::monostate{};
}

void SystemFileSystem::removeStaleTemporariesOf(const std::string& target) {
    std::string resolved = target;
    int err = 0;
    if (resolveLinks(resolved, err))
        removeStaleTemporaries(folderOf(resolved), nameOf(resolved));
}

int removeStaleTemporaries(const std::string& folder, std::string_view targetName) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return 0;
    const int dirFd = ::dirfd(dir);
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (!isTemporaryName(name, targetName))
            continue;
        // Opened without following links or waiting on a pipe, and taken only
        // when no write holds it.
        const FdCloser file{
            ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
        struct stat opened {};
        if (file.fd < 0 || ::fstat(file.fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            now - opened.st_mtime < kStaleSeconds || ::flock(file.fd, LOCK_EX | LOCK_NB) != 0)
            continue;
        // The name must still be the file checked.
        struct stat named {};
        if (::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino &&
            ::unlinkat(dirFd, name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

FileLock FileLock::take(const std::string& path, bool create) {
    FileLock lock;
    lock.path_ = path;
    // A few rounds: each one that fails lost a race against a holder deleting
    // the file it had just opened.
    for (int round = 0; round < 8; ++round) {
        const int fd = ::open(
            path.c_str(), (create ? O_RDWR | O_CREAT : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            lock.state_ = errno == ENOENT && !create ? State::Missing : State::Failed;
            return lock;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            lock.state_ = errno == EWOULDBLOCK ? State::Held : State::Failed;
            ::close(fd);
            return lock;
        }
        // Locked, but perhaps a file its last holder has deleted meanwhile.
        struct stat opened {};
        struct stat named {};
        const bool same = ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
                          opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
        if (same) {
            lock.state_ = State::Taken;
            lock.handle_ = fd;
            return lock;
        }
        ::close(fd);
    }
    lock.state_ = State::Failed;
    return lock;
}

void FileLock::removeFile() {
    if (taken())
        ::unlink(path_.c_str());
    release();
}

void FileLock::release() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
    handle_ = -1;
    if (state_ == State::Taken)
        state_ = State::Failed;
}

} // namespace zw

#endif
