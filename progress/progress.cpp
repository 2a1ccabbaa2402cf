#include "progress/progress.h"

#include "data/dateandtime.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <vector>

namespace progress {

namespace {

constexpr qint64 julianDayOf1970 = 2440588;
constexpr double msecsPerDay = 86400000.0;

} // namespace

Progress compute(const QList<run::Fields> &runs, int n)
{
    Progress progress;
    if (n < 1 || n > 10) {
        progress.leftOut = runs.size();
        return progress;
    }
    progress.runs.reserve(runs.size());
    for (qsizetype index = 0; index < runs.size(); ++index) {
        const run::Fields &fields = runs.at(index);
        const QStringView pace = fields.at(3);
        const std::optional<qint64> day = dateandtime::calendarDay(fields.at(4));
        const std::optional<int> final = dateandtime::seconds(fields.at(7 + n));
        if (!day || !final || (pace != u"T" && pace != u"M")) {
            ++progress.leftOut;
            continue;
        }
        progress.runs.append(Run{*day, *final, pace == u"T", index});
    }
    std::stable_sort(progress.runs.begin(), progress.runs.end(),
                     [](const Run &a, const Run &b) { return a.day < b.day; });

    // The runs stand by day, so each year is one stretch of them.
    std::vector<int> times;
    for (qsizetype from = 0; from < progress.runs.size();) {
        const int year = QDate::fromJulianDay(progress.runs.at(from).day).year();
        Year figures{year, 0, 0, progress.runs.at(from), 0};
        times.clear();
        qsizetype to = from;
        for (; to < progress.runs.size(); ++to) {
            const Run &each = progress.runs.at(to);
            if (QDate::fromJulianDay(each.day).year() != year)
                break;
            ++figures.runs;
            figures.races += each.race ? 1 : 0;
            if (each.seconds < figures.best.seconds)
                figures.best = each;
            times.push_back(each.seconds);
        }
        const auto middle = times.begin() + qsizetype(times.size()) / 2;
        std::nth_element(times.begin(), middle, times.end());
        figures.median = *middle;
        if (times.size() % 2 == 0) {
            const int below = *std::max_element(times.begin(), middle);
            figures.median = (below + *middle + 1) / 2;
        }
        progress.years.prepend(figures);
        from = to;
    }
    return progress;
}

QStringList yearHeaders(std::optional<int> metres)
{
    QStringList headers{QStringLiteral("År"), QStringLiteral("Rundor"), QStringLiteral("Tävling"),
                        QStringLiteral("Bästa"), QStringLiteral("Median")};
    if (metres)
        headers << QStringLiteral("min/km");
    return headers;
}

QList<QStringList> yearRows(const QList<Year> &years, std::optional<int> metres)
{
    QList<QStringList> rows;
    rows.reserve(years.size());
    for (const Year &year : years)
        rows.append(yearTexts(year, metres));
    return rows;
}

QStringList yearTexts(const Year &year, std::optional<int> metres)
{
    QStringList texts{QString::number(year.year), QString::number(year.runs), QString::number(year.races),
                      dateandtime::timeText(year.best.seconds), dateandtime::timeText(year.median)};
    if (metres)
        texts << dateandtime::paceText(year.best.seconds, *metres);
    return texts;
}

double chartX(qint64 day)
{
    return double(day - julianDayOf1970) * msecsPerDay + msecsPerDay / 2;
}

double chartY(const Run &run, std::optional<int> metres)
{
    return metres ? run.seconds * 1000.0 / *metres : double(run.seconds);
}

Points points(const Progress &progress, std::optional<int> metres)
{
    Points points;
    points.all.reserve(progress.runs.size());
    for (const Run &run : progress.runs) {
        const QPointF point(chartX(run.day), chartY(run, metres));
        (run.race ? points.race : points.training).append(point);
        points.all.append(point);
    }
    for (auto year = progress.years.crbegin(); year != progress.years.crend(); ++year)
        points.bests.append(QPointF(chartX(year->best.day), chartY(year->best, metres)));
    if (!points.all.isEmpty()) {
        const auto [low, high] = std::minmax_element(points.all.cbegin(), points.all.cend(),
                                                     [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
        const double margin = std::max((high->y() - low->y()) / 20, 5.0);
        points.everything = QRectF(QPointF(points.all.constFirst().x() - 15 * msecsPerDay, std::max(0.0, low->y() - margin)),
                                   QPointF(points.all.constLast().x() + 15 * msecsPerDay, high->y() + margin));
    }
    return points;
}

QList<Tick> xTicks(double min, double max, int wanted)
{
    QList<Tick> ticks;
    if (!(max > min) || wanted < 1 || !std::isfinite(min) || !std::isfinite(max))
        return ticks;
    const auto dateOf = [](double x) { return QDate::fromJulianDay(qint64(std::floor(x / msecsPerDay)) + julianDayOf1970); };
    const auto xOf = [](const QDate &date) { return double(date.toJulianDay() - julianDayOf1970) * msecsPerDay; };
    const QDate first = dateOf(min);
    struct Step
    {
        int days, months, years;
        double length; // in days, near enough to count the labels
    };
    static constexpr Step steps[] = {{1, 0, 0, 1},   {2, 0, 0, 2},    {7, 0, 0, 7},    {14, 0, 0, 14},
                                     {0, 1, 0, 30},  {0, 2, 0, 61},   {0, 3, 0, 91},   {0, 6, 0, 182},
                                     {0, 0, 1, 365}, {0, 0, 2, 730},  {0, 0, 5, 1826}, {0, 0, 10, 3652},
                                     {0, 0, 20, 7305}, {0, 0, 50, 18262}, {0, 0, 100, 36525}, {0, 0, 1000, 365250}};
    // Zoomed out beyond every step: no labels rather than too many.
    const auto fits = std::find_if(std::begin(steps), std::end(steps), [&](const Step &each) {
        return (max - min) / msecsPerDay / each.length <= wanted;
    });
    if (fits == std::end(steps) || std::abs(min) > 1e15 || std::abs(max) > 1e15)
        return ticks;
    const Step step = *fits;
    QDate date;
    QString format;
    if (step.years) {
        // There is no year 0.
        const int year = first.year() - first.year() % step.years;
        date = QDate(year > 0 ? year : step.years, 1, 1);
        format = QStringLiteral("yyyy");
    } else if (step.months) {
        date = QDate(first.year(), first.month() - (first.month() - 1) % step.months, 1);
        format = QStringLiteral("yyyy-MM");
    } else {
        date = first.addDays(-((first.toJulianDay() - julianDayOf1970) % step.days));
        format = QStringLiteral("yyyy-MM-dd");
    }
    for (; date.isValid() && xOf(date) <= max;
         date = date.addDays(step.days).addMonths(step.months).addYears(step.years)) {
        if (xOf(date) >= min)
            ticks.append(Tick{xOf(date), date.toString(format)});
    }
    return ticks;
}

QList<double> yTicks(double min, double max, int wanted)
{
    // Seconds: 1, 2, 5, 10, 15 and 30 of them, of minutes and of hours.
    static constexpr double steps[] = {1,    2,    5,    10,   15,   30,    60,    120,   300,  600,
                                       900,  1800, 3600, 7200, 18000, 36000, 54000, 108000};
    QList<double> ticks;
    if (!(max > min) || wanted < 1)
        return ticks;
    const auto fits = std::find_if(std::begin(steps), std::end(steps),
                                   [&](double each) { return (max - min) / each <= wanted; });
    if (fits == std::end(steps))
        return ticks;
    const double step = *fits;
    for (double tick = std::ceil(min / step) * step; tick <= max; tick += step)
        ticks.append(tick);
    return ticks;
}

QList<QPointF> thinned(const QList<QPointF> &points, const QRectF &visible, double cellWidth, double cellHeight)
{
    if (!(cellWidth > 0) || !(cellHeight > 0) || !visible.isValid())
        return points;
    const QRectF kept = visible.adjusted(-cellWidth, -cellHeight, cellWidth, cellHeight);
    const auto columns = qsizetype(std::ceil(kept.width() / cellWidth)) + 1;
    const auto rows = qsizetype(std::ceil(kept.height() / cellHeight)) + 1;
    // A scale so fine that the cells outnumber the points thins nothing.
    if (double(columns) * double(rows) > 4.0 * double(points.size()) + 1e6)
        return points;
    std::vector<bool> taken(std::size_t(columns * rows));
    QList<QPointF> shown;
    const auto first = std::lower_bound(points.begin(), points.end(), kept.left(),
                                        [](const QPointF &p, double x) { return p.x() < x; });
    for (auto p = first; p != points.end() && p->x() <= kept.right(); ++p) {
        if (p->y() < kept.top() || p->y() > kept.bottom())
            continue;
        const auto column = qsizetype((p->x() - kept.left()) / cellWidth);
        const auto row = qsizetype((p->y() - kept.top()) / cellHeight);
        const std::size_t cell = std::size_t(row * columns + column);
        if (!taken[cell]) {
            taken[cell] = true;
            shown.append(*p);
        }
    }
    return shown;
}

} // namespace progress
