#include "dialogs/connection_logic.h"

namespace zw {
namespace {

PassageRecord& slotOf(ConnectionRecord& c, int slot) {
    return c.passages.at(static_cast<size_t>(slot));
}

} // namespace

std::string passageTabCaption(int slot) {
    return translated("Dialogs", connection_texts::kTabPrefix.data()) + std::to_string(slot + 1);
}

void ConnectionForm::rebuildTabs() {
    tabCount_ = clampToRange(count_, kOneToEightRange);
    selectedTab_ = 0;
}

void ConnectionForm::fill(const ConnectionRecord& r) {
    count_ = r.passageCount;
    rebuildTabs();
    working_ = r;
    load(0);
}

void ConnectionForm::fillFurther(const ConnectionRecord& r) {
    fill(r);
    count_ = clampToRange(int64_t{r.passageCount} + 1, kOneToEightRange);
    rebuildTabs();
    selectedTab_ = tabCount_ - 1;
}

void ConnectionForm::load(int slot) {
    if (slot < 0 || slot >= kPassageSlots)
        return;
    const PassageRecord& p = slotOf(working_, slot);
    controls.kind = p.kind;
    controls.guard.fill(p.guard);
    controls.autoExist = p.autoExist;
    controls.limits = {p.minHumans, p.maxHumans, p.minPlayers, p.maxPlayers};
    controls.kept.fill(p.kept.cells);
}

void ConnectionForm::unload(int slot) {
    if (slot < 0 || slot >= kPassageSlots)
        return;
    // Text typed into the guard box counts even when the focus has not left it
    // yet (a click on a tab does not take the focus).
    controls.guard.leave();
    PassageRecord& p = slotOf(working_, slot);
    p.kind = controls.kind;
    p.guard = controls.guard.held();
    p.autoExist = controls.autoExist;
    p.minHumans = controls.limits[0];
    p.maxHumans = controls.limits[1];
    p.minPlayers = controls.limits[2];
    p.maxPlayers = controls.limits[3];
    p.kept.cells = controls.kept.readBack();
}

void ConnectionForm::selectTab(int tab) {
    if (tab < 0 || tab >= tabCount_ || tab == selectedTab_)
        return;
    unload(selectedTab_);
    selectedTab_ = tab;
    load(tab);
}

void ConnectionForm::changeCount(int32_t count) {
    if (count == count_)
        return;
    unload(selectedTab_);
    count_ = count;
    rebuildTabs();
    load(0);
}

bool ConnectionForm::keptTableShown() const {
    if (controls.kept.visible())
        return true;
    for (int s = 0; s < tabCount_; ++s)
        if (s != selectedTab_ && !working_.passages[static_cast<size_t>(s)].kept.cells.empty())
            return true;
    return false;
}

ConnectionRecord ConnectionForm::accept() {
    unload(selectedTab_);
    ConnectionRecord r = working_;
    r.passageCount = count_;
    return r;
}

} // namespace zw
