#include "editor/autosave.h"

#include "model/translation.h"

#include <variant>

namespace zw {

std::string autosaveFailedMessage(std::string_view reason) {
    return withArguments(
        ZW_TR("Editor", "Не удалось сохранить копию шаблона для восстановления:\r%1"), {reason});
}

Autosave::Autosave(RecoveryStore store, AutosaveTimer& timer, const Document& document,
                   Services& services)
    : store_(std::move(store)), timer_(timer), document_(document), services_(services) {}

Autosave::~Autosave() {
    timer_.stop();
}

void Autosave::changed() {
    policy_.changed();
    schedule();
}

void Autosave::schedule() {
    const auto now = timer_.now();
    const bool modified = document_.modified();
    if (const auto wait = policy_.wait(modified, now))
        timer_.start(*wait, [this] { act(); });
    else if (policy_.next(modified, now) == AutosaveAction::Remove)
        timer_.start(AutosaveTimer::Duration::zero(), [this] { act(); });
    else
        timer_.stop();
}

void Autosave::act() {
    const auto now = timer_.now();
    switch (policy_.next(document_.modified(), now)) {
    case AutosaveAction::Write: {
        const auto written = store_.write(document_.rmg());
        if (const auto* error = std::get_if<FileError>(&written)) {
            // Only the first of a run of failures is worth a message; the write
            // is tried again an interval later.
            if (policy_.writeFailed(now))
                services_.messageBox(autosaveFailedMessage(error->reason), MessageKind::Error,
                                     MessageButtons::Ok);
        } else {
            policy_.wrote(now);
        }
        break;
    }
    case AutosaveAction::Remove:
        store_.remove();
        policy_.removed();
        break;
    case AutosaveAction::None:
        break;
    }
    schedule();
}

void Autosave::dropCopy() {
    store_.remove();
    policy_.removed();
    timer_.stop();
}

std::optional<TRmg> Autosave::offerOrphans() {
    for (const RecoveryCandidate& candidate : store_.orphans()) {
        const MessageResult answer = services_.messageBox(
            recoveryQuestion(candidate), MessageKind::Confirmation, MessageButtons::YesNo);
        if (answer == MessageResult::Yes) {
            auto claimed = store_.claim(candidate);
            if (auto* t = std::get_if<TRmg>(&claimed))
                return std::move(*t);
            if (const auto* error = std::get_if<FileError>(&claimed))
                services_.fileError(error->reason);
            else if (const auto* failure = std::get_if<ProjectLoadFailure>(&claimed))
                services_.messageBox(failure->message, MessageKind::Error, MessageButtons::Ok);
            continue;
        }
        const auto discarded = store_.discard(candidate);
        if (const auto* error = std::get_if<FileError>(&discarded))
            services_.fileError(error->reason);
    }
    return std::nullopt;
}

void Autosave::installed() {
    policy_.wrote(timer_.now());
    schedule();
}

} // namespace zw
