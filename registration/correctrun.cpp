#include "registration/correctrun.h"

#include "data/coursefile.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CorrectRun::CorrectRun(WindowRegistry &windows, const QString &courseLine, const run::Occurrence &run)
    : m_windows(windows)
    , m_course(courseLine)
    , m_run(run)
{
    setObjectName(QStringLiteral("CorrectRun"));
    setWindowTitle(QStringLiteral("Ändra en runda"));
    // Which run: the run book brings this window to the front for the same
    // run, and opens another for another run.
    setProperty("run", run.record + u'\n' + QString::number(run.index));
    form::setClientArea(this, 12840, 7290);
    buildRunForm(this, {backButton, QStringLiteral("backButton"), QStringLiteral("TILLBAKA utan ändring")},
                 {storeButton, QStringLiteral("storeButton"), QStringLiteral("ÄNDRAT och tillbaka")});
    const int n = course::timedPoints(courseLine);
    const runcheck::Entry entry = runcheck::entryOf(run.record, n);
    m_fields = runcheck::correctionChoice(entry, fieldchoice::load());
    m_heldEmpty = runcheck::heldEmpty(entry);
    showRunBoxes(form::shown(course::name(courseLine)), n, m_fields);

    for (const auto &[box, text] : {std::pair{T_reg4, entry.pace}, {T_reg5, entry.date}, {T_reg6, entry.information},
                                    {T_reg7, entry.temperature}, {T_reg8, entry.weight}})
        box->setText(text);
    for (qsizetype k = 1; k <= entry.times.size(); ++k)
        Text[k - 1]->setText(entry.times.at(k - 1));

    const QList<QWidget *> tabOrder = runTabOrder();
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));
    T_reg4->setFocus();
    form::placeBeside(this, windows.window(Window::Menu));

    connect(storeButton, &QPushButton::clicked, this, &CorrectRun::storeCorrection);
    connect(backButton, &QPushButton::clicked, this, &CorrectRun::goBack);
}

void CorrectRun::storeCorrection()
{
    Dialogs &dialogs = m_windows.dialogs();
    const runcheck::Entry entry = typedEntry(course::timedPoints(m_course));
    const QStringList refusal = runcheck::checkRun(m_course, entry, m_fields, m_heldEmpty);
    for (const QString &message : refusal)
        dialogs.message(this, message);
    if (!refusal.isEmpty())
        return;

    // The run is found again in the run file as it is now, and stored only
    // on a course the course file still holds.
    const QString failure = run::replace(m_course, m_run, runcheck::makeRecord(m_course, entry, m_fields));
    if (!failure.isEmpty()) {
        dialogs.message(this, failure);
        // The run or its course gone: the run book shows the files as they
        // are now.
        if (failure == run::goneMessage() || failure == run::courseGoneMessage())
            m_windows.tellFilesChanged();
        return;
    }
    m_windows.unload(Window::CorrectRun);
    m_windows.tellFilesChanged();
}

void CorrectRun::goBack()
{
    m_windows.unload(Window::CorrectRun);
}
