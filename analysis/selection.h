#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a course click takes from the run file: the course's runs, split into
// their fields, and the years they span.
namespace selection {

// The records whose course name (field 0) is exactly the given name, blanks
// included, in file order, each split into fields 0 to n+7.
QList<QStringList> selectRuns(const QStringList &records, const QString &courseName, int n);

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
std::optional<YearInterval> yearInterval(const QList<QStringList> &runs);

} // namespace selection
