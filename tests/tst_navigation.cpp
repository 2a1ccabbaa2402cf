// The windows as a whole: the paths between them, their sizes, the start
// window's picture and the analysis window's controls before any click.

#include "support/session.h"

#include <QButtonGroup>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Windows = QList<Window>;
Q_DECLARE_METATYPE(Window)

namespace {

const QString courseFile = QStringLiteral("RUNDA_BA");
const QByteArray twoCourses("\"A/01/00010\"\r\n\"B/02/00020\"\r\n");

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

    std::unique_ptr<Session> m_s;

    Windows loaded() const
    {
        Windows result;
        for (Window w : {Window::Start, Window::Menu, Window::Regbana, Window::Regrunda, Window::Info}) {
            if (m_s->windows.isLoaded(w))
                result << w;
        }
        return result;
    }

private Q_SLOTS:
    void init()
    {
        m_s = std::make_unique<Session>();
        QVERIFY(m_s->folder.isValid());
        m_s->folder.write(courseFile, twoCourses);
        QVERIFY(m_s->windows.show(Window::Start));
    }

    void cleanup() { m_s.reset(); }

    void windowGraph_data()
    {
        QTest::addColumn<Windows>("opened");
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<Windows>("loadedAfter");

        const Window S = Window::Start, M = Window::Menu, B = Window::Regbana, R = Window::Regrunda,
                     I = Window::Info;
        QTest::newRow("Visa") << Windows{} << S << QStringLiteral("M_visa") << Windows{S, M};
        QTest::newRow("Information") << Windows{} << S << QStringLiteral("M_inform") << Windows{S, I};
        QTest::newRow("Information beside the analysis window")
            << Windows{M} << S << QStringLiteral("M_inform") << Windows{S, M, I};
        QTest::newRow("Tillbaka") << Windows{M} << M << QStringLiteral("M_Avsluta") << Windows{S};
        QTest::newRow("Bana") << Windows{M} << M << QStringLiteral("M_Bana") << Windows{S, B};
        QTest::newRow("Runda") << Windows{M} << M << QStringLiteral("M_Runda") << Windows{S, R};
        QTest::newRow("Analys does nothing") << Windows{M} << M << QStringLiteral("M_Analys") << Windows{S, M};
        QTest::newRow("TILLBAKA utan registrering") << Windows{B} << B << QStringLiteral("Command2") << Windows{S};
        QTest::newRow("run TILLBAKA") << Windows{R} << R << QStringLiteral("Command2") << Windows{S};
        QTest::newRow("information TILLBAKA") << Windows{M, I} << I << QStringLiteral("Command1") << Windows{S, M};
        QTest::newRow("Avsluta") << Windows{M, I} << S << QStringLiteral("M_Start") << Windows{};
    }

    void windowGraph()
    {
        QFETCH(Windows, opened);
        QFETCH(Window, window);
        QFETCH(QString, control);
        QFETCH(Windows, loadedAfter);

        for (Window w : opened)
            QVERIFY(m_s->windows.show(w));
        QPointer<QWidget> source = m_s->windows.window(window);
        m_s->trigger(window, control);

        QCOMPARE(loaded(), loadedAfter);
        QCOMPARE(m_s->windows.hasEnded(), loadedAfter.isEmpty());
        // An unloaded window is destroyed with all it holds.
        if (!loadedAfter.contains(window))
            QTRY_VERIFY(source.isNull());
        QVERIFY(m_s->dialogs.shown().isEmpty());
    }

    void showingALoadedWindowKeepsIt()
    {
        QWidget *menu = m_s->windows.show(Window::Menu);
        QVERIFY(menu);
        // A course added meanwhile shows only when the window loads again.
        m_s->folder.write(courseFile, twoCourses + "\"C/03/00030\"\r\n");
        m_s->trigger(Window::Start, QStringLiteral("M_visa"));
        QCOMPARE(m_s->windows.window(Window::Menu), menu);
        QCOMPARE(menu->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 2);

        m_s->trigger(Window::Menu, QStringLiteral("M_Avsluta"));
        QWidget *again = m_s->windows.show(Window::Menu);
        QCOMPARE(again->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 3);
    }

    void endingWritesNothing()
    {
        QVERIFY(m_s->windows.show(Window::Menu));
        m_s->trigger(Window::Start, QStringLiteral("M_Start"));
        // Once ended, nothing opens again.
        QCOMPARE(m_s->windows.show(Window::Info), nullptr);
        QCOMPARE(m_s->folder.read(courseFile), twoCourses);
        QVERIFY(!m_s->folder.exists(QStringLiteral("RUNDA_RE")));
    }

    void closingByFrame()
    {
        QSignalSpy ended(&m_s->windows, &WindowRegistry::programEnded);
        QVERIFY(m_s->windows.show(Window::Info));

        QVERIFY(m_s->windows.window(Window::Start)->close());
        QCOMPARE(loaded(), Windows{Window::Info});
        QCOMPARE(ended.count(), 0);

        QVERIFY(m_s->windows.window(Window::Info)->close());
        QCOMPARE(loaded(), Windows{});
        QCOMPARE(ended.count(), 1);
    }

    void clientAreas_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QSize>("size");

        QTest::newRow("Start") << Window::Start << QSize(481, 180);
        QTest::newRow("Info") << Window::Info << QSize(470, 487);
        QTest::newRow("Menu") << Window::Menu << QSize(1033, 562);
        QTest::newRow("Regbana") << Window::Regbana << QSize(434, 254);
    }

    void clientAreas()
    {
        QFETCH(Window, window);
        QFETCH(QSize, size);
        QWidget *widget = m_s->windows.show(window);
        QVERIFY(widget);
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        auto *main = qobject_cast<QMainWindow *>(widget);
        QWidget *client = main ? main->centralWidget() : widget;
        QCOMPARE(client->size(), size);
        // The menu bar lies outside the client area.
        if (main)
            QCOMPARE(widget->height(), size.height() + main->menuWidget()->height());
    }

    void startPicture()
    {
        QImageReader reader(QStringLiteral(":/start.gif"));
        QCOMPARE(reader.imageCount(), 12);
        QCOMPARE(reader.size(), QSize(95, 120));
        QCOMPARE(reader.loopCount(), -1); // forever
        for (int frame = 0; frame < 12; ++frame) {
            QVERIFY(!reader.read().isNull());
            QCOMPARE(reader.nextImageDelay(), 50);
        }

        QWidget *start = m_s->windows.window(Window::Start);
        for (const QString &name : {QStringLiteral("Image1"), QStringLiteral("Image2")})
            QCOMPARE(start->findChild<QLabel *>(name)->pixmap().size(), QSize(95, 120));
    }

    // Before any click no year is shown until a bar moves, one year a step.
    void yearBarsBeforeAnyClick()
    {
        QWidget *menu = m_s->windows.show(Window::Menu);
        auto *last = menu->findChild<QScrollBar *>(QStringLiteral("HScroll2"));
        QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_visafyear"))->text(), QString());
        QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_visatyear"))->text(), QString());

        last->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("L_visatyear"))->text(), QStringLiteral("1971"));
    }

    void orderingAfterEveryLoad()
    {
        QWidget *menu = m_s->windows.show(Window::Menu);
        auto *best = menu->findChild<QRadioButton *>(QStringLiteral("Option2"));
        QTest::mouseClick(best, Qt::LeftButton);
        QVERIFY(best->isChecked());
        QVERIFY(!menu->findChild<QRadioButton *>(QStringLiteral("Option1"))->isChecked());

        m_s->trigger(Window::Menu, QStringLiteral("M_Avsluta"));
        menu = m_s->windows.show(Window::Menu);
        const QList<QRadioButton *> options = menu->findChildren<QRadioButton *>();
        QCOMPARE(options.size(), 4);
        for (QRadioButton *option : options) {
            QCOMPARE(option->group(), options.first()->group());
            QCOMPARE(option->isChecked(), option->objectName() == QStringLiteral("Option1"));
        }
        QCOMPARE(menu->findChild<QRadioButton *>(QStringLiteral("Option3"))->accessibleName(),
                 QStringLiteral("Äldsta datum"));
    }

    // Before any click the 84 cells and the three grey headers are hidden.
    // The top and bottom rows, as date, split-times and final-time cells,
    // show where the table lies; the click tests read every row's labels.
    void resultTableBeforeAnyClick()
    {
        QWidget *menu = m_s->windows.show(Window::Menu);
        int hidden = 0;
        for (QLabel *label : menu->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(menu))
                ++hidden;
        }
        QCOMPARE(hidden, 87);
        auto *header = menu->findChild<QLabel *>(QStringLiteral("Label95"));
        QCOMPARE(header->text(), QStringLiteral("Mellantider"));
        QCOMPARE(header->palette().color(QPalette::Window), QColor(192, 192, 192));

        const int lefts[] = {4680 / 15, 6840 / 15, 5760 / 15};
        for (const auto &[row, dateLabel] : {std::pair{1, 1}, {28, 90}}) {
            for (int column = 0; column < 3; ++column) {
                auto *cell = menu->findChild<QLabel *>(QStringLiteral("Label%1").arg(dateLabel + column));
                QVERIFY(cell);
                QCOMPARE(cell->geometry().topLeft(), QPoint(lefts[column], (960 + 240 * (row - 1)) / 15));
            }
        }
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
