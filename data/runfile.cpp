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

bool store(const QStringList &records)
{
    return seqfile::writeFile(fileName(), records);
}

QStringView courseName(QStringView record)
{
    const qsizetype slash = record.indexOf(u'/');
    return slash < 0 ? record : record.left(slash);
}

QStringList split(QStringView record, int fieldCount)
{
    QStringList fields;
    fields.reserve(fieldCount);
    qsizetype start = 0;
    while (fields.size() < fieldCount) {
        if (start > record.size()) {
            fields.append(QString());
            continue;
        }
        qsizetype slash = record.indexOf(u'/', start);
        if (slash < 0)
            slash = record.size();
        fields.append(record.mid(start, slash - start).toString());
        start = slash + 1;
    }
    return fields;
}

} // namespace run
