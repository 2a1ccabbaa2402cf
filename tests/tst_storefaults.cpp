// Every store killed just before each of its calls on the data folder, and
// with each such call failing (EIO; a write also ENOSPC): the data files are
// as before or as after, a failure is told with the file's message and never
// as success, and the next store leaves nothing but the data files. The test
// program is its own driver: "--store PATH" makes one store, without a
// window, and prints "stored" or what the user is told.
#include "analysis/firstrun.h"
#include "app/saveandexit.h"
#include "data/runfile.h"
#include "data/coursechange.h"
#include "registration/coursecheck.h"
#include "tests/support/scripteddialogs.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Files = QMap<QString, QByteArray>;
const QString run0 = u"A/01/00010/M/01-jan-2001/x/+5/70.0/00.20.00"_s;
const QString run1 = u"A/01/00010/T/02-feb-2003/z/+5/70.0/00.19.00"_s;
const Files both{{u"RUNDA_BA"_s, "\"A/01/00010\"\r\n"},
                 {u"RUNDA_RE"_s, "\"" + run0.toUtf8() + "\"\r\n\"A/01/00010/M/01-jan-2005/y/+5/70.0/00.20.00\"\r\n"}};
const auto told = run::storeMessage;

// Each store path: the data file it changes, the folder before, and the store,
// which returns what the user is told, empty when it stored.
struct Path { QString file; Files before; std::function<QString()> store; };
const std::map<QString, Path> paths{
    {u"run"_s, {u"RUNDA_RE"_s, both, [] { return run::append(u"A/01/00010"_s, run1); }}},
    {u"run, a dead copy's lock left"_s,
     {u"RUNDA_RE"_s, [] { Files f = both; f.insert(u"RUNDA_RE.lock"_s, "999999999\nkvistra\n\n"); return f; }(),
      [] { return run::append(u"A/01/00010"_s, run1); }}},
    {u"run correction"_s, {u"RUNDA_RE"_s, both, [] { return run::replace(u"A/01/00010"_s, {run0, 0}, run1); }}},
    {u"run deletion"_s, {u"RUNDA_RE"_s, both, [] { return told(run::remove({run0, 0})); }}},
    {u"course correction"_s,
     {u"RUNDA_BA"_s, both, [] { return coursechange::storeChange(u"A/01/00010"_s, u"C/01/00010"_s); }}},
    {u"course deletion"_s,
     {u"RUNDA_BA"_s, [] { Files f = both; f[u"RUNDA_BA"_s] += "\"B/02/01200\"\r\n"; return f; }(),
      [] { return coursechange::removeCourse(u"B/02/01200"_s); }}},
    {u"course"_s, {u"RUNDA_BA"_s, both, [] { return coursecheck::storeCourse(u"B/02/01200"_s); }}},
    {u"first course"_s, {u"RUNDA_BA"_s, {}, [] {
         ScriptedDialogs dialogs;
         dialogs.answers = QStringList{u"B"_s, u"2"_s, u"1200"_s};
         registerFirstCourse(dialogs, nullptr);
         // a box after the warning and the three questions
         return dialogs.shown.size() > 4 ? dialogs.shown.last().text : QString();
     }}},
    {u"save and exit"_s, {u"RUNDA_RE"_s, both, [] { return told(saveandexit::saveRunsInDateOrder()); }}},
};

// The index of the first line from the given one on that matches, or -1.
qsizetype find(const QStringList &lines, const QString &pattern, qsizetype from = 0)
{
    const auto matches = [re = QRegularExpression(pattern)](const QString &l) { return re.match(l).hasMatch(); };
    const auto line = std::find_if(lines.begin() + std::max<qsizetype>(from, 0), lines.end(), matches);
    return line == lines.end() ? -1 : line - lines.begin();
}

// A user's own copies beside the data files, which no store touches.
const Files copies{{u"RUNDA_RE.backup"_s, "1"}, {u"RUNDA_BA.gammal"_s, "2"}, {u"RUNDA_RE.abcdef"_s, "3"},
                   {u"RUNDA_RE.bak"_s, "4"}, {u"RUNDA_BA.andring.backup"_s, "5"}};

// A folder, and stores in it.
struct Case
{
    QString path;
    QTemporaryDir dir;
    QStringList calls;
    QString out;

    explicit Case(const QString &name) : path(name)
    {
        Files files = paths.at(path).before;
        files.insert(copies);
        for (const auto &[file, bytes] : files.asKeyValueRange()) {
            QFile data(dir.filePath(file));
            QVERIFY(data.open(QIODevice::WriteOnly) && data.write(bytes) == bytes.size());
        }
    }
    // The data files, or with all whatever the folder holds.
    Files files(bool all = false) const
    {
        Files result;
        const QStringList names = all ? QStringList() : QStringList{u"RUNDA_BA"_s, u"RUNDA_RE"_s};
        const auto filter = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        for (const QString &name : QDir(dir.path()).entryList(names, filter)) {
            QFile file(dir.filePath(name));
            result[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
        }
        return result;
    }
    // A store ("start": the program's start alone), under strace with an
    // injection ("" to list the calls).
    void store(const std::optional<QString> &inject, const QString &what = {})
    {
        QProcess driver;
        driver.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s); // LeakSanitizer cannot work under strace
        driver.setProcessEnvironment(environment);
        QFile log(dir.path() + u".log"_s);
        QStringList arguments{u"-y"_s, u"-o"_s, log.fileName(), u"-e"_s, u"trace=open,openat,write,fsync,fdatasync,"
                              u"link,linkat,rename,renameat,renameat2,unlink,unlinkat"_s};
        if (inject && !inject->isEmpty())
            arguments << u"-e"_s << u"inject="_s + *inject;
        arguments << QCoreApplication::applicationFilePath() << u"--store"_s << (what.isEmpty() ? path : what);
        driver.start(inject ? u"strace"_s : arguments[5], arguments.sliced(inject ? 0 : 6));
        QVERIFY(driver.waitForFinished(60000));
        out = QString::fromUtf8(driver.readAllStandardOutput()).trimmed();
        calls = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).split(u'\n') : QStringList();
        log.remove();
    }
    // A call on the folder or a file in it: a name relative to the folder
    // counts, the folder as the base of an absolute name does not.
    bool inFolder(QString call) const
    {
        call.remove(QRegularExpression(u"AT_FDCWD<[^>]*>"_s));
        if (call.startsWith(u"write("_s) || call.contains(u"sync("_s))
            return call.contains(u'<' + dir.path());
        for (const QRegularExpressionMatch &name : QRegularExpression(u"\"([^\"]*)\""_s).globalMatch(call)) {
            if (!name.captured(1).startsWith(u'/') || name.captured(1).startsWith(dir.path()))
                return true;
        }
        return false;
    }
};

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT
    std::map<QString, Files> after;

private Q_SLOTS:
    void initTestCase()
    {
        if (QProcess::execute(u"strace"_s, {u"-o"_s, u"/dev/null"_s, u"true"_s}) != 0)
            QSKIP("strace is missing, or cannot trace here (no ptrace): the store faults go untried");
    }

    void faults_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("inject"); // empty: the order of the calls
        for (const auto &[name, path] : paths) {
            Case listing(name);
            listing.store(u""_s);
            QCOMPARE(listing.out, u"stored"_s);
            after[name] = listing.files();
            QTest::addRow("%s: synced, named, folder synced", qPrintable(name)) << name << QString();
            std::map<QString, int> seen;
            for (const QString &call : listing.calls) {
                const QString syscall = call.section(u'(', 0, 0);
                const int n = ++seen[syscall];
                for (const char *fault : {"signal=SIGKILL", "error=EIO", "error=ENOSPC"}) {
                    if (listing.inFolder(call) && (syscall == u"write"_s || fault != "error=ENOSPC"_ba))
                        QTest::addRow("%s: %s #%d %s", qPrintable(name), qPrintable(syscall), n, fault)
                            << name << u"%1:%2:when=%3"_s.arg(syscall, QLatin1StringView(fault)).arg(n);
                }
            }
        }
    }

    void faults()
    {
        QFETCH(QString, path);
        QFETCH(QString, inject);
        Case store(path);
        const Files before = store.files();
        store.store(inject);
        // The new data on the disk, then given the file's name, then the folder synced.
        const QString folder = QRegularExpression::escape(store.dir.path()), file = paths.at(path).file;
        const QString temporary = file + u"\\.kvistra-tmp-[A-Za-z0-9]{6}"_s;
        const qsizetype synced = find(store.calls, u"^f(data)?sync\\(\\d+<%1/%2>\\) += 0$"_s.arg(folder, temporary));
        const qsizetype named =
            find(store.calls, u"^rename\\(\"(%1/)?%2\", \"(%1/)?%3\"\\) += 0$"_s.arg(folder, temporary, file));
        const qsizetype folderSynced = find(store.calls, u"^fsync\\(\\d+<"_s + folder + u">\\) += 0$"_s, named);
        QVERIFY(!inject.isEmpty() || (synced >= 0 && synced < named && named < folderSynced));
        if (inject.isEmpty())
            return;
        const qsizetype killed = store.calls.indexOf(u"+++ killed by SIGKILL +++"_s);
        const QString hit = store.calls.value(killed >= 0 ? killed - 1 : find(store.calls, u"\\(INJECTED\\)$"_s));
        QVERIFY2(store.inFolder(hit), qPrintable(u"missed: "_s + hit));
        const QString out = store.out;
        if (killed < 0) // a store that failed took its temporary file away itself
            QVERIFY(!store.files(true).keys().join(u'|').contains(u".kvistra-tmp-"_s));
        store.store(std::nullopt, u"start"_s); // which completes what it can
        const Files now = store.files();
        QVERIFY(now == before || now == after[path]);
        if (killed < 0 && out == u"stored"_s)
            QVERIFY2(now == after[path] && synced >= 0 && synced < named, "stored, yet not on the disk");
        else if (killed < 0) // told as not stored, or as completed at the next start
            QVERIFY2(out.startsWith(u"Filen RUNDA_"_s)
                         && now == (out.endsWith(u"Inget har ändrats i filen."_s) ? before : after[path]),
                     qPrintable(out));
        store.store(std::nullopt);
        Files left = store.files(true);
        for (const auto &[name, bytes] : copies.asKeyValueRange())
            QCOMPARE(left.take(name), bytes);
        QCOMPARE(left.keys(), after[path].keys());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && argv[1] == "--store"_ba) {
        const auto path = paths.find(QString::fromUtf8(argv[2]));
        QString message = coursechange::recover(); // as at every start
        if (message.isEmpty() && path != paths.end())
            message = path->second.store();
        QTextStream(stdout) << (message.isEmpty() ? u"stored"_s : message) << Qt::endl;
        return 0;
    }
    TestStoreFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storefaults.moc"
