#include "registration/runcheck.h"

#include "data/coursefile.h"
#include "data/numeric.h"
#include "data/runfile.h"
#include "data/seqfile.h"

#include <algorithm>

namespace runcheck {
namespace {

QString boxMessage(const char *number)
{
    return QStringLiteral("Fel registrerat i %1 registrerings rutan !").arg(QLatin1String(number));
}

// A text that cannot stand as a field of a run record.
bool breaksRecord(const QString &text)
{
    return text.contains(u'/') || text.contains(u'"') || !seqfile::isStorable(text);
}

bool outside(double value, double low, double high)
{
    return value < low || value > high;
}

double valueAt(const QString &text, qsizetype position, qsizetype length)
{
    return numericValue(QStringView(text).mid(position, length));
}

QStringList checkPace(const QString &pace)
{
    if (pace != u"M" && pace != u"T")
        return {boxMessage("1:a")};
    return {};
}

QStringList checkDate(const QString &date)
{
    const QString refused = boxMessage("2:a");
    if (outside(numericValue(QStringView(date).left(2)), 0, 31)
        || outside(numericValue(QStringView(date).right(4)), 1900, 2100))
        return {refused};
    if (date.size() != 11)
        return {refused};
    static const QStringList months = QStringLiteral("jan feb mar apr maj jun jul aug sep okt nov dec").split(u' ');
    if (!months.contains(date.mid(3, 3)))
        return {QStringLiteral("Fel månads stavning!"), refused};
    if (breaksRecord(date))
        return {refused};
    return {};
}

QStringList checkInformation(const QString &information)
{
    if (information.isEmpty() || breaksRecord(information))
        return {boxMessage("3:e")};
    return {};
}

QStringList checkTemperature(const QString &temperature)
{
    const QString refused = boxMessage("4:e");
    if (!temperature.startsWith(u'-') && !temperature.startsWith(u'+'))
        return {refused};
    if (temperature.size() < 2 || temperature.size() > 3)
        return {QStringLiteral("Du skall skriva antalet Celsius grader"), refused};
    if (outside(numericValue(temperature), -50, 50))
        return {QStringLiteral("Konstigt gradtal. Kontrollera och registrera om!"), refused};
    if (breaksRecord(temperature))
        return {refused};
    return {};
}

QStringList checkWeight(const QString &weight)
{
    const QString refused = boxMessage("5:e");
    if (weight.size() != 4)
        return {refused};
    if (outside(numericValue(weight), 5, 500))
        return {QStringLiteral("Konstig vikt i kg. Kontrollera och registrera om!"), refused};
    if (breaksRecord(weight))
        return {refused};
    return {};
}

// k is the box number, written at the end of the message where a plus sign
// would stand before a number.
QString checkTime(const QString &time, int k)
{
    const QString number = QLatin1Char(' ') + QString::number(k);
    if (time.isEmpty())
        return QStringLiteral("Du kan inte lämna blankt här! Tidsruta nr ") + number;
    if (outside(valueAt(time, 0, 2), 0, 59))
        return QStringLiteral("Du har felaktiga timmar angivna i tidsruta nr ") + number;
    if (outside(valueAt(time, 3, 2), 0, 59))
        return QStringLiteral("Du har felaktiga minuter angivna i tidsruta nr ") + number;
    if (outside(valueAt(time, 6, 2), 0, 59))
        return QStringLiteral("Du har felaktiga sekunder angivna i tidsruta nr ") + number;
    if (time.size() < 6 || time.at(5) != u'.' || time.at(2) != u'.')
        return QStringLiteral("Du har angett punkt . mellan timmar minuter och sekunder i tidsruta nr ") + number;
    if (time.size() != 8 || breaksRecord(time))
        return QStringLiteral("Du har inte registrerat rätt i tidsruta nr ") + number;
    return QString();
}

} // namespace

QStringList check(const Entry &entry, int n, const fieldchoice::Chosen &chosen, const fieldchoice::Chosen &mayStayEmpty)
{
    const auto tested = [](bool isChosen, bool mayBeEmpty, const QString &text) {
        return isChosen && !(mayBeEmpty && text.isEmpty());
    };
    for (const QStringList &refusal :
         {checkPace(entry.pace), checkDate(entry.date),
          tested(chosen.note, mayStayEmpty.note, entry.information) ? checkInformation(entry.information) : QStringList(),
          tested(chosen.temperature, mayStayEmpty.temperature, entry.temperature) ? checkTemperature(entry.temperature)
                                                                                  : QStringList(),
          tested(chosen.weight, mayStayEmpty.weight, entry.weight) ? checkWeight(entry.weight) : QStringList()}) {
        if (!refusal.isEmpty())
            return refusal;
    }
    // A count outside 1 to 10 comes only from a hand-edited course file: the
    // run would have no final time, or more times than there are boxes.
    if (n < 1 || n > 10)
        return {QStringLiteral("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!")};
    for (int k = 1; k <= n; ++k) {
        const QString refusal = checkTime(entry.times.value(k - 1), k);
        if (!refusal.isEmpty())
            return {refusal};
    }
    return {};
}

QStringList checkRun(const QString &courseLine, const Entry &entry, const fieldchoice::Chosen &chosen,
                     const fieldchoice::Chosen &mayStayEmpty)
{
    QStringList refusal = check(entry, course::timedPoints(courseLine), chosen, mayStayEmpty);
    if (refusal.isEmpty() && courseLine.contains(u'"'))
        refusal << quotedCourseMessage();
    return refusal;
}

fieldchoice::Chosen correctionChoice(const Entry &stored, const fieldchoice::Chosen &chosen)
{
    return {chosen.note || !stored.information.isEmpty(), chosen.temperature || !stored.temperature.isEmpty(),
            chosen.weight || !stored.weight.isEmpty()};
}

fieldchoice::Chosen heldEmpty(const Entry &stored)
{
    return {stored.information.isEmpty(), stored.temperature.isEmpty(), stored.weight.isEmpty()};
}

QString quotedCourseMessage()
{
    return QStringLiteral("Banans namn innehåller tecknet \" och rundan kan inte sparas. Ändra banans namn först.");
}

Entry entryOf(const QString &record, int n)
{
    const run::Fields fields(record, 8 + std::clamp(n, 0, 10));
    Entry entry{fields.at(3).toString(), fields.at(4).toString(), fields.at(5).toString(),
                fields.at(6).toString(), fields.at(7).toString(), {}};
    for (int f = 8; f < fields.size(); ++f)
        entry.times << fields.at(f).toString();
    return entry;
}

QString timePrompt(int n)
{
    if (n == 1)
        return QStringLiteral("Ange sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)");
    if (n == 2)
        return QStringLiteral("Ange mellantiden samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)");
    if (n >= 3 && n <= 10)
        return QStringLiteral("Ange %1 mellantider samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)").arg(n - 1);
    return QString();
}

QString makeRecord(const QString &courseLine, const Entry &entry, const fieldchoice::Chosen &chosen)
{
    const auto ifChosen = [](bool isChosen, const QString &text) { return isChosen ? text : QString(); };
    QStringList fields{courseLine,
                       entry.pace,
                       entry.date,
                       ifChosen(chosen.note, entry.information),
                       ifChosen(chosen.temperature, entry.temperature),
                       ifChosen(chosen.weight, entry.weight)};
    fields += entry.times;
    return fields.join(u'/');
}

} // namespace runcheck
