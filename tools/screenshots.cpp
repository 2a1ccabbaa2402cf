// Pictures every window of Kvistra in a telling state, as PNG files of the
// windows' exact size (the frame left out), for the README:
//
//     kvistra_screenshots <output folder> [scale]
//
// A scale (2, say) shows the windows as QT_SCALE_FACTOR does, each picture
// that many times as wide and high.
//
// It runs headless and in a temporary data folder of its own, which it fills
// with the course and run files each picture needs; tools/screenshots builds
// and runs it. The same program on the same machine gives the same files.

#include "analysis/menu.h"
#include "runbook/runbook.h"
#include "runbook/runbookmodel.h"
#include "app/navigation.h"
#include "data/coursefile.h"
#include "data/dateandtime.h"
#include "data/runfile.h"
#include "progress/trainingvolume.h"
#include "registration/regbana.h"
#include "registration/regrunda.h"
#include "registration/runcheck.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QTableView>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace {

QDir output;

// Shows the widget, lets it lay itself out and take the focus, and writes
// what it shows.
void picture(QWidget *widget, const QString &fileName, const std::function<void()> &whenShown = {})
{
    widget->show();
    QApplication::processEvents();
    if (whenShown)
        whenShown();
    const QImage image = widget->grab().toImage();
    const QString path = output.filePath(fileName);
    if (image.deviceIndependentSize().toSize() != widget->size() || !image.save(path, "PNG"))
        throw std::runtime_error(qPrintable(path + QStringLiteral(" cannot be written")));
    std::printf("%s: %d x %d\n", qPrintable(path), image.width(), image.height());
}

// The program's own boxes, pictured when a file name waits for them instead
// of being shown to a person; input boxes get the next prepared answer.
class PicturedDialogs final : public Dialogs
{
public:
    // File names for the boxes to come, in turn; an empty name skips a box.
    QStringList pictures;
    QStringList answers;

protected:
    void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) override
    {
        const auto box = QtDialogs::makeMessageBox(parent, text, title, icon);
        pictureNext(box.get());
    }

    QString askInput(QWidget *parent, const QString &prompt, const QString &title) override
    {
        const auto box = QtDialogs::makeInputBox(parent, prompt, title);
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        box->setTextValue(answer);
        // Typed in, not offered: the answer shows unselected.
        pictureNext(box.get(), [&box] {
            for (QLineEdit *field : box->findChildren<QLineEdit *>())
                field->deselect();
        });
        return answer;
    }

    bool askQuestion(QWidget *parent, const QString &text, const QString &title) override
    {
        const auto box = QtDialogs::makeQuestionBox(parent, text, title);
        pictureNext(box.get());
        return false;
    }

    QString askSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }

private:
    void pictureNext(QWidget *box, const std::function<void()> &whenShown = {})
    {
        const QString fileName = pictures.isEmpty() ? QString() : pictures.takeFirst();
        if (!fileName.isEmpty())
            picture(box, fileName, whenShown);
    }
};

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return found;
}

void type(QWidget *window, const char *box, const QString &text)
{
    child<QLineEdit>(window, box)->setText(text);
}

QWidget *open(WindowRegistry &windows, Window id)
{
    QWidget *window = windows.show(id);
    if (!window)
        throw std::runtime_error("a window did not open");
    return window;
}

const QString months[] = {QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"),
                          QStringLiteral("apr"), QStringLiteral("maj"), QStringLiteral("jun"),
                          QStringLiteral("jul"), QStringLiteral("aug"), QStringLiteral("sep"),
                          QStringLiteral("okt"), QStringLiteral("nov"), QStringLiteral("dec")};

const QString notes[] = {QStringLiteral("Kändes bra"), QStringLiteral("Tunga ben efter gårdagens pass"),
                         QStringLiteral("Blåsigt på dammen, sol"), QStringLiteral("Regn hela vägen"),
                         QStringLiteral("Lätt och fint, nya skor"), QStringLiteral("Halt i backen; gick uppför"),
                         QStringLiteral("Med klubben"), QStringLiteral("Förkyld, lugnt tempo")};

// Four courses, and 30 runs over the first, spread over five years, with
// times that vary without any pattern the eye would notice.
void writeLog()
{
    const QStringList courses{
        course::makeLine(QStringLiteral("Hörnsjön 2 stora varv"), QStringLiteral("04"), QStringLiteral("08400")),
        course::makeLine(QStringLiteral("Kvarnbacken runt"), QStringLiteral("03"), QStringLiteral("05200")),
        course::makeLine(QStringLiteral("Skogsslingan med backen"), QStringLiteral("05"), QStringLiteral("10000")),
        course::makeLine(QStringLiteral("Intervaller på Vallen"), QStringLiteral("10"), QStringLiteral("99999")),
    };
    QStringList runs;
    for (int i = 0; i < 30; ++i) {
        const int wobble = (i * 37) % 23 - 11;
        const int laps[4] = {600 + wobble * 3, 620 - wobble * 2, 610 + (i * 13) % 17, 640 - i * 2};
        runcheck::Entry entry;
        entry.pace = i % 4 == 0 ? QStringLiteral("T") : QStringLiteral("M");
        entry.date = QStringLiteral("%1-%2-%3")
                         .arg(1 + (i * 7) % 28, 2, 10, QLatin1Char('0'))
                         .arg(months[(i * 5) % 12])
                         .arg(2019 + i / 6);
        entry.information = notes[i % std::size(notes)];
        entry.temperature = QStringLiteral("+%1").arg(4 + (i * 11) % 19);
        entry.weight = QStringLiteral("7%1.%2").arg(6 + i % 4).arg(i % 10);
        int total = 0;
        for (const int lap : laps) {
            total += lap;
            entry.times << dateandtime::timeText(total);
        }
        runs << runcheck::makeRecord(courses.first(), entry);
    }
    if (!seqfile::writeFile(course::fileName(), courses) || !seqfile::writeFile(run::fileName(), runs))
        throw std::runtime_error("the data files cannot be written");
}

// Five years of runs over the second course, race and training pace, getting
// faster year by year, added to the run file.
void writeProgress()
{
    const QString line = course::load().lines.at(1);
    QStringList runs = run::load().records;
    for (int i = 0; i < 60; ++i) {
        const bool race = i % 6 == 5;
        const int trend = 1620 - i * 3;
        const int wobble = (i * 53) % 41 - 20;
        runcheck::Entry entry;
        entry.pace = race ? QStringLiteral("T") : QStringLiteral("M");
        entry.date = QStringLiteral("%1-%2-%3")
                         .arg(1 + (i * 11) % 28, 2, 10, QLatin1Char('0'))
                         .arg(months[(i % 12 + i / 12 * 5) % 12])
                         .arg(2019 + i / 12);
        entry.information = race ? QStringLiteral("Klubbmästerskap") : QStringLiteral("Lugnt");
        entry.temperature = QStringLiteral("+%1").arg(3 + (i * 7) % 20);
        entry.weight = QStringLiteral("7%1.%2").arg(5 + i % 3).arg(i % 10);
        const int total = trend + wobble - (race ? 75 : 0);
        entry.times = {dateandtime::timeText(total * 30 / 100), dateandtime::timeText(total * 65 / 100),
                       dateandtime::timeText(total)};
        runs << runcheck::makeRecord(line, entry);
    }
    if (!seqfile::writeFile(run::fileName(), runs))
        throw std::runtime_error("the run file cannot be written");
}

// Three and a half years of runs over the first three courses, two to four a
// week, more in summer than in winter, in place of the runs before.
void writeVolume(const QDate &today)
{
    const QStringList courses = course::load().lines;
    QStringList runs;
    for (QDate day(2022, 1, 3); day <= today; day = day.addDays(1)) {
        const int mix = int(day.toJulianDay() * 7919 % 1009);
        const bool summer = day.month() >= 4 && day.month() <= 9;
        if (mix % 7 >= (summer ? 4 : 2) + (day.year() - 2022) / 2)
            continue;
        const QString &line = courses.at(mix % 3);
        const int points = course::timedPoints(line);
        const int metres = *course::knownDistance(course::distance(line));
        const bool race = mix % 41 == 0;
        // 4.50 to 5.50 a kilometre, races faster.
        const int total = metres * (290 + mix % 60 - (race ? 25 : 0)) / 1000;
        runcheck::Entry entry;
        entry.pace = race ? QStringLiteral("T") : QStringLiteral("M");
        entry.date = QStringLiteral("%1-%2-%3")
                         .arg(day.day(), 2, 10, QLatin1Char('0'))
                         .arg(months[day.month() - 1])
                         .arg(day.year());
        entry.information = notes[mix % std::size(notes)];
        entry.temperature = QStringLiteral("+%1").arg(2 + mix % 20);
        entry.weight = QStringLiteral("77.%1").arg(mix % 10);
        for (int point = 1; point <= points; ++point)
            entry.times << dateandtime::timeText(total * point / points);
        runs << runcheck::makeRecord(line, entry);
    }
    if (!seqfile::writeFile(run::fileName(), runs))
        throw std::runtime_error("the run file cannot be written");
}

void pictureEveryWindow()
{
    PicturedDialogs dialogs;
    WindowRegistry windows(dialogs);
    registerWindows(windows);

    // The first start, in a folder without a course file: the warning and the
    // first question, answered as a new runner would.
    dialogs.pictures = {QStringLiteral("firstrun-warning.png"), QStringLiteral("firstrun-question.png")};
    dialogs.answers = {QStringLiteral("Hörnsjön 2 stora varv"), QStringLiteral("4"), QStringLiteral("8400")};
    open(windows, Window::Menu);
    windows.unload(Window::Menu);

    writeLog();
    picture(open(windows, Window::Start), QStringLiteral("start.png"));

    // The first course chosen once, as a click chooses it.
    auto *menu = static_cast<Menu *>(open(windows, Window::Menu));
    auto *list = child<QListWidget>(menu, "List1");
    {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(0);
    }
    menu->List1_Click();
    picture(menu, QStringLiteral("menu.png"));

    // Every run of the course, ordered by final time, and one of them being
    // corrected.
    menu->M_Rundor_Click();
    QWidget *book = windows.window(Window::RunBook);
    if (!book)
        throw std::runtime_error("the run book did not open");
    static_cast<RunBook *>(book)->orderByColumn(RunBookModel::Final);
    child<QTableView>(book, "runTable")->selectRow(3);
    picture(book, QStringLiteral("runbook.png"));
    picture(open(windows, Window::CorrectRun), QStringLiteral("correctrun.png"));
    windows.unload(Window::CorrectRun);
    windows.unload(Window::RunBook);
    windows.unload(Window::Menu);

    // A course with too many timed points: refused, the boxes keep what was
    // typed.
    auto *regbana = static_cast<Regbana *>(open(windows, Window::Regbana));
    type(regbana, "T_ban11", QStringLiteral("Runt sjön via bron"));
    type(regbana, "T_mellan11", QStringLiteral("12"));
    type(regbana, "T_distans11", QStringLiteral("7300"));
    dialogs.pictures = {QStringLiteral("regbana-message.png")};
    // Called, not clicked: a failed picture must not unwind through Qt.
    regbana->Command1_Click();
    picture(regbana, QStringLiteral("regbana.png"));
    windows.unload(Window::Regbana);

    // The course with ten timed points, its run typed in.
    auto *regrunda = static_cast<Regrunda *>(open(windows, Window::Regrunda));
    child<QListWidget>(regrunda, "List1")->setCurrentRow(3);
    regrunda->List1_Click();
    type(regrunda, "T_reg4", QStringLiteral("T"));
    type(regrunda, "T_reg5", QStringLiteral("14-maj-2023"));
    type(regrunda, "T_reg6", QStringLiteral("10 x 400 m, vila 1 minut. Blåsigt."));
    type(regrunda, "T_reg7", QStringLiteral("+12"));
    type(regrunda, "T_reg8", QStringLiteral("77.5"));
    for (int k = 1; k <= 10; ++k)
        type(regrunda, qPrintable(QStringLiteral("Text%1").arg(k)), dateandtime::timeText(k * 155 - k % 3 * 4));
    picture(regrunda, QStringLiteral("regrunda.png"));
    windows.unload(Window::Regrunda);

    picture(open(windows, Window::Info), QStringLiteral("info.png"));
    windows.unload(Window::Info);

    // The choice of fields, the weight left out.
    QWidget *chooseFields = open(windows, Window::ChooseFields);
    child<QCheckBox>(chooseFields, "weightBox")->setChecked(false);
    picture(chooseFields, QStringLiteral("choosefields.png"));

    // The chart of the second course, beside the analysis window.
    writeProgress();
    open(windows, Window::Menu);
    windows.setSubject(course::load().lines.at(1));
    QWidget *chart = open(windows, Window::Chart);
    picture(chart, QStringLiteral("chart.png"), [] { QApplication::processEvents(); });

    // The training volume of three courses a month at a time, the year so
    // far up to a day of its own, so that the picture stays the same.
    const QDate today(2025, 6, 15);
    writeVolume(today);
    auto *volume = static_cast<TrainingVolume *>(open(windows, Window::TrainingVolume));
    volume->setToday(today);
    picture(volume, QStringLiteral("volume.png"), [] { QApplication::processEvents(); });
}

QtMessageHandler standardHandler = nullptr;

// The headless platform tells of every window feature it lacks; nothing
// else is dropped.
void quietAboutThePlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // Headless, on a screen of 1920 x 1080 device-independent pixels (the
    // headless default is too small for the windows placed beside the
    // analysis window), at the scale asked for (one pixel per
    // device-independent pixel by default) and in the program's own style,
    // whatever the desktop asks for.
    const double scale = argc == 3 ? std::atof(argv[2]) : 1;
    QTemporaryFile screen;
    if (scale <= 0 || !screen.open()
        || screen.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                       "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96}]}")
                            .arg(qRound(1920 * scale))
                            .arg(qRound(1080 * scale))
                            .toUtf8())
               < 0
        || !screen.flush()) {
        std::fputs("usage: kvistra_screenshots <output folder> [scale]\n", stderr);
        return EXIT_FAILURE;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_STYLE_OVERRIDE"})
        qunsetenv(name);
    if (argc == 3)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    standardHandler = qInstallMessageHandler(quietAboutThePlatform);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // A steady text cursor: a blinking one would be caught at random.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    form::useProgramFonts();
    useSwedishQtTexts();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fputs("usage: kvistra_screenshots <output folder> [scale]\n", stderr);
        return EXIT_FAILURE;
    }
    output.setPath(QDir(arguments.at(1)).absolutePath());
    const QString started = QDir::currentPath();
    QTemporaryDir data;
    if (!output.mkpath(QStringLiteral(".")) || !data.isValid() || !QDir::setCurrent(data.path())) {
        std::fputs("kvistra_screenshots: the output or data folder cannot be made\n", stderr);
        return EXIT_FAILURE;
    }
    // The runner's choice of fields there too: every window as it first is.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, data.path());
    int result = EXIT_SUCCESS;
    try {
        pictureEveryWindow();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "kvistra_screenshots: %s\n", error.what());
        result = EXIT_FAILURE;
    }
    // Out of the data folder, so that it can be removed.
    QDir::setCurrent(started);
    return result;
}
