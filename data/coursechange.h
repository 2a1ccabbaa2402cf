#pragma once

#include <QString>
#include <QStringList>

// Correcting and deleting a course. A run belongs to a course when its
// course name (field 0) is the course's name, as in the analysis window.
//
// A correction changes two files: the course line in the course file and the
// course line at the start of each of the course's runs in the run file. Both
// files are locked (the course file's lock first), both are read, and before
// the first write a small intent file beside them, RUNDA_BA.andring, records
// the old and the new course line; it is removed after the second write. A
// failed write puts back what the first one changed. A program that stops
// between the writes leaves the intent file, and recover() at the next start
// completes the change when the course file shows it took it, or drops it.
namespace coursechange {

// The number of runs of the course in these records, or in the run file as
// it is now (0 when there is none; -1 when it cannot be read).
qsizetype runCount(const QStringList &records, const QString &courseLine);
qsizetype runCount(const QString &courseLine);

// "Banan har %1 registrerade rundor. Antalet tider kan inte ändras."
QString countLockedMessage(qsizetype runs);
// "Banan har %1 registrerade rundor och kan inte tas bort."
QString hasRunsMessage(qsizetype runs);
// "Vill du ta bort banan %1?"
QString removeQuestion(const QString &name);
// "Banan finns inte längre i filen RUNDA_BA. Inget har ändrats i filen."
QString goneMessage();

// Stores the corrected course: newLine has passed coursecheck::checkCourse.
// Refused, with its message, when the course file no longer holds oldLine,
// when the duplicate scan over the other courses finds the new line, or when
// the count changes while the course has runs. Returns the message to show;
// empty when both files were changed (or nothing needed changing).
QString storeChange(const QString &oldLine, const QString &newLine);

// Takes the course's line out of the course file, under its lock, unless it
// has runs or is no longer there. The message to show; empty when removed.
QString removeCourse(const QString &line);

// The intent file of a correction under way. Its own leftovers are those
// of savedfile::write; nothing else of a name like it is removed.
QString intentFileName();

// "Filen RUNDA_BA.andring kunde inte läsas. En ändring av en bana kan vara
// ofullständig. Kontrollera banorna.": an intent file that cannot be read as
// two course lines. It is left in its place, and no correction that needs
// an intent file of its own is made while it is there.
QString damagedIntentMessage();

// Completes or drops a correction that a stopped program left half done
// (completed only while the course file holds its new line and no other
// course holds its old name), and removes what such a program left of the
// intent file; the program calls it at start, before the first window.
// Returns the message to show: why that could not be done (the intent file
// then stays for the next start), or damagedIntentMessage(); empty
// otherwise.
QString recover();

} // namespace coursechange
