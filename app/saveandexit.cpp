#include "app/saveandexit.h"

#include "analysis/ordering.h"
#include "data/runfile.h"

#include <vector>

namespace saveandexit {

QStringView dateText(QStringView record)
{
    qsizetype slashes = 0;
    for (qsizetype i = 0; i < record.size(); ++i) {
        if (record.at(i) == u'/' && ++slashes == 4)
            return record.mid(i + 1, 11);
    }
    return QStringView();
}

void orderByDate(QStringList &records)
{
    std::vector<QStringView> dates;
    dates.reserve(records.size());
    for (const QString &record : std::as_const(records))
        dates.push_back(dateText(record));
    const std::vector<qsizetype> newOrder = ordering::orderOf(dates, ordering::Order::YoungestDate);
    ordering::rearrange(records, newOrder);
}

seqfile::StoreStatus saveRunsInDateOrder()
{
    return seqfile::update(run::fileName(), [](seqfile::ReadResult &current) {
        if (current.status == seqfile::ReadStatus::Missing)
            return false;
        orderByDate(current.items);
        return true;
    });
}

} // namespace saveandexit
