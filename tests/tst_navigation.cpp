// The windows as a whole: the paths between them, their sizes, the start
// window's picture and the analysis window's controls before any click.

#include "analysis/resulttable.h"
#include "app/navigation.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "ui/registry.h"

#include <QAbstractButton>
#include <QAction>
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

const QByteArray twoCourses("\"A/01/00010\"\r\n\"B/02/00020\"\r\n");

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowGraph_data();
    void windowGraph();
    void showingALoadedWindowKeepsIt();
    void endingWritesNothing();
    void closingByFrame();
    void clientAreas_data();
    void clientAreas();
    void startPicture();
    void yearBarsMoveTheirLabels();
    void orderingAfterEveryLoad();
    void resultTableHiddenAndNamed_data();
    void resultTableHiddenAndNamed();

private:
    void trigger(Window window, const QString &control);
    Windows loaded() const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<WindowRegistry> m_windows;
};

void TestNavigation::init()
{
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->isValid());
    m_folder->write(QStringLiteral("RUNDA_BA"), twoCourses);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_windows = std::make_unique<WindowRegistry>(*m_dialogs);
    registerWindows(*m_windows);
    QVERIFY(m_windows->show(Window::Start));
}

void TestNavigation::cleanup()
{
    m_windows.reset();
    m_dialogs.reset();
    m_folder.reset();
}

// Runs a menu entry or presses a button, by its control name.
void TestNavigation::trigger(Window window, const QString &control)
{
    QWidget *widget = m_windows->window(window);
    QVERIFY(widget);
    if (auto *action = widget->findChild<QAction *>(control)) {
        action->trigger();
        return;
    }
    auto *button = widget->findChild<QAbstractButton *>(control);
    QVERIFY2(button, qPrintable(control));
    QTest::mouseClick(button, Qt::LeftButton);
}

Windows TestNavigation::loaded() const
{
    Windows result;
    for (Window w : {Window::Start, Window::Menu, Window::Regbana, Window::Regrunda, Window::Info}) {
        if (m_windows->isLoaded(w))
            result << w;
    }
    return result;
}

void TestNavigation::windowGraph_data()
{
    QTest::addColumn<Windows>("opened");
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Windows>("loadedAfter");

    const Window S = Window::Start, M = Window::Menu, B = Window::Regbana, I = Window::Info;
    QTest::newRow("Visa") << Windows{} << S << QStringLiteral("M_visa") << Windows{S, M};
    QTest::newRow("Information") << Windows{} << S << QStringLiteral("M_inform") << Windows{S, I};
    QTest::newRow("Information beside the analysis window")
        << Windows{M} << S << QStringLiteral("M_inform") << Windows{S, M, I};
    QTest::newRow("Tillbaka") << Windows{M} << M << QStringLiteral("M_Avsluta") << Windows{S};
    QTest::newRow("Bana") << Windows{M} << M << QStringLiteral("M_Bana") << Windows{S, B};
    QTest::newRow("Runda unloads the analysis window") << Windows{M} << M << QStringLiteral("M_Runda") << Windows{S};
    QTest::newRow("Analys does nothing") << Windows{M} << M << QStringLiteral("M_Analys") << Windows{S, M};
    QTest::newRow("TILLBAKA utan registrering") << Windows{B} << B << QStringLiteral("Command2") << Windows{S};
    QTest::newRow("information TILLBAKA") << Windows{M, I} << I << QStringLiteral("Command1") << Windows{S, M};
    QTest::newRow("Avsluta") << Windows{M, I} << S << QStringLiteral("M_Start") << Windows{};
}

void TestNavigation::windowGraph()
{
    QFETCH(Windows, opened);
    QFETCH(Window, window);
    QFETCH(QString, control);
    QFETCH(Windows, loadedAfter);

    for (Window w : opened)
        QVERIFY(m_windows->show(w));
    QPointer<QWidget> source = m_windows->window(window);
    trigger(window, control);

    QCOMPARE(loaded(), loadedAfter);
    QCOMPARE(m_windows->hasEnded(), loadedAfter.isEmpty());
    // An unloaded window is destroyed with all it holds.
    if (!loadedAfter.contains(window))
        QTRY_VERIFY(source.isNull());
    QVERIFY(m_dialogs->shown().isEmpty());
}

void TestNavigation::showingALoadedWindowKeepsIt()
{
    QWidget *menu = m_windows->show(Window::Menu);
    QVERIFY(menu);
    // A course added meanwhile shows only when the window loads again.
    m_folder->write(QStringLiteral("RUNDA_BA"), twoCourses + "\"C/03/00030\"\r\n");
    trigger(Window::Start, QStringLiteral("M_visa"));
    QCOMPARE(m_windows->window(Window::Menu), menu);
    QCOMPARE(menu->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 2);

    trigger(Window::Menu, QStringLiteral("M_Avsluta"));
    QWidget *again = m_windows->show(Window::Menu);
    QCOMPARE(again->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 3);
}

void TestNavigation::endingWritesNothing()
{
    QSignalSpy ended(m_windows.get(), &WindowRegistry::programEnded);
    QVERIFY(m_windows->show(Window::Menu));
    trigger(Window::Start, QStringLiteral("M_Start"));
    QCOMPARE(ended.count(), 1);
    // Once ended, nothing opens again.
    QCOMPARE(m_windows->show(Window::Info), nullptr);
    QCOMPARE(m_folder->read(QStringLiteral("RUNDA_BA")), twoCourses);
    QVERIFY(!m_folder->exists(QStringLiteral("RUNDA_RE")));
}

void TestNavigation::closingByFrame()
{
    QSignalSpy ended(m_windows.get(), &WindowRegistry::programEnded);
    QVERIFY(m_windows->show(Window::Info));

    QVERIFY(m_windows->window(Window::Start)->close());
    QCOMPARE(loaded(), Windows{Window::Info});
    QCOMPARE(ended.count(), 0);

    QVERIFY(m_windows->window(Window::Info)->close());
    QCOMPARE(loaded(), Windows{});
    QCOMPARE(ended.count(), 1);
}

void TestNavigation::clientAreas_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QSize>("size");

    QTest::newRow("Start") << Window::Start << QSize(481, 180);
    QTest::newRow("Info") << Window::Info << QSize(470, 487);
    QTest::newRow("Menu") << Window::Menu << QSize(1033, 562);
    QTest::newRow("Regbana") << Window::Regbana << QSize(434, 254);
}

void TestNavigation::clientAreas()
{
    QFETCH(Window, window);
    QFETCH(QSize, size);
    QWidget *widget = m_windows->show(window);
    QVERIFY(widget);
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    auto *main = qobject_cast<QMainWindow *>(widget);
    QWidget *client = main ? main->centralWidget() : widget;
    QCOMPARE(client->size(), size);
    // The menu bar lies outside the client area.
    if (main)
        QCOMPARE(widget->height(), size.height() + main->menuWidget()->height());
}

void TestNavigation::startPicture()
{
    QImageReader reader(QStringLiteral(":/start.gif"));
    QCOMPARE(reader.imageCount(), 12);
    QCOMPARE(reader.size(), QSize(95, 120));
    QCOMPARE(reader.loopCount(), -1); // forever
    for (int frame = 0; frame < 12; ++frame) {
        QVERIFY(!reader.read().isNull());
        QCOMPARE(reader.nextImageDelay(), 50);
    }

    QWidget *start = m_windows->window(Window::Start);
    for (const QString &name : {QStringLiteral("Image1"), QStringLiteral("Image2")}) {
        auto *image = start->findChild<QLabel *>(name);
        QCOMPARE(image->pixmap().size(), QSize(95, 120));
    }
}

void TestNavigation::yearBarsMoveTheirLabels()
{
    QWidget *menu = m_windows->show(Window::Menu);
    auto *first = menu->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    auto *last = menu->findChild<QScrollBar *>(QStringLiteral("HScroll2"));
    auto *firstYear = menu->findChild<QLabel *>(QStringLiteral("L_visafyear"));
    auto *lastYear = menu->findChild<QLabel *>(QStringLiteral("L_visatyear"));

    QCOMPARE(first->minimum(), 1970);
    QCOMPARE(first->maximum(), 2100);
    QCOMPARE(first->value(), 1980);
    QCOMPARE(last->value(), 1970);
    QCOMPARE(firstYear->text(), QString());
    QCOMPARE(lastYear->text(), QString());

    first->setValue(1995);
    QCOMPARE(firstYear->text(), QStringLiteral("1995"));
    QCOMPARE(lastYear->text(), QString());
    last->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(lastYear->text(), QStringLiteral("1971"));
}

void TestNavigation::orderingAfterEveryLoad()
{
    QWidget *menu = m_windows->show(Window::Menu);
    auto *best = menu->findChild<QRadioButton *>(QStringLiteral("Option2"));
    QTest::mouseClick(best, Qt::LeftButton);
    QVERIFY(best->isChecked());
    QVERIFY(!menu->findChild<QRadioButton *>(QStringLiteral("Option1"))->isChecked());

    trigger(Window::Menu, QStringLiteral("M_Avsluta"));
    menu = m_windows->show(Window::Menu);
    const QList<QRadioButton *> options = menu->findChildren<QRadioButton *>();
    QCOMPARE(options.size(), 4);
    for (QRadioButton *option : options) {
        QCOMPARE(option->group(), options.first()->group());
        QCOMPARE(option->isChecked(), option->objectName() == QStringLiteral("Option1"));
    }
    QCOMPARE(menu->findChild<QRadioButton *>(QStringLiteral("Option3"))->accessibleName(),
             QStringLiteral("Äldsta datum"));
}

void TestNavigation::resultTableHiddenAndNamed_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("names"); // date, split times, final time

    QTest::newRow("1") << 1 << QStringList{QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3")};
    QTest::newRow("10") << 10
                        << QStringList{QStringLiteral("Label28"), QStringLiteral("Label29"), QStringLiteral("Label30")};
    QTest::newRow("11") << 11
                        << QStringList{QStringLiteral("Label37"), QStringLiteral("Label38"), QStringLiteral("Label39")};
    QTest::newRow("16") << 16
                        << QStringList{QStringLiteral("Label52"), QStringLiteral("Label53"), QStringLiteral("Label54")};
    QTest::newRow("17") << 17
                        << QStringList{QStringLiteral("Label57"), QStringLiteral("Label58"), QStringLiteral("Label59")};
    QTest::newRow("28") << 28
                        << QStringList{QStringLiteral("Label90"), QStringLiteral("Label91"), QStringLiteral("Label92")};
}

void TestNavigation::resultTableHiddenAndNamed()
{
    QFETCH(int, row);
    QFETCH(QStringList, names);

    QWidget *menu = m_windows->show(Window::Menu);
    const int top = (960 + 240 * (row - 1)) / 15;
    const int lefts[] = {4680 / 15, 6840 / 15, 5760 / 15};
    for (int column = 0; column < 3; ++column) {
        auto *cell = menu->findChild<QLabel *>(names[column]);
        QVERIFY2(cell, qPrintable(names[column]));
        QVERIFY(!cell->isVisible());
        QCOMPARE(cell->geometry().topLeft(), QPoint(lefts[column], top));
    }
    // All 84 cells and the three headers are hidden until a course is
    // clicked; the headers are grey.
    int hidden = 0;
    for (QLabel *label : menu->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(menu))
            ++hidden;
    }
    QCOMPARE(hidden, 87);
    auto *header = menu->findChild<QLabel *>(QStringLiteral("Label95"));
    QCOMPARE(header->text(), QStringLiteral("Mellantider"));
    QCOMPARE(header->palette().color(QPalette::Window), QColor(192, 192, 192));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
