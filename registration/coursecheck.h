#pragma once

#include <QString>
#include <QStringList>

// The checks of a new course, shared by the course registration window and
// the first-run questions of the analysis window. Each check returns the
// message of the first test that fails, or an empty text when all pass.
namespace coursecheck {

// A typed name loses the blanks at its start and end before it is checked
// or stored (as "Sjön runt " becomes "Sjön runt"); then it has at most 50
// characters, is not empty, and holds nothing that would break the course
// file or the run records ("/", a double quote, a character the files cannot
// store).
QString checkName(QString &name);

// The count of timed points, 1 to 10, as one or two digits. On success the
// text gets its leading zero ("3" -> "03"). emptyMessage differs between
// the window and the first-run question.
QString checkCount(QString &count, const QString &emptyMessage);

// The distance in metres, 10 to 99999, or "?" for one not known. "?"
// becomes "99999" before any test, and the zeros in front are put in before
// the length test; both stay in the text even when a later test fails.
QString checkDistance(QString &distance);

// The three boxes of the course window in their order: the name, the count
// (an empty one told "Du kan inte skriva blankt här !") and the distance.
// Each gets what its check puts in it (the name without its end blanks, the
// leading zeros, "99999" for "?"), also when a later check fails; the window
// writes the count and the distance back into their boxes.
QString checkCourse(QString &name, QString &count, QString &distance);

enum class Duplicate { None, SameName, Identical };

// Scans the stored lines in order; the last one that matches decides. Names
// are compared without the blanks at their ends, stored ones too: a course
// stored as "Sjön runt " has the name "Sjön runt".
Duplicate findDuplicate(const QStringList &lines, const QString &newLine);

QString duplicateMessage(Duplicate verdict);

// Adds a checked course line after the lines the course file holds at this
// moment, unless the duplicate scan over those lines finds it. Returns the
// message to show: the duplicate's, or why the file could not be changed;
// empty when the course was stored.
QString storeCourse(const QString &line);

} // namespace coursecheck
