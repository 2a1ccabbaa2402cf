#pragma once

#include "app/navigation.h"
#include "data/seqfile.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "support/writelimit.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

Q_DECLARE_METATYPE(Window)

inline QString t(const char *utf8) { return QString::fromUtf8(utf8); }

// The program's windows over a working folder of their own, answering to
// scripted boxes. Every window test drives them through play(): a script of
// steps, each a verb and its words, done in order until one fails:
//   BA a;b         the course file holds these lines (none: it is empty)
//   RE a;b         the run file likewise
//   RE* y1 y2 rec  the run file holds rec once a year from y1 to y2, %1 in it
//                  standing for the year and %2 for its last two digits
//   remove FILE    the file is gone
//   block FILE     a folder takes the file's place: it can be neither read
//                  nor replaced
//   at TITLE|step  does the step once the input box of that title is open
//   lock FILE      another copy of the program holds the file's lock from
//                  now on; "dead" after it: one that has died left it
//   answer a;b     the answers of the next input boxes
//   open W         shows window W
//   press W C      chooses menu command or clicks button C of window W;
//   press! W C     the same on a disk that is full
//   type W B text  types the text into box B of window W
//   choose W r     clicks row r of the course list; "right" or "double" after
//                  it for that click, a right click where the style
//                  activates an entry on a single click
//   key W C k      presses key k (Down, Home, End, Return, Tab, Right) in
//                  control C
//   bar C n        moves the analysis window's scroll bar C to n
//   uncheck        switches every option of the analysis window off
//   close W        closes window W by its frame
//   focus W C      gives control C the keyboard focus
// and checks:
//   messages a|b   the messages shown since the last check, in order
//   boxes a|b      the titles of every box shown, in order, a "!" before
//                  those with a warning icon
//   prompts a|b    the prompts of every input box shown, in order
//   loaded W...    the windows loaded now
//   file F a;b     the lines of file F; "-" when it is missing
//   count F n      file F holds n lines, the first one given after n
//   text W C s     the caption or the text of control C is s; a scroll bar's
//                  text is "first..last position"
//   shown W C...   the visible controls of window W
//   rows d,f,s;... the analysis window's shown result rows: date, final
//                  time, split times, from the top
//   rows* n a b    n rows are shown, a the first and b the last
//   checked W C... the option buttons of window W that are on
//   ended yes|no   whether the program has ended, once the events are handled
//   whole W        every caption of window W fits its control, and every
//                  control a person works is reached by Tab and has a name
//                  for screen readers
//   buttons a b    the buttons of a message box, then of an input box
//   window W s w,h the caption of window W, and the size of its client area
//   place W C r    control C lies at r, "left,top,width,height" in pixels
//   tabs W C...    the Tab key goes from the control with the focus through
//                  these controls
struct SingleClickStyle : QProxyStyle
{
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        return h == SH_ItemView_ActivateItemOnSingleClick || QProxyStyle::styleHint(h, o, w, r);
    }
};

struct Fixture
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    SingleClickStyle singleClick; // outlives the windows
    WindowRegistry windows{dialogs};
    QSignalSpy ended{&windows, &WindowRegistry::programEnded};
    qsizetype checkedMessages = 0;
    std::vector<std::unique_ptr<QLockFile>> locks;

    // The windows in the program's own fonts.
    Fixture()
    {
        form::useProgramFonts();
        registerWindows(windows);
    }

    static Window window(const QString &name)
    {
        const QStringList names{t("Start"), t("Menu"), t("Regbana"), t("Regrunda"), t("Info")};
        return Window(names.indexOf(name));
    }

    template<typename Control = QWidget>
    Control *find(const QString &window, const QString &name) const
    {
        QWidget *widget = windows.window(Fixture::window(window));
        return widget ? widget->findChild<Control *>(name) : nullptr;
    }

    QString text(const QString &window, const QString &name) const
    {
        if (auto *label = find<QLabel>(window, name))
            return label->text();
        if (auto *bar = find<QScrollBar>(window, name))
            return t("%1..%2 %3").arg(bar->minimum()).arg(bar->maximum()).arg(bar->value());
        auto *box = find<QLineEdit>(window, name);
        return box ? box->text() : t("<no %1>").arg(name);
    }

    QStringList loaded() const
    {
        QStringList names;
        for (const char *name : {"Start", "Menu", "Regbana", "Regrunda", "Info"}) {
            if (windows.isLoaded(window(t(name))))
                names << t(name);
        }
        return names;
    }

    QStringList shownControls(const QString &window) const
    {
        QStringList names;
        for (QWidget *child : windows.window(Fixture::window(window))->findChildren<QWidget *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isVisible())
                names << child->objectName();
        }
        names.sort();
        return names;
    }

    // The visible result rows, each "date,final time,split times". A row
    // saying what is wrong stands where a row is partly shown, where a hidden
    // row stands between shown ones, or when the headers do not follow row 1.
    QStringList shownRows() const
    {
        static constexpr int dateLabels[28] = {1,  4,  7,  10, 13, 16, 19, 22, 25, 28, 37, 40, 43, 46,
                                               49, 52, 57, 60, 63, 66, 69, 72, 75, 78, 81, 84, 87, 90};
        const auto label = [this](int number) { return find<QLabel>(t("Menu"), t("Label%1").arg(number)); };
        QStringList rows;
        bool hiddenSeen = false;
        for (const int date : dateLabels) {
            const bool shown = label(date)->isVisible();
            if (label(date + 1)->isVisible() != shown || label(date + 2)->isVisible() != shown)
                rows << t("row partly shown at Label%1").arg(date);
            if (shown && hiddenSeen)
                rows << t("gap before Label%1").arg(date);
            hiddenSeen = hiddenSeen || !shown;
            if (shown)
                rows << label(date)->text() + u',' + label(date + 2)->text() + u',' + label(date + 1)->text();
        }
        const bool headers = label(93)->isVisible();
        if (label(94)->isVisible() != headers || label(95)->isVisible() != headers || headers == rows.isEmpty())
            rows << t("headers do not follow row 1");
        return rows;
    }

    void step(const QString &step)
    {
        const QStringList w = step.split(u' ');
        const QString verb = w[0];
        const auto rest = [&](int from) { return step.section(u' ', from); };
        const auto items = [](const QString &text, char16_t sep) {
            return text.isEmpty() ? QStringList() : text.split(sep);
        };
        if (verb == u"BA" || verb == u"RE") {
            QVERIFY(seqfile::writeFile(verb == u"BA" ? t("RUNDA_BA") : t("RUNDA_RE"), items(rest(1), u';')));
        } else if (verb == u"RE*") {
            QStringList records;
            for (int year = w[1].toInt(); year <= w[2].toInt(); ++year)
                records << rest(3).arg(year).arg(year % 100, 2, 10, QChar(u'0'));
            QVERIFY(seqfile::writeFile(t("RUNDA_RE"), records));
        } else if (verb == u"remove") {
            QVERIFY(QFile::remove(w[1]));
        } else if (verb == u"at") {
            dialogs.beforeAnswer = [this, at = rest(1).section(u'|', 0, 0), then = rest(1).section(u'|', 1)](
                                       const QString &title) {
                if (title == at)
                    this->step(then);
            };
        } else if (verb == u"lock") {
            seqfile::setLockWait(20);
            if (w.value(2) == u"dead")
                folder.write(w[1] + t(".lock"), "999999999\n"); // no such process
            else
                QVERIFY(locks.emplace_back(std::make_unique<QLockFile>(w[1] + t(".lock")))->tryLock());
        } else if (verb == u"block") {
            QFile::remove(w[1]);
            folder.block(w[1]);
        } else if (verb == u"answer") {
            dialogs.answers += rest(1).split(u';');
        } else if (verb == u"open") {
            windows.show(window(w[1]));
        } else if (verb == u"press" || verb == u"press!") {
            const WriteLimit limit{verb == u"press!" ? 16 : RLIM_INFINITY};
            if (auto *action = find<QAction>(w[1], w[2]))
                return action->trigger();
            auto *button = find<QAbstractButton>(w[1], w[2]);
            QVERIFY2(button, qPrintable(step));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (verb == u"type") {
            auto *box = find<QLineEdit>(w[1], w[2]);
            QVERIFY2(box, qPrintable(step));
            box->setText(rest(3));
        } else if (verb == u"choose") {
            auto *list = find<QListWidget>(w[1], t("List1"));
            QVERIFY2(list && list->item(w[2].toInt()), qPrintable(step));
            const QPoint at = list->visualItemRect(list->item(w[2].toInt())).center();
            if (w.value(3) == u"right")
                list->setStyle(&singleClick);
            if (w.value(3) == u"double")
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(list->viewport(), w.value(3) == u"right" ? Qt::RightButton : Qt::LeftButton, {}, at);
        } else if (verb == u"key") {
            const QStringList keys{t("Down"), t("Home"), t("End"), t("Return"), t("Tab"), t("Right")};
            const Qt::Key codes[] = {Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Return, Qt::Key_Tab,
                                     Qt::Key_Right};
            QTest::keyClick(find(w[1], w[2]), codes[keys.indexOf(w[3])]);
        } else if (verb == u"bar") {
            find<QScrollBar>(t("Menu"), w[1])->setValue(w[2].toInt());
        } else if (verb == u"uncheck") {
            windows.window(Window::Menu)->findChild<QButtonGroup *>()->setExclusive(false);
            for (auto *option : windows.window(Window::Menu)->findChildren<QAbstractButton *>())
                option->setChecked(false);
        } else if (verb == u"focus") {
            find(w[1], w[2])->setFocus();
            QApplication::processEvents();
        } else if (verb == u"close") {
            windows.window(window(w[1]))->close();
        } else if (verb == u"messages") {
            const QStringList messages = dialogs.texts(false).mid(checkedMessages);
            checkedMessages += messages.size();
            QCOMPARE(messages, items(rest(1), u'|'));
        } else if (verb == u"boxes") {
            QStringList titles;
            for (const ScriptedDialogs::Box &box : dialogs.shown)
                titles << (box.icon == Dialogs::Icon::Warning ? t("!") : QString()) + box.title;
            QCOMPARE(titles, items(rest(1), u'|'));
        } else if (verb == u"prompts") {
            QCOMPARE(dialogs.texts(true), items(rest(1), u'|'));
        } else if (verb == u"count") {
            const QStringList lines = seqfile::readFile(w[1]).items;
            QCOMPARE(QString::number(lines.size()) + u' ' + lines.value(0), rest(2));
        } else if (verb == u"rows*") {
            const QStringList rows = shownRows();
            QCOMPARE(QString::number(rows.size()) + u' ' + rows.first() + u' ' + rows.last(), rest(1));
        } else if (verb == u"checked") {
            QStringList on;
            for (auto *button : windows.window(window(w[1]))->findChildren<QAbstractButton *>()) {
                if (button->isChecked())
                    on << button->objectName();
            }
            QCOMPARE(on, items(rest(2), u' '));
        } else if (verb == u"loaded") {
            QCOMPARE(loaded(), items(rest(1), u' '));
        } else if (verb == u"file") {
            const QString lines = !folder.exists(w[1]) ? t("-") : seqfile::readFile(w[1]).items.join(u';');
            QCOMPARE(lines, rest(2));
        } else if (verb == u"text") {
            QCOMPARE(text(w[1], w[2]), rest(3));
        } else if (verb == u"shown") {
            QCOMPARE(shownControls(w[1]), items(rest(2), u' '));
        } else if (verb == u"rows") {
            QCOMPARE(shownRows(), items(rest(1), u';'));
        } else if (verb == u"window" || verb == u"place") {
            QWidget *widget = windows.window(window(w[1]));
            QVERIFY(QTest::qWaitForWindowExposed(widget));
            auto *main = qobject_cast<QMainWindow *>(widget);
            QWidget *client = main ? main->centralWidget() : widget;
            if (verb == u"window") { // the menu bar lies outside the client area
                QCOMPARE(widget->height(), client->height() + (main ? main->menuWidget()->height() : 0));
                QCOMPARE(widget->windowTitle() + t(" %1,%2").arg(client->width()).arg(client->height()), rest(2));
                return;
            }
            const QRect r = find(w[1], w[2])->geometry();
            QCOMPARE(QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()), w[3]);
        } else if (verb == u"tabs") {
            QApplication::setActiveWindow(windows.window(window(w[1])));
            QVERIFY(QTest::qWaitForWindowActive(windows.window(window(w[1]))));
            QStringList visited{QApplication::focusWidget()->objectName()};
            while (visited.size() < w.size() - 2) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(visited, w.mid(2));
        } else if (verb == u"ended") {
            QApplication::processEvents();
            QCOMPARE(ended.count(), w[1] == u"yes" ? 1 : 0);
        } else if (verb == u"whole") {
            auto *main = qobject_cast<QMainWindow *>(windows.window(window(w[1])));
            for (QWidget *control : (main ? main->centralWidget() : windows.window(window(w[1])))
                                        ->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                const QByteArray name = control->objectName().toLatin1();
                if (auto *label = qobject_cast<QLabel *>(control)) {
                    const QRect needed = QFontMetrics(label->font()).boundingRect(
                        label->rect(), label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
                    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(), name);
                    continue;
                }
                if (auto *button = qobject_cast<QPushButton *>(control))
                    QVERIFY2(button->sizeHint().width() <= button->width(), name);
                QVERIFY2(control->focusPolicy() & Qt::TabFocus, name);
                QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(), name);
            }
            for (QAction *entry : main ? main->menuBar()->actions() : QList<QAction *>())
                QVERIFY(main->menuBar()->rect().contains(main->menuBar()->actionGeometry(entry)));
        } else if (verb == u"buttons") {
            const auto message = QtDialogs::makeMessageBox(nullptr, {}, {}, Dialogs::Icon::None);
            const auto input = QtDialogs::makeInputBox(nullptr, {}, {});
            QStringList texts;
            for (QPushButton *button : message->findChildren<QPushButton *>() + input->findChildren<QPushButton *>())
                texts << button->text();
            QCOMPARE(texts.join(u' '), rest(1));
        } else {
            QFAIL(qPrintable(t("Unknown step: ") + step));
        }
    }

    void play(const QStringList &script)
    {
        for (const QString &s : script) {
            step(s);
            if (QTest::currentTestFailed())
                return qWarning("The step that failed: %s", qPrintable(s));
        }
        QCOMPARE(dialogs.texts(false).mid(checkedMessages), QStringList()); // every message is checked
    }
};
