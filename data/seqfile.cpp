#include "data/seqfile.h"

#include "data/cp1252.h"
#include "data/savedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace seqfile {
namespace {

int lockWaitMilliseconds = 3000;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// Steps over one line end (CR LF, LF or CR) at pos, if there is one.
qsizetype skipLineEnd(QStringView text, qsizetype pos)
{
    if (pos < text.size() && text[pos] == u'\r')
        ++pos;
    if (pos < text.size() && text[pos] == u'\n')
        ++pos;
    return pos;
}

// Steps over the comma or the line end that ends an item.
qsizetype skipTerminator(QStringView text, qsizetype pos)
{
    if (pos < text.size() && text[pos] == u',')
        return pos + 1;
    return skipLineEnd(text, pos);
}

// Removes a lock file that a copy of the program left empty, dying between
// its making and the writing of its details: Qt would take it as live for
// 30 seconds, but a live copy holds the file's system lock from the moment
// it makes it, so an empty one that nobody holds is dead.
void removeEmptyLock(const QString &name)
{
    QLockFile lock(name);
    qint64 pid = 0;
    QString host;
    QString program;
    if (QFileInfo::exists(name) && !lock.getLockInfo(&pid, &host, &program))
        lock.removeStaleLockFile();
}

// Takes a data file's lock. Qt takes over a lock whose process has died
// under a lock file of its own, the lock's name with ".rmlock" added, which
// a copy killed meanwhile leaves too, and which Qt looks at only when it
// takes over a lock again: one left by a dead copy is taken over and let go.
bool takeLock(QLockFile &lock, const QString &name)
{
    const QString takeover = name + QStringLiteral(".rmlock");
    removeEmptyLock(takeover);
    removeEmptyLock(name);
    if (QFileInfo::exists(takeover))
        QLockFile(takeover).tryLock(0); // taken over when dead, and let go
    return lock.tryLock(lockWaitMilliseconds);
}

} // namespace

QStringList readItems(QStringView text)
{
    QStringList items;
    qsizetype pos = 0;
    const qsizetype end = text.size();
    while (pos < end) {
        const bool lineStart = pos == 0 || isLineEnd(text[pos - 1]);
        while (pos < end && isBlank(text[pos]))
            ++pos;
        if (lineStart && (pos == end || isLineEnd(text[pos]))) {
            pos = skipLineEnd(text, pos);
            continue;
        }
        if (pos < end && text[pos] == u'"') {
            // A damaged line may lack its closing quote: the item then ends
            // with its line, and the next line stays an item of its own.
            const qsizetype start = pos + 1;
            qsizetype close = start;
            while (close < end && text[close] != u'"' && !isLineEnd(text[close]))
                ++close;
            items.append(text.mid(start, close - start).toString());
            pos = close < end && text[close] == u'"' ? close + 1 : close;
            // Whatever stands after the closing quote, up to a comma or the
            // line end, belongs to no item.
            while (pos < end && text[pos] != u',' && !isLineEnd(text[pos]))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < end && text[pos] != u',' && !isLineEnd(text[pos]))
                ++pos;
            qsizetype last = pos;
            while (last > start && isBlank(text[last - 1]))
                --last;
            items.append(text.mid(start, last - start).toString());
        }
        pos = skipTerminator(text, pos);
    }
    return items;
}

QByteArray writeItems(const QStringList &items, bool *ok)
{
    QByteArray bytes;
    *ok = false;
    for (const QString &item : items) {
        bool encoded = false;
        const QByteArray itemBytes = cp1252::encode(item, &encoded);
        if (!encoded)
            return QByteArray();
        // Quoted, an item ends at its first double quote or line break. One
        // that holds a quote, read from a hand-edited file, is written as it
        // stood there, unquoted, when it reads back so: no comma, line break
        // or blank at its ends. Anything else would come back as another
        // item, or as two: it is not written at all.
        const bool quoted = !item.contains(u'"');
        if (quoted ? item.contains(u'\r') || item.contains(u'\n') : readItems(item) != QStringList{item})
            return QByteArray();
        if (quoted)
            bytes += '"';
        bytes += itemBytes;
        if (quoted)
            bytes += '"';
        bytes += "\r\n";
    }
    *ok = true;
    return bytes;
}

bool isStorable(QStringView text)
{
    return cp1252::canEncode(text) && !text.contains(u'\r') && !text.contains(u'\n');
}

ReadResult readFile(const QString &path)
{
    ReadResult result;
    if (!QFileInfo::exists(path)) {
        result.status = ReadStatus::Missing;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::Failed;
        return result;
    }
    // Read a block at a time and decode only whole lines, so that the file
    // is never held twice over, as bytes and as text. A line end always
    // ends an item, so the lines read alone give the items the whole text
    // gives.
    constexpr qint64 blockSize = qint64(1) << 20;
    QByteArray pending;
    for (;;) {
        const QByteArray block = file.read(blockSize);
        if (file.error() != QFileDevice::NoError) {
            result.status = ReadStatus::Failed;
            result.items.clear();
            return result;
        }
        pending += block;
        const qsizetype lastLineFeed = block.lastIndexOf('\n');
        const qsizetype whole =
            block.isEmpty() ? pending.size() : lastLineFeed < 0 ? 0 : pending.size() - block.size() + lastLineFeed + 1;
        if (whole > 0) {
            result.items += readItems(cp1252::decode(QByteArrayView(pending).first(whole)));
            pending.remove(0, whole);
        }
        if (block.isEmpty())
            break;
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool writeFile(const QString &path, const QStringList &items)
{
    bool encoded = false;
    const QByteArray bytes = writeItems(items, &encoded);
    return encoded && savedfile::write(path, bytes);
}

Lock::Lock(const QString &path)
    : m_file(path + QStringLiteral(".lock"))
{
    if (!takeLock(m_file, path + QStringLiteral(".lock"))) {
        // A folder where no lock file can be made takes no data file either.
        m_status = m_file.error() == QLockFile::LockFailedError ? StoreStatus::Busy : StoreStatus::WriteFailed;
        return;
    }
    savedfile::removeLeftovers(path);
}

StoreStatus update(const QString &path, const std::function<bool(ReadResult &current)> &change)
{
    const Lock lock(path);
    if (!lock.held())
        return lock.status();
    ReadResult current = readFile(path);
    if (current.status == ReadStatus::Failed)
        return StoreStatus::ReadFailed;
    if (!change(current))
        return StoreStatus::Refused;
    return writeFile(path, current.items) ? StoreStatus::Stored : StoreStatus::WriteFailed;
}

void setLockWait(int milliseconds)
{
    lockWaitMilliseconds = milliseconds;
}

QString readFailedMessage(const QString &fileName)
{
    return QStringLiteral("Filen ") + fileName + QStringLiteral(" kunde inte läsas. Inget har ändrats i filen.");
}

QString writeFailedMessage(const QString &fileName)
{
    return QStringLiteral("Filen ") + fileName + QStringLiteral(" kunde inte sparas. Inget har ändrats i filen.");
}

QString busyMessage(const QString &fileName)
{
    return QStringLiteral("Filen ") + fileName + QStringLiteral(" används av ett annat program. Inget har ändrats i filen.");
}

QString failureMessage(StoreStatus status, const QString &fileName)
{
    switch (status) {
    case StoreStatus::ReadFailed:
        return readFailedMessage(fileName);
    case StoreStatus::WriteFailed:
        return writeFailedMessage(fileName);
    case StoreStatus::Busy:
        return busyMessage(fileName);
    case StoreStatus::Stored:
    case StoreStatus::Refused:
        break;
    }
    return QString();
}

} // namespace seqfile
