// The one list of every record's fields: for each field its member, its JSON
// key and its byte offset in the record's image. The binary reader and writer
// (record_io.cpp) and the JSON form (template_json.cpp) both walk these lists,
// so a field cannot be known to one and forgotten by the other.
//
// The member's type says how the field is stored:
//   int32_t                    4 bytes, little-endian; a JSON integer
//   bool                       1 byte, non-zero reads true; a JSON boolean
//   std::array<bool, N>        N flag bytes; a JSON array of N booleans
//   std::array<int32_t, N>     N int32 values; a JSON array of N integers
//   std::array<Record, N>      N nested record images one after the other;
//                              a JSON array of objects
// Bytes between fields are padding, written as zeros; the static_asserts below
// check that the fields lie in ascending order inside their record.
#pragma once

#include "model/record_io.h"
#include "model/records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

namespace zw {

// How many entries a JSON array of nested records must have: all of them, or
// any number up to all (the entries left out keep their defaults).
enum class ListRule { Exact, UpToAll };

template <class Record, class Value> struct Field {
    const char* key;
    size_t offset;
    Value Record::*member;
    ListRule rule = ListRule::Exact;
};

template <class Record, class Value>
constexpr Field<Record, Value> field(const char* key, size_t offset, Value Record::*member,
                                     ListRule rule = ListRule::Exact) {
    return {key, offset, member, rule};
}

// Byte count and field list of each record. Not defined for other types.
template <class Record> struct RecordLayout;

template <> struct RecordLayout<TemplateHeader> {
    static constexpr size_t bytes = kTemplateHeaderBytes;
    static constexpr auto fields = std::tuple{
        field("minSize", 0, &TemplateHeader::minSize),
        field("maxSize", 4, &TemplateHeader::maxSize),
        field("playerCountIndex", 8, &TemplateHeader::playerCountIndex),
    };
};

template <> struct RecordLayout<PlayerKindTable> {
    static constexpr size_t bytes = kPlayerKindTableBytes;
    static constexpr auto fields = std::tuple{
        field("playerKind", 0, &PlayerKindTable::playerKind),
    };
};

template <> struct RecordLayout<TreasureGroup> {
    static constexpr size_t bytes = 12;
    static constexpr auto fields = std::tuple{
        field("low", 0, &TreasureGroup::low),
        field("high", 4, &TreasureGroup::high),
        field("density", 8, &TreasureGroup::density),
    };
};

template <> struct RecordLayout<ZoneRecord> {
    static constexpr size_t bytes = kZoneRecordBytes;
    static constexpr auto fields = std::tuple{
        field("kind", 0, &ZoneRecord::kind),
        field("size", 4, &ZoneRecord::size),
        field("owner", 8, &ZoneRecord::owner),
        field("townMode", 12, &ZoneRecord::townMode),
        field("playerCastles", 16, &ZoneRecord::playerCastles),
        field("playerTowns", 20, &ZoneRecord::playerTowns),
        field("neutralCastles", 24, &ZoneRecord::neutralCastles),
        field("neutralTowns", 28, &ZoneRecord::neutralTowns),
        field("sameTownType", 32, &ZoneRecord::sameTownType),
        field("townTypes", 33, &ZoneRecord::townTypes),
        field("mineWood", 44, &ZoneRecord::mineWood),
        field("mineMercury", 48, &ZoneRecord::mineMercury),
        field("mineOre", 52, &ZoneRecord::mineOre),
        field("mineSulfur", 56, &ZoneRecord::mineSulfur),
        field("mineCrystal", 60, &ZoneRecord::mineCrystal),
        field("mineGems", 64, &ZoneRecord::mineGems),
        field("mineGold", 68, &ZoneRecord::mineGold),
        field("terrainMatchesTown", 72, &ZoneRecord::terrainMatchesTown),
        field("terrains", 73, &ZoneRecord::terrains),
        field("monsterStrength", 84, &ZoneRecord::monsterStrength),
        field("monstersMatchTown", 88, &ZoneRecord::monstersMatchTown),
        field("monsterTypes", 89, &ZoneRecord::monsterTypes),
        field("treasure", 100, &ZoneRecord::treasure),
        field("existMode", 136, &ZoneRecord::existMode),
        field("minHumans", 140, &ZoneRecord::minHumans),
        field("maxHumans", 144, &ZoneRecord::maxHumans),
        field("minPlayers", 148, &ZoneRecord::minPlayers),
        field("maxPlayers", 152, &ZoneRecord::maxPlayers),
        field("gridX", 156, &ZoneRecord::gridX),
        field("gridY", 160, &ZoneRecord::gridY),
    };
};

template <> struct RecordLayout<PassageRecord> {
    static constexpr size_t bytes = kPassageRecordBytes;
    static constexpr auto fields = std::tuple{
        field("kind", 0, &PassageRecord::kind),
        field("guard", 4, &PassageRecord::guard),
        field("autoExist", 8, &PassageRecord::autoExist),
        field("minHumans", 12, &PassageRecord::minHumans),
        field("maxHumans", 16, &PassageRecord::maxHumans),
        field("minPlayers", 20, &PassageRecord::minPlayers),
        field("maxPlayers", 24, &PassageRecord::maxPlayers),
    };
};

template <> struct RecordLayout<ConnectionRecord> {
    static constexpr size_t bytes = kConnectionRecordBytes;
    // Slots a JSON input leaves out keep the default passage.
    static constexpr auto fields = std::tuple{
        field("zoneA", 0, &ConnectionRecord::zoneA),
        field("zoneB", 4, &ConnectionRecord::zoneB),
        field("passageCount", 8, &ConnectionRecord::passageCount),
        field("passages", 12, &ConnectionRecord::passages, ListRule::UpToAll),
    };
};

// Calls f(field) for every field of Record, in record order.
template <class Record, class F> constexpr void forEachField(F&& f) {
    std::apply([&](const auto&... fs) { (f(fs), ...); }, RecordLayout<Record>::fields);
}

// The records that have a layout.
template <class Record>
concept LaidOutRecord = requires {
    RecordLayout<Record>::bytes;
};

// Bytes a value of the member's type takes in an image.
template <class Value> struct StoredWidth;
template <> struct StoredWidth<int32_t> { static constexpr size_t bytes = 4; };
template <> struct StoredWidth<bool> { static constexpr size_t bytes = 1; };
template <LaidOutRecord Record> struct StoredWidth<Record> {
    static constexpr size_t bytes = RecordLayout<Record>::bytes;
};
template <class Element, size_t N> struct StoredWidth<std::array<Element, N>> {
    static constexpr size_t bytes = N * StoredWidth<Element>::bytes;
};

// True when every field lies inside the record and after the one before it.
template <class Record> constexpr bool fieldsFitInOrder() {
    size_t end = 0;
    bool ok = true;
    forEachField<Record>([&](const auto& f) {
        using Value = std::remove_cvref_t<decltype(std::declval<Record>().*(f.member))>;
        ok = ok && f.offset >= end;
        end = f.offset + StoredWidth<Value>::bytes;
    });
    return ok && end <= RecordLayout<Record>::bytes;
}

static_assert(fieldsFitInOrder<TemplateHeader>());
static_assert(fieldsFitInOrder<PlayerKindTable>());
static_assert(fieldsFitInOrder<TreasureGroup>());
static_assert(fieldsFitInOrder<ZoneRecord>());
static_assert(fieldsFitInOrder<PassageRecord>());
static_assert(fieldsFitInOrder<ConnectionRecord>());

} // namespace zw
