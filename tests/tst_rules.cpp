// Every rule that decides, tested once without a window: the numeric value,
// the item reader and writer, the code page, the course line, dates, times,
// run records, the checks of a new course and a new run, the orderings, the
// selection of a course's runs, the year interval and the result rows.

#include "analysis/ordering.h"
#include "analysis/resulttable.h"
#include "analysis/selection.h"
#include "app/saveandexit.h"
#include "data/coursefile.h"
#include "data/cp1252.h"
#include "data/dateandtime.h"
#include "data/numeric.h"
#include "data/runfile.h"
#include "data/seqfile.h"
#include "registration/coursecheck.h"
#include "registration/runcheck.h"
#include "support/literalordering.h"
#include "support/testfolder.h"
#include "support/writelimit.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>


namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }
QStringList l(const char *utf8, char16_t sep = u'|') { return t(utf8).split(sep); }
QString n(double value) { return QString::number(value); }

// Texts that several cases share.
#define SAME_NAME "Du har banan registrerad sedan tidigare. Jag tar inte med din nya bana. Prova om."
// Three runs "note date split split final".
#define TIMES "h d 00.05.00 00.40.00 01.00.00|s d 00.19.00 00.39.00 00.59.59|f d 00.03.15 00.06.30 00.10.15"

enum class Rule { Numeric, Items, Write, Course, Date, Time, Split, Name, Count, Distance, Duplicate, Prompt,
                  Caption, RunCheck, Record, Order, DateOrder, Select, Years, Rows };

// The example run: race pace on a course with three timed points.
runcheck::Entry exampleRun()
{
    return {t("T"), t("02-feb-2001"), t("Kändes bra. Sol och bra väder."), t("+20"), t("79.0"),
            l("00.10.15|00.21.40|00.33.05")};
}

// A run of a course with three timed points from "note date time...".
QStringList run(const QString &spec)
{
    const QStringList parts = spec.split(u' ');
    return QStringList{t("Bana"), t("03"), t("06000"), t("T"), parts.value(1), parts[0], t("+20"), t("79.0")}
           + parts.mid(2);
}

// Each rule as a function from texts to texts, so that one table holds them all.
QStringList apply(Rule rule, QStringList in)
{
    bool ok = false;
    QString text = in.value(0);
    switch (rule) {
    case Rule::Numeric: return {n(numericValue(text))};
    case Rule::Items: return seqfile::readItems(text);
    case Rule::Write: {
        const QByteArray bytes = seqfile::writeItems(in, &ok);
        return {QString::fromLatin1(bytes), ok ? t("written") : t("refused"), n(seqfile::isStorable(in.last()))};
    }
    case Rule::Course: return {course::name(text), course::count(text), course::distance(text), n(course::timedPoints(text))};
    case Rule::Date: {
        const dateandtime::DateParts p = dateandtime::dateParts(text);
        return {n(p.day), n(p.month), n(p.year), n(dateandtime::yearOf(text))};
    }
    case Rule::Time: {
        const dateandtime::TimeParts p = dateandtime::timeParts(text);
        return {n(p.hours), n(p.minutes), n(p.seconds)};
    }
    case Rule::Split: return run::split(text, in[1].toInt()) << run::courseName(text).toString();
    case Rule::Name: return {coursecheck::checkName(text)};
    case Rule::Count: return {coursecheck::checkCount(text, t("empty")), text};
    case Rule::Distance: return {coursecheck::checkDistance(text), text};
    case Rule::Duplicate: return {coursecheck::duplicateMessage(coursecheck::findDuplicate(in.mid(1), text))};
    case Rule::Prompt: return {runcheck::timePrompt(text.toInt())};
    case Rule::Caption: return {resulttable::distanceCaption(text)};
    case Rule::RunCheck: { // edits of the example run, "box=text": boxes 0 to 4, times from 5, n
        runcheck::Entry entry = exampleRun();
        QString *const boxes[] = {&entry.pace, &entry.date, &entry.information, &entry.temperature, &entry.weight};
        int timed = 3;
        for (const QString &edit : in) {
            const QString key = edit.section(u'=', 0, 0), value = edit.section(u'=', 1);
            const int box = key.toInt();
            if (key == u"n")
                timed = value.toInt();
            else if (box < 5)
                *boxes[box] = value;
            else if (box - 5 < entry.times.size())
                entry.times[box - 5] = value;
            else
                entry.times << value; // past the course's three timed points
        }
        return runcheck::check(entry, timed);
    }
    case Rule::Record:
        return {runcheck::makeRecord(text, {in[1], in[2], in[3], in[4], in[5], in.mid(6)})};
    case Rule::Order: { // order, n, runs; gives the notes, each run whole
        QList<QStringList> runs;
        for (const QString &spec : in.mid(2))
            runs << run(spec);
        const QList<QStringList> before = runs;
        ordering::orderRuns(runs, ordering::Order(text.toInt()), in[1].toInt());
        QStringList notes;
        for (const QStringList &r : runs)
            notes << (before.contains(r) ? r[5] : t("broken ") + r[5]);
        return notes;
    }
    case Rule::DateOrder: {
        saveandexit::orderByDate(in);
        for (QString &record : in)
            record = record.section(u'/', -1);
        return in;
    }
    case Rule::Select: {
        const QStringList records{t("Bana /03/06000/T/01-jan-2001/a/+20/79.0/1/2/3"),
                                  t("Bana/03/06000/T/02-jan-2001/b/+20/79.0/1/2/3"),
                                  t("bana/03/06000/T/03-jan-2001/c/+20/79.0/1/2/3"),
                                  t("   /03/06000/T/04-jan-2001/d/+20/79.0/1/2/3"),
                                  t("Ban/03/06000/T/05-jan-2001/e/+20/79.0/1/2/3"), t("Kort")};
        QStringList out;
        for (const run::Fields &r : selection::selectRuns(records, text, in[1].toInt()))
            out << QStringList{r.at(0).toString(), r.at(5).toString(), r.at(r.size() - 1).toString(), n(r.size())}.join(u' ');
        return out;
    }
    case Rule::Years: {
        QList<QStringList> runs;
        for (const QString &date : in)
            runs << run(t("x ") + date);
        const std::optional<selection::YearInterval> found = selection::yearInterval(runs);
        if (!found)
            return {};
        return {n(found->first), n(found->last), found->firstCaption, found->lastCaption};
    }
    case Rule::Rows: { // n, first year, last year over two runs of 1999 and then 35 of 2001
        const int timed = text.toInt();
        QList<QStringList> runs{run(t("x 01-jan-1999 00.03.99 00.06.99 00.10.99")), run(t("y 01-jan-1999 a b c"))};
        for (int k = 0; k < 35; ++k)
            runs << run(t("m 01-jan-2001 00.03.00 00.06.00 00.20.%1").arg(k + 10)).mid(0, 8 + timed);
        const QList<resulttable::Row> rows = resulttable::rowsToShow(runs, timed, in[1].toDouble(), in[2].toDouble());
        QStringList out{n(rows.size())}; // and the first and the last row
        for (const resulttable::Row &r : rows.isEmpty() ? rows : QList{rows.first(), rows.last()})
            out << r.date << r.final << r.splits;
        return out;
    }
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Rule)

class TestRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<QStringList>("out");
        const auto row = [](const char *tag, Rule rule, const QStringList &in, const QStringList &out) {
            QTest::newRow(tag) << rule << in << out;
        };
        const QString nines(400, u'9');
        const QString example = t("Hörnsjön 2 stora varv/03/06000/T/02-feb-2001/Kändes bra. Sol och bra väder./+20/79.0/"
                                  "00.10.15/00.21.40/00.33.05");

        // Cases written "in=>out", several texts on a side parted by "|".
        const auto cases = [row](Rule rule, std::initializer_list<const char *> list) {
            for (const char *c : list)
                row(c, rule, t(c).section(t("=>"), 0, 0).split(u'|'), t(c).section(t("=>"), 1).split(u'|'));
        };
        // The numeric value: leading numeric characters, blanks ignored.
        cases(Rule::Numeric, {"02=>2", "2-=>2", "eb=>0", "=>0", " -12=>-12", "2 0=>20", "1.2.3=>1.2", "1e1=>1",
                              "+-5=>0", ".5=>0.5", "7٣=>7"});
        row("too many digits", Rule::Numeric, {nines}, {t("inf")});
        row("too many digits, negative", Rule::Numeric, {u'-' + nines + t(".5")}, {t("-inf")});
        row("fraction below range", Rule::Numeric, {t("0.") + QString(400, u'0') + u'1'}, {t("0")});

        // The item reader and writer of the data files.
        row("quoted, rest of line skipped", Rule::Items, {t("\"ab\"cd\r\n")}, {t("ab")});
        row("unquoted trimmed", Rule::Items, {t(" \ta b \t\r\n")}, {t("a b")});
        row("comma", Rule::Items, {t("a,b\r\n\"c,d\"")}, l("a|b|c,d"));
        row("blanks around quotes, rest up to comma", Rule::Items, {t("  \"a\" x,b")}, l("a|b"));
        row("LF, CR, no last line end", Rule::Items, {t("\"a\"\nb\rc")}, l("a|b|c"));
        row("blank line, empty quoted item", Rule::Items, {t("\"a\"\r\n\r\n\"\"\r\n")}, l("a||"));
        row("missing closing quote ends with its line", Rule::Items, {t("\"ab\r\n\"cd\"\r\n")}, l("ab|cd"));
        row("empty file", Rule::Items, {QString()}, {});
        row("quoted, CR LF", Rule::Write, l("a,b| c |"), {t("\"a,b\"\r\n\" c \"\r\n\"\"\r\n"), t("written"), t("1")});
        row("code page", Rule::Write, {t("ö€Š")}, {t("\"ö\u0080\u008a\"\r\n"), t("written"), t("1")});
        row("no byte for U+0080", Rule::Write, {t("a"), t("\u0080")}, {QString(), t("refused"), t("0")});
        row("no byte for han", Rule::Write, {t("abö中")}, {QString(), t("refused"), t("0")});
        row("line break", Rule::Write, {t("a\nb")}, {t("\"a\nb\"\r\n"), t("written"), t("0")});

        // Course lines are cut from their end; nothing is read outside a short
        // line. Dates and times by position, months by the table.
        cases(Rule::Course, {"Hörnsjön 2 stora varv/03/06000=>Hörnsjön 2 stora varv|03|06000|3", "a/b/10/00012=>a/b|10|00012|10",
                             "12345678=>|12|45678|0", "1234567=>|1|34567|1", "=>|||0", "x/11/00010=>x|11|00010|0"});
        cases(Rule::Date, {"02-feb-2001=>2|2|2001|2001", "02-FEB-2001=>2|2|2001|2001", "02-Feb-2001=>2|0|2001|2001",
                           "2-feb-2001=>2|0|2001|2001", "02.feb.2001=>2|2|2001|2001", "15-maj-2003=>15|5|2003|2003",
                           "01-okt-2003=>1|10|2003|2003", "31-DEC-2003=>31|12|2003|2003", "=>0|0|0|0", "02-feb-01=>2|2|0|0"});
        cases(Rule::Time, {"01.02.03=>1|2|3", "=>0|0|0"});

        // Run records cut at "/".
        row("example run", Rule::Split, {example, t("11")}, example.split(u'/') << l("Hörnsjön 2 stora varv"));
        cases(Rule::Split, {"Bana|3=>Bana|||Bana", "a/b/c/d|2=>a|b|a", "a/b/|3=>a|b||a"});

        // The checks of a new course: the message, and the text left in the box.
        const char *unstorable = "Banans namn innehåller tecken som inte kan sparas i filen !";
        row("name 51", Rule::Name, {QString(50, u'x') + u'/'}, {t("Antal tecken får ej överstiga 50 st !")});
        row("name of 50", Rule::Name, {QString(50, u'x')}, {QString()});
        row("name line break", Rule::Name, {t("Bana\nny")}, {t(unstorable)});
        cases(Rule::Name, {"=>Du kan inte registrera en bana med inget namn alls !", "   =>", "Ö€ Hörnsjön=>",
                           "Runt/sjön 中=>Banans namn får inte innehålla tecknen / eller \" !",
                           "Runt \"sjön\"=>Banans namn får inte innehålla tecknen / eller \" !"});
        row("name han", Rule::Name, {t("Bana 中")}, {t(unstorable)});
        const QString countMax = t("Antalet mellantider inklusive sluttiden får vara max 10 st !");
        row("count huge", Rule::Count, {nines}, {countMax, nines});
        cases(Rule::Count, {"=>empty|", "11=>Antalet mellantider inklusive sluttiden får vara max 10 st !|11",
                            "3=>|03", "10=>|10", "02=>|02"});
        for (const char *count : {"0", "5a", "010", " 5", "1.5"})
            row(count, Rule::Count, {t(count)}, {t("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!"), t(count)});
        row("distance huge", Rule::Distance, {nines}, {t("Sträckan får vara max 99999 meter!"), nines});
        cases(Rule::Distance, {"=>Du kan inte registrera in blankt!|", "100000=>Sträckan får vara max 99999 meter!|100000",
                               "9=>Sträckan måste vara minst 10 meter!|9",
                               "006000=>Sträckan anges med max 5 tecken samt i meter. Ex/ 6000!|006000",
                               "?=>|99999", "10=>|00010", "600=>|00600", "6000=>|06000", "99999=>|99999"});
        for (const char *distance : {"12.5", "6000/", "6000\"", "1000中"})
            row(distance, Rule::Distance, {t(distance)}, {t("Något fel i registrering för distansen i meter."), t(distance)});

        // Names are told apart exactly as typed and by the name alone; the
        // last stored line with the name decides.
        cases(Rule::Duplicate, {"Bana/04/06000|Annan/02/01000|Bana/03/06000=>" SAME_NAME, "Bana/03/99999|Bana/03/06000=>" SAME_NAME,
                                "Bana/03/06000|Bana/03/06000|Bana/04/06000=>" SAME_NAME, "bana/03/06000|Bana/03/06000=>",
                                "Bana /03/06000|Bana/03/06000=>", "Ban/03/06000|Bana/03/06000=>", "Bana/03/06000|Bana=>",
                                "Bana/03/06000|Bana/04/06000|Bana/03/06000=>Du har banan registrerad sedan tidigare, och "
                                "antalet mellantider och distansen är samma. Jag tar inte med din bana. Prova om."});
        // The checks of a new run: one box changed from the example run.
        const auto refused = [](const char *box) { return t("Fel registrerat i %1 registrerings rutan !").arg(t(box)); };
        const auto check = [row](int box, std::initializer_list<const char *> texts, const QStringList &messages) {
            for (const char *text : texts)
                row(qPrintable(n(box) + u' ' + t(text)), Rule::RunCheck, {n(box) + u'=' + t(text)}, messages);
        };
        check(0, {"T", "M"}, {});
        check(0, {"t", "m", "", "TM", " T"}, {refused("1:a")});
        check(1, {"00-feb-2001", "31-dec-2100", "02 feb_2001"}, {});
        check(1, {"2-feb-2001", "32-feb-2001", "02-feb-1899", "02-feb-2101", "", "02-feb-20011", "02/feb/2001",
                  "0\"-feb-2001", "02-maj中2001"}, {refused("2:a")});
        check(1, {"02-Feb-2001", "02-FEB-2001", "02-fbr-2001"}, {t("Fel månads stavning!"), refused("2:a")});
        check(2, {"Åsa €, 100% \\ bra!"}, {});
        check(2, {"", "Sol/regn", "Sa \"hej\"", "Bra 中"}, {refused("3:e")});
        check(3, {"+5", "-12", "+50", "-50", "+0"}, {});
        check(3, {"20", "", " +5", "+/", "-\"", "+5/", "+5中"}, {refused("4:e")});
        check(3, {"+", "+100", "-5.5"}, {t("Du skall skriva antalet Celsius grader"), refused("4:e")});
        check(3, {"-51", "+51", "+99"}, {t("Konstigt gradtal. Kontrollera och registrera om!"), refused("4:e")});
        check(4, {"79.0", "500.", "5.00"}, {});
        check(4, {"79", "", "79.05", "79/0", "79\"0", "79中0"}, {refused("5:e")});
        check(4, {"4.99", "501.", "abcd"}, {t("Konstig vikt i kg. Kontrollera och registrera om!"), refused("5:e")});
        check(5, {"59.59.59"}, {});
        check(6, {""}, {t("Du kan inte lämna blankt här! Tidsruta nr  2")});
        check(5, {"60.00.00"}, {t("Du har felaktiga timmar angivna i tidsruta nr  1")});
        check(7, {"-1.00.00"}, {t("Du har felaktiga timmar angivna i tidsruta nr  3")});
        check(6, {"00.60.00"}, {t("Du har felaktiga minuter angivna i tidsruta nr  2")});
        check(7, {"00.10.60"}, {t("Du har felaktiga sekunder angivna i tidsruta nr  3")});
        check(7, {"00:10:15", "00.10:15", "00.10", "0"},
              {t("Du har angett punkt . mellan timmar minuter och sekunder i tidsruta nr  3")});
        check(7, {"00.10.150", "00.10.1", "00.10.1/", "00.10.1\"", "00.10.1中"},
              {t("Du har inte registrerat rätt i tidsruta nr  3")});
        check(8, {"nonsense"}, {});
        // The first box that fails is the only one told; a count outside 1 to
        // 10 (a hand-edited course file) refuses the run once the boxes pass.
        row("first failure only", Rule::RunCheck, l("0=t|1=x|2=|3=20|4=1"), {refused("1:a")});
        row("second failure only", Rule::RunCheck, l("1=x|2=|3=20|4=1|5="), {refused("2:a")});
        row("first time box only", Rule::RunCheck, l("n=2|5=|6="), {t("Du kan inte lämna blankt här! Tidsruta nr  1")});
        const QStringList countRange{t("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!")};
        row("count 0", Rule::RunCheck, {t("n=0")}, countRange);
        row("count 11", Rule::RunCheck, {t("n=11")}, countRange);
        row("weight before count", Rule::RunCheck, l("n=0|4=7"), {refused("5:e")});
        // The record holds the texts as typed, blanks included.
        row("example record", Rule::Record, l("Hörnsjön 2 stora varv/03/06000|T|02-feb-2001|Kändes bra. Sol och bra "
                                              "väder.|+20|79.0|00.10.15|00.21.40|00.33.05"), {example});
        row("blanks kept", Rule::Record, l("  /01/00010|M|02-feb-2001|  x  |-5|79.0|00.10.15"),
            {t("  /01/00010/M/02-feb-2001/  x  /-5/79.0/00.10.15")});
        cases(Rule::Prompt, {"1=>Ange sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)",
                             "2=>Ange mellantiden samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)",
                             "3=>Ange 2 mellantider samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)",
                             "10=>Ange 9 mellantider samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)", "11=>"});

        // The four orderings (0 youngest, 1 oldest, 2 best, 3 worst) of runs
        // "note date times" are not stable; whole runs travel.
        cases(Rule::Order, {"0|3|P 01-jan-2001|Q 01-jan-2001|R 01-jan-2002=>R|Q|P",
                            "1|3|m 15-mar-2001|f 02-feb-2001|j 28-jan-2001=>j|f|m",
                            "0|3|j 28-jan-2001|m 15-mar-2001|f 02-feb-2001=>m|f|j",
                            "1|3|X 02-FEB-2001|Y 02-feb-2001|Z 01-feb-2001=>Z|Y|X", // upper-case month
                            "1|3|P 01-jan-2001|Q 01-jan-2001=>P|Q", "3|3|P d 1 1 00.01.00|Q d 1 1 00.01.00=>P|Q",
                            "0|3|A 02-Feb-2001|B 01-jan-2001=>B|A", "1|3|A 02-Feb-2001|B 01-jan-2001=>A|B", // unknown month is 0
                            "2|3|" TIMES "=>f|s|h", "3|3|" TIMES "=>h|s|f", "2|1|" TIMES "=>f|h|s",
                            "2|3|5 d 1 2 00.05.00|c d 1=>c|5"}); // a missing final time is 00.00.00
        // Save and exit orders whole records of every course by the date
        // after the fourth "/"; without one a record has year 0.
        cases(Rule::DateOrder, {"A/1/1/M/01-jan-2001/P|A/1/1/M/01-jan-2001/Q|A/1/1/M/01-jan-2002/R=>R|Q|P",
                                "A/1/1/M/01-jan-2001/a1|B/1/1/M/01-feb-2001/b2|A/1/1/M/01-mar-2001/a3|B/1/1/M/01-apr-2001/b4=>b4|a3|b2|a1",
                                "A/1/1/M/01-feb-2001/L|A/1/1/M/02-FEB-2001/U=>U|L",
                                "A/1/1/s1|A/1/1/M/01-jan-2001/a|s2|A/1/1/M/01-feb-2001/b=>b|a|s2|s1",
                                "A/1/1/M/01-jan-1999|A/1/1/M/02-jan-200=>01-jan-1999|02-jan-200"});
        row("no runs", Rule::Order, l("0|3"), {});
        for (const char *order : {"m|f|j", "m|j|f", "f|m|j", "f|j|m", "j|m|f", "j|f|m"}) {
            QStringList records;
            for (const QString &note : l(order))
                records << t("A/1/1/M/%1-2001/").arg(note == u'm' ? t("15-mar") : note == u'f' ? t("02-feb") : t("28-jan")) + note;
            row(order, Rule::DateOrder, records, l("m|f|j"));
        }

        // A course's runs: its name exactly, fields 0 to n+7.
        cases(Rule::Select, {"Bana |3=>Bana  a 3 11", "Bana|3=>Bana b 3 11", "   |3=>    d 3 11", "Ban|1=>Ban e 1 9",
                             "Kort|1=>Kort   9"});
        // The year interval of a newly chosen course.
        cases(Rule::Years, {"01-jan-2003|01-jan-2001|01-jan-2005=>2001|2005|2001|2005", "01-jan-2002=>2002|2002|2002|2002",
                            "15-mar-2003|02-feb-01=>0|2003|b-01|2003"});
        row("empty date", Rule::Years, l("15-mar-2003||01-jan-2001"), {});
        row("no run", Rule::Years, {}, {});
        // At most 28 rows, counted among those shown; both bounds included.
        cases(Rule::Rows, {"3|2000|2001=>28|01-jan-2001|00.20.10|00.03.00 : 00.06.00|01-jan-2001|00.20.37|00.03.00 : 00.06.00",
                           "1|2001|2001=>28|01-jan-2001|00.03.00||01-jan-2001|00.03.00|",
                           "2|1990|1999=>2|01-jan-1999|00.06.99|00.03.99|01-jan-1999|b|a", "3|2001|1999=>0"});
        cases(Rule::Caption, {"06000=> 6000 meter", "99999=> 99999 meter", "=> 0 meter", "-0=> 0 meter", "-0010=>-10 meter"});
    }

    void rules()
    {
        QFETCH(Rule, rule);
        QFETCH(QStringList, in);
        QFETCH(QStringList, out);
        QCOMPARE(apply(rule, in), out);
    }

    // Every ordering against the exchange passes run pair by pair, on random
    // tables where equal keys abound: 0 to 3 the four orderings, 4 save and
    // exit, 5 bare keys with infinities and -0. The row's tag is the seed.
    void orderingsMatchThePassesPairByPair_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("size");
        for (int target = 0; target <= 5; ++target) {
            QTest::addRow("target %d size 2000", target) << target << 2000;
            for (int row = 0; row < 3 * 61; ++row)
                QTest::addRow("target %d size %d seed %d", target, row / 3, row % 3) << target << row / 3;
        }
    }

    void orderingsMatchThePassesPairByPair()
    {
        QFETCH(int, target);
        QFETCH(int, size);
        QRandomGenerator random(qHash(QByteArray(QTest::currentDataTag())));
        const int width = random.bounded(2, 6), timed = random.bounded(1, 4); // texts per part; timed points
        const auto pick = [&](std::initializer_list<const char *> texts) {
            return t(texts.begin()[random.bounded(std::min<int>(width, int(texts.size())))]);
        };
        const double bare[] = {-qInf(), -0.0, 0.0, 0.5, qInf(), -1.0};
        std::vector<ordering::Key> keys;
        QList<QStringList> runs;
        QStringList records;
        for (int k = 0; k < size; ++k) {
            const QString date = pick({"d", "", "d"}).isEmpty() ? QString()
                : pick({"01", "02", ".5", "31"}) + u'-' + pick({"jan", "Feb", "FEB", "feb"}) + u'-' + pick({"2001", "1999", "01.5"});
            const QString time = pick({"00", "01", ".5", ""}) + u'.' + pick({"10", "00", "", "59"}) + u'.' + pick({"15", "", "00"});
            const bool cut = pick({"", "cut"}).isEmpty(); // no final time, or no fourth "/"
            runs << (QStringList{t("Bana"), t("03"), t("06000"), t("T"), date, n(k), t("+20"), t("79.0")}
                     << QStringList(timed - 1, t("00.01.00")) << time).mid(0, cut ? 7 + timed : 8 + timed);
            records << (cut ? t("A/1/1/") : t("A/1/1/M/") + date + u'/') + n(k);
            keys.push_back(target == 5   ? ordering::Key{k % 2 ? bare[random.bounded(width)] : double(random.bounded(size / 16 + 1)), bare[random.bounded(width)], bare[random.bounded(width)]}
                           : target == 4 ? ordering::dateKey(saveandexit::dateText(records.last()))
                           : target < 2  ? ordering::dateKey(date)
                                         : ordering::timeKey(cut ? QString() : time));
        }
        const bool descending = target == 5 ? size % 2 == 1 : target % 3 == 0 || target == 4;
        const auto direction = descending ? ordering::Direction::Descending : ordering::Direction::Ascending;
        QList<int> expected, got;
        for (const qsizetype from : literalExchangeOrder(keys, direction))
            expected << int(from);
        if (target == 4)
            saveandexit::orderByDate(records);
        else if (target < 4)
            ordering::orderRuns(runs, ordering::Order(target), timed);
        const std::vector<qsizetype> bareOrder = ordering::exchangeOrder(keys, direction);
        for (int k = 0; k < size; ++k)
            got << (target == 5 ? int(bareOrder[k]) : target == 4 ? records[k].section(u'/', -1).toInt() : runs[k][5].toInt());
        QCOMPARE(got, expected);
    }

    // The run file is read a block at a time: a CR LF, an item or a line
    // across a block's edge reads as in one piece.
    void readingInBlocks()
    {
        TestFolder folder;
        for (const int shift : {-3, -2, -1, 0, 1}) {
            const QByteArray bytes = "\"a\"\r\n\"" + QByteArray((1 << 20) - 8 + shift, 'x') + "\"\r\n\"b\"\r\rc,\"d\r\ne\n"
                                     + QByteArray(1 << 20, 'y') + "\r\"z";
            folder.write(t("DATA"), bytes);
            QCOMPARE(seqfile::readFile(t("DATA")).items, seqfile::readItems(cp1252::decode(bytes)));
        }
    }

    // Every byte comes back as it was through a file, NUL and the five the
    // code page leaves undefined included; the others read as Qt's own
    // converter has them, where this Qt has one.
    void everyByteSurvives()
    {
        QByteArray inner;
        for (int b = 0; b < 256; ++b) {
            if (b != '"' && b != '\r' && b != '\n')
                inner.append(char(b));
        }
        TestFolder folder;
        const QByteArray original = '"' + inner + "\"\r\n\"x\"\r\n";
        folder.write(t("DATA"), original);
        const seqfile::ReadResult read = seqfile::readFile(t("DATA"));
        QCOMPARE(read.items.size(), 2);
        QVERIFY(seqfile::writeFile(t("DATA"), read.items));
        QCOMPARE(folder.read(t("DATA")), original);
        const QList<int> undefined{0x81, 0x8D, 0x8F, 0x90, 0x9D};
        QStringDecoder qt("windows-1252");
        for (int b = 0x80; b < 0xA0; ++b) {
            const QString own = cp1252::decode(QByteArray(1, char(b)));
            QCOMPARE(own, undefined.contains(b) || !qt.isValid() ? QString(QChar(b)) : qt.decode(QByteArray(1, char(b))));
        }
    }

    // A write is all or nothing: a text the code page cannot hold, or a
    // disk that fills up part way, is reported and leaves the old file and no
    // temporary file beside it.
    void failedWriteKeepsTheFile()
    {
        TestFolder folder;
        const QByteArray before("\"old\"\r\n\"x\x9D\"\r\n");
        folder.write(t("DATA"), before);
        QVERIFY(!seqfile::writeFile(t("DATA"), l("new|中")));
        {
            const WriteLimit limit{16};
            QVERIFY(!seqfile::writeFile(t("DATA"), l("a longer new line|and one more")));
        }
        QCOMPARE(folder.read(t("DATA")), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), l("DATA"));
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
