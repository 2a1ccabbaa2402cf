#include "registration/regbana.h"

#include "data/coursefile.h"
#include "registration/coursecheck.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QPushButton>

Regbana::Regbana(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Regbana"));
    setWindowTitle(QStringLiteral("Registrera bana"));
    form::setClientArea(this, 6510, 3810);

    buildCourseForm(this, QStringLiteral("Registrera ny bana"), QStringLiteral("TILLBAKA utan registrering"),
                    QStringLiteral("REGISTRERAT och tillbaka"));

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
    QString line;
    QString refusal = checkCourseBoxes(&line);
    // The duplicate scan runs over the course file as it is now: another
    // copy of the program may have added to it since this window opened.
    if (refusal.isEmpty())
        refusal = coursecheck::storeCourse(line);
    if (!refusal.isEmpty()) {
        dialogs.message(this, refusal);
        return;
    }
    m_windows.tellFilesChanged();
    m_windows.unload(Window::Regbana);
}

void Regbana::Command2_Click()
{
    m_windows.unload(Window::Regbana);
}
