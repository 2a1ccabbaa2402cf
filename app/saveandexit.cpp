#include "app/saveandexit.h"

#include "analysis/ordering.h"
#include "data/runfile.h"

#include <vector>

namespace saveandexit {

QStringView dateText(QStringView record)
{
    const qsizetype start = run::fieldStart(record, 4);
    return start > record.size() ? QStringView() : record.mid(start, 11);
}

void orderByDate(QStringList &records)
{
    std::vector<ordering::Key> keys;
    keys.reserve(records.size());
    for (const QString &record : std::as_const(records))
        keys.push_back(ordering::dateKey(dateText(record)));
    ordering::rearrange(records, ordering::exchangeOrder(keys, ordering::Direction::Descending));
}

seqfile::StoreStatus saveRunsInDateOrder()
{
    // The records are kept in the order they were read, too, and given back
    // in that order, after the others: the memory takes them back far
    // sooner so than in date order.
    QStringList asRead;
    return seqfile::update(run::fileName(), [&asRead](seqfile::ReadResult &current) {
        if (current.status == seqfile::ReadStatus::Missing)
            return false;
        asRead = current.items;
        orderByDate(current.items);
        return true;
    });
}

} // namespace saveandexit
