#include "data/dateandtime.h"

#include "data/numeric.h"

#include <array>
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
    // At most one row can match: every row is looked at, without a branch
    // that a processor would mistake for every other month.
    if (text.size() != 3)
        return 0;
    const std::uint64_t asked = threeOf(text.utf16());
    int number = 0;
    for (std::size_t row = 0; row < months.size(); ++row)
        number += (int(row) + 1) * int((asked == months[row].upper) | (asked == months[row].lower));
    return number;
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

} // namespace dateandtime
