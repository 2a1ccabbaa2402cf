#include "analysis/ordering.h"
#include "analysis/resulttable.h"
#include "analysis/selection.h"

#include <QTest>

using ordering::Order;
Q_DECLARE_METATYPE(ordering::Order)

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

using Runs = QList<QStringList>;

// A run's fields 0 to 7 of course "Bana", followed by its times.
QStringList fields(const char *date, const QStringList &times, const char *note = "")
{
    return QStringList{t("Bana"), t("03"), t("06000"), t("T"), t(date), t(note), t("+20"), t("79.0")}
           + times;
}

// A run of a course with three timed points; the tag in the note tells the
// runs apart.
QStringList run(const char *tag, const char *date, const char *final = "00.10.00",
                const char *split1 = "00.03.00", const char *split2 = "00.06.00")
{
    return fields(date, {t(split1), t(split2), t(final)}, tag);
}

// A record of the run file for selectRuns.
QString record(const char *name, const char *date, const char *note)
{
    return t(name) + t("/03/06000/T/") + t(date) + u'/' + t(note) + t("/+20/79.0/00.03.00/00.06.00/00.10.00");
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void orderRuns_data()
    {
        QTest::addColumn<Order>("order");
        QTest::addColumn<int>("n");
        QTest::addColumn<Runs>("runs");
        QTest::addColumn<Runs>("expected");

        const QStringList p = run("P", "01-jan-2001"), q = run("Q", "01-jan-2001"),
                          r = run("R", "01-jan-2002");
        QTest::newRow("youngest, not stable") << Order::YoungestDate << 3 << Runs{p, q, r} << Runs{r, q, p};

        const QStringList mar = run("mar", "15-mar-2001"), feb = run("feb", "02-feb-2001"),
                          jan = run("jan", "28-jan-2001");
        QTest::newRow("oldest by month") << Order::OldestDate << 3 << Runs{mar, feb, jan} << Runs{jan, feb, mar};
        QTest::newRow("youngest by month") << Order::YoungestDate << 3 << Runs{jan, mar, feb}
                                           << Runs{mar, feb, jan};

        const QStringList x = run("X", "02-FEB-2001"), y = run("Y", "02-feb-2001"),
                          z = run("Z", "01-feb-2001");
        QTest::newRow("upper-case month") << Order::OldestDate << 3 << Runs{x, y, z} << Runs{z, y, x};

        const QStringList a = run("A", "02-Feb-2001"), b = run("B", "01-jan-2001");
        QTest::newRow("unknown month, youngest") << Order::YoungestDate << 3 << Runs{a, b} << Runs{b, a};
        QTest::newRow("unknown month, oldest") << Order::OldestDate << 3 << Runs{a, b} << Runs{a, b};

        // Each run has split times of its own, which must stay with it.
        const QStringList hour = run("h", "01-jan-2001", "01.00.00", "00.05.00", "00.40.00"),
                          slow = run("s", "01-jan-2001", "00.59.59", "00.19.00", "00.39.00"),
                          fast = run("f", "01-jan-2001", "00.10.15", "00.03.15", "00.06.30");
        QTest::newRow("best time") << Order::BestTime << 3 << Runs{hour, slow, fast} << Runs{fast, slow, hour};
        QTest::newRow("worst time") << Order::WorstTime << 3 << Runs{fast, slow, hour} << Runs{hour, slow, fast};
        // With one timed point the final time is field 8.
        QTest::newRow("best time, n = 1") << Order::BestTime << 1 << Runs{hour, slow, fast}
                                          << Runs{fast, hour, slow};

        // A record too short for its final time orders as 00.00.00.
        const QStringList five = run("5", "01-jan-2001", "00.05.00"),
                          cut = fields("01-jan-2001", {t("00.03.00")}, "c");
        QTest::newRow("missing final field") << Order::BestTime << 3 << Runs{five, cut} << Runs{cut, five};

        QTest::newRow("no runs") << Order::YoungestDate << 3 << Runs{} << Runs{};
    }

    void orderRuns()
    {
        QFETCH(Order, order);
        QFETCH(int, n);
        QFETCH(Runs, runs);
        QFETCH(Runs, expected);
        ordering::orderRuns(runs, order, n);
        QCOMPARE(runs, expected);
    }

    void selectRuns_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("n");
        QTest::addColumn<Runs>("expected");

        const QStringList mixed{record("Bana ", "01-jan-2001", "a"), record("Bana", "02-jan-2001", "b"),
                                record("bana", "03-jan-2001", "c"), record("   ", "04-jan-2001", "d"),
                                record("Ban", "05-jan-2001", "e")};
        const auto bana = [](const char *name, const char *date, const char *note) {
            QStringList run = fields(date, {t("00.03.00"), t("00.06.00"), t("00.10.00")}, note);
            run[0] = t(name);
            return run;
        };
        // Each name picks its own run alone: a compare that trims, ignores
        // case or takes a prefix picks more.
        QTest::newRow("trailing blank") << mixed << t("Bana ") << 3
                                        << Runs{bana("Bana ", "01-jan-2001", "a")};
        QTest::newRow("without blank") << mixed << t("Bana") << 3
                                       << Runs{bana("Bana", "02-jan-2001", "b")};
        QTest::newRow("blanks only") << mixed << t("   ") << 3
                                     << Runs{bana("   ", "04-jan-2001", "d")};
        QTest::newRow("fields cut at n + 8") << QStringList{record("Bana", "01-jan-2001", "a")} << t("Bana") << 1
                                             << Runs{fields("01-jan-2001", {t("00.03.00")}, "a")};
        QTest::newRow("no slash") << QStringList{t("Bana")} << t("Bana") << 1
                                  << Runs{QStringList{t("Bana")} + QStringList(8)};
    }

    void selectRuns()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, name);
        QFETCH(int, n);
        QFETCH(Runs, expected);
        QCOMPARE(selection::selectRuns(records, name, n), expected);
    }

    void yearInterval_data()
    {
        QTest::addColumn<Runs>("runs");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("firstCaption");
        QTest::addColumn<QString>("lastCaption");

        // The GUI tests cover the usual intervals; these are the odd dates.
        const QStringList y2001 = run("a", "01-jan-2001"), y2003 = run("b", "15-mar-2003");
        QTest::newRow("empty date") << Runs{y2003, run("e", ""), y2001} << false << 0 << 0 << QString()
                                    << QString();
        QTest::newRow("two-digit year") << Runs{y2003, run("d", "02-feb-01")} << true << 0 << 2003 << t("b-01")
                                        << t("2003");
    }

    void yearInterval()
    {
        QFETCH(Runs, runs);
        QFETCH(bool, found);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, firstCaption);
        QFETCH(QString, lastCaption);
        const std::optional<selection::YearInterval> interval = selection::yearInterval(runs);
        QCOMPARE(interval.has_value(), found);
        if (!found)
            return;
        QCOMPARE(interval->first, first);
        QCOMPARE(interval->last, last);
        QCOMPARE(interval->firstCaption, firstCaption);
        QCOMPARE(interval->lastCaption, lastCaption);
    }

    // Two runs before the interval, then 35 inside it: the 28 counts rows
    // shown, not runs looked at. The window tests cover the interval's
    // bounds and the rows' texts.
    void rowsToShowCountsRowsShown()
    {
        Runs runs{run("x", "01-jan-1999"), run("y", "01-jan-1999")};
        Runs expected;
        for (int k = 0; k < 35; ++k) {
            const QByteArray final = QByteArrayLiteral("00.20.") + QByteArray::number(k + 10);
            runs.append(run("m", "01-jan-2001", final.constData()));
            if (k < 28)
                expected.append({t("01-jan-2001"), t("00.03.00 : 00.06.00"), t(final.constData())});
        }
        Runs shown;
        for (const resulttable::Row &r : resulttable::rowsToShow(runs, 3, 2000.0, 2001.0))
            shown.append(QStringList{r.date, r.splits, r.final});
        QCOMPARE(shown, expected);
    }

    void distanceCaption_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("caption");

        QTest::newRow("empty") << QString() << t(" 0 meter");
        QTest::newRow("negative") << t("-0010") << t("-10 meter");
    }

    void distanceCaption()
    {
        QFETCH(QString, distance);
        QFETCH(QString, caption);
        QCOMPARE(resulttable::distanceCaption(distance), caption);
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
