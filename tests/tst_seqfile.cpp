#include "data/cp1252.h"
#include "data/seqfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString fileName = QStringLiteral("DATA");

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// Everything in the test folder: a failed write leaves no temporary file.
QStringList entries(const TestFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

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
        QTest::newRow("skipped rest ends at comma")
            << s("\"ab\"x,y\r\n") << QStringList{s("ab"), s("y")};
        QTest::newRow("unquoted trimmed") << s("  a b  \r\n") << QStringList{s("a b")};
        QTest::newRow("unquoted tabs trimmed") << s("\ta\t\r\n") << QStringList{s("a")};
        QTest::newRow("comma separates") << s("a,b\r\n") << QStringList{s("a"), s("b")};
        QTest::newRow("comma inside quotes") << s("\"a,b\"\r\n") << QStringList{s("a,b")};
        QTest::newRow("blanks inside quotes") << s("\" x \"") << QStringList{s(" x ")};
        QTest::newRow("blank before quote") << s("  \"a\" ,b") << QStringList{s("a"), s("b")};
        QTest::newRow("empty quoted item")
            << s("\"\"\r\n\"b\"\r\n") << QStringList{QString(), s("b")};
        QTest::newRow("CR LF") << s("\"a\"\r\n\"b\"\r\n") << QStringList{s("a"), s("b")};
        QTest::newRow("LF only") << s("\"a\"\n\"b\"\n") << QStringList{s("a"), s("b")};
        QTest::newRow("CR only") << s("a\rb\r") << QStringList{s("a"), s("b")};
        QTest::newRow("no last line end") << s("\"a\"\r\nb") << QStringList{s("a"), s("b")};
        QTest::newRow("empty text") << QString() << QStringList{};
        QTest::newRow("blank line in the middle")
            << s("\"a\"\r\n\r\n\"b\"\r\n") << QStringList{s("a"), QString(), s("b")};
        QTest::newRow("missing closing quote") << s("\"ab\r\ncd") << QStringList{s("ab\r\ncd")};
        QTest::newRow("missing closing quote last")
            << s("x\r\n\"ab") << QStringList{s("x"), s("ab")};
    }

    void readItems()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(seqfile::readItems(text), expected);
    }

    void decodeRoundTrip()
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        const QString text = cp1252::decode(bytes);
        QCOMPARE(text.size(), 256);
        QVERIFY(cp1252::canEncode(text));
        bool ok = false;
        QCOMPARE(cp1252::encode(text, &ok), bytes);
        QVERIFY(ok);
    }

    void decodeCharacter_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("expected");

        QTest::newRow("o diaeresis") << 0xF6 << 0x00F6;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("left quote") << 0x91 << 0x2018;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        // The five bytes the code page leaves undefined.
        for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QTest::addRow("undefined %X", b) << b << b;
    }

    void decodeCharacter()
    {
        QFETCH(int, byte);
        QFETCH(int, expected);
        const QString text = cp1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(text.size(), 1);
        QCOMPARE(int(text.at(0).unicode()), expected);
    }

    void decodeMatchesQt()
    {
        QStringDecoder dec("windows-1252");
        if (!dec.isValid())
            QSKIP("This Qt has no Windows-1252 converter");
        for (int b = 0; b < 256; ++b) {
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                continue;
            const QByteArray byte(1, char(b));
            QVERIFY2(cp1252::decode(byte) == dec.decode(byte),
                     QByteArray::number(b, 16).constData());
        }
    }

    void encodeRefuses_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("CJK") << s("中");
        QTest::newRow("A macron") << QStringLiteral("\u0100");
        QTest::newRow("emoji") << s("\xF0\x9F\x98\x80");
        // The control characters whose bytes carry other characters.
        QTest::newRow("U+0080") << QStringLiteral("\u0080");
        QTest::newRow("U+009F") << QStringLiteral("\u009F");
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
        QTest::addColumn<bool>("ok");

        QTest::newRow("one") << QStringList{s("a")} << QByteArrayLiteral("\"a\"\r\n") << true;
        QTest::newRow("none") << QStringList{} << QByteArray() << true;
        QTest::newRow("empty item")
            << QStringList{QString()} << QByteArrayLiteral("\"\"\r\n") << true;
        QTest::newRow("two, with comma") << QStringList{s("a,b"), s(" c ")}
                                         << QByteArrayLiteral("\"a,b\"\r\n\" c \"\r\n") << true;
        QTest::newRow("code page")
            << QStringList{s("ö€Š")} << QByteArrayLiteral("\"\xF6\x80\x8A\"\r\n") << true;
        QTest::newRow("not storable") << QStringList{s("a"), s("中")} << QByteArray() << false;
    }

    void writeItems()
    {
        QFETCH(QStringList, items);
        QFETCH(QByteArray, expected);
        QFETCH(bool, ok);
        bool written = !ok;
        QCOMPARE(seqfile::writeItems(items, &written), expected);
        QCOMPARE(written, ok);
    }

    void isStorable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");

        QTest::newRow("empty") << QString() << true;
        QTest::newRow("Swedish") << s("Hörnsjön 2 stora varv") << true;
        QTest::newRow("euro and tab") << s("€\t") << true;
        QTest::newRow("CR") << s("a\rb") << false;
        QTest::newRow("LF") << s("a\nb") << false;
        QTest::newRow("CJK") << s("a中") << false;
    }

    void isStorable()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(seqfile::isStorable(text), expected);
    }

    void fileRoundTrip()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        QByteArray inner;
        for (int b = 1; b < 256; ++b) {
            if (b != '"' && b != '\r' && b != '\n')
                inner.append(char(b));
        }
        const QByteArray original = '"' + inner + "\"\r\n";
        folder.write(fileName, original);

        const seqfile::ReadResult read = seqfile::readFile(fileName);
        QCOMPARE(read.status, seqfile::ReadStatus::Ok);
        QCOMPARE(read.items.size(), 1);
        QCOMPARE(read.items.first().size(), inner.size());
        QVERIFY(seqfile::writeFile(fileName, read.items));
        QCOMPARE(folder.read(fileName), original);
    }

    void readStatus()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        QCOMPARE(seqfile::readFile(fileName).status, seqfile::ReadStatus::Missing);

        folder.blockWithFolder(s("BLOCKED"));
        QCOMPARE(seqfile::readFile(s("BLOCKED")).status, seqfile::ReadStatus::Failed);

        folder.write(fileName, QByteArray());
        const seqfile::ReadResult empty = seqfile::readFile(fileName);
        QCOMPARE(empty.status, seqfile::ReadStatus::Ok);
        QVERIFY(empty.items.isEmpty());
    }

    void writeKeepsFileOnBadItem()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        const QByteArray before = QByteArrayLiteral("\"old\"\r\n\"x\x9D\"\r\n");
        folder.write(fileName, before);
        QVERIFY(!seqfile::writeFile(fileName, {s("new"), s("中")}));
        QCOMPARE(folder.read(fileName), before);
        QCOMPARE(entries(folder), QStringList{fileName});
    }

    void writeToFolderFails()
    {
        TestFolder folder;
        QVERIFY(folder.isValid());
        folder.blockWithFolder(fileName);
        QVERIFY(!seqfile::writeFile(fileName, {s("a")}));
        QVERIFY(QFileInfo(QDir(folder.path()).filePath(fileName)).isDir());
        QCOMPARE(entries(folder), QStringList{fileName});
    }
};

QTEST_GUILESS_MAIN(TestSeqFile)
#include "tst_seqfile.moc"
