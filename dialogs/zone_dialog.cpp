#include "dialogs/zone_dialog.h"

#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <utility>

namespace zw {
namespace {

namespace zt = zone_texts;

using IntField = int32_t ZoneRecord::*;

constexpr std::array<IntField, 4> kTownCountFields = {
    &ZoneRecord::playerCastles, &ZoneRecord::playerTowns, &ZoneRecord::neutralCastles,
    &ZoneRecord::neutralTowns};
constexpr std::array<std::string_view, 4> kTownCountLabels = {
    zt::kPlayerCastles, zt::kPlayerTowns, zt::kNeutralCastles, zt::kNeutralTowns};

// Mines in record order, and where each stands: column, row, caption.
struct MinePlace {
    IntField field;
    int column;
    int row;
    std::string_view caption;
};
constexpr std::array<MinePlace, 7> kMinePlaces = {{
    {&ZoneRecord::mineWood, 0, 0, zt::kMinesLeft[0]},
    {&ZoneRecord::mineMercury, 1, 0, zt::kMinesRight[0]},
    {&ZoneRecord::mineOre, 0, 1, zt::kMinesLeft[1]},
    {&ZoneRecord::mineSulfur, 1, 1, zt::kMinesRight[1]},
    {&ZoneRecord::mineCrystal, 1, 2, zt::kMinesRight[2]},
    {&ZoneRecord::mineGems, 1, 3, zt::kMinesRight[3]},
    {&ZoneRecord::mineGold, 0, 2, zt::kMinesLeft[2]},
}};

constexpr std::array<IntField, 4> kLimitFields = {&ZoneRecord::minHumans, &ZoneRecord::maxHumans,
                                                  &ZoneRecord::minPlayers, &ZoneRecord::maxPlayers};

using TreasureField = int32_t TreasureGroup::*;
constexpr std::array<TreasureField, 3> kTreasureFields = {&TreasureGroup::low, &TreasureGroup::high,
                                                          &TreasureGroup::density};
constexpr std::array<std::string_view, 3> kTreasureLabels = {zt::kLow, zt::kHigh, zt::kDensity};

// Keeps a hidden widget's place in its layout, so that the groups do not jump.
// A caption that wraps onto a second line at the width of `wrapAt` instead of
// widening its column, so that the dialog fits a small screen.
QLabel* wrappedLabel(std::string_view text, const QString& wrapAt, QWidget* parent) {
    auto* label = new QLabel(qtr(text), parent);
    label->setWordWrap(true);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(wrapAt) + 4);
    return label;
}

} // namespace

ZoneDialog::ZoneDialog(Services& services, QWidget* parent) : QDialog(parent), services_(services) {
    setupDialogWindow(*this, zt::kCaption);
    build();
    fill(makeDefaultZone());
}

void ZoneDialog::build() {
    auto* columns = new QHBoxLayout;

    // ---- Parameters ----
    auto* params = new QGroupBox(qtr(zt::kParameters), this);
    auto* paramsLayout = new QVBoxLayout(params);
    auto* paramsForm = new QFormLayout;
    ui_.kind = makeList(zt::kKinds, params);
    ui_.size = new PresetBox(form_.size, params);
    ui_.owner = makeList(zt::kOwners, params);
    ui_.towns = makeList(zt::kTownModes, params);
    paramsForm->addRow(qtr(zt::kKind), ui_.kind);
    paramsForm->addRow(qtr(zt::kSize), ui_.size);
    paramsForm->addRow(qtr(zt::kOwner), ui_.owner);
    paramsForm->addRow(qtr(zt::kTowns), ui_.towns);
    paramsLayout->addLayout(paramsForm);

    ui_.townSettings = new QGroupBox(qtr(zt::kTownSettings), params);
    auto* townForm = new QFormLayout(ui_.townSettings);
    for (size_t i = 0; i < kTownCountFields.size(); ++i) {
        auto* f = new NumberField(kUnboundedRange, ui_.townSettings);
        ui_.townCounts[i] = f;
        townForm->addRow(wrappedLabel(kTownCountLabels[i], qtr(zt::kPlayerTowns), ui_.townSettings),
                         f);
        const IntField field = kTownCountFields[i];
        connect(f, &NumberField::valueEdited, this,
                [this, field](int32_t v) { form_.values.*field = v; });
    }
    ui_.sameTownType = new QCheckBox(qtr(zt::kSameTownType), ui_.townSettings);
    townForm->addRow(ui_.sameTownType);
    keepPlaceWhenHidden(ui_.townSettings);
    paramsLayout->addWidget(ui_.townSettings);

    paramsLayout->addWidget(new QLabel(qtr(zt::kTownTypesLabel), params));
    ui_.townTypes = new CheckColumns(zt::kTownTypes, 3, params);
    paramsLayout->addWidget(ui_.townTypes);
    paramsLayout->addStretch(1);
    columns->addWidget(params);

    // ---- Mines, terrain, monsters ----
    auto* middle = new QVBoxLayout;
    auto* mines = new QGroupBox(qtr(zt::kMines), this);
    auto* minesGrid = new QGridLayout(mines);
    for (size_t i = 0; i < kMinePlaces.size(); ++i) {
        const MinePlace& place = kMinePlaces[i];
        auto* f = new NumberField(kUnboundedRange, mines);
        ui_.mines[i] = f;
        minesGrid->addWidget(new QLabel(qtr(place.caption), mines), place.row, place.column * 2);
        minesGrid->addWidget(f, place.row, place.column * 2 + 1);
        const IntField field = place.field;
        connect(f, &NumberField::valueEdited, this,
                [this, field](int32_t v) { form_.values.*field = v; });
    }
    minesGrid->setColumnMinimumWidth(2, 60);
    // Tab walks the mines as they stand: down the left column, then down the right.
    std::array<size_t, kMinePlaces.size()> screenOrder{};
    std::iota(screenOrder.begin(), screenOrder.end(), size_t{0});
    std::ranges::sort(screenOrder, {}, [](size_t i) {
        return std::pair(kMinePlaces[i].column, kMinePlaces[i].row);
    });
    for (size_t i = 1; i < screenOrder.size(); ++i)
        setTabOrder(ui_.mines[screenOrder[i - 1]], ui_.mines[screenOrder[i]]);
    middle->addWidget(mines);

    auto* terrain = new QGroupBox(qtr(zt::kTerrain), this);
    auto* terrainLayout = new QVBoxLayout(terrain);
    ui_.terrainMatchesTown = new QCheckBox(qtr(zt::kTerrainMatchesTown), terrain);
    ui_.terrains = new CheckColumns(zt::kTerrains, 3, terrain);
    keepPlaceWhenHidden(ui_.terrains);
    terrainLayout->addWidget(ui_.terrainMatchesTown);
    terrainLayout->addWidget(ui_.terrains);
    middle->addWidget(terrain);

    auto* monsters = new QGroupBox(qtr(zt::kMonsters), this);
    auto* monstersLayout = new QVBoxLayout(monsters);
    auto* strengthForm = new QFormLayout;
    ui_.monsterStrength = makeList(zt::kStrengths, monsters);
    strengthForm->addRow(qtr(zt::kMonsterStrength), ui_.monsterStrength);
    monstersLayout->addLayout(strengthForm);
    ui_.monstersMatchTown = new QCheckBox(qtr(zt::kMonstersMatchTown), monsters);
    ui_.monsterTypes = new CheckColumns(zt::kMonsterTypes, 2, monsters);
    keepPlaceWhenHidden(ui_.monsterTypes);
    monstersLayout->addWidget(ui_.monstersMatchTown);
    monstersLayout->addWidget(ui_.monsterTypes);
    middle->addWidget(monsters);
    middle->addStretch(1);
    columns->addLayout(middle);

    // ---- Treasure, existence ----
    auto* right = new QVBoxLayout;
    auto* treasure = new QGroupBox(qtr(zt::kTreasure), this);
    auto* treasureLayout = new QVBoxLayout(treasure);
    for (int g = 0; g < 3; ++g) {
        const auto gi = static_cast<size_t>(g);
        treasureLayout->addWidget(new QLabel(qtr(zt::kTreasureGroups[gi]), treasure));
        QComboBox* list = new QComboBox(treasure);
        for (int p = 0; p < kTreasurePresetCount; ++p)
            list->addItem(qs(treasurePresetEntry(p)));
        list->setMaxVisibleItems(kTreasurePresetCount);
        ui_.treasureLists[gi] = list;
        treasureLayout->addWidget(list);
        auto* panel = new QWidget(treasure);
        auto* panelForm = new QFormLayout(panel);
        panelForm->setContentsMargins(0, 0, 0, 6);
        for (size_t k = 0; k < kTreasureFields.size(); ++k) {
            auto* f = new NumberField(kUnboundedRange, panel);
            ui_.treasureFields[gi][k] = f;
            panelForm->addRow(qtr(kTreasureLabels[k]), f);
            const TreasureField field = kTreasureFields[k];
            connect(f, &NumberField::valueEdited, this,
                    [this, gi, field](int32_t v) { form_.values.treasure[gi].*field = v; });
        }
        keepPlaceWhenHidden(panel);
        ui_.treasurePanels[gi] = panel;
        treasureLayout->addWidget(panel);
        connect(list, &QComboBox::activated, this, [this, g](int position) {
            form_.chooseTreasurePreset(g, position);
            showTreasure(g);
            applyVisibility();
        });
    }
    right->addWidget(treasure);

    auto* existence = new QGroupBox(qtr(zt::kExistence), this);
    auto* existenceLayout = new QVBoxLayout(existence);
    ui_.existence = makeList(zt::kExistModes, existence);
    existenceLayout->addWidget(ui_.existence);
    ui_.limitsPanel = new QWidget(existence);
    auto* limitsForm = new QFormLayout(ui_.limitsPanel);
    limitsForm->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < kLimitFields.size(); ++i) {
        auto* f = new NumberField(kOneToEightRange, ui_.limitsPanel);
        ui_.limits[i] = f;
        limitsForm->addRow(qtr(zt::kLimits[i]), f);
        const IntField field = kLimitFields[i];
        connect(f, &NumberField::valueEdited, this,
                [this, field](int32_t v) { form_.values.*field = v; });
    }
    keepPlaceWhenHidden(ui_.limitsPanel);
    existenceLayout->addWidget(ui_.limitsPanel);
    right->addWidget(existence);
    right->addStretch(1);
    columns->addLayout(right);

    // ---- Buttons ----
    const OkCancelRow row = makeOkCancelRow(*this, zt::kOk, zt::kCancel);
    auto* buttons = row.layout;
    ui_.ok = row.ok;
    ui_.cancel = row.cancel;

    // Number fields as wide as eight digits: longer values scroll inside them,
    // and the three columns fit a small screen.
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("88888888")) + 30;
    for (NumberField* f : findChildren<NumberField*>())
        f->setFixedWidth(fieldWidth);
    // Mine counts are small numbers: six digits show, so the two columns fit.
    const int mineWidth = fontMetrics().horizontalAdvance(QStringLiteral("888888")) + 30;
    for (NumberField* f : ui_.mines)
        f->setFixedWidth(mineWidth);

    QVBoxLayout* content = layOutAboveButtons(*this, buttons);
    content->addLayout(columns);
    ui_.kept = new KeptCellsTable(form_.kept, this);
    content->addWidget(ui_.kept);

    // ---- Reactions ----
    connect(ui_.kind, &QComboBox::activated, this, [this](int i) { form_.values.kind = i; });
    connect(ui_.owner, &QComboBox::activated, this, [this](int i) { form_.values.owner = i; });
    connect(ui_.towns, &QComboBox::activated, this, [this](int i) {
        form_.values.townMode = i;
        applyVisibility();
    });
    connect(ui_.sameTownType, &QCheckBox::clicked, this,
            [this](bool on) { form_.values.sameTownType = on; });
    connect(ui_.townTypes, &CheckColumns::clicked, this,
            [this](int i, bool on) { form_.values.townTypes.at(static_cast<size_t>(i)) = on; });
    connect(ui_.terrainMatchesTown, &QCheckBox::clicked, this, [this](bool on) {
        form_.values.terrainMatchesTown = on;
        applyVisibility();
    });
    connect(ui_.terrains, &CheckColumns::clicked, this,
            [this](int i, bool on) { form_.values.terrains.at(static_cast<size_t>(i)) = on; });
    connect(ui_.monsterStrength, &QComboBox::activated, this,
            [this](int i) { form_.values.monsterStrength = i; });
    connect(ui_.monstersMatchTown, &QCheckBox::clicked, this, [this](bool on) {
        form_.values.monstersMatchTown = on;
        applyVisibility();
    });
    connect(ui_.monsterTypes, &CheckColumns::clicked, this,
            [this](int i, bool on) { form_.values.monsterTypes.at(static_cast<size_t>(i)) = on; });
    connect(ui_.existence, &QComboBox::activated, this, [this](int i) {
        form_.values.existMode = i;
        applyVisibility();
    });
    trackEdits();
}

void ZoneDialog::touch(std::string_view field, bool on) {
    const size_t i = zoneFieldIndex(field);
    if (touched_.size() < zoneFields().size())
        touched_.resize(zoneFields().size(), false);
    if (i < touched_.size())
        touched_[i] = on;
}

void ZoneDialog::trackEdits() {
    const auto onList = [this](QComboBox* list, std::string field) {
        connect(list, &QComboBox::activated, this, [this, field] { touch(field); });
    };
    onList(ui_.kind, "kind");
    onList(ui_.owner, "owner");
    onList(ui_.towns, "townMode");
    onList(ui_.monsterStrength, "monsterStrength");
    onList(ui_.existence, "existMode");
    connect(ui_.size, &PresetBox::fieldChanged, this, [this] { touch("size"); });

    const auto onNumber = [this](NumberField* f, std::string field) {
        connect(f, &NumberField::valueEdited, this, [this, field] { touch(field); });
    };
    const std::array<std::string_view, 4> towns = {"playerCastles", "playerTowns", "neutralCastles",
                                                   "neutralTowns"};
    for (size_t i = 0; i < towns.size(); ++i)
        onNumber(ui_.townCounts[i], std::string(towns[i]));
    const std::array<std::string_view, 7> mines = {
        "mineWood", "mineMercury", "mineOre", "mineSulfur", "mineCrystal", "mineGems", "mineGold"};
    for (size_t i = 0; i < mines.size(); ++i)
        onNumber(ui_.mines[i], std::string(mines[i]));
    const std::array<std::string_view, 4> limits = {"minHumans", "maxHumans", "minPlayers",
                                                    "maxPlayers"};
    for (size_t i = 0; i < limits.size(); ++i)
        onNumber(ui_.limits[i], std::string(limits[i]));
    const std::array<std::string_view, 3> parts = {"low", "high", "density"};
    for (size_t g = 0; g < 3; ++g) {
        const std::string group = "treasure[" + std::to_string(g) + "].";
        for (size_t k = 0; k < parts.size(); ++k)
            onNumber(ui_.treasureFields[g][k], group + std::string(parts[k]));
        // A preset sets the group's three fields; "Настроить..." sets none.
        connect(ui_.treasureLists[g], &QComboBox::activated, this, [this, group](int position) {
            if (position == kTreasureCustom)
                return;
            for (const std::string_view part : {"low", "high", "density"})
                touch(group + std::string(part));
        });
    }

    // A box clicked back to partly checked leaves its field as each zone has it.
    const auto onBox = [this](QCheckBox* box, std::string field) {
        connect(box, &QCheckBox::clicked, this,
                [this, box, field] { touch(field, box->checkState() != Qt::PartiallyChecked); });
    };
    onBox(ui_.sameTownType, "sameTownType");
    onBox(ui_.terrainMatchesTown, "terrainMatchesTown");
    onBox(ui_.monstersMatchTown, "monstersMatchTown");
    const std::pair<CheckColumns*, std::string> lists[] = {{ui_.townTypes, "townTypes"},
                                                           {ui_.terrains, "terrains"},
                                                           {ui_.monsterTypes, "monsterTypes"}};
    for (const auto& [columns, name] : lists)
        for (int i = 0; i < columns->count(); ++i)
            onBox(columns->box(i), name + "[" + std::to_string(i) + "]");
}

void ZoneDialog::fillSeveral(const std::vector<ZoneRecord>& records,
                             const std::vector<int64_t>& numbers) {
    several_ = mergeZones(records);
    fill(several_.merged);
    // Each zone keeps cells of its own: the table is for one zone.
    form_.kept.fill({});
    ui_.kept->refresh();
    severalRecords_ = records;
    severalNumbers_ = numbers;
    const auto differs = [this](std::string_view field) {
        const size_t i = zoneFieldIndex(field);
        return i < several_.differs.size() && several_.differs[i];
    };
    const auto blankList = [&](QComboBox* list, std::string_view field) {
        if (differs(field)) {
            const QSignalBlocker block(list);
            list->setCurrentIndex(-1);
        }
    };
    blankList(ui_.kind, "kind");
    blankList(ui_.owner, "owner");
    blankList(ui_.towns, "townMode");
    blankList(ui_.monsterStrength, "monsterStrength");
    blankList(ui_.existence, "existMode");
    if (differs("size")) {
        const QSignalBlocker block(ui_.size);
        ui_.size->setCurrentIndex(-1);
        ui_.size->clearEditText();
    }
    const auto blankNumber = [&](NumberField* f, std::string_view field) {
        if (differs(field))
            f->clear();
    };
    const std::array<std::string_view, 4> towns = {"playerCastles", "playerTowns", "neutralCastles",
                                                   "neutralTowns"};
    for (size_t i = 0; i < towns.size(); ++i)
        blankNumber(ui_.townCounts[i], towns[i]);
    const std::array<std::string_view, 7> mines = {
        "mineWood", "mineMercury", "mineOre", "mineSulfur", "mineCrystal", "mineGems", "mineGold"};
    for (size_t i = 0; i < mines.size(); ++i)
        blankNumber(ui_.mines[i], mines[i]);
    const std::array<std::string_view, 4> limits = {"minHumans", "maxHumans", "minPlayers",
                                                    "maxPlayers"};
    for (size_t i = 0; i < limits.size(); ++i)
        blankNumber(ui_.limits[i], limits[i]);
    const std::array<std::string_view, 3> parts = {"low", "high", "density"};
    for (size_t g = 0; g < 3; ++g) {
        const std::string group = "treasure[" + std::to_string(g) + "].";
        bool groupDiffers = false;
        for (size_t k = 0; k < parts.size(); ++k) {
            blankNumber(ui_.treasureFields[g][k], group + std::string(parts[k]));
            groupDiffers = groupDiffers || differs(group + std::string(parts[k]));
        }
        if (groupDiffers) {
            const QSignalBlocker block(ui_.treasureLists[g]);
            ui_.treasureLists[g]->setCurrentIndex(-1);
        }
    }
    const auto partlyChecked = [&](QCheckBox* box, std::string_view field) {
        if (!differs(field))
            return;
        const QSignalBlocker block(box);
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    };
    partlyChecked(ui_.sameTownType, "sameTownType");
    partlyChecked(ui_.terrainMatchesTown, "terrainMatchesTown");
    partlyChecked(ui_.monstersMatchTown, "monstersMatchTown");
    const std::pair<CheckColumns*, std::string> lists[] = {{ui_.townTypes, "townTypes"},
                                                           {ui_.terrains, "terrains"},
                                                           {ui_.monsterTypes, "monsterTypes"}};
    for (const auto& [columns, name] : lists)
        for (int i = 0; i < columns->count(); ++i)
            partlyChecked(columns->box(i), name + "[" + std::to_string(i) + "]");
}

std::vector<ZoneRecord> ZoneDialog::readBackSeveral(const std::vector<ZoneRecord>& records) const {
    const ZoneRecord edited = readBack();
    return applyChangedFields(records, edited, changedFields(several_.merged, edited, touched_));
}

void ZoneDialog::showTreasure(int group) {
    const auto g = static_cast<size_t>(group);
    for (size_t k = 0; k < kTreasureFields.size(); ++k)
        ui_.treasureFields[g][k]->setHeld(form_.values.treasure[g].*kTreasureFields[k]);
    setListPosition(*ui_.treasureLists[g], form_.treasurePreset[g]);
}

void ZoneDialog::fill(const ZoneRecord& r) {
    // Undetermined states are for several zones only.
    touched_.assign(zoneFields().size(), false);
    severalRecords_.clear();
    severalNumbers_.clear();
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setTristate(false);
    form_.fill(r);
    const ZoneRecord& z = form_.values;
    setListPosition(*ui_.kind, z.kind);
    ui_.size->refresh();
    setListPosition(*ui_.owner, z.owner);
    setListPosition(*ui_.towns, z.townMode);
    for (size_t i = 0; i < kTownCountFields.size(); ++i)
        ui_.townCounts[i]->setHeld(z.*kTownCountFields[i]);
    ui_.sameTownType->setChecked(z.sameTownType);
    ui_.townTypes->setStates(z.townTypes);
    for (size_t i = 0; i < kMinePlaces.size(); ++i)
        ui_.mines[i]->setHeld(z.*kMinePlaces[i].field);
    ui_.terrainMatchesTown->setChecked(z.terrainMatchesTown);
    ui_.terrains->setStates(z.terrains);
    setListPosition(*ui_.monsterStrength, z.monsterStrength);
    ui_.monstersMatchTown->setChecked(z.monstersMatchTown);
    ui_.monsterTypes->setStates(z.monsterTypes);
    for (int g = 0; g < 3; ++g)
        showTreasure(g);
    setListPosition(*ui_.existence, z.existMode);
    for (size_t i = 0; i < kLimitFields.size(); ++i)
        ui_.limits[i]->setHeld(z.*kLimitFields[i]);
    ui_.kept->refresh();
    applyVisibility();
    ui_.kind->setFocus();
}

void ZoneDialog::applyVisibility() {
    ui_.townSettings->setVisible(form_.townSettingsVisible());
    ui_.terrains->setVisible(form_.terrainListVisible());
    ui_.monsterTypes->setVisible(form_.monsterListVisible());
    for (int g = 0; g < 3; ++g)
        ui_.treasurePanels[static_cast<size_t>(g)]->setVisible(form_.treasurePanelVisible(g));
    ui_.limitsPanel->setVisible(form_.limitsVisible());
}

void ZoneDialog::accept() {
    bool ok = false;
    if (severalRecords_.empty()) {
        ok = form_.accept(services_);
    } else {
        // Every zone as it would be stored must pass, not only the first.
        form_.size.leave();
        const auto problem = firstZoneProblem(readBackSeveral(severalRecords_), severalNumbers_);
        if (problem)
            services_.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        ok = !problem;
    }
    ui_.size->refresh();
    if (ok)
        QDialog::accept();
}

} // namespace zw
