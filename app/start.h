#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class WindowRegistry;

// The start window: it opens first, stays loaded while the program runs and
// holds the only menu commands that end the program.
class Start : public QMainWindow
{
    Q_OBJECT

public:
    explicit Start(WindowRegistry &windows);

    void M_spara_Click();
    void M_Start_Click();
    void M_visa_Click();
    void M_inform_Click();
    void M_val_Click();

private:
    WindowRegistry &m_windows;

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Image2 = nullptr;

    QAction *M_spara = nullptr;
    QAction *M_Start = nullptr;
    QAction *M_visa = nullptr;
    QAction *M_inform = nullptr;
    QAction *M_val = nullptr;
};

// "Kvistra" as the symbol font Wingdings shows it, in Unicode's symbols, so
// it looks the same where that font is not installed.
QString kvistraInSymbols();
