#include "data/dateandtime.h"

#include "data/numeric.h"

#include <QDate>

#include <array>
#include <cmath>

namespace dateandtime {

namespace {

struct Month
{
    QStringView upper;
    QStringView lower;
};

// Swedish abbreviations: "maj" and "okt".
constexpr std::array<Month, 12> months{{
    {u"JAN", u"jan"},
    {u"FEB", u"feb"},
    {u"MAR", u"mar"},
    {u"APR", u"apr"},
    {u"MAJ", u"maj"},
    {u"JUN", u"jun"},
    {u"JUL", u"jul"},
    {u"AUG", u"aug"},
    {u"SEP", u"sep"},
    {u"OKT", u"okt"},
    {u"NOV", u"nov"},
    {u"DEC", u"dec"},
}};

} // namespace

int monthNumber(QStringView text)
{
    // Row by row, the upper-case form before the lower-case one; at most one
    // row can match.
    for (std::size_t row = 0; row < months.size(); ++row) {
        if (text == months[row].upper || text == months[row].lower)
            return int(row) + 1;
    }
    return 0;
}

DateParts dateParts(QStringView date)
{
    return DateParts{numericValue(date.left(2)), monthNumber(date.mid(3, 3)), yearOf(date)};
}

TimeParts timeParts(QStringView time)
{
    return TimeParts{numericValue(time.left(2)), numericValue(time.mid(3, 2)), numericValue(time.right(2))};
}

double yearOf(QStringView date)
{
    return numericValue(date.right(4));
}

std::optional<qint64> calendarDay(QStringView date)
{
    if (date.size() != 11 || date[2] != u'-' || date[6] != u'-')
        return std::nullopt;
    for (const qsizetype at : {0, 1, 7, 8, 9, 10}) {
        if (date[at] < u'0' || date[at] > u'9')
            return std::nullopt;
    }
    const QDate day(int(yearOf(date)), monthNumber(date.mid(3, 3)), int(numericValue(date.left(2))));
    if (!day.isValid())
        return std::nullopt;
    return day.toJulianDay();
}

std::optional<int> seconds(QStringView time)
{
    if (time.size() != 8)
        return std::nullopt;
    for (qsizetype at = 0; at < 8; ++at) {
        const bool digit = time[at] >= u'0' && time[at] <= u'9';
        if (at == 2 || at == 5 ? time[at] != u'.' : !digit)
            return std::nullopt;
    }
    const TimeParts parts = timeParts(time);
    if (parts.minutes >= 60 || parts.seconds >= 60)
        return std::nullopt;
    const int total = int(parts.hours) * 3600 + int(parts.minutes) * 60 + int(parts.seconds);
    if (total == 0)
        return std::nullopt;
    return total;
}

QString timeText(qint64 seconds)
{
    return QStringLiteral("%1.%2.%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString shortTime(qint64 seconds)
{
    if (seconds < 3600)
        return QStringLiteral("%1.%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1.%2.%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

qint64 perKilometre(qint64 seconds, qint64 metres)
{
    return std::llround(double(seconds) * 1000.0 / double(metres));
}

QString paceText(qint64 seconds, qint64 metres)
{
    return shortTime(perKilometre(seconds, metres));
}

} // namespace dateandtime
