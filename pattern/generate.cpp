#include "pattern/generate.h"

#include "analysis/report.h"
#include "model/name_rules.h"
#include "model/presets.h"
#include "model/text.h"
#include "model/translation.h"
#include "rmg/table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zw {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Zones stand at least this many nodes apart before rounding to the grid, so
// that after rounding none is on or next to another (Chebyshev distance 2 at
// least needs a little under 2·√2).
constexpr double kSpacing = 3.0;
constexpr double kRadiusStep = 0.05;

// A small local generator (SplitMix64): the seed alone decides what it gives.
class Variation {
  public:
    explicit Variation(int64_t seed) : state_(static_cast<uint64_t>(seed)) {}
    size_t pick(size_t n) { return static_cast<size_t>(next() % n); }

  private:
    uint64_t next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    uint64_t state_;
};

// What a kind of zone may hold: sizes and, per treasure group, preset list
// positions of the zone dialog. Own zones are the poorest, the zones between
// players richer, the middle richest (every choice of one kind holds less
// treasure than every choice of the next).
struct RoleChoices {
    std::array<int32_t, 3> sizes;
    std::array<std::array<int, 2>, 3> treasure;
    MonsterStrength strength;
};

constexpr RoleChoices kStartChoices{
    {14, 18, 23}, {{{5, 5}, {3, 4}, {1, 1}}}, MonsterStrength::Weak};
constexpr RoleChoices kOwnChoices{{7, 10, 14}, {{{3, 4}, {5, 5}, {1, 12}}}, MonsterStrength::Weak};
constexpr RoleChoices kBetweenChoices{
    {10, 14, 18}, {{{6, 7}, {8, 8}, {3, 4}}}, MonsterStrength::Average};
constexpr RoleChoices kCentreChoices{
    {23, 30, 40}, {{{9, 10}, {14, 14}, {6, 7}}}, MonsterStrength::Strong};
constexpr RoleChoices kSideChoices{
    {10, 14, 18}, {{{8, 9}, {6, 7}, {3, 3}}}, MonsterStrength::Strong};

// Guards of the connections, from the connection dialog's presets.
constexpr int32_t kOwnGuard = 3000;     // "Слабая"
constexpr int32_t kWayGuard = 6000;     // "Средняя"
constexpr int32_t kDirectGuard = 8000;  // "Выше средней": neighbours joined directly
constexpr int32_t kSideGuard = 8000;    // "Выше средней": middle to its side zones
constexpr int32_t kCentreGuard = 10000; // "Сильная": a start to the middle

ZoneRecord zoneOf(const RoleChoices& role, Variation& v) {
    ZoneRecord z = makeDefaultZone();
    z.kind = code(ZoneKind::Treasure);
    z.owner = 0;
    z.townMode = code(TownMode::None);
    z.size = role.sizes[v.pick(role.sizes.size())];
    for (size_t g = 0; g < 3; ++g)
        z.treasure[g] = treasurePresetTriple(role.treasure[g][v.pick(2)]);
    z.monsterStrength = code(role.strength);
    return z;
}

// Exists only when at least `players` play (mode "Условие отсутствует" when
// that is any game, since every map has two players).
void existFrom(ZoneRecord& z, int players, int allPlayers) {
    if (players <= kPatternMinPlayers) {
        z.existMode = code(ExistMode::Always);
        return;
    }
    z.existMode = code(ExistMode::Detailed);
    z.minHumans = 1;
    z.maxHumans = allPlayers; // every player may be human
    z.minPlayers = players;
    z.maxPlayers = allPlayers;
}

ConnectionRecord connectionOf(int a, int b, int32_t guard) {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = a;
    c.zoneB = b;
    c.passageCount = 1;
    c.passages[0].kind = code(PassageKind::Ordinary);
    c.passages[0].guard = guard;
    c.passages[0].autoExist = true;
    return c;
}

PatternSettings sanitized(PatternSettings s) {
    s.players = std::clamp(s.players, kPatternMinPlayers, kPatternMaxPlayers);
    s.own = std::clamp(s.own, 0, kPatternMaxOwn);
    s.between = std::clamp(s.between, 0, kPatternMaxBetween);
    s.centre = std::clamp(s.centre, 0, kPatternMaxCentre);
    s.seed = std::clamp<int64_t>(s.seed, 0, kPatternMaxSeed);
    if (s.pattern == PatternKind::Star) {
        s.between = 0;
        s.centre = std::max(s.centre, 1);
    }
    if (s.pattern == PatternKind::Ring)
        s.centre = 0;
    if (s.name && typedTemplateNameProblem(*s.name))
        s.name.reset();
    return s;
}

// ---- Layout ----

struct Point {
    double x = 0;
    double y = 0;
};

struct Node {
    int64_t x = 0;
    int64_t y = 0;
    bool operator==(const Node&) const = default;
};

// The shape of the template before it is put on the grid: which zone is
// whose, in zone order.
struct Shape {
    bool ring = true; // neighbours joined by ways (not a star)
    int players = 0;
    int own = 0;
    int between = 0; // zones on the way from each player to the next
    int centre = 0;
    int perPlayer() const { return 1 + own + between; }
    int zoneCount() const { return players * perPlayer() + centre; }
    // Two players of a ring joined directly: that connection runs through the
    // point the two parts turn about, so the middle moves aside.
    bool directPair() const { return ring && players == 2 && between == 0 && centre > 0; }
    // The same with one player fewer.
    Shape fewer() const {
        Shape s = *this;
        --s.players;
        return s;
    }
};

struct Link {
    int a = 0;
    int b = 0;
    int32_t guard = 0;
};

// The connections in template order: per player its own zones, the way to the
// next player, the way to the middle; then the middle to its side zones.
std::vector<Link> linksOf(const Shape& s) {
    std::vector<Link> out;
    const int P = s.players;
    const int part = s.perPlayer();
    const auto startOf = [part, P](int player) { return (player % P) * part; };
    const int middle = P * part;
    for (int i = 0; i < P; ++i) {
        const int first = startOf(i);
        for (int j = 0; j < s.own; ++j)
            out.push_back({first, first + 1 + j, kOwnGuard});
        // Two players are neighbours on both sides; joined directly they need
        // one connection, not two between the same zones.
        const bool way = s.ring && !(P == 2 && s.between == 0 && i == 1);
        if (way) {
            int from = first;
            for (int j = 0; j < s.between; ++j) {
                const int to = first + 1 + s.own + j;
                out.push_back({from, to, kWayGuard});
                from = to;
            }
            out.push_back({from, startOf(i + 1), s.between > 0 ? kWayGuard : kDirectGuard});
        }
        if (s.centre > 0)
            out.push_back({first, middle, kCentreGuard});
    }
    for (int j = 1; j < s.centre; ++j)
        out.push_back({middle, middle + j, kSideGuard});
    return out;
}

// The angle between neighbouring own zones, one step beyond a ring of radius
// `r`: a little more than the spacing apart.
double fanStep(double r) {
    const double outer = r + kSpacing;
    return 2 * std::asin(std::min(1.0, 1.05 * kSpacing / (2 * outer)));
}

// Positions on the plane for ring radius `r`: player i's start on the ring at
// angle 180° + i·360°/P (player 1 at the left, the others clockwise on the
// canvas, whose rows grow downwards), its own zones in a fan one step further
// out, the zones toward the next player along the ring, the middle at the
// origin with its side zones in the gaps between the players' ways to it.
std::vector<Point> planeLayout(const Shape& s, double r) {
    std::vector<Point> out;
    out.reserve(static_cast<size_t>(s.zoneCount()));
    const double sector = 2 * kPi / s.players;
    const double outer = r + kSpacing;
    const double fan = fanStep(r);
    auto polar = [](double radius, double angle) {
        return Point{radius * std::cos(angle), radius * std::sin(angle)};
    };
    for (int i = 0; i < s.players; ++i) {
        const double a = kPi + i * sector;
        out.push_back(polar(r, a));
        for (int j = 0; j < s.own; ++j)
            out.push_back(polar(outer, a + (j - (s.own - 1) / 2.0) * fan));
        for (int j = 1; j <= s.between; ++j)
            out.push_back(polar(r, a + j * sector / (s.between + 1)));
    }
    if (s.centre > 0) {
        // Beside a direct join, the middle and all its side zones keep to the
        // side of the first gap, away from the join.
        const Point middle = s.directPair() ? Point{0, -kSpacing} : Point{0, 0};
        out.push_back(middle);
        const int sides = s.centre - 1;
        const int gaps = s.directPair() ? 1 : s.players;
        // The side zones spread over the gaps, in turn when there are more of
        // them than gaps; a gap holding several spreads them across it.
        const int crowd = (sides + gaps - 1) / gaps;
        // Far enough from the ways to the middle and from each other.
        const double sideRadius =
            1.1 * std::max(kSpacing / std::sin(std::min(sector / 2, kPi / 2)),
                           kSpacing / (2 * std::sin(sector / (2 * (crowd + 1)))));
        for (int k = 0; k < sides; ++k) {
            const bool one = sides <= gaps;
            const int gap = one ? k * gaps / sides : k % gaps;
            const int inGap = one ? 1 : (sides - gap + gaps - 1) / gaps;
            const int place = one ? 0 : k / gaps;
            const double a =
                kPi + (gap + 0.5) * sector + (place - (inGap - 1) / 2.0) * sector / (inGap + 1);
            const Point p = polar(sideRadius, a);
            out.push_back({middle.x + p.x, middle.y + p.y});
        }
    }
    return out;
}

// planeLayout for one shape and many radii: the directions of the ring's
// zones and the whole middle do not change with the radius, so only the own
// zones' fan is worked out again (the same numbers planeLayout gives).
class PlaneLayouts {
  public:
    explicit PlaneLayouts(const Shape& s) : s_(s), unit_(planeLayout(s, 1.0)) {}

    // Into `out`, whose room is used again from one radius to the next.
    void at(double r, std::vector<Point>& out) const {
        out = unit_;
        const double sector = 2 * kPi / s_.players;
        const double outer = r + kSpacing;
        const double fan = fanStep(r);
        const size_t part = static_cast<size_t>(s_.perPlayer());
        for (int i = 0; i < s_.players; ++i) {
            const size_t first = static_cast<size_t>(i) * part;
            const double a = kPi + i * sector;
            for (size_t k = first; k < first + part; ++k) {
                const size_t j = k - first - 1;
                if (k == first || j >= static_cast<size_t>(s_.own)) {
                    out[k] = Point{r * unit_[k].x, r * unit_[k].y}; // on the ring
                } else {
                    const double angle = a + (static_cast<int>(j) - (s_.own - 1) / 2.0) * fan;
                    out[k] = Point{outer * std::cos(angle), outer * std::sin(angle)};
                }
            }
        }
    }

  private:
    const Shape& s_;
    std::vector<Point> unit_;
};

double square(double v) {
    return v * v;
}

bool roomy(const Shape& s, const std::vector<Point>& p, double r) {
    // The own zones' fan stays within the player's share of the circle.
    const double sector = 2 * kPi / s.players;
    if (s.own * fanStep(r) > sector * 0.9)
        return false;
    for (size_t a = 0; a < p.size(); ++a)
        for (size_t b = a + 1; b < p.size(); ++b)
            if (square(p[a].x - p[b].x) + square(p[a].y - p[b].y) < kSpacing * kSpacing)
                return false;
    return true;
}

int64_t nearest(double v) {
    return std::llround(v);
}

// Turns node n by `turns` quarter turns clockwise on the canvas about the origin.
Node quarterTurns(Node n, int turns) {
    for (int k = 0; k < turns; ++k)
        n = Node{-n.y, n.x};
    return n;
}

// The plane positions on the grid. For 2 and 4 players player 1's part is
// rounded and the others are its exact half or quarter turns, so the grid
// keeps the symmetry; otherwise every position is rounded on its own.
void gridLayout(const Shape& s, const std::vector<Point>& p, std::vector<Node>& out) {
    out.clear();
    const bool exact = s.players == 2 || s.players == 4;
    const size_t part = static_cast<size_t>(s.perPlayer());
    for (size_t k = 0; k < p.size(); ++k) {
        const size_t player = k / part;
        if (exact && player > 0 && player < static_cast<size_t>(s.players)) {
            const int turns = static_cast<int>(player) * 4 / s.players;
            out.push_back(quarterTurns(out[k % part], turns));
        } else {
            out.push_back(Node{nearest(p[k].x), nearest(p[k].y)});
        }
    }
}

bool apart(const std::vector<Node>& n) {
    for (size_t a = 0; a < n.size(); ++a)
        for (size_t b = a + 1; b < n.size(); ++b)
            if (std::max(std::llabs(n[a].x - n[b].x), std::llabs(n[a].y - n[b].y)) < 2)
                return false;
    return true;
}

// The zones' extent on the grid, in nodes.
struct Extent {
    int64_t width = 0;
    int64_t height = 0;
};

Extent extentOf(const std::vector<Node>& n) {
    if (n.empty())
        return {};
    int64_t minX = n.front().x, maxX = minX, minY = n.front().y, maxY = minY;
    for (const Node& p : n) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return {maxX - minX + 1, maxY - minY + 1};
}

int64_t turn(const Node& a, const Node& b, const Node& c) {
    const int64_t v = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return (v > 0) - (v < 0);
}

// c on the segment a-b, given the three are on one line.
bool within(const Node& a, const Node& b, const Node& c) {
    return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= c.y &&
           c.y <= std::max(a.y, b.y);
}

bool segmentsMeet(const Node& a1, const Node& a2, const Node& b1, const Node& b2) {
    const int64_t o1 = turn(a1, a2, b1);
    const int64_t o2 = turn(a1, a2, b2);
    if (o1 == 0 && o2 == 0)
        return within(a1, a2, b1) || within(a1, a2, b2) || within(b1, b2, a1);
    return o1 * o2 <= 0 && turn(b1, b2, a1) * turn(b1, b2, a2) <= 0;
}

// The segment a-b passes within one grid step of node c (c not an end): the
// circle of a large zone reaches nearly that far.
bool passesBy(const Node& a, const Node& b, const Node& c) {
    const int64_t dx = b.x - a.x, dy = b.y - a.y;
    const int64_t cx = c.x - a.x, cy = c.y - a.y;
    const int64_t along = cx * dx + cy * dy;
    const int64_t length2 = dx * dx + dy * dy;
    if (along <= 0)
        return cx * cx + cy * cy <= 1;
    if (along >= length2)
        return (cx - dx) * (cx - dx) + (cy - dy) * (cy - dy) <= 1;
    const int64_t across = cx * dy - cy * dx; // the distance times the length
    return across * across <= length2;
}

// No two connections meet but at a shared zone, and none runs by a zone that
// is not one of its ends.
bool readable(const std::vector<Node>& n, const std::vector<Link>& links) {
    for (size_t j = 0; j < links.size(); ++j) {
        const Link& e = links[j];
        const Node& a = n[static_cast<size_t>(e.a)];
        const Node& b = n[static_cast<size_t>(e.b)];
        for (size_t k = 0; k < n.size(); ++k)
            if (static_cast<int>(k) != e.a && static_cast<int>(k) != e.b && passesBy(a, b, n[k]))
                return false;
        for (size_t l = j + 1; l < links.size(); ++l) {
            const Link& f = links[l];
            if (f.a == e.a || f.a == e.b || f.b == e.a || f.b == e.b)
                continue;
            if (segmentsMeet(a, b, n[static_cast<size_t>(f.a)], n[static_cast<size_t>(f.b)]))
                return false;
        }
    }
    return true;
}

// The smallest ring, in steps, on which every zone has room on the grid, the
// connections neither cross nor run by other zones, and the picture is at
// least as wide and as tall as with one player fewer (so that a player added
// never makes it smaller). The bound only keeps a mistake from hanging: a
// ring wide enough always has room, since the middle's zones do not move with
// it and every other distance grows with it.
std::vector<Node> layOut(const Shape& s) {
    constexpr int kMaxSteps = 20000;
    const Extent least = s.players > kPatternMinPlayers ? extentOf(layOut(s.fewer())) : Extent{};
    const std::vector<Link> links = linksOf(s);
    const PlaneLayouts layouts(s);
    std::vector<Point> plane;
    std::vector<Node> grid;
    std::vector<Node> next;
    // The zones on the ring (starts and those between them) stand evenly
    // spaced: no ring with a smaller chord than the spacing has room.
    const int onRing = s.players * (1 + s.between);
    const double smallest = kSpacing / (2 * std::sin(kPi / onRing));
    const int first =
        static_cast<int>(std::max(0.0, std::floor((smallest - kSpacing / 2) / kRadiusStep)));
    for (int step = first; step < kMaxSteps; ++step) {
        const double r = kSpacing / 2 + step * kRadiusStep;
        layouts.at(r, plane);
        if (!roomy(s, plane, r))
            continue;
        gridLayout(s, plane, next);
        // Neighbouring rings mostly round to the same nodes: those were judged.
        if (next == grid)
            continue;
        grid.swap(next);
        const Extent e = extentOf(grid);
        if (e.width >= least.width && e.height >= least.height && apart(grid) &&
            readable(grid, links))
            break;
    }
    return grid;
}

// Map sizes that give the zones room: a contiguous range of size values.
std::pair<int32_t, int32_t> mapSizes(int zones) {
    if (zones <= 8)
        return {1, 9};
    if (zones <= 16)
        return {4, 18};
    if (zones <= 32)
        return {9, 32};
    return {16, 32};
}

} // namespace

std::string_view patternWord(PatternKind k) {
    switch (k) {
    case PatternKind::Ring:
        return "ring";
    case PatternKind::Star:
        return "star";
    case PatternKind::RingCentre:
        return "ring-centre";
    }
    return "";
}

std::optional<PatternKind> patternFromWord(std::string_view word) {
    for (PatternKind k : {PatternKind::Ring, PatternKind::Star, PatternKind::RingCentre})
        if (patternWord(k) == word)
            return k;
    return std::nullopt;
}

std::string_view patternTitle(PatternKind k) {
    switch (k) {
    case PatternKind::Ring:
        return translatedView("Pattern", ZW_TR_NOOP("Pattern", "Кольцо"));
    case PatternKind::Star:
        return translatedView("Pattern", ZW_TR_NOOP("Pattern", "Звезда"));
    case PatternKind::RingCentre:
        return translatedView("Pattern", ZW_TR_NOOP("Pattern", "Кольцо с центром"));
    }
    return "";
}

PatternSettings patternDefaults(PatternKind k, int players) {
    PatternSettings s;
    s.pattern = k;
    s.players = players;
    s.own = 1;
    s.between = k == PatternKind::Star ? 0 : 1;
    s.centre = k == PatternKind::Ring ? 0 : 1;
    return s;
}

std::string defaultPatternName(PatternKind k, int players) {
    return withArguments(
        ZW_TR("Pattern", "%1 %2"),
        {patternTitle(k), countedText("Pattern", players, ZW_TR_NOOP("Pattern", "на %1 игрока"),
                                      ZW_TR_NOOP("Pattern", "на %1 игрока"),
                                      ZW_TR_NOOP("Pattern", "на %1 игроков"))});
}

std::optional<std::string> patternProblem(const PatternSettings& s) {
    auto range = [](const char* what, int lo, int hi) {
        return withArguments(ZW_TR("Pattern", "%1 должно быть от %2 до %3"),
                             {translated("Pattern", what), std::to_string(lo), std::to_string(hi)});
    };
    if (s.players < kPatternMinPlayers || s.players > kPatternMaxPlayers)
        return range(ZW_TR_NOOP("Pattern", "Число игроков"), kPatternMinPlayers,
                     kPatternMaxPlayers);
    if (s.own < 0 || s.own > kPatternMaxOwn)
        return range(ZW_TR_NOOP("Pattern", "Число своих локаций игрока"), 0, kPatternMaxOwn);
    if (s.between < 0 || s.between > kPatternMaxBetween)
        return range(ZW_TR_NOOP("Pattern", "Число локаций между соседями"), 0, kPatternMaxBetween);
    if (s.centre < 0 || s.centre > kPatternMaxCentre)
        return range(ZW_TR_NOOP("Pattern", "Число локаций в центре"), 0, kPatternMaxCentre);
    if (s.seed < 0 || s.seed > kPatternMaxSeed)
        return withArguments(ZW_TR("Pattern", "Вариант должен быть от 0 до %1"),
                             {std::to_string(kPatternMaxSeed)});
    if (s.pattern == PatternKind::Star && s.between > 0)
        return ZW_TR("Pattern", "Звезда соединяет игроков только через центр: локаций между "
                                "соседями у нее нет");
    if (s.pattern == PatternKind::Star && s.centre == 0)
        return ZW_TR("Pattern", "Звезде нужен центр: хотя бы одна локация в центре");
    if (s.pattern == PatternKind::Ring && s.centre > 0)
        return ZW_TR("Pattern", "У кольца нет центра: для локаций в центре выберите образец "
                                "«Кольцо с центром»");
    if (s.name)
        if (auto problem = typedTemplateNameProblem(*s.name))
            return problem;
    return std::nullopt;
}

TRmg generateTemplate(const PatternSettings& given) {
    const PatternSettings s = sanitized(given);
    const bool ring = s.pattern != PatternKind::Star;
    const int P = s.players;
    const Shape shape{ring, P, s.own, ring ? s.between : 0, s.centre};

    TRmg t = makeNewTemplate();
    t.name = utf8ToCp1251(s.name ? *s.name : defaultPatternName(s.pattern, P));
    t.header.playerCountIndex = P - kPatternMinPlayers;
    const auto [lo, hi] = mapSizes(shape.zoneCount());
    t.header.minSize = lo;
    t.header.maxSize = hi;
    t.kinds.playerKind.fill(code(PlayerKind::HumanOrComputer));

    // One draw per kind of zone and place in a player's part, the same for
    // every player: the seed varies the template, never one player's share.
    Variation v(s.seed);
    ZoneRecord start = zoneOf(kStartChoices, v);
    start.kind = code(ZoneKind::Start);
    start.townMode = code(TownMode::TownWithFort);
    start.terrainMatchesTown = true;
    start.mineWood = 1;
    start.mineOre = 1;
    std::vector<ZoneRecord> own;
    for (int j = 0; j < shape.own; ++j) {
        ZoneRecord z = zoneOf(kOwnChoices, v);
        // One rare resource each, in turn.
        std::array<int32_t*, 4> rare = {&z.mineMercury, &z.mineSulfur, &z.mineCrystal, &z.mineGems};
        *rare[static_cast<size_t>(j) % rare.size()] = 1;
        own.push_back(z);
    }
    std::vector<ZoneRecord> between;
    for (int j = 0; j < shape.between; ++j) {
        ZoneRecord z = zoneOf(kBetweenChoices, v);
        z.mineGold = 1;
        between.push_back(z);
    }
    std::vector<ZoneRecord> centre;
    for (int j = 0; j < shape.centre; ++j) {
        ZoneRecord z = zoneOf(j == 0 ? kCentreChoices : kSideChoices, v);
        if (j == 0) {
            z.townMode = code(TownMode::TownWithFort); // a neutral town
            z.mineGold = 1;
        }
        centre.push_back(z);
    }

    for (int i = 0; i < P; ++i) {
        const int player = i + 1;
        ZoneRecord z = start;
        z.owner = player;
        // Players 1 and 2 are on every map; the others' starts exist with them.
        z.existMode = code(player <= 2 ? ExistMode::Always : ExistMode::WithOwner);
        t.appendZone(z);
        for (ZoneRecord o : own) {
            existFrom(o, player, P);
            t.appendZone(o);
        }
        // The way to the next player exists when both play; the way from the
        // last player back to the first exists only with the last.
        const int next = i + 1 < P ? player + 1 : P;
        for (ZoneRecord b : between) {
            existFrom(b, std::max(player, next), P);
            t.appendZone(b);
        }
    }
    for (const ZoneRecord& c : centre)
        t.appendZone(c);

    for (const Link& l : linksOf(shape))
        t.appendConnection(connectionOf(l.a, l.b, l.guard));

    // On the grid, with a free row and column before the first zones.
    const std::vector<Node> nodes = layOut(shape);
    int64_t minX = nodes.empty() ? 0 : nodes.front().x;
    int64_t minY = nodes.empty() ? 0 : nodes.front().y;
    for (const Node& n : nodes) {
        minX = std::min(minX, n.x);
        minY = std::min(minY, n.y);
    }
    for (size_t k = 0; k < nodes.size(); ++k) {
        t.zones[k].gridX = static_cast<int32_t>(nodes[k].x - minX + 1);
        t.zones[k].gridY = static_cast<int32_t>(nodes[k].y - minY + 1);
    }
    // The stored limits of the derived conditions as the compile will make them.
    refreshConditions(t);
    return t;
}

} // namespace zw
