#include "ui/form.h"

#include "ui/twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace form {

namespace {

class LeftButtonOnly : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
                return true;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

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

void labelBy(QLabel *prompt, QWidget *control)
{
    prompt->setBuddy(control);
    control->setAccessibleName(prompt->text());
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

void showField(QLabel *prompt, QLineEdit *box, bool chosen)
{
    prompt->setVisible(chosen);
    box->setVisible(chosen);
}

void acceptLeftButtonOnly(QAbstractItemView *list)
{
    list->viewport()->installEventFilter(new LeftButtonOnly(list));
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
    // The layouts were drawn for "MS Sans Serif", a narrow font that is
    // seldom installed now. Each font that stands in for it is set smaller
    // by as much as it is wider, so that every caption fits its control:
    // Liberation Sans and Arimo have Arial's widths, and DejaVu Sans, wider
    // still, is a last resort.
    struct StandIn
    {
        const char *family;
        qreal scale;
    };
    static constexpr StandIn standIns[] = {
        {"Liberation Sans", 0.9375},       {"Arial", 0.9375},       {"Arimo", 0.9375},
        {"Microsoft Sans Serif", 0.9375}, {"DejaVu Sans Condensed", 0.875}, {"DejaVu Sans", 0.8},
    };
    static const StandIn chosen = [] {
        for (const StandIn &standIn : standIns) {
            if (QFontDatabase::hasFamily(QString::fromLatin1(standIn.family)))
                return standIn;
        }
        return StandIn{"MS Sans Serif", 1.0};
    }();

    QFont font(QString::fromLatin1(chosen.family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize * chosen.scale);
    return font;
}

void useProgramFonts()
{
    QApplication::setFont(sansSerif(8));
}

void placeBeside(QWidget *window, const QWidget *beside)
{
    if (!beside || !beside->screen())
        return;
    const QRect screen = beside->screen()->availableGeometry();
    const QRect besideFrame = beside->frameGeometry();
    // The window's frame is not known before it is shown: it is taken to be
    // as wide as the other window's.
    const QMargins frame(beside->geometry().left() - besideFrame.left(), beside->geometry().top() - besideFrame.top(),
                         besideFrame.right() - beside->geometry().right(),
                         besideFrame.bottom() - beside->geometry().bottom());
    const QSize room = screen.size().shrunkBy(frame);
    window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize().boundedTo(room)));
    window->move(besidePlace(screen, besideFrame, window->size().grownBy(frame)));
}

QPoint besidePlace(const QRect &screen, const QRect &besideFrame, const QSize &size)
{
    QRect wanted(besideFrame.topRight() + QPoint(1, 0), size);
    if (!screen.contains(wanted))
        wanted.moveTopLeft(besideFrame.topLeft() + QPoint(40, 40));
    wanted.moveRight(std::min(wanted.right(), screen.right()));
    wanted.moveBottom(std::min(wanted.bottom(), screen.bottom()));
    wanted.moveLeft(std::max(wanted.left(), screen.left()));
    wanted.moveTop(std::max(wanted.top(), screen.top()));
    return wanted.topLeft();
}

QString plainCaption(const QString &text)
{
    return QString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString shown(const QString &text)
{
    return text.left(1000);
}

} // namespace form
