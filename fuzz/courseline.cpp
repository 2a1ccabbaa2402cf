#include "data/coursefile.h"
#include "fuzz.h"

// A course line of any length is cut into name, count and distance without
// reading outside it; a line of 9 characters or more is exactly its three
// fields and the two characters between them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = textOf(data, size);
    const QString name = course::name(line);
    const QString count = course::count(line);
    const QString distance = course::distance(line);
    if (line.size() >= 9) {
        require(count.size() == 2 && distance.size() == 5);
        require(name + line.at(line.size() - 9) + count + line.at(line.size() - 6) + distance == line);
    } else {
        require(name.isEmpty() && count.size() <= 2 && distance.size() <= 5);
    }
    const int points = course::timedPoints(line);
    require(points >= 0 && points <= 10);
    return 0;
}
