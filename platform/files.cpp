#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zw {
namespace {

WriteFailureHook& hook() {
    static WriteFailureHook h;
    return h;
}

bool injected(WriteStep step, size_t offset) { return hook() && hook()(step, offset); }

FileError systemError(const std::string& path, int err) {
    return FileError{std::string(std::strerror(err)) + ": " + path};
}

} // namespace

void setWriteFailureHook(WriteFailureHook h) { hook() = std::move(h); }

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::variant<std::string, FileError> readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemError(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return systemError(path, EISDIR);
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
            return systemError(path, err);
        }
        if (n == 0)
            break;
        data.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                       std::string_view bytes) {
    // The temporary file lies in the target's folder so that the rename stays
    // on one file system and is atomic.
    std::string tmpl = path + ".tmpXXXXXX";
    if (injected(WriteStep::Open, 0))
        return systemError(path, EACCES);
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return systemError(path, errno);
    auto fail = [&](int err) -> std::variant<std::monostate, FileError> {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return systemError(path, err);
    };
    // Keep the permissions an existing target had; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    size_t done = 0;
    while (done < bytes.size()) {
        if (injected(WriteStep::Write, done))
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
    if (injected(WriteStep::Write, done))
        return fail(ENOSPC);
    if (injected(WriteStep::Flush, done))
        return fail(EIO);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return systemError(path, err);
    }
    int renameError = 0;
    if (injected(WriteStep::Rename, done))
        renameError = EACCES;
    else if (::rename(tmpl.c_str(), path.c_str()) != 0)
        renameError = errno;
    if (renameError != 0) {
        ::unlink(tmpl.c_str());
        return systemError(path, renameError);
    }
    return std::monostate{};
}

} // namespace zw
