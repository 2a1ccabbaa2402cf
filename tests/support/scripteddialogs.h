#pragma once

#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <functional>

// Answers the boxes instead of a person: input boxes, questions ("Ja" or
// "Nej") and save dialogs take their answers from a queue, and every box shown
// is kept, in order, for the test to read: a question as a message, a save
// dialog as an input box whose prompt is its default path in the folder.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Box
    {
        bool input;
        QString text; // the message, or the prompt of an input box
        QString title;
        Icon icon;
    };
    QList<Box> shown;
    QStringList answers;
    bool messageOpen = false; // a message box waits for its OK
    // Runs before an input box is answered, with its title: lets a test
    // change the world while a question is open.
    std::function<void(const QString &title)> beforeAnswer = [](const QString &) {};

    QStringList texts(bool input) const
    {
        QStringList result;
        for (const Box &box : shown) {
            if (box.input == input)
                result << box.text;
        }
        return result;
    }

protected:
    void showMessage(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        shown.append(Box{false, text, title, icon});
        messageOpen = true;
        QCoreApplication::processEvents(); // as a modal box's own loop does
        messageOpen = false;
    }
    bool askQuestion(QWidget *, const QString &text, const QString &title) override
    {
        shown.append(Box{false, text, title, Icon::None});
        return answer(title) == u"Ja";
    }
    QString askSaveFileName(QWidget *, const QString &caption, const QString &path, const QString &) override
    {
        shown.append(Box{true, QDir::current().relativeFilePath(path), caption, Icon::None});
        const QString chosen = answer(caption); // a path within the working folder
        return chosen.isEmpty() ? chosen : QDir::current().filePath(chosen);
    }
    QString askInput(QWidget *, const QString &prompt, const QString &title) override
    {
        shown.append(Box{true, prompt, title, Icon::None});
        return answer(title);
    }

private:
    QString answer(const QString &title)
    {
        beforeAnswer(title);
        // A question that repeats until it gets a good answer would otherwise never end.
        if (answers.isEmpty())
            qFatal("No scripted answer left for the box \"%s\"", qPrintable(title));
        return answers.takeFirst();
    }
};
