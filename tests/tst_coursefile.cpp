#include "data/coursefile.h"

#include <QTest>

namespace {

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

// A course line is "name/count/distance"; the fields are cut from its end, so
// a "/" in a name stays in the name. The checks of a new course are tested
// where the registration window and the first-run questions apply them.
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
        // Hand-edited lines shorter than a course line: nothing is read from
        // outside the line.
        QTest::newRow("length 8") << t("12345678") << QString() << t("12") << t("45678");
        QTest::newRow("length 7") << t("1234567") << QString() << t("1") << t("34567");
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
};

QTEST_GUILESS_MAIN(TestCourseFile)
#include "tst_coursefile.moc"
