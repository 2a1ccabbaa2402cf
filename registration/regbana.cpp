#include "registration/regbana.h"

#include "data/coursefile.h"
#include "registration/coursecheck.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Regbana::Regbana(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Regbana"));
    setWindowTitle(QStringLiteral("Registrera bana"));
    form::setClientArea(this, 6510, 3810);

    QLabel *heading =
        form::makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Registrera ny bana"), 360, 240, 5895, 495);
    heading->setFont(form::sansSerif(19.5));
    QLabel *Label1 = form::makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Ange banans namn max 50 tecken"),
                                     360, 960, 2655, 255);
    T_ban11 = form::makeBox(this, QStringLiteral("T_ban11"), 360, 1320, 5895, 285);
    form::labelBy(Label1, T_ban11);
    QLabel *Label2 =
        form::makeLabel(this, QStringLiteral("Label2"),
                        QStringLiteral("Hur många mellantider inklusive sluttid ska du ha med. Min 1 max 10 st"), 360,
                        1800, 5055, 255);
    T_mellan11 = form::makeBox(this, QStringLiteral("T_mellan11"), 5520, 1800, 735, 285);
    form::labelBy(Label2, T_mellan11);
    QLabel *Label3 =
        form::makeLabel(this, QStringLiteral("Label3"),
                        QStringLiteral("Banans hela distans i meter. Vet du inte distansen så ange ett ?"), 360, 2280,
                        5055, 255);
    T_distans11 = form::makeBox(this, QStringLiteral("T_distans11"), 5520, 2280, 735, 285);
    form::labelBy(Label3, T_distans11);
    Command2 = form::makeButton(this, QStringLiteral("Command2"), QStringLiteral("TILLBAKA utan registrering"), 360,
                                2880, 2895, 735);
    Command1 = form::makeButton(this, QStringLiteral("Command1"), QStringLiteral("REGISTRERAT och tillbaka"), 3360,
                                2880, 2895, 735);

    // The register button comes right after the name box.
    setTabOrder(T_ban11, Command1);
    setTabOrder(Command1, T_mellan11);
    setTabOrder(T_mellan11, T_distans11);
    setTabOrder(T_distans11, Command2);
    T_ban11->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Regbana::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Regbana::Command2_Click);
}

bool Regbana::Form_Load()
{
    if (course::load().status == seqfile::ReadStatus::Failed) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(course::fileName()));
        return false;
    }
    return true;
}

void Regbana::Command1_Click()
{
    Dialogs &dialogs = m_windows.dialogs();
    const QString name = T_ban11->text();
    QString count = T_mellan11->text();
    QString distance = T_distans11->text();

    QString refusal = coursecheck::checkCourse(name, count, distance);
    // The zeros put in front stay in the boxes even when a later test fails.
    if (T_mellan11->text() != count)
        T_mellan11->setText(count);
    if (T_distans11->text() != distance)
        T_distans11->setText(distance);
    // The duplicate scan runs over the course file as it is now: another
    // copy of the program may have added to it since this window opened.
    if (refusal.isEmpty())
        refusal = coursecheck::storeCourse(course::makeLine(name, count, distance));
    if (!refusal.isEmpty()) {
        dialogs.message(this, refusal);
        return;
    }
    m_windows.unload(Window::Regbana);
}

void Regbana::Command2_Click()
{
    m_windows.unload(Window::Regbana);
}
