#include "model/history.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace zw {
namespace {

// Records a chunk holds at most: a one-zone step stores this many records anew
// and one pointer for each chunk of the template.
constexpr size_t kChunkRecords = 32;

template <class Record> using Chunk = std::vector<Record>;

// Records [from, to) of `now` in new chunks, moved out of `now`.
template <class Record>
void appendNew(SharedRecords<Record>& out, std::vector<Record>& now, size_t from, size_t to) {
    for (size_t s = from; s < to; s += kChunkRecords) {
        const auto first = now.begin() + static_cast<ptrdiff_t>(s);
        const auto last = now.begin() + static_cast<ptrdiff_t>(std::min(to, s + kChunkRecords));
        out.chunks.push_back(std::make_shared<const Chunk<Record>>(std::make_move_iterator(first),
                                                                   std::make_move_iterator(last)));
    }
}

template <class Record> size_t newChunks(size_t records) {
    return (records + kChunkRecords - 1) / kChunkRecords;
}

// `now` in chunks, sharing every chunk of `before` whose records `now` holds
// unchanged: at the same index when the lengths are equal, else in the longest
// common beginning and end. The records are moved out of `now`.
template <class Record>
SharedRecords<Record> share(std::vector<Record>& now, const SharedRecords<Record>* before) {
    SharedRecords<Record> out;
    const size_t n = now.size();
    out.size = n;
    if (!before || before->size == 0) {
        appendNew(out, now, 0, n);
        return out;
    }
    const auto& old = before->chunks;
    const size_t m = before->size;
    if (n == m) {
        out.chunks.reserve(old.size());
        size_t at = 0;
        for (const auto& c : old) {
            const size_t end = at + c->size();
            if (std::equal(c->begin(), c->end(), now.begin() + static_cast<ptrdiff_t>(at)))
                out.chunks.push_back(c);
            else
                out.chunks.push_back(std::make_shared<const Chunk<Record>>(
                    std::make_move_iterator(now.begin() + static_cast<ptrdiff_t>(at)),
                    std::make_move_iterator(now.begin() + static_cast<ptrdiff_t>(end))));
            at = end;
        }
        return out;
    }
    // Records were inserted or removed: what lies before and after them is
    // the same, at the same distance from the beginning or from the end.
    const size_t common = std::min(n, m);
    size_t prefix = 0;
    for (const auto& c : old) {
        const size_t most = std::min(c->size(), common - prefix);
        const auto [o, _] = std::mismatch(c->begin(), c->begin() + static_cast<ptrdiff_t>(most),
                                          now.begin() + static_cast<ptrdiff_t>(prefix));
        prefix += static_cast<size_t>(o - c->begin());
        if (o != c->end())
            break;
    }
    size_t suffix = 0;
    for (auto c = old.rbegin(); c != old.rend() && suffix < common - prefix; ++c) {
        const size_t most = std::min((*c)->size(), common - prefix - suffix);
        const auto [o, _] =
            std::mismatch((*c)->rbegin(), (*c)->rbegin() + static_cast<ptrdiff_t>(most),
                          now.rbegin() + static_cast<ptrdiff_t>(suffix));
        suffix += static_cast<size_t>(o - (*c)->rbegin());
        if (o != (*c)->rend())
            break;
    }
    // Whole chunks of the beginning [0, a) and of the end, from old index oldB on.
    size_t first = 0;
    size_t a = 0;
    while (first < old.size() && a + old[first]->size() <= prefix)
        a += old[first++]->size();
    size_t last = old.size();
    size_t oldB = m;
    while (last > first && oldB - old[last - 1]->size() >= m - suffix)
        oldB -= old[--last]->size();
    size_t b = oldB - m + n;
    // Each insertion leaves a short chunk or two behind; when they have come to
    // outnumber the full ones, the whole list is chunked anew.
    if (first + (old.size() - last) + newChunks<Record>(b - a) > 2 * newChunks<Record>(n) + 8) {
        first = 0;
        a = 0;
        last = old.size();
        b = n;
    }
    out.chunks.reserve(first + (old.size() - last) + newChunks<Record>(b - a));
    out.chunks.insert(out.chunks.end(), old.begin(), old.begin() + static_cast<ptrdiff_t>(first));
    appendNew(out, now, a, b);
    out.chunks.insert(out.chunks.end(), old.begin() + static_cast<ptrdiff_t>(last), old.end());
    return out;
}

template <class Record>
void unpackRecords(const SharedRecords<Record>& s, std::vector<Record>& out) {
    out.clear();
    out.reserve(s.size);
    for (const auto& c : s.chunks)
        out.insert(out.end(), c->begin(), c->end());
}

template <class Record>
void countRecords(const SharedRecords<Record>& s, std::unordered_set<const void*>& seen,
                  size_t& count) {
    for (const auto& c : s.chunks)
        if (seen.insert(c.get()).second)
            count += c->size();
}

} // namespace

History::State History::store(TRmg&& t, const State* before) {
    State s;
    s.zones = share(t.zones, before ? &before->zones : nullptr);
    s.connections = share(t.connections, before ? &before->connections : nullptr);
    t.zones.clear();
    t.connections.clear();
    if (before && *before->rest == t)
        s.rest = before->rest;
    else
        s.rest = std::make_shared<const TRmg>(std::move(t));
    return s;
}

void History::unpack(const State& s, TRmg& out) {
    out = *s.rest;
    unpackRecords(s.zones, out.zones);
    unpackRecords(s.connections, out.connections);
}

const History::State* History::nearestToShown() const {
    const size_t p = static_cast<size_t>(position_);
    if (p < states_.size())
        return &states_[p];
    return p > 0 ? &states_[p - 1] : nullptr;
}

void History::push(const TRmg& current, std::string name) {
    push(TRmg(current), std::move(name));
}

void History::push(TRmg&& current, std::string name) {
    const size_t p = static_cast<size_t>(position_);
    // The saved state, when it lay beyond p, is cut off with the rest.
    if (clean_ > position_)
        clean_ = -1;
    State s = store(std::move(current), nearestToShown());
    states_.resize(p + 1);
    names_.resize(p + 1);
    states_[p] = std::move(s);
    names_[p] = std::move(name);
    ++position_;
}

const TRmg& History::stepBack(const TRmg& current) {
    if (position_ <= 0)
        return current;
    // With no step back since the last change the current state is not stored
    // yet: keep it so that stepping forward reaches it. Its own name is unused.
    if (states_.size() == static_cast<size_t>(position_)) {
        State s = store(TRmg(current), nearestToShown());
        states_.push_back(std::move(s));
        names_.emplace_back();
    }
    --position_;
    unpack(states_[static_cast<size_t>(position_)], shown_);
    return shown_;
}

const TRmg& History::stepForward(const TRmg& current) {
    if (!canStepForward())
        return current;
    ++position_;
    unpack(states_[static_cast<size_t>(position_)], shown_);
    return shown_;
}

void History::currentChanged(const TRmg& current) {
    const size_t p = static_cast<size_t>(position_);
    if (p < states_.size())
        states_[p] = store(TRmg(current), &states_[p]);
}

void History::clear() {
    states_.clear();
    names_.clear();
    position_ = 0;
    clean_ = 0;
    shown_ = TRmg();
}

std::string History::backName() const {
    return canStepBack() ? names_[static_cast<size_t>(position_) - 1] : std::string();
}

std::string History::forwardName() const {
    return canStepForward() ? names_[static_cast<size_t>(position_)] : std::string();
}

TRmg History::snapshot(size_t i) const {
    TRmg t;
    unpack(states_.at(i), t);
    return t;
}

std::vector<TRmg> History::snapshots() const {
    std::vector<TRmg> all;
    all.reserve(states_.size());
    for (size_t i = 0; i < states_.size(); ++i)
        all.push_back(snapshot(i));
    return all;
}

size_t History::storedRecords() const {
    std::unordered_set<const void*> seen;
    size_t count = 0;
    for (const State& s : states_) {
        countRecords(s.zones, seen, count);
        countRecords(s.connections, seen, count);
    }
    return count;
}

} // namespace zw
