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
    T_banareg1 = form::makeLabel(this, QStringLiteral("T_banareg1"), QString(), 4200, 480, 6615, 255);
    Label1 = form::makeLabel(this, QStringLiteral("Label1"),
                             QStringLiteral("Sprang du rundan med ett tävlings tempo mot dig själv eller en tävling "
                                            "så anger du ett T"),
                             4200, 1200, 6735, 255);
    Label8 = form::makeLabel(this, QStringLiteral("Label8"),
                             QStringLiteral("Sprang du rundan med ett normalt tränings tempo så anger du ett M"), 4200,
                             1440, 6855, 255);
    T_reg4 = form::makeBox(this, QStringLiteral("T_reg4"), 4200, 1800, 735, 285);
    Label2 = form::makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Ange datum för rundan ex/ 02-feb-2001"),
                             4200, 2280, 2895, 255);
    T_reg5 = form::makeBox(this, QStringLiteral("T_reg5"), 4200, 2640, 1215, 285);
    Label3 = form::makeLabel(this, QStringLiteral("Label3"),
                             QStringLiteral("Ange information för rundan ex/ Kändes bra. Sol och bra väder."), 4200,
                             3120, 4695, 255);
    T_reg6 = form::makeBox(this, QStringLiteral("T_reg6"), 4200, 3480, 8055, 285);
    Label4 = form::makeLabel(this, QStringLiteral("Label4"),
                             QStringLiteral("Ange grader under rundan. Avrunda till heltal. Ex/ +20"), 4200, 3960,
                             4215, 255);
    T_reg7 = form::makeBox(this, QStringLiteral("T_reg7"), 4200, 4320, 735, 285);
    Label5 = form::makeLabel(this, QStringLiteral("Label5"),
                             QStringLiteral("Ange din vikt när du sprang rundan, 4 tecken. Ex/ 79.0"), 4200, 4800,
                             4215, 255);
    T_reg8 = form::makeBox(this, QStringLiteral("T_reg8"), 4200, 5160, 735, 285);
    Label6 = form::makeLabel(this, QStringLiteral("Label6"), QString(), 4200, 5640, 8415, 255);
    for (int k = 1; k <= 10; ++k)
        Text[k - 1] = form::makeBox(this, QStringLiteral("Text%1").arg(k), 4200 + 840 * (k - 1), 6000, 855, 285);
    Command2 = form::makeButton(this, QStringLiteral("Command2"), QStringLiteral("TILLBAKA utan registrering"), 6480,
                                6600, 3015, 615);
    Command1 = form::makeButton(this, QStringLiteral("Command1"), QStringLiteral("REGISTRERAT och tillbaka"), 9600,
                                6600, 3015, 615);

    // Each box is named by its prompt; the pace box's prompt is two lines,
    // and the time boxes get theirs when a course is chosen.
    form::labelBy(Label7, List1);
    form::labelBy(Label8, T_reg4);
    T_reg4->setAccessibleName(Label1->text() + QLatin1Char(' ') + Label8->text());
    form::labelBy(Label2, T_reg5);
    form::labelBy(Label3, T_reg6);
    form::labelBy(Label4, T_reg7);
    form::labelBy(Label5, T_reg8);

    for (QWidget *control : std::initializer_list<QWidget *>{T_banareg1, Label1, Label8, T_reg4, Label2, T_reg5,
                                                             Label3, T_reg6, Label4, T_reg7, Label5, T_reg8, Label6,
                                                             Command1})
        control->hide();
    for (QLineEdit *box : Text)
        box->hide();

    // The register button comes right after the pace box.
    QList<QWidget *> tabOrder{List1, T_reg4, Command1, T_reg5, T_reg6, T_reg7, T_reg8};
    for (QLineEdit *box : Text)
        tabOrder << box;
    tabOrder << Command2;
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
    Dialogs &dialogs = m_windows.dialogs();
    course::Table courses = course::load();
    if (courses.status == seqfile::ReadStatus::Failed) {
        dialogs.message(this, seqfile::readFailedMessage(course::fileName()));
        return false;
    }
    if (run::load().status == seqfile::ReadStatus::Failed) {
        dialogs.message(this, seqfile::readFailedMessage(run::fileName()));
        return false;
    }
    m_courses = std::move(courses.lines);
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

    T_banareg1->setText(List1->currentItem()->text());
    List1->hide();
    Label7->hide();
    for (QWidget *control : std::initializer_list<QWidget *>{T_banareg1, Label1, Label2, Label3, Label4, Label5,
                                                             Label6, Label8, T_reg4, T_reg5, T_reg6, T_reg7, T_reg8,
                                                             Command1})
        control->show();
    Label6->setText(runcheck::timePrompt(n));
    for (int k = 1; k <= n; ++k) {
        Text[k - 1]->setAccessibleName(Label6->text());
        Text[k - 1]->show();
    }
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
    runcheck::Entry entry{T_reg4->text(), T_reg5->text(), T_reg6->text(), T_reg7->text(), T_reg8->text(), {}};
    for (int k = 1; k <= n; ++k)
        entry.times << Text[k - 1]->text();

    const QStringList refusal = runcheck::checkRun(courseLine, entry);
    for (const QString &message : refusal)
        dialogs.message(this, message);
    if (!refusal.isEmpty())
        return;

    // The run goes after what the run file holds now, not when this window
    // opened.
    const seqfile::StoreStatus status = run::append(runcheck::makeRecord(courseLine, entry));
    if (status != seqfile::StoreStatus::Stored) {
        dialogs.message(this, seqfile::failureMessage(status, run::fileName()));
        return;
    }
    m_windows.unload(Window::Regrunda);
}

void Regrunda::Command2_Click()
{
    m_windows.unload(Window::Regrunda);
}
