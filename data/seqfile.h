#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The sequential text files of the program: a file is a row of items, each
// written as a double quote, the text, a double quote and CR LF.
namespace seqfile {

// Reads every item of a file's text, in order, the way a sequential reader
// does until the end of the file:
// - blanks before an item are skipped;
// - an item that begins with a double quote runs to the next double quote,
//   or to the end of its line when the quote is missing, and the rest of
//   that line up to a comma is skipped;
// - any other item runs to a comma or the line end, surrounding blanks
//   dropped;
// - text after a comma is the next item.
// Lines may end in CR LF, LF or CR; the last line needs no line end.
QStringList readItems(QStringView text);

// One quoted item per line, CR LF, in Windows-1252. *ok is false, and the
// result empty, when an item holds a character the code page cannot store.
QByteArray writeItems(const QStringList &items, bool *ok);

// True when the text can be written as an item and read back unchanged as
// far as the code page goes: every character has a Windows-1252 byte and
// there is no line break in it.
bool isStorable(QStringView text);

enum class ReadStatus { Ok, Missing, Failed };

struct ReadResult
{
    ReadStatus status = ReadStatus::Missing;
    QStringList items;
};

// Reads a whole data file. Missing only when nothing exists at the path: a
// path that exists but cannot be read is Failed.
ReadResult readFile(const QString &path);

// Replaces a data file atomically: either the file then holds exactly the
// items, or it is left byte for byte as it was and false is returned.
bool writeFile(const QString &path, const QStringList &items);

// What the user is told when a data file could not be read or replaced;
// in both cases the file is as it was.
QString readFailedMessage(const QString &fileName);
QString writeFailedMessage(const QString &fileName);

} // namespace seqfile
