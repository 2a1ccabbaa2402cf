#pragma once

#include "data/seqfile.h"

#include <QString>
#include <QStringList>

#include <optional>

// The course file: one course line per item, name "/" count "/" distance,
// with a two-character count ("01" to "10") and a five-character distance
// ("00010" to "99999"; "99999" also for a distance not known). The fields are
// cut by position from the end of the line, so a "/" in a name does not
// disturb them.
namespace course {

QString fileName();

// The fields of a course line of length L: the name is the first L-9
// characters, the count the two characters from position L-7 (counted from
// 1), the distance the last five. A line shorter than 9 characters gives
// what those positions hold; nothing is read outside the line.
QString name(QStringView line);
QString count(QStringView line);
QString distance(QStringView line);

// The number of timed points of a course: the numeric value of its count,
// 0 when that is not a whole number from 1 to 10 (a hand-edited line).
int timedPoints(QStringView line);

// A course's distance in metres when it is known: a whole number from 10 to
// 99998; "99999" stands for a distance the runner does not know.
std::optional<int> knownDistance(QStringView distance);

// A file name made of a course name for the data folder: the name without
// blanks at its ends, with the characters that a folder path or the file
// systems reserve made "_", then the suffix; the fallback stands for a name
// that leaves nothing.
QString fileNameFor(const QString &name, const QString &fallback, const QString &suffix);

QString makeLine(const QString &name, const QString &count, const QString &distance);

// "3" -> "03": a one-character count with a value above 0 gets a leading
// zero; anything else is returned as it is.
QString encodeCount(const QString &count);

// "?" -> "99999"; two, three and four characters with a value of that many
// digits get zeros in front ("12" -> "00012", "6000" -> "06000"); anything
// else is returned as it is.
QString encodeDistance(const QString &distance);

// The courses in file order, as read.
struct Table
{
    seqfile::ReadStatus status = seqfile::ReadStatus::Missing;
    QStringList lines;
};

Table load();

} // namespace course
