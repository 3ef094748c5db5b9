#include "editor/recovery.h"

#include "model/text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zw {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kSuffix = ".tpz";
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

std::optional<ProcessId> recoveryFilePid(std::string_view fileName) {
    if (fileName.size() <= kPrefix.size() + kSuffix.size() || !fileName.starts_with(kPrefix) ||
        !fileName.ends_with(kSuffix))
        return std::nullopt;
    const std::string_view digits =
        fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size());
    if (digits.size() > 10 || digits.front() == '0')
        return std::nullopt;
    ProcessId pid = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        pid = pid * 10 + (c - '0');
    }
    if (pid > 0xFFFFFFFFll)
        return std::nullopt;
    return pid;
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
    return std::string(kRecoveryQuestion) + "\r" + cp1251ToUtf8(shown) +
           "\rПоследняя запись: " + when;
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
    if (!options_.processRunning)
        options_.processRunning = zw::processRunning;
}

RecoveryStore RecoveryStore::forThisProcess() {
    return RecoveryStore({userDataFolder(), currentProcessId(), zw::processRunning});
}

std::string RecoveryStore::ownPath() const {
    if (!enabled())
        return {};
    return utf8Path(fsPath(options_.folder) / recoveryFileName(options_.ownPid));
}

std::variant<std::monostate, FileError> RecoveryStore::write(const TRmg& t) {
    if (!enabled())
        return std::monostate{};
    std::error_code ec;
    fs::create_directories(fsPath(options_.folder), ec);
    if (ec)
        return systemError(options_.folder, ec);
    auto written = writeWholeFile(ownPath(), encodeProject(t));
    if (std::holds_alternative<std::monostate>(written))
        ownNameTaken_ = true;
    return written;
}

void RecoveryStore::remove() {
    if (!enabled())
        return;
    std::error_code ec;
    fs::remove(fsPath(ownPath()), ec);
    // A file of an earlier process with this id is gone too; nothing of this run is on disk.
    ownNameTaken_ = true;
}

std::vector<RecoveryCandidate> RecoveryStore::orphans() const {
    std::vector<RecoveryCandidate> found;
    if (!enabled())
        return found;
    std::error_code ec;
    fs::directory_iterator it(fsPath(options_.folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path& p = it->path();
        const auto pid = recoveryFilePid(utf8Path(p.filename()));
        if (!pid)
            continue;
        if (*pid == options_.ownPid ? ownNameTaken_ : options_.processRunning(*pid))
            continue;
        // Symbolic links, pipes and devices are never ours; reading them could
        // block or wander off the folder.
        std::error_code fileEc;
        if (!fs::is_regular_file(fs::symlink_status(p, fileEc)) ||
            fs::file_size(p, fileEc) > kMaxRecoveryFileBytes || fileEc)
            continue;
        const auto modifiedAt = fs::last_write_time(p, fileEc);
        if (fileEc)
            continue;
        const std::string path = utf8Path(p);
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

std::variant<TRmg, FileError, ProjectLoadFailure>
RecoveryStore::claim(const RecoveryCandidate& candidate) {
    const std::string own = ownPath();
    std::error_code ec;
    if (candidate.path != own) {
        fs::rename(fsPath(candidate.path), fsPath(own), ec);
        if (ec)
            return systemError(candidate.path, ec);
    }
    ownNameTaken_ = true;
    auto bytes = readWholeFile(own);
    if (auto* error = std::get_if<FileError>(&bytes))
        return *error;
    auto decoded = decodeProject(std::get<std::string>(bytes));
    if (auto* failure = std::get_if<ProjectLoadFailure>(&decoded)) {
        // Changed since the scan: give it back its name rather than overwrite it later.
        if (candidate.path != own) {
            fs::rename(fsPath(own), fsPath(candidate.path), ec);
            ownNameTaken_ = false;
        }
        return *failure;
    }
    return std::move(std::get<TRmg>(decoded));
}

std::variant<std::monostate, FileError> RecoveryStore::discard(const RecoveryCandidate& candidate) {
    std::error_code ec;
    fs::remove(fsPath(candidate.path), ec);
    if (ec)
        return systemError(candidate.path, ec);
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
