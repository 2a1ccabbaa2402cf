#include "analysis/selection.h"

namespace selection {

QList<run::Fields> selectRuns(const QStringList &records, const QString &courseName, int n)
{
    QList<run::Fields> runs;
    for (const QString &record : records) {
        if (run::courseName(record) == courseName)
            runs.append(run::Fields(record, n + 8));
    }
    return runs;
}

} // namespace selection
