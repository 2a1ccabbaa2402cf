#pragma once

#include "data/runfile.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <array>
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
std::vector<qsizetype> exchangeOrder(std::vector<Key> keys, Direction direction);

// Puts items in the order exchangeOrder returned.
template<typename Item>
void rearrange(QList<Item> &items, const std::vector<qsizetype> &order)
{
    QList<Item> rearranged;
    rearranged.reserve(items.size());
    for (const qsizetype from : order)
        rearranged.append(std::move(items[from]));
    items = std::move(rearranged);
}

// Year, month number, day of a date text; a month not in the month table
// counts as 0.
Key dateKey(QStringView date);
// Hours, minutes, seconds of a time text.
Key timeKey(QStringView time);

// The four orderings of the analysis window.
enum class Order {
    YoungestDate, // "Yngsta datum"
    OldestDate,   // "Äldsta datum"
    BestTime,     // "Bästa tid": shortest final time first
    WorstTime,    // "Sämsta tid"
};

// The order of items whose key texts are given, one per item: date texts
// for the date orderings, time texts for the time orderings. The result is
// as exchangeOrder gives it.
std::vector<qsizetype> orderOf(const std::vector<QStringView> &keyTexts, Order order);

// Reorders one course's runs, each cut into its fields (run::Fields, or a
// list of texts): the date orderings look at field 4, the time orderings at
// field 7+n, the final time of a course with n timed points. A missing field
// counts as an empty text.
template<typename Run>
void orderRuns(QList<Run> &runs, Order order, int n)
{
    const qsizetype column = order == Order::YoungestDate || order == Order::OldestDate ? 4 : 7 + n;
    std::vector<QStringView> keyTexts;
    keyTexts.reserve(runs.size());
    for (const Run &each : std::as_const(runs))
        keyTexts.push_back(run::field(each, column));
    rearrange(runs, orderOf(keyTexts, order));
}

} // namespace ordering
