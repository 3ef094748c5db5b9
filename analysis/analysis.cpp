#include "analysis/analysis.h"

#include "rmg/table.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <numeric>

namespace zw {

namespace {

constexpr int kMinPlayers = 2;
constexpr int kMaxPlayers = kPlayerSlots;

int64_t saturatedAdd(int64_t a, int64_t b) {
    int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return r;
}

int64_t saturatedMul(int64_t a, int64_t b) {
    int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                                  : std::numeric_limits<int64_t>::max();
    return r;
}

bool admits(const Limits& l, int humans, int players) {
    return l.minHumans <= humans && humans <= l.maxHumans && l.minPlayers <= players &&
           players <= l.maxPlayers;
}

// The four town counts of mode 3 that the compile writes (it writes only positive ones).
int64_t detailedTownCount(const ZoneRecord& z) {
    int64_t n = 0;
    for (int32_t c : {z.playerCastles, z.playerTowns, z.neutralCastles, z.neutralTowns})
        n += std::max<int32_t>(c, 0);
    return n;
}

int64_t townsOf(const ZoneRecord& z) {
    switch (z.townMode) {
    case code(TownMode::TownWithoutFort):
    case code(TownMode::TownWithFort):
        return 1;
    case code(TownMode::Detailed):
        return detailedTownCount(z);
    default:
        return 0;
    }
}

int64_t treasureOf(const ZoneRecord& z) {
    int64_t sum = 0;
    for (const TreasureGroup& g : z.treasure) {
        if (g.low == 0 && g.high == 0 && g.density == 0)
            continue;
        sum = saturatedAdd(sum, saturatedMul(int64_t{g.low} + g.high, g.density));
    }
    return sum;
}

std::array<int64_t, kMineKinds> minesOf(const ZoneRecord& z) {
    return {z.mineWood,    z.mineMercury, z.mineOre, z.mineSulfur,
            z.mineCrystal, z.mineGems,    z.mineGold};
}

// A connection whose two ends are zones of the list, with its passages' limits.
struct Link {
    int a = 0;
    int b = 0;
    int number = 0; // 1-based connection number
    std::vector<Limits> passages;
};

// Zone existence and open links in one setup.
struct SetupState {
    std::vector<bool> exists;
    std::vector<const Link*> open;
};

SetupState stateOf(const std::vector<Limits>& zoneLimits, const std::vector<Link>& links,
                   int humans, int players) {
    SetupState s;
    s.exists.resize(zoneLimits.size());
    for (size_t i = 0; i < zoneLimits.size(); ++i)
        s.exists[i] = admits(zoneLimits[i], humans, players);
    for (const Link& l : links) {
        if (!s.exists[static_cast<size_t>(l.a)] || !s.exists[static_cast<size_t>(l.b)])
            continue;
        if (std::any_of(l.passages.begin(), l.passages.end(),
                        [&](const Limits& p) { return admits(p, humans, players); }))
            s.open.push_back(&l);
    }
    return s;
}

class UnionFind {
  public:
    explicit UnionFind(size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
    size_t find(size_t x) {
        while (parent_[x] != x) {
            parent_[x] = parent_[parent_[x]];
            x = parent_[x];
        }
        return x;
    }
    void join(size_t a, size_t b) {
        a = find(a);
        b = find(b);
        if (a != b)
            parent_[std::max(a, b)] = std::min(a, b);
    }

  private:
    std::vector<size_t> parent_;
};

SetupAnalysis analyzeSetup(const TRmg& t, const std::vector<Limits>& zoneLimits,
                           const std::vector<Link>& links, int humans, int players) {
    const SetupState s = stateOf(zoneLimits, links, humans, players);
    const size_t n = t.zones.size();
    UnionFind sets(n);
    for (const Link* l : s.open)
        sets.join(static_cast<size_t>(l->a), static_cast<size_t>(l->b));

    SetupAnalysis r;
    r.players = players;
    r.humans = humans;
    // Zones are visited in ascending order, so each component lists its zones
    // ascending and the components come in the order of their smallest zone.
    constexpr size_t kNone = std::numeric_limits<size_t>::max();
    std::vector<size_t> componentOfRoot(n, kNone);
    std::vector<size_t> componentOf(n, kNone);
    std::vector<bool> holdsStart;
    std::vector<int> starts;
    for (size_t i = 0; i < n; ++i) {
        if (!s.exists[i])
            continue;
        const int number = static_cast<int>(i) + 1;
        r.zones.push_back(number);
        size_t& c = componentOfRoot[sets.find(i)];
        if (c == kNone) {
            c = r.components.size();
            r.components.emplace_back();
            holdsStart.push_back(false);
        }
        componentOf[i] = c;
        r.components[c].push_back(number);
        if (isStartZone(t.zones[i])) {
            holdsStart[c] = true;
            starts.push_back(number);
        }
    }
    for (size_t i = 0; i < n; ++i)
        if (s.exists[i] && !holdsStart[componentOf[i]])
            r.unreachable.push_back(static_cast<int>(i) + 1);
    // nextOther[y]: the first start after y in another component than y's. From
    // a start in x's component it leads straight to the next start outside it,
    // so the pairs cost no more than their number, however many starts share
    // a component.
    const size_t startCount = starts.size();
    std::vector<size_t> startComponent(startCount);
    for (size_t x = 0; x < startCount; ++x)
        startComponent[x] = componentOf[static_cast<size_t>(starts[x] - 1)];
    std::vector<size_t> nextOther(startCount, startCount);
    for (size_t y = startCount; y-- > 1;)
        nextOther[y - 1] = startComponent[y] != startComponent[y - 1] ? y : nextOther[y];
    for (size_t x = 0; x < startCount; ++x) {
        size_t y = x + 1;
        while (y < startCount) {
            if (startComponent[y] == startComponent[x]) {
                y = nextOther[y];
                continue;
            }
            if (r.separatedStarts.size() >= kMaxSeparatedStarts)
                return r;
            r.separatedStarts.push_back({starts[x], starts[y]});
            ++y;
        }
    }
    return r;
}

// A start zone that the compile gives no town: modes 0 and any damaged mode,
// and detailed counts of which none is above 0.
bool startWithoutTown(const ZoneRecord& z) {
    return isStartZone(z) && townsOf(z) == 0;
}

// What the template check refuses about owners and start zones, over every
// zone as stored, for `players` players: each group in ascending player or
// zone order.
void addOwnerWarnings(const TRmg& t, int players, std::vector<TemplateWarning>& out) {
    std::map<int32_t, std::vector<int>> startsOf; // players 1 and above
    std::map<int32_t, std::vector<int>> beyond;   // players above `players`
    std::vector<int> ownerless;
    for (size_t i = 0; i < t.zones.size(); ++i) {
        const ZoneRecord& z = t.zones[i];
        const int number = static_cast<int>(i) + 1;
        if (isStartZone(z)) {
            if (z.owner >= 1)
                startsOf[z.owner].push_back(number);
            else
                ownerless.push_back(number);
        }
        if (z.owner > players)
            beyond[z.owner].push_back(number);
    }
    for (const auto& [p, zones] : startsOf)
        if (zones.size() > 1)
            out.push_back({WarningCode::SecondStartZone, zones, {}, p});
    for (int zone : ownerless)
        out.push_back({WarningCode::StartWithoutOwner, {zone}, {}, std::nullopt});
    for (const auto& [p, zones] : beyond)
        out.push_back({WarningCode::OwnerBeyondPlayers, zones, {}, p});
    for (int p = 1; p <= players; ++p)
        if (!startsOf.contains(p))
            out.push_back({WarningCode::MissingStartZone, {}, {}, p});
}

std::vector<TemplateWarning> warningsOf(const TRmg& t, const std::vector<Link>& links) {
    std::vector<TemplateWarning> out;
    const size_t n = t.zones.size();

    std::vector<bool> named(n, false);
    for (const Link& l : links)
        named[static_cast<size_t>(l.a)] = named[static_cast<size_t>(l.b)] = true;
    for (size_t i = 0; i < n; ++i)
        if (!named[i])
            out.push_back({WarningCode::IsolatedZone, {static_cast<int>(i) + 1}, {}});

    std::map<std::pair<int, int>, std::vector<int>> byPair;
    for (const Link& l : links) {
        if (l.a == l.b)
            out.push_back({WarningCode::SelfConnection, {l.a + 1}, {l.number}});
        else
            byPair[{std::min(l.a, l.b) + 1, std::max(l.a, l.b) + 1}].push_back(l.number);
    }
    for (const auto& [pair, numbers] : byPair)
        if (numbers.size() > 1)
            out.push_back({WarningCode::DuplicateConnection, {pair.first, pair.second}, numbers});

    for (size_t i = 0; i < n; ++i)
        if (startWithoutTown(t.zones[i]))
            out.push_back({WarningCode::StartWithoutTown, {static_cast<int>(i) + 1}, {}});
    return out;
}

std::vector<PlayerFairness> fairnessOf(const TRmg& t, const std::vector<Limits>& zoneLimits,
                                       const std::vector<Link>& links, int humans, int players) {
    const SetupState s = stateOf(zoneLimits, links, humans, players);
    const size_t n = t.zones.size();
    std::vector<std::vector<size_t>> neighbours(n);
    for (const Link* l : s.open) {
        neighbours[static_cast<size_t>(l->a)].push_back(static_cast<size_t>(l->b));
        neighbours[static_cast<size_t>(l->b)].push_back(static_cast<size_t>(l->a));
    }

    std::vector<std::optional<size_t>> startOf(static_cast<size_t>(players) + 1);
    for (size_t i = 0; i < n; ++i) {
        const ZoneRecord& z = t.zones[i];
        if (s.exists[i] && isStartZone(z) && z.owner >= 1 && z.owner <= players &&
            !startOf[static_cast<size_t>(z.owner)])
            startOf[static_cast<size_t>(z.owner)] = i;
    }

    constexpr int kUnreached = -1;
    std::vector<PlayerFairness> out;
    for (int k = 1; k <= players; ++k) {
        PlayerFairness f;
        f.player = k;
        const auto start = startOf[static_cast<size_t>(k)];
        if (start) {
            f.startZone = static_cast<int>(*start) + 1;
            std::vector<int> distance(n, kUnreached);
            std::deque<size_t> queue{*start};
            distance[*start] = 0;
            while (!queue.empty()) {
                const size_t z = queue.front();
                queue.pop_front();
                for (size_t next : neighbours[z])
                    if (distance[next] == kUnreached) {
                        distance[next] = distance[z] + 1;
                        queue.push_back(next);
                    }
            }
            for (int other = 1; other <= players; ++other) {
                const auto theirs = startOf[static_cast<size_t>(other)];
                if (other == k || !theirs || distance[*theirs] == kUnreached)
                    continue;
                if (!f.nearestOpponent || distance[*theirs] < *f.nearestOpponent)
                    f.nearestOpponent = distance[*theirs];
            }
            for (int d = 0; d < kFairnessDistances; ++d) {
                Holdings h;
                h.distance = d;
                for (size_t i = 0; i < n; ++i) {
                    if (distance[i] == kUnreached || distance[i] > d)
                        continue;
                    const ZoneRecord& z = t.zones[i];
                    ++h.zones;
                    h.treasure = saturatedAdd(h.treasure, treasureOf(z));
                    const auto mines = minesOf(z);
                    for (size_t m = 0; m < mines.size(); ++m)
                        h.mines[m] = saturatedAdd(h.mines[m], mines[m]);
                    h.towns = saturatedAdd(h.towns, townsOf(z));
                }
                f.within.push_back(h);
            }
        }
        out.push_back(std::move(f));
    }
    return out;
}

} // namespace

std::string_view warningCodeName(WarningCode code) {
    switch (code) {
    case WarningCode::IsolatedZone:
        return "isolated-zone";
    case WarningCode::SelfConnection:
        return "self-connection";
    case WarningCode::DuplicateConnection:
        return "duplicate-connection";
    case WarningCode::StartWithoutTown:
        return "start-without-town";
    case WarningCode::SecondStartZone:
        return "second-start-zone";
    case WarningCode::StartWithoutOwner:
        return "start-without-owner";
    case WarningCode::OwnerBeyondPlayers:
        return "owner-beyond-players";
    case WarningCode::MissingStartZone:
        return "missing-start-zone";
    }
    return "";
}

bool TemplateAnalysis::hasFindings() const {
    return !warnings.empty() || std::any_of(setups.begin(), setups.end(), [](const auto& s) {
        return !s.unreachable.empty() || !s.separatedStarts.empty();
    });
}

TemplateAnalysis analyzeTemplate(const TRmg& original) {
    // A damaged number of players is brought into 2..8 before the refresh, so
    // the derived limits and the setups agree on it.
    TRmg t = original;
    t.header.playerCountIndex =
        std::clamp<int32_t>(t.header.playerCountIndex, 0, kMaxPlayers - kMinPlayers);
    refreshConditions(t);
    const int players = static_cast<int>(t.playerCount());

    std::vector<Limits> zoneLimits;
    zoneLimits.reserve(t.zones.size());
    for (const ZoneRecord& z : t.zones)
        zoneLimits.push_back(limitsOf(z));

    std::vector<Link> links;
    const auto zoneCount = static_cast<int64_t>(t.zones.size());
    for (size_t j = 0; j < t.connections.size(); ++j) {
        const ConnectionRecord& c = t.connections[j];
        if (c.zoneA < 0 || c.zoneA >= zoneCount || c.zoneB < 0 || c.zoneB >= zoneCount)
            continue;
        Link l{c.zoneA, c.zoneB, static_cast<int>(j) + 1, {}};
        const int count = std::clamp<int32_t>(c.passageCount, 0, kPassageSlots);
        for (int p = 0; p < count; ++p)
            l.passages.push_back(limitsOf(c.passages[static_cast<size_t>(p)]));
        links.push_back(std::move(l));
    }

    TemplateAnalysis r;
    r.players = players;
    int humansOfAll = 0;
    for (int p = 1; p <= players; ++p) {
        if (t.kinds.playerKind[static_cast<size_t>(p - 1)] == PlayerKind::HumanOrComputer)
            ++humansOfAll;
        if (p < kMinPlayers)
            continue;
        for (int h = 1; h <= humansOfAll; ++h)
            r.setups.push_back(analyzeSetup(t, zoneLimits, links, h, p));
    }
    r.warnings = warningsOf(t, links);
    addOwnerWarnings(t, players, r.warnings);
    r.fairness = fairnessOf(t, zoneLimits, links, std::max(1, humansOfAll), players);
    return r;
}

} // namespace zw
