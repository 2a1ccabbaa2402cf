#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A file saved whole or not at all: the program's one writer, for the data
// files and for the files a user exports alike.
namespace savedfile {

// Replaces the file at path with the bytes, or leaves it byte for byte as it
// was and returns false. The bytes go to a temporary file beside it, named
// as leftovers() describes; they are written, flushed and synced to the disk,
// each step checked, before the temporary file takes the file's name in one
// step, and the folder is synced after (a failure of that last sync is not
// told: the file holds the new bytes by then). A step that fails takes the
// temporary file away again. As with QSaveFile, a symbolic link is followed
// and kept, a file that may not be written is not replaced, and the new file
// gets the old one's permissions.
bool write(const QString &path, QByteArrayView bytes);

// The same, with the bytes given a piece at a time: next() gives the next
// piece, an empty one after the last, or nothing when the bytes cannot be
// made (the file is then left as it was). Where the system can, a piece is
// on its way to the disk while the next one is made.
bool write(const QString &path, const std::function<std::optional<QByteArrayView>()> &next);

// What writes of the file killed part way left beside it: files named after
// it, ".kvistra-tmp-" and six letters or digits (RUNDA_RE.kvistra-tmp-x3Tq9A),
// a name no user gives a file. Nothing else is ever taken for one.
QStringList leftovers(const QString &path);

// Removes the leftovers; only while no write of the file can be under way
// (for a data file: while its lock is held).
void removeLeftovers(const QString &path);

} // namespace savedfile
