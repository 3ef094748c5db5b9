// Autosave and recovery of unsaved work.
//
// While the template has unsaved changes, the editor keeps a copy of it in its
// own recovery file in the user's data folder: "recovery-<pid>.tpz" (or
// "recovery-<pid>-<n>.tpz" when that name is in use), an ordinary project file
// written through the atomic writer, so a crash at any moment leaves either the
// previous copy or the new one. The template's name is the one inside the file
// and the time of the last write is the file's modification time: one file, so
// the two can never disagree.
//
// Each editor holds, for its whole life, a lock on the companion file
// "<same name>.lock" (a lock on the recovery file itself would not survive its
// rename-over writes). A recovery file is left by an editor that is gone
// exactly when nobody holds its lock, whatever process id its name carries: ids
// are reused, by later boots and by other containers sharing the folder. An
// editor never takes a name whose recovery file is already there, so what an
// earlier editor left is never overwritten or deleted unasked.
//
// What the main window does with it:
// - Start-up, before the first write (before or after the command-line file
//   is loaded: nothing of another editor is touched by a load): for each
//   RecoveryStore::orphans() entry, newest first, ask recoveryQuestion(entry)
//   (confirmation, Yes/No). Yes: claim(entry), install the template as
//   modified and unsaved (save asks for a place, the caption as for any
//   template), tell the policy wrote(now) and ask no more. No: discard(entry)
//   and ask about the next one.
// - Every change of the template (including step back and forward): the
//   policy's changed(), then act on next().
// - A timer: when next() says nothing yet, wait() tells how long until the
//   next write is due; on expiry act on next() again.
// - Acting: Write → store.write(template), then wrote(now) or, on failure,
//   writeFailed(now) (report the first failure only). Remove → store.remove()
//   and removed().
// - A save that wrote the file, a new template, a successful load and a clean
//   close: store.remove() and the policy's removed(). A cancelled or failed save
//   or load keeps the recovery file.
#pragma once

#include "model/project_file.h"
#include "model/records.h"
#include "model/translation.h"
#include "platform/files.h"
#include "platform/process.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zw {

inline constexpr std::string_view kRecoveryQuestion =
    ZW_TR_NOOP("Editor", "Восстановить несохраненный шаблон?");
// Writes of the recovery file are at least this far apart.
inline constexpr std::chrono::seconds kAutosaveInterval{30};
// Files larger than this in the recovery folder are no recovery files of ours
// (the largest project the reader accepts is far smaller) and are not read.
inline constexpr std::uintmax_t kMaxRecoveryFileBytes = 64u << 20;

// "recovery-<pid>.tpz".
std::string recoveryFileName(ProcessId pid);
// The process id a recovery file name ("recovery-<pid>.tpz" or
// "recovery-<pid>-<n>.tpz", n from 2) carries; nullopt for every other name
// (leading zeros, signs, ids of zero or beyond 32 bits included).
std::optional<ProcessId> recoveryFilePid(std::string_view fileName);
// The lock file of a recovery file: ".lock" in place of ".tpz".
std::string recoveryLockPath(std::string_view recoveryPath);

// A recovery file left by an editor that is gone.
struct RecoveryCandidate {
    std::string path; // UTF-8
    ProcessId pid = 0;
    std::string name; // the template's name, Windows-1251 bytes as in the project
    std::chrono::system_clock::time_point lastWrite;
};

// The question asked at start-up, UTF-8: kRecoveryQuestion, the template's name
// and the local date and time of the last write ("07.12.2026, 13:36:05").
// Control characters of the name become spaces and a very long name is cut.
std::string recoveryQuestion(std::string_view cp1251Name, const std::tm& localTime);
std::string recoveryQuestion(const RecoveryCandidate& candidate);
// The broken-down local time of a point in time.
std::tm localTime(std::chrono::system_clock::time_point t);

struct RecoveryStoreOptions {
    std::string folder; // UTF-8; empty: the store does nothing
    ProcessId ownPid = 0;
};

class RecoveryStore {
  public:
    // Takes this editor's recovery file name and its lock when the folder is
    // there (else at the first write), and deletes what killed writes left in
    // the folder: temporary files of the writer and lock files without their
    // recovery file, when no one holds them.
    explicit RecoveryStore(RecoveryStoreOptions options);
    // The user's data folder and this process.
    static RecoveryStore forThisProcess();
    // Lets the lock go; its file goes too when no recovery file is left.
    ~RecoveryStore();
    RecoveryStore(RecoveryStore&&) = default;
    RecoveryStore& operator=(RecoveryStore&&) = default;

    // False when there is no data folder to keep recovery files in.
    bool enabled() const { return !options_.folder.empty(); }
    // This editor's recovery file; empty until its name is taken.
    std::string ownPath() const;

    // Writes the template to this editor's file, creating the folder when
    // missing.
    std::variant<std::monostate, FileError> write(const TRmg& t);
    // Removes this editor's file if this run wrote or claimed it; nothing else
    // is ever deleted here, and a file that is not there is no failure.
    void remove();

    // Recovery files whose lock nobody holds, newest first. Files that are no
    // regular files, too large or not loadable projects are left alone.
    std::vector<RecoveryCandidate> orphans() const;
    // Makes an orphan this editor's recovery file (a rename, so it is never
    // missing on disk and two editors cannot both take it) and returns its
    // template. Call before the first write.
    std::variant<TRmg, FileError, ProjectLoadFailure> claim(const RecoveryCandidate& candidate);
    // Deletes an orphan the user declined, unless another editor has taken it
    // since.
    std::variant<std::monostate, FileError> discard(const RecoveryCandidate& candidate);

  private:
    // Takes the first free name and its lock; false when none can be had.
    bool takeOwnName();

    RecoveryStoreOptions options_;
    std::string ownPath_; // empty until a name is taken
    FileLock ownLock_;
    // The file at ownPath_ is this run's: written or claimed, not yet removed.
    bool ownFileWritten_ = false;
};

enum class AutosaveAction { None, Write, Remove };

// When to write or remove the recovery file. Time is passed in, so the window
// gives the steady clock's now and tests give whatever they need.
class AutosavePolicy {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    explicit AutosavePolicy(Duration interval = kAutosaveInterval) : interval_(interval) {}

    // The template changed (an edit, step back or forward).
    void changed() { changed_ = true; }
    // The recovery file now holds the template.
    void wrote(TimePoint now);
    // A write failed; it is tried again one interval later. True for the first
    // failure since the last successful write, the one worth reporting.
    bool writeFailed(TimePoint now);
    // The recovery file was removed: nothing to write until the next change.
    void removed();

    // Write: the template is modified, changed since the last write and the
    // last attempt is an interval ago (or there was none). Remove: the template
    // is no longer modified (stepped back to the start) while a file is on disk.
    AutosaveAction next(bool modified, TimePoint now) const;
    // How long until next() says Write; nullopt when nothing waits to be written.
    std::optional<Duration> wait(bool modified, TimePoint now) const;

  private:
    Duration interval_;
    bool changed_ = false;
    bool onDisk_ = false;
    bool failing_ = false;
    std::optional<TimePoint> lastAttempt_;
};

} // namespace zw
