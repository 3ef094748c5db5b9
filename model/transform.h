// Operations on a group of zones: the placement rule, moving, deleting,
// mirroring and rotating a selection in place, and duplicating it for other
// players. Each one is a pure function from a template to either the changed
// template or a refusal, so that the window and the command-line tool share
// them and the caller records its history step only when something changes.
//
// A selection is a list of 0-based zone indices in any order; repeats count
// once. Grid arithmetic is done in 64 bits: a result that would leave the
// 32-bit range of gridX and gridY is refused, never wrapped.
#pragma once

#include "model/records.h"
#include "model/translation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <variant>
#include <vector>

namespace zw {

// Refusals kept as constants (Russian, as tests compare them); shown through
// translated("Model", ...).
inline constexpr std::string_view kNodeTakenMessage =
    ZW_TR_NOOP("Model", "Здесь уже есть локация. Во избежание пересечения и совпадания локаций, "
                        "размещение их в одной, а также соседних узлах запрещено.");
inline constexpr std::string_view kEmptySelectionMessage =
    ZW_TR_NOOP("Model", "Не выбрано ни одной локации.");
inline constexpr std::string_view kOffGridMessage =
    ZW_TR_NOOP("Model", "Локации вышли бы за пределы сетки: координаты узлов ограничены числами "
                        "от -2147483648 до 2147483647.");

// Why an operation changed nothing: a message for the user (UTF-8).
struct EditRefusal {
    std::string message;
};
using EditResult = std::variant<TRmg, EditRefusal>;

// ---- The placement rule ----

// Two nodes are "on or next to" each other when their Chebyshev distance is at
// most 1: the same node or one of its eight neighbours.
bool nodesTouch(int64_t ax, int64_t ay, int64_t bx, int64_t by);

// True when some zone other than `skip` (-1 for none) stands on (x, y) or next
// to it. Zones are examined in list order; the first one ends the search.
bool nodeTaken(const TRmg& t, int64_t x, int64_t y, int skip = -1);

// The nodes of a set of zones, for testing many nodes against them at once.
class NodeIndex {
  public:
    NodeIndex() = default;
    // The nodes of every zone of `t` whose entry in `leaveOut` is not set; an
    // empty `leaveOut` leaves none out.
    explicit NodeIndex(const TRmg& t, const std::vector<bool>& leaveOut = {});
    void add(int64_t x, int64_t y);
    // True when an indexed zone stands on (x, y) or next to it.
    bool touches(int64_t x, int64_t y) const;

  private:
    std::unordered_set<uint64_t> nodes_;
};

// ---- Selections ----

// The selection's indices in ascending order without repeats, or a refusal
// when it is empty or names a zone the template does not have.
std::variant<std::vector<int32_t>, EditRefusal> normalizeSelection(const TRmg& t,
                                                                   std::span<const int32_t> sel);

// The extremes of gridX and gridY over a selection. The centre is the floor of
// the midpoint on each axis, also for negative coordinates: the extent -3..0
// has its centre at -2, not -1.
struct GridExtent {
    int64_t minX = 0;
    int64_t maxX = 0;
    int64_t minY = 0;
    int64_t maxY = 0;

    int64_t centreX() const;
    int64_t centreY() const;
    bool operator==(const GridExtent&) const = default;
};
// The extent of the given (valid) zone indices; nullopt for none.
std::optional<GridExtent> extentOf(const TRmg& t, std::span<const int32_t> indices);

// Floor of a / b for b > 0.
int64_t floorDiv(int64_t a, int64_t b);

// ---- Group move and delete ----

// Moves every selected zone by (dx, dy). Refused as a whole, with
// kNodeTakenMessage, when any would land on or next to an unselected zone.
EditResult moveZones(const TRmg& t, std::span<const int32_t> sel, int64_t dx, int64_t dy);

// Removes the selected zones and every connection with an end among them; the
// other zones and connections keep their order and are renumbered, exactly as
// removing the zones one by one from the highest index would.
EditResult deleteZones(const TRmg& t, std::span<const int32_t> sel);

struct DeletionCounts {
    size_t zones = 0;
    size_t connections = 0; // connections with at least one end selected
    bool operator==(const DeletionCounts&) const = default;
};
DeletionCounts deletionCounts(const TRmg& t, std::span<const int32_t> sel);
// The Yes/No question asked before a group delete.
std::string deleteQuestion(const DeletionCounts& counts);

// ---- Symmetry ----

enum class Symmetry { MirrorLeftRight, MirrorTopBottom, Rotate90, Rotate180, Rotate270 };

struct GridNode64 {
    int64_t x = 0;
    int64_t y = 0;
    bool operator==(const GridNode64&) const = default;
};

// Where node (x, y) goes under `s` about the extent `e`, for the transform in
// place, which keeps the group over its own area:
//   mirror left-right  x' = minX + maxX - x
//   mirror top-bottom  y' = minY + maxY - y
//   rotate 180         both of the above
//   rotate 90          x' = cx - (y - cy), y' = cy + (x - cx)  (clockwise on the canvas)
//   rotate 270         x' = cx + (y - cy), y' = cy - (x - cx)
GridNode64 transformNode(Symmetry s, const GridExtent& e, int64_t x, int64_t y);

// Where the copy of node (x, y) goes under `s` when duplicating a selection of
// extent `e`. The pivot is the node just beyond the extent's bottom-right
// corner, px = maxX + 1, py = maxY + 1, so the copy lands beside the originals
// with one free column or row between them, as the other players' parts of a
// template lie about its centre (rows grow downwards):
//   mirror left-right  x' = 2 px - x                       (to the right)
//   mirror top-bottom  y' = 2 py - y                       (below)
//   rotate 180         both of the above                   (below right)
//   rotate 90          x' = px - (y - py), y' = py + (x - px)  (to the right)
//   rotate 270         x' = px + (y - py), y' = py - (x - px)  (below)
// So a four-player template is one player's top-left quarter duplicated with
// rotate 90 (top right), rotate 180 (bottom right) and rotate 270 (bottom left).
GridNode64 duplicateNode(Symmetry s, const GridExtent& e, int64_t x, int64_t y);

// Mirrors or rotates the selected zones in place by transformNode(); they keep
// their numbers. Refused as a whole, with kOffGridMessage, when any would leave
// the grid, and with kNodeTakenMessage when any would land on or next to an
// unselected zone.
EditResult transformZones(const TRmg& t, std::span<const int32_t> sel, Symmetry s);

// Owner o (0..8) becomes ownerMap[o]. Owners outside 0..8 stay as they are.
using OwnerMap = std::array<int32_t, kPlayerSlots + 1>;
OwnerMap identityOwnerMap();

// Appends a copy of the selected zones in the order of their numbers, each
// placed by duplicateNode() and with its owner mapped, then a copy of every
// connection with both ends selected, in order, pointing at the copies. The
// originals stay. Refused as a whole, with kOffGridMessage, when a copy would
// leave the grid, with kNodeTakenMessage when one would land on or next to any
// existing zone, and when the template would outgrow the project file.
EditResult duplicateZones(const TRmg& t, std::span<const int32_t> sel, Symmetry s,
                          const OwnerMap& owners);

// Refusal when a template with this many zones and connections could not be
// saved as a project file.
std::optional<EditRefusal> checkProjectCapacity(size_t zones, size_t connections);

// ---- Command-line arguments ----

// An English message for the command line.
struct ArgumentError {
    std::string message;
};

// "1,3-5": zone numbers and inclusive ranges of them, separated by commas,
// spaces around items allowed. Returns 0-based indices, ascending, without
// repeats. Refuses an empty list, a malformed item, a reversed range, 0 and
// numbers beyond `zoneCount`.
std::variant<std::vector<int32_t>, ArgumentError> parseZoneList(std::string_view text,
                                                                size_t zoneCount);

// "1=2,3=4": owner pairs, each player 1..8, no player mapped twice. Players
// not named keep their zones.
std::variant<OwnerMap, ArgumentError> parseOwnerMap(std::string_view text);

} // namespace zw
