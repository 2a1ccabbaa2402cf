#include "ui/form.h"

#include "ui/twips.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace form {

QWidget *makeClientArea(QMainWindow *window, int widthTwips, int heightTwips)
{
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips::size(widthTwips, heightTwips));
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

void setClientArea(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(twips::size(widthTwips, heightTwips));
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                  int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    twips::place(label, left, top, width, height);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    twips::place(box, left, top, width, height);
    return box;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                        int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    twips::place(button, left, top, width, height);
    return button;
}

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction *addCommand(QWidget *barOrMenu, const QString &name, const QString &caption)
{
    auto *command = new QAction(caption, barOrMenu);
    command->setObjectName(name);
    barOrMenu->addAction(command);
    return command;
}

QFont sansSerif(qreal pointSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    return font;
}

void useProgramFonts()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QApplication::setFont(sansSerif(8));
}

} // namespace form
