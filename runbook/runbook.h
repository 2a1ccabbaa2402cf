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

    // "Ändra…", "Ta bort", "Exportera…" and "Stäng"; Enter in the table is
    // "Ändra…", Delete "Ta bort" and Escape "Stäng".
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // A header clicked: ordered by its column, again the other way.
    void T_rundor_HeaderClick(int column);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // "Alla rundor: " and the course name.
    QString caption() const;
    // The run file as it is now, in the order last chosen.
    bool showFile();
    void showFilesAfresh(const QString &courseBefore, const QString &courseAfter);
    // Tells the user when no row is current.
    std::optional<int> currentRow();

    WindowRegistry &m_windows;
    QString m_course;
    RunBookModel *m_model = nullptr;
    int m_orderColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;

    QTableView *T_rundor = nullptr;
    QLabel *L_antal = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
};
