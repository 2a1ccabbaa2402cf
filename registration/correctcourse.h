#pragma once

#include "registration/courseform.h"

#include <QString>
#include <QWidget>

class QPushButton;
class WindowRegistry;

// Corrects a course: its name, count of timed points and distance, in boxes
// laid out as the course registration window lays them out, filled from the
// course line. The course file and the runs of the course are changed
// together.
class CorrectCourse : public QWidget, private CourseForm
{
    Q_OBJECT

public:
    CorrectCourse(WindowRegistry &windows, const QString &courseLine);

    // "ÄNDRAT och tillbaka": the boxes are checked as for a new course, and
    // the course changed in both files.
    void storeCorrection();
    // "TILLBAKA utan ändring".
    void goBack();

private:
    WindowRegistry &m_windows;
    // The course line as the window was opened on it.
    QString m_course;

    QPushButton *backButton = nullptr;
    QPushButton *storeButton = nullptr;
};
