// The course registration window driven as a user would: type into the three
// boxes, press a button, then read the boxes shown and the course file. An
// unreadable course file is tested beside the first start.

#include "support/session.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString courseFile = QStringLiteral("RUNDA_BA");

QString u8(const char *text) { return QString::fromUtf8(text); }

// Course lines as the file holds them: quoted, Windows-1252, CR LF. The test
// texts only use Latin-1 and the euro sign.
QByteArray fileLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += '"';
        for (const QChar ch : line)
            bytes.append(ch == u'€' ? '\x80' : ch.toLatin1());
        bytes += "\"\r\n";
    }
    return bytes;
}

const QString sameCourse = QStringLiteral("Du har banan registrerad sedan tidigare, och antalet mellantider och "
                                          "distansen är samma. Jag tar inte med din bana. Prova om.");
const QString sameName =
    QStringLiteral("Du har banan registrerad sedan tidigare. Jag tar inte med din nya bana. Prova om.");

QLineEdit *box(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}

void press(QWidget *w, const char *name)
{
    auto *button = w->findChild<QPushButton *>(QString::fromLatin1(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void fill(QWidget *w, const QString &name, const QString &count, const QString &distance)
{
    box(w, "T_ban11")->setText(name);
    box(w, "T_mellan11")->setText(count);
    box(w, "T_distans11")->setText(distance);
}

// The window opened over a course file holding these bytes, its boxes filled.
QWidget *openFilled(Session &s, const QByteArray &courseBytes, const QString &name, const QString &count,
                    const QString &distance)
{
    s.folder.write(courseFile, courseBytes);
    QWidget *w = s.windows.show(Window::Regbana);
    if (w)
        fill(w, name, count, distance);
    return w;
}

const QStringList threeCourses = {QStringLiteral("Ängsvägen/05/02500"), QStringLiteral("Skogsrundan €/10/99999"),
                                  QStringLiteral("Kort/01/00010")};
const QStringList bana = {QStringLiteral("Annan/02/01000"), QStringLiteral("Bana/03/06000")};

} // namespace

class TestRegbana : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every refusal: one plain message box, the window stays, the file is as
    // it was, and the boxes show what the checks wrote back.
    void refuses_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("countAfter");
        QTest::addColumn<QString>("distanceAfter");

        const QString tooLong = u8("Antal tecken får ej överstiga 50 st !");
        const QString noName = u8("Du kan inte registrera en bana med inget namn alls !");
        const QString badSign = u8("Banans namn får inte innehålla tecknen / eller \" !");
        const QString unstorable = u8("Banans namn innehåller tecken som inte kan sparas i filen !");
        const QString countBlank = u8("Du kan inte skriva blankt här !");
        const QString countMax = u8("Antalet mellantider inklusive sluttiden får vara max 10 st !");
        const QString countRange = u8("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!");
        const QString distBlank = u8("Du kan inte registrera in blankt!");
        const QString distMax = u8("Sträckan får vara max 99999 meter!");
        const QString distMin = u8("Sträckan måste vara minst 10 meter!");
        const QString distChars = u8("Sträckan anges med max 5 tecken samt i meter. Ex/ 6000!");
        const QString distWrong = u8("Något fel i registrering för distansen i meter.");
        const QString ok = u8("Bana");

        auto row = [](const char *tag, const QString &n, const char *c, const char *d, const QString &m,
                      const char *cAfter, const char *dAfter, const QStringList &stored = threeCourses) {
            QTest::newRow(tag) << stored << n << u8(c) << u8(d) << m << u8(cAfter) << u8(dAfter);
        };
        // The first check that fails is the one told. A name that fails
        // leaves the other boxes as typed: no later check runs.
        row("name 51, with slash", QString(50, u'x') + u'/', "3", "6000", tooLong, "3", "6000");
        row("name empty", QString(), "7", "9", noName, "7", "9");
        row("name slash, with han", u8("Runt/sjön 中"), "3", "6000", badSign, "3", "6000");
        row("name quote", u8("Runt \"sjön\""), "3", "6000", badSign, "3", "6000");
        row("name han", u8("Bana 中"), "3", "6000", unstorable, "3", "6000");
        row("name line break", u8("Bana\nny"), "3", "6000", unstorable, "3", "6000");
        row("count empty", ok, "", "?", countBlank, "", "?");
        row("count 11", ok, "11", "6000", countMax, "11", "6000");
        // A count of 1 to 10 must also be one or two digits.
        for (const char *c : {"0", "5a", "010"})
            row(qPrintable(u8("count '%1'").arg(u8(c))), ok, c, "6000", countRange, c, "6000");
        // The count keeps its leading zero when the distance is refused.
        row("distance 9", ok, "7", "9", distMin, "07", "9");
        row("distance empty", ok, "3", "", distBlank, "03", "");
        row("distance 100000", ok, "3", "100000", distMax, "03", "100000");
        row("distance 006000", ok, "03", "006000", distChars, "03", "006000");
        // Not five characters once padded, or not fit for the file.
        for (const char *d : {"12.5", "6000/", "6000\"", "1000中"})
            row(qPrintable(u8("distance '%1'").arg(u8(d))), ok, "3", d, distWrong, "03", d);

        // A course already stored under the name; the last line with it decides.
        row("other count", ok, "4", "6000", sameName, "04", "06000", bana);
        row("other distance", ok, "3", "?", sameName, "03", "99999", bana);
        row("last is same name", ok, "3", "6000", sameName, "03", "06000",
            {u8("Bana/03/06000"), u8("Bana/04/06000")});
        row("last is identical", ok, "3", "6000", sameCourse, "03", "06000",
            {u8("Bana/04/06000"), u8("Bana/03/06000")});
    }

    void refuses()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, distance);
        QFETCH(QString, message);
        QFETCH(QString, countAfter);
        QFETCH(QString, distanceAfter);

        Session s;
        const QByteArray before = fileLines(stored);
        QWidget *w = openFilled(s, before, name, count, distance);
        QVERIFY(w);

        // A second press on what the first left in the boxes gives the same.
        for (int pressed = 1; pressed <= 2; ++pressed) {
            press(w, "Command1");
            QVERIFY(s.windows.isLoaded(Window::Regbana));
            QCOMPARE(s.dialogs.messages(), QStringList(pressed, message));
            QCOMPARE(s.dialogs.shown().last().title, QStringLiteral("Kvistra"));
            QCOMPARE(s.dialogs.shown().last().icon, Dialogs::Icon::None);
            QCOMPARE(box(w, "T_ban11")->text(), name);
            QCOMPARE(box(w, "T_mellan11")->text(), countAfter);
            QCOMPARE(box(w, "T_distans11")->text(), distanceAfter);
            QCOMPARE(s.folder.read(courseFile), before);
        }
    }

    // The new course is added after the stored ones, which are written back
    // as they were.
    void registers_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("line");

        auto row = [](const char *tag, const QString &n, const char *c, const char *d, const QString &line,
                      const QStringList &stored = threeCourses) {
            QTest::newRow(tag) << stored << n << u8(c) << u8(d) << line;
        };
        row("count and distance padded", u8("Hörnsjön 2 stora varv"), "3", "6000",
            u8("Hörnsjön 2 stora varv/03/06000"));
        row("distance not known", u8("Okänd"), "1", "?", u8("Okänd/01/99999"));
        row("count 10, distance 10", u8("Tio"), "10", "10", u8("Tio/10/00010"));
        row("zeros typed", u8("Nollor"), "02", "00010", u8("Nollor/02/00010"));
        const QString fifty = u8("Ö€") + QString(48, u'x');
        row("name of 50, longest distance", fifty, "5", "99999", fifty + u8("/05/99999"));
        row("name of blanks, distance 600", u8("   "), "3", "600", u8("   /03/00600"));
        // Names are told apart exactly as typed, and by the name field alone.
        row("other case", u8("bana"), "3", "6000", u8("bana/03/06000"), bana);
        row("trailing blank", u8("Bana "), "3", "6000", u8("Bana /03/06000"), bana);
        row("name inside another", u8("Ban"), "3", "6000", u8("Ban/03/06000"), bana);
        row("short hand-edited line", u8("Bana"), "3", "6000", u8("Bana/03/06000"), {u8("Bana")});
    }

    void registers()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, distance);
        QFETCH(QString, line);

        Session s;
        const QByteArray before = fileLines(stored);
        QWidget *w = openFilled(s, before, name, count, distance);
        QVERIFY(w);
        press(w, "Command1");

        QCOMPARE(s.dialogs.shown().size(), 0);
        QVERIFY(!s.windows.isLoaded(Window::Regbana));
        QCOMPARE(s.folder.read(courseFile), before + fileLines({line}));
    }

    // With no course file, the window opens without asking and creates it.
    void startsWithoutCourseFile()
    {
        Session s;
        QWidget *w = s.windows.show(Window::Regbana);
        QVERIFY(w);
        fill(w, u8("Hörnsjön 2 stora varv"), u8("3"), u8("6000"));
        press(w, "Command1");
        QCOMPARE(s.dialogs.shown().size(), 0);
        QVERIFY(!s.windows.isLoaded(Window::Regbana));
        QCOMPARE(s.folder.read(courseFile), QByteArray("\"H\xF6" "rnsj\xF6" "n 2 stora varv/03/06000\"\r\n"));
    }

    void failedWriteKeepsWindowAndBoxes()
    {
        Session s;
        QWidget *w = s.windows.show(Window::Regbana);
        QVERIFY(w);
        s.folder.blockWithFolder(courseFile);
        fill(w, u8("Bana"), u8("3"), u8("6000"));
        press(w, "Command1");
        QCOMPARE(s.dialogs.messages(),
                 QStringList{QStringLiteral("Filen RUNDA_BA kunde inte sparas. Inget har ändrats i filen.")});
        QVERIFY(s.windows.isLoaded(Window::Regbana));
        QCOMPARE(box(w, "T_ban11")->text(), QStringLiteral("Bana"));
        QCOMPARE(box(w, "T_mellan11")->text(), QStringLiteral("03"));
        QCOMPARE(box(w, "T_distans11")->text(), QStringLiteral("06000"));
    }

    // Filled boxes are dropped: not even an empty course file is written.
    void backWithoutRegistering()
    {
        Session s;
        QWidget *w = s.windows.show(Window::Regbana);
        QVERIFY(w);
        fill(w, u8("Ny bana"), u8("3"), u8("6000"));
        press(w, "Command2");
        QVERIFY(!s.windows.isLoaded(Window::Regbana));
        QCOMPARE(s.dialogs.shown().size(), 0);
        QVERIFY(!s.folder.exists(courseFile));
    }

    void tabOrder()
    {
        Session s;
        QWidget *w = s.windows.show(Window::Regbana);
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), box(w, "T_ban11"));

        // Tab visits the five controls in this order and comes back to the name.
        const QStringList expected = u8("Command1 T_mellan11 T_distans11 Command2 T_ban11").split(u' ');
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }
};

QTEST_MAIN(TestRegbana)
#include "tst_regbana.moc"
