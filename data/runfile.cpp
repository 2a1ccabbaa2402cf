#include "data/runfile.h"

#include "data/coursefile.h"
#include "data/dateandtime.h"

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

Fields::Fields(const QString &record, int fieldCount)
    : m_record(record)
    , m_count(std::clamp(fieldCount, 0, maxCount))
{
    qsizetype start = 0;
    for (int f = 0; f < m_count; ++f) {
        m_start[f] = start;
        if (start <= record.size()) {
            const qsizetype slash = record.indexOf(u'/', start);
            start = (slash < 0 ? record.size() : slash) + 1;
        }
    }
    // A missing field starts, and ends, past the record's end.
    m_start[m_count] = start;
}

} // namespace run
