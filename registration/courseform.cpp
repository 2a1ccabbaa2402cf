#include "registration/courseform.h"

#include "data/coursefile.h"
#include "registration/coursecheck.h"
#include "ui/form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void CourseForm::buildCourseForm(QWidget *window, const QString &heading, const form::OwnButton &back,
                                 const form::OwnButton &store)
{
    form::makeLabel(window, QStringLiteral("Label4"), heading, 360, 240, 5895, 495)->setFont(form::sansSerif(19.5));
    QLabel *Label1 = form::makeLabel(window, QStringLiteral("Label1"),
                                     QStringLiteral("Ange banans namn max 50 tecken"), 360, 960, 2655, 255);
    T_ban11 = form::makeBox(window, QStringLiteral("T_ban11"), 360, 1320, 5895, 285);
    form::labelBy(Label1, T_ban11);
    QLabel *Label2 =
        form::makeLabel(window, QStringLiteral("Label2"),
                        QStringLiteral("Hur många mellantider inklusive sluttid ska du ha med. Min 1 max 10 st"), 360,
                        1800, 5055, 255);
    T_mellan11 = form::makeBox(window, QStringLiteral("T_mellan11"), 5520, 1800, 735, 285);
    form::labelBy(Label2, T_mellan11);
    QLabel *Label3 =
        form::makeLabel(window, QStringLiteral("Label3"),
                        QStringLiteral("Banans hela distans i meter. Vet du inte distansen så ange ett ?"), 360, 2280,
                        5055, 255);
    T_distans11 = form::makeBox(window, QStringLiteral("T_distans11"), 5520, 2280, 735, 285);
    form::labelBy(Label3, T_distans11);
    back.control = form::makeButton(window, back.name, back.caption, 360, 2880, 2895, 735);
    store.control = form::makeButton(window, store.name, store.caption, 3360, 2880, 2895, 735);

    // The register button comes right after the name box.
    QWidget::setTabOrder(T_ban11, store.control);
    QWidget::setTabOrder(store.control, T_mellan11);
    QWidget::setTabOrder(T_mellan11, T_distans11);
    QWidget::setTabOrder(T_distans11, back.control);
    T_ban11->setFocus();
}

QString CourseForm::checkCourseBoxes(QString *line)
{
    QString name = T_ban11->text();
    QString count = T_mellan11->text();
    QString distance = T_distans11->text();

    const QString refusal = coursecheck::checkCourse(name, count, distance);
    if (T_mellan11->text() != count)
        T_mellan11->setText(count);
    if (T_distans11->text() != distance)
        T_distans11->setText(distance);
    *line = course::makeLine(name, count, distance);
    return refusal;
}
