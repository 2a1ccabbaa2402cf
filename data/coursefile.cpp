#include "data/coursefile.h"

#include "data/numeric.h"

#include <algorithm>
#include <cmath>

namespace course {
namespace {

// The characters of the line from index start on, at most length of them,
// with positions before the line's start or after its end left out.
QString slice(QStringView line, qsizetype start, qsizetype length)
{
    const qsizetype from = std::max<qsizetype>(start, 0);
    const qsizetype to = std::min(start + length, line.size());
    return from < to ? line.sliced(from, to - from).toString() : QString();
}

} // namespace

QString fileName()
{
    return QStringLiteral("RUNDA_BA");
}

QString name(QStringView line)
{
    return slice(line, 0, line.size() - 9);
}

QString count(QStringView line)
{
    return slice(line, line.size() - 8, 2);
}

QString distance(QStringView line)
{
    return slice(line, line.size() - 5, 5);
}

int timedPoints(QStringView line)
{
    const double value = numericValue(count(line));
    return value >= 1 && value <= 10 && value == int(value) ? int(value) : 0;
}

std::optional<int> knownDistance(QStringView distance)
{
    const double metres = numericValue(distance);
    if (!std::isfinite(metres) || metres != std::floor(metres) || metres < 10 || metres >= 99999)
        return std::nullopt;
    return int(metres);
}

QString fileNameFor(const QString &name, const QString &fallback, const QString &suffix)
{
    QString file = name.trimmed();
    for (QChar &c : file) {
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'_';
    }
    return (file.isEmpty() ? fallback : file) + suffix;
}

QString makeLine(const QString &name, const QString &count, const QString &distance)
{
    return name + u'/' + count + u'/' + distance;
}

QString encodeCount(const QString &count)
{
    if (count.size() == 1 && numericValue(count) > 0)
        return u'0' + count;
    return count;
}

QString encodeDistance(const QString &distance)
{
    if (distance == u"?")
        return QStringLiteral("99999");
    QString encoded = distance;
    const double value = numericValue(encoded);
    if (encoded.size() == 2 && value > 9 && value < 100)
        encoded.prepend(QStringLiteral("000"));
    if (encoded.size() == 3 && value > 99 && value < 1000)
        encoded.prepend(QStringLiteral("00"));
    if (encoded.size() == 4 && value > 999 && value < 10000)
        encoded.prepend(QStringLiteral("0"));
    return encoded;
}

Table load()
{
    seqfile::ReadResult read = seqfile::readFile(fileName());
    return Table{read.status, std::move(read.items)};
}

} // namespace course
