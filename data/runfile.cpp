#include "data/runfile.h"

#include "data/coursefile.h"
#include "data/dateandtime.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace run {

QString fileName()
{
    return QStringLiteral("RUNDA_RE");
}

Table load()
{
    seqfile::ReadResult read = seqfile::readFile(fileName());
    return Table{read.status, std::move(read.items)};
}

qsizetype find(const QStringList &records, const Occurrence &run)
{
    int seen = 0;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (records.at(i) == run.record && seen++ == run.index)
            return i;
    }
    return -1;
}

namespace {

// Changes the one occurrence in the file as it is now; the edit gets the
// records and the position of the occurrence.
seqfile::StoreStatus change(const Occurrence &run, const std::function<void(QStringList &, qsizetype)> &edit)
{
    return seqfile::update(fileName(), [&](seqfile::ReadResult &current) {
        const qsizetype at = find(current.items, run);
        if (at < 0)
            return false;
        edit(current.items, at);
        return true;
    });
}

// Changes the run file as store does, while the course file holds the course
// line; the course file's lock is held around it all. The message to show.
QString storeOnCourse(const QString &courseLine, const std::function<seqfile::StoreStatus()> &store)
{
    const seqfile::Lock courses(course::fileName());
    if (!courses.held())
        return seqfile::failureMessage(courses.status(), course::fileName());
    const seqfile::ReadResult lines = seqfile::readFile(course::fileName());
    if (lines.status == seqfile::ReadStatus::Failed)
        return seqfile::readFailedMessage(course::fileName());
    if (!lines.items.contains(courseLine))
        return courseGoneMessage();
    return storeMessage(store());
}

} // namespace

QString append(const QString &courseLine, const QString &record)
{
    return storeOnCourse(courseLine, [&record] {
        return seqfile::update(fileName(), [&record](seqfile::ReadResult &current) {
            current.items.append(record);
            return true;
        });
    });
}

QString replace(const QString &courseLine, const Occurrence &run, const QString &newRecord)
{
    return storeOnCourse(courseLine, [&] {
        return change(run, [&newRecord](QStringList &records, qsizetype at) { records[at] = newRecord; });
    });
}

seqfile::StoreStatus remove(const Occurrence &run)
{
    return change(run, [](QStringList &records, qsizetype at) { records.removeAt(at); });
}

QString goneMessage()
{
    return QStringLiteral("Rundan finns inte längre i filen RUNDA_RE. Inget har ändrats i filen.");
}

QString storeMessage(seqfile::StoreStatus status)
{
    return status == seqfile::StoreStatus::Refused ? goneMessage() : seqfile::failureMessage(status, fileName());
}

std::optional<qint64> paceSeconds(QStringView finalTime, QStringView distance)
{
    const std::optional<int> seconds = dateandtime::seconds(finalTime);
    const std::optional<int> metres = course::knownDistance(distance);
    if (!seconds || !metres)
        return std::nullopt;
    return dateandtime::perKilometre(*seconds, *metres);
}

QString paceText(QStringView finalTime, QStringView distance)
{
    const std::optional<qint64> pace = paceSeconds(finalTime, distance);
    return pace ? dateandtime::shortTime(*pace) : QString();
}

QString courseGoneMessage()
{
    return QStringLiteral("Banan finns inte längre i filen RUNDA_BA. Rundan har inte sparats.");
}

QStringView courseName(QStringView record)
{
    const qsizetype slash = record.indexOf(u'/');
    return slash < 0 ? record : record.left(slash);
}

qsizetype fieldStart(QStringView record, qsizetype f)
{
    if (f <= 0)
        return 0;
    // The "/" are counted eight characters at a time up to the eight that
    // hold the f-th, then one at a time, without a branch for each one,
    // which costs a processor more than the counting.
    const char16_t *const text = record.utf16();
    qsizetype at = 0, slashes = 0;
#ifdef __SSE2__
    for (; at + 8 <= record.size(); at += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at));
        // Two bits a "/" in the mask: one of each pair is counted.
        unsigned found = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(eight, _mm_set1_epi16(u'/')))) & 0x5555;
        found = (found & 0x3333) + ((found >> 2) & 0x3333);
        found = (found & 0x0F0F) + ((found >> 4) & 0x0F0F);
        found = (found & 0xFF) + (found >> 8);
        if (slashes + qsizetype(found) >= f)
            break;
        slashes += found;
    }
#endif
    for (; at < record.size(); ++at) {
        slashes += text[at] == u'/';
        if (slashes == f)
            return at + 1;
    }
    return record.size() + 1;
}

QStringView field(QStringView record, qsizetype f)
{
    const qsizetype start = fieldStart(record, f);
    if (f < 0 || start > record.size())
        return QStringView();
    const QStringView rest = record.sliced(start);
    return rest.first(fieldStart(rest, 1) - 1);
}

Fields::Fields(const QString &record, int fieldCount)
    : m_record(record)
    , m_count(std::clamp(fieldCount, 0, maxCount))
{
    // Field f + 1 starts past the "/" that ends field f; every place is
    // written as the start of the next field until a "/" makes it one.
    const char16_t *const text = QStringView(record).utf16();
    int found = 0;
    for (qsizetype at = 0; at < record.size() && found < m_count; ++at) {
        m_start[found + 1] = at + 1;
        found += text[at] == u'/';
    }
    // The last field found ends with the record, and a missing field starts,
    // and ends, past its end.
    for (int f = found + 1; f <= m_count; ++f)
        m_start[f] = record.size() + 1;
}

} // namespace run
