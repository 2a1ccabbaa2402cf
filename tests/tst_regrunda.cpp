// The run registration window driven as a user would: choose a course, type
// into the boxes, press a button, then read what is shown and the run file.

#include "data/coursefile.h"
#include "data/runfile.h"
#include "support/session.h"
#include "support/writelimit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

const QString runFile = QStringLiteral("RUNDA_RE");
const QStringList courses{t("Kort/01/00010"), t("Hörnsjön 2 stora varv/03/06000"), t("Två/02/01000"),
                          t("Tio/10/09999")};
const QStringList fiveRuns{t("Kort/01/00010/M/01-jan-2001/a/+1/70.0/00.01.00"),
                           t("Kort/01/00010/M/02-jan-2001/b/+1/70.0/00.01.00"),
                           t("Två/02/01000/T/03-jan-2001/c/-3/71.0/00.02.00/00.04.00"),
                           t("Kort/01/00010/M/04-jan-2001/d/+1/70.0/00.01.00"),
                           t("Kort/01/00010/M/05-jan-2001/e/+1/70.0/00.01.00")};

// The example run on Hörnsjön 2 stora varv, as it ends the run file.
const QByteArray exampleLine = "\"H\xF6rnsj\xF6n 2 stora varv/03/06000/T/02-feb-2001/K\xE4ndes bra. Sol och bra "
                               "v\xE4" "der./+20/79.0/00.10.15/00.21.40/00.33.05\"\r\n";

QStringList visibleControls(QWidget *w)
{
    QStringList names;
    for (QWidget *child : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            names << child->objectName();
    }
    names.sort();
    return names;
}

} // namespace

class TestRegrunda : public QObject
{
    Q_OBJECT

    std::unique_ptr<Session> m_s;
    QPointer<QWidget> m_w;

    QListWidget *list() const { return m_w->findChild<QListWidget *>(QStringLiteral("List1")); }
    QLineEdit *box(const QString &name) const { return m_w->findChild<QLineEdit *>(name); }
    QString caption(const char *name) const { return m_w->findChild<QLabel *>(QString::fromLatin1(name))->text(); }

    void open(const QStringList &runs)
    {
        QVERIFY(course::store(courses));
        if (!runs.isEmpty())
            QVERIFY(run::store(runs));
        m_w = m_s->windows.show(Window::Regrunda);
        QVERIFY(m_w);
    }

    void choose(int row)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }

    void fillExample()
    {
        const QStringList texts{t("T"), t("02-feb-2001"), t("Kändes bra. Sol och bra väder."), t("+20"), t("79.0")};
        for (int i = 0; i < texts.size(); ++i)
            box(QStringLiteral("T_reg%1").arg(i + 4))->setText(texts[i]);
        const QStringList times{t("00.10.15"), t("00.21.40"), t("00.33.05")};
        for (int k = 1; k <= 10; ++k)
            box(QStringLiteral("Text%1").arg(k))->setText(k <= 3 ? times[k - 1] : t("fel"));
    }

    void press(const char *button)
    {
        QTest::mouseClick(m_w->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() { m_s = std::make_unique<Session>(); }
    void cleanup() { m_s.reset(); }

    void opensChoosing()
    {
        open({});
        QCOMPARE(m_w->windowTitle(), t("Registrera en runda"));
        QCOMPARE(m_w->size(), QSize(856, 486));
        QCOMPARE(visibleControls(m_w), t("Command2 Label7 List1").split(u' '));
        QStringList names;
        for (int row = 0; row < list()->count(); ++row)
            names << list()->item(row)->text();
        QCOMPARE(names, t("Kort|Hörnsjön 2 stora varv|Två|Tio").split(u'|'));
    }

    // Choosing a course: the list goes, the boxes come, with as many time
    // boxes as the course has timed points.
    void chooseCourse_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("n");
        QTest::newRow("1") << 0 << t("Ange sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)") << 1;
        QTest::newRow("2") << 2 << t("Ange mellantiden samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)") << 2;
        QTest::newRow("10") << 3 << t("Ange 9 mellantider samt sluttiden Ex/ 00.10.15 (dvs hh.mm.ss)") << 10;
    }

    void chooseCourse()
    {
        QFETCH(int, row);
        QFETCH(QString, prompt);
        QFETCH(int, n);
        open({});
        choose(row);

        QStringList expected = t("Command1 Command2 Label1 Label2 Label3 Label4 Label5 Label6 Label8 T_banareg1 "
                                 "T_reg4 T_reg5 T_reg6 T_reg7 T_reg8")
                                   .split(u' ');
        for (int k = 1; k <= n; ++k)
            expected << QStringLiteral("Text%1").arg(k);
        expected.sort();
        QCOMPARE(visibleControls(m_w), expected);
        QCOMPARE(caption("Label6"), prompt);
        QCOMPARE(caption("T_banareg1"), courses[row].chopped(9));
        QCOMPARE(box(QStringLiteral("Text%1").arg(n))->geometry(), QRect((4200 + 840 * (n - 1)) / 15, 400, 57, 19));
    }

    // Only a left click or Enter chooses; moving through the list does not.
    void chooseWithMouseOrKeys()
    {
        open({});
        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, list()->visualItemRect(list()->item(1)).center());
        QVERIFY(list()->isVisible());
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Home);
        QTest::keyClick(list(), Qt::Key_Down);
        QVERIFY(list()->isVisible());
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(!list()->isVisible());
        QCOMPARE(caption("T_banareg1"), t("Hörnsjön 2 stora varv"));
    }

    // The example run is stored after the runs read when the window opened;
    // time boxes past the course's three are not read.
    void registersExampleRun_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::newRow("no run file") << QStringList();
        QTest::newRow("five runs") << fiveRuns;
        // The new run is run 1002: no table is full at 1001.
        QStringList full;
        for (int i = 0; i < 1001; ++i)
            full << fiveRuns[i % 5];
        QTest::newRow("1001 runs") << full;
    }

    void registersExampleRun()
    {
        QFETCH(QStringList, before);
        open(before);
        const QByteArray bytesBefore = m_s->folder.read(runFile);
        choose(1);
        fillExample();
        press("Command1");

        QCOMPARE(m_s->dialogs.messages(), QStringList());
        QCOMPARE(m_s->folder.read(runFile), bytesBefore + exampleLine);
        QVERIFY(!m_s->windows.isLoaded(Window::Regrunda));
        QTRY_VERIFY(m_w.isNull());
    }

    // A refused press shows its messages, stores nothing and leaves the boxes
    // as typed; the analysis window goes at every press all the same.
    void refusedPress_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("month") << t("T_reg5") << t("02-Feb-2001")
                               << QStringList{t("Fel månads stavning!"), t("Fel registrerat i 2:a registrerings rutan !")};
        QTest::newRow("time box 2") << t("Text2") << QString()
                                    << QStringList{t("Du kan inte lämna blankt här! Tidsruta nr  2")};
    }

    void refusedPress()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        open(fiveRuns);
        const QByteArray bytesBefore = m_s->folder.read(runFile);
        choose(1);
        fillExample();
        this->box(box)->setText(text);

        for (int pressed = 1; pressed <= 2; ++pressed) {
            QVERIFY(m_s->windows.show(Window::Menu));
            press("Command1");
            QVERIFY(!m_s->windows.isLoaded(Window::Menu));
            QVERIFY(m_s->windows.isLoaded(Window::Regrunda));
            QCOMPARE(m_s->dialogs.messages().mid(messages.size() * (pressed - 1)), messages);
            QCOMPARE(this->box(box)->text(), text);
            QCOMPARE(this->box(QStringLiteral("Text10"))->text(), t("fel"));
            QCOMPARE(m_s->folder.read(runFile), bytesBefore);
        }
        QCOMPARE(m_s->dialogs.shown().size(), 2 * messages.size());
    }

    void unreadableFileKeepsWindowClosed_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("course file") << t("RUNDA_BA");
        QTest::newRow("run file") << t("RUNDA_RE");
    }

    void unreadableFileKeepsWindowClosed()
    {
        QFETCH(QString, file);
        m_s->folder.blockWithFolder(file);
        QCOMPARE(m_s->windows.show(Window::Regrunda), nullptr);
        QVERIFY(!m_s->windows.isLoaded(Window::Regrunda));
        QCOMPARE(m_s->dialogs.messages(), QStringList{file.prepend(t("Filen ")) + t(" kunde inte läsas. Inget har "
                                                                                     "ändrats i filen.")});
    }

    void missingCourseFileListsNothing()
    {
        m_w = m_s->windows.show(Window::Regrunda);
        QVERIFY(m_w);
        QCOMPARE(list()->count(), 0);
        QVERIFY(m_s->dialogs.shown().isEmpty());
    }

    // The file stays as it was and the boxes as typed; a later press that
    // can write stores the run once.
    void failedWriteKeepsWindowAndFile()
    {
        open(fiveRuns);
        const QByteArray bytesBefore = m_s->folder.read(runFile);
        choose(1);
        fillExample();
        {
            WriteLimit limit(16);
            press("Command1");
        }
        QCOMPARE(m_s->dialogs.messages(), QStringList{t("Filen RUNDA_RE kunde inte sparas. Inget har ändrats i filen.")});
        QVERIFY(m_s->windows.isLoaded(Window::Regrunda));
        QCOMPARE(m_s->folder.read(runFile), bytesBefore);
        QCOMPARE(box(t("T_reg6"))->text(), t("Kändes bra. Sol och bra väder."));

        press("Command1");
        QCOMPARE(m_s->folder.read(runFile), bytesBefore + exampleLine);
    }

    // Typed boxes are dropped; opening again starts afresh.
    void backStoresNothing()
    {
        open({});
        choose(1);
        fillExample();
        press("Command2");
        QVERIFY(!m_s->windows.isLoaded(Window::Regrunda));
        QVERIFY(!m_s->folder.exists(runFile));

        m_w = m_s->windows.show(Window::Regrunda);
        QVERIFY(m_w);
        QCOMPARE(visibleControls(m_w), t("Command2 Label7 List1").split(u' '));
        QCOMPARE(box(t("T_reg4"))->text(), QString());
    }

    // Tab visits the shown controls in their order, the register button
    // straight after the pace box.
    void tabOrder()
    {
        open({});
        choose(3);
        QApplication::setActiveWindow(m_w);
        QVERIFY(QTest::qWaitForWindowActive(m_w));
        QCOMPARE(QApplication::focusWidget(), box(t("T_reg4")));

        QStringList expected = t("Command1 T_reg5 T_reg6 T_reg7 T_reg8").split(u' ');
        for (int k = 1; k <= 10; ++k)
            expected << QStringLiteral("Text%1").arg(k);
        expected << t("Command2") << t("T_reg4");
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }
};

QTEST_MAIN(TestRegrunda)
#include "tst_regrunda.moc"
