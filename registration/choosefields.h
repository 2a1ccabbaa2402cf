#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class WindowRegistry;

// The runner's choice of the fields the run window asks for: the note, the
// temperature and the weight, each on or off. It holds from the next
// opening of the run window.
class ChooseFields : public QWidget
{
    Q_OBJECT

public:
    explicit ChooseFields(WindowRegistry &windows);

    // "OK": keeps the choice and closes the window.
    void Command1_Click();
    // "Avbryt": closes the window; the choice stays as it was.
    void Command2_Click();

private:
    WindowRegistry &m_windows;

    QCheckBox *Check1 = nullptr; // "Information"
    QCheckBox *Check2 = nullptr; // "Temperatur"
    QCheckBox *Check3 = nullptr; // "Vikt"
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
