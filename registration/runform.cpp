#include "registration/runform.h"

#include "ui/form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void RunForm::buildRunForm(QWidget *window, const form::OwnButton &back, const form::OwnButton &store)
{
    T_banareg1 = form::makeLabel(window, QStringLiteral("T_banareg1"), QString(), 4200, 480, 6615, 255);
    Label1 = form::makeLabel(window, QStringLiteral("Label1"),
                             QStringLiteral("Sprang du rundan med ett tävlings tempo mot dig själv eller en tävling "
                                            "så anger du ett T"),
                             4200, 1200, 6735, 255);
    Label8 = form::makeLabel(window, QStringLiteral("Label8"),
                             QStringLiteral("Sprang du rundan med ett normalt tränings tempo så anger du ett M"), 4200,
                             1440, 6855, 255);
    T_reg4 = form::makeBox(window, QStringLiteral("T_reg4"), 4200, 1800, 735, 285);
    Label2 = form::makeLabel(window, QStringLiteral("Label2"), QStringLiteral("Ange datum för rundan ex/ 02-feb-2001"),
                             4200, 2280, 2895, 255);
    T_reg5 = form::makeBox(window, QStringLiteral("T_reg5"), 4200, 2640, 1215, 285);
    Label3 = form::makeLabel(window, QStringLiteral("Label3"),
                             QStringLiteral("Ange information för rundan ex/ Kändes bra. Sol och bra väder."), 4200,
                             3120, 4695, 255);
    T_reg6 = form::makeBox(window, QStringLiteral("T_reg6"), 4200, 3480, 8055, 285);
    Label4 = form::makeLabel(window, QStringLiteral("Label4"),
                             QStringLiteral("Ange grader under rundan. Avrunda till heltal. Ex/ +20"), 4200, 3960,
                             4215, 255);
    T_reg7 = form::makeBox(window, QStringLiteral("T_reg7"), 4200, 4320, 735, 285);
    Label5 = form::makeLabel(window, QStringLiteral("Label5"),
                             QStringLiteral("Ange din vikt när du sprang rundan, 4 tecken. Ex/ 79.0"), 4200, 4800,
                             4215, 255);
    T_reg8 = form::makeBox(window, QStringLiteral("T_reg8"), 4200, 5160, 735, 285);
    Label6 = form::makeLabel(window, QStringLiteral("Label6"), QString(), 4200, 5640, 8415, 255);
    for (int k = 1; k <= 10; ++k)
        Text[k - 1] = form::makeBox(window, QStringLiteral("Text%1").arg(k), 4200 + 840 * (k - 1), 6000, 855, 285);
    m_backButton = back.control = form::makeButton(window, back.name, back.caption, 6480, 6600, 3015, 615);
    m_storeButton = store.control = form::makeButton(window, store.name, store.caption, 9600, 6600, 3015, 615);

    // Each box is named by its prompt; the pace box's prompt is two lines,
    // and the time boxes get theirs when a course is chosen.
    form::labelBy(Label8, T_reg4);
    T_reg4->setAccessibleName(Label1->text() + QLatin1Char(' ') + Label8->text());
    form::labelBy(Label2, T_reg5);
    form::labelBy(Label3, T_reg6);
    form::labelBy(Label4, T_reg7);
    form::labelBy(Label5, T_reg8);

    for (QWidget *control : std::initializer_list<QWidget *>{T_banareg1, Label1, Label8, T_reg4, Label2, T_reg5,
                                                             Label3, T_reg6, Label4, T_reg7, Label5, T_reg8, Label6,
                                                             m_storeButton})
        control->hide();
    for (QLineEdit *box : Text)
        box->hide();
}

void RunForm::showRunBoxes(const QString &courseName, int n, const fieldchoice::Chosen &chosen)
{
    T_banareg1->setText(courseName);
    for (QWidget *control :
         std::initializer_list<QWidget *>{T_banareg1, Label1, Label2, Label6, Label8, T_reg4, T_reg5, m_storeButton})
        control->show();
    form::showField(Label3, T_reg6, chosen.note);
    form::showField(Label4, T_reg7, chosen.temperature);
    form::showField(Label5, T_reg8, chosen.weight);
    Label6->setText(runcheck::timePrompt(n));
    for (int k = 1; k <= n; ++k) {
        Text[k - 1]->setAccessibleName(Label6->text());
        Text[k - 1]->show();
    }
}

void RunForm::hideRunBoxes()
{
    for (QWidget *control : std::initializer_list<QWidget *>{T_banareg1, Label1, Label2, Label3, Label4, Label5, Label6,
                                                             Label8, T_reg4, T_reg5, T_reg6, T_reg7, T_reg8, m_storeButton})
        control->hide();
    for (QLineEdit *box : Text)
        box->hide();
}

runcheck::Entry RunForm::typedEntry(int n) const
{
    runcheck::Entry entry{T_reg4->text(), T_reg5->text(), T_reg6->text(), T_reg7->text(), T_reg8->text(), {}};
    for (int k = 1; k <= n; ++k)
        entry.times << Text[k - 1]->text();
    return entry;
}

QList<QWidget *> RunForm::runTabOrder() const
{
    QList<QWidget *> order{T_reg4, m_storeButton, T_reg5, T_reg6, T_reg7, T_reg8};
    for (QLineEdit *box : Text)
        order << box;
    order << m_backButton;
    return order;
}
