// The zone dialog on several zones without its window, and the owner pairs of
// the "duplicate for players" dialog.
#include "dialogs/duplicate_logic.h"
#include "dialogs/multi_zone_logic.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// The names of the fields in which the merged zones differ, in field order.
std::vector<std::string> differing(const MergedZones& m) {
    std::vector<std::string> names;
    for (size_t k = 0; k < zoneFields().size(); ++k)
        if (m.differs.at(k))
            names.push_back(zoneFields()[k].name);
    return names;
}

TEST(MultiZoneLogic, EveryEditedValueIsOneFieldAndTheGridIsNone) {
    // Each field writes only itself: setting one leaves every other as it was.
    const ZoneRecord base = makeDefaultZone();
    for (const ZoneField& f : zoneFields()) {
        ZoneRecord z = base;
        f.set(z, f.get(base) == 0 ? 1 : 0);
        size_t changed = 0;
        for (const ZoneField& g : zoneFields())
            changed += g.get(z) != g.get(base) ? 1 : 0;
        EXPECT_EQ(changed, 1u) << f.name;
        EXPECT_EQ(z.gridX, base.gridX);
    }
    EXPECT_EQ(zoneFieldIndex("gridX"), zoneFields().size());
    EXPECT_LT(zoneFieldIndex("treasure[2].density"), zoneFields().size());
}

TEST(MultiZoneLogic, ChangedFieldsOnlyAreWrittenIntoEachZone) {
    ZoneRecord a = makeDefaultZone();
    a.owner = 1, a.terrains[2] = false, a.gridX = 4;
    ZoneRecord b = makeDefaultZone();
    b.owner = 2, b.treasure[0].low = 500, b.gridX = 9;
    const std::vector<ZoneRecord> records = {a, b};
    const MergedZones m = mergeZones(records);
    EXPECT_EQ(m.merged, a);
    EXPECT_EQ(differing(m), (std::vector<std::string>{"owner", "terrains[2]", "treasure[0].low"}));

    // The user raises the treasure's high mark and sets terrain 2 on; the owner
    // is set explicitly to the value shown (the first zone's), so it counts too.
    ZoneRecord edited = m.merged;
    edited.treasure[0].high = 99999;
    edited.terrains[2] = true;
    std::vector<bool> touched(zoneFields().size(), false);
    touched[zoneFieldIndex("owner")] = true;
    const std::vector<bool> changed = changedFields(m.merged, edited, touched);
    EXPECT_EQ(std::count(changed.begin(), changed.end(), true), 3);

    const std::vector<ZoneRecord> out = applyChangedFields(records, edited, changed);
    ASSERT_EQ(out.size(), 2u);
    for (const ZoneRecord& z : out) {
        EXPECT_EQ(z.treasure[0].high, 99999);
        EXPECT_TRUE(z.terrains[2]);
        EXPECT_EQ(z.owner, 1);
    }
    EXPECT_EQ(out[0].treasure[0].low, a.treasure[0].low); // not changed: each keeps its own
    EXPECT_EQ(out[1].treasure[0].low, 500);
    EXPECT_EQ(out[0].gridX, 4);
    EXPECT_EQ(out[1].gridX, 9);
    // Nothing touched or changed: every zone stays as it was.
    EXPECT_EQ(applyChangedFields(records, m.merged, changedFields(m.merged, m.merged, {})),
              records);
}

TEST(DuplicateLogic, ListPositionsBecomeOwnerPairs) {
    DuplicateForm form;
    EXPECT_EQ(form.settings().owners, identityOwnerMap());
    EXPECT_EQ(form.settings().symmetry, Symmetry::MirrorLeftRight);
    form.targets[0] = 1;  // player 1 → player 2
    form.targets[1] = 0;  // player 2 → player 1
    form.targets[7] = 42; // out of the list: keeps player 8
    form.transform = 3;
    const DuplicateSettings s = form.settings();
    EXPECT_EQ(s.owners, (OwnerMap{0, 2, 1, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s.symmetry, Symmetry::Rotate180);
    form.transform = 5;
    EXPECT_EQ(form.settings().symmetry, Symmetry::MirrorLeftRight);
    EXPECT_EQ(duplicateRowCaption(3), "Игрок 3 →");
}

} // namespace
} // namespace zw
