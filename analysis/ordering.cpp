#include "analysis/ordering.h"

#include "data/dateandtime.h"

#include <utility>

namespace ordering {
namespace {

bool byDate(Order order)
{
    return order == Order::YoungestDate || order == Order::OldestDate;
}

} // namespace

std::vector<qsizetype> exchangeOrder(std::vector<Key> keys, Direction direction)
{
    const auto beyond = [direction](double j, double i) {
        return direction == Direction::Descending ? j > i : j < i;
    };
    std::vector<qsizetype> order(keys.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = qsizetype(k);

    const std::size_t count = keys.size();
    for (std::size_t part = 0; part < 3; ++part) {
        for (std::size_t i = 0; i + 1 < count; ++i) {
            for (std::size_t j = i + 1; j < count; ++j) {
                const Key &a = keys[i];
                const Key &b = keys[j];
                bool exchange = beyond(b[part], a[part]);
                for (std::size_t higher = 0; exchange && higher < part; ++higher)
                    exchange = b[higher] == a[higher];
                if (exchange) {
                    std::swap(keys[i], keys[j]);
                    std::swap(order[i], order[j]);
                }
            }
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
