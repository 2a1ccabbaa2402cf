#include "runbook/runbook.h"

#include "runbook/csvexport.h"
#include "runbook/runbookmodel.h"
#include "data/coursefile.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QTableView>

namespace {

// The window's size when it opens, in twips; it can be made larger, or
// smaller down to the least size.
constexpr int openWidth = 13440;
constexpr int openHeight = 7200;
constexpr int buttonWidth = 1695;
constexpr int buttonHeight = 495;

} // namespace

RunBook::RunBook(WindowRegistry &windows, const QString &courseLine)
    : m_windows(windows)
    , m_course(courseLine)
{
    setObjectName(QStringLiteral("RunBook"));
    setWindowTitle(form::plainCaption(caption()));
    resize(twips::size(openWidth, openHeight));
    setMinimumSize(twips::size(6960, 3600));

    T_rundor = new QTableView(this);
    T_rundor->setObjectName(QStringLiteral("T_rundor"));
    m_model = new RunBookModel(this);
    T_rundor->setModel(m_model);
    T_rundor->setSelectionBehavior(QAbstractItemView::SelectRows);
    T_rundor->setSelectionMode(QAbstractItemView::SingleSelection);
    T_rundor->setEditTriggers(QAbstractItemView::NoEditTriggers);
    T_rundor->setWordWrap(false);
    T_rundor->verticalHeader()->hide();
    // One line a row, as in the analysis window, whatever the style.
    T_rundor->verticalHeader()->setDefaultSectionSize(T_rundor->fontMetrics().height() + 4);
    T_rundor->horizontalHeader()->setSectionsClickable(true);
    T_rundor->horizontalHeader()->setSortIndicatorShown(false);
    T_rundor->setAccessibleName(caption());

    L_antal = form::makeLabel(this, QStringLiteral("L_antal"), QString(), 0, 0, 0, 0);
    Command1 = form::makeButton(this, QStringLiteral("Command1"), QStringLiteral("Ändra…"), 0, 0, 0, 0);
    Command2 = form::makeButton(this, QStringLiteral("Command2"), QStringLiteral("Ta bort"), 0, 0, 0, 0);
    Command3 = form::makeButton(this, QStringLiteral("Command3"), QStringLiteral("Exportera…"), 0, 0, 0, 0);
    Command4 = form::makeButton(this, QStringLiteral("Command4"), QStringLiteral("Stäng"), 0, 0, 0, 0);

    T_rundor->installEventFilter(this);
    connect(T_rundor, &QTableView::doubleClicked, this, &RunBook::Command1_Click);
    connect(T_rundor->horizontalHeader(), &QHeaderView::sectionClicked, this, &RunBook::T_rundor_HeaderClick);
    connect(Command1, &QPushButton::clicked, this, &RunBook::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RunBook::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &RunBook::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &RunBook::Command4_Click);
    connect(&m_windows, &WindowRegistry::filesChanged, this, &RunBook::showFilesAfresh);
    T_rundor->setFocus();
}

QString RunBook::caption() const
{
    return QStringLiteral("Alla rundor: ") + course::name(m_course);
}

void RunBook::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int width = this->width() * twips::perPixel;
    const int height = this->height() * twips::perPixel;
    const int buttonsTop = height - 120 - buttonHeight;
    twips::place(T_rundor, 120, 120, width - 240, buttonsTop - 240);
    twips::place(L_antal, 120, buttonsTop + 120, 3000, 255);
    int left = width - 4 * (buttonWidth + 120);
    for (QPushButton *button : {Command1, Command2, Command3, Command4}) {
        twips::place(button, left, buttonsTop, buttonWidth, buttonHeight);
        left += buttonWidth + 120;
    }
}

bool RunBook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == T_rundor && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Command1_Click();
            return true;
        case Qt::Key_Delete:
            Command2_Click();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RunBook::keyPressEvent(QKeyEvent *event)
{
    // Escape from wherever the focus is: no control of the window takes it.
    if (event->key() == Qt::Key_Escape)
        Command4_Click();
    else
        QWidget::keyPressEvent(event);
}

bool RunBook::Form_Load()
{
    if (!showFile())
        return false;
    T_rundor->resizeColumnsToContents();
    T_rundor->horizontalHeader()->setStretchLastSection(true);
    return true;
}

bool RunBook::showFile()
{
    const run::Table runs = run::load();
    if (runs.status == seqfile::ReadStatus::Failed) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(run::fileName()));
        return false;
    }
    const int current = T_rundor->currentIndex().isValid() ? T_rundor->currentIndex().row() : 0;
    m_model->setRuns(m_course, runs.records);
    if (m_orderColumn >= 0)
        m_model->sort(m_orderColumn, m_order);
    L_antal->setText(QStringLiteral("%1 rundor").arg(m_model->rowCount()));
    if (m_model->rowCount() > 0)
        T_rundor->selectRow(std::min(current, m_model->rowCount() - 1));
    return true;
}

void RunBook::showFilesAfresh(const QString &courseBefore, const QString &courseAfter)
{
    if (!courseBefore.isEmpty() && courseBefore == m_course) {
        if (courseAfter.isEmpty()) {
            m_windows.unload(Window::RunBook);
            return;
        }
        m_course = courseAfter;
        setProperty("subject", m_course);
        setWindowTitle(form::plainCaption(caption()));
        T_rundor->setAccessibleName(caption());
    }
    showFile();
}

void RunBook::T_rundor_HeaderClick(int column)
{
    m_order = column == m_orderColumn && m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_orderColumn = column;
    m_model->sort(column, m_order);
    T_rundor->horizontalHeader()->setSortIndicatorShown(true);
    T_rundor->horizontalHeader()->setSortIndicator(column, m_order);
}

std::optional<int> RunBook::currentRow()
{
    const QModelIndex current = T_rundor->currentIndex();
    if (current.isValid())
        return current.row();
    m_windows.dialogs().message(this, QStringLiteral("Välj först en runda i tabellen."));
    return std::nullopt;
}

std::optional<run::Occurrence> RunBook::chosenRun() const
{
    const QModelIndex current = T_rundor->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->occurrence(current.row());
}

void RunBook::Command1_Click()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    // A correction open on another run goes; one open on this run comes to
    // the front as it is.
    const run::Occurrence run = m_model->occurrence(*row);
    const QWidget *open = m_windows.window(Window::CorrectRun);
    if (open && open->property("run").toString() != run.record + u'\n' + QString::number(run.index))
        m_windows.unload(Window::CorrectRun);
    m_windows.setSubject(m_course);
    m_windows.show(Window::CorrectRun);
}

void RunBook::Command2_Click()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    Dialogs &dialogs = m_windows.dialogs();
    const QString date = m_model->text(*row, RunBookModel::Date);
    const QString finalTime = m_model->text(*row, RunBookModel::Final);
    if (!dialogs.question(this, QStringLiteral("Vill du ta bort rundan %1 med sluttiden %2?").arg(date, finalTime)))
        return;
    const seqfile::StoreStatus status = run::remove(m_model->occurrence(*row));
    if (status != seqfile::StoreStatus::Stored) {
        dialogs.message(this, run::storeMessage(status));
        return;
    }
    m_windows.tellFilesChanged();
}

void RunBook::Command3_Click()
{
    Dialogs &dialogs = m_windows.dialogs();
    const QString path = dialogs.saveFileName(this, QStringLiteral("Exportera rundorna"),
                                              csvexport::defaultPath(course::name(m_course)),
                                              QStringLiteral("CSV-filer (*.csv)"));
    if (!path.isEmpty() && !csvexport::write(path, *m_model))
        dialogs.message(this, csvexport::failedMessage(path));
}

void RunBook::Command4_Click()
{
    m_windows.unload(Window::RunBook);
}
