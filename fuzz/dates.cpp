#include "app/saveandexit.h"
#include "data/dateandtime.h"
#include "fuzz.h"

#include <algorithm>
#include <cmath>

// The parts of any date or time text are numbers, and whole records put in
// date order keep their texts and stand youngest year first.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textOf(data, size);
    const dateandtime::DateParts date = dateandtime::dateParts(text);
    require(date.month >= 0 && date.month <= 12);
    const dateandtime::TimeParts time = dateandtime::timeParts(text);
    require(date.year == dateandtime::yearOf(text) && !std::isnan(date.day + time.hours + time.minutes + time.seconds));

    const QStringList records = text.split(u'\n').mid(0, 64);
    QStringList ordered = records;
    saveandexit::orderByDate(ordered);
    for (qsizetype i = 1; i < ordered.size(); ++i) {
        const double younger = dateandtime::yearOf(saveandexit::dateText(ordered.at(i - 1)));
        require(younger >= dateandtime::yearOf(saveandexit::dateText(ordered.at(i))));
    }
    QStringList before = records;
    std::sort(before.begin(), before.end());
    std::sort(ordered.begin(), ordered.end());
    require(before == ordered);
    return 0;
}
