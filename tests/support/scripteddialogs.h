#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QStringList>

// Answers the boxes instead of a person: input boxes take their answers from
// a queue, and every box shown is kept, in order, for the test to read.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Box
    {
        enum class Kind { Message, Input };
        Kind kind;
        QString text; // the message, or the prompt of an input box
        QString title;
        Icon icon;
    };

    void queueAnswers(const QStringList &answers) { m_answers += answers; }
    int answersLeft() const { return m_answers.size(); }

    const QList<Box> &shown() const { return m_shown; }
    QStringList messages() const;
    QStringList prompts() const;
    void clear();

protected:
    void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    QString askInput(QWidget *parent, const QString &prompt, const QString &title) override;

private:
    QStringList m_answers;
    QList<Box> m_shown;
};
