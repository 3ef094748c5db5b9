#include "model/fragment.h"

#include "model/template_json.h"
#include "model/translation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>

namespace zw {
namespace {

using nlohmann::json;

constexpr int64_t kGridMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kGridMax = std::numeric_limits<int32_t>::max();

constexpr const char* kNotAFragment = ZW_TR_NOOP("Model", "В буфере обмена нет фрагмента шаблона.");

FragmentError damaged(const std::string& detail) {
    return FragmentError{withArguments(
        ZW_TR("Model", "Фрагмент шаблона в буфере обмена поврежден (%1)."), {detail})};
}

// Fields whose values choose an entry of a fixed list: a pasted value outside
// it would reach the drawing and the dialogs as an index.
struct ListField {
    const char* key;
    int32_t ZoneRecord::*field;
    int32_t max;
};
constexpr ListField kZoneListFields[] = {
    {"kind", &ZoneRecord::kind, 2},           {"owner", &ZoneRecord::owner, kPlayerSlots},
    {"townMode", &ZoneRecord::townMode, 3},   {"monsterStrength", &ZoneRecord::monsterStrength, 3},
    {"existMode", &ZoneRecord::existMode, 2},
};

std::optional<FragmentError> checkRanges(const TRmg& f) {
    auto outside = [](const std::string& path, int32_t v, int32_t max) {
        return damaged(withArguments(ZW_TR("Model", "%1: %2 вне пределов от 0 до %3"),
                                     {path, std::to_string(v), std::to_string(max)}));
    };
    for (size_t k = 0; k < f.zones.size(); ++k)
        for (const ListField& lf : kZoneListFields) {
            const int32_t v = f.zones[k].*lf.field;
            if (v < 0 || v > lf.max)
                return outside("zones[" + std::to_string(k) + "]." + lf.key, v, lf.max);
        }
    for (size_t j = 0; j < f.connections.size(); ++j) {
        const ConnectionRecord& c = f.connections[j];
        for (int32_t p = 0; p < c.passageCount; ++p) {
            const int32_t v = c.passages[static_cast<size_t>(p)].kind;
            if (v < 0 || v > 2)
                return outside("connections[" + std::to_string(j) + "].passages[" +
                                   std::to_string(p) + "].kind",
                               v, 2);
        }
    }
    return std::nullopt;
}

// Order of the offsets within one ring: growing Euclidean distance, then
// clockwise on the canvas (y grows downwards) starting from the right.
bool ringBefore(const GridNode64& a, const GridNode64& b) {
    const int64_t da = a.x * a.x + a.y * a.y;
    const int64_t db = b.x * b.x + b.y * b.y;
    if (da != db)
        return da < db;
    auto half = [](const GridNode64& p) { return (p.y > 0 || (p.y == 0 && p.x > 0)) ? 0 : 1; };
    if (half(a) != half(b))
        return half(a) < half(b);
    return a.x * b.y - a.y * b.x > 0;
}

// The offsets at Chebyshev distance r from (0, 0), in search order.
std::vector<GridNode64> ring(int64_t r) {
    std::vector<GridNode64> out;
    if (r == 0) {
        out.push_back({0, 0});
        return out;
    }
    out.reserve(static_cast<size_t>(8 * r));
    for (int64_t d = -r; d < r; ++d) {
        out.push_back({d, -r});  // top row, left to right
        out.push_back({r, d});   // right column, top to bottom
        out.push_back({-d, r});  // bottom row, right to left
        out.push_back({-r, -d}); // left column, bottom to top
    }
    std::sort(out.begin(), out.end(), ringBefore);
    return out;
}

// Which nodes of a window of the grid lie on or next to a zone: one byte a
// node, so that testing a node is one read.
constexpr int64_t kMaxTouchMapCells = int64_t{1} << 22;
// Node tests the search for the nearest free place may spend before it gives
// up and puts the fragment past all zones: far more than pasting hundreds of
// zones beside their originals takes, and a few milliseconds of work.
constexpr int64_t kSearchBudget = 4'000'000;

class TouchMap {
  public:
    TouchMap(const TRmg& t, int64_t left, int64_t top, int64_t width, int64_t height)
        : left_(left), top_(top), width_(width), height_(height),
          cells_(static_cast<size_t>(width * height), 0) {
        for (const ZoneRecord& z : t.zones)
            for (int64_t y = int64_t{z.gridY} - 1; y <= int64_t{z.gridY} + 1; ++y)
                for (int64_t x = int64_t{z.gridX} - 1; x <= int64_t{z.gridX} + 1; ++x)
                    if (inside(x, y))
                        cells_[cell(x, y)] = 1;
    }
    // Only for nodes inside the window.
    bool touches(int64_t x, int64_t y) const { return cells_[cell(x, y)] != 0; }

  private:
    bool inside(int64_t x, int64_t y) const {
        return x >= left_ && x < left_ + width_ && y >= top_ && y < top_ + height_;
    }
    size_t cell(int64_t x, int64_t y) const {
        return static_cast<size_t>((y - top_) * width_ + (x - left_));
    }

    int64_t left_, top_, width_, height_;
    std::vector<uint8_t> cells_;
};

} // namespace

TRmg extractFragment(const TRmg& t, std::span<const int32_t> sel) {
    std::vector<int32_t> inFragment(t.zones.size(), -1);
    for (const int32_t k : sel)
        if (k >= 0 && static_cast<size_t>(k) < t.zones.size())
            inFragment[static_cast<size_t>(k)] = 0;
    TRmg f;
    for (size_t k = 0; k < t.zones.size(); ++k) {
        if (inFragment[k] < 0)
            continue;
        inFragment[k] = static_cast<int32_t>(f.zones.size());
        f.zones.push_back(t.zones[k]);
    }
    auto at = [&](int32_t k) {
        return k >= 0 && static_cast<size_t>(k) < t.zones.size()
                   ? inFragment[static_cast<size_t>(k)]
                   : -1;
    };
    for (ConnectionRecord c : t.connections) {
        const int32_t a = at(c.zoneA);
        const int32_t b = at(c.zoneB);
        if (a < 0 || b < 0)
            continue;
        c.zoneA = a;
        c.zoneB = b;
        f.connections.push_back(c);
    }
    return f;
}

std::string fragmentToText(const TRmg& fragment) {
    // Keys that hold the default value are left out: the reader starts every
    // record from the defaults, so the fragment reads back the same, and the
    // text (and the time to read it) shrinks to what differs.
    const ZoneRecord defaultZone = makeDefaultZone();
    const ConnectionRecord defaultConnection = makeDefaultConnection();
    nlohmann::ordered_json zones = nlohmann::ordered_json::array();
    for (const ZoneRecord& z : fragment.zones)
        zones.push_back(zoneToJson(z, defaultZone));
    nlohmann::ordered_json connections = nlohmann::ordered_json::array();
    for (const ConnectionRecord& c : fragment.connections)
        connections.push_back(connectionToJson(c, defaultConnection));
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    out[std::string(kFragmentMarker)] = kFragmentVersion;
    out["zones"] = std::move(zones);
    out["connections"] = std::move(connections);
    return out.dump();
}

std::variant<TRmg, FragmentError> fragmentFromText(std::string_view text) {
    // Ordered, so that kept cells come back in their order.
    nlohmann::ordered_json j;
    try {
        j = nlohmann::ordered_json::parse(text);
    } catch (const json::exception&) {
        return FragmentError{translated("Model", kNotAFragment)};
    }
    const std::string marker(kFragmentMarker);
    if (!j.is_object() || !j.contains(marker))
        return FragmentError{translated("Model", kNotAFragment)};
    const auto& version = j[marker];
    if (!version.is_number_integer() || version.get<int64_t>() < 1)
        return damaged(withArguments(ZW_TR("Model", "%1: ожидается номер версии"), {marker}));
    if (version.get<int64_t>() > kFragmentVersion)
        return FragmentError{withArguments(
            ZW_TR("Model", "Фрагмент шаблона записан более новой версией редактора (версия %1), "
                           "его нельзя вставить."),
            {version.dump()})};
    // The records go through the template reader, which refuses unknown keys,
    // wrong types and connections to zones outside the list.
    nlohmann::ordered_json records = nlohmann::ordered_json::object();
    for (const auto& item : j.items()) {
        if (item.key() == marker)
            continue;
        if (item.key() != "zones" && item.key() != "connections")
            return damaged(withArguments(ZW_TR("Model", "%1: неизвестный ключ"), {item.key()}));
        records[item.key()] = item.value();
    }
    if (!records.contains("zones"))
        return damaged(withArguments(ZW_TR("Model", "%1: нет списка локаций"), {"zones"}));
    auto read = templateFromJson(records);
    if (const auto* error = std::get_if<TemplateJsonError>(&read))
        return damaged(error->message);
    TRmg f = std::move(std::get<TRmg>(read));
    if (f.zones.empty())
        return damaged(withArguments(ZW_TR("Model", "%1: фрагмент без локаций"), {"zones"}));
    if (auto error = checkRanges(f))
        return *error;
    // Only the records count; the rest of the template stays at its defaults.
    TRmg out;
    out.zones = std::move(f.zones);
    out.connections = std::move(f.connections);
    return out;
}

GridNode64 fragmentAnchor(const TRmg& fragment) {
    if (fragment.zones.empty())
        return {};
    GridNode64 a{fragment.zones.front().gridX, fragment.zones.front().gridY};
    for (const ZoneRecord& z : fragment.zones) {
        a.x = std::min<int64_t>(a.x, z.gridX);
        a.y = std::min<int64_t>(a.y, z.gridY);
    }
    return a;
}

std::variant<GridNode64, EditRefusal> findPasteAnchor(const TRmg& t, const TRmg& fragment,
                                                      int64_t targetX, int64_t targetY) {
    if (fragment.zones.empty())
        return EditRefusal{ZW_TR("Model", "Фрагмент не содержит локаций.")};
    const GridNode64 anchor = fragmentAnchor(fragment);
    std::vector<GridNode64> rel;
    rel.reserve(fragment.zones.size());
    GridNode64 span{0, 0};
    for (const ZoneRecord& z : fragment.zones) {
        rel.push_back({z.gridX - anchor.x, z.gridY - anchor.y});
        span.x = std::max(span.x, rel.back().x);
        span.y = std::max(span.y, rel.back().y);
    }
    // The anchor may lie in [kGridMin, kGridMax - span] on each axis; the
    // fragment's own place proves the interval is not empty.
    const GridNode64 lowest{kGridMin, kGridMin};
    const GridNode64 highest{kGridMax - span.x, kGridMax - span.y};
    const GridNode64 target{std::clamp(targetX, lowest.x, highest.x),
                            std::clamp(targetY, lowest.y, highest.y)};

    size_t lastConflict = 0; // tried first: it usually blocks the next offset too
    int64_t budget = kSearchBudget;
    // The first offset of rings from..to whose fragment fits, by `touches` (a
    // test of one node against the existing zones), while the budget lasts.
    auto searchRings = [&](int64_t from, int64_t to,
                           const auto& touches) -> std::optional<GridNode64> {
        auto fits = [&](int64_t ax, int64_t ay) {
            --budget;
            if (touches(ax + rel[lastConflict].x, ay + rel[lastConflict].y))
                return false;
            for (size_t i = 0; i < rel.size(); ++i) {
                --budget;
                if (touches(ax + rel[i].x, ay + rel[i].y)) {
                    lastConflict = i;
                    return false;
                }
            }
            return true;
        };
        for (int64_t r = from; r <= to && budget > 0; ++r)
            for (const GridNode64& d : ring(r)) {
                const GridNode64 a{target.x + d.x, target.y + d.y};
                if (a.x < lowest.x || a.x > highest.x || a.y < lowest.y || a.y > highest.y)
                    continue;
                if (fits(a.x, a.y))
                    return a;
            }
        return std::nullopt;
    };

    // Each pair of an existing zone and a fragment zone blocks at most nine
    // offsets, so a square holding more offsets than that has a free one.
    const double pairs = static_cast<double>(t.zones.size()) * static_cast<double>(rel.size());
    const auto maxRadius = static_cast<int64_t>(std::ceil(1.5 * std::sqrt(pairs))) + 1;
    // The rings are searched in stages of doubling radius, each against a map
    // of the nodes the fragment can reach in it; a fragment too wide for such
    // a map is tested against the zones' node index instead.
    std::optional<NodeIndex> index;
    int64_t done = -1; // rings searched so far
    for (int64_t limit = 8; done < maxRadius && budget > 0; limit *= 2) {
        const int64_t upto = std::min(limit, maxRadius);
        const int64_t x0 = target.x - upto;
        const int64_t y0 = target.y - upto;
        const int64_t width = 2 * upto + span.x + 1;
        const int64_t height = 2 * upto + span.y + 1;
        std::optional<GridNode64> found;
        if (width <= kMaxTouchMapCells / height) {
            const TouchMap map(t, x0, y0, width, height);
            found = searchRings(done + 1, upto,
                                [&map](int64_t x, int64_t y) { return map.touches(x, y); });
        } else {
            if (!index)
                index.emplace(t);
            found = searchRings(done + 1, upto,
                                [&index](int64_t x, int64_t y) { return index->touches(x, y); });
        }
        if (found)
            return *found;
        done = upto;
    }

    // Past every existing zone: right of them all, else left, below, above.
    GridNode64 low{kGridMax, kGridMax};
    GridNode64 high{kGridMin, kGridMin};
    for (const ZoneRecord& z : t.zones) {
        low = {std::min<int64_t>(low.x, z.gridX), std::min<int64_t>(low.y, z.gridY)};
        high = {std::max<int64_t>(high.x, z.gridX), std::max<int64_t>(high.y, z.gridY)};
    }
    for (const GridNode64& a :
         {GridNode64{high.x + 2, target.y}, GridNode64{low.x - 2 - span.x, target.y},
          GridNode64{target.x, high.y + 2}, GridNode64{target.x, low.y - 2 - span.y}})
        if (a.x >= lowest.x && a.x <= highest.x && a.y >= lowest.y && a.y <= highest.y)
            return a;
    return EditRefusal{ZW_TR("Model", "Не найдено свободного места для вставки фрагмента.")};
}

EditResult pasteFragment(const TRmg& t, const TRmg& fragment, int64_t targetX, int64_t targetY) {
    const auto count = static_cast<int64_t>(fragment.zones.size());
    for (const ConnectionRecord& c : fragment.connections)
        if (c.zoneA < 0 || c.zoneA >= count || c.zoneB < 0 || c.zoneB >= count)
            return EditRefusal{
                ZW_TR("Model", "Фрагмент поврежден: переход ведет к локации вне фрагмента.")};
    if (auto refusal = checkProjectCapacity(t.zones.size() + fragment.zones.size(),
                                            t.connections.size() + fragment.connections.size()))
        return std::move(*refusal);
    const auto place = findPasteAnchor(t, fragment, targetX, targetY);
    if (const auto* refusal = std::get_if<EditRefusal>(&place))
        return *refusal;
    const GridNode64 to = std::get<GridNode64>(place);
    const GridNode64 from = fragmentAnchor(fragment);
    const auto base = static_cast<int32_t>(t.zones.size());
    TRmg out = t;
    out.zones.reserve(t.zones.size() + fragment.zones.size());
    for (ZoneRecord z : fragment.zones) {
        z.gridX = static_cast<int32_t>(z.gridX - from.x + to.x);
        z.gridY = static_cast<int32_t>(z.gridY - from.y + to.y);
        out.zones.push_back(z);
    }
    out.connections.reserve(t.connections.size() + fragment.connections.size());
    for (ConnectionRecord c : fragment.connections) {
        c.zoneA += base;
        c.zoneB += base;
        out.connections.push_back(c);
    }
    return out;
}

} // namespace zw
