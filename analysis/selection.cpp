#include "analysis/selection.h"

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
    struct Dated
    {
        double year;
        QString date;
    };
    std::vector<Dated> dates;
    dates.reserve(runs.size());
    for (const QStringList &run : runs) {
        const QString date = run.value(4);
        dates.push_back({dateandtime::yearOf(date), date});
    }
    // One exchange pass by year, smallest first: which of several dates of
    // the same year ends first or last decides the captions below.
    for (std::size_t a = 0; a + 1 < dates.size(); ++a) {
        for (std::size_t b = a + 1; b < dates.size(); ++b) {
            if (dates[b].year < dates[a].year)
                std::swap(dates[a], dates[b]);
        }
    }
    const Dated &smallest = dates.front();
    const Dated &largest = dates.back();
    if (smallest.date.isEmpty())
        return std::nullopt;
    return YearInterval{qRound(smallest.year), qRound(largest.year), smallest.date.right(4), largest.date.right(4)};
}

} // namespace selection
