// A course click in the analysis window: the course's runs within the year
// interval, in the chosen order, in the result table.

#include "data/coursefile.h"
#include "data/runfile.h"
#include "support/session.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

const QString noRuns = t("Du har ingen registrerad runda för banan");

// The date cell of each of the 28 rows, from the top; the split-times cell
// is the next label and the final-time cell the one after it.
constexpr int dateLabels[28] = {1,  4,  7,  10, 13, 16, 19, 22, 25, 28, 37, 40, 43, 46,
                                49, 52, 57, 60, 63, 66, 69, 72, 75, 78, 81, 84, 87, 90};

// A (3 timed points), B, C (no runs unless a test gives it some), E (1), T (10).
const QStringList courses{t("A/03/06000"), t("B/03/00500"), t("C/03/01000"), t("E/01/00100"), t("T/10/09999")};

QString record(const QString &courseLine, const QString &date, const QStringList &times)
{
    return courseLine + t("/T/") + date + t("/Kändes bra/+20/79.0/") + times.join(u'/');
}

// A run over course A on 1 January of the year, its times telling the year too.
QString runOfA(int year, const QString &finalTime = QString())
{
    const QString yy = QString::number(year % 100).rightJustified(2, u'0');
    return record(courses[0], t("01-jan-") + QString::number(year),
                  {t("00.01.") + yy, t("00.02.") + yy, finalTime.isEmpty() ? t("00.03.") + yy : finalTime});
}

enum class Choice { MouseOnNew, MouseOnSelected, DoubleClick, RightButton, KeyboardMoves, FocusAlone };
enum class Failure { MissingRunFile, UnreadableRunFile, BrokenCount };

} // namespace

Q_DECLARE_METATYPE(Choice)
Q_DECLARE_METATYPE(Failure)

class TestMenuClick : public QObject
{
    Q_OBJECT

    std::unique_ptr<Session> m_s;
    QWidget *m_menu = nullptr;
    QListWidget *m_list = nullptr;

    void open(const QStringList &runs, const QStringList &courseLines = courses)
    {
        QVERIFY(course::store(courseLines));
        QVERIFY(run::store(runs));
        m_menu = m_s->windows.show(Window::Menu);
        QVERIFY(m_menu);
        m_list = m_menu->findChild<QListWidget *>(QStringLiteral("List1"));
    }

    void click(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_list->viewport(), button, {}, m_list->visualItemRect(m_list->item(row)).center());
    }

    QLabel *label(int number) const
    {
        return m_menu->findChild<QLabel *>(QStringLiteral("Label") + QString::number(number));
    }
    QString text(const char *name) const { return m_menu->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QScrollBar *bar(const char *name) const { return m_menu->findChild<QScrollBar *>(QString::fromLatin1(name)); }
    // T_dist, the run counter and the year interval.
    QStringList captions() const
    {
        return {text("T_dist"), text("L_visaantal"), text("L_visafyear"), text("L_visatyear")};
    }

    // The visible rows from the top as {date, final time, split times}. A
    // row saying what is wrong stands where a row is partly shown, where a
    // hidden row stands between shown ones, or when the headers do not
    // follow row 1.
    QList<QStringList> shownRows() const
    {
        QList<QStringList> rows;
        bool hiddenSeen = false;
        for (const int date : dateLabels) {
            const bool shown = label(date)->isVisible();
            if (label(date + 1)->isVisible() != shown || label(date + 2)->isVisible() != shown)
                rows.append({QStringLiteral("row partly shown at Label%1").arg(date)});
            if (shown && hiddenSeen)
                rows.append({QStringLiteral("gap before Label%1").arg(date)});
            hiddenSeen = hiddenSeen || !shown;
            if (shown)
                rows.append({label(date)->text(), label(date + 2)->text(), label(date + 1)->text()});
        }
        const bool headers = label(93)->isVisible();
        if (label(94)->isVisible() != headers || label(95)->isVisible() != headers || headers == rows.isEmpty())
            rows.append({QStringLiteral("headers do not follow row 1")});
        return rows;
    }

    QStringList shownYears() const
    {
        QStringList years;
        for (const QStringList &row : shownRows())
            years << row.first().right(4);
        return years;
    }

private Q_SLOTS:
    void init() { m_s = std::make_unique<Session>(); }
    void cleanup() { m_s.reset(); }

    void eachChoiceRunsOnce_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<int>("runs");
        QTest::newRow("mouse on another course") << Choice::MouseOnNew << 1;
        QTest::newRow("mouse on the selected course") << Choice::MouseOnSelected << 1;
        QTest::newRow("double click on another course") << Choice::DoubleClick << 1;
        QTest::newRow("right button on another course") << Choice::RightButton << 0;
        QTest::newRow("two moves by keyboard") << Choice::KeyboardMoves << 2;
        QTest::newRow("focus alone") << Choice::FocusAlone << 0;
    }

    void eachChoiceRunsOnce()
    {
        QFETCH(Choice, choice);
        QFETCH(int, runs);
        // Without a run file every run of the handler shows one message.
        open({});
        QFile::remove(run::fileName());
        if (choice != Choice::FocusAlone) {
            click(0);
            m_s->dialogs.clear();
        }
        switch (choice) {
        case Choice::MouseOnNew:
            click(2);
            break;
        case Choice::MouseOnSelected:
            click(0);
            break;
        case Choice::DoubleClick:
            QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {},
                               m_list->visualItemRect(m_list->item(1)).center());
            break;
        case Choice::RightButton:
            click(1, Qt::RightButton);
            break;
        case Choice::KeyboardMoves:
            QTest::keyClick(m_list, Qt::Key_Down);
            QTest::keyClick(m_list, Qt::Key_Down);
            QCOMPARE(m_list->currentRow(), 2);
            break;
        case Choice::FocusAlone:
            m_list->setFocus();
            QApplication::processEvents();
            break;
        }
        QCOMPARE(m_s->dialogs.messages(), QStringList(runs, noRuns));
    }

    void failedClickIsTold_data()
    {
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("tableKept");
        QTest::newRow("missing run file") << Failure::MissingRunFile << noRuns << true;
        QTest::newRow("unreadable run file")
            << Failure::UnreadableRunFile << t("Filen RUNDA_RE kunde inte läsas. Inget har ändrats i filen.") << true;
        // Found after the table is hidden, as every other failure of a click.
        QTest::newRow("count that is no number") << Failure::BrokenCount << noRuns << false;
    }

    void failedClickIsTold()
    {
        QFETCH(Failure, failure);
        QFETCH(QString, message);
        QFETCH(bool, tableKept);
        // A hand-edited course line whose count is no number.
        const QStringList withBroken = courses + QStringList{t("X/x1/00100")};
        open({runOfA(2001), runOfA(2002), record(withBroken.last(), t("01-jan-2001"), {t("00.01.00")})}, withBroken);
        click(0);
        const QList<QStringList> before = shownRows();
        QCOMPARE(before.size(), 2);
        const QStringList captionsBefore = captions();
        m_s->dialogs.clear();

        if (failure != Failure::BrokenCount)
            QVERIFY(QFile::remove(run::fileName()));
        if (failure == Failure::UnreadableRunFile)
            m_s->folder.blockWithFolder(run::fileName());
        click(failure == Failure::BrokenCount ? 5 : 1);

        QCOMPARE(m_s->dialogs.messages(), QStringList{message});
        QCOMPARE(m_s->dialogs.shown().first().title, QStringLiteral("Kvistra"));
        QCOMPARE(shownRows(), tableKept ? before : QList<QStringList>{});
        QCOMPARE(captions(), captionsBefore);
    }

    void newCourseSetsTheInterval_data()
    {
        QTest::addColumn<QList<int>>("years");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("file not in date order") << QList<int>{2003, 2001, 2005} << 2001 << 2005;
        QTest::newRow("a single year") << QList<int>{2002, 2002} << 2002 << 2002;
        QTest::newRow("years beyond the bars' first range") << QList<int>{1950, 2150} << 1950 << 2150;
    }

    void newCourseSetsTheInterval()
    {
        QFETCH(QList<int>, years);
        QFETCH(int, first);
        QFETCH(int, last);
        QStringList runs;
        for (int year : years)
            runs << runOfA(year);
        open(runs);
        click(0);
        for (QScrollBar *b : {bar("HScroll1"), bar("HScroll2")}) {
            QCOMPARE(b->minimum(), first);
            QCOMPARE(b->maximum(), last);
        }
        QCOMPARE(bar("HScroll1")->value(), first);
        QCOMPARE(bar("HScroll2")->value(), last);
        QCOMPARE(text("L_visafyear"), QString::number(first));
        QCOMPARE(text("L_visatyear"), QString::number(last));
        QCOMPARE(shownRows().size(), years.size());
    }

    void sameCourseKeepsTheInterval()
    {
        open({runOfA(2003), runOfA(2001), runOfA(2005), runOfA(2004), runOfA(2002),
              record(courses[1], t("01-jan-2010"), {t("00.01.00"), t("00.02.00"), t("00.03.00")})});
        click(0);
        bar("HScroll1")->setValue(2002);
        bar("HScroll2")->setValue(2004);
        QCOMPARE(shownRows().size(), 5); // the bars alone change no row

        click(0);
        QCOMPARE(captions().mid(2), (QStringList{t("2002"), t("2004")}));
        // Both ends included, rows from the top with no gap, the counter over all years.
        QCOMPARE(shownYears(), (QStringList{t("2004"), t("2003"), t("2002")}));
        QCOMPARE(text("L_visaantal"), t("5"));

        // First year after last year: no row, the counter still counts them all.
        bar("HScroll1")->setValue(2004);
        bar("HScroll2")->setValue(2003);
        click(0);
        QCOMPARE(shownRows(), QList<QStringList>{});
        QCOMPARE(text("L_visaantal"), t("5"));

        click(1);
        QCOMPARE(text("L_visafyear"), t("2010"));
        click(0);
        QCOMPARE(captions().mid(2), (QStringList{t("2001"), t("2005")}));
        QCOMPARE(shownRows().size(), 5);
    }

    void everyRowAndItsLabels()
    {
        // 35 runs, all inside the interval, stored oldest first.
        QStringList runs;
        for (int year = 2001; year <= 2035; ++year)
            runs << runOfA(year);
        open(runs);
        click(0);

        QList<QStringList> expected;
        for (int year = 2035; year > 2035 - 28; --year) {
            const QString yy = QString::number(year % 100).rightJustified(2, u'0');
            expected.append({t("01-jan-") + QString::number(year), t("00.03.") + yy,
                             t("00.01.") + yy + t(" : 00.02.") + yy});
        }
        QCOMPARE(shownRows(), expected);
        QCOMPARE(text("L_visaantal"), t("35"));
        QCOMPARE(text("T_dist"), t(" 6000 meter"));
    }

    void courseWithoutRuns()
    {
        open({runOfA(2001)});
        click(0);
        const QStringList captionsBefore = captions();
        click(2);
        QVERIFY(m_s->dialogs.messages().isEmpty());
        QCOMPARE(shownRows(), QList<QStringList>{});
        QCOMPARE(captions(), (QStringList{captionsBefore[0], t("0"), captionsBefore[2], captionsBefore[3]}));
    }

    void noCapOnTheRuns()
    {
        // More records than 1001, and more runs of one course than 1001.
        QStringList runs(100, record(courses[1], t("01-jan-2001"), {t("00.01.00"), t("00.02.00"), t("00.03.00")}));
        for (int k = 0; k < 1100; ++k)
            runs << runOfA(2001 + k % 20);
        open(runs);
        click(0);
        QCOMPARE(text("L_visaantal"), t("1100"));
        QCOMPARE(shownRows().size(), 28);
        QCOMPARE(shownYears().first(), t("2020"));
    }

    void timedPoints_data()
    {
        QTest::addColumn<int>("course");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QString>("splits");

        QTest::newRow("final time only") << 3 << QStringList{t("00.05.00")} << QString();
        QStringList ten;
        for (int k = 0; k < 10; ++k)
            ten << t("00.0%1.00").arg(k);
        QTest::newRow("ten timed points")
            << 4 << ten
            << t("00.00.00 : 00.01.00 : 00.02.00 : 00.03.00 : 00.04.00 : 00.05.00 : 00.06.00 : 00.07.00 : 00.08.00");
    }

    void timedPoints()
    {
        QFETCH(int, course);
        QFETCH(QStringList, times);
        QFETCH(QString, splits);
        open({record(courses[course], t("02-feb-2001"), times)});
        click(course);
        QCOMPARE(shownRows(), (QList<QStringList>{{t("02-feb-2001"), times.last(), splits}}));
    }

    void orderingAtTheNextClick_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("years");
        QTest::newRow("Yngsta datum") << t("Option1") << QStringList{t("2003"), t("2002"), t("2001")};
        QTest::newRow("Äldsta datum") << t("Option3") << QStringList{t("2001"), t("2002"), t("2003")};
        QTest::newRow("Bästa tid") << t("Option2") << QStringList{t("2003"), t("2001"), t("2002")};
        QTest::newRow("Sämsta tid") << t("Option4") << QStringList{t("2002"), t("2001"), t("2003")};
    }

    void orderingAtTheNextClick()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, years);
        open({runOfA(2001, t("00.30.00")), runOfA(2003, t("00.20.00")), runOfA(2002, t("00.40.00"))});
        click(0);
        const QList<QStringList> youngestFirst = shownRows();
        m_menu->findChild<QRadioButton *>(option)->click();
        QCOMPARE(shownRows(), youngestFirst);
        click(0);
        QCOMPARE(shownYears(), years);
    }

    void noOrderingEndsTheProgram()
    {
        open({runOfA(2001), runOfA(2002)});
        const QByteArray runFile = m_s->folder.read(run::fileName());
        m_menu->findChild<QButtonGroup *>()->setExclusive(false);
        m_menu->findChild<QRadioButton *>(QStringLiteral("Option1"))->setChecked(false);
        click(0);
        QCOMPARE(m_s->dialogs.messages(), QStringList{t("Fel i val av sortering")});
        QCOMPARE(m_s->dialogs.shown().first().title, QStringLiteral("Kvistra"));
        QVERIFY(m_s->windows.hasEnded());
        QCOMPARE(m_s->folder.read(run::fileName()), runFile);
    }
};

QTEST_MAIN(TestMenuClick)
#include "tst_menuclick.moc"
