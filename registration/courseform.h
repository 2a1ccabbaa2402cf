#pragma once

#include "ui/form.h"

#include <QString>

class QLineEdit;
class QWidget;

// The boxes of a course as the course registration window lays them out:
// heading, name, count of timed points, distance and the places of the two
// buttons. The window that corrects a course lays out the same controls;
// both make them here, each with buttons of its own, and both check the
// boxes alike.
class CourseForm
{
protected:
    void buildCourseForm(QWidget *window, const QString &heading, const form::OwnButton &back,
                         const form::OwnButton &store);

    // Checks the boxes in their order and returns the message of the first
    // check that fails, or an empty text and the course line they make in
    // *line. The count's leading zero and the distance's zeros are written
    // back into their boxes, and stay there even when a later check fails.
    QString checkCourseBoxes(QString *line);

    QLineEdit *T_ban11 = nullptr;
    QLineEdit *T_mellan11 = nullptr;
    QLineEdit *T_distans11 = nullptr;
};
