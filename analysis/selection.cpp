#include "analysis/selection.h"

namespace selection {
namespace {

// Calls take(record) for each record whose field 0 is exactly the name: it
// starts with the name, followed by "/" or by nothing. A name that holds a
// "/" is no record's field 0.
template<typename Take>
void forEachRunOf(const QStringList &records, QStringView courseName, Take &&take)
{
    if (courseName.contains(u'/'))
        return;
    const qsizetype length = courseName.size();
    for (const QString &record : records) {
        if (record.size() >= length && (record.size() == length || record.at(length) == u'/')
            && QStringView(record).first(length) == courseName)
            take(record);
    }
}

} // namespace

QList<run::Fields> selectRuns(const QStringList &records, const QString &courseName, int n)
{
    QList<run::Fields> runs;
    forEachRunOf(records, courseName, [&](const QString &record) { runs.append(run::Fields(record, n + 8)); });
    return runs;
}

QList<run::RecordView> courseRuns(const QStringList &records, QStringView courseName, QList<run::RecordView> room)
{
    QList<run::RecordView> runs = std::move(room);
    runs.clear(); // its memory kept
    runs.reserve(records.size()); // room only: what is not filled takes no memory
    forEachRunOf(records, courseName, [&](const QString &record) {
        // Field 0 is the name: the date is field 3 of what follows it.
        const QStringView rest = QStringView(record).sliced(std::min(courseName.size() + 1, record.size()));
        const QStringView date = record.size() > courseName.size() ? run::field(rest, 3) : QStringView();
        runs.append(run::RecordView{record, dateandtime::dateParts(date)});
    });
    return runs;
}

} // namespace selection
