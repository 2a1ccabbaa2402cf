// The fuzz targets: each checks properties that must hold for every input
// and aborts, a finding for the fuzzer, where one does not. One libFuzzer
// program is built per target, KVISTRA_FUZZ_TARGET naming it.

#include "analysis/ordering.h"
#include "app/saveandexit.h"
#include "data/coursefile.h"
#include "data/cp1252.h"
#include "data/dateandtime.h"
#include "data/numeric.h"
#include "data/runfile.h"
#include "data/seqfile.h"
#include "registration/coursecheck.h"
#include "registration/runcheck.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <string_view>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Items written and read back through the data files' format.
bool roundTrips(const QStringList &items)
{
    bool ok = false;
    return seqfile::readItems(cp1252::decode(seqfile::writeItems(items, &ok))) == items && ok;
}

// Whatever bytes a data file holds, reading it does not fail; the items read
// are written back, every byte kept, and read again as the same items.
void items(const QByteArray &bytes)
{
    bool ok = false;
    require(cp1252::encode(cp1252::decode(bytes), &ok) == bytes && ok);
    require(roundTrips(seqfile::readItems(cp1252::decode(bytes))));
}

// A record cut at "/" into views gives exactly the fields asked for, each
// the text between its "/", missing ones empty.
void split(const QByteArray &bytes)
{
    const QString record = QString::fromUtf8(bytes);
    const QStringList all = record.split(u'/');
    require(run::courseName(record) == all.first());
    for (const int wanted : {1, 9, 18}) {
        const run::Fields fields(record, wanted);
        require(fields.size() == wanted);
        for (int i = 0; i < wanted; ++i)
            require(fields.at(i) == all.value(i));
    }
}

// The parts of any date or time text are numbers, the month one of the table
// or none.
void dates(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const dateandtime::DateParts date = dateandtime::dateParts(text);
    const dateandtime::TimeParts time = dateandtime::timeParts(text);
    require(date.month >= 0 && date.month <= 12 && date.year == dateandtime::yearOf(text));
    require(!std::isnan(date.day + time.hours + time.minutes + time.seconds));
    require(!std::isnan(saveandexit::dateText(text).size() + ordering::dateKey(text)[0] + ordering::timeKey(text)[2]));
}

// A course line of any length is cut into name, count and distance without
// reading outside it; a line of 9 characters or more is exactly its three
// fields and the two characters between them.
void courseLine(const QByteArray &bytes)
{
    const QString line = QString::fromUtf8(bytes);
    const QString name = course::name(line), count = course::count(line), distance = course::distance(line);
    require(line.size() < 9 ? name.isEmpty() && count.size() <= 2 && distance.size() <= 5
                            : name + line.at(line.size() - 9) + count + line.at(line.size() - 6) + distance == line);
    require(course::timedPoints(line) >= 0 && course::timedPoints(line) <= 10);
}

// Any text has a value, never NaN; a leading minus turns the sign of the
// number after it, however many digits it has.
void numeric(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const double value = numericValue(text);
    require(!std::isnan(value));
    if (!text.isEmpty() && text.at(0).isDigit() && text.at(0).unicode() < 128)
        require(numericValue(u'-' + text) == -value);
}

// The name, the count and the distance, one a line: what the checks let
// through makes a course line whose fields come back as typed, within their
// ranges, and which the course file stores and reads back unchanged.
void courseChecks(const QByteArray &bytes)
{
    const QStringList boxes = QString::fromUtf8(bytes).split(u'\n');
    QString name = boxes.value(0), count = boxes.value(1), distance = boxes.value(2);
    if (!coursecheck::checkName(name).isEmpty() || !coursecheck::checkCount(count, QStringLiteral("-")).isEmpty()
        || !coursecheck::checkDistance(distance).isEmpty())
        return;
    const QString line = course::makeLine(name, count, distance);
    require(course::name(line) == name && course::count(line) == count && course::distance(line) == distance);
    require(course::timedPoints(line) >= 1 && numericValue(distance) >= 10 && numericValue(distance) <= 99999);
    require(roundTrips({line}) && coursecheck::findDuplicate({line}, line) == coursecheck::Duplicate::Identical);
}

// The count of timed points as a length, the five boxes and the times, one a
// line: a run the checks let through makes a record whose fields come back
// as typed and which the run file stores and reads back unchanged.
void runChecks(const QByteArray &bytes)
{
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    const int n = int(lines.value(0).size());
    const runcheck::Entry entry{lines.value(1), lines.value(2), lines.value(3),
                                lines.value(4), lines.value(5), lines.mid(6, n)};
    if (!runcheck::check(entry, n).isEmpty())
        return;
    require(n >= 1 && n <= 10);
    const QString record = runcheck::makeRecord(QStringLiteral("Bana/%1/06000").arg(n, 2, 10, QLatin1Char('0')), entry);
    const QStringList fields = record.split(u'/');
    require(fields.size() == 8 + n && fields.mid(8) == entry.times && roundTrips({record}));
    const QStringList boxes{entry.pace, entry.date, entry.information, entry.temperature, entry.weight};
    require(fields.mid(3, 5) == boxes);
}

// No item is written that does not read back as the same single item: any
// items, parted by NUL, are written so or not at all; and a run on any course
// line of a hostile course file, its note holding a comma, is refused or
// stored as one record that reads back whole.
void write(const QByteArray &bytes)
{
    const QString text = cp1252::decode(bytes);
    const QStringList items = text.split(QChar(0));
    bool ok = false;
    const QByteArray written = seqfile::writeItems(items, &ok);
    require(ok ? seqfile::readItems(cp1252::decode(written)) == items : written.isEmpty());
    for (const QString &line : seqfile::readItems(text)) {
        runcheck::Entry entry{QStringLiteral("T"), QStringLiteral("02-feb-2001"), QStringLiteral("Sol, regn"),
                              QStringLiteral("+20"), QStringLiteral("79.0"), {}};
        for (int k = 0; k < course::timedPoints(line); ++k)
            entry.times << QStringLiteral("00.10.15");
        if (runcheck::checkRun(line, entry).isEmpty())
            require(roundTrips({runcheck::makeRecord(line, entry)}));
    }
}

const std::map<std::string_view, void (*)(const QByteArray &)> targets{
    {"items", items},   {"split", split},           {"dates", dates},        {"courseline", courseLine},
    {"numeric", numeric}, {"coursecheck", courseChecks}, {"runcheck", runChecks},
    {"write", write}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const auto target = targets.at(KVISTRA_FUZZ_TARGET);
    target(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
