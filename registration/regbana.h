#pragma once

#include "registration/courseform.h"

#include <QWidget>

class QPushButton;
class WindowRegistry;

// The course registration window: name, count of timed points and distance
// of a new course, which is added as the last line of the course file.
class Regbana : public QWidget, private CourseForm
{
    Q_OBJECT

public:
    explicit Regbana(WindowRegistry &windows);

    // Reads the course file; a missing file counts as empty. Returns false,
    // after telling the user, when the file exists but cannot be read. A new
    // course goes after what the file holds when it is stored.
    bool Form_Load();

    void Command1_Click();
    void Command2_Click();

private:
    WindowRegistry &m_windows;

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
