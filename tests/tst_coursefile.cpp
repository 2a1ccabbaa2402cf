#include "data/coursefile.h"
#include "registration/coursecheck.h"
#include "support/testfolder.h"

#include <QTest>

using coursecheck::Duplicate;
Q_DECLARE_METATYPE(coursecheck::Duplicate)

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

// The course file, by its bare name in the test folder.
const QString runda = QStringLiteral("RUNDA_BA");

const QString tooLong = t("Antal tecken får ej överstiga 50 st !");
const QString badSign = t("Banans namn får inte innehålla tecknen / eller \" !");
const QString notStorable = t("Banans namn innehåller tecken som inte kan sparas i filen !");
const QString countMax = t("Antalet mellantider inklusive sluttiden får vara max 10 st !");
const QString countRange = t("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!");
const QString distanceWrong = t("Något fel i registrering för distansen i meter.");

} // namespace

class TestCourseFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("distance");

        QTest::newRow("course") << t("Hörnsjön 2 stora varv/03/06000")
                                << t("Hörnsjön 2 stora varv") << t("03") << t("06000");
        QTest::newRow("slash in name") << t("a/b/10/00012") << t("a/b") << t("10") << t("00012");
        QTest::newRow("shortest course") << t("a/01/00010") << t("a") << t("01") << t("00010");
        // Hand-edited lines shorter than a course line.
        QTest::newRow("length 9") << t("123456789") << QString() << t("23") << t("56789");
        QTest::newRow("length 8") << t("12345678") << QString() << t("12") << t("45678");
        QTest::newRow("length 7") << t("1234567") << QString() << t("1") << t("34567");
        QTest::newRow("length 5") << t("12345") << QString() << QString() << t("12345");
        QTest::newRow("length 1") << t("1") << QString() << QString() << t("1");
        QTest::newRow("length 0") << QString() << QString() << QString() << QString();
    }

    void fields()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, distance);
        QCOMPARE(course::name(line), name);
        QCOMPARE(course::count(line), count);
        QCOMPARE(course::distance(line), distance);
    }

    void storeWritesBytes()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        const QString line = course::makeLine(t("Hörnsjön 2 stora varv"), t("03"), t("06000"));
        QCOMPARE(line, t("Hörnsjön 2 stora varv/03/06000"));
        QVERIFY(course::store({line}));
        QCOMPARE(folder.read(runda),
                 QByteArrayLiteral("\"H\xF6rnsj\xF6n 2 stora varv/03/06000\"\r\n"));
    }

    void loadKeepsOrder()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        QCOMPARE(course::load().status, seqfile::ReadStatus::Missing);
        folder.write(runda, QByteArrayLiteral("\"Zeta/03/06000\"\r\n\"Alfa/10/00012\"\r\n"
                                              "\"M\xE5" "n/01/99999\"\r\n"));
        const course::Table table = course::load();
        QCOMPARE(table.status, seqfile::ReadStatus::Ok);
        QCOMPARE(table.lines, (QStringList{t("Zeta/03/06000"), t("Alfa/10/00012"),
                                           t("Mån/01/99999")}));
    }

    void storeAppends()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        const QByteArray old = QByteArrayLiteral("\"B/03/06000\"\r\n\"A\x80/04/00600\"\r\n");
        folder.write(runda, old);
        QStringList lines = course::load().lines;
        lines.append(course::makeLine(t("C"), t("05"), t("00012")));
        QVERIFY(course::store(lines));
        QCOMPARE(folder.read(runda), old + "\"C/05/00012\"\r\n");
    }

    void checkName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");

        QTest::newRow("51 characters") << QString(51, u'ö') << tooLong;
        QTest::newRow("50 characters") << QString(50, u'ö') << QString();
        QTest::newRow("empty") << QString()
                               << t("Du kan inte registrera en bana med inget namn alls !");
        QTest::newRow("blanks only") << t("   ") << QString();
        QTest::newRow("slash") << t("a/b") << badSign;
        QTest::newRow("double quote") << t("a\"b") << badSign;
        QTest::newRow("CJK") << t("中") << notStorable;
        QTest::newRow("line break") << t("x\ny") << notStorable;
        QTest::newRow("51 with slash") << QString(50, u'a') + u'/' << tooLong;
        QTest::newRow("slash and CJK") << t("中/") << badSign;
    }

    void checkName()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QCOMPARE(coursecheck::checkName(name), message);
    }

    void checkCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");

        QTest::newRow("empty") << QString() << t("E") << QString();
        QTest::newRow("11") << t("11") << countMax << t("11");
        QTest::newRow("0") << t("0") << countRange << t("0");
        QTest::newRow("-1") << t("-1") << countRange << t("-1");
        QTest::newRow("letters") << t("eb") << countRange << t("eb");
        QTest::newRow("5a") << t("5a") << countRange << t("5a");
        QTest::newRow("1.5") << t("1.5") << countRange << t("1.5");
        QTest::newRow("1e1") << t("1e1") << countRange << t("1e1");
        QTest::newRow("blank 5") << t(" 5") << countRange << t(" 5");
        QTest::newRow("+5") << t("+5") << countRange << t("+5");
        QTest::newRow("010") << t("010") << countRange << t("010");
        QTest::newRow("3") << t("3") << QString() << t("03");
        QTest::newRow("10") << t("10") << QString() << t("10");
        QTest::newRow("07") << t("07") << QString() << t("07");
    }

    void checkCount()
    {
        QFETCH(QString, count);
        QFETCH(QString, message);
        QFETCH(QString, after);
        QCOMPARE(coursecheck::checkCount(count, t("E")), message);
        QCOMPARE(count, after);
    }

    void checkDistance_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");

        QTest::newRow("unknown") << t("?") << QString() << t("99999");
        QTest::newRow("empty") << QString() << t("Du kan inte registrera in blankt!") << QString();
        QTest::newRow("100000") << t("100000") << t("Sträckan får vara max 99999 meter!")
                                << t("100000");
        QTest::newRow("9") << t("9") << t("Sträckan måste vara minst 10 meter!") << t("9");
        QTest::newRow("006000") << t("006000")
                                << t("Sträckan anges med max 5 tecken samt i meter. Ex/ 6000!")
                                << t("006000");
        QTest::newRow("10") << t("10") << QString() << t("00010");
        QTest::newRow("6000") << t("6000") << QString() << t("06000");
        QTest::newRow("600") << t("600") << QString() << t("00600");
        QTest::newRow("99999 as typed") << t("99999") << QString() << t("99999");
        QTest::newRow("00010 as typed") << t("00010") << QString() << t("00010");
        QTest::newRow("12.5") << t("12.5") << distanceWrong << t("12.5");
        QTest::newRow("010") << t("010") << distanceWrong << t("010");
        QTest::newRow("0100") << t("0100") << distanceWrong << t("0100");
        QTest::newRow("slash") << t("6000/") << distanceWrong << t("6000/");
        QTest::newRow("double quote") << t("6000\"") << distanceWrong << t("6000\"");
        QTest::newRow("CJK") << t("1000中") << distanceWrong << t("1000中");
    }

    void checkDistance()
    {
        QFETCH(QString, distance);
        QFETCH(QString, message);
        QFETCH(QString, after);
        QCOMPARE(coursecheck::checkDistance(distance), message);
        QCOMPARE(distance, after);
    }

    void findDuplicate_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Duplicate>("expected");

        const QString a = t("A/03/06000");
        QTest::newRow("empty file") << QStringList{} << a << Duplicate::None;
        QTest::newRow("other course") << QStringList{t("B/03/06000")} << a << Duplicate::None;
        QTest::newRow("identical") << QStringList{t("B/01/00010"), a} << a << Duplicate::Identical;
        QTest::newRow("other count") << QStringList{t("A/04/06000")} << a << Duplicate::SameName;
        QTest::newRow("other distance") << QStringList{t("A/03/00600")} << a << Duplicate::SameName;
        const QString a4 = t("A/04/06000");
        QTest::newRow("same name last") << QStringList{a, a4} << a << Duplicate::SameName;
        QTest::newRow("identical last") << QStringList{a4, a} << a << Duplicate::Identical;
        QTest::newRow("other case") << QStringList{t("a/03/06000")} << a << Duplicate::None;
        QTest::newRow("trailing blank") << QStringList{t("A /03/06000")} << a << Duplicate::None;
        QTest::newRow("slash in name") << QStringList{t("a/b/04/00010")} << t("a/b/03/06000")
                                       << Duplicate::SameName;
        QTest::newRow("short hand-edited line") << QStringList{t("A")} << a << Duplicate::None;
    }

    void findDuplicate()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, line);
        QFETCH(Duplicate, expected);
        QCOMPARE(coursecheck::findDuplicate(lines, line), expected);
    }

    void duplicateMessage_data()
    {
        QTest::addColumn<Duplicate>("verdict");
        QTest::addColumn<QString>("message");

        QTest::newRow("none") << Duplicate::None << QString();
        QTest::newRow("same name")
            << Duplicate::SameName
            << t("Du har banan registrerad sedan tidigare. Jag tar inte med din nya bana. "
                 "Prova om.");
        QTest::newRow("identical")
            << Duplicate::Identical
            << t("Du har banan registrerad sedan tidigare, och antalet mellantider och distansen "
                  "är samma. Jag tar inte med din bana. Prova om.");
    }

    void duplicateMessage()
    {
        QFETCH(Duplicate, verdict);
        QFETCH(QString, message);
        QCOMPARE(coursecheck::duplicateMessage(verdict), message);
    }
};

QTEST_GUILESS_MAIN(TestCourseFile)
#include "tst_coursefile.moc"
