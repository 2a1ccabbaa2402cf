#pragma once

#include "registration/runcheck.h"
#include "ui/form.h"

#include <QList>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The boxes of a run as the run registration window shows them once a
// course is chosen: the course name, the five registration boxes with their
// prompts, the time prompt and the ten time boxes, and the places of the two
// buttons. The window that corrects a run lays out the same controls; both
// make them here, each with buttons of its own.
class RunForm
{
protected:
    // Makes the controls on the window at their places, everything but the
    // back button hidden.
    void buildRunForm(QWidget *window, const form::OwnButton &back, const form::OwnButton &store);

    // Shows the course name, the boxes, the buttons and the n time boxes of a
    // course with n timed points under their prompt. A field not chosen keeps
    // its prompt and box hidden where they stand, so Tab passes it by.
    void showRunBoxes(const QString &courseName, int n, const fieldchoice::Chosen &chosen);

    // Hides all that showRunBoxes shows; the boxes keep their texts.
    void hideRunBoxes();

    // The texts of the five boxes and of the first n time boxes, as typed.
    runcheck::Entry typedEntry(int n) const;

    // The boxes in the order Tab goes through them, the register button
    // right after the pace box and the back button last.
    QList<QWidget *> runTabOrder() const;

    QLabel *T_banareg1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *T_reg4 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *T_reg5 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *T_reg6 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *T_reg7 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *T_reg8 = nullptr;
    QLabel *Label6 = nullptr;
    // The time boxes: Text[k - 1] is Textk.
    std::array<QLineEdit *, 10> Text{};

private:
    QPushButton *m_backButton = nullptr;
    QPushButton *m_storeButton = nullptr;
};
