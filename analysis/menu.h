#pragma once

#include "analysis/ordering.h"
#include "analysis/resulttable.h"
#include "ui/registry.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <optional>

class QAction;
class QButtonGroup;
class QLabel;
class QListWidget;
class QMenu;
class QRadioButton;
class QScrollBar;
namespace selection {
struct YearInterval;
}

// The analysis window: the course list, the choice of ordering, the year
// interval and the result table.
class Menu : public QMainWindow
{
    Q_OBJECT

public:
    explicit Menu(WindowRegistry &windows);

    // Reads the course file and lists its courses; with no course file the
    // runner registers a first one. Returns false, after telling the user,
    // when the window must not open.
    bool Form_Load();

    // A course chosen: shows its runs within the year interval, in the
    // chosen order.
    void List1_Click();
    void HScroll1_Change(int value);
    void HScroll2_Change(int value);
    void M_Avsluta_Click();
    void M_Bana_Click();
    void M_Runda_Click();
    // "Analys" (coursecommands.cpp): the run book, the correction, the
    // deletion or the chart of the course selected in the list; the course
    // list's context menu does the same for the course it was opened on.
    void M_Rundor_Click();
    void M_AndraBana_Click();
    void M_TaBortBana_Click();
    void M_Diagram_Click();
    // "Analys", "Träningsmängd…": over every course, whichever is selected.
    void M_Traningsmangd_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A course is chosen when the selection moves to it, by mouse or
    // keyboard, or when the selected one is clicked again; each choice runs
    // List1_Click once.
    void List1_SelectionChanged();
    void List1_ItemClicked();

    // A run or a course was corrected or deleted: the list and the rows of
    // the course clicked last are shown afresh, as after a new click.
    void showFilesAfresh(const QString &courseBefore, const QString &courseAfter);
    int selectedCourse() const;
    void listCourses(QStringList lines);

    // The course commands (coursecommands.cpp): the menu "Analys" and the
    // list's context menu.
    void buildCourseCommands();
    // Opens the context menu when the event asks for it, and tells whether
    // it did.
    bool List1_ContextMenu(const QObject *watched, QEvent *event);
    // The commands act on a course's position in the list; with none, the
    // user is asked to choose one first.
    void showRunBook(int position);
    void correctCourse(int position);
    void deleteCourse(int position);
    void showChart(int position);
    bool courseGiven(int position);
    // Shows a window that acts on the course line; one open for another
    // course goes first.
    void showFor(Window id, const QString &courseLine);

    void hideResultTable();
    void setYearInterval(const selection::YearInterval &interval);
    void showRows(const QList<resulttable::Row> &rows);
    std::optional<ordering::Order> chosenOrder() const;

    struct ResultRow
    {
        QLabel *date = nullptr;
        QLabel *splits = nullptr;
        QLabel *final = nullptr;
    };

    void buildResultTable(QWidget *client);

    WindowRegistry &m_windows;

    // The course lines in file order; a course's position in List1 is its
    // position here.
    QStringList m_courses;
    // The List1 text of the course clicked last.
    QString m_previousCourse;
    // The memory of the clicked course's runs, kept empty between clicks for
    // the next one.
    QList<run::RecordView> m_runsRoom;
    // Whether the mouse press now under way has already chosen a course.
    bool m_pressChoseCourse = false;

    QLabel *T_dist = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *L_antbanor = nullptr;
    QLabel *L_visaantal = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QButtonGroup *m_ordering = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *HScroll2 = nullptr;
    QLabel *L_visafyear = nullptr;
    QLabel *L_visatyear = nullptr;
    QLabel *Label93 = nullptr;
    QLabel *Label94 = nullptr;
    QLabel *Label95 = nullptr;
    std::array<ResultRow, resulttable::rowCount> m_rows;

    QAction *M_Avsluta = nullptr;
    QAction *M_Bana = nullptr;
    QAction *M_Runda = nullptr;
    QMenu *M_Analys = nullptr;
    QAction *M_Rundor = nullptr;
    QAction *M_AndraBana = nullptr;
    QAction *M_TaBortBana = nullptr;
    QAction *M_Diagram = nullptr;
    QAction *M_Traningsmangd = nullptr;
    // The course list's context menu and the course it was opened on.
    QMenu *List1_Meny = nullptr;
    int m_menuCourse = -1;
};
