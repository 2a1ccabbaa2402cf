#include "ui/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

std::unique_ptr<QMessageBox> QtDialogs::makeMessageBox(QWidget *parent, const QString &text, const QString &title,
                                                       Icon icon)
{
    return std::make_unique<QMessageBox>(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                                         text, QMessageBox::Ok, parent);
}

std::unique_ptr<QInputDialog> QtDialogs::makeInputBox(QWidget *parent, const QString &prompt, const QString &title)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextValue(QString());
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
