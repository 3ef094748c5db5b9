// The file layer on Windows: UTF-8 paths go to the wide APIs as UTF-16, files
// are opened in binary (the bytes on disk are exactly the bytes given), and a
// whole-file write replaces the target with ReplaceFileW (an existing file, its
// attributes kept) or MoveFileExW (a new one).
#ifdef _WIN32

#include "platform/files.h"
#include "platform/win32_text.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>

namespace zw {
namespace {

// Whether a path has an attribute; nullopt when nothing is there.
std::optional<DWORD> attributesOf(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return a;
}

// Creates a new temporary file beside `target`, writable only through this handle.
HANDLE createTemporary(const std::wstring& target, std::wstring& tmpPath) {
    static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring suffix = L".tmp";
        for (int i = 0; i < 8; ++i)
            suffix += kLetters[rd() % (sizeof kLetters / sizeof kLetters[0] - 1)];
        tmpPath = target + suffix;
        HANDLE h = CreateFileW(tmpPath.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return h;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// The writer's own code for a target marked read-only (bit 29: not a system code).
constexpr DWORD kReadOnlyFile = 0x20000001;

// Refuses a target that cannot be replaced before anything is written: one that
// another program holds open without sharing it for writing (a spreadsheet with
// the table open), or one marked read-only. Returns 0 or the Win32 error.
DWORD replaceableTarget(const std::wstring& target, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return ERROR_DIRECTORY;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return kReadOnlyFile;
    HANDLE h = CreateFileW(target.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError();
    CloseHandle(h);
    return 0;
}

FileError win32Error(const std::string& path, DWORD code) {
    if (code == ERROR_DIRECTORY)
        return fileErrorOf(path, FileProblem::IsFolder);
    if (code == kReadOnlyFile)
        return fileErrorOf(path, FileProblem::ReadOnlyFile);
    return fileErrorFromWin32(path, code);
}

// The folder part of a path and the name after it (either separator).
std::pair<std::string, std::string> splitPath(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return {".", path};
    return {path.substr(0, slash == 0 ? 1 : slash), path.substr(slash + 1)};
}

// Puts the new file in place of an existing target. When ReplaceFileW gives up
// after moving the old file away (the target's name is then free or about to
// be), the new file is moved in rather than deleted, so the target is never
// left missing. 0 or the Win32 error.
DWORD replaceTarget(const std::wstring& target, const std::wstring& tmpPath, bool simulateFailure) {
    DWORD err = 0;
    if (simulateFailure) {
        // As ReplaceFileW leaves it: the old file gone, the new one not in.
        DeleteFileW(target.c_str());
        err = ERROR_UNABLE_TO_MOVE_REPLACEMENT;
    } else if (!ReplaceFileW(target.c_str(), tmpPath.c_str(), nullptr,
                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        err = GetLastError();
    }
    if (err != ERROR_UNABLE_TO_MOVE_REPLACEMENT && err != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        return err;
    if (MoveFileExW(tmpPath.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return GetLastError();
}

} // namespace

bool SystemFileSystem::fileExists(const std::string& path) {
    const auto wide = toUtf16(path);
    if (!wide)
        return false;
    const auto a = attributesOf(*wide);
    return a && !(*a & FILE_ATTRIBUTE_DIRECTORY);
}

std::variant<std::string, FileError> SystemFileSystem::readWholeFile(const std::string& path) {
    const auto wide = toUtf16(path);
    if (!wide)
        return win32Error(path, ERROR_NO_UNICODE_TRANSLATION);
    if (const auto a = attributesOf(*wide); a && (*a & FILE_ATTRIBUTE_DIRECTORY))
        return win32Error(path, ERROR_DIRECTORY);
    HANDLE h = CreateFileW(
        wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return win32Error(path, GetLastError());
    std::string data;
    char chunk[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(h, chunk, sizeof chunk, &n, nullptr)) {
            const DWORD err = GetLastError();
            CloseHandle(h);
            return win32Error(path, err);
        }
        if (n == 0)
            break;
        data.append(chunk, n);
    }
    CloseHandle(h);
    return data;
}

std::variant<std::monostate, FileError> SystemFileSystem::writeWholeFile(const std::string& path,
                                                                         std::string_view bytes) {
    const auto wide = toUtf16(path);
    if (!wide)
        return win32Error(path, ERROR_NO_UNICODE_TRANSLATION);
    const auto existing = attributesOf(*wide);
    if (existing)
        if (const DWORD err = replaceableTarget(*wide, *existing))
            return win32Error(path, err);
    if (fails(WriteStep::Open, 0))
        return win32Error(path, ERROR_ACCESS_DENIED);
    std::wstring tmpPath;
    HANDLE h = createTemporary(*wide, tmpPath);
    if (h == INVALID_HANDLE_VALUE)
        return win32Error(path, GetLastError());
    auto fail = [&](DWORD err) -> std::variant<std::monostate, FileError> {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        DeleteFileW(tmpPath.c_str());
        return win32Error(path, err);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        if (fails(WriteStep::Write, done))
            return fail(ERROR_DISK_FULL);
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        DWORD n = 0;
        if (!WriteFile(h, bytes.data() + done, want, &n, nullptr))
            return fail(GetLastError());
        done += n;
    }
    if (fails(WriteStep::Write, done))
        return fail(ERROR_DISK_FULL);
    if (fails(WriteStep::Flush, done))
        return fail(ERROR_WRITE_FAULT);
    if (!FlushFileBuffers(h))
        return fail(GetLastError());
    CloseHandle(h);
    h = INVALID_HANDLE_VALUE;
    if (fails(WriteStep::Rename, done))
        return fail(ERROR_SHARING_VIOLATION);
    // ReplaceFileW keeps the existing file's attributes, security and
    // creation time; a new file is moved into place and written through.
    DWORD moveError = 0;
    if (existing)
        moveError = replaceTarget(*wide, tmpPath, fails(WriteStep::Replace, done));
    else if (!MoveFileExW(tmpPath.c_str(), wide->c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        moveError = GetLastError();
    if (moveError != 0) {
        // With the old file moved away and the new one stuck under its
        // temporary name, that name holds the only copy: it stays.
        if (existing && !attributesOf(*wide) && attributesOf(tmpPath))
            return win32Error(path, moveError);
        return fail(moveError);
    }
    // The file keeps the attributes the user gave it (ReplaceFileW does this on
    // Windows; not every implementation of it does).
    if (existing) {
        const DWORD kept =
            *existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        SetFileAttributesW(wide->c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    fails(WriteStep::SyncFolder, done); // the write-through move needs no folder sync
    const auto [folder, name] = splitPath(path);
    removeStaleTemporaries(folder, name);
    return std::monostate{};
}

void SystemFileSystem::removeStaleTemporariesOf(const std::string& target) {
    const auto [folder, name] = splitPath(target);
    removeStaleTemporaries(folder, name);
}

int removeStaleTemporaries(const std::string& folder, std::string_view targetName) {
    const auto wideFolder = toUtf16(folder);
    if (!wideFolder)
        return 0;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((*wideFolder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FILETIME nowFile{};
    GetSystemTimeAsFileTime(&nowFile);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    constexpr std::uint64_t kStaleTicks = 60ull * 10'000'000; // a minute in 100 ns units
    int removed = 0;
    do {
        if (!isTemporaryName(toUtf8(found.cFileName), targetName))
            continue;
        // A write in progress holds its temporary file without sharing it, so
        // opening it fails; links are opened as themselves.
        const std::wstring path = *wideFolder + L"\\" + found.cFileName;
        HANDLE h = CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                               OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileInformationByHandle(h, &info) &&
            !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                                       FILE_ATTRIBUTE_READONLY)) &&
            ticks(nowFile) >= ticks(info.ftLastWriteTime) + kStaleTicks) {
            FILE_DISPOSITION_INFO dispose{};
            dispose.DeleteFile = TRUE;
            if (SetFileInformationByHandle(h, FileDispositionInfo, &dispose, sizeof dispose))
                ++removed;
        }
        CloseHandle(h);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return removed;
}

FileLock FileLock::take(const std::string& path, bool create) {
    FileLock lock;
    lock.path_ = path;
    const auto wide = toUtf16(path);
    if (!wide)
        return lock;
    // Two holders exclude each other at the open already: each asks for
    // deletion and shares it with nobody. The byte lock says the same to
    // programs that look only at locks.
    for (int round = 0; round < 8; ++round) {
        HANDLE h =
            CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD err = GetLastError();
            if (err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION) {
                lock.state_ = State::Held;
                return lock;
            }
            if (!create && (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND)) {
                lock.state_ = State::Missing;
                return lock;
            }
            if (err == ERROR_ACCESS_DENIED && round + 1 < 8) {
                // Being deleted by its last holder: gone in a moment.
                Sleep(5);
                continue;
            }
            lock.state_ = !create && err == ERROR_ACCESS_DENIED ? State::Missing : State::Failed;
            return lock;
        }
        OVERLAPPED at{};
        if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            const DWORD err = GetLastError();
            CloseHandle(h);
            lock.state_ = err == ERROR_LOCK_VIOLATION ? State::Held : State::Failed;
            return lock;
        }
        lock.state_ = State::Taken;
        lock.handle_ = reinterpret_cast<std::intptr_t>(h);
        return lock;
    }
    lock.state_ = State::Failed;
    return lock;
}

void FileLock::removeFile() {
    if (taken()) {
        FILE_DISPOSITION_INFO dispose{};
        dispose.DeleteFile = TRUE;
        SetFileInformationByHandle(reinterpret_cast<HANDLE>(handle_), FileDispositionInfo, &dispose,
                                   sizeof dispose);
    }
    release();
}

void FileLock::release() {
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_)); // the byte lock goes with it
    handle_ = -1;
    if (state_ == State::Taken)
        state_ = State::Failed;
}

} // namespace zw

#endif
