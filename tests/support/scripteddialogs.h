#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

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
    // Runs before each input box is answered, with the box's title: lets a
    // test change the world while a question is open.
    void setBeforeAnswer(std::function<void(const QString &title)> hook) { m_beforeAnswer = std::move(hook); }
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
    std::function<void(const QString &)> m_beforeAnswer;
    QList<Box> m_shown;
};
