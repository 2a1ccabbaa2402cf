#include "registration/choosefields.h"

#include "registration/fieldchoice.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, int top, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    twips::place(box, 360, top, 2775, 285);
    return box;
}

} // namespace

ChooseFields::ChooseFields(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("ChooseFields"));
    setWindowTitle(QStringLiteral("Välj vad som registreras"));
    form::setClientArea(this, 4080, 2160);

    const fieldchoice::Chosen chosen = fieldchoice::load();
    informationBox =
        makeCheckBox(this, QStringLiteral("informationBox"), QStringLiteral("Information"), 240, chosen.note);
    temperatureBox =
        makeCheckBox(this, QStringLiteral("temperatureBox"), QStringLiteral("Temperatur"), 600, chosen.temperature);
    weightBox = makeCheckBox(this, QStringLiteral("weightBox"), QStringLiteral("Vikt"), 960, chosen.weight);
    okButton = form::makeButton(this, QStringLiteral("okButton"), QStringLiteral("OK"), 1200, 1560, 1215, 375);
    cancelButton =
        form::makeButton(this, QStringLiteral("cancelButton"), QStringLiteral("Avbryt"), 2640, 1560, 1215, 375);
    // As in any small window of choices: Enter is "OK", Escape "Avbryt"
    // (at once, from wherever the focus is, as in the run book).
    okButton->setShortcut(Qt::Key_Return);

    // Chosen from the start window, beside the analysis window when it is open.
    const QWidget *menu = windows.window(Window::Menu);
    form::placeBeside(this, menu ? menu : windows.window(Window::Start));

    connect(okButton, &QPushButton::clicked, this, &ChooseFields::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ChooseFields::reject);
}

void ChooseFields::accept()
{
    const fieldchoice::Chosen chosen{informationBox->isChecked(), temperatureBox->isChecked(),
                                     weightBox->isChecked()};
    fieldchoice::save(chosen);
    // A choice that could not be written leaves the former one in force.
    const fieldchoice::Chosen kept = fieldchoice::load();
    if (kept.note != chosen.note || kept.temperature != chosen.temperature || kept.weight != chosen.weight) {
        m_windows.dialogs().message(this, QStringLiteral("Valet kunde inte sparas. Inget har ändrats."));
        return;
    }
    m_windows.unload(Window::ChooseFields);
}

void ChooseFields::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        reject();
    else
        QWidget::keyPressEvent(event);
}

void ChooseFields::reject()
{
    m_windows.unload(Window::ChooseFields);
}
