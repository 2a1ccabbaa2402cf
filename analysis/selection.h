#pragma once

#include "analysis/ordering.h"
#include "data/dateandtime.h"
#include "data/runfile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtMath>

#include <optional>
#include <vector>

// What a course click takes from the run file: the course's runs, split into
// their fields, and the years they span.
namespace selection {

// The records whose course name (field 0) is exactly the given name, blanks
// included, in file order, each cut into fields 0 to n+7.
QList<run::Fields> selectRuns(const QStringList &records, const QString &courseName, int n);

// The same records as a course click takes them: views of them, which the
// records must outlive, with their dates' parts. The list is made in room,
// a list whose memory a click before left for the next.
QList<run::RecordView> courseRuns(const QStringList &records, QStringView courseName,
                                  QList<run::RecordView> room = {});

// The year interval that a newly chosen course gets: its runs' smallest and
// largest year, and the captions of the two year labels (the last four
// characters of a date of each year).
struct YearInterval
{
    int first = 0;
    int last = 0;
    QString firstCaption;
    QString lastCaption;
};

// None when there is no run, or when the date that stands first after the
// dates are put in year order is empty: the interval is then left as it is.
// The runs are held as run::Fields or as lists of texts.
template<typename Run>
std::optional<YearInterval> yearInterval(const QList<Run> &runs)
{
    if (runs.isEmpty())
        return std::nullopt;
    std::vector<double> years;
    years.reserve(runs.size());
    for (const Run &each : runs)
        years.push_back(run::dateParts(each).year);
    // One exchange pass by year, smallest first: which of several dates of
    // the same year it leaves first or last decides the captions below.
    const auto [first, last] = ordering::ascendingPassEnds(years);
    const QStringView smallest = run::field(runs.at(first), 4);
    const QStringView largest = run::field(runs.at(last), 4);
    if (smallest.isEmpty())
        return std::nullopt;
    return YearInterval{qRound(dateandtime::yearOf(smallest)), qRound(dateandtime::yearOf(largest)),
                        smallest.right(4).toString(), largest.right(4).toString()};
}

} // namespace selection
