// Every rule that decides, tested once without a window: the numeric value,
// the item reader and writer, the code page, the course line, dates, times,
// run records, the checks of a new course and a new run, the orderings, the
// selection of a course's runs, the year interval and the result rows, what
// the progress chart draws, and the training volume's figures.

#include "runbook/csvexport.h"
#include "analysis/ordering.h"
#include "progress/progress.h"
#include "progress/volume.h"
#include "analysis/resulttable.h"
#include "runbook/runbookmodel.h"
#include "analysis/selection.h"
#include "app/commandline.h"
#include "app/saveandexit.h"
#include "data/coursefile.h"
#include "data/cp1252.h"
#include "data/dateandtime.h"
#include "data/numeric.h"
#include "data/runfile.h"
#include "data/savedfile.h"
#include "data/seqfile.h"
#include "data/coursechange.h"
#include "registration/coursecheck.h"
#include "registration/runcheck.h"
#include "support/literalordering.h"
#include "ui/form.h"
#include "support/testfolder.h"

#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <optional>


namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }
QStringList l(const char *utf8, char16_t sep = u'|') { return t(utf8).split(sep); }
QString n(double value) { return QString::number(value); }

// Texts that several cases share.
#define SAME_NAME "Du har banan registrerad sedan tidigare. Jag tar inte med din nya bana. Prova om."

enum class Rule { Numeric, Items, Write, Course, Date, Name, Count, Distance, Duplicate, Prompt,
                  Caption, RunCheck, Record, Read, Arguments, Book, Csv, Field, Day, Seconds, Pace, Years, Ticks,
                  DateTicks, Thin, Volume, SoFar, Axis, Scale, Place };

// "x,y|x,y" as points and back.
QList<QPointF> points(const QStringList &texts)
{
    QList<QPointF> result;
    for (const QString &p : texts)
        result.append(QPointF(p.section(u',', 0, 0).toDouble(), p.section(u',', 1).toDouble()));
    return result;
}

// Each rule as a function from texts to texts, so that one table holds them all.
QStringList apply(Rule rule, QStringList in)
{
    bool ok = false;
    // A "skip=" text leaves fields out: I the note, T the temperature, V the weight; in lower case, they are
    // held empty by the run a correction corrects.
    const QString skip = in.filter(t("skip=")).value(0);
    in.removeIf([](const QString &each) { return each.startsWith(u"skip="); });
    const fieldchoice::Chosen fields{!skip.contains(u'I'), !skip.contains(u'T'), !skip.contains(u'V')};
    const fieldchoice::Chosen held{skip.contains(u'i'), skip.contains(u't'), skip.contains(u'v')};
    QString text = in.value(0);
    switch (rule) {
    case Rule::Numeric: return {n(numericValue(text))};
    case Rule::Items: return seqfile::readItems(text);
    case Rule::Write: {
        const QByteArray bytes = seqfile::writeItems(in, &ok);
        return {QString::fromLatin1(bytes), ok ? t("written") : t("refused"), n(seqfile::isStorable(in.last()))};
    }
    case Rule::Course:
        return {course::name(text), course::count(text), course::distance(text), n(course::timedPoints(text))};
    case Rule::Date: {
        const dateandtime::DateParts p = dateandtime::dateParts(text);
        return {n(p.day), n(p.month), n(p.year), n(dateandtime::yearOf(text))};
    }
    case Rule::Name: return {coursecheck::checkName(text)};
    case Rule::Count: return {coursecheck::checkCount(text, t("empty")), text};
    case Rule::Distance: return {coursecheck::checkDistance(text), text};
    case Rule::Duplicate: return {coursecheck::duplicateMessage(coursecheck::findDuplicate(in.mid(1), text))};
    case Rule::Prompt: return {runcheck::timePrompt(text.toInt())};
    case Rule::Caption: return {resulttable::distanceCaption(text)};
    case Rule::RunCheck: { // edits of the example run, "box=text": boxes 0 to 4, times from 5, n
        runcheck::Entry entry{t("T"), t("02-feb-2001"), t("Kändes bra. Sol och bra väder."), t("+20"), t("79.0"),
                              l("00.10.15|00.21.40|00.33.05")}; // the example run: race pace, three timed points
        QString *const boxes[] = {&entry.pace, &entry.date, &entry.information, &entry.temperature, &entry.weight};
        QString name = t("Bana"), count = t("03");
        for (const QString &edit : in) {
            const QString key = edit.section(u'=', 0, 0), value = edit.section(u'=', 1);
            const int box = key.toInt();
            if (key == u"n" || key == u"c")
                (key == u"n" ? count : name) = value;
            else if (box < 5)
                *boxes[box] = value;
            else if (box - 5 < entry.times.size())
                entry.times[box - 5] = value;
            else
                entry.times << value; // past the course's three timed points
        }
        return runcheck::checkRun(course::makeLine(name, count, t("06000")), entry, fields, held);
    }
    case Rule::Book: case Rule::Csv: { // "-" or a column and "a" or "d" to order by; the course line; the records
        RunBookModel model;
        model.setRuns(in.value(1), in.mid(2));
        if (text != u"-")
            model.sort(text.left(1).toInt(), text.endsWith(u'd') ? Qt::DescendingOrder : Qt::AscendingOrder);
        const QByteArray csv = csvexport::bytes(model);
        QStringList rows;
        const auto note = [&model](int r, int role) { return model.index(r, 7).data(role).toString(); };
        for (int r = 0; r < model.rowCount(); ++r) // unordered, every cell exported; ordered, the notes shown, tooltips
            rows << (text == u"-" ? QString::fromUtf8(csv).split(t("\r\n")).value(r + 1)
                                  : note(r, Qt::DisplayRole) + note(r, Qt::ToolTipRole));
        return rule == Rule::Book ? rows : QStringList{QString::fromLatin1(csv)};
    }
    case Rule::Field: return {QString::fromUtf8(csvexport::field(text, csvexport::Form(in.value(1) == u"d")))};
    case Rule::Record: { // the record, and the boxes taken back out of it for a correction
        const QString record = runcheck::makeRecord(text, {in[1], in[2], in[3], in[4], in[5], in.mid(6)}, fields);
        const runcheck::Entry back = runcheck::entryOf(record, course::timedPoints(text));
        const QStringList boxes{back.pace, back.date, back.information, back.temperature, back.weight};
        return {runcheck::makeRecord(text, back, fields), (boxes + back.times).join(u'|')};
    }
    case Rule::Read: { // course A's rows in ordering in[0], its years; then every record as save and exit orders them
        QList<run::Fields> runs = selection::selectRuns(in.mid(1), t("A"), 2);
        ordering::orderRuns(runs, ordering::Order(text.toInt()), 2);
        const auto years = selection::yearInterval(runs).value_or(selection::YearInterval{});
        QStringList out{years.firstCaption + u'-' + years.lastCaption};
        for (const resulttable::Row &row : resulttable::rowsToShow(runs, 2, years.first, years.last))
            out << row.date + u',' + row.final + u',' + row.splits;
        QStringList records = in.mid(1);
        saveandexit::orderByDate(records);
        return out + records;
    }
    case Rule::Arguments: { // the program's arguments parted by blanks => status|first line out|first line err
        const auto got = commandline::read((t("kvistra ") + text).split(u' ', Qt::SkipEmptyParts));
        return got.startWindows ? l("windows") : QStringList{n(got.exitStatus), got.standardOutput.section(u'\n', 0, 0),
                                                              got.standardError.section(u'\n', 0, 0)};
    }
    case Rule::Day: {
        const auto day = dateandtime::calendarDay(text);
        return {day ? QDate::fromJulianDay(*day).toString(Qt::ISODate) : t("-")};
    }
    case Rule::Seconds: {
        const auto seconds = dateandtime::seconds(text);
        return seconds ? QStringList{n(*seconds), dateandtime::shortTime(*seconds), dateandtime::timeText(*seconds)}
                       : QStringList{t("-")};
    }
    case Rule::Pace: { // distance, final time
        const QString pace = run::paceText(in[1], text);
        return {pace.isEmpty() ? t("-") : pace};
    }
    case Rule::Years: { // a course line, then runs as "pace date time"
        QList<run::Fields> runs;
        for (QString each : in.mid(1))
            runs << run::Fields(text + u'/'
                                + each.insert(each.lastIndexOf(u' ') + 1, t("x/+1/70.0/")).replace(u' ', u'/'), 9);
        const progress::Progress figures = progress::compute(runs, course::timedPoints(text));
        QStringList rows;
        for (const progress::Year &year : figures.years)
            rows << progress::yearTexts(year, course::knownDistance(course::distance(text))).join(u',');
        return rows << t("left %1").arg(figures.leftOut);
    }
    case Rule::Ticks: {
        QStringList ticks;
        for (const double tick : progress::yTicks(in[0].toDouble(), in[1].toDouble(), in[2].toInt()))
            ticks << n(tick);
        return ticks;
    }
    case Rule::DateTicks: {
        QStringList ticks;
        const auto x = [](const QString &date) { return progress::chartX(*dateandtime::calendarDay(date)); };
        for (const progress::Tick &tick : progress::xTicks(x(in[0]), x(in[1]), in[2].toInt()))
            ticks << tick.label + u'@' + QString::number(qint64(tick.value / 86400000));
        return ticks;
    }
    case Rule::Thin: { // the visible square from 0 to 4, cells of the size given first, then the points
        QStringList shown;
        const double cell = text.toDouble();
        for (const QPointF &p : progress::thinned(points(in.mid(1)), QRectF(0, 0, 4, 4), cell, cell))
            shown << n(p.x()) + u',' + n(p.y());
        return shown;
    }
    case Rule::Volume: case Rule::SoFar: { // "w", "m" or "y" (":" and a course to choose), or today; the runs
        QStringList records; // each "[course line] [T] date [time]", else A/01/06000, "M" and 00.30.00
        for (const QString &each : in.mid(1)) {
            QStringList p = each.split(u' ');
            if (!p.last().contains(u'.'))
                p << t("00.30.00");
            const QString time = p.takeLast(), date = p.takeLast(), pace = p.removeAll(t("T")) ? t("T") : t("M");
            records << p.value(0, t("A/01/06000")) + u'/' + pace + u'/' + date + t("/x/+1/70.0/") + time;
        }
        if (rule == Rule::SoFar) {
            const QDate today = QDate::fromJulianDay(*dateandtime::calendarDay(text));
            return {volume::yearSoFarText(volume::yearSoFar(volume::read(records).counted, today))};
        }
        const auto kind = volume::Period(t("wmy").indexOf(text.left(1)));
        const volume::Runs runs = volume::read(records, text.size() > 1 ? std::optional(text.mid(2)) : std::nullopt);
        QStringList rows;
        for (const volume::Row &row : volume::periods(runs.counted, kind))
            rows << volume::rowTexts(row, kind).join(u',');
        return rows << volume::uncountedText(runs.uncounted) + volume::unknownDistanceText(runs.unknownDistance);
    }
    case Rule::Scale: { // min, max, the kilometres of the bars
        QList<double> kilometres;
        for (const QString &each : in.mid(2))
            kilometres << each.toDouble();
        const volume::Scale scale = volume::kilometreScale(kilometres, text.toDouble(), in[1].toDouble());
        return {n(scale.top), n(scale.step)};
    }
    case Rule::Place: { // the screen and the other window's frame as "x,y,w,h", the size as "w,h" => "x,y"
        QList<int> v;
        for (const QString &each : in.join(u',').split(u','))
            v << each.toInt();
        const QPoint place = form::besidePlace({v[0], v[1], v[2], v[3]}, {v[4], v[5], v[6], v[7]}, {v[8], v[9]});
        return {n(place.x()) + u',' + n(place.y())};
    }
    case Rule::Axis: { // "w", "m" or "y", a day of the first period, the count, min, max and the labels wanted
        const auto kind = volume::Period(t("wmy").indexOf(text));
        const int first = volume::periodOf(*dateandtime::calendarDay(in[1]), kind);
        QStringList labels;
        for (const auto &label : volume::axisLabels(kind, first, in[2].toInt(), in[3].toDouble(), in[4].toDouble(),
                                                    in[5].toInt()))
            labels << label.text + u'@' + n(label.x);
        return labels;
    }
    }
    return {};
}

enum class Change { Append, Replace, Remove, Course, Delete, Recover };

// The items of a data file written "a|b", none for an empty text.
QStringList items(const QString &text) { return text.isEmpty() ? QStringList() : text.split(u'|'); }

} // namespace

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Change)

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
        // Cases written "in=>out", several texts on a side parted by "|"; the
        // texts of more follow those of each case's in.
        const auto cases = [row](Rule rule, std::initializer_list<const char *> list, const QStringList &more = {}) {
            for (const char *c : list)
                row(qPrintable(t(c).replace(u'\r', t("\\r")).replace(u'\n', t("\\n"))), rule,
                    t(c).section(t("=>"), 0, 0).split(u'|') + more, t(c).section(t("=>"), 1).split(u'|'));
        };
        // The numeric value: leading numeric characters, blanks ignored.
        cases(Rule::Numeric, {"02=>2", "2-=>2", "eb=>0", "=>0", " -12=>-12", "2 0=>20", "1.2.3=>1.2", "1e1=>1",
                              "+-5=>0", ".5=>0.5", "7٣=>7"});
        row("too many digits", Rule::Numeric, {nines}, {t("inf")});
        row("too many digits, negative", Rule::Numeric, {u'-' + nines + t(".5")}, {t("-inf")});
        row("fraction below range", Rule::Numeric, {t("0.") + QString(400, u'0') + u'1'}, {t("0")});

        // The item reader and writer of the data files.
        cases(Rule::Items, {"\"ab\"cd\r\n=>ab", " \ta b \t\r\n=>a b", "a,b\r\n\"c,d\"=>a|b|c,d", "  \"a\" x,b=>a|b",
                            "\"a\"\nb\rc=>a|b|c", "\"a\"\r\n\r\n\"\"\r\n=>a|", "\"a\"\r\r\n\"b\"\n\r \r\n\t=>a|b",
                            "a,\r\n=>a|", "a, ,b=>a||b", "\"ab\n\"cd\"\r\n=>ab|cd", "a\"b\r\n=>a\"b"});
        row("empty file", Rule::Items, {QString()}, {});
        // An item is written quoted, CR LF, in the code page, or refused; an
        // unquoted item holding a double quote (only one read from a file
        // can) is written back as it stands, which reads back the same.
        cases(Rule::Write, {"a,b| c |=>\"a,b\"\r\n\" c \"\r\n\"\"\r\n|written|1",
            "ö€Š=>\"ö\u0080\u008a\"\r\n|written|1",
            "‚ƒ„…†‡ˆ‰‹ŒŽ‘’“”•–—˜™š›œžŸ=>\"" "\u0082\u0083\u0084\u0085\u0086"
            "\u0087\u0088\u0089\u008b\u008c\u008e\u0091\u0092\u0093\u0094\u0095\u0096\u0097\u0098\u0099\u009a\u009b"
            "\u009c\u009e\u009f\"\r\n|written|1", "a|\u0080=>|refused|0", "a\nb=>|refused|0", "a|b\",c=>|refused|1",
            " a\"b=>|refused|1", "a\"b=>a\"b\r\n|written|1", "0123\"56789abcdefg=>0123\"56789abcdefg\r\n|written|1",
            "0123\r56789abcdefg€=>|refused|0"});

        // Course lines are cut from their end; nothing is read outside a short
        // line. Dates and times by position, months by the table.
        cases(Rule::Course, {"Hörnsjön 2 stora varv/03/06000=>Hörnsjön 2 stora varv|03|06000|3",
                             "a/b/10/00012=>a/b|10|00012|10", "12345678=>|12|45678|0", "1234567=>|1|34567|1", "=>|||0",
                             "x/11/00010=>x|11|00010|0"});
        cases(Rule::Date, {"02-feb-2001=>2|2|2001|2001", "02-FEB-2001=>2|2|2001|2001", "02-Feb-2001=>2|0|2001|2001",
                           "2-feb-2001=>2|0|2001|2001", "02.feb.2001=>2|2|2001|2001", "15-maj-2003=>15|5|2003|2003",
                           "01-okt-2003=>1|10|2003|2003", "31-DEC-2003=>31|12|2003|2003", "=>0|0|0|0",
                           "02-feb-01=>2|2|0|0", "1234567890x=>12|0|890|890"});

        // The checks of a new course: the message, and the text left in the box.
        const char *unstorable = "Banans namn innehåller tecken som inte kan sparas i filen !";
        row("name 51", Rule::Name, {QString(50, u'x') + u'/'}, {t("Antal tecken får ej överstiga 50 st !")});
        row("name line break", Rule::Name, {t("Bana\nny")}, {t(unstorable)});
        cases(Rule::Name, {"=>Du kan inte registrera en bana med inget namn alls !",
                           "   =>Du kan inte registrera en bana med inget namn alls !", "Ö€ Hörnsjön=>",
                           "Runt/sjön 中=>Banans namn får inte innehålla tecknen / eller \" !",
                           "Runt \"sjön\"=>Banans namn får inte innehålla tecknen / eller \" !"});
        row("name han", Rule::Name, {t("Bana 中")}, {t(unstorable)});
        row("50 and end blanks", Rule::Name, {u' ' + QString(50, u'x') + t(" \t")}, {QString()}); // end blanks go first
        const QString tooMany = t("Antalet mellantider inklusive sluttiden får vara max 10 st !");
        row("count huge", Rule::Count, {nines}, {tooMany, nines});
        cases(Rule::Count, {"=>empty|", "11=>Antalet mellantider inklusive sluttiden får vara max 10 st !|11",
                            "3=>|03", "9=>|09", "10=>|10", "02=>|02"});
        const QString outOfRange = t("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!");
        for (const char *count : {"0", "5a", "010", " 5", "1.5"})
            row(count, Rule::Count, {t(count)}, {outOfRange, t(count)});
        row("distance huge", Rule::Distance, {nines}, {t("Sträckan får vara max 99999 meter!"), nines});
        cases(Rule::Distance, {"=>Du kan inte registrera in blankt!|",
                               "100000=>Sträckan får vara max 99999 meter!|100000",
                               "9=>Sträckan måste vara minst 10 meter!|9",
                               "006000=>Sträckan anges med max 5 tecken samt i meter. Ex/ 6000!|006000",
                               "?=>|99999", "10=>|00010", "600=>|00600", "6000=>|06000", "99999=>|99999"});
        const QString badDistance = t("Något fel i registrering för distansen i meter.");
        for (const char *distance : {"12.5", "6000/", "6000\"", "1000中"})
            row(distance, Rule::Distance, {t(distance)}, {badDistance, t(distance)});

        // Names are told apart exactly as typed and by the name alone; the
        // last stored line with the name decides.
        cases(Rule::Duplicate, {"Bana/04/06000|Annan/02/01000|Bana/03/06000=>" SAME_NAME,
            "bana/03/06000|Bana/03/06000=>", "Bana/03/06000|Bana/03/06000|Bana/04/06000=>" SAME_NAME,
            "Bana /03/06000| Bana/04/06000=>" SAME_NAME, // end blanks are no part of a name
            "Bana/03/06000|Bana/04/06000|Bana/03/06000=>Du har banan registrerad "
            "sedan tidigare, och antalet mellantider och distansen är samma. Jag tar inte med din bana. Prova om."});
        // The checks of a new run: one box changed from the example run. A
        // date's day is its first two characters; the two between its parts
        // are not looked at.
        const auto refused = [](const char *nr) { return t("Fel registrerat i %1 registrerings rutan !").arg(t(nr)); };
        const auto check = [row](int box, std::initializer_list<const char *> texts, const QStringList &messages) {
            for (const char *text : texts)
                row(qPrintable(n(box) + u' ' + t(text)), Rule::RunCheck, {n(box) + u'=' + t(text)}, messages);
        };
        for (const char *accepted : {"0=T", "0=M", "1=00-feb-2001", "1=31-dec-2100", "1=311feb_2001",
                 "2=Åsa €, 100% \\ bra!", "3=+5", "3=-12", "3=+50", "3=-50", "3=+0", "4=79.0", "4=500.", "4=5.00",
                 "5=59.59.59", "8=nonsense"}) // time box 4 is past the course's three timed points
            row(accepted, Rule::RunCheck, {t(accepted)}, {});
        check(0, {"t", "m", "", "TM", " T"}, {refused("1:a")});
        check(1, {"2-feb-2001", "32-feb-2001", "02-feb-1899", "02-feb-2101", "", "02-feb-20011", "02/feb/2001",
                  "0\"-feb-2001", "02-maj中2001"}, {refused("2:a")});
        check(1, {"02-Feb-2001", "02-FEB-2001", "02-fbr-2001"}, {t("Fel månads stavning!"), refused("2:a")});
        check(2, {"", "Sol/regn", "Sa \"hej\"", "Bra 中"}, {refused("3:e")});
        check(3, {"20", "", " +5", "+/", "-\"", "+5/", "+5中"}, {refused("4:e")});
        check(3, {"+", "+100", "-5.5"}, {t("Du skall skriva antalet Celsius grader"), refused("4:e")});
        check(3, {"-51", "+51", "+99"}, {t("Konstigt gradtal. Kontrollera och registrera om!"), refused("4:e")});
        check(4, {"79", "", "79.05", "79/0", "79\"0", "79中0"}, {refused("5:e")});
        check(4, {"4.99", "501.", "abcd"}, {t("Konstig vikt i kg. Kontrollera och registrera om!"), refused("5:e")});
        check(6, {""}, {t("Du kan inte lämna blankt här! Tidsruta nr  2")});
        check(5, {"60.00.00"}, {t("Du har felaktiga timmar angivna i tidsruta nr  1")});
        check(7, {"-1.00.00"}, {t("Du har felaktiga timmar angivna i tidsruta nr  3")});
        check(6, {"00.60.00"}, {t("Du har felaktiga minuter angivna i tidsruta nr  2")});
        check(7, {"00.10.60"}, {t("Du har felaktiga sekunder angivna i tidsruta nr  3")});
        check(7, {"00:10:15", "00.10:15", "00.10", "0"},
              {t("Du har angett punkt . mellan timmar minuter och sekunder i tidsruta nr  3")});
        check(7, {"00.10.150", "00.10.1", "00.10.1/", "00.10.1\"", "00.10.1中"},
              {t("Du har inte registrerat rätt i tidsruta nr  3")});
        // The first box that fails is the only one told; a count outside 1 to
        // 10 (a hand-edited course file) refuses the run once the boxes pass.
        row("first failure only", Rule::RunCheck, l("0=t|1=x|2=|3=20|4=1"), {refused("1:a")});
        row("second failure only", Rule::RunCheck, l("1=x|2=|3=20|4=1|5="), {refused("2:a")});
        row("first time box only", Rule::RunCheck, l("n=02|5=|6="),
            {t("Du kan inte lämna blankt här! Tidsruta nr  1")});
        const QStringList countRange{t("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!")};
        for (const char *count : {"n=00", "n=11"})
            row(count, Rule::RunCheck, {t(count)}, countRange);
        const QString quoted = t("Banans namn innehåller tecknet \" och rundan kan inte sparas. "
                                 "Ändra banans namn först.");
        row("quoted course", Rule::RunCheck, {t("c=Ba\"na"), t("2=Sol, regn")}, {quoted});
        row("weight before quoted course", Rule::RunCheck, l("c=Ba\"na|4=7"), {refused("5:e")});
        row("weight before count", Rule::RunCheck, l("n=00|4=7"), {refused("5:e")});
        // The record holds the texts as typed, blanks included.
        row("blanks kept", Rule::Record, l("  /01/00010|M|02-feb-2001|  x  |-5|79.0|00.10.15"),
            {t("  /01/00010/M/02-feb-2001/  x  /-5/79.0/00.10.15"), t("M|02-feb-2001|  x  |-5|79.0|00.10.15")});
        // Fields left out: not tested, stored empty in their places; the
        // fields chosen are tested as ever, in their order.
        for (const char *accepted : {"skip=I|2=", "skip=T|3=20", "skip=V|4=", "skip=ITV|2=/|3=\"|4=79"})
            row(accepted, Rule::RunCheck, l(accepted), {});
        row("chosen still tested", Rule::RunCheck, l("skip=IV|1=x|2=|3=20"), {refused("2:a")});
        row("next chosen tested", Rule::RunCheck, l("skip=T|3=x|4=79"), {refused("5:e")});
        // A correction may leave empty what the run holds empty; what is typed is tested.
        row("held empty", Rule::RunCheck, l("skip=tv|3=|4="), {});
        for (const char *typed : {"skip=t|3=20", "skip=v|3="})
            row(typed, Rule::RunCheck, l(typed), {refused("4:e")});
        row("record skip=ITV", Rule::Record, l("A/01/00010|M|02-feb-2001|x|-5|79.0|00.10.15|skip=ITV"),
            {t("A/01/00010/M/02-feb-2001////00.10.15"), t("M|02-feb-2001||||00.10.15")});
        row("record skip=T", Rule::Record, l("A/01/00010|M|02-feb-2001|x|-5|79.0|00.10.15|skip=T"),
            {t("A/01/00010/M/02-feb-2001/x//79.0/00.10.15"), t("M|02-feb-2001|x||79.0|00.10.15")});
        // Runs with empty fields read, order, show and save as any other.
        const QStringList empties = l("A/02/00100/T/01-jan-2001////00.05.00/00.10.00|B/01/00100/M/04-jan-2002///7/1|"
                                      "A/02/00100/M/03-jan-2003/Bra//70.0/00.04.00/00.09.00|"
                                      "A/02/00100/T/02-jan-2002//+5//00.06.00/00.11.00");
        const QStringList a = l("03-jan-2003,00.09.00,00.04.00|02-jan-2002,00.11.00,00.06.00|"
                                "01-jan-2001,00.10.00,00.05.00");
        for (const char *order : {"0 012", "1 210", "2 021", "3 120"}) // the ordering, then its rows of a
            row(order, Rule::Read, QStringList{t(order).left(1)} + empties,
                {t("2001-2003"), a[order[2] - '0'], a[order[3] - '0'], a[order[4] - '0'], empties[2], empties[1],
                 empties[3], empties[0]});
        cases(Rule::Prompt, {"1=>Ange sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)",
                             "2=>Ange mellantiden samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)",
                             "3=>Ange 2 mellantider samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)",
                             "10=>Ange 9 mellantider samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)", "11=>"});

        // The run book: every field whole, the time a kilometre, the split
        // times as the result table shows them; ordered by dates (an unknown
        // month counts as 0) and times as such, the rest as Swedish text,
        // equal rows in file order either way.
        const char *book = "A/03/06000|A/03/06000/T/02-feb-2001/Sol; \"x\"/+20/79.0/00.10.15/00.21.40/00.29.30|"
                           "A/03/06000/M/28-jan-2001/Ö/-5/80.5/00.10.15/00.21.40/1.00.00|"
                           "A /03/06000/M/01-jan-2000/not this course/+1/80.0/00.10.00/00.20.00/00.30.00|"
                           "A/03/06000/M/02-Feb-2001/Å/+3/80.0/00.11.00/00.20.00/01.00.00|"
                           "A/03/06000/M/02-feb-2001/z/+3/80.0/00.09.59/00.22.00/00.59.59|"
                           "A/03/06000/T/01-jan-2000/Ä/+3/80.0/00.10.15/00.21.40/00.30.00";
        cases(Rule::Book, {"-=>02-feb-2001;T;00.29.30;4.55;00.10.15 : 00.21.40;+20;79,0;\"Sol; \"\"x\"\"\"|"
                           "28-jan-2001;M;1.00.00;;00.10.15 : 00.21.40;-5;80,5;Ö|"
                           "02-Feb-2001;M;01.00.00;10.00;00.11.00 : 00.20.00;+3;80,0;Å|"
                           "02-feb-2001;M;00.59.59;10.00;00.09.59 : 00.22.00;+3;80,0;z|"
                           "01-jan-2000;T;00.30.00;5.00;00.10.15 : 00.21.40;+3;80,0;Ä",
                           "0a=>Ä|Å|Ö|Sol; \"x\"|z", "0d=>Sol; \"x\"|z|Ö|Å|Ä", "2a=>Sol; \"x\"|Ä|z|Ö|Å",
                           "2d=>Ö|Å|z|Ä|Sol; \"x\"", "3a=>Ö|Sol; \"x\"|Ä|Å|z", "4a=>z|Sol; \"x\"|Ö|Ä|Å",
                           "7a=>Sol; \"x\"|z|Å|Ä|Ö", "5d=>Sol; \"x\"|Å|z|Ä|Ö"}, l(book));
        row("distance not known", Rule::Book, l("-|B/01/99999|B/01/99999/T/02-feb-2001/x/+20/79.0/00.10.15"),
            {t("02-feb-2001;T;00.10.15;;;+20;79,0;x")});
        row("final time not hh.mm.ss", Rule::Book, l("-|B/01/01000|B/01/01000/T/02-feb-2001/x/+20/79.0/00.1x.15"),
            {t("02-feb-2001;T;00.1x.15;;;+20;79,0;x")});
        // One timed point: no split times, a final time.
        cases(Rule::Book, {"4d=>x|y", "2d=>y|x", "3d=>y|x"},
              l("B/01/01000|B/01/01000/T/02-feb-2001/x/+20/79.0/00.10.15|B/01/01000/T/02-feb-2001/y/+20/79.0/"
                "00.20.00"));
        row("csv", Rule::Csv, l("0d|B/01/01000|B/01/01000/T/02-feb-2001/a;b\nc/+20/79.0/00.03.05|"
                                "B/01/01000/M/03-feb-2001/x/-5/79.0/00.04.00"),
            {t("\u00EF\u00BB\u00BFDatum;Tempo;Sluttid;min/km;Mellantider;Grader;Vikt;Information\r\n"
               "03-feb-2001;M;00.04.00;4.00;;-5;79,0;x\r\n02-feb-2001;T;00.03.05;3.05;;+20;79,0;\"a;b\nc\"\r\n")});

        // "Grader" and "Vikt" by value, a text that is no number first; more
        // than 16 equal rows keep file order (std::sort's would not), by text too.
        QStringList runs{t("B/01/01000")};
        const QStringList own = l("a/-1/100.|b/-10/|c/x/x|d/+26/79.5|e//9.50|f/+9/+80");
        for (int k = 0; k < 26; ++k) // six runs of their own, then 20 equal ones, their notes numbered from 0
            runs << t("B/01/01000/M/02-feb-2001/%1/00.10.15").arg(k < 6 ? own[k] : n(k - 6) + t("/+5/70.0"));
        const QString equal = t("0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19");
        for (const char *o : {"5a=>c|e|b|a|=|f|d", "5d=>d|f|=|a|b|c|e", "6a=>b|c|e|=|d|f|a", "1d=>a|b|c|d|e|f|="})
            row(o, Rule::Book, QStringList{t(o).left(2)} + runs, t(o).mid(4).replace(u'=', equal).split(u'|'));
        // A cell shows 200 characters, then "…", the whole text plainly in its tooltip, and in the CSV file.
        const QString note = t("<") + QString(200, u'x'), run = t("B/01/01000/M/02-feb-2001/%1/+5/79.9/00.10.15");
        row("201 and 200 shown", Rule::Book, {t("0a"), runs[0], run.arg(note), run.arg(note.left(200))},
            {note.left(200) + t("…<p>&lt;") + note.mid(1) + t("</p>"), note.left(200)});
        row("201 exported", Rule::Book, {t("-"), runs[0], run.arg(note)},
            {t("02-feb-2001;M;00.10.15;10.15;;+5;79,9;") + note});
        // A field that could be taken for a formula gets an "'"; a number with a decimal comma where the column
        // asks for it ("d"); quoted where needed.
        cases(Rule::Field, {"a;b=>\"a;b\"", "a\"b=>\"a\"\"b\"", "a\rb=>\"a\rb\"", "a\nb=>\"a\nb\"", "=1+1=>'=1+1",
                            "@x=>'@x", "\tx=>'\tx", "\rx=>\"'\rx\"", "-=>'-", "+2a;=>\"'+2a;\"", "+20=>+20", "-3=>-3",
                            "-5.5=>-5.5", "79.9|d=>79,9", "100.|d=>100", "x.5|d=>x.5", "+.5|d=>+,5", "=>"});

        cases(Rule::Caption, {"06000=> 6000 meter", "99999=> 99999 meter", "=> 0 meter", "-0=> 0 meter",
                              "-0010=>-10 meter"});

        // The command line; Qt's own options are unknown too.
#define HELP "=>0|Användning: kvistra [FLAGGA]|"
#define UNKNOWN "=>2||kvistra: okänt argument: "
        cases(Rule::Arguments, {"=>windows", "--version=>0|Kvistra 2.1|", "-v=>0|Kvistra 2.1|", "--help" HELP,
                                "-h" HELP, "-vh" HELP, "--version --help" HELP, "--versio" UNKNOWN "--versio",
                                "--" UNKNOWN "--", "--version=2" UNKNOWN "--version=2",
                                "-v RUNDA_BA" UNKNOWN "RUNDA_BA", "-platform offscreen" UNKNOWN "-platform"});
        // The progress chart: a run is drawn when its date is a day of the
        // calendar and its final time a time; the years newest first, the
        // median halfway between the middle two, rounded up; pace to the
        // nearest second per kilometre over a known distance.
        cases(Rule::Day, {"02-feb-2001=>2001-02-02", "29-FEB-2000=>2000-02-29", "29-feb-1900=>-", "31-apr-2001=>-",
                          "00-feb-2001=>-", "02-Feb-2001=>-", "02.feb.2001=>-", ".5-feb-2001=>-", "02=>-", "=>-",
                          "31-dec-0001=>0001-12-31", "02-feb-2001 =>-", "02-feb-2001x=>-", "01-jan-20x9=>-"});
        cases(Rule::Seconds, {"00.41.10=>2470|41.10|00.41.10", "01.02.05=>3725|1.02.05|01.02.05", "00:00:01=>-",
                              "99.59.59=>359999|99.59.59|99.59.59", "00.60.00=>-", "00.00.60=>-", "00.00.00=>-",
                              "0.10.15=>-", "00.1a.15=>-", " 0.10.15=>-", "=>-"});
        cases(Rule::Pace, {"06000|00.29.30=>4.55", "10000|00.41.10=>4.07", "06000|00.00.03=>0.01",
                           "00010|00.00.10=>16.40", "99999|00.29.30=>-", "00009|00.29.30=>-", "5a|00.29.30=>-",
                           "06000|00:29:30=>-"});
        cases(Rule::Years, {"A/01/06000|T 02-feb-2001 00.41.10|M 05-mar-2001 00.40.00|M 01-jan-2002 00.43.01|"
                            "M 31-dec-2002 00.43.02|x 01-jan-2002 00.30.00|T 31-feb-2002 00.30.00|"
                            "M 01-jan-2003 00.60.00|T 02.feb.2001 00.30.00=>2002,2,0,00.43.01,00.43.02,7.10|"
                            "2001,2,1,00.40.00,00.40.35,6.40|left 4",
                            "A/01/99999|T 01-jan-2005 00.30.00|T 01-jan-2005 00.10.00|M 01-jan-2005 00.20.00"
                            "=>2005,3,2,00.10.00,00.20.00|left 0", "A/xx/06000|T 02-feb-2001 00.41.10=>left 1",
                            "A/01/06000=>left 0"});
        cases(Rule::Ticks, {"0|100|5=>0|30|60|90", "2410|2700|8=>2460|2520|2580|2640|2700",
                            "0|100000|5=>0|36000|72000"});
        for (const char *range : {"100|100|5", "0|900000|8"})
            row(range, Rule::Ticks, l(range), {});
        cases(Rule::DateTicks, {
            "15-dec-2018|15-jan-2024|8=>2019@17897|2020@18262|2021@18628|2022@18993|2023@19358|2024@19723",
            "15-dec-2018|15-jan-2021|8=>2019-01@17897|2019-07@18078|2020-01@18262|2020-07@18444|2021-01@18628",
            "15-dec-2018|15-jan-2040|8=>2020@18262|2025@20089|2030@21915|2035@23741|2040@25567",
            "15-jan-2019|15-dec-2019|8=>2019-03@17956|2019-05@18017|2019-07@18078|2019-09@18140|2019-11@18201",
            "01-mar-2019|03-mar-2019|8=>2019-03-02@17957|2019-03-03@17958",
            "01-jan-0001|01-jan-7999|8=>1000@-354285|2000@10957|3000@376200|4000@741442|5000@1106685|6000@1471927|"
            "7000@1837170"});
        row("dates beyond any step", Rule::DateTicks, l("01-jan-0001|01-jan-9999|7"), {});
        cases(Rule::Thin, {"1|0,0|0.5,0.5|1.5,0|3,3|4.9,5|9,9|3,-2=>0,0|1.5,0|3,3|4.9,5",
                           "0|0,0|0.5,0.5|9,9=>0,0|0.5,0.5|9,9"});

        // The training volume: ISO weeks (Monday first, the week-year of the
        // Thursday), months and years, newest first, empty ones between;
        // kilometres and pace over known distances only; dates and times
        // that do not read counted apart; hours of as many digits as needed.
        cases(Rule::Volume, {
            "w|29-dec-2024|30-dec-2024|T 31-dec-2024|05-jan-2025|06-jan-2025=>2025 v02,1,0,6.0,00.30.00,5.00|"
            "2025 v01,3,1,18.0,01.30.00,5.00|2024 v52,1,0,6.0,00.30.00,5.00|",
            "w|27-dec-2020|28-dec-2020|03-jan-2021|04-jan-2021=>2021 v01,1,0,6.0,00.30.00,5.00|"
            "2020 v53,2,0,12.0,01.00.00,5.00|2020 v52,1,0,6.0,00.30.00,5.00|",
            "m|31-dec-2023|01-jan-2024 99.59.59|T 31-jan-2024 23.05.10|01-mar-2024=>2024-03,1,0,6.0,00.30.00,5.00|"
            "2024-02,0,0,0.0,00.00.00,|2024-01,2,1,12.0,123.05.09,10.15.26|2023-12,1,0,6.0,00.30.00,5.00|",
            "y|01-jan-2022|31-DEC-2024=>2024,1,0,6.0,00.30.00,5.00|2023,0,0,0.0,00.00.00,|2022,1,0,6.0,00.30.00,5.00|",
            "y|A/01/42195 01-jan-2024 03.30.00|A/01/42149 01-jan-2025 03.30.00|A/02/00049 01-jan-2026 00.01.00/00.00.30"
            "=>2026,1,0,0.0,00.00.30,10.12|2025,1,0,42.1,03.30.00,4.59|2024,1,0,42.2,03.30.00,4.59|",
            "m|B/01/99999 02-feb-2024 00.20.00|02-feb-2024|02-Feb-2024|31-feb-2024|2-feb-2024|02-feb-2024 00.60.00|"
            "02-feb-2024 0.30.00|A/xx/06000 02-feb-2024=>2024-02,2,0,6.0,00.50.00,5.00|6 rundor kunde inte räknas "
            "(okänt datum eller tid).1 rundor på banor med okänd längd räknas inte i kilometer.",
            "m:B|B/01/01000 01-jan-2024 00.05.00|01-jan-2024|b/01/01000 01-jan-2024|B/01/99999 01-jan-2024 00.05.00"
            "=>2024-01,2,0,1.0,00.10.00,5.00|1 rundor på banor med okänd längd räknas inte i kilometer.",
            "y|02-Feb-2024=>1 rundor kunde inte räknas (okänt datum eller tid).", "y=>"});
        // The year so far against the same day a year before, 29 February
        // then 28 February.
        const char *soFar = "Hittills i år: %1 km på %2 rundor. Samma dag förra året: %3 km på %4 rundor.";
        row("so far", Rule::SoFar, l("15-mar-2025|01-jan-2025|15-mar-2025|16-mar-2025|31-dec-2024|15-mar-2024|"
            "16-mar-2024|01-jan-2024|31-dec-2023|B/01/99999 10-mar-2025"),
            {t(soFar).arg(t("12.0"), t("3"), t("12.0"), t("2"))});
        row("29 February", Rule::SoFar, l("29-feb-2024|29-feb-2024|28-feb-2023|01-mar-2023"),
            {t(soFar).arg(t("6.0"), t("1"), t("6.0"), t("1"))});
        row("to 29 February", Rule::SoFar, l("28-feb-2025|29-feb-2024|28-feb-2024"),
            {t(soFar).arg(t("0.0"), t("0"), t("6.0"), t("1"))});
        // The kilometres' axis over the bars in sight; the bars' labels at the
        // finest step that gives at most the labels wanted.
        cases(Rule::Scale, {"-0.5|1.5|1|9.6=>12|2", "0.6|1.4|50|2|50=>2.5|0.5", "-0.5|2.5|0|0|0=>1|0.2", "0|9=>1|0.2",
                            "-0.5|0.5|95.3=>120|20"});
        cases(Rule::Axis, {"m|15-jan-2019|36|-0.5|35.5|8=>2019-01@0|2019-07@6|2020-01@12|2020-07@18|2021-01@24|"
                           "2021-07@30",
                           "m|15-jan-2000|360|-0.5|359.5|8=>2000-01@0|2005-01@60|2010-01@120|2015-01@180|2020-01@240|"
                           "2025-01@300", "w|30-dec-2024|104|-0.5|103.5|3=>2025 v01@0|2026 v01@52",
                           "w|30-dec-2024|104|10.2|20.7|4=>2025 v13@12|2025 v17@16|2025 v21@20",
                           "w|30-dec-2019|60|46.5|56.5|6=>2020 v49@48|2020 v51@50|2021 v01@53|2021 v03@55",
                           "y|01-jan-1990|35|-0.5|34.5|8=>1990@0|1995@5|2000@10|2005@15|2010@20|2015@25|2020@30"});
        // A window of our own opens to the right of the analysis window, else below and right of its corner,
        // moved onto the screen's available area: a second screen, a panel above, past the right, the left.
        cases(Rule::Place, {"0,0,1920,1080|0,0,600,400|500,300=>600,0", "0,30,1000,800|0,0,600,400|500,300=>40,40",
                            "1920,0,1280,1024|1920,0,600,400|500,300=>2520,0",
                            "0,0,700,800|-300,100,600,400|500,300=>0,140",
                            "0,0,1280,1024|900,800,300,200|500,300=>780,724"});
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
        const auto some = [&] { return bare[random.bounded(width)]; };
        std::vector<ordering::Key> keys;
        QList<QStringList> runs;
        QStringList records;
        for (int k = 0; k < size; ++k) {
            const QString date = pick({"d", "", "d"}).isEmpty() ? QString()
                : pick({"01", "02", ".5", "31"}) + u'-' + pick({"jan", "Feb", "FEB", "feb"}) + u'-'
                      + pick({"2001", "1999", "01.5"});
            const QString time = pick({"00", "01", ".5", ""}) + u'.' + pick({"10", "00", "", "59"}) + u'.'
                                 + pick({"15", "", "00"});
            const bool cut = pick({"", "cut"}).isEmpty(); // no final time, or no fourth "/"
            runs << (QStringList{t("Bana"), t("03"), t("06000"), t("T"), date, n(k), t("+20"), t("79.0")}
                     << QStringList(timed - 1, t("00.01.00")) << time).mid(0, cut ? 7 + timed : 8 + timed);
            records << (cut ? t("A/1/1/") : t("A/1/1/M/") + date + u'/') + n(k);
            keys.push_back(target == 5   ? ordering::Key{k % 2 ? some() : double(random.bounded(size / 16 + 1)),
                                                         some(), some()}
                           : target == 4 ? ordering::dateKey(saveandexit::dateText(records.last()))
                           : target < 2  ? ordering::dateKey(date)
                                         : ordering::timeKey(cut ? QString() : time));
        }
        const bool descending = target == 5 ? size % 2 == 1 : target % 3 == 0 || target == 4;
        const auto direction = descending ? ordering::Direction::Descending : ordering::Direction::Ascending;
        const std::vector<qsizetype> literal = literalExchangeOrder(keys, direction);
        QList<qsizetype> got, expected(literal.begin(), literal.end());
        const QList<QStringList> before = runs;
        if (target == 4)
            saveandexit::orderByDate(records);
        else if (target < 4)
            ordering::orderRuns(runs, ordering::Order(target), timed);
        const std::vector<qsizetype> bareOrder = ordering::exchangeOrder(keys, direction);
        for (int k = 0; k < size; ++k)
            got << (target == 5 ? bareOrder[k] : target == 4 ? records[k].section(u'/', -1).toInt()
                    : before.at(runs[k][5].toInt()) == runs[k] ? runs[k][5].toInt() : -1); // whole runs travel
        QCOMPARE(got, expected);
    }

    // 100,000 runs against the passes, every row compared: a click on a course (its years, "Yngsta datum" and
    // "Bästa tid"), save and exit, then bare keys: queues of one value turned far (back by two among 100 smaller
    // values, or anywhere by one), and parts of many values. The skipping passes are held to the literal ones first.
    void manyRuns_data()
    {
        QTest::addColumn<int>("kind");
        int kind = 0;
        for (const char *tag : {"click", "save and exit", "queues turned far", "parts of many values"})
            QTest::newRow(tag) << kind++;
    }

    void manyRuns()
    {
        QFETCH(int, kind);
        QRandomGenerator random(kind + 1);
        const auto pick = [&random](int below) { return int(random.bounded(below)); };
        const auto passes = [](const std::vector<ordering::Key> &keys, ordering::Direction direction) {
            const std::vector<ordering::Key> some(keys.begin(), keys.begin() + std::min<qsizetype>(3000, keys.size()));
            if (skippingExchangeOrder(some, direction) != literalExchangeOrder(some, direction))
                qFatal("The skipping passes differ from the literal ones");
            return skippingExchangeOrder(keys, direction);
        };
        const auto down = ordering::Direction::Descending, up = ordering::Direction::Ascending;
        const QStringList months = l("jan|feb|mar|apr|maj|jun|jul|aug|sep|okt|nov|dec|DEC|Feb");
        QStringList records;
        std::vector<ordering::Key> dates, times, years, keys;
        const auto two = [&pick](int below) { return t("%1").arg(pick(below), 2, 10, QChar(u'0')); };
        for (int k = 0; k < 100000 && kind < 2; ++k) { // years 0 to 19 written as 0019, +019 or 19.0
            const int way = pick(3);
            const QString year = l("%1|+%1|%1.0")[way].arg(pick(20), 4 - way, 10, QChar(u'0'));
            const QString date = two(28) + u'-' + months[pick(14)] + u'-' + year;
            const QString time = t("0%1.").arg(pick(3)) + two(60) + u'.' + two(60);
            records << t(pick(10) ? "A" : "B") + t("/03/06000/T/") + date + u'/' + n(k) + t("/+20/79.0/0/0/") + time;
            keys.push_back(ordering::dateKey(date));
            if (records.last().startsWith(u'A'))
                dates.push_back(keys.back()), times.push_back(ordering::timeKey(time));
        }
        if (kind == 0) {
            const QList<run::RecordView> runs = selection::courseRuns(records, t("A"));
            for (const ordering::Key &date : dates)
                years.push_back({date[0], 0, 0});
            const std::vector<qsizetype> byYear = passes(years, up);
            const auto interval = selection::yearInterval(runs).value();
            const auto caption = [&runs](qsizetype at) { return run::field(runs[at], 4).right(4).toString(); };
            QCOMPARE(interval.firstCaption + u'-' + interval.lastCaption,
                     caption(byYear.front()) + u'-' + caption(byYear.back()));
            QCOMPARE_EQ(ordering::runOrder(runs, ordering::Order::YoungestDate, 3), passes(dates, down));
            QCOMPARE_EQ(ordering::runOrder(runs, ordering::Order::BestTime, 3), passes(times, up));
        } else if (kind == 1) {
            QStringList expected;
            for (const qsizetype from : passes(keys, down))
                expected << records[from];
            saveandexit::orderByDate(records);
            QCOMPARE(records, expected);
        } else {
            for (int t = 1; kind == 2 && t <= 590; ++t) {
                keys.push_back({double(t > 150), 1000, 0});
                for (int smaller = t <= 150 ? std::max(t - 2, 0) : pick(t - 150); smaller > 0; --smaller)
                    keys.push_back({double(t > 150), double(t <= 150 ? pick(100) : 0), 0});
            }
            while (keys.size() < 100000)
                keys.push_back({kind == 2 ? 2 : pick(100) / 2.0, double(pick(kind == 2 ? 3 : 100)), double(pick(50))});
            QCOMPARE_EQ(ordering::exchangeOrder(keys, up), passes(keys, up));
        }
    }

    // Corrections and deletions against the files as they are at that
    // moment, written "course file#run file": the run or course may have
    // moved, gone, or gained an equal one meanwhile.
    void changes_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        const QString x = t("A/01/00010/T/02-feb-2001/x/+20/79.0/00.10.15"), y = x + t("0");
        const QString b = t("B/01/00010/M/01-jan-2001/y/-5/80.0/00.20.00");
        const QString runGone = t("Rundan finns inte längre i filen RUNDA_RE. Inget har ändrats i filen.");
        const QString files = t("A/01/00010|B/01/00010#") + x + u'|' + b + u'|' + x;
        const QString renamed = t("C/01/00020") + x.mid(10);
        const auto row = [](const char *tag, const QString &before, Change change, const QStringList &args,
                            const QString &message, const QString &after) {
            QTest::newRow(tag) << before << change << args << message << after;
        };
        const QString a = t("A/01/00010#");
        const QString courseGone = t("Banan finns inte längre i filen RUNDA_BA. Rundan har inte sparats.");
        row("second of equal runs, one put before it", a + y + u'|' + x + u'|' + b + u'|' + x, Change::Replace,
            {x, t("1"), y}, QString(), a + y + u'|' + x + u'|' + b + u'|' + y);
        row("run gone", a + x + u'|' + b, Change::Replace, {x, t("1"), y}, runGone, a + x + u'|' + b);
        // A run is stored only on a course line the course file holds.
        row("run on a course gone", t("C/01/00020#") + b, Change::Append, {x}, courseGone, t("C/01/00020#") + b);
        row("run corrected on a course gone", t("A/01/00020#") + x, Change::Replace, {x, t("0"), y}, courseGone,
            t("A/01/00020#") + x);
        row("first of equal runs removed", t("#") + x + u'|' + b + u'|' + x, Change::Remove, {x, t("0")}, QString(),
            t("#") + b + u'|' + x);
        row("removed run gone", t("#") + b, Change::Remove, {x, t("0")}, runGone, t("#") + b);
        row("course and its runs", files, Change::Course, l("A/01/00010|C/01/00020"), QString(),
            t("C/01/00020|B/01/00010#") + renamed + u'|' + b + u'|' + renamed);
        row("count of a course with one run", files, Change::Course, l("B/01/00010|B/02/00010"),
            t("Banan har 1 registrerade rundor. Antalet tider kan inte ändras."), files);
        row("count of a course without runs", t("A/01/00010|D/01/00010#") + x, Change::Course,
            l("D/01/00010|D/02/00010"), QString(), t("A/01/00010|D/02/00010#") + x);
        row("name of another course", files, Change::Course, l("A/01/00010|B/01/00020"), t(SAME_NAME), files);
        row("course unchanged", files, Change::Course, l("A/01/00010|A/01/00010"), QString(), files);
        row("course gone", files, Change::Course, l("D/01/00010|C/01/00010"),
            t("Banan finns inte längre i filen RUNDA_BA. Inget har ändrats i filen."), files);
        row("course with runs deleted", files, Change::Delete, l("B/01/00010"),
            t("Banan har 1 registrerade rundor och kan inte tas bort."), files);
        row("course without runs deleted", t("A/01/00010|D/01/00010|B/01/00010#") + b, Change::Delete,
            l("D/01/00010"), QString(), t("A/01/00010|B/01/00010#") + b);
        // A program stopped between the two writes of a correction.
        row("stopped after the course file", t("C/01/00020|B/01/00010#") + x + u'|' + b, Change::Recover,
            l("A/01/00010|C/01/00020"), QString(), t("C/01/00020|B/01/00010#") + renamed + u'|' + b);
        row("stopped before the course file", files, Change::Recover, l("A/01/00010|C/01/00020"), QString(), files);
        row("distance, stopped after the course file", t("A/01/00020#") + x, Change::Recover,
            l("A/01/00010|A/01/00020"), QString(), t("A/01/00020#A/01/00020") + x.mid(10));
        // An intent left behind, and a new course made under the old name
        // since: its runs are not the old course's. A damaged intent proves nothing.
        row("stale intent", t("C/01/00020|A/02/00500#") + x, Change::Recover, l("A/01/00010|C/01/00020"), QString(),
            t("C/01/00020|A/02/00500#") + x);
        row("damaged intent", files, Change::Recover, l("A/01/00010"), coursechange::damagedIntentMessage(), files);
        row("intent left unwritten", files, Change::Recover, {}, QString(), files);
    }

    void changes()
    {
        QFETCH(QString, before);
        QFETCH(Change, change);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QFETCH(QString, after);
        TestFolder folder;
        QVERIFY(seqfile::writeFile(t("RUNDA_BA"), items(before.section(u'#', 0, 0))));
        QVERIFY(seqfile::writeFile(t("RUNDA_RE"), items(before.section(u'#', 1))));
        QString told;
        const QString line = args.value(args.size() - 1).section(u'/', 0, 2); // of the record stored
        if (change == Change::Append) {
            told = run::append(line, args[0]);
        } else if (change == Change::Replace) {
            told = run::replace(line, {args[0], args[1].toInt()}, args[2]);
        } else if (change == Change::Remove) {
            told = run::storeMessage(run::remove({args[0], args[1].toInt()}));
        } else if (change == Change::Course) {
            told = coursechange::storeChange(args[0], args[1]);
        } else if (change == Change::Delete) {
            told = coursechange::removeCourse(args[0]);
        } else {
            // No lines: only what a start stopped while writing the intent left.
            const QString leftover = args.isEmpty() ? t(".kvistra-tmp-abc123") : QString();
            QVERIFY(seqfile::writeFile(coursechange::intentFileName() + leftover, args));
            told = coursechange::recover();
        }
        QCOMPARE(told, message);
        QCOMPARE(seqfile::readFile(t("RUNDA_BA")).items, items(after.section(u'#', 0, 0)));
        QCOMPARE(seqfile::readFile(t("RUNDA_RE")).items, items(after.section(u'#', 1)));
        QCOMPARE(folder.exists(coursechange::intentFileName()), told == coursechange::damagedIntentMessage());
    }

    // The data files through the disk: every byte comes back as it was, NUL
    // and the five the code page leaves undefined included; a file read a
    // block at a time reads as in one piece, whatever stands across a block's
    // edge; a file put in another order from its bytes is written as the
    // items' writer writes them, pieces of a megabyte and more included; a
    // write is all or nothing: a text the code page cannot hold, bytes that
    // cannot be made or a folder in the file's place is told and leaves the
    // old file and no temporary file beside it (a full disk: tst_storefaults).
    void dataFiles()
    {
        TestFolder folder;
        const auto back = [](const std::vector<QByteArrayView> &all) {
            std::vector<qsizetype> order(all.size());
            std::iota(order.rbegin(), order.rend(), 0);
            return order;
        };
        const auto reversed = [&folder, &back] {
            QStringList items = seqfile::readFile(t("DATA")).items;
            std::reverse(items.begin(), items.end());
            bool ok = false;
            return seqfile::reorder(t("DATA"), back) == seqfile::StoreStatus::Stored
                   && folder.read(t("DATA")) == seqfile::writeItems(items, &ok) && ok;
        };
        QByteArray bytes = "\"";
        for (int b = 0; b < 256; ++b) {
            if (b != '"' && b != '\r' && b != '\n')
                bytes.append(char(b));
        }
        bytes += "\"\r\n\"x\"\r\n";
        folder.write(t("DATA"), bytes);
        QVERIFY(seqfile::writeFile(t("DATA"), seqfile::readFile(t("DATA")).items));
        QCOMPARE(folder.read(t("DATA")), bytes);
        QVERIFY(reversed());
        for (const int shift : {-3, -2, -1, 0, 1}) {
            bytes = "\"a\"\r\n\"" + QByteArray((1 << 20) - 8 + shift, 'x') + "\"\r\n\"b\"\r\rc,\"d\r\ne\n"
                    + QByteArray(1 << 20, 'y') + "\r\"z";
            folder.write(t("DATA"), bytes + " q\"r ,");
            QCOMPARE(seqfile::readFile(t("DATA")).items, seqfile::readItems(cp1252::decode(bytes + " q\"r ,")));
            QVERIFY(reversed());
        }
        QCOMPARE(seqfile::reorder(t("NONE"), back), seqfile::StoreStatus::Refused);
        folder.write(t("DATA"), bytes = "\"old\"\r\n\"x\x9D\"\r\n");
        QVERIFY(!seqfile::writeFile(t("DATA"), l("new|中")));
        int made = 0; // a piece, then no more can be made
        const auto pieces = [&made] { return made++ ? std::nullopt : std::optional(QByteArrayView("n")); };
        QVERIFY(!savedfile::write(t("DATA"), pieces));
        folder.block(t("TAKEN"));
        QVERIFY(!seqfile::writeFile(t("TAKEN"), l("a")));
        QCOMPARE(folder.read(t("DATA")), bytes);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 l("DATA|TAKEN"));
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
