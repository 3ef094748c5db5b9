#include "editor/document.h"

#include "model/text.h"

namespace zw {

std::string captionFor(std::string_view cp1251Name) {
    return std::string(kCaptionPrefix) + cp1251ToUtf8(cp1251Name);
}

void Document::changed(DocumentChange what) const {
    if (listener_)
        listener_(what);
}

void Document::pushSnapshot() {
    history_.push(rmg_);
    changed(DocumentChange::History);
}

void Document::clearHistory() {
    history_.clear();
    changed(DocumentChange::History);
}

void Document::replace(const TRmg& t) {
    rmg_ = t;
    changed(DocumentChange::Content);
    changed(DocumentChange::Name);
}

void Document::replaceAsOneStep(const TRmg& t) {
    pushSnapshot();
    replace(t);
}

bool Document::stepBack() {
    if (!history_.canStepBack())
        return false;
    const TRmg copy = history_.stepBack(rmg_);
    changed(DocumentChange::History);
    replace(copy);
    return true;
}

bool Document::stepForward() {
    if (!history_.canStepForward())
        return false;
    const TRmg copy = history_.stepForward(rmg_);
    changed(DocumentChange::History);
    replace(copy);
    return true;
}

} // namespace zw
