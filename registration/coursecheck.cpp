#include "registration/coursecheck.h"

#include "data/coursefile.h"
#include "data/numeric.h"
#include "data/seqfile.h"

namespace coursecheck {
namespace {

bool isOneOrTwoDigits(const QString &text)
{
    if (text.isEmpty() || text.size() > 2)
        return false;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return true;
}

} // namespace

QString checkName(QString &name)
{
    name = name.trimmed();
    if (name.size() > 50)
        return QStringLiteral("Antal tecken får ej överstiga 50 st !");
    if (name.isEmpty())
        return QStringLiteral("Du kan inte registrera en bana med inget namn alls !");
    // A "/" would shift every field of the course's run records, and a double
    // quote would cut the line when the file is read back.
    if (name.contains(u'/') || name.contains(u'"'))
        return QStringLiteral("Banans namn får inte innehålla tecknen / eller \" !");
    if (!seqfile::isStorable(name))
        return QStringLiteral("Banans namn innehåller tecken som inte kan sparas i filen !");
    return QString();
}

QString checkCount(QString &count, const QString &emptyMessage)
{
    if (count.isEmpty())
        return emptyMessage;
    const double value = numericValue(count);
    const QString outOfRange =
        QStringLiteral("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!");
    if (value > 10)
        return QStringLiteral("Antalet mellantider inklusive sluttiden får vara max 10 st !");
    if (value < 1)
        return outOfRange;
    // "5a", "1.5" or " 5" pass the value tests but do not fit the two
    // characters of the count field.
    if (!isOneOrTwoDigits(count))
        return outOfRange;
    count = course::encodeCount(count);
    return QString();
}

QString checkDistance(QString &distance)
{
    if (distance == u"?")
        distance = course::encodeDistance(distance);
    if (distance.isEmpty())
        return QStringLiteral("Du kan inte registrera in blankt!");
    const double value = numericValue(distance);
    if (value > 99999)
        return QStringLiteral("Sträckan får vara max 99999 meter!");
    if (value < 10)
        return QStringLiteral("Sträckan måste vara minst 10 meter!");
    if (distance.size() > 5)
        return QStringLiteral("Sträckan anges med max 5 tecken samt i meter. Ex/ 6000!");
    distance = course::encodeDistance(distance);
    // A "/" or a double quote would break the course line and its runs just
    // as in a name.
    if (distance.size() != 5 || distance.contains(u'/') || distance.contains(u'"')
        || !seqfile::isStorable(distance))
        return QStringLiteral("Något fel i registrering för distansen i meter.");
    return QString();
}

QString checkCourse(QString &name, QString &count, QString &distance)
{
    QString refusal = checkName(name);
    if (refusal.isEmpty())
        refusal = checkCount(count, QStringLiteral("Du kan inte skriva blankt här !"));
    if (refusal.isEmpty())
        refusal = checkDistance(distance);
    return refusal;
}

Duplicate findDuplicate(const QStringList &lines, const QString &newLine)
{
    Duplicate verdict = Duplicate::None;
    const QString newName = course::name(newLine).trimmed();
    for (const QString &line : lines) {
        if (course::name(line).trimmed() != newName)
            continue;
        const bool same = course::count(line) == course::count(newLine)
            && course::distance(line) == course::distance(newLine);
        verdict = same ? Duplicate::Identical : Duplicate::SameName;
    }
    return verdict;
}

QString duplicateMessage(Duplicate verdict)
{
    switch (verdict) {
    case Duplicate::SameName:
        return QStringLiteral(
            "Du har banan registrerad sedan tidigare. Jag tar inte med din nya bana. Prova om.");
    case Duplicate::Identical:
        return QStringLiteral("Du har banan registrerad sedan tidigare, och antalet mellantider och "
                              "distansen är samma. Jag tar inte med din bana. Prova om.");
    case Duplicate::None:
        break;
    }
    return QString();
}

QString storeCourse(const QString &line)
{
    Duplicate verdict = Duplicate::None;
    const seqfile::StoreStatus status = seqfile::update(course::fileName(), [&](seqfile::ReadResult &current) {
        verdict = findDuplicate(current.items, line);
        current.items.append(line);
        return verdict == Duplicate::None;
    });
    if (status == seqfile::StoreStatus::Refused)
        return duplicateMessage(verdict);
    return seqfile::failureMessage(status, course::fileName());
}

} // namespace coursecheck
