#include "data/coursefile.h"
#include "data/cp1252.h"
#include "data/numeric.h"
#include "data/seqfile.h"
#include "fuzz.h"
#include "registration/coursecheck.h"

// The input is the name, the count and the distance, one per line. What
// the checks let through makes a course line whose fields come back as
// typed, within their ranges, and which the course file stores and reads
// back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList boxes = textOf(data, size).split(u'\n');
    const QString name = boxes.value(0);
    QString count = boxes.value(1);
    QString distance = boxes.value(2);
    if (!coursecheck::checkName(name).isEmpty() || !coursecheck::checkCount(count, QStringLiteral("-")).isEmpty()
        || !coursecheck::checkDistance(distance).isEmpty())
        return 0;
    const QString line = course::makeLine(name, count, distance);
    require(course::name(line) == name && course::count(line) == count && course::distance(line) == distance);
    require(course::timedPoints(line) == int(numericValue(count)) && course::timedPoints(line) >= 1);
    require(numericValue(distance) >= 10 && numericValue(distance) <= 99999);
    bool ok = false;
    require(seqfile::readItems(cp1252::decode(seqfile::writeItems({line}, &ok))) == QStringList{line} && ok);
    require(coursecheck::findDuplicate({line}, line) == coursecheck::Duplicate::Identical);
    return 0;
}
