// The open template with its edit history. Every change is announced through
// one notification that says what changed, so that the window can redraw,
// retitle or update its history buttons.
#pragma once

#include "model/history.h"
#include "model/records.h"

#include <functional>
#include <string>
#include <string_view>

namespace zw {

inline constexpr std::string_view kCaptionPrefix = "Редактор шаблонов - ";

// The caption's prefix followed by a Windows-1251 name, as UTF-8.
std::string captionFor(std::string_view cp1251Name);

enum class DocumentChange {
    Content, // zones, connections or settings: the picture
    Name,    // the template's name: the caption
    History, // the history's length or position: the step buttons
};

class Document {
  public:
    using Listener = std::function<void(DocumentChange)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

    const TRmg& rmg() const { return rmg_; }
    // For commands that change the template; they announce what they changed.
    TRmg& rmgMutable() { return rmg_; }
    void changed(DocumentChange what) const;

    // "Редактор шаблонов - " + name, UTF-8.
    std::string caption() const { return captionFor(rmg_.name); }

    const History& history() const { return history_; }
    bool modified() const { return history_.position() > 0; }
    bool canStepBack() const { return history_.canStepBack(); }
    bool canStepForward() const { return history_.canStepForward(); }
    // Records the template as it is before a change.
    void pushSnapshot();
    void clearHistory();
    // One step through the history; false when there was none to take. The
    // template shown afterwards replaces the current one.
    bool stepBack();
    bool stepForward();
    // Replaces the template whole as one step of the history (a recovered
    // template): it counts as modified, and stepping back returns to the
    // template shown before.
    void replaceAsOneStep(const TRmg& t);

  private:
    void replace(const TRmg& t);

    TRmg rmg_;
    History history_;
    Listener listener_;
};

} // namespace zw
