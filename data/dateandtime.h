#pragma once

#include <QString>
#include <QStringView>

#include <optional>

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

// What computes with calendar days and seconds (the chart, the year table,
// the pace) reads more strictly than the orderings do.

// The calendar day (a Julian day number) of a date text that names one,
// read strictly: two digits, "-", a month of the month table, "-", four
// digits, nothing before or after, and a day that the month has in that
// year. None for "31-feb-2001", "02-Feb-2001", "02.feb.2001", "02-feb-01",
// "02-feb-2001 " or an empty text.
std::optional<qint64> calendarDay(QStringView date);

// The seconds of a time text that is one: two digits, ".", two digits, ".",
// two digits, minutes and seconds below 60, and at least one second in all.
// None for "00:10:15", "00.60.00", "00.00.00" or an empty text.
std::optional<int> seconds(QStringView time);

// 2470 -> "00.41.10", as the run file writes a time; a total of 100 hours
// or more takes the hour digits it needs, "123.05.09".
QString timeText(qint64 seconds);

// The program's time notation without leading zero hours: 2470 -> "41.10",
// 3725 -> "1.02.05", 295 -> "4.55".
QString shortTime(qint64 seconds);

// Seconds per kilometre, to the nearest second, of a time over a distance
// of more than 0 metres.
qint64 perKilometre(qint64 seconds, qint64 metres);

// The pace as every window shows it: shortTime(perKilometre()), "4.55".
QString paceText(qint64 seconds, qint64 metres);

} // namespace dateandtime
