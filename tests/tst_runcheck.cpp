// The checks of a new run, box by box in their order, and the record built
// from the boxes.

#include "registration/runcheck.h"

#include <QtTest>

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

// The example run: race pace on a course with three timed points.
runcheck::Entry exampleRun()
{
    return {t("T"), t("02-feb-2001"), t("Kändes bra. Sol och bra väder."), t("+20"), t("79.0"),
            {t("00.10.15"), t("00.21.40"), t("00.33.05")}};
}

enum class Box { Pace, Date, Information, Temperature, Weight, Time1, Time2, Time3, Time4 };

runcheck::Entry withBox(Box box, const QString &text)
{
    runcheck::Entry entry = exampleRun();
    switch (box) {
    case Box::Pace: entry.pace = text; break;
    case Box::Date: entry.date = text; break;
    case Box::Information: entry.information = text; break;
    case Box::Temperature: entry.temperature = text; break;
    case Box::Weight: entry.weight = text; break;
    case Box::Time4: entry.times << text; break;
    default: entry.times[int(box) - int(Box::Time1)] = text; break;
    }
    return entry;
}

QString refused(const char *box) { return t("Fel registrerat i %1 registrerings rutan !").arg(QLatin1String(box)); }

} // namespace

Q_DECLARE_METATYPE(Box)

class TestRunCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One box changed from the example run, which passes as it is.
    void oneBox_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");

        auto row = [](Box box, const char *text, const QStringList &messages) {
            static const char *const names[] = {"pace", "date", "information", "temperature", "weight",
                                                "time 1", "time 2", "time 3", "time 4"};
            QTest::addRow("%s '%s'", names[int(box)], text) << box << t(text) << messages;
        };
        const QStringList none;
        row(Box::Pace, "T", none);
        row(Box::Pace, "M", none);
        for (const char *pace : {"t", "m", "", "TM", " T"})
            row(Box::Pace, pace, {refused("1:a")});

        const QStringList month{t("Fel månads stavning!"), refused("2:a")};
        row(Box::Date, "00-feb-2001", none);
        row(Box::Date, "31-dec-2100", none);
        row(Box::Date, "02 feb_2001", none);
        for (const char *date : {"2-feb-2001", "32-feb-2001", "02-feb-1899", "02-feb-2101", "", "02-feb-20011"})
            row(Box::Date, date, {refused("2:a")});
        for (const char *date : {"02-Feb-2001", "02-FEB-2001", "02-fbr-2001"})
            row(Box::Date, date, month);
        // Accepted by the tests before them, refused as fields of a record.
        for (const char *date : {"02/feb/2001", "0\"-feb-2001", "02-maj\xe4\xb8\xad" "2001"})
            row(Box::Date, date, {refused("2:a")});

        row(Box::Information, "x", none);
        row(Box::Information, "Åsa €, 100% \\ bra!", none);
        for (const char *information : {"", "Sol/regn", "Sa \"hej\"", "Bra \xe4\xb8\xad"})
            row(Box::Information, information, {refused("3:e")});

        const QStringList degrees{t("Du skall skriva antalet Celsius grader"), refused("4:e")};
        const QStringList strange{t("Konstigt gradtal. Kontrollera och registrera om!"), refused("4:e")};
        for (const char *temperature : {"+5", "-12", "+50", "-50", "+0"})
            row(Box::Temperature, temperature, none);
        for (const char *temperature : {"20", "", " +5"})
            row(Box::Temperature, temperature, {refused("4:e")});
        for (const char *temperature : {"+", "+100", "-5.5"})
            row(Box::Temperature, temperature, degrees);
        for (const char *temperature : {"-51", "+51", "+99"})
            row(Box::Temperature, temperature, strange);
        for (const char *temperature : {"+/", "-\"", "+5/", "+5\xe4\xb8\xad"})
            row(Box::Temperature, temperature, {refused("4:e")});

        const QStringList heavy{t("Konstig vikt i kg. Kontrollera och registrera om!"), refused("5:e")};
        for (const char *weight : {"79.0", "500.", "5.00"})
            row(Box::Weight, weight, none);
        for (const char *weight : {"79", "", "79.05"})
            row(Box::Weight, weight, {refused("5:e")});
        for (const char *weight : {"4.99", "501.", "abcd"})
            row(Box::Weight, weight, heavy);
        for (const char *weight : {"79/0", "79\"0", "79\xe4\xb8\xad" "0"})
            row(Box::Weight, weight, {refused("5:e")});

        // The box number ends the message with a blank before it.
        const auto time = [](const char *message, int k) { return QStringList{t(message) + t(" %1").arg(k)}; };
        row(Box::Time1, "59.59.59", none);
        row(Box::Time2, "", time("Du kan inte lämna blankt här! Tidsruta nr ", 2));
        row(Box::Time1, "60.00.00", time("Du har felaktiga timmar angivna i tidsruta nr ", 1));
        row(Box::Time3, "-1.00.00", time("Du har felaktiga timmar angivna i tidsruta nr ", 3));
        row(Box::Time2, "00.60.00", time("Du har felaktiga minuter angivna i tidsruta nr ", 2));
        row(Box::Time3, "00.10.60", time("Du har felaktiga sekunder angivna i tidsruta nr ", 3));
        const QStringList stop = time("Du har angett punkt . mellan timmar minuter och sekunder i tidsruta nr ", 3);
        for (const char *text : {"00:10:15", "00.10:15", "00.10", "0"})
            row(Box::Time3, text, stop);
        const QStringList wrong = time("Du har inte registrerat rätt i tidsruta nr ", 3);
        for (const char *text : {"00.10.150", "00.10.1", "00.10.1/", "00.10.1\"", "00.10.1\xe4\xb8\xad"})
            row(Box::Time3, text, wrong);
        // Time box 4 is past the course's three timed points.
        row(Box::Time4, "nonsense", none);
    }

    void oneBox()
    {
        QFETCH(Box, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QCOMPARE(runcheck::check(withBox(box, text), 3), messages);
    }

    // The first box that fails is the only one told.
    void firstFailureOnly()
    {
        runcheck::Entry entry{t("t"), t("x"), QString(), t("20"), t("1"), {QString(), QString()}};
        QCOMPARE(runcheck::check(entry, 2), QStringList{refused("1:a")});
        entry.pace = t("M");
        QCOMPARE(runcheck::check(entry, 2), QStringList{refused("2:a")});
        entry.date = t("02-feb-2001");
        entry.information = t("i");
        entry.temperature = t("+1");
        entry.weight = t("70.0");
        QCOMPARE(runcheck::check(entry, 2), QStringList{t("Du kan inte lämna blankt här! Tidsruta nr  1")});
        entry.times = QStringList{t("00.01.00"), t("00.02.00")};
        QVERIFY(runcheck::check(entry, 2).isEmpty());
        entry.times.removeLast();
        QCOMPARE(runcheck::check(entry, 2), QStringList{t("Du kan inte lämna blankt här! Tidsruta nr  2")});
    }

    // A count from a hand-edited course file gives no time boxes to test.
    void countOutsideOneToTen()
    {
        const QStringList message{t("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!")};
        QCOMPARE(runcheck::check(exampleRun(), 0), message);
        QCOMPARE(runcheck::check(exampleRun(), 11), message);
        QCOMPARE(runcheck::check(withBox(Box::Weight, t("7")), 0), QStringList{refused("5:e")});
    }

    // The texts go in as typed, blanks included.
    void record()
    {
        const QString example = runcheck::makeRecord(t("Hörnsjön 2 stora varv/03/06000"), exampleRun());
        QCOMPARE(example, t("Hörnsjön 2 stora varv/03/06000/T/02-feb-2001/Kändes bra. Sol och bra väder./+20/79.0/"
                            "00.10.15/00.21.40/00.33.05"));
        QCOMPARE(example.size(), 111);

        const runcheck::Entry blanks{t("M"), t("02-feb-2001"), t("  x  "), t("-5"), t("79.0"), {t("00.10.15")}};
        QCOMPARE(runcheck::makeRecord(t("  /01/00010"), blanks), t("  /01/00010/M/02-feb-2001/  x  /-5/79.0/00.10.15"));
    }
};

QTEST_MAIN(TestRunCheck)
#include "tst_runcheck.moc"
