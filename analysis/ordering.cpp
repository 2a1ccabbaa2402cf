#include "analysis/ordering.h"

#include "data/dateandtime.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>

namespace ordering {
namespace {

bool byDate(Order order)
{
    return order == Order::YoungestDate || order == Order::OldestDate;
}

// Counts over the positions 0 to size-1 (a Fenwick tree): each position is
// counted at most once.
class PositionCounts
{
public:
    // Every position counted (all) or none.
    void reset(std::size_t size, bool all)
    {
        m_tree.assign(size + 1, 0);
        if (!all)
            return;
        for (std::size_t node = 1; node <= size; ++node) {
            m_tree[node] += 1;
            const std::size_t parent = node + (node & (~node + 1));
            if (parent <= size)
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
        for (std::size_t node = position + 1; node < m_tree.size(); node += node & (~node + 1))
            ++m_tree[node];
    }

    void remove(std::size_t position)
    {
        for (std::size_t node = position + 1; node < m_tree.size(); node += node & (~node + 1))
            --m_tree[node];
    }

    // The counted position that has exactly rank counted positions before it.
    std::size_t withRank(std::size_t rank) const
    {
        std::size_t node = 0;
        std::size_t step = 1;
        while (step * 2 < m_tree.size())
            step *= 2;
        for (; step > 0; step /= 2) {
            if (node + step < m_tree.size() && m_tree[node + step] <= rank) {
                node += step;
                rank -= m_tree[node];
            }
        }
        return node;
    }

private:
    std::vector<std::size_t> m_tree;
};

struct PassWork
{
    std::vector<std::size_t> byValue;
    std::vector<std::size_t> insertAt;
    std::vector<std::size_t> cycle;
    PositionCounts greater;
    PositionCounts free;
};

// One exchange pass with the condition key(j) > key(i), without its n²/2
// comparisons. newPositions[t] becomes the position, before the pass, of
// the item that stands at t after it.
//
// The pass leaves the keys in descending order. The items of one key value
// v end in this order: going through the items as they stood, a queue of
// the v-items met so far gets each v-item at its back, and each item with a
// key greater than v, met after the first v-item, moves the queue's front to
// its back; items with smaller keys change nothing. The queue at the end is
// the order of the v-items.
//
// The queue is kept as a cycle with a front mark: an item joins the cycle
// just before the front, and g greater items move the mark g steps on. The
// greater items between two v-items are counted with the items of greater
// values, taken from the greatest value down; the places in the cycle are
// settled afterwards, from the last item joined back to the first.
void greaterFirstPass(const std::vector<double> &keys, std::vector<std::size_t> &newPositions, PassWork &work)
{
    const std::size_t count = keys.size();
    newPositions.resize(count);
    std::iota(newPositions.begin(), newPositions.end(), std::size_t(0));
    // Keys already in descending order: no condition ever holds.
    if (std::is_sorted(keys.begin(), keys.end(), std::greater<double>()))
        return;

    std::vector<std::size_t> &byValue = work.byValue;
    byValue.resize(count);
    std::iota(byValue.begin(), byValue.end(), std::size_t(0));
    std::sort(byValue.begin(), byValue.end(), [&keys](std::size_t a, std::size_t b) {
        return keys[a] > keys[b] || (keys[a] == keys[b] && a < b);
    });

    work.greater.reset(count, false);
    for (std::size_t first = 0, last = 0; first < count; first = last) {
        last = first + 1;
        while (last < count && keys[byValue[last]] == keys[byValue[first]])
            ++last;
        const std::size_t size = last - first;
        std::size_t front = 0;
        if (size > 1) {
            work.insertAt.resize(size);
            for (std::size_t k = 0; k < size; ++k) {
                const std::size_t length = k + 1;
                work.insertAt[k] = front;
                front = (front + 1) % length;
                const std::size_t from = byValue[first + k] + 1;
                const std::size_t to = k + 1 < size ? byValue[first + k + 1] : count;
                front = (front + (work.greater.before(to) - work.greater.before(from)) % length) % length;
            }
            work.cycle.resize(size);
            work.free.reset(size, true);
            for (std::size_t k = size; k-- > 0;) {
                const std::size_t place = work.free.withRank(work.insertAt[k]);
                work.cycle[place] = byValue[first + k];
                work.free.remove(place);
            }
        }
        for (std::size_t k = 0; k < size; ++k)
            newPositions[first + k] = size > 1 ? work.cycle[(front + k) % size] : byValue[first];
        for (std::size_t k = first; k < last; ++k)
            work.greater.add(byValue[k]);
    }
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
    std::vector<double> groupKeys;
    std::vector<std::size_t> newPositions;
    std::vector<qsizetype> group;
    for (std::size_t part = 0; part < 3; ++part) {
        // After the earlier passes the items whose higher parts are equal
        // stand together, and only they are ever exchanged by this pass.
        const auto sameGroup = [&keys, part](qsizetype a, qsizetype b) {
            for (std::size_t higher = 0; higher < part; ++higher) {
                if (keys[a][higher] != keys[b][higher])
                    return false;
            }
            return true;
        };
        for (std::size_t begin = 0, end = 0; begin < count; begin = end) {
            end = begin + 1;
            while (end < count && sameGroup(order[begin], order[end]))
                ++end;
            if (end - begin < 2)
                continue;
            groupKeys.clear();
            for (std::size_t at = begin; at < end; ++at)
                groupKeys.push_back(sign * keys[order[at]][part]);
            greaterFirstPass(groupKeys, newPositions, work);
            group.assign(order.begin() + qsizetype(begin), order.begin() + qsizetype(end));
            for (std::size_t at = begin; at < end; ++at)
                order[at] = group[newPositions[at - begin]];
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

void orderRuns(QList<QStringList> &runs, Order order, int n)
{
    const qsizetype column = byDate(order) ? 4 : 7 + n;
    std::vector<QStringView> keyTexts;
    keyTexts.reserve(runs.size());
    for (const QStringList &run : std::as_const(runs))
        keyTexts.push_back(column < run.size() ? QStringView(run.at(column)) : QStringView());
    const std::vector<qsizetype> newOrder = orderOf(keyTexts, order);
    rearrange(runs, newOrder);
}

} // namespace ordering
