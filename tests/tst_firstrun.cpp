// The analysis window's first start: no course file, so the runner is asked
// for a first course, and the file is created with it.

#include "app/navigation.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

const QString nameTitle = QStringLiteral("INMATNING AV BANA");
const QString countTitle = QStringLiteral("INMATNING AV ANTALET TIDS REGISTRERINGAR");
const QString distanceTitle = QStringLiteral("REGISTRERING FÖR BANA");
const QString warningTitle = QStringLiteral("INFORMATION  Fil saknas som ska innehålla dina registrerade banor");

QStringList titles(const ScriptedDialogs &dialogs)
{
    QStringList result;
    for (const auto &box : dialogs.shown())
        result << box.title;
    return result;
}

} // namespace

class TestFirstRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartCreatesTheCourseFile();
    void wrongAnswerAsksAgain_data();
    void wrongAnswerAsksAgain();
    void storedCourseLine_data();
    void storedCourseLine();
    void existingFileAsksNothing_data();
    void existingFileAsksNothing();
    void unreadableCourseFileIsLeftAlone();
    void failedWriteIsToldAndTheWindowStaysClosed();

private:
    QWidget *showMenu() { return m_windows->show(Window::Menu); }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<WindowRegistry> m_windows;
};

void TestFirstRun::init()
{
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->isValid());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_windows = std::make_unique<WindowRegistry>(*m_dialogs);
    registerWindows(*m_windows);
}

void TestFirstRun::cleanup()
{
    m_windows.reset();
    m_dialogs.reset();
    m_folder.reset();
}

void TestFirstRun::firstStartCreatesTheCourseFile()
{
    m_dialogs->queueAnswers({QStringLiteral("Hörnsjön 2 stora varv"), QStringLiteral("3"), QStringLiteral("6000")});
    QWidget *menu = showMenu();
    QVERIFY(menu);

    QCOMPARE(m_folder->read(QStringLiteral("RUNDA_BA")),
             QByteArray("\"H\xF6" "rnsj\xF6" "n 2 stora varv/03/06000\"\r\n"));

    const auto &shown = m_dialogs->shown();
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[0].kind, ScriptedDialogs::Box::Kind::Message);
    QCOMPARE(shown[0].title, warningTitle);
    QCOMPARE(shown[0].icon, Dialogs::Icon::Warning);
    QCOMPARE(shown[0].text,
             QStringLiteral("Troligtvis första gången du startar programmet! Du saknar en fil som heter runda_ba. "
                            "Den ska innehålla alla dina registrerade banor. Vi ska nu registrera din första bana."));
    QCOMPARE(shown[1].title, nameTitle);
    QCOMPARE(shown[1].text, QStringLiteral("Vad ska banan heta tex Hörnsjön 2 stora varv, max 50 tecken."));
    QCOMPARE(shown[2].title, countTitle);
    QCOMPARE(shown[2].text, QStringLiteral("Hörnsjön 2 stora varv. Hur många tider ska du registrera "
                                           "(mellantider + slutiden) max 10 st."));
    QCOMPARE(shown[3].title, distanceTitle);
    QCOMPARE(shown[3].text,
             QStringLiteral("Hörnsjön 2 stora varv. Distans i meter. Vet du inte distansen så ange ? tillsvidare!"));

    auto *list = menu->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Hörnsjön 2 stora varv"));
    QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_antbanor"))->text(), QStringLiteral("1"));
    QVERIFY(menu->findChild<QRadioButton *>(QStringLiteral("Option1"))->isChecked());
}

void TestFirstRun::wrongAnswerAsksAgain_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("repeatedTitle");

    const QString name = QStringLiteral("Bana");
    const QString fifty(50, u'x');
    const QString count = QStringLiteral("3");
    const QString tooMany = QStringLiteral("Antalet mellantider inklusive sluttiden får vara max 10 st !");
    const QString outOfRange = QStringLiteral("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!");
    const QString slash = QStringLiteral("Banans namn får inte innehålla tecknen / eller \" !");
    const QString unstorable = QStringLiteral("Banans namn innehåller tecken som inte kan sparas i filen !");
    const QString distanceFault = QStringLiteral("Något fel i registrering för distansen i meter.");

    auto row = [&](const char *tag, const QStringList &answers, const QString &message, const QString &title) {
        QTest::newRow(tag) << answers << message << title;
    };
    // Each row: the wrong answer, then a good one for the same question.
    row("name too long", {fifty + u'x', name, count, QStringLiteral("6000")},
        QStringLiteral("Antal tecken får ej överstiga 50 st !"), nameTitle);
    row("name cancelled", {QString(), name, count, QStringLiteral("6000")},
        QStringLiteral("Du kan inte registrera en bana med inget namn alls !"), nameTitle);
    row("name with slash", {QStringLiteral("a/b"), name, count, QStringLiteral("6000")}, slash, nameTitle);
    row("name not storable", {QStringLiteral("Sjö 中"), name, count, QStringLiteral("6000")}, unstorable, nameTitle);
    row("count cancelled", {name, QString(), count, QStringLiteral("6000")},
        QStringLiteral("Du kan inte registrera in inga tider alls !"), countTitle);
    row("count 11", {name, QStringLiteral("11"), count, QStringLiteral("6000")}, tooMany, countTitle);
    row("count 0", {name, QStringLiteral("0"), count, QStringLiteral("6000")}, outOfRange, countTitle);
    row("count 5a", {name, QStringLiteral("5a"), count, QStringLiteral("6000")}, outOfRange, countTitle);
    row("count blank 5", {name, QStringLiteral(" 5"), count, QStringLiteral("6000")}, outOfRange, countTitle);
    row("distance cancelled", {name, count, QString(), QStringLiteral("6000")},
        QStringLiteral("Du kan inte registrera in blankt!"), distanceTitle);
    row("distance too short", {name, count, QStringLiteral("9"), QStringLiteral("6000")},
        QStringLiteral("Sträckan måste vara minst 10 meter!"), distanceTitle);
    row("distance 12.5", {name, count, QStringLiteral("12.5"), QStringLiteral("6000")}, distanceFault, distanceTitle);
    row("distance with slash", {name, count, QStringLiteral("6000/"), QStringLiteral("6000")}, distanceFault,
        distanceTitle);
}

void TestFirstRun::wrongAnswerAsksAgain()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, message);
    QFETCH(QString, repeatedTitle);

    m_dialogs->queueAnswers(answers);
    QVERIFY(showMenu());
    QCOMPARE(m_dialogs->answersLeft(), 0);

    // The warning once, then the questions in order, with the refused one
    // asked again straight after its message and no earlier one repeated.
    QStringList expected{warningTitle, nameTitle};
    if (repeatedTitle == nameTitle)
        expected << Dialogs::defaultTitle() << nameTitle;
    expected << countTitle;
    if (repeatedTitle == countTitle)
        expected << Dialogs::defaultTitle() << countTitle;
    expected << distanceTitle;
    if (repeatedTitle == distanceTitle)
        expected << Dialogs::defaultTitle() << distanceTitle;
    QCOMPARE(titles(*m_dialogs), expected);
    QCOMPARE(m_dialogs->messages().mid(1), QStringList{message});

    QCOMPARE(m_folder->read(QStringLiteral("RUNDA_BA")), QByteArray("\"Bana/03/06000\"\r\n"));
}

void TestFirstRun::storedCourseLine_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("unknown distance") << QStringList{QStringLiteral("Bana"), QStringLiteral("3"), QStringLiteral("?")}
                                      << QByteArray("\"Bana/03/99999\"\r\n");
    QTest::newRow("ten timed points")
        << QStringList{QStringLiteral("Bana"), QStringLiteral("10"), QStringLiteral("12")}
        << QByteArray("\"Bana/10/00012\"\r\n");
    QTest::newRow("blanks kept") << QStringList{QStringLiteral(" Bana "), QStringLiteral("07"), QStringLiteral("600")}
                                 << QByteArray("\" Bana /07/00600\"\r\n");
}

void TestFirstRun::storedCourseLine()
{
    QFETCH(QStringList, answers);
    QFETCH(QByteArray, file);
    m_dialogs->queueAnswers(answers);
    QVERIFY(showMenu());
    QCOMPARE(m_folder->read(QStringLiteral("RUNDA_BA")), file);
}

void TestFirstRun::existingFileAsksNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("three courses, a slash in a name")
        << QByteArray("\"A/01/00010\"\r\n\"B/C/02/00020\"\r\n\"D/03/00030\"\r\n")
        << QStringList{QStringLiteral("A"), QStringLiteral("B/C"), QStringLiteral("D")};
    QTest::newRow("LF line ends, no last line end")
        << QByteArray("\"A/01/00010\"\n\"S\xE5g/02/00020\"")
        << QStringList{QStringLiteral("A"), QStringLiteral("Såg")};
    QTest::newRow("hand-edited short line") << QByteArray("\"kort\"\r\n\"A/01/00010\"\r\n")
                                            << QStringList{QString(), QStringLiteral("A")};
}

void TestFirstRun::existingFileAsksNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    m_folder->write(QStringLiteral("RUNDA_BA"), file);

    QWidget *menu = showMenu();
    QVERIFY(menu);
    QVERIFY(m_dialogs->shown().isEmpty());
    auto *list = menu->findChild<QListWidget *>(QStringLiteral("List1"));
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    QCOMPARE(listed, names);
    QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_antbanor"))->text(), QString::number(names.size()));
    QCOMPARE(m_folder->read(QStringLiteral("RUNDA_BA")), file);
}

void TestFirstRun::unreadableCourseFileIsLeftAlone()
{
    m_folder->blockWithFolder(QStringLiteral("RUNDA_BA"));
    QVERIFY(m_windows->show(Window::Start));

    QCOMPARE(showMenu(), nullptr);
    QVERIFY(!m_windows->isLoaded(Window::Menu));
    QVERIFY(m_windows->isLoaded(Window::Start));
    QCOMPARE(m_dialogs->messages(),
             QStringList{QStringLiteral("Filen RUNDA_BA kunde inte läsas. Inget har ändrats i filen.")});
    QVERIFY(QFileInfo(QStringLiteral("RUNDA_BA")).isDir());
}

void TestFirstRun::failedWriteIsToldAndTheWindowStaysClosed()
{
    // Something takes the course file's name while the questions are open.
    m_dialogs->setBeforeAnswer([this](const QString &title) {
        if (title == distanceTitle)
            m_folder->blockWithFolder(QStringLiteral("RUNDA_BA"));
    });
    m_dialogs->queueAnswers({QStringLiteral("Bana"), QStringLiteral("3"), QStringLiteral("6000")});

    QCOMPARE(showMenu(), nullptr);
    QVERIFY(!m_windows->isLoaded(Window::Menu));
    QCOMPARE(m_dialogs->messages().last(),
             QStringLiteral("Filen RUNDA_BA kunde inte sparas. Inget har ändrats i filen."));
    QVERIFY(QFileInfo(QStringLiteral("RUNDA_BA")).isDir());
}

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
