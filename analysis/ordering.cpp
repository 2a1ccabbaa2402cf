#include "analysis/ordering.h"

#include "data/dateandtime.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cstdint>
#include <limits>
#include <numeric>
#include <ranges>
#include <utility>

namespace ordering {
namespace {

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
Index rankPart(const std::vector<Key> &keys, double sign, std::size_t part, double lowest, double highest,
               std::vector<Index> &rank)
{
    const Index count = Index(keys.size());
    rank.resize(count);
    // No NaN among them, and the highest not too far from the lowest.
    bool exact = highest - lowest <= 2.0 * count + 64;
    for (Index k = 0; k < count && exact; ++k)
        exact = sign * keys[k][part] >= lowest;
    for (Index k = 0; k < count && exact; ++k) {
        rank[k] = Index(sign * keys[k][part] - lowest);
        exact = lowest + rank[k] == sign * keys[k][part];
    }
    if (exact)
        return Index(highest - lowest) + 1;

    // Ascending bits for ascending keys; adding 0 makes -0 the same as 0.
    std::vector<std::pair<std::uint64_t, Index>> sorted(count);
    for (Index k = 0; k < count; ++k) {
        const auto bits = std::bit_cast<std::uint64_t>(sign * keys[k][part] + 0.0);
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

// The places 0 to count - 1, as sortByValue takes its items (clang's
// library support of std::views::iota is not to be had everywhere).
struct Places
{
    struct Iterator
    {
        Index at;
        Index operator*() const { return at; }
        Iterator &operator++()
        {
            ++at;
            return *this;
        }
        bool operator!=(const Iterator &other) const { return at != other.at; }
    };
    Index count;
    Iterator begin() const { return {0}; }
    Iterator end() const { return {count}; }
    std::size_t size() const { return count; }
};

// Puts the items in ascending order of their values, those of one value in
// the order they had; values[v] becomes the place of the first item of value
// v and values[v + 1] that of its last one + 1.
template<typename Items>
void sortByValue(const Items &items, const std::vector<Index> &value, Index valueCount, std::vector<Index> &values,
                 std::vector<Index> &sorted)
{
    values.assign(valueCount + 2, 0);
    for (const Index item : items)
        ++values[value[item] + 2];
    std::partial_sum(values.begin(), values.end(), values.begin());
    sorted.resize(items.size());
    for (const Index item : items)
        sorted[values[value[item] + 1]++] = item;
}

// Numbers the items' parts 0 to p (value[p + 1]) in order: equal parts get
// equal numbers, from 0 on, and valueCount[p + 1] is how many there are.
// When the parts make few combinations, a combination's number is how many
// of those before it occur; else the items are sorted by their parts.
void numberValues(const std::array<std::vector<Index>, 3> &rank, const std::array<Index, 3> &rankCount,
                  std::array<std::vector<Index>, 4> &value, std::array<Index, 4> &valueCount)
{
    const Index count = Index(rank[0].size());
    for (std::size_t part = 1; part < 4; ++part)
        value[part].resize(count);
    const double combinations = double(rankCount[0]) * rankCount[1] * rankCount[2];
    if (combinations <= 4.0 * count + 4096) {
        std::array<std::vector<Index>, 3> numbers; // by combination of the parts 0 to p
        std::size_t size = 1;
        for (std::size_t part = 0; part < 3; ++part)
            numbers[part].assign(size *= rankCount[part], 0);
        for (Index item = 0; item < count; ++item) {
            std::size_t combination = 0;
            for (std::size_t part = 0; part < 3; ++part)
                numbers[part][combination = combination * rankCount[part] + rank[part][item]] = 1;
        }
        for (std::size_t part = 0; part < 3; ++part) {
            Index occurring = 0;
            for (Index &number : numbers[part])
                occurring += std::exchange(number, occurring);
            valueCount[part + 1] = occurring;
        }
        for (Index item = 0; item < count; ++item) {
            std::size_t combination = 0;
            for (std::size_t part = 0; part < 3; ++part)
                value[part + 1][item] = numbers[part][combination = combination * rankCount[part] + rank[part][item]];
        }
        return;
    }

    std::vector<Index> order(count), values, sorted;
    std::iota(order.begin(), order.end(), Index(0));
    for (std::size_t part = 3; part-- > 0;) {
        if (rankCount[part] > 1) {
            sortByValue(order, rank[part], rankCount[part], values, sorted);
            order.swap(sorted);
        }
    }
    for (Index k = 0; k < count; ++k) {
        const Index item = order[k], before = order[k > 0 ? k - 1 : 0];
        bool differs = k == 0;
        for (std::size_t part = 0; part < 3; ++part) {
            differs |= rank[part][item] != rank[part][before];
            valueCount[part + 1] += differs;
            value[part + 1][item] = valueCount[part + 1] - 1;
        }
    }
}

struct PassWork
{
    std::vector<Index> valueAt; // the value of the item at each place
    std::vector<Index> values; // as sortByValue leaves them
    std::vector<Index> prefixValues; // the same for the values of the pass before
    std::vector<Index> sorted; // places
    std::vector<Index> smallerBefore; // by place: the smaller items of its segment before it
    std::vector<Index> turns; // by item of one value
    std::vector<Index> cycle;
    std::vector<Index> moved;
    PositionCounts counts;
};

// The items of one value v of a segment that starts at segmentStart, in the
// order the pass leaves them: going through the items as they stood, a queue
// of the v-items met so far gets each v-item at its back, and each item of a
// smaller value met after the first v-item moves the queue's front to its
// back. The queue at the end is the order of the v-items.
//
// The smaller items between two v-items turn the queue as many times, less
// the whole rounds. When the turns are short in all, the queue is kept as a
// ring and turned item by item, either way round; else each item's place in
// the ring is noted as it joins and settled afterwards, from the last item
// joined back to the first.
void orderValue(const std::vector<Index> &order, Index v, Index segmentStart, PassWork &work)
{
    const Index first = work.values[v], size = work.values[v + 1] - first;
    const Index *const sorted = work.sorted.data() + first;
    if (size <= 1) {
        if (size == 1)
            work.moved[first] = order[sorted[0]];
        return;
    }
    Index *const turns = work.turns.data();
    std::uint64_t cost = 0;
    turns[0] = 0; // a queue of one item has no other place
    for (Index k = 1; k < size; ++k) {
        const Index next = k + 1 < size ? work.smallerBefore[sorted[k + 1]] : first - segmentStart;
        Index turn = next - work.smallerBefore[sorted[k]];
        if (turn > k) // a division costs many steps: only when needed
            turn %= k + 1;
        turns[k] = turn;
        cost += std::min(turn, k + 1 - turn);
    }

    if (cost <= 4 * std::uint64_t(size) * std::bit_width(size)) {
        // The queue stands in a window of a longer row, with room on either
        // side; it turns by copying its front behind its back, or its back
        // before its front, whichever is shorter, and is moved back to the
        // middle of the row when a side runs out of room.
        Index *const row = work.cycle.data();
        const std::size_t rowSize = 3 * std::size_t(size) + 19;
        std::size_t head = rowSize / 2, items = 0;
        const auto toMiddle = [&] {
            const std::size_t middle = (rowSize - items) / 2;
            std::memmove(row + middle, row + head, items * sizeof(Index));
            head = middle;
        };
        // Eight items at a time, a few more copied where the row is free;
        // all eight are read before any is written.
        constexpr std::size_t eight = 8;
        const auto copyEight = [](Index *to, const Index *from) {
            std::array<Index, eight> items;
            std::memcpy(items.data(), from, sizeof items);
            std::memcpy(to, items.data(), sizeof items);
        };
        // After each item there is room for the next, and eight more.
        for (Index k = 0; k < size; ++k) {
            row[head + items++] = order[sorted[k]];
            const std::size_t forward = turns[k], backward = items - forward;
            if (forward <= backward) {
                if (head + items + forward + eight > rowSize)
                    toMiddle();
                for (std::size_t done = 0; done < forward; done += eight)
                    copyEight(row + head + items + done, row + head + done);
                head += forward;
            } else {
                if (head < backward + eight)
                    toMiddle();
                for (std::size_t done = eight; done < backward + eight; done += eight)
                    copyEight(row + head - done, row + head + items - done);
                head -= backward;
            }
        }
        std::copy(row + head, row + head + size, work.moved.begin() + first);
        return;
    }

    // An item joins the ring of k items just before its front, at place
    // front; the front then stays on the same item, one place further on,
    // and moves on by the turns.
    Index front = 0;
    for (Index k = 0; k < size; ++k) {
        const Index turn = turns[k];
        turns[k] = front;
        front += 1 + turn;
        front -= front > k ? k + 1 : 0;
    }
    Index *const ring = work.cycle.data();
    work.counts.reset(size, true);
    for (Index k = size; k-- > 0;)
        ring[work.counts.takeWithRank(turns[k])] = order[sorted[k]];
    for (Index place = 0; place < size; ++place)
        work.moved[first + (place < front ? place + size - front : place - front)] = ring[place];
}

// For each place of a segment, how many items before it in the segment have
// a smaller value. Over a few values a row of counts, one per value, takes
// each item in the same few steps; over more, counts of counts do it in
// fewer.
template<Index fewValues>
void countSmallerBefore(Index start, Index end, Index lowest, PassWork &work)
{
    std::array<std::int32_t, fewValues> smaller{}; // by value: the items so far of a smaller one
    for (Index at = start; at < end; ++at) {
        const auto value = std::int32_t(work.valueAt[at] - lowest);
        work.smallerBefore[at] = Index(smaller[std::size_t(value)]);
        for (std::int32_t above = 0; above < std::int32_t(fewValues); ++above)
            smaller[std::size_t(above)] += above > value;
    }
}

void countSmallerBefore(Index start, Index end, Index lowest, Index valueCount, PassWork &work)
{
    if (valueCount <= 8)
        return countSmallerBefore<8>(start, end, lowest, work);
    if (valueCount <= 16)
        return countSmallerBefore<16>(start, end, lowest, work);
    if (valueCount <= 32)
        return countSmallerBefore<32>(start, end, lowest, work);
    if (valueCount <= 64)
        return countSmallerBefore<64>(start, end, lowest, work);
    work.counts.reset(valueCount, false);
    for (Index at = start; at < end; ++at) {
        work.smallerBefore[at] = work.counts.before(work.valueAt[at] - lowest);
        work.counts.add(work.valueAt[at] - lowest);
    }
}

// One exchange pass over the items in order, with the condition value(j) <
// value(i): a smaller value stands for a key beyond. The segments of the
// pass before, items equal in the parts before, stand together, and the
// values of one segment are all smaller than those of a later one: no pair
// of two segments is exchanged, and the pass over all the items is the pass
// over each segment. It leaves the values in ascending order, and the items
// of one value as orderValue says.
void exchangePass(std::vector<Index> &order, const std::vector<Index> &value, Index valueCount, PassWork &work)
{
    const Index count = Index(order.size());
    for (Index at = 0; at < count; ++at)
        work.valueAt[at] = value[order[at]];
    work.prefixValues.swap(work.values);
    sortByValue(Places{count}, work.valueAt, valueCount, work.values, work.sorted);
    Index largest = 0; // the most items of one value
    for (Index v = 0; v < valueCount; ++v)
        largest = std::max(largest, work.values[v + 1] - work.values[v]);
    work.turns.resize(largest);
    work.cycle.resize(3 * std::size_t(largest) + 19);
    const std::size_t segments = work.prefixValues.size() - 2;
    for (std::size_t segment = 0; segment < segments; ++segment) {
        const Index start = work.prefixValues[segment], end = work.prefixValues[segment + 1];
        if (start == end)
            continue;
        // The sorted places of a segment are its own.
        const Index lowest = work.valueAt[work.sorted[start]], highest = work.valueAt[work.sorted[end - 1]];
        if (lowest == highest) {
            std::copy(order.begin() + start, order.begin() + end, work.moved.begin() + start);
            continue;
        }
        if (highest - lowest == end - start - 1) { // no two alike
            for (Index place = start; place < end; ++place)
                work.moved[place] = order[work.sorted[place]];
            continue;
        }
        countSmallerBefore(start, end, lowest, highest - lowest + 1, work);
        for (Index v = lowest; v <= highest; ++v)
            orderValue(order, v, start, work);
    }
    order.swap(work.moved);
}

} // namespace

std::vector<qsizetype> exchangeOrder(const std::vector<Key> &keys, Direction direction)
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
    for (const Key &key : keys) {
        for (std::size_t part = 0; part < 3; ++part) {
            lowest[part] = std::min(lowest[part], sign * key[part]);
            highest[part] = std::max(highest[part], sign * key[part]);
        }
    }
    // The working memory stays with the thread for the next ordering: taken
    // afresh from the system at every click, it cost more than the ordering.
    thread_local struct
    {
        std::array<std::vector<Index>, 3> rank;
        std::array<std::vector<Index>, 4> value;
        PassWork pass;
        std::vector<Index> order;
    } work;

    // Pass p orders by the parts 0 to p at once: their ranks, numbered in
    // order, are its values, value[p + 1]. value[0], all 0, numbers no part.
    std::array<Index, 3> rankCount{};
    for (std::size_t part = 0; part < 3; ++part)
        rankCount[part] = rankPart(keys, sign, part, lowest[part], highest[part], work.rank[part]);
    std::array<Index, 4> valueCount{1, 0, 0, 0};
    numberValues(work.rank, rankCount, work.value, valueCount);

    std::vector<Index> &order = work.order;
    order.resize(count);
    std::iota(order.begin(), order.end(), Index(0));
    for (std::vector<Index> *buffer : {&work.pass.valueAt, &work.pass.smallerBefore, &work.pass.moved})
        buffer->resize(count);
    work.pass.values = {0, count, count}; // one segment
    // A pass whose values part no segment of the pass before moves nothing.
    for (std::size_t part = 0; part < 3; ++part) {
        if (valueCount[part + 1] > valueCount[part])
            exchangePass(order, work.value[part + 1], valueCount[part + 1], work.pass);
    }
    return std::vector<qsizetype>(order.begin(), order.end());
}

std::pair<qsizetype, qsizetype> ascendingPassEnds(const std::vector<double> &keys)
{
    // The item in the first place is exchanged for every smaller one met:
    // it ends as the first of the smallest.
    const qsizetype count = qsizetype(keys.size());
    qsizetype first = 0;
    double largest = keys[0];
    for (qsizetype k = 1; k < count; ++k) {
        first = keys[k] < keys[first] ? k : first;
        largest = std::max(largest, keys[k]);
    }
    // The items of the largest key end in the order of their queue (see
    // orderValue), every other item being smaller: each turns the queue once
    // after the first of them. The last place of the queue is followed back
    // through the turns to the item that joined there.
    std::vector<qsizetype> joined;
    for (qsizetype k = 0; k < count; ++k) {
        if (keys[k] == largest)
            joined.push_back(k);
    }
    const qsizetype items = qsizetype(joined.size());
    qsizetype place = items - 1;
    for (qsizetype size = items; size > 1; --size) {
        const qsizetype next = size < items ? joined[std::size_t(size)] : count;
        place = (place + (next - joined[std::size_t(size - 1)] - 1)) % size;
        if (place == size - 1)
            return {first, joined[std::size_t(size - 1)]};
    }
    return {first, joined.front()};
}

Key dateKey(const dateandtime::DateParts &parts)
{
    return Key{parts.year, double(parts.month), parts.day};
}

Key dateKey(QStringView date)
{
    return dateKey(dateandtime::dateParts(date));
}

Key timeKey(QStringView time)
{
    const dateandtime::TimeParts parts = dateandtime::timeParts(time);
    return Key{parts.hours, parts.minutes, parts.seconds};
}

bool byDate(Order order)
{
    return order == Order::YoungestDate || order == Order::OldestDate;
}

Direction directionOf(Order order)
{
    return order == Order::YoungestDate || order == Order::WorstTime ? Direction::Descending : Direction::Ascending;
}

} // namespace ordering
