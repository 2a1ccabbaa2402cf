#include "data/dateandtime.h"

#include "data/numeric.h"

#include <array>

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

} // namespace dateandtime
