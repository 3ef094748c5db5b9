// The zone dialog on several zones at once, without its window: every field
// the dialog edits, which of them differ among the zones, and writing only the
// fields the user changed into each zone.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// One value the zone dialog edits: a number, a switch, or one entry of a list
// of switches or of a treasure group. The grid position is none of them.
struct ZoneField {
    std::string name; // "owner", "terrains[3]", "treasure[1].low"
    std::function<int64_t(const ZoneRecord&)> get;
    std::function<void(ZoneRecord&, int64_t)> set;
};
const std::vector<ZoneField>& zoneFields();
// The index of the field called `name` in zoneFields(); its size when none is.
size_t zoneFieldIndex(std::string_view name);

// What the dialog is filled with: the first record, and for each field of
// zoneFields() whether the records differ in it (shown undetermined).
struct MergedZones {
    ZoneRecord merged;
    std::vector<bool> differs;
};
MergedZones mergeZones(std::span<const ZoneRecord> records);

// The fields the user changed: those whose value in `edited` is not the one
// the dialog was filled with, and those the user set explicitly (`touched`,
// indexed like zoneFields(); shorter means not touched), even to that value.
std::vector<bool> changedFields(const ZoneRecord& merged, const ZoneRecord& edited,
                                const std::vector<bool>& touched);

// Each record with the changed fields taken from `edited`; the rest, and the
// grid position, stay.
std::vector<ZoneRecord> applyChangedFields(std::span<const ZoneRecord> records,
                                           const ZoneRecord& edited,
                                           const std::vector<bool>& changed);

} // namespace zw
