#include "data/cp1252.h"
#include "data/seqfile.h"
#include "support/testfolder.h"
#include "support/writelimit.h"

#include <QDir>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString fileName = QStringLiteral("DATA");

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

class TestSeqFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readItems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("quoted, rest of line skipped") << s("\"ab\"cd\r\n") << QStringList{s("ab")};
        QTest::newRow("unquoted trimmed") << s(" \ta b \t\r\n") << QStringList{s("a b")};
        QTest::newRow("comma separates") << s("a,b\r\n") << QStringList{s("a"), s("b")};
        QTest::newRow("comma inside quotes") << s("\"a,b\"\r\n") << QStringList{s("a,b")};
        QTest::newRow("blanks inside quotes") << s("\" x \"") << QStringList{s(" x ")};
        QTest::newRow("blanks around quotes, rest up to comma")
            << s("  \"a\" x,b") << QStringList{s("a"), s("b")};
        QTest::newRow("empty quoted item")
            << s("\"\"\r\n\"b\"\r\n") << QStringList{QString(), s("b")};
        QTest::newRow("LF only") << s("\"a\"\n\"b\"\n") << QStringList{s("a"), s("b")};
        QTest::newRow("CR only") << s("a\rb\r") << QStringList{s("a"), s("b")};
        QTest::newRow("no last line end") << s("\"a\"\r\nb") << QStringList{s("a"), s("b")};
        QTest::newRow("empty text") << QString() << QStringList{};
        QTest::newRow("CR LF, with a blank line")
            << s("\"a\"\r\n\r\n\"b\"\r\n") << QStringList{s("a"), QString(), s("b")};
        QTest::newRow("missing closing quote ends with its line")
            << s("\"ab\r\n\"cd\"\r\n") << QStringList{s("ab"), s("cd")};
    }

    void readItems()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(seqfile::readItems(text), expected);
    }

    // The five bytes the code page leaves undefined stand for the control
    // characters of the same number; every other byte is as Qt's own
    // converter has it, where this Qt has one.
    void decodeMatchesQt()
    {
        const QList<int> undefined{0x81, 0x8D, 0x8F, 0x90, 0x9D};
        for (const int b : undefined)
            QCOMPARE(cp1252::decode(QByteArray(1, char(b))), QString(QChar(b)));
        QStringDecoder dec("windows-1252");
        if (!dec.isValid())
            QSKIP("This Qt has no Windows-1252 converter");
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            if (!undefined.contains(b))
                QVERIFY2(cp1252::decode(byte) == dec.decode(byte), QByteArray::number(b, 16).constData());
        }
    }

    void encodeRefuses_data()
    {
        QTest::addColumn<QString>("text");

        // A control character whose byte carries another character.
        QTest::newRow("U+0080") << QStringLiteral("\u0080");
        QTest::newRow("after storable text") << s("abö中");
    }

    void encodeRefuses()
    {
        QFETCH(QString, text);
        QVERIFY(!cp1252::canEncode(text));
        bool ok = true;
        QCOMPARE(cp1252::encode(text, &ok), QByteArray());
        QVERIFY(!ok);
    }

    void writeItems_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty item") << QStringList{QString()} << QByteArrayLiteral("\"\"\r\n");
        QTest::newRow("two, with comma")
            << QStringList{s("a,b"), s(" c ")} << QByteArrayLiteral("\"a,b\"\r\n\" c \"\r\n");
        QTest::newRow("code page") << QStringList{s("ö€Š")} << QByteArrayLiteral("\"\xF6\x80\x8A\"\r\n");
    }

    void writeItems()
    {
        QFETCH(QStringList, items);
        QFETCH(QByteArray, expected);
        bool written = false;
        QCOMPARE(seqfile::writeItems(items, &written), expected);
        QVERIFY(written);
    }

    void isStorable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");

        QTest::newRow("code page and tab") << s("Hörnsjön €\t") << true;
        QTest::newRow("CR") << s("a\rb") << false;
        QTest::newRow("LF") << s("a\nb") << false;
    }

    void isStorable()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(seqfile::isStorable(text), expected);
    }

    // Every byte comes back as it was: through the code page alone, and
    // through a file, where a quote or a line end cannot stand in an item.
    void roundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = cp1252::decode(all);
        QVERIFY(cp1252::canEncode(text));
        bool ok = false;
        QCOMPARE(cp1252::encode(text, &ok), all);
        QVERIFY(ok);

        TestFolder folder;
        QVERIFY(folder.isValid());
        QByteArray inner = all.mid(1);
        inner.removeIf([](char b) { return b == '"' || b == '\r' || b == '\n'; });
        const QByteArray original = '"' + inner + "\"\r\n";
        folder.write(fileName, original);

        const seqfile::ReadResult read = seqfile::readFile(fileName);
        QCOMPARE(read.status, seqfile::ReadStatus::Ok);
        QVERIFY(seqfile::writeFile(fileName, read.items));
        QCOMPARE(folder.read(fileName), original);
    }

    // The write is all or nothing: it is reported, and leaves the old file
    // and no temporary file beside it.
    // A text the code page cannot hold, or a disk that fills up part way.
    void failedWriteKeepsTheFile_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("room");
        QTest::newRow("unstorable") << QStringList{s("new"), s("中")} << -1;
        QTest::newRow("disk full") << QStringList{s("a longer new line"), s("and one more")} << 16;
    }

    void failedWriteKeepsTheFile()
    {
        QFETCH(QStringList, items);
        QFETCH(int, room);
        TestFolder folder;
        QVERIFY(folder.isValid());
        const QByteArray before = QByteArrayLiteral("\"old\"\r\n\"x\x9D\"\r\n");
        folder.write(fileName, before);
        if (room < 0) {
            QVERIFY(!seqfile::writeFile(fileName, items));
        } else {
            const WriteLimit limit{rlim_t(room)};
            QVERIFY(!seqfile::writeFile(fileName, items));
        }
        QCOMPARE(folder.read(fileName), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{fileName});
    }
};

QTEST_GUILESS_MAIN(TestSeqFile)
#include "tst_seqfile.moc"
