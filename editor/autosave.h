// The autosave of unsaved work and the offer, at start-up, of what an earlier
// editor left behind: the recovery store and the autosave policy
// (editor/recovery.h) driven by the changes of the document and a timer.
#pragma once

#include "editor/document.h"
#include "editor/recovery.h"
#include "platform/services.h"

#include <functional>
#include <optional>

namespace zw {

// A single-shot timer with its clock: the window's toolkit timer, or a clock
// that tests move by hand.
class AutosaveTimer {
  public:
    using TimePoint = AutosavePolicy::TimePoint;
    using Duration = AutosavePolicy::Duration;
    virtual ~AutosaveTimer() = default;
    virtual TimePoint now() const = 0;
    // Runs `expired` once `after` has passed, in place of any pending run.
    virtual void start(Duration after, std::function<void()> expired) = 0;
    virtual void stop() = 0;
};

// "Не удалось сохранить копию шаблона для восстановления:" and the reason, UTF-8.
std::string autosaveFailedMessage(std::string_view reason);

class Autosave {
  public:
    Autosave(RecoveryStore store, AutosaveTimer& timer, const Document& document,
             Services& services);
    ~Autosave();
    Autosave(const Autosave&) = delete;
    Autosave& operator=(const Autosave&) = delete;

    // The template changed: the copy is written once the policy allows, after
    // the action that changed it is over (the timer runs it).
    void changed();
    // The work is safe elsewhere (a save that wrote, a new template, a
    // successful load, an allowed close): the copy goes.
    void dropCopy();
    // Asks about each recovery file left by an editor that is gone, newest
    // first: Yes takes it over and returns its template, No deletes it and asks
    // about the next. Call once at start-up, before anything is written.
    std::optional<TRmg> offerOrphans();
    // The copy now holds the template shown (a recovered one).
    void installed();

  private:
    void act();
    void schedule();

    RecoveryStore store_;
    AutosavePolicy policy_;
    AutosaveTimer& timer_;
    const Document& document_;
    Services& services_;
};

} // namespace zw
