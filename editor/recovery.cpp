#include "editor/recovery.h"

#include "model/numbers.h"
#include "model/text.h"
#include "model/translation.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zw {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kSuffix = ".tpz";
constexpr std::string_view kLockSuffix = ".lock";
// Names tried for this editor's file: "recovery-<pid>.tpz", then with "-2" and on.
constexpr int kOwnNames = 100;
// Longest name shown in the question, in characters of the code page.
constexpr size_t kShownNameChars = 120;

// Paths are UTF-8 everywhere in the program; on Windows a path built from a
// plain string would take the ANSI code page instead.
fs::path fsPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Path(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

FileError systemError(const std::string& path, const std::error_code& ec) {
    return FileError{ec.message() + ": " + path};
}

} // namespace

std::string recoveryFileName(ProcessId pid) {
    return std::string(kPrefix) + std::to_string(pid) + std::string(kSuffix);
}

namespace {

// The number in `digits`: no sign, no leading zero, at most ten digits.
std::optional<std::int64_t> plainNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 10 || digits.front() == '0')
        return std::nullopt;
    return parseInteger(digits, kDigitsOnly);
}

} // namespace

std::optional<ProcessId> recoveryFilePid(std::string_view fileName) {
    if (fileName.size() <= kPrefix.size() + kSuffix.size() || !fileName.starts_with(kPrefix) ||
        !fileName.ends_with(kSuffix))
        return std::nullopt;
    std::string_view digits =
        fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size());
    if (const size_t dash = digits.find('-'); dash != std::string_view::npos) {
        const auto n = plainNumber(digits.substr(dash + 1));
        if (!n || *n < 2)
            return std::nullopt;
        digits = digits.substr(0, dash);
    }
    const auto pid = plainNumber(digits);
    if (!pid || *pid > 0xFFFFFFFFll)
        return std::nullopt;
    return *pid;
}

std::string recoveryLockPath(std::string_view recoveryPath) {
    std::string path(recoveryPath);
    if (path.ends_with(kSuffix))
        path.resize(path.size() - kSuffix.size());
    return path + std::string(kLockSuffix);
}

std::string recoveryQuestion(std::string_view cp1251Name, const std::tm& t) {
    std::string shown(cp1251Name.substr(0, kShownNameChars));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    if (cp1251Name.size() > kShownNameChars)
        shown += "...";
    char when[64];
    std::snprintf(when, sizeof when, "%02d.%02d.%04d, %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return withArguments(ZW_TR("Editor", "%1\r%2\rПоследняя запись: %3"),
                         {translated("Editor", kRecoveryQuestion), cp1251ToUtf8(shown), when});
}

std::tm localTime(std::chrono::system_clock::time_point t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm out{};
#ifdef _WIN32
    ::localtime_s(&out, &seconds);
#else
    ::localtime_r(&seconds, &out);
#endif
    return out;
}

std::string recoveryQuestion(const RecoveryCandidate& candidate) {
    return recoveryQuestion(candidate.name, localTime(candidate.lastWrite));
}

RecoveryStore::RecoveryStore(RecoveryStoreOptions options) : options_(std::move(options)) {
    if (!enabled())
        return;
    std::error_code ec;
    if (!fs::is_directory(fsPath(options_.folder), ec))
        return;
    removeStaleTemporaries(options_.folder);
    // Lock files of editors that closed or crashed after their recovery file
    // went; taking the lock first keeps a starting editor's own.
    for (fs::directory_iterator it(fsPath(options_.folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = utf8Path(it->path().filename());
        if (!name.ends_with(kLockSuffix))
            continue;
        const std::string stem = name.substr(0, name.size() - kLockSuffix.size());
        std::error_code fileEc;
        if (!recoveryFilePid(stem + std::string(kSuffix)) ||
            fs::exists(it->path().parent_path() / fsPath(stem + std::string(kSuffix)), fileEc))
            continue;
        FileLock stale = FileLock::take(utf8Path(it->path()), false);
        if (stale.taken())
            stale.removeFile();
    }
    takeOwnName();
}

RecoveryStore RecoveryStore::forThisProcess() {
    return RecoveryStore({userDataFolder(), currentProcessId()});
}

RecoveryStore::~RecoveryStore() {
    std::error_code ec;
    if (ownLock_.taken() && !fs::exists(fsPath(ownPath_), ec) && !ec)
        ownLock_.removeFile();
}

bool RecoveryStore::takeOwnName() {
    if (ownLock_.taken())
        return true;
    const fs::path folder = fsPath(options_.folder);
    for (int n = 1; n <= kOwnNames; ++n) {
        std::string name = std::string(kPrefix) + std::to_string(options_.ownPid);
        if (n > 1)
            name += "-" + std::to_string(n);
        const std::string path = utf8Path(folder / fsPath(name + std::string(kSuffix)));
        // A file already there is another editor's, running or gone.
        std::error_code ec;
        if (fs::exists(fsPath(path), ec) || ec)
            continue;
        FileLock lock = FileLock::take(recoveryLockPath(path), true);
        if (!lock.taken())
            continue;
        // Written by another editor between the look and the lock.
        if (fs::exists(fsPath(path), ec) || ec)
            continue;
        ownLock_ = std::move(lock);
        ownPath_ = path;
        return true;
    }
    return false;
}

std::string RecoveryStore::ownPath() const {
    return ownPath_;
}

std::variant<std::monostate, FileError> RecoveryStore::write(const TRmg& t) {
    if (!enabled())
        return std::monostate{};
    std::error_code ec;
    fs::create_directories(fsPath(options_.folder), ec);
    if (ec)
        return systemError(options_.folder, ec);
    if (!takeOwnName())
        return fileErrorOf(options_.folder, FileProblem::InUse);
    auto written = writeWholeFile(ownPath_, encodeProject(t));
    if (std::holds_alternative<std::monostate>(written))
        ownFileWritten_ = true;
    return written;
}

void RecoveryStore::remove() {
    if (!ownFileWritten_)
        return;
    std::error_code ec;
    fs::remove(fsPath(ownPath_), ec);
    ownFileWritten_ = false;
}

std::vector<RecoveryCandidate> RecoveryStore::orphans() const {
    std::vector<RecoveryCandidate> found;
    if (!enabled())
        return found;
    std::error_code ec;
    fs::directory_iterator it(fsPath(options_.folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path& p = it->path();
        const std::string path = utf8Path(p);
        const auto pid = recoveryFilePid(utf8Path(p.filename()));
        if (!pid || path == ownPath_)
            continue;
        // Symbolic links, pipes and devices are never ours; reading them could
        // block or wander off the folder.
        std::error_code fileEc;
        if (!fs::is_regular_file(fs::symlink_status(p, fileEc)) ||
            fs::file_size(p, fileEc) > kMaxRecoveryFileBytes || fileEc)
            continue;
        // A running editor holds the lock of its file (the probe lets it go at once).
        const FileLock::State lock = FileLock::take(recoveryLockPath(path), false).state();
        if (lock != FileLock::State::Taken && lock != FileLock::State::Missing)
            continue;
        const auto modifiedAt = fs::last_write_time(p, fileEc);
        if (fileEc)
            continue;
        const auto bytes = readWholeFile(path);
        if (!std::holds_alternative<std::string>(bytes))
            continue;
        const auto decoded = decodeProject(std::get<std::string>(bytes));
        const auto* t = std::get_if<TRmg>(&decoded);
        if (t == nullptr)
            continue;
        found.push_back({path, *pid, t->name,
                         std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                             std::chrono::file_clock::to_sys(modifiedAt))});
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveryCandidate& a, const RecoveryCandidate& b) {
                  return a.lastWrite != b.lastWrite ? a.lastWrite > b.lastWrite : a.path < b.path;
              });
    return found;
}

namespace {

// The lock of an orphan, held while it is taken or deleted so that no editor
// starting meanwhile takes its name; nullopt when an editor holds it now.
std::optional<FileLock> lockOrphan(const RecoveryCandidate& candidate) {
    FileLock lock = FileLock::take(recoveryLockPath(candidate.path), false);
    if (lock.state() != FileLock::State::Taken && lock.state() != FileLock::State::Missing)
        return std::nullopt;
    return lock;
}

} // namespace

std::variant<TRmg, FileError, ProjectLoadFailure>
RecoveryStore::claim(const RecoveryCandidate& candidate) {
    std::error_code ec;
    fs::create_directories(fsPath(options_.folder), ec);
    if (!takeOwnName())
        return fileErrorOf(options_.folder, FileProblem::InUse);
    auto orphanLock = lockOrphan(candidate);
    if (!orphanLock)
        return fileErrorOf(candidate.path, FileProblem::InUse);
    fs::rename(fsPath(candidate.path), fsPath(ownPath_), ec);
    if (ec)
        return systemError(candidate.path, ec);
    ownFileWritten_ = true;
    auto bytes = readWholeFile(ownPath_);
    std::variant<TRmg, FileError, ProjectLoadFailure> result;
    if (auto* error = std::get_if<FileError>(&bytes)) {
        result = *error;
    } else {
        auto decoded = decodeProject(std::get<std::string>(bytes));
        if (auto* t = std::get_if<TRmg>(&decoded))
            result = std::move(*t);
        else
            result = std::get<ProjectLoadFailure>(decoded);
    }
    if (std::holds_alternative<TRmg>(result)) {
        orphanLock->removeFile();
    } else {
        // Changed since the scan: give it back its name rather than overwrite it later.
        fs::rename(fsPath(ownPath_), fsPath(candidate.path), ec);
        ownFileWritten_ = false;
    }
    return result;
}

std::variant<std::monostate, FileError> RecoveryStore::discard(const RecoveryCandidate& candidate) {
    auto orphanLock = lockOrphan(candidate);
    if (!orphanLock)
        return std::monostate{};
    std::error_code ec;
    fs::remove(fsPath(candidate.path), ec);
    if (ec)
        return systemError(candidate.path, ec);
    orphanLock->removeFile();
    return std::monostate{};
}

void AutosavePolicy::wrote(TimePoint now) {
    changed_ = false;
    onDisk_ = true;
    failing_ = false;
    lastAttempt_ = now;
}

bool AutosavePolicy::writeFailed(TimePoint now) {
    lastAttempt_ = now;
    const bool first = !failing_;
    failing_ = true;
    return first;
}

void AutosavePolicy::removed() {
    changed_ = false;
    onDisk_ = false;
}

AutosaveAction AutosavePolicy::next(bool modified, TimePoint now) const {
    if (!modified)
        return onDisk_ ? AutosaveAction::Remove : AutosaveAction::None;
    const auto w = wait(modified, now);
    return w && *w == Duration::zero() ? AutosaveAction::Write : AutosaveAction::None;
}

std::optional<AutosavePolicy::Duration> AutosavePolicy::wait(bool modified, TimePoint now) const {
    if (!modified || !changed_)
        return std::nullopt;
    if (!lastAttempt_ || now - *lastAttempt_ >= interval_)
        return Duration::zero();
    return *lastAttempt_ + interval_ - now;
}

} // namespace zw
