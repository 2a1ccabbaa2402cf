#include "support/scripteddialogs.h"

#include <QtGlobal>

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Box &box : m_shown) {
        if (box.kind == Box::Kind::Message)
            texts << box.text;
    }
    return texts;
}

QStringList ScriptedDialogs::prompts() const
{
    QStringList texts;
    for (const Box &box : m_shown) {
        if (box.kind == Box::Kind::Input)
            texts << box.text;
    }
    return texts;
}

void ScriptedDialogs::clear()
{
    m_shown.clear();
    m_answers.clear();
}

void ScriptedDialogs::showMessage(QWidget *, const QString &text, const QString &title, Icon icon)
{
    m_shown.append(Box{Box::Kind::Message, text, title, icon});
}

QString ScriptedDialogs::askInput(QWidget *, const QString &prompt, const QString &title)
{
    m_shown.append(Box{Box::Kind::Input, prompt, title, Icon::None});
    if (m_beforeAnswer)
        m_beforeAnswer(title);
    // A question that repeats until it gets a good answer would otherwise
    // never end.
    if (m_answers.isEmpty())
        qFatal("No scripted answer left for the input box \"%s\"", qPrintable(title));
    return m_answers.takeFirst();
}
