#include "analysis/selection.h"

#include "analysis/ordering.h"

#include "data/dateandtime.h"
#include "data/runfile.h"

#include <QtMath>

#include <utility>
#include <vector>

namespace selection {

QList<QStringList> selectRuns(const QStringList &records, const QString &courseName, int n)
{
    QList<QStringList> runs;
    for (const QString &record : records) {
        if (run::courseName(record) == courseName)
            runs.append(run::split(record, n + 8));
    }
    return runs;
}

std::optional<YearInterval> yearInterval(const QList<QStringList> &runs)
{
    if (runs.isEmpty())
        return std::nullopt;
    std::vector<ordering::Key> years;
    years.reserve(runs.size());
    for (const QStringList &run : runs)
        years.push_back({dateandtime::yearOf(run.value(4)), 0, 0});
    // One exchange pass by year, smallest first (the other two parts are
    // equal and never exchange anything): which of several dates of the same
    // year ends first or last decides the captions below.
    const std::vector<qsizetype> byYear = ordering::exchangeOrder(std::move(years), ordering::Direction::Ascending);
    const QString smallest = runs.at(byYear.front()).value(4);
    const QString largest = runs.at(byYear.back()).value(4);
    if (smallest.isEmpty())
        return std::nullopt;
    return YearInterval{qRound(dateandtime::yearOf(smallest)), qRound(dateandtime::yearOf(largest)), smallest.right(4),
                        largest.right(4)};
}

} // namespace selection
