#include "registration/choosefields.h"

#include "registration/fieldchoice.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QCheckBox>
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
    Check1 = makeCheckBox(this, QStringLiteral("Check1"), QStringLiteral("Information"), 240, chosen.note);
    Check2 = makeCheckBox(this, QStringLiteral("Check2"), QStringLiteral("Temperatur"), 600, chosen.temperature);
    Check3 = makeCheckBox(this, QStringLiteral("Check3"), QStringLiteral("Vikt"), 960, chosen.weight);
    Command1 = form::makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), 1200, 1560, 1215, 375);
    Command2 = form::makeButton(this, QStringLiteral("Command2"), QStringLiteral("Avbryt"), 2640, 1560, 1215, 375);
    // As in any small window of choices: Enter is "OK", Escape "Avbryt".
    Command1->setShortcut(Qt::Key_Return);
    Command2->setShortcut(Qt::Key_Escape);

    connect(Command1, &QPushButton::clicked, this, &ChooseFields::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ChooseFields::Command2_Click);
}

void ChooseFields::Command1_Click()
{
    const fieldchoice::Chosen chosen{Check1->isChecked(), Check2->isChecked(), Check3->isChecked()};
    fieldchoice::save(chosen);
    // A choice that could not be written leaves the former one in force.
    const fieldchoice::Chosen kept = fieldchoice::load();
    if (kept.note != chosen.note || kept.temperature != chosen.temperature || kept.weight != chosen.weight) {
        m_windows.dialogs().message(this, QStringLiteral("Valet kunde inte sparas. Inget har ändrats."));
        return;
    }
    m_windows.unload(Window::ChooseFields);
}

void ChooseFields::Command2_Click()
{
    m_windows.unload(Window::ChooseFields);
}
