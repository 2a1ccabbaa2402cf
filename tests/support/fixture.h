#pragma once

#include "app/navigation.h"
#include "data/seqfile.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QImageReader>
#include <QBarSeries>
#include <QBarSet>
#include <QXYSeries>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include <optional>

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
//   type W B text  types the text into box B of window W
//   choose W r     clicks row r of the course list; "right" or "double" after
//                  it for that click, a right click where the style
//                  activates an entry on a single click
//   key W C k      presses key k (Down, Home, End, Return, Tab, Right...) in
//                  control C
//   bar C n        moves the analysis window's scroll bar C to n
//   uncheck        switches every option of the analysis window off
//   close W        closes window W by its frame
//   focus W C      gives control C the keyboard focus
//   context W r    a right click on row r of the course list
//   header W C i   clicks the header of column i of table C
//   pick W C r     makes row r of table C the current one
//   rest W n       the pointer rests on the first point of series n of the
//                  chart in window W
// and checks:
//   messages a|b   the messages shown since the last check, in order
//   boxes a|b      the titles of every box shown, in order, a "!" before
//                  those with a warning icon
//   prompts a|b    the prompts of every input box shown, in order
//   loaded W...    the windows loaded now
//   file F a;b     the lines of file F; "-" when it is missing
//   count F n      file F holds n lines, the first one given after n
//   text W C s     the caption or the text of control C is s; a scroll bar's
//                  text is "first..last position", another control's its
//                  description for screen readers
//   handle C p     the handle of the analysis window's scroll bar C, as its
//                  style places it, lies "left" or "right" of the bar's
//                  middle, or "across" it
//   shown W C...   the visible controls of window W
//   rows d,f,s;... the analysis window's shown result rows: date, final
//                  time, split times, from the top
//   rows* n a b    n rows are shown, a the first and b the last
//   checked W C... the option buttons of window W that are on
//   ended yes|no   whether the program has ended, once the events are handled;
//                  "behind a message" when it ended while a message box was
//                  still open, which takes the box away before it is read
//   whole W        every caption of window W fits its control, and every
//                  control a person works is reached by Tab and has a name
//                  for screen readers, every header of a table fits and no
//                  column of one that scrolls sideways takes more than half
//                  its view: nothing after it, or what is not (the menu bar
//                  fits its entries by itself)
//   buttons a b    the icons of a message box and a warning, the labels of the
//                  save dialog, the buttons of a message box, an input box
//                  and a question, "!" after its default
//   window W s w,h the caption of window W, and the size of its client area
//   place W C r    control C lies at r, "left,top,width,height" in pixels,
//                  and " on #rrggbb" after it when it fills its background
//   tabs W C...    the Tab key goes from the control with the focus through
//                  these controls
//   table W C i    the cells of column i of table C, "a;b;..."
//   caption W s    the caption window W shows
//   plain          the labels of every window and of the boxes shown so far
//                  that would show a text as formatting: nothing after it
//   layout         every control of every window loaded, against the listing
//                  in tests/windows.txt: "as listed", or the first line that
//                  differs (KVISTRA_WRITE_LAYOUT=1 writes the listing anew)
//   series W s n y|… the series of the chart in window W, how many points
//                  each draws and the y value of its first; of bars, the bar
//                  set's bars and the first one's value
//   note W n a|b   the note shown with the pointer on bar n of the bar
//                  chart in window W, its lines
//   grid W C r|…   the headers and rows of table C, the cells parted by ","
//   picture F f    file F is a picture of format f ("-": none)
//   tip s          the tooltip shown, its lines parted by "|"; "-": none
struct SingleClickStyle : QProxyStyle
{
    int styleHint(StyleHint h, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        return h == SH_ItemView_ActivateItemOnSingleClick || QProxyStyle::styleHint(h, o, w, r);
    }
};

// Reaches a scroll bar's own style option, as the bar paints itself with it.
struct OpenScrollBar : QScrollBar { using QScrollBar::initStyleOption; };

struct Fixture
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    SingleClickStyle singleClick; // outlives the windows
    WindowRegistry windows{dialogs};
    QString ended = t("no");
    qsizetype checkedMessages = 0;
    std::vector<std::unique_ptr<QLockFile>> locks;

    // The windows in the program's own fonts, and the runner's configuration
    // in the working folder, never the real one.
    Fixture()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        form::useProgramFonts();
        registerWindows(windows);
        QObject::connect(&windows, &WindowRegistry::programEnded,
                         [this] { ended = dialogs.messageOpen ? t("behind a message") : t("yes"); });
    }

    static QStringList windowNames()
    {
        return t("Start Menu Regbana Regrunda Info ChooseFields RunBook CorrectRun CorrectCourse Chart TrainingVolume")
            .split(u' ');
    }
    static Window window(const QString &name) { return Window(windowNames().indexOf(name)); }
    QWidget *widget(const QString &name) const { return windows.window(window(name)); }

    template<typename Control = QWidget>
    Control *find(const QString &window, const QString &name) const
    {
        QWidget *w = widget(window);
        return w ? w->findChild<Control *>(name) : nullptr;
    }

    QString text(const QString &window, const QString &name) const
    {
        if (auto *label = find<QLabel>(window, name))
            return label->text();
        if (auto *bar = find<QScrollBar>(window, name))
            return t("%1..%2 %3").arg(bar->minimum()).arg(bar->maximum()).arg(bar->value());
        auto *box = find<QLineEdit>(window, name);
        QWidget *other = box ? nullptr : find(window, name); // any other control: its description
        return box ? box->text() : other ? other->accessibleDescription() : t("<no %1>").arg(name);
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

    // A check step: what the program shows now, as one text, and how many
    // words of the step name what is looked at. Nothing for an action.
    std::optional<std::pair<QString, int>> look(const QStringList &w)
    {
        const QString &verb = w[0];
        const auto names = [](const auto &controls, const auto &pick) {
            QStringList result;
            for (auto *control : controls) {
                if (pick(control))
                    result << control->objectName();
            }
            result.sort();
            return result.join(u' ');
        };
        if (verb == u"messages") {
            const QStringList messages = dialogs.texts(false).mid(checkedMessages);
            checkedMessages += messages.size();
            return std::pair{messages.join(u'|'), 1};
        }
        if (verb == u"boxes") {
            QStringList titles;
            for (const ScriptedDialogs::Box &box : dialogs.shown)
                titles << (box.icon == Dialogs::Icon::Warning ? t("!") : QString()) + box.title;
            return std::pair{titles.join(u'|'), 1};
        }
        if (verb == u"prompts")
            return std::pair{dialogs.texts(true).join(u'|'), 1};
        if (verb == u"loaded") {
            QStringList loaded = windowNames();
            loaded.removeIf([this](const QString &name) { return !windows.isLoaded(window(name)); });
            return std::pair{loaded.join(u' '), 1};
        }
        if (verb == u"file" || verb == u"count") {
            const QStringList lines = seqfile::readFile(w[1]).items;
            if (verb == u"count")
                return std::pair{QString::number(lines.size()) + u' ' + lines.value(0), 2};
            return std::pair{folder.exists(w[1]) ? lines.join(u';') : t("-"), 2};
        }
        if (verb == u"text")
            return std::pair{text(w[1], w[2]), 3};
        if (verb == u"handle") {
            auto *bar = find<QScrollBar>(t("Menu"), w[1]);
            QStyleOptionSlider option;
            (bar->*&OpenScrollBar::initStyleOption)(&option);
            const QRect r =
                bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
            const int middle = bar->width() / 2;
            return std::pair{r.right() < middle ? t("left") : r.left() > middle ? t("right") : t("across"), 2};
        }
        if (verb == u"shown")
            return std::pair{names(widget(w[1])->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly),
                                   [](QWidget *c) { return c->isVisible(); }), 2};
        if (verb == u"checked")
            return std::pair{names(widget(w[1])->findChildren<QAbstractButton *>(),
                                   [](QAbstractButton *b) { return b->isChecked(); }), 2};
        if (verb == u"rows" || verb == u"rows*") {
            const QStringList rows = shownRows();
            return std::pair{verb == u"rows" ? rows.join(u';')
                                             : QString::number(rows.size()) + u' ' + rows.first() + u' ' + rows.last(),
                             1};
        }
        if (verb == u"ended") {
            QApplication::processEvents();
            return std::pair{ended, 1};
        }
        if (verb == u"window" || verb == u"place") {
            QWidget *window = widget(w[1]);
            auto *main = qobject_cast<QMainWindow *>(window);
            QWidget *client = main ? main->centralWidget() : window;
            if (verb == u"place") {
                const QRect r = find(w[1], w[2])->geometry();
                const QString colour = find(w[1], w[2])->palette().color(QPalette::Window).name();
                return std::pair{t("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                                     + (find(w[1], w[2])->autoFillBackground() ? t(" on ") + colour : QString()), 3};
            }
            // The menu bar lies outside the client area.
            const bool menuOutside = window->height() == client->height() + (main ? main->menuWidget()->height() : 0);
            return std::pair{window->windowTitle() + t(" %1,%2").arg(client->width()).arg(client->height())
                                 + (menuOutside ? QString() : t(" menu bar inside")),
                             2};
        }
        if (verb == u"tabs") {
            QApplication::setActiveWindow(widget(w[1]));
            if (!QTest::qWaitForWindowActive(widget(w[1])))
                return std::pair{t("not active"), 2};
            QStringList visited{QApplication::focusWidget()->objectName()};
            while (visited.size() < w.size() - 2) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
            return std::pair{visited.join(u' '), 2};
        }
        if (verb == u"whole") { // names the controls that are not
            auto *main = qobject_cast<QMainWindow *>(widget(w[1]));
            const auto cut = [](QWidget *control) {
                if (auto *label = qobject_cast<QLabel *>(control)) {
                    const QRect needed = QFontMetrics(label->font()).boundingRect(
                        label->rect(), label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
                    return needed.width() > label->width() || needed.height() > label->height();
                }
                auto *table = qobject_cast<QTableView *>(control);
                const QHeaderView *h = table ? table->horizontalHeader() : nullptr; // whole, no column > half a view
                for (int i = 0, v = h ? h->width() : 0; h && i < h->count(); ++i)
                    if (h->sectionSize(i) < h->sectionSizeHint(i) || (h->length() > v && 2 * h->sectionSize(i) > v))
                        return true;
                auto *button = qobject_cast<QPushButton *>(control);
                return (button && button->sizeHint().width() > button->width())
                       || !(control->focusPolicy() & Qt::TabFocus)
                       || QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty();
            };
            return std::pair{names((main ? main->centralWidget() : widget(w[1]))
                                       ->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly), cut), 2};
        }
        if (verb == u"table") {
            const QAbstractItemModel *model = find<QTableView>(w[1], w[2])->model();
            QStringList cells;
            for (int r = 0; r < model->rowCount(); ++r)
                cells << model->index(r, w[3].toInt()).data().toString();
            return std::pair{cells.join(u';'), 4};
        }
        if (verb == u"caption")
            return std::pair{widget(w[1])->windowHandle()->title(), 2};
        if (verb == u"plain") {
            QList<QWidget *> all;
            for (const QString &name : windowNames())
                all << (widget(name) ? widget(name)->findChildren<QWidget *>() : QList<QWidget *>());
            std::vector<std::unique_ptr<QDialog>> boxes;
            for (const ScriptedDialogs::Box &box : dialogs.shown) {
                boxes.push_back(QtDialogs::makeInputBox(nullptr, box.text, box.title));
                boxes.push_back(QtDialogs::makeMessageBox(nullptr, box.text, box.title, box.icon));
                boxes.push_back(QtDialogs::makeQuestionBox(nullptr, box.text, box.title));
            }
            for (const auto &box : boxes)
                all << box->findChildren<QWidget *>();
            return std::pair{names(all, [](QWidget *c) {
                auto *label = qobject_cast<QLabel *>(c);
                return label && !label->text().isEmpty() && label->textFormat() != Qt::PlainText;
            }), 1};
        }
        if (verb == u"layout") {
            QStringList have;
            for (const QString &name : windowNames()) {
                auto *main = qobject_cast<QMainWindow *>(widget(name));
                QWidget *client = main ? main->centralWidget() : widget(name);
                if (!client)
                    continue;
                const auto twips = [](const QRect &r) {
                    return t("%1,%2,%3,%4").arg(r.x() * 15).arg(r.y() * 15).arg(r.width() * 15).arg(r.height() * 15);
                };
                have << name + t(" window ") + twips(client->rect()) + t(" \"%1\"").arg(widget(name)->windowTitle());
                for (QWidget *c : client->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                    const auto *label = qobject_cast<QLabel *>(c);
                    const auto *button = qobject_cast<QAbstractButton *>(c);
                    have << t("%1 %2 %3 %4 \"%5\"").arg(name, c->objectName(), t(c->metaObject()->className()).mid(1),
                                                       twips(c->geometry()),
                                                       label ? label->text() : button ? button->text() : QString());
                }
                for (const QAction *action : widget(name)->findChildren<QAction *>()) {
                    const QString entry = action->menu() ? action->menu()->objectName() : action->objectName();
                    if (!entry.isEmpty())
                        have << t("%1 %2 menu \"%3\"").arg(name, entry, action->text());
                }
            }
            QFile listing(t(KVISTRA_LAYOUT));
            if (qEnvironmentVariableIsSet("KVISTRA_WRITE_LAYOUT") && listing.open(QIODevice::WriteOnly))
                listing.write((have.join(u'\n') + u'\n').toUtf8());
            listing.close();
            const QStringList want =
                listing.open(QIODevice::ReadOnly) ? t(listing.readAll()).split(u'\n') : QStringList();
            for (qsizetype i = 0; i < std::max(have.size(), want.size() - 1); ++i) {
                if (have.value(i) != want.value(i))
                    return std::pair{have.value(i) + t(" where the listing has ") + want.value(i), 1};
            }
            return std::pair{t("as listed"), 1};
        }
        if (verb == u"series") {
            QStringList series;
            for (auto *each : widget(w[1])->findChild<QChartView *>()->chart()->series()) {
                const auto *xy = qobject_cast<QXYSeries *>(each);
                const QBarSet *bars = xy ? nullptr : static_cast<QBarSeries *>(each)->barSets().value(0);
                const qsizetype count = xy ? xy->count() : bars->count();
                series << (xy ? each->name() : bars->label()) + u' ' + QString::number(count)
                              + (count ? u' ' + QString::number(xy ? xy->at(0).y() : bars->at(0)) : QString());
            }
            return std::pair{series.join(u'|'), 2};
        }
        if (verb == u"note") {
            auto *view = widget(w[1])->findChild<QChartView *>();
            auto *bars = static_cast<QBarSeries *>(view->chart()->series().constFirst());
            const QPointF x(w[2].toInt(), bars->barSets().constFirst()->at(w[2].toInt()) / 2);
            QTest::mouseMove(view->viewport(), view->mapFromScene(view->chart()->mapToScene(
                                                   view->chart()->mapToPosition(x, bars))));
            return std::pair{QToolTip::text().replace(u'\n', u'|'), 3};
        }
        if (verb == u"grid") {
            const QAbstractItemModel *model = find<QAbstractItemView>(w[1], w[2])->model();
            QStringList rows;
            for (int row = -1; row < model->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < model->columnCount(); ++column)
                    cells << (row < 0 ? model->headerData(column, Qt::Horizontal) : model->index(row, column).data())
                                 .toString();
                rows << cells.join(u',');
            }
            return std::pair{rows.join(u'|'), 3};
        }
        if (verb == u"tip")
            return std::pair{QToolTip::isVisible() ? QToolTip::text().replace(u'\n', u'|') : t("-"), 1};
        if (verb == u"picture") {
            const QByteArray format = QImageReader(w[1]).format();
            return std::pair{format.isEmpty() ? t("-") : QString::fromLatin1(format), 2};
        }
        if (verb == u"buttons") {
            const auto message = QtDialogs::makeMessageBox(nullptr, {}, {}, Dialogs::Icon::None);
            const auto input = QtDialogs::makeInputBox(nullptr, {}, {});
            const auto question = QtDialogs::makeQuestionBox(nullptr, {}, {});
            const auto warning = QtDialogs::makeMessageBox(nullptr, {}, {}, Dialogs::Icon::Warning);
            const auto save = QtDialogs::makeSaveDialog(nullptr, {}, {}, {});
            QStringList texts{QString::number(message->icon()) + u'/' + QString::number(warning->icon())};
            for (int label = QFileDialog::LookIn; label <= QFileDialog::Reject; ++label)
                texts << save->labelText(QFileDialog::DialogLabel(label));
            for (QPushButton *button : message->findChildren<QPushButton *>() + input->findChildren<QPushButton *>()
                                           + question->findChildren<QPushButton *>())
                texts << button->text() + (button == question->defaultButton() ? t("!") : QString());
            return std::pair{texts.join(u' '), 1};
        }
        return std::nullopt;
    }

    void step(const QString &step)
    {
        const QStringList w = step.split(u' ');
        const QString verb = w[0];
        const auto rest = [&](int from) { return step.section(u' ', from); };
        if (const auto seen = look(w)) {
            QCOMPARE(seen->first, rest(seen->second));
        } else if (verb == u"BA" || verb == u"RE") {
            const QString lines = rest(1);
            QVERIFY(seqfile::writeFile(verb == u"BA" ? t("RUNDA_BA") : t("RUNDA_RE"),
                                       lines.isEmpty() ? QStringList() : lines.split(u';')));
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
        } else if (verb == u"press") {
            if (auto *action = find<QAction>(w[1], w[2])) {
                if (auto *popup = qobject_cast<QMenu *>(action->parent())) // chosen from it, a menu closes
                    popup->hide();
                return action->trigger();
            }
            auto *button = find<QAbstractButton>(w[1], w[2]);
            QVERIFY2(button, qPrintable(step));
            // A check box takes a click on its box, at its left.
            QTest::mouseClick(button, Qt::LeftButton, {}, qobject_cast<QCheckBox *>(button) ? QPoint(6, 8) : QPoint());
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
            QTest::keyClick(find(w[1], w[2]), QKeySequence(w[3])[0].key(), QKeySequence(w[3])[0].keyboardModifiers());
        } else if (verb == u"bar") {
            find<QScrollBar>(t("Menu"), w[1])->setValue(w[2].toInt());
        } else if (verb == u"uncheck") {
            widget(t("Menu"))->findChild<QButtonGroup *>()->setExclusive(false);
            for (auto *option : widget(t("Menu"))->findChildren<QAbstractButton *>())
                option->setChecked(false);
        } else if (verb == u"focus") {
            find(w[1], w[2])->setFocus();
            QApplication::processEvents();
        } else if (verb == u"context") { // by the window system, as a person's right click comes
            auto *list = find<QListWidget>(w[1], t("List1"));
            const QPoint row = list->visualItemRect(list->item(w[2].toInt())).center();
            const QPoint at = list->viewport()->mapTo(widget(w[1]), row);
            QTest::mouseClick(widget(w[1])->windowHandle(), Qt::RightButton, {}, at);
        } else if (verb == u"header") {
            QHeaderView *header = find<QTableView>(w[1], w[2])->horizontalHeader();
            const int i = w[3].toInt();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(i) + header->sectionSize(i) / 2, 5));
        } else if (verb == u"rest") { // the pointer comes to the first point of series n and rests there
            auto *view = widget(w[1])->findChild<QChartView *>();
            auto *series = static_cast<QXYSeries *>(view->chart()->series().at(w[2].toInt()));
            const QPoint at = view->mapFromScene(view->chart()->mapToPosition(series->at(0), series));
            QHelpEvent rest(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &rest);
            QTest::qWait(400); // a tooltip taken away goes after 300 ms
        } else if (verb == u"pick") {
            auto *table = find<QTableView>(w[1], w[2]);
            table->setCurrentIndex(table->model()->index(w[3].toInt(), 0));
        } else if (verb == u"close") {
            widget(w[1])->close();
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
