#include "analysis/resulttable.h"

#include "data/dateandtime.h"
#include "data/numeric.h"

namespace resulttable {

QList<Row> rowsToShow(const QList<QStringList> &runs, int n, double firstYear, double lastYear)
{
    QList<Row> rows;
    for (const QStringList &run : runs) {
        if (rows.size() == rowCount)
            break;
        const QString date = run.value(4);
        const double year = dateandtime::yearOf(date);
        if (year < firstYear || year > lastYear)
            continue;
        rows.append(Row{date, splitTimes(run, n), run.value(7 + n)});
    }
    return rows;
}

QString splitTimes(const QStringList &run, int n)
{
    QStringList splits;
    for (int field = 8; field <= n + 6; ++field)
        splits.append(run.value(field));
    return splits.join(QStringLiteral(" : "));
}

QString distanceCaption(QStringView distance)
{
    // Adding 0 turns a "-0" into 0, which then gets its blank.
    const double metres = numericValue(distance) + 0.0;
    const QString number = QString::number(metres, 'g', 15);
    return (metres >= 0 ? QStringLiteral(" ") : QString()) + number + QStringLiteral(" meter");
}

} // namespace resulttable
