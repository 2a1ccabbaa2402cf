#include "data/dateandtime.h"
#include "data/runfile.h"

#include <QTest>

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

// A whole run record: a course with three timed points and one run of it.
const QString hornsjon = t("Hörnsjön 2 stora varv/03/06000/T/02-feb-2001/Kändes bra. Sol och bra "
                           "väder./+20/79.0/00.10.15/00.21.40/00.33.05");

} // namespace

class TestRunText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateParts_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<double>("year");

        QTest::newRow("lower case") << t("02-feb-2001") << 2.0 << 2 << 2001.0;
        QTest::newRow("upper case") << t("02-FEB-2001") << 2.0 << 2 << 2001.0;
        QTest::newRow("mixed case") << t("02-Feb-2001") << 2.0 << 0 << 2001.0;
        QTest::newRow("one-digit day") << t("2-feb-2001") << 2.0 << 0 << 2001.0;
        QTest::newRow("points") << t("02.feb.2001") << 2.0 << 2 << 2001.0;
        QTest::newRow("maj") << t("15-maj-2003") << 15.0 << 5 << 2003.0;
        QTest::newRow("okt") << t("01-okt-2003") << 1.0 << 10 << 2003.0;
        QTest::newRow("empty") << QString() << 0.0 << 0 << 0.0;
        QTest::newRow("two-digit year") << t("02-feb-01") << 2.0 << 2 << 0.0;
    }

    void dateParts()
    {
        QFETCH(QString, date);
        QFETCH(double, day);
        QFETCH(int, month);
        QFETCH(double, year);
        const dateandtime::DateParts parts = dateandtime::dateParts(date);
        QCOMPARE(parts.day, day);
        QCOMPARE(parts.month, month);
        QCOMPARE(parts.year, year);
        QCOMPARE(dateandtime::yearOf(date), year);
    }

    void timeParts_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<double>("seconds");

        QTest::newRow("positions") << t("01.02.03") << 1.0 << 2.0 << 3.0;
        QTest::newRow("empty") << QString() << 0.0 << 0.0 << 0.0;
    }

    void timeParts()
    {
        QFETCH(QString, time);
        QFETCH(double, hours);
        QFETCH(double, minutes);
        QFETCH(double, seconds);
        const dateandtime::TimeParts parts = dateandtime::timeParts(time);
        QCOMPARE(parts.hours, hours);
        QCOMPARE(parts.minutes, minutes);
        QCOMPARE(parts.seconds, seconds);
    }

    void split_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("whole run") << hornsjon << 11
                                   << QStringList{t("Hörnsjön 2 stora varv"), t("03"), t("06000"),
                                                  t("T"), t("02-feb-2001"),
                                                  t("Kändes bra. Sol och bra väder."), t("+20"),
                                                  t("79.0"), t("00.10.15"), t("00.21.40"),
                                                  t("00.33.05")};
        QTest::newRow("no slash") << t("Bana") << 3 << QStringList{t("Bana"), QString(), QString()};
        QTest::newRow("fewer fields") << t("a/b") << 4
                                      << QStringList{t("a"), t("b"), QString(), QString()};
        QTest::newRow("more fields") << t("a/b/c/d") << 2 << QStringList{t("a"), t("b")};
        QTest::newRow("trailing slash") << t("a/b/") << 3 << QStringList{t("a"), t("b"), QString()};
    }

    void split()
    {
        QFETCH(QString, record);
        QFETCH(int, fieldCount);
        QFETCH(QStringList, fields);
        QCOMPARE(run::split(record, fieldCount), fields);
    }
};

QTEST_GUILESS_MAIN(TestRunText)
#include "tst_runtext.moc"
