#pragma once

#include <QWidget>

class QPushButton;
class WindowRegistry;

// The information window: what the program is for, its versions and plans.
class Info : public QWidget
{
    Q_OBJECT

public:
    explicit Info(WindowRegistry &windows);

    void Command1_Click();

private:
    WindowRegistry &m_windows;
    QPushButton *Command1 = nullptr;
};
