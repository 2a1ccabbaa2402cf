#include "progress/volume.h"

#include "data/coursefile.h"
#include "data/dateandtime.h"
#include "data/runfile.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>

namespace volume {

namespace {

// Julian day 0 is a Monday, so week w runs from day 7w to day 7w + 6; its
// Thursday decides its year.
QDate thursdayOf(int week)
{
    return QDate::fromJulianDay(qint64(week) * 7 + 3);
}

int yearOf(int period, Period kind)
{
    switch (kind) {
    case Period::Week: return thursdayOf(period).year();
    case Period::Month: return period / 12;
    case Period::Year: break;
    }
    return period;
}

// The week's number in its year (1 to 53), the month's (1 to 12), or 1.
int numberInYear(int period, Period kind)
{
    switch (kind) {
    case Period::Week: return (thursdayOf(period).dayOfYear() - 1) / 7 + 1;
    case Period::Month: return period % 12 + 1;
    case Period::Year: break;
    }
    return 1;
}

} // namespace

Runs read(const QStringList &records, const std::optional<QString> &course)
{
    Runs runs;
    runs.counted.reserve(records.size());
    for (const QString &record : records) {
        if (course && run::courseName(record) != *course)
            continue;
        // The course line is the record up to its third "/".
        qsizetype end = -1;
        for (int slash = 0; slash < 3; ++slash) {
            end = record.indexOf(u'/', end + 1);
            if (end < 0) {
                end = record.size();
                break;
            }
        }
        const QStringView line = QStringView(record).left(end);
        const int n = course::timedPoints(line);
        const run::Fields fields(record, n + 8);
        const std::optional<qint64> day = dateandtime::calendarDay(fields.at(4));
        const std::optional<int> seconds = n > 0 ? dateandtime::seconds(fields.at(7 + n)) : std::nullopt;
        if (!day || !seconds) {
            ++runs.uncounted;
            continue;
        }
        const int metres = course::knownDistance(course::distance(line)).value_or(0);
        runs.counted.append(Run{*day, *seconds, metres, fields.at(3) == u"T"});
        if (metres == 0)
            ++runs.unknownDistance;
    }
    return runs;
}

void Totals::add(const Run &run)
{
    ++runs;
    races += run.race ? 1 : 0;
    seconds += run.seconds;
    if (run.metres > 0) {
        metres += run.metres;
        pacedSeconds += run.seconds;
    }
}

int periodOf(qint64 day, Period kind)
{
    if (kind == Period::Week)
        return int(day / 7);
    const QDate date = QDate::fromJulianDay(day);
    return kind == Period::Month ? date.year() * 12 + date.month() - 1 : date.year();
}

QString periodText(int period, Period kind)
{
    switch (kind) {
    case Period::Week:
        return QStringLiteral("%1 v%2")
            .arg(yearOf(period, kind))
            .arg(numberInYear(period, kind), 2, 10, QLatin1Char('0'));
    case Period::Month: return QStringLiteral("%1-%2").arg(period / 12).arg(period % 12 + 1, 2, 10, QLatin1Char('0'));
    case Period::Year: break;
    }
    return QString::number(period);
}

QList<Row> periods(const QList<Run> &runs, Period kind)
{
    if (runs.isEmpty())
        return {};
    QList<int> of;
    of.reserve(runs.size());
    for (const Run &run : runs)
        of.append(periodOf(run.day, kind));
    const auto [first, last] = std::minmax_element(of.cbegin(), of.cend());
    QList<Row> rows(*last - *first + 1);
    for (qsizetype row = 0; row < rows.size(); ++row)
        rows[row].period = *last - int(row);
    for (qsizetype k = 0; k < runs.size(); ++k)
        rows[*last - of.at(k)].totals.add(runs.at(k));
    return rows;
}

QStringList headers()
{
    return {QStringLiteral("Period"), QStringLiteral("Rundor"), QStringLiteral("Tävlingar"),
            QStringLiteral("Kilometer"), QStringLiteral("Tid"), QStringLiteral("min/km")};
}

QString kilometres(qint64 metres)
{
    const qint64 tenths = (metres + 50) / 100;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QList<QStringList> tableRows(const QList<Row> &rows, Period kind)
{
    QList<QStringList> texts;
    texts.reserve(rows.size());
    for (const Row &row : rows)
        texts.append(rowTexts(row, kind));
    return texts;
}

QStringList rowTexts(const Row &row, Period kind)
{
    const Totals &totals = row.totals;
    return {periodText(row.period, kind), QString::number(totals.runs), QString::number(totals.races),
            kilometres(totals.metres), dateandtime::timeText(totals.seconds),
            totals.metres > 0 ? dateandtime::paceText(totals.pacedSeconds, totals.metres) : QString()};
}

QString barNote(const Row &row, Period kind)
{
    return QStringLiteral("%1\n%2 km\n%3 rundor\nTid %4")
        .arg(periodText(row.period, kind), kilometres(row.totals.metres))
        .arg(row.totals.runs)
        .arg(dateandtime::timeText(row.totals.seconds));
}

QString uncountedText(qsizetype runs)
{
    return runs > 0 ? QStringLiteral("%1 rundor kunde inte räknas (okänt datum eller tid).").arg(runs) : QString();
}

QString unknownDistanceText(qsizetype runs)
{
    return runs > 0 ? QStringLiteral("%1 rundor på banor med okänd längd räknas inte i kilometer.").arg(runs)
                    : QString();
}

YearSoFar yearSoFar(const QList<Run> &runs, const QDate &today)
{
    const int year = today.year();
    QDate sameDay(year - 1, today.month(), today.day());
    if (!sameDay.isValid())
        sameDay = QDate(year - 1, 2, 28);
    const qint64 from = QDate(year, 1, 1).toJulianDay();
    const qint64 fromBefore = QDate(year - 1, 1, 1).toJulianDay();
    YearSoFar figures;
    for (const Run &run : runs) {
        if (run.day >= from && run.day <= today.toJulianDay())
            figures.now.add(run);
        else if (run.day >= fromBefore && run.day <= sameDay.toJulianDay())
            figures.before.add(run);
    }
    return figures;
}

QString yearSoFarText(const YearSoFar &figures)
{
    return QStringLiteral("Hittills i år: %1 km på %2 rundor. Samma dag förra året: %3 km på %4 rundor.")
        .arg(kilometres(figures.now.metres))
        .arg(figures.now.runs)
        .arg(kilometres(figures.before.metres))
        .arg(figures.before.runs);
}

Scale kilometreScale(const QList<double> &kilometres, double min, double max)
{
    double highest = 0;
    const qsizetype to = std::min(qsizetype(std::floor(max)), kilometres.size() - 1);
    for (qsizetype bar = std::max(qsizetype(0), qsizetype(std::ceil(min))); bar <= to; ++bar)
        highest = std::max(highest, kilometres.at(bar));
    const double top = highest > 0 ? highest * 1.05 : 1;
    const double rough = top / 8;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double times : {5.0, 2.0, 1.0}) {
        if (times * power >= rough)
            step = times * power;
    }
    return Scale{std::ceil(top / step) * step, step};
}

QList<Label> axisLabels(Period kind, int first, int count, double min, double max, int wanted)
{
    QList<Label> labels;
    if (!std::isfinite(min) || !std::isfinite(max) || wanted < 1)
        return labels;
    const int from = int(std::max(0.0, std::ceil(min)));
    const int to = int(std::min(double(count - 1), std::floor(max)));
    if (to < from)
        return labels;
    // At most this many labels stand at every step-th of the visible periods.
    const auto fits = [&](int step) { return (to - from) / step + 1 <= wanted; };
    static constexpr int weekSteps[] = {1, 2, 4, 13, 26};
    static constexpr int monthSteps[] = {1, 2, 3, 6};
    static constexpr int yearSteps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
    const int perYear = kind == Period::Week ? 52 : kind == Period::Month ? 12 : 1;
    const std::span<const int> inYear = kind == Period::Week    ? std::span<const int>(weekSteps)
                                        : kind == Period::Month ? std::span<const int>(monthSteps)
                                                                : std::span<const int>();
    const auto step = std::find_if(inYear.begin(), inYear.end(), fits);
    int years = 0;
    if (step == inYear.end()) {
        const int *yearStep = std::find_if(std::begin(yearSteps), std::end(yearSteps),
                                           [&](int each) { return fits(each * perYear); });
        if (yearStep == std::end(yearSteps))
            return labels;
        years = *yearStep;
    }
    for (int x = from; x <= to; ++x) {
        const int period = first + x;
        const int number = numberInYear(period, kind);
        // A 53rd week would stand beside the next year's first.
        if (years ? number == 1 && yearOf(period, kind) % years == 0
                  : (number - 1) % *step == 0 && (*step == 1 || number < 53))
            labels.append(Label{x, periodText(period, kind)});
    }
    return labels;
}

} // namespace volume
