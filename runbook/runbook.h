#pragma once

#include "data/runfile.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class RunBookModel;
class WindowRegistry;

// The run book of a course: every run of the course in the run file, one
// row each with all its fields, ordered by a click on a column's header; a
// run is corrected or deleted from here, and the rows exported.
class RunBook : public QWidget
{
    Q_OBJECT

public:
    RunBook(WindowRegistry &windows, const QString &courseLine);

    // Reads the run file; a missing one holds no runs. Returns false, after
    // telling the user, when it exists but cannot be read.
    bool Form_Load();

    // The run of the current row, if any.
    std::optional<run::Occurrence> chosenRun() const;

    // The buttons "Ändra…" (also Enter in the table and a double click),
    // "Ta bort" (also Delete), "Exportera…" and "Stäng" (also Escape).
    void correctRun();
    void deleteRun();
    void exportRows();
    void closeBook();
    // A header clicked: ordered by its column, again the other way.
    void orderByColumn(int column);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // "Alla rundor: " and the course name.
    QString caption() const;
    // After the run file is read again, the current row stays on its run,
    // or at its place.
    enum class Keep { Run, Row };
    // The run file as it is now, in the order last chosen.
    bool showFile(Keep keep);
    void fitNotes();
    void showFilesAfresh(const QString &courseBefore, const QString &courseAfter);
    // Tells the user when no row is current.
    std::optional<int> currentRow();

    WindowRegistry &m_windows;
    QString m_course;
    RunBookModel *m_model = nullptr;
    int m_orderColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    Keep m_keep = Keep::Run;
    // The notes column as wide as its texts.
    int m_notesWidth = 0;

    QTableView *runTable = nullptr;
    QLabel *countLabel = nullptr;
    QPushButton *correctButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *closeButton = nullptr;
};
