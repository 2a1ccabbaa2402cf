#include "data/cp1252.h"
#include "data/runfile.h"
#include "data/seqfile.h"
#include "fuzz.h"
#include "registration/runcheck.h"

// The input is the count of timed points, the five boxes and the times, one
// per line. A run the checks let through makes a record whose fields come
// back as typed and which the run file stores and reads back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = textOf(data, size).split(u'\n');
    const int n = int(lines.value(0).size());
    const runcheck::Entry entry{lines.value(1), lines.value(2), lines.value(3),
                                lines.value(4), lines.value(5), lines.mid(6, n)};
    if (!runcheck::check(entry, n).isEmpty())
        return 0;
    require(n >= 1 && n <= 10);
    const QString courseLine = QStringLiteral("Bana/%1/06000").arg(n, 2, 10, QLatin1Char('0'));
    const QString record = runcheck::makeRecord(courseLine, entry);
    const QStringList fields = run::split(record, 8 + n);
    require(fields.mid(3, 5) == QStringList({entry.pace, entry.date, entry.information, entry.temperature,
                                                  entry.weight}));
    require(fields.mid(8) == entry.times && fields.join(u'/') == record);
    bool ok = false;
    require(seqfile::readItems(cp1252::decode(seqfile::writeItems({record}, &ok))) == QStringList{record} && ok);
    return 0;
}
