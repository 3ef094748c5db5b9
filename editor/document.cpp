#include "editor/document.h"

#include "model/text.h"

namespace zw {

std::string captionFor(std::string_view cp1251Name) {
    return std::string(kCaptionPrefix) + cp1251ToUtf8(cp1251Name);
}

void Document::announce(const DocumentChange& change) const {
    if (listener_ && change.any())
        listener_(change);
}

DocumentChange Document::install(TRmg t) {
    DocumentChange change;
    change.name = t.name != rmg_.name;
    change.content = !(t == rmg_);
    rmg_ = std::move(t);
    return change;
}

void Document::commit(std::string_view stepName, TRmg changed) {
    history_.push(rmg_, std::string(stepName));
    const bool fewerZones = changed.zones.size() < rmg_.zones.size();
    DocumentChange change = install(std::move(changed));
    change.history = true;
    change.zonesRemoved = fewerZones;
    announce(change);
}

void Document::replace(TRmg t, Replacement how, std::string_view stepName) {
    if (how == Replacement::AsStep) {
        history_.push(rmg_, std::string(stepName));
    } else {
        history_.clear();
        if (how == Replacement::FreshUnsaved)
            history_.markNeverSaved();
    }
    DocumentChange change = install(std::move(t));
    // Even an equal template is a new one: what named its items goes.
    change.replaced = true;
    change.history = true;
    announce(change);
}

void Document::storeDerived(TRmg t) {
    const DocumentChange change = install(std::move(t));
    history_.currentChanged(rmg_);
    announce(change);
}

bool Document::stepBack() {
    if (!history_.canStepBack())
        return false;
    TRmg shown = history_.stepBack(rmg_);
    DocumentChange change = install(std::move(shown));
    change.history = true;
    announce(change);
    return true;
}

bool Document::stepForward() {
    if (!history_.canStepForward())
        return false;
    TRmg shown = history_.stepForward(rmg_);
    DocumentChange change = install(std::move(shown));
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
