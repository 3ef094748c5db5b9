#include "platform/files.h"

#include "model/translation.h"

#include <cerrno>

namespace zw {
namespace {

struct ProblemName {
    FileProblem problem;
    std::string_view russian;
};

// The one table of reasons shown to the user, whatever system reported them.
constexpr ProblemName kProblemNames[] = {
    {FileProblem::NotFound, ZW_TR_NOOP("Platform", "файл или папка не найдены")},
    {FileProblem::AccessDenied, ZW_TR_NOOP("Platform", "доступ запрещён")},
    {FileProblem::InUse, ZW_TR_NOOP("Platform", "файл занят другой программой")},
    {FileProblem::DiskFull, ZW_TR_NOOP("Platform", "на диске нет места")},
    {FileProblem::ReadOnly, ZW_TR_NOOP("Platform", "файл или диск только для чтения")},
    {FileProblem::ReadOnlyFile, ZW_TR_NOOP("Platform", "файл только для чтения")},
    {FileProblem::IsFolder, ZW_TR_NOOP("Platform", "это папка, а не файл")},
    {FileProblem::BadName, ZW_TR_NOOP("Platform", "недопустимое имя файла")},
    {FileProblem::Other, ZW_TR_NOOP("Platform", "ошибка ввода-вывода")},
};

} // namespace

FileProblem problemFromErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return FileProblem::NotFound;
    case EACCES:
    case EPERM:
        return FileProblem::AccessDenied;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return FileProblem::InUse;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileProblem::DiskFull;
    case EROFS:
        return FileProblem::ReadOnly;
    case EISDIR:
        return FileProblem::IsFolder;
    case ENAMETOOLONG:
    case EILSEQ:
    case EINVAL:
        return FileProblem::BadName;
    default:
        return FileProblem::Other;
    }
}

FileProblem problemFromWin32(std::uint32_t code) {
    switch (code) {
    case 2:  // ERROR_FILE_NOT_FOUND
    case 3:  // ERROR_PATH_NOT_FOUND
    case 15: // ERROR_INVALID_DRIVE
        return FileProblem::NotFound;
    case 5: // ERROR_ACCESS_DENIED
        return FileProblem::AccessDenied;
    case 32:   // ERROR_SHARING_VIOLATION
    case 33:   // ERROR_LOCK_VIOLATION
    case 1175: // ERROR_UNABLE_TO_REMOVE_REPLACED
        return FileProblem::InUse;
    case 39:  // ERROR_HANDLE_DISK_FULL
    case 112: // ERROR_DISK_FULL
        return FileProblem::DiskFull;
    case 19: // ERROR_WRITE_PROTECT
        return FileProblem::ReadOnly;
    case 123:  // ERROR_INVALID_NAME
    case 206:  // ERROR_FILENAME_EXCED_RANGE
    case 1113: // ERROR_NO_UNICODE_TRANSLATION
        return FileProblem::BadName;
    default:
        return FileProblem::Other;
    }
}

std::string problemText(FileProblem problem, long code) {
    std::string text;
    for (const ProblemName& p : kProblemNames)
        if (p.problem == problem)
            text = translated("Platform", p.russian);
    if (problem == FileProblem::Other)
        text += withArguments(ZW_TR("Platform", " (код %1)"), {std::to_string(code)});
    return text;
}

FileError fileErrorFromErrno(const std::string& path, int err) {
    return FileError{problemText(problemFromErrno(err), err) + ": " + path};
}

FileError fileErrorFromWin32(const std::string& path, std::uint32_t code) {
    return FileError{problemText(problemFromWin32(code), static_cast<long>(code)) + ": " + path};
}

FileError fileErrorOf(const std::string& path, FileProblem problem) {
    return FileError{problemText(problem, 0) + ": " + path};
}

bool isTemporaryName(std::string_view fileName, std::string_view targetName) {
    constexpr std::string_view kTmp = ".tmp";
    constexpr size_t kLetters = 8;
    if (fileName.size() < kTmp.size() + kLetters + 1)
        return false;
    const size_t stem = fileName.size() - kTmp.size() - kLetters;
    if (fileName.substr(stem, kTmp.size()) != kTmp)
        return false;
    if (!targetName.empty() && fileName.substr(0, stem) != targetName)
        return false;
    for (const char c : fileName.substr(stem + kTmp.size()))
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

FileLock::FileLock(FileLock&& other) noexcept
    : state_(other.state_), path_(std::move(other.path_)), handle_(other.handle_) {
    other.state_ = State::Failed;
    other.handle_ = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        state_ = other.state_;
        path_ = std::move(other.path_);
        handle_ = other.handle_;
        other.state_ = State::Failed;
        other.handle_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

FileSystem& systemFileSystem() {
    static SystemFileSystem files;
    return files;
}

std::variant<std::string, FileError> readWholeFile(const std::string& path) {
    return systemFileSystem().readWholeFile(path);
}

std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                       std::string_view bytes) {
    return systemFileSystem().writeWholeFile(path, bytes);
}

bool fileExists(const std::string& path) {
    return systemFileSystem().fileExists(path);
}

} // namespace zw
