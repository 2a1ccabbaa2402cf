#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

std::unique_ptr<QMessageBox> QtDialogs::makeMessageBox(QWidget *parent, const QString &text, const QString &title,
                                                       Icon icon)
{
    auto box = std::make_unique<QMessageBox>(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                                             title, text, QMessageBox::Ok, parent);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    return box;
}

std::unique_ptr<QInputDialog> QtDialogs::makeInputBox(QWidget *parent, const QString &prompt, const QString &title)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
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

QString QtDialogs::askSaveFileName(QWidget *parent, const QString &caption, const QString &defaultPath,
                                   const QString &filter)
{
    // Qt's own dialog, whose texts the Swedish translation gives.
    QFileDialog dialog(parent, caption, defaultPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Spara"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Filtyp:"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Mapp:"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
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
