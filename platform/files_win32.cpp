// The file layer on Windows: UTF-8 paths go to the wide APIs as UTF-16, files
// are opened in binary (the bytes on disk are exactly the bytes given), and a
// whole-file write replaces the target with ReplaceFileW (an existing file, its
// attributes kept) or MoveFileExW (a new one).
#ifdef _WIN32

#include "platform/files.h"
#include "platform/win32_text.h"

#include <algorithm>
#include <random>

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

// Refuses a target that cannot be replaced before anything is written: one that
// another program holds open without sharing it for writing (a spreadsheet with
// the table open), or one marked read-only. Returns 0 or the Win32 error.
DWORD replaceableTarget(const std::wstring& target, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return ERROR_DIRECTORY;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return ERROR_WRITE_PROTECT;
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
        return FileError{problemText(FileProblem::IsFolder, 0) + ": " + path};
    return fileErrorFromWin32(path, code);
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
    const BOOL moved = existing ? ReplaceFileW(wide->c_str(), tmpPath.c_str(), nullptr,
                                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                : MoveFileExW(tmpPath.c_str(), wide->c_str(),
                                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!moved)
        return fail(GetLastError());
    // The file keeps the attributes the user gave it (ReplaceFileW does this on
    // Windows; not every implementation of it does).
    if (existing) {
        const DWORD kept =
            *existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        SetFileAttributesW(wide->c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    fails(WriteStep::SyncFolder, done); // the write-through move needs no folder sync
    return std::monostate{};
}

} // namespace zw

#endif
