#include "analysis/selection.h"
#include "data/runfile.h"
#include "fuzz.h"

// A record cut at "/" gives exactly the fields asked for, missing ones
// empty, and all its fields joined again give the record.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString record = textOf(data, size);
    const int fieldCount = int(record.count(u'/')) + 1;
    const QStringList all = run::split(record, fieldCount);
    require(all.join(u'/') == record);
    require(run::courseName(record) == all.first());
    for (const int wanted : {1, 9, 18}) {
        const QStringList fields = run::split(record, wanted);
        require(fields.size() == wanted);
        for (int i = 0; i < wanted; ++i)
            require(fields.at(i) == all.value(i));
    }
    const QList<QStringList> runs = selection::selectRuns({record, record}, all.first(), 10);
    require(runs.size() == 2 && runs.first() == run::split(record, 18));
    return 0;
}
