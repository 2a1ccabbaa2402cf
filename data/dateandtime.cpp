#include "data/dateandtime.h"

#include "data/numeric.h"

#include <QDate>

#include <array>
#include <cmath>
#include <cstdint>

namespace dateandtime {

namespace {

// The three characters of a month abbreviation as one number.
constexpr std::uint64_t threeOf(const char16_t *three)
{
    return std::uint64_t(three[0]) << 32 | std::uint64_t(three[1]) << 16 | three[2];
}

struct Month
{
    std::uint64_t upper;
    std::uint64_t lower;
};

// Swedish abbreviations: "maj" and "okt".
constexpr std::array<Month, 12> months{{
    {threeOf(u"JAN"), threeOf(u"jan")},
    {threeOf(u"FEB"), threeOf(u"feb")},
    {threeOf(u"MAR"), threeOf(u"mar")},
    {threeOf(u"APR"), threeOf(u"apr")},
    {threeOf(u"MAJ"), threeOf(u"maj")},
    {threeOf(u"JUN"), threeOf(u"jun")},
    {threeOf(u"JUL"), threeOf(u"jul")},
    {threeOf(u"AUG"), threeOf(u"aug")},
    {threeOf(u"SEP"), threeOf(u"sep")},
    {threeOf(u"OKT"), threeOf(u"okt")},
    {threeOf(u"NOV"), threeOf(u"nov")},
    {threeOf(u"DEC"), threeOf(u"dec")},
}};

// A slot for three characters; the twelve lower-case forms take twelve
// different ones.
constexpr unsigned slotOf(unsigned first, unsigned second, unsigned third)
{
    return (first * 7 + second * 13 + third) % 16;
}

// The month whose lower-case form takes a slot, or 0.
constexpr std::array<int, 16> monthOfSlot = [] {
    std::array<int, 16> slots{};
    for (std::size_t row = 0; row < months.size(); ++row) {
        const std::uint64_t lower = months[row].lower;
        slots[slotOf(unsigned(lower >> 32), unsigned(lower >> 16) & 0xFFFF, unsigned(lower) & 0xFFFF)] = int(row) + 1;
    }
    return slots;
}();

// The value of count digits from the start, or -1 when they are not all
// digits.
int digitsAt(const char16_t *text, int count)
{
    int value = 0;
    for (int k = 0; k < count; ++k) {
        if (text[k] < u'0' || text[k] > u'9')
            return -1;
        value = value * 10 + (text[k] - u'0');
    }
    return value;
}

} // namespace

int monthNumber(QStringView text)
{
    // At most one row can match: the one whose lower-case form falls in the
    // same slot as the text with its letters made lower-case.
    if (text.size() != 3)
        return 0;
    const int month = monthOfSlot[slotOf(text[0].unicode() | 0x20, text[1].unicode() | 0x20, text[2].unicode() | 0x20)];
    const std::uint64_t asked = threeOf(text.utf16());
    return month > 0 && (asked == months[month - 1].upper || asked == months[month - 1].lower) ? month : 0;
}

DateParts dateParts(QStringView date)
{
    // A date as the program writes it, with digits for day and year, gives
    // the numbers of its digits at once: those the numeric value gives.
    if (date.size() == 11) {
        const int day = digitsAt(date.utf16(), 2), year = digitsAt(date.utf16() + 7, 4);
        if (day >= 0 && year >= 0)
            return DateParts{double(day), monthNumber(date.sliced(3, 3)), double(year)};
    }
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
