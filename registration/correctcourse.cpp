#include "registration/correctcourse.h"

#include "data/coursefile.h"
#include "data/coursechange.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QLineEdit>
#include <QPushButton>

CorrectCourse::CorrectCourse(WindowRegistry &windows, const QString &courseLine)
    : m_windows(windows)
    , m_course(courseLine)
{
    setObjectName(QStringLiteral("CorrectCourse"));
    setWindowTitle(QStringLiteral("Ändra bana"));
    form::setClientArea(this, 6510, 3810);
    buildCourseForm(this, QStringLiteral("Ändra bana"),
                    {backButton, QStringLiteral("backButton"), QStringLiteral("TILLBAKA utan ändring")},
                    {storeButton, QStringLiteral("storeButton"), QStringLiteral("ÄNDRAT och tillbaka")});
    T_ban11->setText(course::name(courseLine));
    T_mellan11->setText(course::count(courseLine));
    T_distans11->setText(course::distance(courseLine));

    form::placeBeside(this, windows.window(Window::Menu));
    connect(storeButton, &QPushButton::clicked, this, &CorrectCourse::storeCorrection);
    connect(backButton, &QPushButton::clicked, this, &CorrectCourse::goBack);
}

void CorrectCourse::storeCorrection()
{
    QString line;
    QString refusal = checkCourseBoxes(&line);
    if (refusal.isEmpty())
        refusal = coursechange::storeChange(m_course, line);
    if (!refusal.isEmpty()) {
        m_windows.dialogs().message(this, refusal);
        // The course gone: the windows show the files as they are now.
        if (refusal == coursechange::goneMessage())
            m_windows.tellFilesChanged();
        return;
    }
    m_windows.unload(Window::CorrectCourse);
    m_windows.tellFilesChanged(m_course, line);
}

void CorrectCourse::goBack()
{
    m_windows.unload(Window::CorrectCourse);
}
