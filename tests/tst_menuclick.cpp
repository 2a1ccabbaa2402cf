// A course click in the analysis window: the course's runs within the year
// interval, in the chosen order, in the result table.

#include "app/navigation.h"
#include "data/coursefile.h"
#include "data/runfile.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "ui/registry.h"

#include <QButtonGroup>
#include <QDir>
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

// Courses A (3 timed points), B, C (no runs unless a test gives it some),
// E (1 timed point) and T (10).
const QStringList courses{t("A/03/06000"), t("B/03/00500"), t("C/03/01000"), t("E/01/00100"), t("T/10/09999")};

QString record(const QString &courseLine, const QString &date, const QStringList &times)
{
    return courseLine + t("/T/") + date + t("/Kändes bra/+20/79.0/") + times.join(u'/');
}

// A run over course A in the given year, its times telling the year too.
QString runOfA(int year, const QString &finalTime = QString())
{
    const QString yy = QString::number(year % 100).rightJustified(2, u'0');
    return record(courses[0], t("01-jan-") + QString::number(year),
                  {t("00.01.") + yy, t("00.02.") + yy, finalTime.isEmpty() ? t("00.03.") + yy : finalTime});
}

} // namespace

class TestMenuClick : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void eachChoiceRunsOnce_data();
    void eachChoiceRunsOnce();
    void failedClickIsTold_data();
    void failedClickIsTold();
    void newCourseSetsTheInterval_data();
    void newCourseSetsTheInterval();
    void sameCourseKeepsTheInterval();
    void everyRowAndItsLabels();
    void courseWithoutRuns();
    void noCapOnTheRuns();
    void timedPoints_data();
    void timedPoints();
    void orderingAtTheNextClick_data();
    void orderingAtTheNextClick();
    void noOrderingEndsTheProgram();

private:
    void open(const QStringList &runs, const QStringList &courseLines = courses);
    void click(int row);
    QLabel *label(int number) const;
    // The visible rows from the top as {date, final time, split times};
    // a row saying what is wrong stands where a row is partly shown, a hidden
    // row stands between shown ones, or the headers do not follow row 1.
    QList<QStringList> shownRows() const;
    QStringList shownDates() const;
    QString caption(const QString &name) const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<WindowRegistry> m_windows;
    QWidget *m_menu = nullptr;
    QListWidget *m_list = nullptr;
};

void TestMenuClick::init()
{
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->isValid());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_windows = std::make_unique<WindowRegistry>(*m_dialogs);
    registerWindows(*m_windows);
}

void TestMenuClick::cleanup()
{
    m_windows.reset();
    m_dialogs.reset();
    m_folder.reset();
}

void TestMenuClick::open(const QStringList &runs, const QStringList &courseLines)
{
    QVERIFY(course::store(courseLines));
    QVERIFY(run::store(runs));
    m_menu = m_windows->show(Window::Menu);
    QVERIFY(m_menu);
    m_list = m_menu->findChild<QListWidget *>(QStringLiteral("List1"));
    QVERIFY(m_list);
}

void TestMenuClick::click(int row)
{
    const QRect rect = m_list->visualItemRect(m_list->item(row));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rect.center());
}

QLabel *TestMenuClick::label(int number) const
{
    auto *found = m_menu->findChild<QLabel *>(QStringLiteral("Label") + QString::number(number));
    if (!found)
        qFatal("No Label%d", number);
    return found;
}

QList<QStringList> TestMenuClick::shownRows() const
{
    QList<QStringList> rows;
    bool hiddenSeen = false;
    for (const int date : dateLabels) {
        const bool shown = label(date)->isVisible();
        const QString where = QStringLiteral(" at Label") + QString::number(date);
        if (label(date + 1)->isVisible() != shown || label(date + 2)->isVisible() != shown)
            rows.append({QStringLiteral("row partly shown") + where});
        if (!shown) {
            hiddenSeen = true;
            continue;
        }
        if (hiddenSeen)
            rows.append({QStringLiteral("gap before the row") + where});
        rows.append({label(date)->text(), label(date + 2)->text(), label(date + 1)->text()});
    }
    const bool headers = label(93)->isVisible();
    if (label(94)->isVisible() != headers || label(95)->isVisible() != headers || headers == rows.isEmpty())
        rows.append({QStringLiteral("headers do not follow row 1")});
    return rows;
}

QStringList TestMenuClick::shownDates() const
{
    QStringList dates;
    for (const QStringList &row : shownRows())
        dates << row.first();
    return dates;
}

QString TestMenuClick::caption(const QString &name) const
{
    return m_menu->findChild<QLabel *>(name)->text();
}

enum class Choice { MouseOnNew, MouseOnSelected, DoubleClick, RightButton, KeyboardMoves, FocusAlone };
Q_DECLARE_METATYPE(Choice)

void TestMenuClick::eachChoiceRunsOnce_data()
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

void TestMenuClick::eachChoiceRunsOnce()
{
    QFETCH(Choice, choice);
    QFETCH(int, runs);
    // Without a run file every run of the handler shows one message.
    open({});
    QFile::remove(run::fileName());
    if (choice != Choice::FocusAlone) {
        click(0);
        m_dialogs->clear();
    }
    switch (choice) {
    case Choice::MouseOnNew:
        click(2);
        break;
    case Choice::MouseOnSelected:
        click(0);
        break;
    case Choice::DoubleClick:
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, m_list->visualItemRect(m_list->item(1)).center());
        break;
    case Choice::RightButton:
        QTest::mouseClick(m_list->viewport(), Qt::RightButton, {}, m_list->visualItemRect(m_list->item(1)).center());
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
    QCOMPARE(m_dialogs->messages(), QStringList(runs, noRuns));
}

enum class Failure { MissingRunFile, UnreadableRunFile, BrokenCount };
Q_DECLARE_METATYPE(Failure)

void TestMenuClick::failedClickIsTold_data()
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

void TestMenuClick::failedClickIsTold()
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
    const QStringList captions{caption(QStringLiteral("T_dist")), caption(QStringLiteral("L_visaantal")),
                               caption(QStringLiteral("L_visafyear")), caption(QStringLiteral("L_visatyear"))};
    m_dialogs->clear();

    if (failure == Failure::MissingRunFile)
        QVERIFY(QFile::remove(run::fileName()));
    if (failure == Failure::UnreadableRunFile) {
        QVERIFY(QFile::remove(run::fileName()));
        m_folder->blockWithFolder(run::fileName());
    }
    click(failure == Failure::BrokenCount ? 5 : 1);

    QCOMPARE(m_dialogs->messages(), QStringList{message});
    QCOMPARE(m_dialogs->shown().first().title, QStringLiteral("Kvistra"));
    QCOMPARE(shownRows(), tableKept ? before : QList<QStringList>{});
    QCOMPARE((QStringList{caption(QStringLiteral("T_dist")), caption(QStringLiteral("L_visaantal")),
                          caption(QStringLiteral("L_visafyear")), caption(QStringLiteral("L_visatyear"))}),
             captions);
}

void TestMenuClick::newCourseSetsTheInterval_data()
{
    QTest::addColumn<QList<int>>("years");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("file not in date order") << QList<int>{2003, 2001, 2005} << 2001 << 2005;
    QTest::newRow("a single year") << QList<int>{2002, 2002} << 2002 << 2002;
    QTest::newRow("a year beyond the bars' design") << QList<int>{1950, 2150} << 1950 << 2150;
}

void TestMenuClick::newCourseSetsTheInterval()
{
    QFETCH(QList<int>, years);
    QFETCH(int, first);
    QFETCH(int, last);
    QStringList runs;
    for (int year : years)
        runs << runOfA(year);
    open(runs);
    click(0);

    for (const char *name : {"HScroll1", "HScroll2"}) {
        auto *bar = m_menu->findChild<QScrollBar *>(QString::fromLatin1(name));
        QCOMPARE(bar->minimum(), first);
        QCOMPARE(bar->maximum(), last);
    }
    QCOMPARE(m_menu->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->value(), first);
    QCOMPARE(m_menu->findChild<QScrollBar *>(QStringLiteral("HScroll2"))->value(), last);
    QCOMPARE(caption(QStringLiteral("L_visafyear")), QString::number(first));
    QCOMPARE(caption(QStringLiteral("L_visatyear")), QString::number(last));
    QCOMPARE(shownRows().size(), years.size());
}

void TestMenuClick::sameCourseKeepsTheInterval()
{
    open({runOfA(2003), runOfA(2001), runOfA(2005), runOfA(2004), runOfA(2002),
          record(courses[1], t("01-jan-2010"), {t("00.01.00"), t("00.02.00"), t("00.03.00")})});
    click(0);
    m_menu->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(2002);
    m_menu->findChild<QScrollBar *>(QStringLiteral("HScroll2"))->setValue(2004);
    QCOMPARE(caption(QStringLiteral("L_visafyear")), t("2002"));
    QCOMPARE(caption(QStringLiteral("L_visatyear")), t("2004"));
    QCOMPARE(shownRows().size(), 5); // the bars alone change no row

    click(0);
    QCOMPARE(caption(QStringLiteral("L_visafyear")), t("2002"));
    QCOMPARE(caption(QStringLiteral("L_visatyear")), t("2004"));
    // Both ends included, rows from the top with no gap, the counter over all years.
    QCOMPARE(shownDates(), (QStringList{t("01-jan-2004"), t("01-jan-2003"), t("01-jan-2002")}));
    QCOMPARE(caption(QStringLiteral("L_visaantal")), t("5"));

    // First year after last year: no row, the counter still counts them all.
    m_menu->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(2004);
    m_menu->findChild<QScrollBar *>(QStringLiteral("HScroll2"))->setValue(2003);
    click(0);
    QCOMPARE(shownRows(), QList<QStringList>{});
    QCOMPARE(caption(QStringLiteral("L_visaantal")), t("5"));

    click(1);
    QCOMPARE(caption(QStringLiteral("L_visafyear")), t("2010"));
    click(0);
    QCOMPARE(caption(QStringLiteral("L_visafyear")), t("2001"));
    QCOMPARE(caption(QStringLiteral("L_visatyear")), t("2005"));
    QCOMPARE(shownRows().size(), 5);
}

void TestMenuClick::everyRowAndItsLabels()
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
    QCOMPARE(caption(QStringLiteral("L_visaantal")), t("35"));
    QCOMPARE(caption(QStringLiteral("T_dist")), t(" 6000 meter"));
}

void TestMenuClick::courseWithoutRuns()
{
    open({runOfA(2001)});
    click(0);
    QCOMPARE(shownRows().size(), 1);
    click(2);
    QVERIFY(m_dialogs->messages().isEmpty());
    QCOMPARE(shownRows(), QList<QStringList>{});
    QCOMPARE(caption(QStringLiteral("L_visaantal")), t("0"));
    QCOMPARE(caption(QStringLiteral("T_dist")), t(" 6000 meter"));
    QCOMPARE(caption(QStringLiteral("L_visafyear")), t("2001"));
}

void TestMenuClick::noCapOnTheRuns()
{
    // More records than 1001, and more runs of one course than 1001.
    QStringList runs(100, record(courses[1], t("01-jan-2001"), {t("00.01.00"), t("00.02.00"), t("00.03.00")}));
    for (int k = 0; k < 1100; ++k)
        runs << runOfA(2001 + k % 20);
    open(runs);
    click(0);
    QCOMPARE(caption(QStringLiteral("L_visaantal")), t("1100"));
    QCOMPARE(shownRows().size(), 28);
    QCOMPARE(shownDates().first(), t("01-jan-2020"));
}

void TestMenuClick::timedPoints_data()
{
    QTest::addColumn<int>("course");
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QString>("splits");
    QTest::addColumn<QString>("distance");

    QTest::newRow("final time only") << 3 << QStringList{t("00.05.00")} << QString() << t(" 100 meter");
    QStringList ten;
    for (int k = 1; k <= 10; ++k)
        ten << t("00.0%1.00").arg(k - 1);
    QTest::newRow("ten timed points")
        << 4 << ten
        << t("00.00.00 : 00.01.00 : 00.02.00 : 00.03.00 : 00.04.00 : 00.05.00 : 00.06.00 : 00.07.00 : 00.08.00")
        << t(" 9999 meter");
}

void TestMenuClick::timedPoints()
{
    QFETCH(int, course);
    QFETCH(QStringList, times);
    QFETCH(QString, splits);
    QFETCH(QString, distance);
    open({record(courses[course], t("02-feb-2001"), times)});
    click(course);
    QCOMPARE(shownRows(), (QList<QStringList>{{t("02-feb-2001"), times.last(), splits}}));
    QCOMPARE(caption(QStringLiteral("T_dist")), distance);
}

void TestMenuClick::orderingAtTheNextClick_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("years");
    QTest::newRow("Yngsta datum") << t("Option1") << QStringList{t("2003"), t("2002"), t("2001")};
    QTest::newRow("Äldsta datum") << t("Option3") << QStringList{t("2001"), t("2002"), t("2003")};
    QTest::newRow("Bästa tid") << t("Option2") << QStringList{t("2003"), t("2001"), t("2002")};
    QTest::newRow("Sämsta tid") << t("Option4") << QStringList{t("2002"), t("2001"), t("2003")};
}

void TestMenuClick::orderingAtTheNextClick()
{
    QFETCH(QString, option);
    QFETCH(QStringList, years);
    open({runOfA(2001, t("00.30.00")), runOfA(2003, t("00.20.00")), runOfA(2002, t("00.40.00"))});
    click(0);
    const QList<QStringList> youngestFirst = shownRows();
    m_menu->findChild<QRadioButton *>(option)->click();
    QCOMPARE(shownRows(), youngestFirst);
    click(0);
    QStringList shown;
    for (const QString &date : shownDates())
        shown << date.right(4);
    QCOMPARE(shown, years);
}

void TestMenuClick::noOrderingEndsTheProgram()
{
    open({runOfA(2001), runOfA(2002)});
    const QByteArray runFile = m_folder->read(run::fileName());
    auto *group = m_menu->findChild<QButtonGroup *>();
    group->setExclusive(false);
    m_menu->findChild<QRadioButton *>(QStringLiteral("Option1"))->setChecked(false);
    click(0);
    QCOMPARE(m_dialogs->messages(), QStringList{t("Fel i val av sortering")});
    QCOMPARE(m_dialogs->shown().first().title, QStringLiteral("Kvistra"));
    QVERIFY(m_windows->hasEnded());
    QCOMPARE(m_folder->read(run::fileName()), runFile);
}

QTEST_MAIN(TestMenuClick)
#include "tst_menuclick.moc"
