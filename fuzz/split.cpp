#include "analysis/selection.h"
#include "data/runfile.h"
#include "fuzz.h"

// A record cut at "/", as texts or as views into it, gives exactly the
// fields asked for, each the text between its "/", missing ones empty.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString record = textOf(data, size);
    const QStringList all = record.split(u'/');
    require(run::courseName(record) == all.first());
    for (const int wanted : {1, 9, 18}) {
        const QStringList fields = run::split(record, wanted);
        const run::Fields views(record, wanted);
        require(fields.size() == wanted && views.size() == wanted);
        for (int i = 0; i < wanted; ++i)
            require(fields.at(i) == all.value(i) && views.at(i) == fields.at(i));
    }
    const QList<run::Fields> runs = selection::selectRuns({record, record}, all.first(), 10);
    require(runs.size() == 2 && runs.first().at(17) == all.value(17));
    return 0;
}
