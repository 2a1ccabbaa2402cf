#include "analysis/menu.h"

#include "analysis/firstrun.h"
#include "analysis/selection.h"
#include "data/coursefile.h"
#include "data/numeric.h"
#include "data/runfile.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

QString labelName(int number)
{
    return QStringLiteral("Label") + QString::number(number);
}

QRadioButton *makeOption(QWidget *client, QButtonGroup *group, const QString &name, int left,
                         const QString &labelNameText, const QString &caption, int labelLeft, int labelWidth)
{
    auto *option = new QRadioButton(client);
    option->setObjectName(name);
    // The button's own caption is too narrow to show: the label to its right
    // names the ordering, for the eye and for assistive tools alike.
    twips::place(option, left, 360, 255, 255);
    group->addButton(option);
    form::labelBy(form::makeLabel(client, labelNameText, caption, labelLeft, 360, labelWidth, 255), option);
    return option;
}

// A bar 65 pixels wide leaves a style's own handle, with its minimum length,
// filling most of the groove, and its light handle beside a darker rest of
// the groove reads as a handle at the other end. Here the handle is small and
// darker than its groove, so it stands where the year stands; the arrow
// buttons stay the style's own.
const QString yearBarLook = QStringLiteral(
    "QScrollBar:horizontal { background: palette(base); border: 1px solid palette(mid); margin: 0px 14px; }"
    "QScrollBar:horizontal:focus { border-color: palette(highlight); }"
    "QScrollBar::handle:horizontal { background: palette(shadow); min-width: 8px; }"
    "QScrollBar::handle:horizontal:hover, QScrollBar::handle:horizontal:pressed { background: palette(highlight); }"
    "QScrollBar::add-line:horizontal { width: 14px; subcontrol-origin: margin; subcontrol-position: right; }"
    "QScrollBar::sub-line:horizontal { width: 14px; subcontrol-origin: margin; subcontrol-position: left; }");

QScrollBar *makeYearBar(QWidget *client, const QString &name, int left, int start)
{
    auto *bar = new QScrollBar(Qt::Horizontal, client);
    bar->setObjectName(name);
    bar->setRange(1970, 2100);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(start);
    // Reached by Tab and moved by the arrow keys, like any other control;
    // the right arrow goes to a later year (a scroll bar's keys go the other
    // way by default).
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    bar->setStyleSheet(yearBarLook);
    twips::place(bar, left, 0, 975, 255);
    return bar;
}

} // namespace

Menu::Menu(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Menu"));
    setWindowTitle(QStringLiteral("Kvistra Huvudmeny"));
    QWidget *client = form::makeClientArea(this, 15495, 8430);

    T_dist = form::makeLabel(client, QStringLiteral("T_dist"), QString(), 120, 120, 3735, 495);
    T_dist->setFont(form::sansSerif(18));

    List1 = new QListWidget(client);
    List1->setObjectName(QStringLiteral("List1"));
    // Every entry is one line: a course file of a million lines lists at once.
    List1->setUniformItemSizes(true);
    twips::place(List1, 120, 720, 3735, 7080);

    // "Banor" under the list names it.
    form::labelBy(form::makeLabel(client, QStringLiteral("Label56"), QStringLiteral("Banor"), 240, 7920, 495, 255),
                  List1);
    L_antbanor = form::makeLabel(client, QStringLiteral("L_antbanor"), QString(), 840, 7920, 615, 255);
    form::makeLabel(client, QStringLiteral("Label55"), QStringLiteral("Rundor "), 2280, 7920, 615, 255);
    L_visaantal = form::makeLabel(client, QStringLiteral("L_visaantal"), QString(), 3000, 7920, 735, 255);

    QLabel *heading = form::makeLabel(client, QStringLiteral("Label35"), QStringLiteral("Sorteras efter nedan val"),
                                      4680, 0, 2655, 255);
    heading->setFont(form::sansSerif(12));

    m_ordering = new QButtonGroup(this);
    m_ordering->setExclusive(true);
    Option1 = makeOption(client, m_ordering, QStringLiteral("Option1"), 4680, QStringLiteral("Label32"),
                         QStringLiteral("Yngsta datum"), 5040, 975);
    Option3 = makeOption(client, m_ordering, QStringLiteral("Option3"), 6240, QStringLiteral("Label31"),
                         QStringLiteral("Äldsta datum"), 6720, 975);
    Option2 = makeOption(client, m_ordering, QStringLiteral("Option2"), 7920, QStringLiteral("Label33"),
                         QStringLiteral("Bästa tid"), 8400, 735);
    Option4 = makeOption(client, m_ordering, QStringLiteral("Option4"), 9240, QStringLiteral("Label34"),
                         QStringLiteral("Sämsta tid"), 9600, 855);

    QLabel *interval = form::makeLabel(client, QStringLiteral("Label36"), QStringLiteral("År intervall    ==>"),
                                       7800, 0, 1815, 255);
    interval->setFont(form::sansSerif(12));

    HScroll1 = makeYearBar(client, QStringLiteral("HScroll1"), 9960, 1980);
    L_visafyear = form::makeLabel(client, QStringLiteral("L_visafyear"), QString(), 11160, 0, 855, 255);
    HScroll2 = makeYearBar(client, QStringLiteral("HScroll2"), 12240, 1970);
    L_visatyear = form::makeLabel(client, QStringLiteral("L_visatyear"), QString(), 13320, 0, 975, 255);
    // Each bar is named by its year label, whatever year it shows.
    L_visafyear->setBuddy(HScroll1);
    L_visatyear->setBuddy(HScroll2);

    buildResultTable(client);

    QLabel *note = form::makeLabel(
        client, QStringLiteral("Label96"),
        QStringLiteral("Programmet visar enbart de 28 första valda posterna sorterat enligt ditt sök val ovan"), 4680,
        7920, 9495, 300);
    note->setFont(form::sansSerif(12));

    QMenu *M_Arkiv = form::addMenu(menuBar(), QStringLiteral("M_Arkiv"), QStringLiteral("Arkiv"));
    M_Avsluta = form::addCommand(M_Arkiv, QStringLiteral("M_Avsluta"), QStringLiteral("Tillbaka"));
    QMenu *M_Resgistrera = form::addMenu(menuBar(), QStringLiteral("M_Resgistrera"), QStringLiteral("Registrera"));
    M_Bana = form::addCommand(M_Resgistrera, QStringLiteral("M_Bana"), QStringLiteral("Bana"));
    M_Runda = form::addCommand(M_Resgistrera, QStringLiteral("M_Runda"), QStringLiteral("Runda"));
    buildCourseCommands();

    List1->viewport()->installEventFilter(this);
    List1->installEventFilter(this);
    // Installed last, so it sees the list's mouse events first.
    form::acceptLeftButtonOnly(List1);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Menu::List1_SelectionChanged);
    connect(List1, &QListWidget::itemClicked, this, &Menu::List1_ItemClicked);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Menu::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Menu::HScroll2_Change);
    connect(M_Avsluta, &QAction::triggered, this, &Menu::M_Avsluta_Click);
    connect(M_Bana, &QAction::triggered, this, &Menu::M_Bana_Click);
    connect(M_Runda, &QAction::triggered, this, &Menu::M_Runda_Click);
    connect(&m_windows, &WindowRegistry::filesChanged, this, &Menu::showFilesAfresh);
}

void Menu::buildResultTable(QWidget *client)
{
    using namespace resulttable;
    auto header = [client](int number, const QString &caption, int left, int width) {
        QLabel *label = form::makeLabel(client, labelName(number), caption, left, 720, width, cellHeight);
        label->setAutoFillBackground(true);
        QPalette grey = label->palette();
        grey.setColor(QPalette::Window, QColor(192, 192, 192));
        label->setPalette(grey);
        label->hide();
        return label;
    };
    Label93 = header(93, QStringLiteral("Datum"), dateLeft, dateWidth);
    Label94 = header(94, QStringLiteral("Sluttid"), finalLeft, finalWidth);
    Label95 = header(95, QStringLiteral("Mellantider"), splitsLeft, splitsWidth);

    for (int row = 1; row <= rowCount; ++row) {
        const RowLabels numbers = labelsOfRow(row);
        const int top = rowTop(row);
        ResultRow &cells = m_rows[row - 1];
        cells.date = form::makeLabel(client, labelName(numbers.date), QString(), dateLeft, top, dateWidth, cellHeight);
        cells.final =
            form::makeLabel(client, labelName(numbers.final), QString(), finalLeft, top, finalWidth, cellHeight);
        cells.splits =
            form::makeLabel(client, labelName(numbers.splits), QString(), splitsLeft, top, splitsWidth, cellHeight);
        cells.date->hide();
        cells.final->hide();
        cells.splits->hide();
    }
}

bool Menu::Form_Load()
{
    Dialogs &dialogs = m_windows.dialogs();
    m_previousCourse.clear();

    course::Table table = course::load();
    if (table.status == seqfile::ReadStatus::Missing) {
        // The first start: the runner registers a first course, which
        // creates the course file.
        if (!registerFirstCourse(dialogs, this))
            return false;
        table = course::load();
    }
    if (table.status != seqfile::ReadStatus::Ok) {
        // Never the first-run questions here: their one course would replace
        // a file that holds courses.
        dialogs.message(this, seqfile::readFailedMessage(course::fileName()));
        return false;
    }

    Option1->setChecked(true);
    listCourses(std::move(table.lines));
    return true;
}

void Menu::listCourses(QStringList lines)
{
    m_courses = std::move(lines);
    List1->clear();
    for (const QString &line : std::as_const(m_courses))
        List1->addItem(form::shown(course::name(line)));
    L_antbanor->setText(QString::number(m_courses.size()));
}

bool Menu::eventFilter(QObject *watched, QEvent *event)
{
    // Only left presses get here: a new one has chosen nothing yet.
    if (watched == List1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_pressChoseCourse = false;
    if (List1_ContextMenu(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void Menu::List1_SelectionChanged()
{
    // Giving the list the focus makes an entry current without selecting
    // it: that chooses nothing.
    if (List1->selectedItems().isEmpty())
        return;
    m_pressChoseCourse = true;
    List1_Click();
}

void Menu::List1_ItemClicked()
{
    // A press on another course has chosen it already; a click on the
    // selected course chooses it again.
    if (m_pressChoseCourse)
        return;
    List1_Click();
}

void Menu::List1_Click()
{
    Dialogs &dialogs = m_windows.dialogs();
    const QString noRuns = QStringLiteral("Du har ingen registrerad runda för banan");

    // Nothing on screen changes before the run file has been read.
    const run::Table runs = run::load();
    if (runs.status == seqfile::ReadStatus::Missing) {
        dialogs.message(this, noRuns);
        return;
    }
    if (runs.status == seqfile::ReadStatus::Failed) {
        dialogs.message(this, seqfile::readFailedMessage(run::fileName()));
        return;
    }
    hideResultTable();

    const int position = List1->currentRow();
    if (position < 0 || position >= m_courses.size()) {
        dialogs.message(this, noRuns);
        return;
    }
    // The course's own name: the list shows only the start of a long one.
    const QString courseText = course::name(m_courses.at(position));
    const bool newCourse = courseText != m_previousCourse;
    m_previousCourse = courseText;

    // A hand-edited count that is no number of timed points cannot tell
    // where a run's final time stands.
    const int n = course::timedPoints(m_courses.at(position));
    if (n == 0) {
        dialogs.message(this, noRuns);
        return;
    }

    // The distance comes from the course line: a course without runs must
    // not go on showing the distance of the course clicked before.
    T_dist->setText(resulttable::distanceCaption(course::distance(m_courses.at(position))));
    QList<run::RecordView> courseRuns = selection::courseRuns(runs.records, courseText, std::move(m_runsRoom));
    const auto keepRoom = qScopeGuard([&] {
        courseRuns.clear();
        m_runsRoom = std::move(courseRuns);
    });
    if (newCourse) {
        if (const auto interval = selection::yearInterval(courseRuns))
            setYearInterval(*interval);
    }

    const std::optional<ordering::Order> order = chosenOrder();
    if (!order) {
        dialogs.message(this, QStringLiteral("Fel i val av sortering"));
        m_windows.endProgram();
        return;
    }
    const std::vector<qsizetype> runOrder = ordering::runOrder(courseRuns, *order, n);

    // The labels, not the scroll bars, hold the interval.
    showRows(resulttable::rowsToShow(courseRuns, runOrder, n, numericValue(L_visafyear->text()),
                                     numericValue(L_visatyear->text())));
    L_visaantal->setText(QString::number(courseRuns.size()));
}

void Menu::hideResultTable()
{
    // The captions stay: a hidden cell keeps its text until it is filled again.
    for (const ResultRow &row : m_rows) {
        row.date->hide();
        row.splits->hide();
        row.final->hide();
    }
    Label93->hide();
    Label94->hide();
    Label95->hide();
}

void Menu::setYearInterval(const selection::YearInterval &interval)
{
    HScroll1->setRange(interval.first, interval.last);
    HScroll2->setRange(interval.first, interval.last);
    HScroll1->setValue(interval.first);
    HScroll2->setValue(interval.last);
    L_visafyear->setText(interval.firstCaption);
    L_visatyear->setText(interval.lastCaption);
}

void Menu::showRows(const QList<resulttable::Row> &rows)
{
    if (!rows.isEmpty()) {
        Label93->show();
        Label94->show();
        Label95->show();
    }
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const ResultRow &cells = m_rows.at(index);
        cells.date->setText(form::shown(rows.at(index).date));
        cells.splits->setText(form::shown(rows.at(index).splits));
        cells.final->setText(form::shown(rows.at(index).final));
        cells.date->show();
        cells.splits->show();
        cells.final->show();
    }
}

std::optional<ordering::Order> Menu::chosenOrder() const
{
    // Tested in the order the buttons stand on the window.
    if (Option1->isChecked())
        return ordering::Order::YoungestDate;
    if (Option3->isChecked())
        return ordering::Order::OldestDate;
    if (Option2->isChecked())
        return ordering::Order::BestTime;
    if (Option4->isChecked())
        return ordering::Order::WorstTime;
    return std::nullopt;
}

void Menu::HScroll1_Change(int value)
{
    L_visafyear->setText(QString::number(value));
}

void Menu::HScroll2_Change(int value)
{
    L_visatyear->setText(QString::number(value));
}

void Menu::M_Avsluta_Click()
{
    m_windows.unload(Window::Menu);
    m_windows.show(Window::Start);
}

void Menu::M_Bana_Click()
{
    m_windows.unload(Window::Menu);
    m_windows.show(Window::Regbana);
}

void Menu::M_Runda_Click()
{
    m_windows.unload(Window::Menu);
    m_windows.show(Window::Regrunda);
}

int Menu::selectedCourse() const
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.constFirst());
}

void Menu::showFilesAfresh(const QString &courseBefore, const QString &courseAfter)
{
    // The course clicked last, under its new line when it was corrected.
    int position = selectedCourse();
    QString chosen = position >= 0 ? m_courses.at(position) : QString();
    if (position >= 0 && !courseBefore.isEmpty() && chosen == courseBefore) {
        chosen = courseAfter;
        if (m_previousCourse == course::name(courseBefore))
            m_previousCourse = course::name(courseAfter);
    }

    course::Table table = course::load();
    if (table.status != seqfile::ReadStatus::Ok) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(course::fileName()));
        return;
    }
    {
        // Listing chooses nothing: the click below does, once.
        const QSignalBlocker quiet(List1);
        listCourses(std::move(table.lines));
        if (position < 0 || position >= m_courses.size() || m_courses.at(position) != chosen)
            position = chosen.isEmpty() ? -1 : int(m_courses.indexOf(chosen));
        if (position >= 0)
            List1->setCurrentRow(position);
    }
    if (position >= 0)
        List1_Click();
}
