#include "analysis/ordering.h"

#include "data/dateandtime.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <utility>

namespace ordering {
namespace {

bool byDate(Order order)
{
    return order == Order::YoungestDate || order == Order::OldestDate;
}

// Counts over the positions 0 to size-1 (a Fenwick tree): each position is
// counted at most once. The tree spans a power of two, so that a search
// down it needs no bounds.
class PositionCounts
{
public:
    // Every position counted (all) or none. With all, the positions past
    // size up to the span count too: they come after every one asked for.
    void reset(std::size_t size, bool all)
    {
        m_span = std::bit_ceil(std::max<std::size_t>(size, 1));
        m_tree.assign(m_span + 1, 0);
        if (!all)
            return;
        for (std::size_t node = 1; node <= m_span; ++node) {
            m_tree[node] += 1;
            const std::size_t parent = node + (node & (~node + 1));
            if (parent <= m_span)
                m_tree[parent] += m_tree[node];
        }
    }

    // How many positions before the given one are counted.
    std::size_t before(std::size_t position) const
    {
        std::size_t sum = 0;
        for (std::size_t node = position; node > 0; node &= node - 1)
            sum += m_tree[node];
        return sum;
    }

    void add(std::size_t position)
    {
        for (std::size_t node = position + 1; node <= m_span; node += node & (~node + 1))
            ++m_tree[node];
    }

    void remove(std::size_t position)
    {
        for (std::size_t node = position + 1; node <= m_span; node += node & (~node + 1))
            --m_tree[node];
    }

    // The counted position that has exactly rank counted positions before it.
    std::size_t withRank(std::size_t rank) const
    {
        std::size_t node = 0;
        for (std::size_t step = m_span; step > 0; step /= 2) {
            const std::size_t below = m_tree[node + step];
            const bool past = below <= rank;
            rank -= past ? below : 0;
            node += past ? step : 0;
        }
        return node;
    }

private:
    std::size_t m_span = 1;
    std::vector<std::size_t> m_tree;
};

struct Ranked
{
    std::uint64_t rank; // smaller for a greater key, equal for equal keys
    std::size_t at;
};

struct PassWork
{
    std::vector<std::size_t> active; // the places of the segments worked on
    std::vector<Ranked> ranked;
    std::vector<Ranked> spare;
    std::vector<Ranked> bySegment; // by the places of the segments
    std::vector<std::size_t> starts;
    std::vector<double> few;
    std::vector<std::size_t> valueOf;
    std::vector<std::size_t> greaterBefore;
    std::vector<std::size_t> insertAt;
    std::vector<std::size_t> cycle;
    PositionCounts greater;
    PositionCounts free;
};

// A segment this short is quicker to pass over pair by pair.
constexpr std::size_t shortSegment = 8;

// Up to this many items of one value, moving the cycle's items up to make
// room costs less than counting where they go.
constexpr std::size_t shortCycleSize = 512;

// Marks, in PassWork::valueOf, a value that several items hold.
constexpr std::size_t sharedValue = std::size_t(1) << (8 * sizeof(std::size_t) - 1);

// Puts the places in work.active in work.ranked by key, greatest first, and
// those of equal keys in ascending order: a radix sort on the bits of the
// keys that differ between them. It makes no comparisons.
void rankGreatestFirst(const std::vector<double> &keys, PassWork &work)
{
    const std::size_t count = work.active.size();
    work.ranked.resize(count);
    work.spare.resize(count);
    constexpr std::uint64_t signBit = std::uint64_t(1) << 63;
    std::uint64_t differing = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = work.active[k];
        // Adding 0 makes -0 the same key as 0.
        const auto bits = std::bit_cast<std::uint64_t>(keys[at] + 0.0);
        // Ascending bits for ascending keys, then turned round.
        const std::uint64_t rank = ~((bits & signBit) != 0 ? ~bits : bits | signBit);
        work.ranked[k] = Ranked{rank, at};
        differing |= rank ^ work.ranked.front().rank;
    }
    // Only the bits from the lowest to the highest that differ decide, a
    // few at a time: no more buckets than about one per item.
    if (differing == 0)
        return;
    const int lowest = std::countr_zero(differing);
    const int highest = 63 - std::countl_zero(differing);
    const int digitWidth = std::clamp(int(std::bit_width(count)), 4, 11);
    std::vector<std::size_t> &starts = work.starts;
    for (int shift = lowest; shift <= highest; shift += digitWidth) {
        const int width = std::min(digitWidth, highest + 1 - shift);
        const std::uint64_t mask = (std::uint64_t(1) << width) - 1;
        starts.assign(std::size_t(1) << width, 0);
        for (std::size_t k = 0; k < count; ++k)
            ++starts[(work.ranked[k].rank >> shift) & mask];
        std::size_t start = 0;
        for (std::size_t &slot : starts)
            start += std::exchange(slot, start);
        for (const Ranked &item : work.ranked)
            work.spare[starts[(item.rank >> shift) & mask]++] = item;
        work.ranked.swap(work.spare);
    }
}

// The pass, pair by pair, over the short segment from first to last.
void pairByPair(const std::vector<double> &keys, std::size_t first, std::size_t last,
                std::vector<std::size_t> &newPositions, std::vector<double> &current)
{
    current.assign(keys.begin() + qsizetype(first), keys.begin() + qsizetype(last));
    for (std::size_t i = 0; i + 1 < current.size(); ++i) {
        for (std::size_t j = i + 1; j < current.size(); ++j) {
            if (current[j] > current[i]) {
                std::swap(current[i], current[j]);
                std::swap(newPositions[first + i], newPositions[first + j]);
            }
        }
    }
}

// One exchange pass with the condition key(j) > key(i) and both items in
// the same segment: segmentOf[t] is the first place of the segment of the
// item at t, and a segment's items stand together. newPositions[t] becomes
// the place, before the pass, of the item that stands at t after it; false,
// and newPositions untouched, when no item moves.
//
// Each segment is passed over on its own. The pass leaves its keys in
// descending order, and the items of one key value v in this order: going
// through the segment's items as they stood, a queue of the v-items met so
// far gets each v-item at its back, and each item with a key greater than v,
// met after the first v-item, moves the queue's front to its back; items
// with smaller keys change nothing. The queue at the end is the order of the
// v-items.
//
// The queue is kept as a cycle with a front mark: an item joins the cycle
// just before the front, and g greater items move the mark g steps on. A
// short cycle takes each item at once, the rest of it moved up; a long one
// notes where each item joined and settles the places afterwards, from the
// last item joined back to the first.
bool greaterFirstPass(const std::vector<double> &keys, const std::vector<std::size_t> &segmentOf,
                      std::vector<std::size_t> &newPositions, PassWork &work)
{
    const std::size_t count = keys.size();
    bool moves = false;
    for (std::size_t at = 1; at < count && !moves; ++at)
        moves = segmentOf[at] == segmentOf[at - 1] && keys[at] > keys[at - 1];
    if (!moves)
        return false; // every segment in descending order already

    // Segments in descending order stay as they are, short ones are passed
    // over pair by pair, and the others are worked on below.
    newPositions.resize(count);
    std::iota(newPositions.begin(), newPositions.end(), std::size_t(0));
    work.active.clear();
    for (std::size_t first = 0, last = 0; first < count; first = last) {
        bool ascent = false;
        for (last = first + 1; last < count && segmentOf[last] == first; ++last)
            ascent = ascent || keys[last] > keys[last - 1];
        if (!ascent)
            continue;
        if (last - first <= shortSegment) {
            pairByPair(keys, first, last, newPositions, work.few);
            continue;
        }
        for (std::size_t at = first; at < last; ++at)
            work.active.push_back(at);
    }
    if (work.active.empty())
        return true;

    // By segment, then by value, greatest first, then as the items stood: a
    // segment's items keep its places.
    rankGreatestFirst(keys, work);
    work.starts.resize(count);
    for (const std::size_t at : work.active)
        work.starts[at] = at;
    work.bySegment.resize(count);
    for (const Ranked &item : work.ranked)
        work.bySegment[work.starts[segmentOf[item.at]]++] = item;
    const std::vector<Ranked> &ranked = work.bySegment;
    const auto sameValue = [&ranked, &segmentOf](std::size_t a, std::size_t b) {
        return ranked[a].rank == ranked[b].rank && segmentOf[a] == segmentOf[b];
    };
    const std::vector<std::size_t> &active = work.active;
    const std::size_t activeCount = active.size();
    // The next place worked on after active[k] is active[k + 1]; within a
    // segment it is the next place.
    const auto endOfValue = [&](std::size_t k) {
        std::size_t end = k + 1;
        while (end < activeCount && active[end] == active[end - 1] + 1 && sameValue(active[k], active[end]))
            ++end;
        return end;
    };

    // Number the values, and count for every item of a value held by
    // several items the items before it of its segment and a greater value.
    work.valueOf.resize(count);
    std::size_t values = 0;
    for (std::size_t first = 0, last = 0; first < activeCount; first = last, ++values) {
        last = endOfValue(first);
        for (std::size_t k = first; k < last; ++k)
            work.valueOf[ranked[active[k]].at] = last - first > 1 ? values | sharedValue : values;
    }
    if (values == activeCount) {
        // No two items share a value: the pass only sorts.
        for (const std::size_t at : active)
            newPositions[at] = ranked[at].at;
        return true;
    }
    // Counted a segment at a time, over the values of that segment: the
    // first of them is the value of the segment's first place.
    work.greaterBefore.resize(count);
    std::size_t segmentValues = 0;
    for (std::size_t k = 0; k < activeCount; ++k) {
        const std::size_t at = active[k];
        if (segmentOf[at] == at) {
            std::size_t end = at + 1;
            while (end < count && segmentOf[end] == at)
                ++end;
            segmentValues = work.valueOf[ranked[at].at] & ~sharedValue;
            const std::size_t lastValue = work.valueOf[ranked[end - 1].at] & ~sharedValue;
            work.greater.reset(lastValue + 1 - segmentValues, false);
        }
        const std::size_t value = (work.valueOf[at] & ~sharedValue) - segmentValues;
        if ((work.valueOf[at] & sharedValue) != 0)
            work.greaterBefore[at] = work.greater.before(value);
        work.greater.add(value);
    }

    for (std::size_t firstK = 0, lastK = 0; firstK < activeCount; firstK = lastK) {
        lastK = endOfValue(firstK);
        const std::size_t first = active[firstK];
        const std::size_t size = lastK - firstK;
        if (size == 1) {
            newPositions[first] = ranked[first].at;
            continue;
        }
        // Greater items before the value's first item move nothing; after
        // its last one, every greater item not yet met moves the front.
        const std::size_t greaterInSegment = first - segmentOf[first];
        const bool shortCycle = size <= shortCycleSize;
        std::size_t front = 0;
        work.cycle.resize(size);
        work.insertAt.resize(size);
        std::size_t *const cycle = work.cycle.data();
        for (std::size_t k = 0; k < size; ++k) {
            const std::size_t length = k + 1;
            if (shortCycle) {
                for (std::size_t place = k; place > front; --place)
                    cycle[place] = cycle[place - 1];
                cycle[front] = ranked[first + k].at;
            } else {
                work.insertAt[k] = front;
            }
            // The front stays on the same item, now one place further on,
            // and then moves on by the greater items up to the next one.
            const std::size_t upToNext =
                k + 1 < size ? work.greaterBefore[ranked[first + k + 1].at] : greaterInSegment;
            std::size_t steps = upToNext - work.greaterBefore[ranked[first + k].at];
            if (steps >= length) // a division costs many steps: only when needed
                steps %= length;
            front += 1 + steps;
            if (front >= length)
                front -= length;
        }
        if (!shortCycle) {
            work.free.reset(size, true);
            for (std::size_t k = size; k-- > 0;) {
                const std::size_t place = work.free.withRank(work.insertAt[k]);
                work.cycle[place] = ranked[first + k].at;
                work.free.remove(place);
            }
        }
        std::rotate_copy(work.cycle.begin(), work.cycle.begin() + qsizetype(front), work.cycle.end(),
                         newPositions.begin() + qsizetype(first));
    }
    return true;
}

} // namespace

std::vector<qsizetype> exchangeOrder(std::vector<Key> keys, Direction direction)
{
    // "Less" is "greater" with every key negated; negating a double is exact
    // and keeps equal keys equal.
    const double sign = direction == Direction::Descending ? 1.0 : -1.0;
    const std::size_t count = keys.size();
    std::vector<qsizetype> order(count);
    std::iota(order.begin(), order.end(), qsizetype(0));

    PassWork work;
    std::vector<double> passKeys(count);
    std::vector<double> passedKeys(count);
    // At first all items form one segment.
    std::vector<std::size_t> segmentOf(count, 0);
    std::vector<std::size_t> newPositions;
    std::vector<qsizetype> movedOrder;
    for (std::size_t part = 0; part < 3; ++part) {
        for (std::size_t at = 0; at < count; ++at)
            passKeys[at] = sign * keys[order[at]][part];
        if (greaterFirstPass(passKeys, segmentOf, newPositions, work)) {
            movedOrder = order;
            for (std::size_t at = 0; at < count; ++at) {
                order[at] = movedOrder[newPositions[at]];
                passedKeys[at] = passKeys[newPositions[at]];
            }
        } else {
            passedKeys.swap(passKeys);
        }
        // The next pass exchanges only items whose parts so far are equal:
        // after this pass they stand together.
        for (std::size_t at = count; at-- > 1;) {
            if (segmentOf[at] != segmentOf[at - 1] || passedKeys[at] != passedKeys[at - 1])
                segmentOf[at] = at;
        }
        for (std::size_t at = 1; at < count; ++at) {
            if (segmentOf[at] != at)
                segmentOf[at] = segmentOf[at - 1];
        }
    }
    return order;
}

Key dateKey(QStringView date)
{
    const dateandtime::DateParts parts = dateandtime::dateParts(date);
    return Key{parts.year, double(parts.month), parts.day};
}

Key timeKey(QStringView time)
{
    const dateandtime::TimeParts parts = dateandtime::timeParts(time);
    return Key{parts.hours, parts.minutes, parts.seconds};
}

std::vector<qsizetype> orderOf(const std::vector<QStringView> &keyTexts, Order order)
{
    // The keys are worked out once per item and travel with it: they depend
    // on nothing but the item's own text.
    std::vector<Key> keys;
    keys.reserve(keyTexts.size());
    for (const QStringView text : keyTexts)
        keys.push_back(byDate(order) ? dateKey(text) : timeKey(text));
    const Direction direction = order == Order::YoungestDate || order == Order::WorstTime ? Direction::Descending
                                                                                          : Direction::Ascending;
    return exchangeOrder(std::move(keys), direction);
}

} // namespace ordering
