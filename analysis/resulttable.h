#pragma once

#include "data/dateandtime.h"
#include "data/runfile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <numeric>
#include <vector>

// The analysis window's result table: up to 28 rows of date, final time and
// split times.
namespace resulttable {

inline constexpr int rowCount = 28;

// Row r (1 to 28) uses the labels numbered A (date), A + 1 (split times) and
// A + 2 (final time); the numbers skip 31 to 36, 55 and 56, which belong to
// other labels of the window.
struct RowLabels
{
    int date;
    int splits;
    int final;
};

constexpr RowLabels labelsOfRow(int row)
{
    const int first = row <= 10 ? 3 * row - 2 : row <= 16 ? 3 * row + 4 : 3 * row + 6;
    return RowLabels{first, first + 1, first + 2};
}

// Top of row r in twips.
constexpr int rowTop(int row) { return 960 + 240 * (row - 1); }

// Left and width of the three columns, in twips; every cell is 255 high.
inline constexpr int cellHeight = 255;
inline constexpr int dateLeft = 4680;
inline constexpr int finalLeft = 5760;
inline constexpr int splitsLeft = 6840;
inline constexpr int dateWidth = 1095;
inline constexpr int finalWidth = 1095;
inline constexpr int splitsWidth = 7455;

struct Row
{
    QString date;
    QString splits;
    QString final;
};

// The split times of a run, fields 8 to n+6, joined by " : "; empty when the
// course has only the final time. A run is held as run::Fields or as a list
// of texts.
template<typename Run>
QString splitTimes(const Run &fields, int n)
{
    QString splits;
    for (int f = 8; f <= n + 6; ++f) {
        if (f > 8)
            splits += QStringLiteral(" : ");
        splits += run::field(fields, f);
    }
    return splits;
}

// The rows to show, from the top: the first 28 runs, in the order given
// (element k the index of the run in position k), whose year (the numeric
// value of the date's last four characters) lies from firstYear to
// lastYear, both included. Each run holds the fields 0 to n+7 of its record.
template<typename Run>
QList<Row> rowsToShow(const QList<Run> &runs, const std::vector<qsizetype> &order, int n, double firstYear,
                      double lastYear)
{
    QList<Row> rows;
    for (const qsizetype index : order) {
        if (rows.size() == rowCount)
            break;
        const Run &each = runs.at(index);
        const double year = run::dateParts(each).year;
        if (year < firstYear || year > lastYear)
            continue;
        rows.append(Row{run::field(each, 4).toString(), splitTimes(each, n), run::field(each, 7 + n).toString()});
    }
    return rows;
}

// The same for the runs in the order they stand.
template<typename Run>
QList<Row> rowsToShow(const QList<Run> &runs, int n, double firstYear, double lastYear)
{
    std::vector<qsizetype> order(std::size_t(runs.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    return rowsToShow(runs, order, n, firstYear, lastYear);
}

// "06000" -> " 6000 meter": the distance as a number, with a blank where a
// negative number has its sign.
QString distanceCaption(QStringView distance);

} // namespace resulttable
