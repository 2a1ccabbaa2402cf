#pragma once

#include "registration/runform.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class WindowRegistry;

// The run registration window: the runner picks a course once, then fills
// in the run's boxes and one time per timed point; the new run is added as
// the last line of the run file.
class Regrunda : public QWidget, private RunForm
{
    Q_OBJECT

public:
    explicit Regrunda(WindowRegistry &windows);

    // Reads the course file and the run file and lists the courses, and
    // takes the runner's choice of fields to register; a missing
    // file counts as empty. Returns false, after telling the user, when a
    // file exists but cannot be read: a run stored then would drop the
    // records that were not read.
    bool Form_Load();

    // The current course of the list is chosen: the list goes and the boxes
    // of the run come.
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

private:
    // Lists the courses of the course file as it is now; false, after
    // telling the user, when it cannot be read.
    bool listCourses();

    WindowRegistry &m_windows;

    // Read when the window opened: the courses, whose positions are those of
    // the list. The run file is read then only to tell a damaged one; a new
    // run follows what it holds when the run is stored.
    QStringList m_courses;
    qsizetype m_chosen = -1;
    // The fields the runner registers, as chosen when the window opened.
    fieldchoice::Chosen m_fields;

    QLabel *Label7 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
};
