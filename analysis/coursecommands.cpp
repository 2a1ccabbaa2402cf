// The analysis window's course commands: the menu "Analys" and the course
// list's context menu, which open the run book, the course correction and
// the chart of a course, or delete it.

#include "analysis/menu.h"

#include "data/coursechange.h"
#include "data/coursefile.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

void Menu::buildCourseCommands()
{
    M_Analys = form::addMenu(menuBar(), QStringLiteral("M_Analys"), QStringLiteral("Analys"));
    M_Rundor = form::addCommand(M_Analys, QStringLiteral("M_Rundor"), QStringLiteral("Alla rundor för banan…"));
    M_AndraBana = form::addCommand(M_Analys, QStringLiteral("M_AndraBana"), QStringLiteral("Ändra banan…"));
    M_TaBortBana = form::addCommand(M_Analys, QStringLiteral("M_TaBortBana"), QStringLiteral("Ta bort banan"));
    M_Diagram = form::addCommand(M_Analys, QStringLiteral("M_Diagram"), QStringLiteral("Diagram för banan…"));
    M_Analys->addSeparator();
    M_Traningsmangd = form::addCommand(M_Analys, QStringLiteral("M_Traningsmangd"), QStringLiteral("Träningsmängd…"));

    // The same commands for the course the list's context menu is opened on.
    List1_Meny = new QMenu(this);
    List1_Meny->setObjectName(QStringLiteral("List1_Meny"));
    connect(form::addCommand(List1_Meny, QStringLiteral("List1_Rundor"), M_Rundor->text()), &QAction::triggered,
            this, [this] { showRunBook(m_menuCourse); });
    connect(form::addCommand(List1_Meny, QStringLiteral("List1_AndraBana"), M_AndraBana->text()),
            &QAction::triggered, this, [this] { correctCourse(m_menuCourse); });
    connect(form::addCommand(List1_Meny, QStringLiteral("List1_TaBortBana"), M_TaBortBana->text()),
            &QAction::triggered, this, [this] { deleteCourse(m_menuCourse); });
    connect(form::addCommand(List1_Meny, QStringLiteral("List1_Diagram"), M_Diagram->text()), &QAction::triggered,
            this, [this] { showChart(m_menuCourse); });

    connect(M_Rundor, &QAction::triggered, this, &Menu::M_Rundor_Click);
    connect(M_AndraBana, &QAction::triggered, this, &Menu::M_AndraBana_Click);
    connect(M_TaBortBana, &QAction::triggered, this, &Menu::M_TaBortBana_Click);
    connect(M_Diagram, &QAction::triggered, this, &Menu::M_Diagram_Click);
    connect(M_Traningsmangd, &QAction::triggered, this, &Menu::M_Traningsmangd_Click);
}

bool Menu::List1_ContextMenu(const QObject *watched, QEvent *event)
{
    // By the mouse for the course under the pointer, which it does not
    // choose; by the keyboard (the Menu key, Shift+F10) for the course the
    // list is on.
    QListWidgetItem *course = nullptr;
    QPoint at;
    if (watched == List1->viewport() && event->type() == QEvent::ContextMenu) {
        at = static_cast<QContextMenuEvent *>(event)->pos();
        course = List1->itemAt(at);
    } else if (watched == List1 && (event->type() == QEvent::ContextMenu || event->type() == QEvent::KeyPress)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress && key->key() != Qt::Key_Menu
            && key->keyCombination() != QKeyCombination(Qt::ShiftModifier, Qt::Key_F10))
            return false;
        course = List1->currentItem();
        at = course ? List1->visualItemRect(course).center() : QPoint();
    } else {
        return false;
    }
    if (course) {
        m_menuCourse = List1->row(course);
        List1_Meny->popup(List1->viewport()->mapToGlobal(at));
    }
    return true;
}

void Menu::M_Rundor_Click()
{
    showRunBook(selectedCourse());
}

void Menu::M_AndraBana_Click()
{
    correctCourse(selectedCourse());
}

void Menu::M_TaBortBana_Click()
{
    deleteCourse(selectedCourse());
}

void Menu::M_Diagram_Click()
{
    showChart(selectedCourse());
}

bool Menu::courseGiven(int position)
{
    if (position >= 0 && position < m_courses.size())
        return true;
    m_windows.dialogs().message(this, QStringLiteral("Välj först en bana i listan."));
    return false;
}

void Menu::M_Traningsmangd_Click()
{
    m_windows.show(Window::TrainingVolume);
}

void Menu::showFor(Window id, const QString &courseLine)
{
    const QWidget *open = m_windows.window(id);
    if (open && open->property("subject").toString() != courseLine)
        m_windows.unload(id);
    m_windows.setSubject(courseLine);
    m_windows.show(id);
}

void Menu::showRunBook(int position)
{
    if (courseGiven(position))
        showFor(Window::RunBook, m_courses.at(position));
}

void Menu::correctCourse(int position)
{
    if (courseGiven(position))
        showFor(Window::CorrectCourse, m_courses.at(position));
}

void Menu::deleteCourse(int position)
{
    if (!courseGiven(position))
        return;
    Dialogs &dialogs = m_windows.dialogs();
    const QString line = m_courses.at(position);
    // A course with runs is refused before it is asked about; the removal
    // counts them again under the file's lock.
    const qsizetype runs = coursechange::runCount(line);
    if (runs > 0) {
        dialogs.message(this, coursechange::hasRunsMessage(runs));
        return;
    }
    if (!dialogs.question(this, coursechange::removeQuestion(course::name(line))))
        return;
    const QString refusal = coursechange::removeCourse(line);
    if (!refusal.isEmpty()) {
        dialogs.message(this, refusal);
        // Gone already: every window shows the files as they are now.
        if (refusal == coursechange::goneMessage())
            m_windows.tellFilesChanged();
        return;
    }
    m_windows.tellFilesChanged(line, QString());
}

void Menu::showChart(int position)
{
    if (!courseGiven(position))
        return;
    // Opened afresh, for this course and with the run file as it is now.
    m_windows.unload(Window::Chart);
    m_windows.setSubject(m_courses.at(position));
    m_windows.show(Window::Chart);
}
