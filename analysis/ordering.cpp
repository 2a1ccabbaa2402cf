#include "analysis/ordering.h"

#include "data/dateandtime.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

namespace ordering {
namespace {

bool byDate(Order order)
{
    return order == Order::YoungestDate || order == Order::OldestDate;
}

using Index = std::uint32_t;

// Counts over the positions 0 to size-1 (a Fenwick tree). The tree spans a
// power of two, so that a search down it needs no bounds.
class PositionCounts
{
public:
    // Every position counted once (all) or none. With all, the positions
    // past size up to the span count too: they come after every one asked for.
    void reset(Index size, bool all)
    {
        m_span = std::bit_ceil(std::max<Index>(size, 1));
        m_tree.resize(m_span + 1);
        for (Index node = 0; node <= m_span; ++node)
            m_tree[node] = all ? node & (~node + 1) : 0;
    }

    // How many positions before the given one are counted.
    Index before(Index position) const
    {
        Index sum = 0;
        for (Index node = position; node > 0; node &= node - 1)
            sum += m_tree[node];
        return sum;
    }

    void add(Index position)
    {
        for (Index node = position + 1; node <= m_span; node += node & (~node + 1))
            ++m_tree[node];
    }

    // Takes out the counted position that has exactly rank counted positions
    // before it, and gives it: the counts that hold it are the ones passed
    // on the way down.
    Index takeWithRank(Index rank)
    {
        Index node = 0;
        for (Index step = m_span; step > 0; step /= 2) {
            Index &below = m_tree[node + step];
            const bool past = below <= rank;
            rank -= past ? below : 0;
            below -= past ? 0 : 1;
            node += past ? step : 0;
        }
        return node;
    }

private:
    Index m_span = 1;
    std::vector<Index> m_tree;
};

// Ranks one part of the keys: equal for equal keys, greater for a greater
// key (-0 and 0 are equal); the result is the number of ranks, at most
// about twice the number of keys. Parts of dates and times are whole
// numbers close together: such a part is ranked by its distance from the
// lowest, the others by sorting.
Index rankPart(const std::vector<Key> &keys, std::size_t part, double lowest, double highest,
               std::vector<Index> &rank)
{
    const Index count = Index(keys.size());
    rank.resize(count);
    // No NaN among them, and the highest not too far from the lowest.
    bool exact = highest - lowest <= 2.0 * count + 64;
    for (Index k = 0; k < count && exact; ++k)
        exact = keys[k][part] >= lowest;
    for (Index k = 0; k < count && exact; ++k) {
        rank[k] = Index(keys[k][part] - lowest);
        exact = lowest + rank[k] == keys[k][part];
    }
    if (exact)
        return Index(highest - lowest) + 1;

    // Ascending bits for ascending keys; adding 0 makes -0 the same as 0.
    std::vector<std::pair<std::uint64_t, Index>> sorted(count);
    for (Index k = 0; k < count; ++k) {
        const auto bits = std::bit_cast<std::uint64_t>(keys[k][part] + 0.0);
        constexpr std::uint64_t signBit = std::uint64_t(1) << 63;
        sorted[k] = {(bits & signBit) != 0 ? ~bits : bits | signBit, k};
    }
    std::sort(sorted.begin(), sorted.end());
    Index ranks = 0;
    for (Index k = 0; k < count; ++k) {
        ranks += k > 0 && sorted[k].first != sorted[k - 1].first;
        rank[sorted[k].second] = ranks;
    }
    return ranks + 1;
}

// Puts the items in ascending order of their values, those of one value in
// the order they had; values[v] becomes the place of the first item of value
// v and values[v + 1] that of its last one + 1.
void sortByValue(const std::vector<Index> &items, const std::vector<Index> &value, Index valueCount,
                 std::vector<Index> &values, std::vector<Index> &sorted)
{
    values.assign(valueCount + 2, 0);
    for (const Index item : items)
        ++values[value[item] + 2];
    std::partial_sum(values.begin(), values.end(), values.begin());
    sorted.resize(items.size());
    for (const Index item : items)
        sorted[values[value[item] + 1]++] = item;
}

// How many of the values from first to last are below the given one: eight
// counts side by side, which the compiler works out in one step.
Index countBelow(const Index *first, const Index *last, Index value)
{
    Index counts[8] = {};
    for (; last - first >= 8; first += 8) {
        for (int lane = 0; lane < 8; ++lane)
            counts[lane] += first[lane] < value;
    }
    Index count = 0;
    for (; first < last; ++first)
        count += *first < value;
    for (const Index each : counts)
        count += each;
    return count;
}

struct PassWork
{
    std::vector<Index> places; // 0, 1, 2, ...
    std::vector<Index> valueAt; // the value of the item at each place
    std::vector<Index> values; // as sortByValue leaves them
    std::vector<Index> prefixValues; // the same for the values of the pass before
    std::vector<Index> sorted; // places
    std::vector<Index> smallerBefore; // by place
    std::vector<Index> joinedAt;
    std::vector<Index> cycle;
    std::vector<Index> moved;
    PositionCounts counts;
};

// Up to this many items of one value, moving the cycle's items out to make
// room costs less than counting where they go.
constexpr Index shortCycle = 1024;

// One exchange pass over the items in order, with the condition value(j) <
// value(i): a smaller value stands for a key beyond, prefix values for the
// parts before. The items of one segment, equal in the parts before, stand
// together, and their values are all smaller than those of a later segment:
// a pass over all the items at once is the pass over each segment.
//
// The pass leaves the values in ascending order, and the items of one value v
// in this order: going through the items as they stood, a queue of the
// v-items met so far gets each v-item at its back, and each item of a smaller
// value met after the first v-item moves the queue's front to its back. The
// queue at the end is the order of the v-items.
//
// The queue is kept as a cycle with a front mark: an item joins the cycle
// just before the front, and g smaller items move the mark g steps on. A
// short cycle takes each item at once, the items on the shorter side of the
// front moved out; a long one notes where each item joined and settles the
// places afterwards, from the last item joined back to the first.
void exchangePass(std::vector<Index> &order, const std::vector<Index> &value, Index valueCount,
                  const std::vector<Index> &prefix, PassWork &work)
{
    const Index count = Index(order.size());
    for (Index at = 0; at < count; ++at)
        work.valueAt[at] = value[order[at]];
    work.prefixValues.swap(work.values);
    sortByValue(work.places, work.valueAt, valueCount, work.values, work.sorted);
    const Index *const sorted = work.sorted.data();
    const Index *const valueAt = work.valueAt.data();
    const Index *const smallerBefore = work.smallerBefore.data();

    // The smaller items between two places are counted place by place while
    // that costs little in all, else once for every place.
    std::size_t budget = 32 * std::size_t(count);
    bool counted = false;
    for (Index v = 0; v < valueCount; ++v) {
        const Index first = work.values[v], size = work.values[v + 1] - first;
        if (size == 1) {
            work.moved[first] = order[sorted[first]];
            continue;
        }
        const Index end = work.prefixValues[prefix[order[sorted[first]]] + 1]; // of the segment
        if (!counted && end - sorted[first + 1] > budget) {
            work.counts.reset(valueCount, false);
            for (Index at = 0; at < count; ++at) {
                work.smallerBefore[at] = work.counts.before(valueAt[at]);
                work.counts.add(valueAt[at]);
            }
            counted = true;
        }
        budget -= counted ? 0 : end - sorted[first + 1];

        // The cycle stands from its start on, with room before it.
        Index *cycle = work.cycle.data() + size;
        Index front = 0;
        for (Index k = 0; k < size; ++k) {
            const Index at = sorted[first + k];
            if (size <= shortCycle && front < k - front) {
                std::copy(cycle, cycle + front, cycle - 1);
                *(--cycle + front) = order[at];
            } else if (size <= shortCycle) {
                std::copy_backward(cycle + front, cycle + k, cycle + k + 1);
                cycle[front] = order[at];
            } else {
                work.joinedAt[k] = front;
            }
            // The front stays on the same item, now one place further on,
            // and then moves on by the smaller items up to the next one; the
            // cycle of one item has no other place.
            const Index next = k + 1 < size ? sorted[first + k + 1] : end;
            Index moves = k == 0 ? 0
                        : !counted    ? countBelow(valueAt + at + 1, valueAt + next, v)
                                      : (next < end ? smallerBefore[next] : first) - smallerBefore[at];
            if (moves > k) // a division costs many steps: only when needed
                moves %= k + 1;
            front += 1 + moves;
            front -= front > k ? k + 1 : 0;
        }
        if (size > shortCycle) {
            work.counts.reset(size, true);
            for (Index k = size; k-- > 0;)
                cycle[work.counts.takeWithRank(work.joinedAt[k])] = order[sorted[first + k]];
        }
        for (Index place = 0; place < size; ++place)
            work.moved[first + (place < front ? place + size - front : place - front)] = cycle[place];
    }
    order.swap(work.moved);
}

} // namespace

std::vector<qsizetype> exchangeOrder(std::vector<Key> keys, Direction direction)
{
    const Index count = Index(keys.size());
    if (count == 0)
        return {};
    // Ranks ascend with keys that come later: "greater" is "less" with
    // every key negated, and negating is exact.
    constexpr double infinity = std::numeric_limits<double>::infinity();
    Key lowest{infinity, infinity, infinity};
    Key highest{-infinity, -infinity, -infinity};
    const double sign = direction == Direction::Descending ? -1.0 : 1.0;
    for (Key &key : keys) {
        key = {sign * key[0], sign * key[1], sign * key[2]};
        lowest = {std::min(lowest[0], key[0]), std::min(lowest[1], key[1]), std::min(lowest[2], key[2])};
        highest = {std::max(highest[0], key[0]), std::max(highest[1], key[1]), std::max(highest[2], key[2])};
    }
    std::array<std::vector<Index>, 3> rank;
    std::array<Index, 3> rankCount{};
    for (std::size_t part = 0; part < 3; ++part)
        rankCount[part] = rankPart(keys, part, lowest[part], highest[part], rank[part]);

    // Pass p orders by the parts 0 to p at once: their ranks, numbered in
    // order, are its values, value[p + 1]. value[0], all 0, numbers no part.
    PassWork work;
    std::vector<Index> order(count);
    std::iota(order.begin(), order.end(), Index(0));
    for (std::size_t part = 3; part-- > 0;) {
        if (rankCount[part] > 1) {
            sortByValue(order, rank[part], rankCount[part], work.values, work.sorted);
            order.swap(work.sorted);
        }
    }
    std::array<std::vector<Index>, 4> value;
    std::array<Index, 4> valueCount{1, 0, 0, 0};
    for (std::vector<Index> &values : value)
        values.resize(count);
    for (Index k = 0; k < count; ++k) {
        const Index item = order[k], before = order[k > 0 ? k - 1 : 0];
        bool differs = k == 0;
        for (std::size_t part = 0; part < 3; ++part) {
            differs |= rank[part][item] != rank[part][before];
            valueCount[part + 1] += differs;
            value[part + 1][item] = valueCount[part + 1] - 1;
        }
    }

    std::iota(order.begin(), order.end(), Index(0));
    work.places = order;
    for (std::vector<Index> *buffer : {&work.valueAt, &work.smallerBefore, &work.joinedAt, &work.moved})
        buffer->resize(count);
    work.cycle.resize(2 * std::size_t(count));
    work.values = {0, count, count}; // one segment
    // A pass whose values part no segment of the pass before moves nothing.
    for (std::size_t part = 0; part < 3; ++part) {
        if (valueCount[part + 1] > valueCount[part])
            exchangePass(order, value[part + 1], valueCount[part + 1], value[part], work);
    }
    return std::vector<qsizetype>(order.begin(), order.end());
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
