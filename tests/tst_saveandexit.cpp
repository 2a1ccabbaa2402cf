// "Spara och Avsluta": the run file put in date order, youngest first, and
// written back before the program ends; and the whole road of a run, from
// the first start to the ordered run file.

#include "analysis/resulttable.h"
#include "app/saveandexit.h"
#include "data/runfile.h"
#include "support/session.h"
#include "support/writelimit.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

const QString runFile = QStringLiteral("RUNDA_RE");

// A run of course A or B named by its note, so the order reads at a glance.
QString runOn(const char *course, const char *date, const char *note)
{
    return t("%1/01/00500/M/%2/%3/+5/70.0/00.02.00").arg(QLatin1String(course), QLatin1String(date),
                                                         QLatin1String(note));
}

QStringList notes(const QStringList &records)
{
    QStringList result;
    for (const QString &record : records)
        result << run::split(record, 6).at(5);
    return result;
}

enum class RunFile { Stored, Empty, Missing, Unreadable, DiskFull };

} // namespace

Q_DECLARE_METATYPE(RunFile)

class TestSaveAndExit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Records named by their notes, in file order and written back.
    void orderByDate_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("ordered");

        const QString p = runOn("A", "01-jan-2001", "P"), q = runOn("A", "01-jan-2001", "Q"),
                      r = runOn("A", "01-jan-2002", "R");
        QTest::newRow("equal dates as the passes leave them") << QStringList{p, q, r} << QStringList{r, q, p};

        // Month and day by number, whatever the file order.
        const QStringList months{runOn("A", "15-mar-2001", "mar"), runOn("A", "02-feb-2001", "feb"),
                                 runOn("A", "28-jan-2001", "jan")};
        QList<int> order{0, 1, 2};
        do {
            QStringList shuffled;
            for (int i : order)
                shuffled << months[i];
            QTest::addRow("months %d%d%d", order[0], order[1], order[2]) << shuffled << months;
        } while (std::next_permutation(order.begin(), order.end()));

        const QString a1 = runOn("A", "01-jan-2001", "a1"), a3 = runOn("A", "01-mar-2001", "a3"),
                      b2 = runOn("B", "01-feb-2001", "b2"), b4 = runOn("B", "01-apr-2001", "b4");
        QTest::newRow("two courses interleaved") << QStringList{a1, b2, a3, b4} << QStringList{b4, a3, b2, a1};

        // An upper-case month is the same month.
        const QString upper = runOn("A", "02-FEB-2001", "FEB"), lower = runOn("A", "01-feb-2001", "feb");
        QTest::newRow("upper-case month") << QStringList{lower, upper} << QStringList{upper, lower};

        // Without a fourth "/" a record has no date: year 0, last.
        const QString short1 = t("A/01/00500/M"), short2 = t("no slash at all");
        QTest::newRow("fewer than four slashes")
            << QStringList{short1, a1, short2, b2} << QStringList{b2, a1, short2, short1};
        // The date is the 11 characters after the fourth "/", wherever the record ends.
        QTest::newRow("date cut short") << QStringList{t("A/01/00500/M/01-jan-1999"), t("A/01/00500/M/02-jan-200")}
                                        << QStringList{t("A/01/00500/M/01-jan-1999"), t("A/01/00500/M/02-jan-200")};
        QTest::newRow("empty") << QStringList() << QStringList();
    }

    void orderByDate()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, ordered);
        saveandexit::orderByDate(records);
        QCOMPARE(records, ordered);
    }

    // The program ends in every case; only a file that was read and could
    // be written changes.
    void saveAndExit_data()
    {
        QTest::addColumn<RunFile>("runFileState");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("stored") << RunFile::Stored << QStringList();
        QTest::newRow("empty") << RunFile::Empty << QStringList();
        QTest::newRow("missing") << RunFile::Missing << QStringList();
        QTest::newRow("unreadable") << RunFile::Unreadable
                                    << QStringList{t("Filen RUNDA_RE kunde inte läsas. Inget har ändrats i filen.")};
        QTest::newRow("disk full") << RunFile::DiskFull
                                   << QStringList{t("Filen RUNDA_RE kunde inte sparas. Inget har ändrats i filen.")};
    }

    void saveAndExit()
    {
        QFETCH(RunFile, runFileState);
        QFETCH(QStringList, messages);

        // More runs than the 1001 the file once had room for, oldest first.
        QStringList runs;
        for (int i = 0; i < 1100; ++i)
            runs << runOn(i % 2 ? "A" : "B", qPrintable(t("01-jan-%1").arg(1000 + i)), qPrintable(QString::number(i)));
        QStringList youngestFirst = runs;
        std::reverse(youngestFirst.begin(), youngestFirst.end());

        Session s;
        if (runFileState == RunFile::Stored || runFileState == RunFile::DiskFull)
            QVERIFY(run::store(runs));
        else if (runFileState == RunFile::Empty)
            s.folder.write(runFile, QByteArray());
        else if (runFileState == RunFile::Unreadable)
            s.folder.blockWithFolder(runFile);
        const QByteArray before = s.folder.read(runFile);
        QVERIFY(s.windows.show(Window::Start));
        QVERIFY(s.windows.show(Window::Info));

        if (runFileState == RunFile::DiskFull) {
            const WriteLimit limit{1000};
            s.trigger(Window::Start, QStringLiteral("M_spara"));
        } else {
            s.trigger(Window::Start, QStringLiteral("M_spara"));
        }

        QVERIFY(s.windows.hasEnded());
        QVERIFY(!s.windows.isLoaded(Window::Info));
        QCOMPARE(s.dialogs.messages(), messages);
        switch (runFileState) {
        case RunFile::Stored:
            QCOMPARE(notes(run::load().records), notes(youngestFirst));
            break;
        case RunFile::Missing:
            QVERIFY(!s.folder.exists(runFile));
            break;
        case RunFile::Unreadable:
            QVERIFY(QFileInfo(QDir(s.folder.path()).filePath(runFile)).isDir());
            break;
        case RunFile::Empty:
        case RunFile::DiskFull:
            QCOMPARE(s.folder.read(runFile), before);
            break;
        }
    }

    // First start, a course, two runs, the analysis window showing them, and
    // the run file left in date order.
    void wholeRoadOfARun()
    {
        Session s;
        QVERIFY(s.windows.show(Window::Start));
        s.dialogs.queueAnswers({t("Hörnsjön"), t("2"), t("6000")});
        s.trigger(Window::Start, QStringLiteral("M_visa"));
        QVERIFY(s.windows.isLoaded(Window::Menu));

        const QStringList dates{t("15-mar-2001"), t("02-feb-2002")};
        for (const QString &date : dates) {
            if (!s.windows.isLoaded(Window::Menu))
                s.trigger(Window::Start, QStringLiteral("M_visa"));
            s.trigger(Window::Menu, QStringLiteral("M_Runda"));
            QWidget *regrunda = s.windows.window(Window::Regrunda);
            QVERIFY(regrunda);
            auto *list = regrunda->findChild<QListWidget *>(t("List1"));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            const QStringList texts{t("M"), date, t("Lugnt"), t("-3"), t("72.5"), t("00.14.00"), t("00.29.30")};
            const QStringList boxes = t("T_reg4 T_reg5 T_reg6 T_reg7 T_reg8 Text1 Text2").split(u' ');
            for (int i = 0; i < boxes.size(); ++i)
                regrunda->findChild<QLineEdit *>(boxes[i])->setText(texts[i]);
            s.trigger(Window::Regrunda, QStringLiteral("Command1"));
            QVERIFY(!s.windows.isLoaded(Window::Regrunda));
        }
        QCOMPARE(s.dialogs.messages().size(), 1); // the first start's warning

        s.trigger(Window::Start, QStringLiteral("M_visa"));
        QWidget *menu = s.windows.window(Window::Menu);
        QVERIFY(menu);
        auto *list = menu->findChild<QListWidget *>(t("List1"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        const auto caption = [menu](int label) {
            return menu->findChild<QLabel *>(QStringLiteral("Label%1").arg(label))->text();
        };
        QCOMPARE(menu->findChild<QLabel *>(t("L_visaantal"))->text(), t("2"));
        QCOMPARE(caption(resulttable::labelsOfRow(1).date), dates[1]);
        QCOMPARE(caption(resulttable::labelsOfRow(2).date), dates[0]);
        QCOMPARE(caption(resulttable::labelsOfRow(2).final), t("00.29.30"));

        // Stored in the order registered, written back youngest first.
        const QString course = t("Hörnsjön/02/06000/M/");
        const QString tail = t("/Lugnt/-3/72.5/00.14.00/00.29.30");
        QCOMPARE(run::load().records, (QStringList{course + dates[0] + tail, course + dates[1] + tail}));
        s.trigger(Window::Start, QStringLiteral("M_spara"));
        QVERIFY(s.windows.hasEnded());
        QCOMPARE(run::load().records, (QStringList{course + dates[1] + tail, course + dates[0] + tail}));
    }
};

QTEST_MAIN(TestSaveAndExit)
#include "tst_saveandexit.moc"
