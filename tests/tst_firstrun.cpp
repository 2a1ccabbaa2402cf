// The analysis window's first start: no course file, so the runner is asked
// for a first course, and the file is created with it. A course file that
// cannot be read opens neither window that reads it.

#include "support/session.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Window)

namespace {

const QString courseFile = QStringLiteral("RUNDA_BA");
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

    QWidget *showMenu() { return m_s->windows.show(Window::Menu); }

    std::unique_ptr<Session> m_s;

private Q_SLOTS:
    void init()
    {
        m_s = std::make_unique<Session>();
        QVERIFY(m_s->folder.isValid());
    }

    void cleanup() { m_s.reset(); }

    void firstStartCreatesTheCourseFile()
    {
        m_s->dialogs.queueAnswers(
            {QStringLiteral("Hörnsjön 2 stora varv"), QStringLiteral("3"), QStringLiteral("6000")});
        QWidget *menu = showMenu();
        QVERIFY(menu);

        QCOMPARE(m_s->folder.read(courseFile), QByteArray("\"H\xF6" "rnsj\xF6" "n 2 stora varv/03/06000\"\r\n"));

        const auto &shown = m_s->dialogs.shown();
        QCOMPARE(titles(m_s->dialogs), (QStringList{warningTitle, nameTitle, countTitle, distanceTitle}));
        QCOMPARE(shown[0].icon, Dialogs::Icon::Warning);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Troligtvis första gången du startar programmet! Du saknar en fil som heter "
                                "runda_ba. Den ska innehålla alla dina registrerade banor. Vi ska nu registrera din "
                                "första bana."));
        QCOMPARE(shown[1].text, QStringLiteral("Vad ska banan heta tex Hörnsjön 2 stora varv, max 50 tecken."));
        QCOMPARE(shown[2].text, QStringLiteral("Hörnsjön 2 stora varv. Hur många tider ska du registrera "
                                               "(mellantider + slutiden) max 10 st."));
        QCOMPARE(shown[3].text,
                 QStringLiteral("Hörnsjön 2 stora varv. Distans i meter. Vet du inte distansen så ange ? "
                                "tillsvidare!"));

        auto *list = menu->findChild<QListWidget *>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Hörnsjön 2 stora varv"));
        QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_antbanor"))->text(), QStringLiteral("1"));
    }

    // The checks are those of the registration window; here each question
    // must use its own, and ask again until it passes.
    void wrongAnswerAsksAgain_data()
    {
        QTest::addColumn<int>("question"); // 0 name, 1 count, 2 distance
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");

        QTest::newRow("name with slash")
            << 0 << QStringLiteral("a/b") << QStringLiteral("Banans namn får inte innehålla tecknen / eller \" !");
        QTest::newRow("count cancelled")
            << 1 << QString() << QStringLiteral("Du kan inte registrera in inga tider alls !");
        QTest::newRow("count 5a")
            << 1 << QStringLiteral("5a")
            << QStringLiteral("Antalet mellantider inklusive sluttiden måste vara från 1 till 10!");
        QTest::newRow("distance 12.5")
            << 2 << QStringLiteral("12.5") << QStringLiteral("Något fel i registrering för distansen i meter.");
    }

    void wrongAnswerAsksAgain()
    {
        QFETCH(int, question);
        QFETCH(QString, answer);
        QFETCH(QString, message);

        QStringList answers{QStringLiteral("Bana"), QStringLiteral("3"), QStringLiteral("6000")};
        answers.insert(question, answer);
        m_s->dialogs.queueAnswers(answers);
        QVERIFY(showMenu());
        QCOMPARE(m_s->dialogs.answersLeft(), 0);

        // The warning once, then the questions in order, with the refused one
        // asked again straight after its message and no other one repeated.
        const QStringList questions{nameTitle, countTitle, distanceTitle};
        QStringList expected = QStringList{warningTitle} + questions;
        expected.insert(question + 2, questions[question]);
        expected.insert(question + 2, Dialogs::defaultTitle());
        QCOMPARE(titles(m_s->dialogs), expected);
        QCOMPARE(m_s->dialogs.messages().mid(1), QStringList{message});

        QCOMPARE(m_s->folder.read(courseFile), QByteArray("\"Bana/03/06000\"\r\n"));
    }

    void existingFileAsksNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("three courses in file order")
            << QByteArray("\"S\xE5g/03/00030\"\r\n\"B/C/02/00020\"\r\n\"A/01/00010\"\r\n")
            << QStringList{QStringLiteral("Såg"), QStringLiteral("B/C"), QStringLiteral("A")};
    }

    void existingFileAsksNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, names);
        m_s->folder.write(courseFile, file);

        QWidget *menu = showMenu();
        QVERIFY(menu);
        QVERIFY(m_s->dialogs.shown().isEmpty());
        auto *list = menu->findChild<QListWidget *>(QStringLiteral("List1"));
        QStringList listed;
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        QCOMPARE(listed, names);
        QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_antbanor"))->text(), QString::number(names.size()));
        QCOMPARE(m_s->folder.read(courseFile), file);
    }

    void unreadableCourseFileIsLeftAlone_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("analysis window") << Window::Menu;
        QTest::newRow("course registration window") << Window::Regbana;
    }

    void unreadableCourseFileIsLeftAlone()
    {
        QFETCH(Window, window);
        m_s->folder.blockWithFolder(courseFile);
        QVERIFY(m_s->windows.show(Window::Start));

        QCOMPARE(m_s->windows.show(window), nullptr);
        QVERIFY(!m_s->windows.isLoaded(window));
        QVERIFY(m_s->windows.isLoaded(Window::Start));
        QCOMPARE(m_s->dialogs.messages(),
                 QStringList{QStringLiteral("Filen RUNDA_BA kunde inte läsas. Inget har ändrats i filen.")});
        QVERIFY(QFileInfo(courseFile).isDir());
    }

    void failedWriteIsToldAndTheWindowStaysClosed()
    {
        // Something takes the course file's name while the questions are open.
        m_s->dialogs.setBeforeAnswer([this](const QString &title) {
            if (title == distanceTitle)
                m_s->folder.blockWithFolder(courseFile);
        });
        m_s->dialogs.queueAnswers({QStringLiteral("Bana"), QStringLiteral("3"), QStringLiteral("6000")});

        QCOMPARE(showMenu(), nullptr);
        QVERIFY(!m_s->windows.isLoaded(Window::Menu));
        QCOMPARE(m_s->dialogs.messages().last(),
                 QStringLiteral("Filen RUNDA_BA kunde inte sparas. Inget har ändrats i filen."));
        QVERIFY(QFileInfo(courseFile).isDir());
    }
};

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
