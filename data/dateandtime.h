#pragma once

#include <QStringView>

// Dates and times are kept as text in the run records and never turned into
// calendar or clock values: a reader cuts a text at fixed positions and
// compares the parts as numbers.
//
// A date text is 11 characters, "02-feb-2001": the day is the leftmost two
// characters, the month abbreviation the three from position 4, the year the
// rightmost four. The separators are never looked at.
//
// A time text is 8 characters, "00.10.15", a duration: the hours are the
// leftmost two characters, the minutes the two from position 4, the seconds
// the rightmost two.
//
// A shorter text gives what those positions hold; a part that is not a number
// counts as 0, so an empty text is day 0 of year 0, or 00.00.00.
namespace dateandtime {

struct DateParts
{
    double day = 0;
    int month = 0; // 1 to 12; 0 when the month text is not in the month table
    double year = 0;
};

struct TimeParts
{
    double hours = 0;
    double minutes = 0;
    double seconds = 0;
};

// The month table: "jan" or "JAN" is 1, ..., "dec" or "DEC" is 12, matched
// exactly ("Feb" is no month). 0 for any other text.
int monthNumber(QStringView text);

DateParts dateParts(QStringView date);
TimeParts timeParts(QStringView time);

// The year of a date text alone: the numeric value of its last four characters.
double yearOf(QStringView date);

} // namespace dateandtime
