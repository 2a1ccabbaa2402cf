#pragma once

#include "data/runfile.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// What the progress chart of a course shows, worked out from the course's
// runs: which runs can be drawn, their calendar days and seconds, the year
// table and the points of the chart.
namespace progress {

// One run that the chart shows.
struct Run
{
    qint64 day = 0;
    int seconds = 0;
    bool race = false;  // pace mark "T"; otherwise "M"
    qsizetype index = 0; // its place in the runs given to compute()
};

struct Year
{
    int year = 0;
    int runs = 0;
    int races = 0;
    Run best;
    int median = 0; // seconds; halfway between the middle two, rounded up
};

struct Progress
{
    QList<Run> runs;      // by day, runs of one day in file order
    qsizetype leftOut = 0; // runs with no date, no time or no pace mark to draw
    QList<Year> years;    // newest first
};

// Each run holds fields 0 to n+7 of its record: field 3 the pace mark, 4 the
// date, 7+n the final time. A course whose count is no number of timed
// points (n outside 1 to 10) has every run left out.
Progress compute(const QList<run::Fields> &runs, int n);

// The texts of a row of the year table: "År", "Rundor", "Tävling", "Bästa",
// "Median", and "min/km" of the best when the distance is known.
QStringList yearTexts(const Year &year, std::optional<int> metres);
QStringList yearHeaders(std::optional<int> metres);
// The rows of the year table, one a year, as yearTexts writes them.
QList<QStringList> yearRows(const QList<Year> &years, std::optional<int> metres);

// The chart's x value of a day: milliseconds since 1970, at noon UTC, so
// that the day is the same in every time zone.
double chartX(qint64 day);

// The y value of a run: its final time in seconds or, over a known
// distance, its seconds per kilometre.
double chartY(const Run &run, std::optional<int> metres);

// What the chart draws: the runs of either pace, and all runs, as points by
// x; a point for each year's best, oldest year first; and the values that
// hold every point with a margin (15 days on either side, a twentieth of the
// times or at least 5 above and below).
struct Points
{
    QList<QPointF> race;
    QList<QPointF> training;
    QList<QPointF> all; // point k is run k of the progress
    QList<QPointF> bests;
    QRectF everything;
};
Points points(const Progress &progress, std::optional<int> metres);

// Where the date axis puts its labels between min and max (x values): at
// the start of every 1, 2, 5, 10, ... years ("2019"), of every 1, 2, 3 or 6
// months ("2019-03") or of every 1, 2, 7 or 14 days ("2019-03-14"), the
// finest of these that gives at most `wanted` labels; none when even a
// thousand years give more.
struct Tick
{
    double value = 0;
    QString label;
};
QList<Tick> xTicks(double min, double max, int wanted);

// Where the y axis puts its labels between min and max: at most `wanted`
// steps of 1, 2, 5, 10, 15 or 30 seconds, minutes or hours, the finest that
// fits; none when even 30 hours do not.
QList<double> yTicks(double min, double max, int wanted);

// The points to draw at the present scale: one point for each cell of
// cellWidth x cellHeight value units that holds any, the first by x, and
// none outside the visible values (a cell's width around them kept). The
// points are sorted by x. A scale of no size draws every point.
QList<QPointF> thinned(const QList<QPointF> &points, const QRectF &visible, double cellWidth, double cellHeight);

} // namespace progress
