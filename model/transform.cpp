#include "model/transform.h"

#include "model/numbers.h"
#include "model/project_file.h"
#include "model/translation.h"

#include <algorithm>
#include <limits>

namespace zw {
namespace {

constexpr int64_t kGridMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kGridMax = std::numeric_limits<int32_t>::max();

bool onGrid(int64_t v) {
    return v >= kGridMin && v <= kGridMax;
}

uint64_t nodeKey(int64_t x, int64_t y) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) |
           static_cast<uint64_t>(static_cast<uint32_t>(y));
}

// Flags of the selected zones, indexed like t.zones.
std::vector<bool> selectionFlags(const TRmg& t, std::span<const int32_t> indices) {
    std::vector<bool> flags(t.zones.size(), false);
    for (const int32_t k : indices)
        flags[static_cast<size_t>(k)] = true;
    return flags;
}

EditRefusal nodeTakenRefusal() {
    return EditRefusal{translated("Model", kNodeTakenMessage)};
}

// Places the selected zones (normalized indices) at `target(zone)` when every
// new node is on the grid and free of the unselected zones.
template <class Target>
EditResult placeSelected(const TRmg& t, const std::vector<int32_t>& indices, Target target) {
    const NodeIndex others(t, selectionFlags(t, indices));
    std::vector<GridNode64> nodes;
    nodes.reserve(indices.size());
    for (const int32_t k : indices) {
        const GridNode64 n = target(t.zones[static_cast<size_t>(k)]);
        if (!onGrid(n.x) || !onGrid(n.y))
            return EditRefusal{translated("Model", kOffGridMessage)};
        if (others.touches(n.x, n.y))
            return nodeTakenRefusal();
        nodes.push_back(n);
    }
    TRmg out = t;
    for (size_t i = 0; i < indices.size(); ++i) {
        ZoneRecord& z = out.zones[static_cast<size_t>(indices[i])];
        z.gridX = static_cast<int32_t>(nodes[i].x);
        z.gridY = static_cast<int32_t>(nodes[i].y);
    }
    return out;
}

bool validIndex(const TRmg& t, int32_t k) {
    return k >= 0 && static_cast<size_t>(k) < t.zones.size();
}

} // namespace

// ---- The placement rule ----

bool nodesTouch(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
    return ax - bx <= 1 && bx - ax <= 1 && ay - by <= 1 && by - ay <= 1;
}

bool nodeTaken(const TRmg& t, int64_t x, int64_t y, int skip) {
    for (size_t k = 0; k < t.zones.size(); ++k) {
        if (static_cast<int>(k) == skip)
            continue;
        if (nodesTouch(t.zones[k].gridX, t.zones[k].gridY, x, y))
            return true;
    }
    return false;
}

NodeIndex::NodeIndex(const TRmg& t, const std::vector<bool>& leaveOut) {
    nodes_.reserve(t.zones.size());
    for (size_t k = 0; k < t.zones.size(); ++k)
        if (k >= leaveOut.size() || !leaveOut[k])
            add(t.zones[k].gridX, t.zones[k].gridY);
}

void NodeIndex::add(int64_t x, int64_t y) {
    if (onGrid(x) && onGrid(y))
        nodes_.insert(nodeKey(x, y));
}

bool NodeIndex::touches(int64_t x, int64_t y) const {
    for (int64_t nx = x - 1; nx <= x + 1; ++nx)
        for (int64_t ny = y - 1; ny <= y + 1; ++ny)
            if (onGrid(nx) && onGrid(ny) && nodes_.count(nodeKey(nx, ny)))
                return true;
    return false;
}

// ---- Selections ----

std::variant<std::vector<int32_t>, EditRefusal> normalizeSelection(const TRmg& t,
                                                                   std::span<const int32_t> sel) {
    if (sel.empty())
        return EditRefusal{translated("Model", kEmptySelectionMessage)};
    for (const int32_t k : sel)
        if (!validIndex(t, k))
            return EditRefusal{withArguments(ZW_TR("Model", "Нет локации с номером %1."),
                                             {std::to_string(int64_t{k} + 1)})};
    std::vector<int32_t> out(sel.begin(), sel.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

int64_t GridExtent::centreX() const {
    return floorDiv(minX + maxX, 2);
}
int64_t GridExtent::centreY() const {
    return floorDiv(minY + maxY, 2);
}

std::optional<GridExtent> extentOf(const TRmg& t, std::span<const int32_t> indices) {
    if (indices.empty())
        return std::nullopt;
    const ZoneRecord& first = t.zones[static_cast<size_t>(indices.front())];
    GridExtent e{first.gridX, first.gridX, first.gridY, first.gridY};
    for (const int32_t k : indices) {
        const ZoneRecord& z = t.zones[static_cast<size_t>(k)];
        e.minX = std::min<int64_t>(e.minX, z.gridX);
        e.maxX = std::max<int64_t>(e.maxX, z.gridX);
        e.minY = std::min<int64_t>(e.minY, z.gridY);
        e.maxY = std::max<int64_t>(e.maxY, z.gridY);
    }
    return e;
}

// ---- Group move and delete ----

EditResult moveZones(const TRmg& t, std::span<const int32_t> sel, int64_t dx, int64_t dy) {
    // Beyond twice the grid's width every move leaves it; the bound keeps the
    // sums below from overflowing.
    constexpr int64_t kFar = 2 * (kGridMax - kGridMin);
    if (dx < -kFar || dx > kFar || dy < -kFar || dy > kFar)
        return EditRefusal{translated("Model", kOffGridMessage)};
    auto normal = normalizeSelection(t, sel);
    if (auto* refusal = std::get_if<EditRefusal>(&normal))
        return std::move(*refusal);
    return placeSelected(t, std::get<std::vector<int32_t>>(normal), [dx, dy](const ZoneRecord& z) {
        return GridNode64{z.gridX + dx, z.gridY + dy};
    });
}

EditResult deleteZones(const TRmg& t, std::span<const int32_t> sel) {
    auto normal = normalizeSelection(t, sel);
    if (auto* refusal = std::get_if<EditRefusal>(&normal))
        return std::move(*refusal);
    const auto& indices = std::get<std::vector<int32_t>>(normal);
    const std::vector<bool> removed = selectionFlags(t, indices);
    // removedBelow[i]: selected zones with an index below i. An index at or
    // beyond the list (only a damaged template has one) drops by all of them,
    // as it would under removing the zones one at a time.
    std::vector<int32_t> removedBelow(t.zones.size() + 1, 0);
    for (size_t i = 0; i < t.zones.size(); ++i)
        removedBelow[i + 1] = removedBelow[i] + (removed[i] ? 1 : 0);
    auto renumber = [&](int32_t i) -> int32_t {
        if (i < 0)
            return i;
        const size_t at = std::min(static_cast<size_t>(i), t.zones.size());
        return i - removedBelow[at];
    };
    auto isRemoved = [&](int32_t i) { return validIndex(t, i) && removed[static_cast<size_t>(i)]; };

    TRmg out;
    out.name = t.name;
    out.header = t.header;
    out.kinds = t.kinds;
    out.kept = t.kept;
    out.zones.reserve(t.zones.size() - indices.size());
    for (size_t i = 0; i < t.zones.size(); ++i)
        if (!removed[i])
            out.zones.push_back(t.zones[i]);
    out.connections.reserve(t.connections.size());
    for (ConnectionRecord c : t.connections) {
        if (isRemoved(c.zoneA) || isRemoved(c.zoneB))
            continue;
        c.zoneA = renumber(c.zoneA);
        c.zoneB = renumber(c.zoneB);
        out.connections.push_back(c);
    }
    return out;
}

DeletionCounts deletionCounts(const TRmg& t, std::span<const int32_t> sel) {
    DeletionCounts counts;
    std::vector<bool> flags(t.zones.size(), false);
    for (const int32_t k : sel) {
        if (validIndex(t, k) && !flags[static_cast<size_t>(k)]) {
            flags[static_cast<size_t>(k)] = true;
            ++counts.zones;
        }
    }
    auto selected = [&](int32_t i) { return validIndex(t, i) && flags[static_cast<size_t>(i)]; };
    for (const ConnectionRecord& c : t.connections)
        if (selected(c.zoneA) || selected(c.zoneB))
            ++counts.connections;
    return counts;
}

std::string deleteQuestion(const DeletionCounts& counts) {
    return withArguments(ZW_TR("Model", "Вы действительно хотите удалить выбранные локации (%1) и "
                                        "все соединенные с ними переходы (%2)?"),
                         {std::to_string(counts.zones), std::to_string(counts.connections)});
}

// ---- Symmetry ----

GridNode64 transformNode(Symmetry s, const GridExtent& e, int64_t x, int64_t y) {
    const int64_t cx = e.centreX();
    const int64_t cy = e.centreY();
    switch (s) {
    case Symmetry::MirrorLeftRight:
        return {e.minX + e.maxX - x, y};
    case Symmetry::MirrorTopBottom:
        return {x, e.minY + e.maxY - y};
    case Symmetry::Rotate180:
        return {e.minX + e.maxX - x, e.minY + e.maxY - y};
    case Symmetry::Rotate90:
        return {cx - (y - cy), cy + (x - cx)};
    case Symmetry::Rotate270:
        return {cx + (y - cy), cy - (x - cx)};
    }
    return {x, y};
}

GridNode64 duplicateNode(Symmetry s, const GridExtent& e, int64_t x, int64_t y) {
    const int64_t px = e.maxX + 1;
    const int64_t py = e.maxY + 1;
    switch (s) {
    case Symmetry::MirrorLeftRight:
        return {2 * px - x, y};
    case Symmetry::MirrorTopBottom:
        return {x, 2 * py - y};
    case Symmetry::Rotate180:
        return {2 * px - x, 2 * py - y};
    case Symmetry::Rotate90:
        return {px - (y - py), py + (x - px)};
    case Symmetry::Rotate270:
        return {px + (y - py), py - (x - px)};
    }
    return {x, y};
}

EditResult transformZones(const TRmg& t, std::span<const int32_t> sel, Symmetry s) {
    auto normal = normalizeSelection(t, sel);
    if (auto* refusal = std::get_if<EditRefusal>(&normal))
        return std::move(*refusal);
    const auto& indices = std::get<std::vector<int32_t>>(normal);
    const GridExtent e = *extentOf(t, indices);
    return placeSelected(
        t, indices, [s, &e](const ZoneRecord& z) { return transformNode(s, e, z.gridX, z.gridY); });
}

OwnerMap identityOwnerMap() {
    OwnerMap m{};
    for (size_t o = 0; o < m.size(); ++o)
        m[o] = static_cast<int32_t>(o);
    return m;
}

std::optional<EditRefusal> checkProjectCapacity(size_t zones, size_t connections) {
    const auto limit = static_cast<size_t>(kMaxProjectRecords);
    if (zones <= limit && connections <= limit)
        return std::nullopt;
    return EditRefusal{withArguments(
        ZW_TR("Model", "Шаблон стал бы слишком большим: локаций было бы %1, переходов %2, а файл "
                       "проекта вмещает не больше %3 тех и других."),
        {std::to_string(zones), std::to_string(connections), std::to_string(limit)})};
}

EditResult duplicateZones(const TRmg& t, std::span<const int32_t> sel, Symmetry s,
                          const OwnerMap& owners) {
    auto normal = normalizeSelection(t, sel);
    if (auto* refusal = std::get_if<EditRefusal>(&normal))
        return std::move(*refusal);
    const auto& indices = std::get<std::vector<int32_t>>(normal);
    const GridExtent e = *extentOf(t, indices);

    // Index of each original's copy, -1 for zones that are not copied.
    std::vector<int32_t> copyOf(t.zones.size(), -1);
    for (size_t i = 0; i < indices.size(); ++i)
        copyOf[static_cast<size_t>(indices[i])] = static_cast<int32_t>(t.zones.size() + i);
    auto copied = [&](int32_t k) {
        return validIndex(t, k) && copyOf[static_cast<size_t>(k)] >= 0;
    };
    size_t newConnections = 0;
    for (const ConnectionRecord& c : t.connections)
        newConnections += copied(c.zoneA) && copied(c.zoneB) ? 1 : 0;
    if (auto refusal = checkProjectCapacity(t.zones.size() + indices.size(),
                                            t.connections.size() + newConnections))
        return std::move(*refusal);

    const NodeIndex existing(t);
    TRmg out = t;
    out.zones.reserve(t.zones.size() + indices.size());
    for (const int32_t k : indices) {
        ZoneRecord z = t.zones[static_cast<size_t>(k)];
        const GridNode64 n = duplicateNode(s, e, z.gridX, z.gridY);
        if (!onGrid(n.x) || !onGrid(n.y))
            return EditRefusal{translated("Model", kOffGridMessage)};
        if (existing.touches(n.x, n.y))
            return nodeTakenRefusal();
        z.gridX = static_cast<int32_t>(n.x);
        z.gridY = static_cast<int32_t>(n.y);
        if (z.owner >= 0 && z.owner <= kPlayerSlots)
            z.owner = owners[static_cast<size_t>(z.owner)];
        out.zones.push_back(z);
    }
    out.connections.reserve(t.connections.size() + newConnections);
    for (const ConnectionRecord& c : t.connections) {
        if (!copied(c.zoneA) || !copied(c.zoneB))
            continue;
        ConnectionRecord copy = c;
        copy.zoneA = copyOf[static_cast<size_t>(c.zoneA)];
        copy.zoneB = copyOf[static_cast<size_t>(c.zoneB)];
        out.connections.push_back(copy);
    }
    return out;
}

// ---- Command-line arguments ----

namespace {

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> splitOn(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(sep, start);
        parts.push_back(trimSpaces(text.substr(start, at - start)));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

// A decimal number of digits only, or nullopt. Values above `cap` are
// reported as cap + 1, so that huge numbers are still told apart from junk.
std::optional<int64_t> decimal(std::string_view s, int64_t cap) {
    const auto v = parseInteger(s, kDigitsOnly);
    if (v && *v > cap)
        return cap + 1;
    return v;
}

std::string quotedArg(std::string_view s) {
    return "'" + std::string(s) + "'";
}

} // namespace

std::variant<std::vector<int32_t>, ArgumentError> parseZoneList(std::string_view text,
                                                                size_t zoneCount) {
    if (trimSpaces(text).empty())
        return ArgumentError{ZW_TR("Model", "список локаций пуст")};
    const auto count = static_cast<int64_t>(zoneCount);
    auto checked = [&](std::string_view item, std::string_view number,
                       int64_t& out) -> std::optional<ArgumentError> {
        const auto v = decimal(number, count);
        if (!v)
            return ArgumentError{withArguments(
                ZW_TR("Model", "неверный элемент списка локаций %1: ожидается номер локации или "
                               "диапазон вида 3-5"),
                {quotedArg(item)})};
        if (*v < 1 || *v > count)
            return ArgumentError{
                withArguments(ZW_TR("Model", "нет локации %1 (локаций в шаблоне: %2)"),
                              {number, std::to_string(zoneCount)})};
        out = *v;
        return std::nullopt;
    };
    std::vector<bool> chosen(zoneCount, false);
    for (const std::string_view item : splitOn(text, ',')) {
        const size_t dash = item.find('-');
        const std::string_view first = trimSpaces(item.substr(0, dash));
        const std::string_view last =
            dash == std::string_view::npos ? first : trimSpaces(item.substr(dash + 1));
        int64_t from = 0;
        int64_t to = 0;
        if (auto error = checked(item, first, from))
            return *error;
        if (auto error = checked(item, last, to))
            return *error;
        if (from > to)
            return ArgumentError{
                withArguments(ZW_TR("Model", "обратный диапазон %1: пишите %2-%3"),
                              {quotedArg(item), std::to_string(to), std::to_string(from)})};
        for (int64_t n = from; n <= to; ++n)
            chosen[static_cast<size_t>(n - 1)] = true;
    }
    std::vector<int32_t> indices;
    for (size_t k = 0; k < chosen.size(); ++k)
        if (chosen[k])
            indices.push_back(static_cast<int32_t>(k));
    return indices;
}

std::variant<OwnerMap, ArgumentError> parseOwnerMap(std::string_view text) {
    if (trimSpaces(text).empty())
        return ArgumentError{ZW_TR("Model", "список замены владельцев пуст")};
    OwnerMap map = identityOwnerMap();
    std::array<bool, kPlayerSlots + 1> named{};
    for (const std::string_view item : splitOn(text, ',')) {
        const size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            return ArgumentError{withArguments(
                ZW_TR("Model", "неверная пара владельцев %1: ожидается A=B с игроками от 1 до 8"),
                {quotedArg(item)})};
        const std::string_view fromText = trimSpaces(item.substr(0, eq));
        const std::string_view toText = trimSpaces(item.substr(eq + 1));
        const auto from = decimal(fromText, kPlayerSlots);
        const auto to = decimal(toText, kPlayerSlots);
        if (!from || !to)
            return ArgumentError{withArguments(
                ZW_TR("Model", "неверная пара владельцев %1: ожидается A=B с игроками от 1 до 8"),
                {quotedArg(item)})};
        for (const auto& [value, digits] : {std::pair{*from, fromText}, std::pair{*to, toText}})
            if (value < 1 || value > kPlayerSlots)
                return ArgumentError{withArguments(ZW_TR("Model", "владелец %1 в %2 не от 1 до 8"),
                                                   {digits, quotedArg(item)})};
        if (named[static_cast<size_t>(*from)])
            return ArgumentError{
                withArguments(ZW_TR("Model", "игрок %1 заменяется дважды"), {fromText})};
        named[static_cast<size_t>(*from)] = true;
        map[static_cast<size_t>(*from)] = static_cast<int32_t>(*to);
    }
    return map;
}

} // namespace zw
