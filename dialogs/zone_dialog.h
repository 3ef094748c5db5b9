// The zone settings window ("Настройка локации"): one instance, filled
// from a ZoneRecord each time it opens; "ОК" runs the checks and stays open on
// the first failure.
#pragma once

#include "dialogs/controls.h"
#include "dialogs/kept_cells_table.h"
#include "dialogs/multi_zone_logic.h"
#include "dialogs/zone_logic.h"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QWidget;

namespace zw {

class Services;

class ZoneDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ZoneDialog(Services& services, QWidget* parent = nullptr);

    // Sets every control from `r` and applies the visibility rules.
    void fill(const ZoneRecord& r);
    // The record the controls hold (grid position as filled).
    ZoneRecord readBack() const { return form_.readBack(); }
    const ZoneForm& form() const { return form_; }

    // ---- Several zones at once ----
    // Fills the controls from the first record; a field where the records
    // differ shows undetermined (an empty list or number field, a partly
    // checked box) until the user sets it.
    // `numbers` name the zones in the message when one of the results breaks
    // a rule on "ОК".
    void fillSeveral(const std::vector<ZoneRecord>& records,
                     const std::vector<int64_t>& numbers = {});
    // The records with the fields the user changed written into each.
    std::vector<ZoneRecord> readBackSeveral(const std::vector<ZoneRecord>& records) const;
    // The fields the user set since the dialog was filled (zoneFields() order).
    const std::vector<bool>& touched() const { return touched_; }
    const MergedZones& several() const { return several_; }

    // "ОК": the checks, on every resulting zone when several are edited;
    // closes with OK only when they all pass.
    void accept() override;

    // The controls, for the window's tests.
    struct Controls {
        QComboBox* kind = nullptr;
        PresetBox* size = nullptr;
        QComboBox* owner = nullptr;
        QComboBox* towns = nullptr;
        QGroupBox* townSettings = nullptr;
        std::array<NumberField*, 4> townCounts{}; // playerCastles, playerTowns, neutral...
        QCheckBox* sameTownType = nullptr;
        CheckColumns* townTypes = nullptr;
        // Mines in record order: wood, mercury, ore, sulfur, crystal, gems, gold.
        std::array<NumberField*, 7> mines{};
        QCheckBox* terrainMatchesTown = nullptr;
        CheckColumns* terrains = nullptr;
        QComboBox* monsterStrength = nullptr;
        QCheckBox* monstersMatchTown = nullptr;
        CheckColumns* monsterTypes = nullptr;
        std::array<QComboBox*, 3> treasureLists{};
        std::array<QWidget*, 3> treasurePanels{};
        std::array<std::array<NumberField*, 3>, 3> treasureFields{}; // [group][low, high, density]
        QComboBox* existence = nullptr;
        QWidget* limitsPanel = nullptr;
        std::array<NumberField*, 4> limits{};
        KeptCellsTable* kept = nullptr; // shown for one zone that keeps cells
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& controls() const { return ui_; }

  private:
    void build();
    void showTreasure(int group);
    void applyVisibility();
    // Marks the fields of the controls the user sets as touched.
    void trackEdits();
    void touch(std::string_view field, bool on = true);

    Services& services_;
    MergedZones several_;
    // The zones of a dialog on several, and their numbers; empty for one zone.
    std::vector<ZoneRecord> severalRecords_;
    std::vector<int64_t> severalNumbers_;
    std::vector<bool> touched_;
    ZoneForm form_;
    Controls ui_;
};

} // namespace zw
