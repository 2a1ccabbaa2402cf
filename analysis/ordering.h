#pragma once

#include "data/dateandtime.h"
#include "data/runfile.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <array>
#include <utility>
#include <vector>

// The program's one ordering technique, shared by the analysis window and
// the save-and-exit command: three exchange passes over keys of three parts.
//
// A pass runs, for i from the first position to the last but one and j from
// i+1 to the last, and exchanges the items at i and j when the pass condition
// holds for their current keys:
//   pass 1: first(j) beyond first(i)
//   pass 2: second(j) beyond second(i), first parts equal
//   pass 3: third(j) beyond third(i), first and second parts equal
// "Beyond" is greater for a descending order and less for an ascending one;
// every comparison is numeric and strict. The order is not stable: an
// exchange moves the item at i past those between i and j, so items with
// equal keys end in the order this procedure leaves them in.
//
// exchangeOrder gives exactly that order, item for item, in O(n log n)
// time: it never runs the n²/2 comparisons of a pass.
namespace ordering {

using Key = std::array<double, 3>;

enum class Direction { Ascending, Descending };

// The new order: element k is the index, in keys, of the item that ends at
// position k.
std::vector<qsizetype> exchangeOrder(const std::vector<Key> &keys, Direction direction);

// The items that one exchange pass in ascending order (pass 1 above, over
// keys of one part) leaves in the first place and in the last: their
// positions in the keys, which must not be empty.
std::pair<qsizetype, qsizetype> ascendingPassEnds(const std::vector<double> &keys);

// Puts items in the order exchangeOrder returned, moving each item once
// along the cycles of the order.
template<typename Item>
void rearrange(QList<Item> &items, std::vector<qsizetype> order)
{
    for (qsizetype start = 0; start < qsizetype(order.size()); ++start) {
        if (order[std::size_t(start)] < 0)
            continue;
        Item first = std::move(items[start]);
        qsizetype to = start;
        for (qsizetype from = order[std::size_t(to)]; from != start; from = order[std::size_t(to)]) {
            items[to] = std::move(items[from]);
            order[std::size_t(std::exchange(to, from))] = -1;
        }
        items[to] = std::move(first);
        order[std::size_t(to)] = -1;
    }
}

// Year, month number, day of a date text; a month not in the month table
// counts as 0.
Key dateKey(QStringView date);
Key dateKey(const dateandtime::DateParts &parts);
// Hours, minutes, seconds of a time text.
Key timeKey(QStringView time);

// The four orderings of the analysis window.
enum class Order {
    YoungestDate, // "Yngsta datum"
    OldestDate,   // "Äldsta datum"
    BestTime,     // "Bästa tid": shortest final time first
    WorstTime,    // "Sämsta tid"
};

bool byDate(Order order);
Direction directionOf(Order order);

// The order of one course's runs, each cut into its fields (run::Fields, a
// list of texts, or run::RecordView), as exchangeOrder gives it: the date
// orderings look at field 4, the time orderings at field 7+n, the final time
// of a course with n timed points. A missing field counts as an empty text.
// Each run's key is worked out once and travels with it.
template<typename Run>
std::vector<qsizetype> runOrder(const QList<Run> &runs, Order order, int n)
{
    thread_local std::vector<Key> keys; // its memory kept for the next click
    keys.clear();
    keys.reserve(runs.size());
    for (const Run &each : runs)
        keys.push_back(byDate(order) ? dateKey(run::dateParts(each)) : timeKey(run::field(each, 7 + n)));
    return exchangeOrder(keys, directionOf(order));
}

// Reorders the runs so.
template<typename Run>
void orderRuns(QList<Run> &runs, Order order, int n)
{
    rearrange(runs, runOrder(runs, order, n));
}

} // namespace ordering
