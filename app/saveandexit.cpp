#include "app/saveandexit.h"

#include "analysis/ordering.h"
#include "data/cp1252.h"
#include "data/runfile.h"

#include <string>
#include <vector>

namespace saveandexit {

QStringView dateText(QStringView record)
{
    const qsizetype start = run::fieldStart(record, 4);
    return start > record.size() ? QStringView() : record.mid(start, 11);
}

std::vector<qsizetype> dateOrder(qsizetype count, const std::function<QStringView(qsizetype)> &record)
{
    std::vector<ordering::Key> keys;
    keys.reserve(std::size_t(count));
    for (qsizetype k = 0; k < count; ++k)
        keys.push_back(ordering::dateKey(dateText(record(k))));
    return ordering::exchangeOrder(keys, ordering::Direction::Descending);
}

void orderByDate(QStringList &records)
{
    const auto record = [&records](qsizetype k) { return QStringView(records[k]); };
    ordering::rearrange(records, dateOrder(records.size(), record));
}

seqfile::StoreStatus saveRunsInDateOrder()
{
    // The records are ordered as the bytes they are in the file, each one
    // decoded in turn into the same room for its date: no text is made of
    // any of them.
    return seqfile::reorder(run::fileName(), [](const std::vector<QByteArrayView> &records) {
        std::u16string text;
        return dateOrder(qsizetype(records.size()), [&](qsizetype k) {
            const QByteArrayView bytes = records[std::size_t(k)];
            text.resize(std::size_t(bytes.size()));
            cp1252::decodeInto(bytes, text.data());
            return QStringView(text);
        });
    });
}

} // namespace saveandexit
