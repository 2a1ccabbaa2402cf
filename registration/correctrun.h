#pragma once

#include "data/runfile.h"
#include "registration/runform.h"

#include <QString>
#include <QWidget>

class QPushButton;
class WindowRegistry;

// Corrects one run: its boxes laid out as the run registration window shows
// them once a course is chosen, filled from the run, checked as a new run is
// checked, and the run replaced in its place in the run file.
class CorrectRun : public QWidget, private RunForm
{
    Q_OBJECT

public:
    CorrectRun(WindowRegistry &windows, const QString &courseLine, const run::Occurrence &run);

    // "ÄNDRAT och tillbaka".
    void storeCorrection();
    // "TILLBAKA utan ändring".
    void goBack();

private:
    WindowRegistry &m_windows;
    QString m_course;
    // The run as the run file held it when the window opened.
    run::Occurrence m_run;
    // The fields shown, checked and stored: the runner's choice and those
    // the run holds.
    fieldchoice::Chosen m_fields;

    QPushButton *backButton = nullptr;
    QPushButton *storeButton = nullptr;

    // Those the run holds empty, which may stay so.
    fieldchoice::Chosen m_heldEmpty;
};
