#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

// The message and input boxes of every window go through this one interface,
// so that tests can answer them instead of a person. Their texts are shown
// as plain text, as typed or as a file holds them: never as formatting.
class Dialogs
{
public:
    enum class Icon { None, Warning };

    virtual ~Dialogs() = default;

    static QString defaultTitle() { return QStringLiteral("Kvistra"); }

    // A message box: the text, an OK button only, the title (the program's
    // name unless another is given) and an optional warning icon.
    void message(QWidget *parent, const QString &text,
                 const QString &title = defaultTitle(), Icon icon = Icon::None)
    {
        showMessage(parent, text, title, icon);
    }

    // An input box with a title, a prompt, an empty answer field, OK and
    // Cancel; Cancel gives the empty answer.
    QString input(QWidget *parent, const QString &prompt, const QString &title)
    {
        return askInput(parent, prompt, title);
    }

    // A question with the buttons "Ja" and "Nej", "Nej" the default; true for "Ja".
    bool question(QWidget *parent, const QString &text, const QString &title = defaultTitle())
    { return askQuestion(parent, text, title); }

    // A save dialog in Swedish: the chosen path, or empty when cancelled. A
    // name chosen without an ending gets the default path's. A file that
    // is there already is replaced only after the question
    // overwriteQuestion(), answered "Ja"; "Nej" shows the dialog again.
    QString saveFileName(QWidget *parent, const QString &caption, const QString &defaultPath,
                         const QString &filter);

    // "Filen %1 finns redan. Vill du ersätta den?" with the file's name.
    static QString overwriteQuestion(const QString &path);

protected:
    virtual void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    virtual QString askInput(QWidget *parent, const QString &prompt, const QString &title) = 0;
    virtual bool askQuestion(QWidget *parent, const QString &text, const QString &title) = 0;
    // The save dialog alone, which asks nothing of its own.
    virtual QString askSaveFileName(QWidget *parent, const QString &caption, const QString &defaultPath,
                                    const QString &filter) = 0;
};

// The boxes a person sees, with Swedish buttons.
class QtDialogs final : public Dialogs
{
public:
    // The boxes made ready to show, as the program shows them: also used to
    // picture them.
    static std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const QString &text, const QString &title,
                                                       Icon icon);
    static std::unique_ptr<QInputDialog> makeInputBox(QWidget *parent, const QString &prompt, const QString &title);
    static std::unique_ptr<QMessageBox> makeQuestionBox(QWidget *parent, const QString &text, const QString &title);
    static std::unique_ptr<QFileDialog> makeSaveDialog(QWidget *parent, const QString &caption,
                                                       const QString &defaultPath, const QString &filter);

protected:
    void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    QString askInput(QWidget *parent, const QString &prompt, const QString &title) override;
    bool askQuestion(QWidget *parent, const QString &text, const QString &title) override;
    QString askSaveFileName(QWidget *parent, const QString &caption, const QString &defaultPath,
                            const QString &filter) override;
};

// Makes Qt's own texts Swedish (the text boxes' and scroll bars' context
// menus, for one) where Qt's Swedish translation is installed.
void useSwedishQtTexts();
