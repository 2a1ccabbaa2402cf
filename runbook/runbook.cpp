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

#include <utility>

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

    runTable = new QTableView(this);
    runTable->setObjectName(QStringLiteral("runTable"));
    m_model = new RunBookModel(this);
    runTable->setModel(m_model);
    runTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    runTable->setSelectionMode(QAbstractItemView::SingleSelection);
    runTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    runTable->setWordWrap(false);
    runTable->verticalHeader()->hide();
    // One line a row, as in the analysis window, whatever the style.
    runTable->verticalHeader()->setDefaultSectionSize(runTable->fontMetrics().height() + 4);
    runTable->horizontalHeader()->setSectionsClickable(true);
    // Room for the sort arrow from the start: no header is cut once a
    // column is ordered.
    runTable->horizontalHeader()->setSortIndicatorShown(true);
    runTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    runTable->setAccessibleName(caption());

    countLabel = form::makeLabel(this, QStringLiteral("countLabel"), QString(), 0, 0, 0, 0);
    correctButton = form::makeButton(this, QStringLiteral("correctButton"), QStringLiteral("Ändra…"), 0, 0, 0, 0);
    deleteButton = form::makeButton(this, QStringLiteral("deleteButton"), QStringLiteral("Ta bort"), 0, 0, 0, 0);
    exportButton = form::makeButton(this, QStringLiteral("exportButton"), QStringLiteral("Exportera…"), 0, 0, 0, 0);
    closeButton = form::makeButton(this, QStringLiteral("closeButton"), QStringLiteral("Stäng"), 0, 0, 0, 0);

    runTable->installEventFilter(this);
    runTable->viewport()->installEventFilter(this);
    connect(runTable, &QTableView::doubleClicked, this, &RunBook::correctRun);
    connect(runTable->horizontalHeader(), &QHeaderView::sectionClicked, this, &RunBook::orderByColumn);
    connect(correctButton, &QPushButton::clicked, this, &RunBook::correctRun);
    connect(deleteButton, &QPushButton::clicked, this, &RunBook::deleteRun);
    connect(exportButton, &QPushButton::clicked, this, &RunBook::exportRows);
    connect(closeButton, &QPushButton::clicked, this, &RunBook::closeBook);
    connect(&m_windows, &WindowRegistry::filesChanged, this, &RunBook::showFilesAfresh);
    runTable->setFocus();
    form::placeBeside(this, windows.window(Window::Menu));
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
    twips::place(runTable, 120, 120, width - 240, buttonsTop - 240);
    twips::place(countLabel, 120, buttonsTop + 120, 3000, 255);
    int left = width - 4 * (buttonWidth + 120);
    for (QPushButton *button : {correctButton, deleteButton, exportButton, closeButton}) {
        twips::place(button, left, buttonsTop, buttonWidth, buttonHeight);
        left += buttonWidth + 120;
    }
}

bool RunBook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == runTable->viewport() && event->type() == QEvent::Resize)
        fitNotes();
    if (watched == runTable && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            correctRun();
            return true;
        case Qt::Key_Delete:
            deleteRun();
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
        closeBook();
    else
        QWidget::keyPressEvent(event);
}

bool RunBook::Form_Load()
{
    if (!showFile(Keep::Row))
        return false;
    // Every cell holds a short text: each column as wide as its texts.
    runTable->resizeColumnsToContents();
    m_notesWidth = runTable->columnWidth(RunBookModel::Information);
    fitNotes();
    return true;
}

void RunBook::fitNotes()
{
    // The notes take the room the other columns leave, and of their own
    // width no more than half the view: the other columns stay in sight.
    const int view = runTable->viewport()->width();
    int others = 0;
    for (int column = 0; column < RunBookModel::Information; ++column)
        others += runTable->columnWidth(column);
    runTable->setColumnWidth(RunBookModel::Information, std::max(view - others, std::min(m_notesWidth, view / 2)));
}

bool RunBook::showFile(Keep keep)
{
    const run::Table runs = run::load();
    if (runs.status == seqfile::ReadStatus::Failed) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(run::fileName()));
        return false;
    }
    const QModelIndex current = runTable->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    // A correction leaves its run in its place in the file.
    const int run = current.isValid() ? m_model->filePosition(row) : 0;
    m_model->setRuns(m_course, runs.records);
    if (m_orderColumn >= 0)
        m_model->sort(m_orderColumn, m_order);
    countLabel->setText(QStringLiteral("%1 rundor").arg(m_model->rowCount()));
    const int count = m_model->rowCount();
    if (count > 0) {
        runTable->selectRow(keep == Keep::Row ? std::min(row, count - 1) : m_model->rowAt(std::min(run, count - 1)));
        runTable->scrollTo(runTable->currentIndex());
    }
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
        runTable->setAccessibleName(caption());
    }
    // A deletion from this window leaves its row to the run after it.
    showFile(std::exchange(m_keep, Keep::Run));
}

void RunBook::orderByColumn(int column)
{
    m_order = column == m_orderColumn && m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_orderColumn = column;
    m_model->sort(column, m_order);
    runTable->horizontalHeader()->setSortIndicator(column, m_order);
}

std::optional<int> RunBook::currentRow()
{
    const QModelIndex current = runTable->currentIndex();
    if (current.isValid())
        return current.row();
    m_windows.dialogs().message(this, QStringLiteral("Välj först en runda i tabellen."));
    return std::nullopt;
}

std::optional<run::Occurrence> RunBook::chosenRun() const
{
    const QModelIndex current = runTable->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->occurrence(current.row());
}

void RunBook::correctRun()
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

void RunBook::deleteRun()
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
    if (status != seqfile::StoreStatus::Stored)
        dialogs.message(this, run::storeMessage(status));
    // Shown as the file is now, also when the run had gone from it.
    if (status == seqfile::StoreStatus::Stored || status == seqfile::StoreStatus::Refused) {
        m_keep = Keep::Row;
        m_windows.tellFilesChanged();
    }
}

void RunBook::exportRows()
{
    Dialogs &dialogs = m_windows.dialogs();
    const QString path = dialogs.saveFileName(this, QStringLiteral("Exportera rundorna"),
                                              csvexport::defaultPath(course::name(m_course)),
                                              QStringLiteral("CSV-filer (*.csv)"));
    if (!path.isEmpty() && !csvexport::write(path, *m_model))
        dialogs.message(this, csvexport::failedMessage(path));
}

void RunBook::closeBook()
{
    m_windows.unload(Window::RunBook);
}
