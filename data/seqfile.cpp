#include "data/seqfile.h"

#include "data/cp1252.h"
#include "data/savedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <cstring>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace seqfile {
namespace {

int lockWaitMilliseconds = 3000;

// The item rules of readItems, over the characters of a text or the bytes of
// a file alike: every character they look at is ASCII, which a byte and its
// character in the code page share. item(start, length) gets each item.
template<typename Char, typename Item>
void forEachItem(const Char *text, qsizetype end, Item &&item)
{
    const auto isBlank = [text](qsizetype pos) { return text[pos] == ' ' || text[pos] == '\t'; };
    const auto isLineEnd = [text](qsizetype pos) { return text[pos] == '\r' || text[pos] == '\n'; };
    // Steps over one line end (CR LF, LF or CR) at pos, if there is one.
    const auto skipLineEnd = [text, end](qsizetype pos) {
        if (pos < end && text[pos] == '\r')
            ++pos;
        if (pos < end && text[pos] == '\n')
            ++pos;
        return pos;
    };
    qsizetype pos = 0;
    while (pos < end) {
        const bool lineStart = pos == 0 || isLineEnd(pos - 1);
        while (pos < end && isBlank(pos))
            ++pos;
        if (lineStart && (pos == end || isLineEnd(pos))) {
            pos = skipLineEnd(pos);
            continue;
        }
        if (pos < end && text[pos] == '"') {
            // A damaged line may lack its closing quote: the item then ends
            // with its line, and the next line stays an item of its own.
            const qsizetype start = pos + 1;
            qsizetype close = start;
            while (close < end && text[close] != '"' && !isLineEnd(close))
                ++close;
            item(start, close - start);
            pos = close < end && text[close] == '"' ? close + 1 : close;
            // Whatever stands after the closing quote, up to a comma or the
            // line end, belongs to no item.
            while (pos < end && text[pos] != ',' && !isLineEnd(pos))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < end && text[pos] != ',' && !isLineEnd(pos))
                ++pos;
            qsizetype last = pos;
            while (last > start && isBlank(last - 1))
                --last;
            item(start, last - start);
        }
        // Steps over the comma or the line end that ends an item.
        pos = pos < end && text[pos] == ',' ? pos + 1 : skipLineEnd(pos);
    }
}

// Asks the processor for the first bytes of a text before they are needed,
// where the compiler can say so. Inlined by force: a call that does nothing
// else is dropped before it is inlined.
#if defined(__GNUC__) || defined(__clang__)
[[gnu::always_inline]] inline void askAhead(const void *text, qsizetype size)
{
    const char *const start = static_cast<const char *>(text);
    for (qsizetype offset = 0; offset < std::min<qsizetype>(size, 512); offset += 64)
        __builtin_prefetch(start + offset);
}
#else
void askAhead(const void *, qsizetype) {}
#endif

// Which of a double quote (1) and a line break (2) the bytes hold.
int quoteAndBreaks(const char *bytes, qsizetype size)
{
    int holds = 0;
    qsizetype at = 0;
#ifdef __SSE2__
    for (; at + 16 <= size; at += 16) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + at));
        const auto has = [&sixteen](char c) { return _mm_cmpeq_epi8(sixteen, _mm_set1_epi8(c)); };
        holds |= _mm_movemask_epi8(has('"')) != 0 ? 1 : 0;
        holds |= _mm_movemask_epi8(_mm_or_si128(has('\r'), has('\n'))) != 0 ? 2 : 0;
    }
#endif
    for (; at < size; ++at)
        holds |= bytes[at] == '"' ? 1 : bytes[at] == '\r' || bytes[at] == '\n' ? 2 : 0;
    return holds;
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

// True when the text reads back as one item, the whole of it.
bool readsBackAlone(const char *text, qsizetype size)
{
    int items = 0;
    bool whole = false;
    forEachItem(text, size, [&](qsizetype, qsizetype length) {
        ++items;
        whole = length == size;
    });
    return items == 1 && whole;
}

// Writes the item whose bytes in the code page stand at out + 1, as
// writeItems says, and moves out past its line end; false when it cannot be
// written so. The checks look at the bytes: a byte and its character are
// alike for the quote, the comma, the blanks and the line breaks.
bool finishItem(char *&out, qsizetype size)
{
    const int holds = quoteAndBreaks(out + 1, size);
    // Quoted, an item ends at its first double quote or line break. One
    // that holds a quote, read from a hand-edited file, is written as it
    // stood there, unquoted, when it reads back so: no comma, line break or
    // blank at its ends. Anything else would come back as another item, or
    // as two: it is not written at all.
    const bool quoted = (holds & 1) == 0;
    if (quoted ? (holds & 2) != 0 : !readsBackAlone(out + 1, size))
        return false;
    if (quoted) {
        *out = '"';
        out += size + 1;
        *out++ = '"';
    } else {
        std::memmove(out, out + 1, std::size_t(size));
        out += size;
    }
    *out++ = '\r';
    *out++ = '\n';
    return true;
}

} // namespace

QStringList readItems(QStringView text)
{
    QStringList items;
    forEachItem(text.utf16(), text.size(),
                [&](qsizetype start, qsizetype length) { items.append(text.sliced(start, length).toString()); });
    return items;
}

QByteArray writeItems(const QStringList &items, bool *ok)
{
    *ok = false;
    // One buffer for the whole file: an item, two quotes and CR LF at most.
    qsizetype size = 0;
    for (const QString &item : items)
        size += item.size() + 4;
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype k = 0; k < items.size(); ++k) {
        // Items put in a new order lie all over the memory: their characters
        // are asked for a few items ahead.
        if (k + 8 < items.size())
            askAhead(items[k + 8].constData(), 2 * items[k + 8].size());
        if (!cp1252::encodeInto(items[k], out + 1) || !finishItem(out, items[k].size()))
            return QByteArray();
    }
    bytes.truncate(out - bytes.constData());
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
    // Read a block at a time and take the items of its whole lines, each
    // decoded straight into its own text, so that the file is never held
    // twice over, as bytes and as text. A line end always ends an item, so
    // the lines read alone give the items the whole text gives.
    constexpr qint64 blockSize = qint64(1) << 20;
    QByteArray pending; // the start of a line read before, then the block
    for (;;) {
        const qsizetype kept = pending.size();
        pending.resize(kept + blockSize);
        const qint64 read = file.read(pending.data() + kept, blockSize);
        if (read < 0 || file.error() != QFileDevice::NoError) {
            result.status = ReadStatus::Failed;
            result.items.clear();
            return result;
        }
        pending.resize(kept + read);
        const qsizetype lastLineFeed = QByteArrayView(pending).sliced(kept).lastIndexOf('\n');
        const qsizetype whole = read == 0 ? pending.size() : lastLineFeed < 0 ? 0 : kept + lastLineFeed + 1;
        if (whole > 0) {
            const QByteArrayView lines = QByteArrayView(pending).first(whole);
            forEachItem(lines.data(), whole,
                        [&](qsizetype start, qsizetype length) { result.items.append(cp1252::decode(lines.sliced(start, length))); });
            pending.remove(0, whole);
        }
        if (read == 0)
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

StoreStatus reorder(const QString &path,
                    const std::function<std::vector<qsizetype>(const std::vector<QByteArrayView> &items)> &order)
{
    const Lock lock(path);
    if (!lock.held())
        return lock.status();
    if (!QFileInfo::exists(path))
        return StoreStatus::Refused;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreStatus::ReadFailed;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return StoreStatus::ReadFailed;
    std::vector<QByteArrayView> items;
    forEachItem(bytes.constData(), bytes.size(),
                [&](qsizetype start, qsizetype length) { items.emplace_back(bytes.constData() + start, length); });
    const std::vector<qsizetype> places = order(items);
    // In their new order the items lie all over the file's bytes: their
    // places are all looked up first, each on its own, and then the bytes
    // of each are asked for a few items ahead.
    std::vector<QByteArrayView> ordered(places.size());
    for (std::size_t k = 0; k < places.size(); ++k)
        ordered[k] = items[std::size_t(places[k])];
    // Written a megabyte or so at a time: a piece goes to the disk while
    // the next is put together.
    constexpr std::size_t pieceSize = std::size_t(1) << 20;
    std::vector<char> room;
    std::size_t next = 0;
    const auto piece = [&]() -> std::optional<QByteArrayView> {
        std::size_t used = 0;
        for (; next < ordered.size(); ++next) {
            if (next + 8 < ordered.size())
                askAhead(ordered[next + 8].data(), ordered[next + 8].size());
            const QByteArrayView item = ordered[next];
            const std::size_t end = used + std::size_t(item.size()) + 4;
            if (used > 0 && end > pieceSize)
                break;
            room.resize(std::max(room.size(), end));
            char *out = room.data() + used;
            std::memcpy(out + 1, item.data(), std::size_t(item.size()));
            if (!finishItem(out, item.size()))
                return std::nullopt;
            used = std::size_t(out - room.data());
        }
        return QByteArrayView(room.data(), qsizetype(used));
    };
    return savedfile::write(path, piece) ? StoreStatus::Stored : StoreStatus::WriteFailed;
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
