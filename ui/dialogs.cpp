#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &defaultPath,
                              const QString &filter)
{
    const QString suffix = QFileInfo(defaultPath).suffix();
    QString path = defaultPath;
    for (;;) {
        path = askSaveFileName(parent, caption, path, filter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && !suffix.isEmpty())
            path += u'.' + suffix;
        // A folder of that name is no file to replace: writing to it fails
        // and is told.
        const QFileInfo chosen(path);
        if (path.isEmpty() || !chosen.exists() || chosen.isDir() || question(parent, overwriteQuestion(path)))
            return path;
    }
}

QString Dialogs::overwriteQuestion(const QString &path)
{
    return QStringLiteral("Filen %1 finns redan. Vill du ersätta den?").arg(QFileInfo(path).fileName());
}

std::unique_ptr<QMessageBox> QtDialogs::makeMessageBox(QWidget *parent, const QString &text, const QString &title,
                                                       Icon icon)
{
    auto box = std::make_unique<QMessageBox>(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                                             title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    return box;
}

std::unique_ptr<QMessageBox> QtDialogs::makeQuestionBox(QWidget *parent, const QString &text, const QString &title)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                                             parent);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box->button(QMessageBox::No)->setText(QStringLiteral("Nej"));
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

std::unique_ptr<QInputDialog> QtDialogs::makeInputBox(QWidget *parent, const QString &prompt, const QString &title)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    // The prompt may hold a name as typed: "<i>Hörnsjön" is no formatting.
    for (QLabel *label : dialog->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextValue(QString());
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("Avbryt"));
    return dialog;
}

void QtDialogs::showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    makeMessageBox(parent, text, title, icon)->exec();
}

QString QtDialogs::askInput(QWidget *parent, const QString &prompt, const QString &title)
{
    const auto dialog = makeInputBox(parent, prompt, title);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    return dialog->textValue();
}

bool QtDialogs::askQuestion(QWidget *parent, const QString &text, const QString &title)
{
    return makeQuestionBox(parent, text, title)->exec() == QMessageBox::Yes;
}

std::unique_ptr<QFileDialog> QtDialogs::makeSaveDialog(QWidget *parent, const QString &caption,
                                                       const QString &defaultPath, const QString &filter)
{
    // Qt's own dialog, whose texts are set here: the desktop's dialog, or
    // Qt's without its translation installed, might not speak Swedish.
    auto dialog = std::make_unique<QFileDialog>(parent, caption, defaultPath, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Its own question about a file that is there, and those of its context
    // menu's "Delete", would have English buttons: the overwrite question is
    // ours (Dialogs::saveFileName), and no file is deleted or renamed here.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setOption(QFileDialog::ReadOnly);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Spara i:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Filtyp:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Spara"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
    return dialog;
}

QString QtDialogs::askSaveFileName(QWidget *parent, const QString &caption, const QString &defaultPath,
                                   const QString &filter)
{
    const auto dialog = makeSaveDialog(parent, caption, defaultPath, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

void useSwedishQtTexts()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    // Newer Qt ships its own widgets' texts as qtbase; older ones as qt.
    for (const QString &catalog : {QStringLiteral("qtbase"), QStringLiteral("qt")}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(swedish, catalog, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
        delete translator;
    }
}
