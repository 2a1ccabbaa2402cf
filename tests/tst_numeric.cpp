#include "data/numeric.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>

class TestNumeric : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("leading zero") << QStringLiteral("02") << 2.0;
        QTest::newRow("sign after digits stops") << QStringLiteral("2-") << 2.0;
        QTest::newRow("letters only") << QStringLiteral("eb") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("plus sign") << QStringLiteral("+20") << 20.0;
        QTest::newRow("blank before sign") << QStringLiteral(" -12") << -12.0;
        QTest::newRow("blank between digits") << QStringLiteral("2 0") << 20.0;
        QTest::newRow("decimal") << QStringLiteral("12.5") << 12.5;
        QTest::newRow("second point stops") << QStringLiteral("1.2.3") << 1.2;
        QTest::newRow("no exponent") << QStringLiteral("1e1") << 1.0;
        QTest::newRow("second sign stops") << QStringLiteral("+-5") << 0.0;
        QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
        QTest::newRow("non-latin digit stops") << QStringLiteral("7\u0663") << 7.0;
        QTest::newRow("too many digits is infinite") << QString(400, u'9') << HUGE_VAL;
        QTest::newRow("too many digits, negative") << (u'-' + QString(400, u'9') + QStringLiteral(".5")) << -HUGE_VAL;
        QTest::newRow("fraction below range") << (QStringLiteral("0.") + QString(400, u'0') + u'1') << 0.0;
    }

    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numericValue(text), expected);
    }

    // A Swedish or German user has "," as the decimal separator; the files
    // still hold ".".
    void ignoresLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        const double withQtLocale = numericValue(u"12.5");
        QLocale::setDefault(previous);
        QCOMPARE(withQtLocale, 12.5);

        const char *found = nullptr;
        for (const char *name : {"sv_SE.UTF-8", "sv_SE.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
            if ((found = std::setlocale(LC_NUMERIC, name)))
                break;
        }
        if (!found)
            QSKIP("No locale with a decimal comma is installed");
        const double withCLocale = numericValue(u"12.5");
        const bool comma = std::localeconv()->decimal_point[0] == ',';
        std::setlocale(LC_NUMERIC, "C");
        QVERIFY(comma);
        QCOMPARE(withCLocale, 12.5);
    }
};

QTEST_GUILESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
