#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// How much the runner has run, over every course or one: runs, races,
// kilometres and time a week, a month or a year, and the year so far
// against the same days of the year before.
namespace volume {

enum class Period { Week, Month, Year };

// A run that counts: its date reads as a calendar day and its final time as
// a time.
struct Run
{
    qint64 day = 0; // the Julian day
    int seconds = 0;
    int metres = 0; // 0 when its course's distance is not known
    bool race = false; // pace mark "T"
};

struct Runs
{
    QList<Run> counted; // in file order
    qsizetype uncounted = 0; // runs whose date or final time does not read
    qsizetype unknownDistance = 0; // counted runs over a distance not known
};

// The runs among the run file's records: every course's, or those whose
// course name (field 0) is the given one. A run's count of timed points and
// its distance are those of its own course line, the start of its record.
Runs read(const QStringList &records, const std::optional<QString> &course = std::nullopt);

// What a stretch of runs adds up to; kilometres and pace only over the runs
// with a known distance.
struct Totals
{
    int runs = 0;
    int races = 0;
    qint64 seconds = 0;
    qint64 metres = 0;
    qint64 pacedSeconds = 0; // the time of the runs with a known distance
    void add(const Run &run);
};

// A period is a number: the year; the year times 12 plus the month counted
// from 0; or the week counted in Monday-to-Sunday weeks since Julian day 0.
int periodOf(qint64 day, Period period);
// "2025", "2025-03", or "2025 v01" in the week-year of ISO 8601 (the year
// that holds the week's Thursday).
QString periodText(int period, Period kind);

struct Row
{
    int period = 0;
    Totals totals;
};

// Every period from the first run's to the last run's, empty ones
// included, newest first.
QList<Row> periods(const QList<Run> &runs, Period kind);

// "Period", "Rundor", "Tävlingar", "Kilometer", "Tid", "min/km", and a row
// in those columns: "2025-03", "12", "2", "84.3", "07.05.09", "5.03" (the
// pace empty without a run of known distance).
QStringList headers();
QStringList rowTexts(const Row &row, Period kind);
// The table's rows, one a period, as rowTexts writes them.
QList<QStringList> tableRows(const QList<Row> &rows, Period kind);
// Metres as kilometres with one decimal: 42195 -> "42.2".
QString kilometres(qint64 metres);

// The note on a period's bar: the period, kilometres, runs and time.
QString barNote(const Row &row, Period kind);

// The texts under the table; empty when their number is 0.
QString uncountedText(qsizetype runs);
QString unknownDistanceText(qsizetype runs);

// The runs from 1 January up to today included, and from 1 January of the
// year before up to the same day and month (28 February for 29 February).
struct YearSoFar
{
    Totals now;
    Totals before;
};
YearSoFar yearSoFar(const QList<Run> &runs, const QDate &today);
QString yearSoFarText(const YearSoFar &figures);

// The kilometre axis over the bars in sight between min and max (bar x at
// x): from 0 to a little above the highest of them, labelled every step of
// 1, 2 or 5 times a power of ten, at most eight steps; 0 to 1 without a bar.
struct Scale
{
    double top = 1;
    double step = 0.2;
};
Scale kilometreScale(const QList<double> &kilometres, double min, double max);

// The bars' axis labels between min and max, bar x standing for the period
// first + x of count: months 1, 3, 5... of a year (every 1, 2, 3 or 6), or
// the first months of whole years; weeks 1, 5, 9... (every 1, 2, 4, 13 or
// 26, a 53rd left out), or the first weeks of whole years; every 1, 2, 5,
// 10... years. The finest step that gives at most `wanted` labels.
struct Label
{
    int x = 0;
    QString text;
};
QList<Label> axisLabels(Period kind, int first, int count, double min, double max, int wanted);

} // namespace volume
