// The connection settings dialog ("Настройка перехода") without its window: a
// working copy of the connection, the passage count with its tabs, and the
// controls of the selected tab, which are loaded from and written back to the
// working record's passage slots at every tab switch and count change.
#pragma once

#include "dialogs/field_logic.h"
#include "dialogs/kept_cells_logic.h"
#include "model/records.h"
#include "model/translation.h"

#include <array>
#include <string>
#include <string_view>

namespace zw {

namespace connection_texts {
inline constexpr std::string_view kCaption = ZW_TR_NOOP("Dialogs", "Настройка перехода");
inline constexpr std::string_view kGroup = ZW_TR_NOOP("Dialogs", "Параметры перехода");
inline constexpr std::string_view kCount = ZW_TR_NOOP("Dialogs", "Количество переходов:");
inline constexpr std::string_view kTabPrefix = ZW_TR_NOOP("Dialogs", "П. ");
inline constexpr std::string_view kKind = ZW_TR_NOOP("Dialogs", "Тип прохода");
inline constexpr std::array<std::string_view, 3> kKinds = {ZW_TR_NOOP("Dialogs", "Обычный"),
                                                           ZW_TR_NOOP("Dialogs", "Широкий (очень)"),
                                                           ZW_TR_NOOP("Dialogs", "Страж прохода")};
inline constexpr std::string_view kGuard = ZW_TR_NOOP("Dialogs", "Охрана прохода");
inline constexpr std::string_view kAutoExist =
    ZW_TR_NOOP("Dialogs", "Автоматически определять условия существования");
inline constexpr std::array<std::string_view, 4> kLimits = {
    ZW_TR_NOOP("Dialogs", "Требуется игроков-людей"),
    ZW_TR_NOOP("Dialogs", "Максимум игроков-людей"),
    ZW_TR_NOOP("Dialogs", "Требуется игроков всего"),
    ZW_TR_NOOP("Dialogs", "Максимум игроков всего")};
inline constexpr std::string_view kOk = ZW_TR_NOOP("Dialogs", "ОК");
inline constexpr std::string_view kCancel = ZW_TR_NOOP("Dialogs", "Отмена");
} // namespace connection_texts

// Caption of the tab of passage slot j (0-based): "П. 1" for slot 0.
std::string passageTabCaption(int slot);

// The controls on the tab: one passage.
struct PassageControls {
    int32_t kind = code(PassageKind::Ordinary);
    PresetField guard = makeGuardField();
    bool autoExist = true;
    std::array<int32_t, 4> limits{1, 8, 1, 8}; // minHumans, maxHumans, minPlayers, maxPlayers
    // The passage's kept cells ("Дополнительные поля"): a connection row of
    // an extended table is one passage.
    KeptCellsForm kept;
};

class ConnectionForm {
  public:
    // Count := passageCount, tabs rebuilt with the first selected, working
    // record := r, load(0).
    void fill(const ConnectionRecord& r);
    // Adding a passage: fill, then the count raised by one, the tabs rebuilt
    // and the last one selected without loading its slot, so that the new
    // passage starts as a copy of what the controls show (the first passage).
    void fillFurther(const ConnectionRecord& r);

    // Controls := slot j, and slot j := controls.
    void load(int slot);
    void unload(int slot);

    // A tab was chosen: the slot being left is written back, the new one loaded.
    void selectTab(int tab);
    // The count field changed to `count`: the selected slot is written back,
    // the tabs rebuilt for the new count with the first selected, slot 0 loaded.
    // Slots beyond the count keep their contents.
    void changeCount(int32_t count);
    // "ОК": the selected slot written back; the working record with the count.
    ConnectionRecord accept();

    // Value of "Количество переходов:" (a value outside 1..8 that came with
    // the record is kept until the user changes the field).
    int32_t count() const { return count_; }
    // Tabs shown: the count held to 1..8.
    int tabCount() const { return tabCount_; }
    int selectedTab() const { return selectedTab_; }
    const ConnectionRecord& working() const { return working_; }

    PassageControls controls;

    bool guardVisible() const { return controls.kind == PassageKind::Ordinary; }
    bool limitsVisible() const { return !controls.autoExist; }
    // The kept cells' table stands in the dialog while a passage of a shown
    // tab keeps cells (so that switching tabs doesn't resize the window); it
    // is enabled on the tab of a passage that keeps cells.
    bool keptTableShown() const;
    bool keptTableEnabled() const { return controls.kept.visible(); }

  private:
    void rebuildTabs();

    ConnectionRecord working_;
    int32_t count_ = 1;
    int tabCount_ = 1;
    int selectedTab_ = 0;
};

} // namespace zw
