#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The sequential text files of the program: a file is a row of items, each
// written as a double quote, the text, a double quote and CR LF.
namespace seqfile {

// Reads every item of a file's text, in order, the way a sequential reader
// does until the end of the file:
// - a line holding nothing but blanks is no item: blank lines, and the empty
//   lines that stray line ends make (CR CR LF, LF CR), are skipped;
// - blanks before an item are skipped;
// - an item that begins with a double quote runs to the next double quote,
//   or to the end of its line when the quote is missing, and the rest of
//   that line up to a comma is skipped; so "" is an item, the empty text;
// - any other item runs to a comma or the line end, surrounding blanks
//   dropped;
// - text after a comma is the next item.
// Lines may end in CR LF, LF or CR; the last line needs no line end.
QStringList readItems(QStringView text);

// One item per line, CR LF, in Windows-1252, each written so that it reads
// back as the same single item: quoted, or, when it holds a double quote
// (only an unquoted item read from a file can), as it stands, if it reads
// back so. *ok is false, and the result empty, when an item cannot be
// written that way (a line break in it, say, or a double quote and a comma)
// or holds a character the code page cannot store: nothing is written then.
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

// Replaces a data file through savedfile::write: either the file then holds
// exactly the items, or it is left byte for byte as it was and false is
// returned (also when an item cannot be written).
bool writeFile(const QString &path, const QStringList &items);

enum class StoreStatus {
    Stored,      // the file holds what the change made of its items
    Refused,     // the change refused; the file is as it was
    ReadFailed,  // the file exists but could not be read; it is as it was
    WriteFailed, // the file is as it was
    Busy,        // another program holds the file's lock; it is as it was
};

// Holds the lock of a data file while it lives (the file's name with
// ".lock" added, beside it), taking over a lock left by a program that has
// died and waiting three seconds at most, or as long as setLockWait last
// said, for a live one. status() is Stored when it holds the lock, Busy when
// another program holds it, WriteFailed when no lock file can be made. Once
// it holds the lock, it removes what killed writes of the data file left
// (savedfile::removeLeftovers), and nothing else.
class Lock
{
public:
    explicit Lock(const QString &path);
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    StoreStatus status() const { return m_status; }
    bool held() const { return m_status == StoreStatus::Stored; }

private:
    QLockFile m_file;
    StoreStatus m_status = StoreStatus::Stored;
};

// Changes a data file as it is at this moment, as one step between copies
// of the program: a lock file beside the data file (its name with ".lock"
// added) is held from the read to the end of the write, and is gone again
// afterwards. The change gets what the file holds (status Ok, or Missing
// with no items when there is no file yet) and edits the items; when it
// returns true they are written back through writeFile. The lock is a
// Lock, with what that does for locks and leftovers of a program that died.
StoreStatus update(const QString &path, const std::function<bool(ReadResult &current)> &change);

// Puts the items of a data file in another order, under its lock as update
// does, each written from its bytes in the file as writeFile would write it
// (every byte is a character of the code page and comes back as the same
// byte). order gets the items in file order and gives the new order: element
// k is the position of the item that goes k-th, each position once. Refused
// when there is no file: there is nothing to order, and no file is made.
StoreStatus reorder(const QString &path,
                    const std::function<std::vector<qsizetype>(const std::vector<QByteArrayView> &items)> &order);

void setLockWait(int milliseconds);

// What the user is told when a data file could not be read or replaced,
// or was in use; in all cases the file is as it was.
QString readFailedMessage(const QString &fileName);
QString writeFailedMessage(const QString &fileName);
QString busyMessage(const QString &fileName);

// The message for a failed update; empty for Stored and Refused.
QString failureMessage(StoreStatus status, const QString &fileName);

} // namespace seqfile
