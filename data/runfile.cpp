#include "data/runfile.h"

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

seqfile::StoreStatus append(const QString &record)
{
    return seqfile::update(fileName(), [&record](seqfile::ReadResult &current) {
        current.items.append(record);
        return true;
    });
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
