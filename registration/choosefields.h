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
    void accept();
    // "Avbryt" (also Escape): closes the window; the choice stays as it was.
    void reject();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    WindowRegistry &m_windows;

    QCheckBox *informationBox = nullptr;
    QCheckBox *temperatureBox = nullptr;
    QCheckBox *weightBox = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
