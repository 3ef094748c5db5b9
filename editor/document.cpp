#include "editor/document.h"

#include "model/text.h"
#include "model/translation.h"

#include <utility>

namespace zw {

std::string captionFor(std::string_view cp1251Name) {
    return translated("Editor", kCaptionPrefix) + cp1251ToUtf8(cp1251Name);
}

void Document::announce(const DocumentChange& change) const {
    if (listener_ && change.any())
        listener_(change);
}

DocumentChange Document::changeTo(const TRmg& t) {
    DocumentChange change;
    change.name = t.name != rmg_.name;
    change.content = !(t == rmg_);
    if (change.content)
        ++revision_;
    return change;
}

void Document::commit(std::string_view stepName, TRmg changed) {
    const bool fewerZones = changed.zones.size() < rmg_.zones.size();
    DocumentChange change = changeTo(changed);
    // The template replaced goes to the history whole.
    history_.push(std::exchange(rmg_, std::move(changed)), std::string(stepName));
    change.history = true;
    change.zonesRemoved = fewerZones;
    announce(change);
}

void Document::replace(TRmg t, Replacement how, std::string_view stepName) {
    DocumentChange change = changeTo(t);
    if (how == Replacement::AsStep) {
        history_.push(std::exchange(rmg_, std::move(t)), std::string(stepName));
    } else {
        history_.clear();
        if (how == Replacement::FreshUnsaved)
            history_.markNeverSaved();
        rmg_ = std::move(t);
    }
    // Even an equal template is a new one: what named its items goes.
    change.replaced = true;
    change.history = true;
    announce(change);
}

void Document::storeDerived(TRmg t) {
    const DocumentChange change = changeTo(t);
    rmg_ = std::move(t);
    history_.currentChanged(rmg_);
    announce(change);
}

bool Document::stepBack() {
    if (!history_.canStepBack())
        return false;
    const TRmg& shown = history_.stepBack(rmg_);
    DocumentChange change = changeTo(shown);
    rmg_ = shown;
    change.history = true;
    announce(change);
    return true;
}

bool Document::stepForward() {
    if (!history_.canStepForward())
        return false;
    const TRmg& shown = history_.stepForward(rmg_);
    DocumentChange change = changeTo(shown);
    rmg_ = shown;
    change.history = true;
    announce(change);
    return true;
}

void Document::markSaved() {
    if (!history_.modified())
        return;
    history_.markClean();
    announce({.history = true});
}

} // namespace zw
