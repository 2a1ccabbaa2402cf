#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

// The boxes of a course as the course registration window lays them out:
// heading, name, count of timed points, distance and the two buttons. The
// window that corrects a course lays out the same controls; both make them
// here, and both check the boxes alike.
class CourseForm
{
protected:
    void buildCourseForm(QWidget *window, const QString &heading, const QString &backCaption,
                         const QString &storeCaption);

    // Checks the boxes in their order and returns the message of the first
    // check that fails, or an empty text and the course line they make in
    // *line. The count's leading zero and the distance's zeros are written
    // back into their boxes, and stay there even when a later check fails.
    QString checkCourseBoxes(QString *line);

    QLineEdit *T_ban11 = nullptr;
    QLineEdit *T_mellan11 = nullptr;
    QLineEdit *T_distans11 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
