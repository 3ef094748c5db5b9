// The open template with its edit history. The document is the only writer of
// the template: every change goes through it as one named step or one whole
// replacement, and each is announced once, saying what changed. Whatever
// depends on the template (selection, hover, drag, analysis, autosave, scroll
// bars, command states) follows from that one announcement.
#pragma once

#include "model/history.h"
#include "model/records.h"
#include "model/translation.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zw {

// Russian; the caption is built through translated("Editor", ...).
inline constexpr std::string_view kCaptionPrefix = ZW_TR_NOOP("Editor", "Редактор шаблонов - ");

// The caption's prefix followed by a Windows-1251 name, as UTF-8.
std::string captionFor(std::string_view cp1251Name);

// What one change of the document touched. A change that touched nothing is
// not announced.
struct DocumentChange {
    bool content = false;  // zones, connections or settings: the picture, the analysis
    bool name = false;     // the template's name: the caption
    bool replaced = false; // a template replaced whole: indices name other items now
    bool history = false;  // the history's length, position or saved state
    // A step that left fewer zones: the scroll ranges keep the room the
    // deleted zones took.
    bool zonesRemoved = false;
    bool any() const { return content || name || replaced || history; }
};

// How a whole template replaces the current one.
enum class Replacement {
    Fresh,  // new, load, import: the history is emptied and the template is unchanged
    AsStep, // a recovered template: one step back returns to the template shown before
    // A template made from a pattern: the history is emptied, and the template
    // counts as unsaved until it is saved.
    FreshUnsaved,
};

class Document {
  public:
    using Listener = std::function<void(const DocumentChange&)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

    const TRmg& rmg() const { return rmg_; }
    // "Редактор шаблонов - " + name, UTF-8.
    std::string caption() const { return captionFor(rmg_.name); }

    // Counts every change of the template: equal counts of one document mean
    // an equal template.
    uint64_t revision() const { return revision_; }

    const History& history() const { return history_; }
    bool modified() const { return history_.modified(); }
    bool canStepBack() const { return history_.canStepBack(); }
    bool canStepForward() const { return history_.canStepForward(); }
    // The names of the steps that step back and forward would take.
    std::string stepBackName() const { return history_.backName(); }
    std::string stepForwardName() const { return history_.forwardName(); }

    // One change as one named step: `changed` becomes the template. The step
    // is recorded even when nothing differs (a confirmed dialog counts as a
    // change).
    void commit(std::string_view stepName, TRmg changed);
    // A change made on a copy of the template, committed as one step.
    template <class Edit> void edit(std::string_view stepName, Edit&& change) {
        TRmg changed = rmg_;
        change(changed);
        commit(stepName, std::move(changed));
    }
    // Replaces the template whole.
    void replace(TRmg t, Replacement how, std::string_view stepName = {});
    // Stores what the compile derives from the template (the existence
    // conditions) without a step and without touching the saved state.
    void storeDerived(TRmg t);

    // One step through the history; false when there was none to take.
    bool stepBack();
    bool stepForward();
    // The template as it is now is saved (a save or a load wrote or read it).
    void markSaved();

  private:
    void announce(const DocumentChange& change) const;
    // What differs between the template and `t`, which is about to replace
    // it; a difference counts one revision.
    DocumentChange changeTo(const TRmg& t);

    TRmg rmg_;
    uint64_t revision_ = 0;
    History history_;
    Listener listener_;
};

} // namespace zw
