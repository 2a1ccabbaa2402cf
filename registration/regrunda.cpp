#include "registration/regrunda.h"

#include "data/coursefile.h"
#include "data/runfile.h"
#include "registration/runcheck.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Regrunda::Regrunda(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Regrunda"));
    setWindowTitle(QStringLiteral("Registrera en runda"));
    form::setClientArea(this, 12840, 7290);

    Label7 = form::makeLabel(this, QStringLiteral("Label7"),
                             QStringLiteral("Välj önskad bana som skall registreras som ny runda"), 120, 120, 3735,
                             255);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    // Every entry is one line: a course file of a million lines lists at once.
    List1->setUniformItemSizes(true);
    twips::place(List1, 0, 480, 3735, 6690);

    // The entering state's controls wait hidden until a course is chosen.
    buildRunForm(this, {Command2, QStringLiteral("Command2"), QStringLiteral("TILLBAKA utan registrering")},
                 {Command1, QStringLiteral("Command1"), QStringLiteral("REGISTRERAT och tillbaka")});
    form::labelBy(Label7, List1);

    // The register button comes right after the pace box.
    const QList<QWidget *> tabOrder = QList<QWidget *>{List1} + runTabOrder();
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));
    List1->setFocus();

    // A left click on a course, or Enter on the current one, chooses it;
    // moving through the list with the keys chooses nothing yet. Other mouse
    // buttons never reach the list, so they cannot activate an entry.
    form::acceptLeftButtonOnly(List1);
    connect(List1, &QListWidget::itemClicked, this, &Regrunda::List1_Click);
    connect(List1, &QListWidget::itemActivated, this, &Regrunda::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &Regrunda::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Regrunda::Command2_Click);
}

bool Regrunda::Form_Load()
{
    if (!listCourses())
        return false;
    if (run::load().status == seqfile::ReadStatus::Failed) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(run::fileName()));
        return false;
    }
    m_fields = fieldchoice::load();
    return true;
}

bool Regrunda::listCourses()
{
    course::Table courses = course::load();
    if (courses.status == seqfile::ReadStatus::Failed) {
        m_windows.dialogs().message(this, seqfile::readFailedMessage(course::fileName()));
        return false;
    }
    m_courses = std::move(courses.lines);
    List1->clear();
    for (const QString &line : std::as_const(m_courses))
        List1->addItem(form::shown(course::name(line)));
    return true;
}

void Regrunda::List1_Click()
{
    // The choice is made once per opening.
    if (m_chosen >= 0 || List1->currentRow() < 0)
        return;
    m_chosen = List1->currentRow();
    const int n = course::timedPoints(m_courses.at(m_chosen));

    List1->hide();
    Label7->hide();
    showRunBoxes(List1->currentItem()->text(), n, m_fields);
    T_reg4->setFocus();
}

void Regrunda::Command1_Click()
{
    // The analysis window may have been shown again meanwhile; it goes at
    // every press, whatever the boxes hold.
    m_windows.unload(Window::Menu);
    if (m_chosen < 0)
        return;

    Dialogs &dialogs = m_windows.dialogs();
    const QString &courseLine = m_courses.at(m_chosen);
    const int n = course::timedPoints(courseLine);
    const runcheck::Entry entry = typedEntry(n);

    const QStringList refusal = runcheck::checkRun(courseLine, entry, m_fields);
    for (const QString &message : refusal)
        dialogs.message(this, message);
    if (!refusal.isEmpty())
        return;

    // The run goes after what the run file holds now, not when this window
    // opened, and only on a course the course file still holds.
    const QString failure = run::append(courseLine, runcheck::makeRecord(courseLine, entry, m_fields));
    if (!failure.isEmpty()) {
        dialogs.message(this, failure);
        // The course is gone: the list comes back as the file holds it now,
        // and the boxes keep what was typed for the course chosen next.
        if (failure == run::courseGoneMessage()) {
            hideRunBoxes();
            m_chosen = -1;
            listCourses();
            Label7->show();
            List1->show();
            List1->setFocus();
            // The other windows show the course file as it is now too.
            m_windows.tellFilesChanged();
        }
        return;
    }
    m_windows.tellFilesChanged();
    m_windows.unload(Window::Regrunda);
}

void Regrunda::Command2_Click()
{
    m_windows.unload(Window::Regrunda);
}
