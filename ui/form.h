#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QAbstractItemView;
class QAction;
class QFont;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

// What the windows share in their construction: fixed client areas, labels
// placed in twips, and the program's fonts.
namespace form {

// Gives a window with a menu bar a central widget that is exactly its
// client area; the window keeps that size.
QWidget *makeClientArea(QMainWindow *window, int widthTwips, int heightTwips);

// The same for a window without a menu bar: the window itself is the client
// area.
void setClientArea(QWidget *window, int widthTwips, int heightTwips);

// A label with its object name, caption and place: one line, top-left
// aligned, cut at its edges.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                  int width, int height);

// Names a control after its prompt, for screen readers and for the label's
// relation to it.
void labelBy(QLabel *prompt, QWidget *control);

// A text from a data file as a control shows it: its first 1000 characters
// at most. No control is wide enough for more, and laying out the millions
// of characters of a damaged line would keep a window busy for minutes.
QString shown(const QString &text);

// A window caption that holds a text as typed or as a file holds it, shown
// as it stands: "[*]" in it included, which Qt otherwise takes for the mark
// of a changed document.
QString plainCaption(const QString &text);

// Places a window of our own beside another (the analysis window): to its
// right when the screen that holds it has room, else a little below and to
// the right of its corner; either way wholly within that screen's available
// area, made smaller first when it is larger than that area.
void placeBeside(QWidget *window, const QWidget *beside);
// Where placeBeside puts the frame of a window, of the given size with its
// frame, beside the other window's frame on a screen's available area.
QPoint besidePlace(const QRect &screen, const QRect &besideFrame, const QSize &size);

// A text box and a command button with their object names and places.
QLineEdit *makeBox(QWidget *parent, const QString &name, int left, int top, int width, int height);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                        int width, int height);

// A window's own button on a layout it shares with another window: the
// window's member that is to hold it, its object name and its caption.
struct OwnButton
{
    QPushButton *&control;
    QString name;
    QString caption;
};

// Shows a field's prompt and box, or leaves both hidden where they stand
// when the runner does not register that field: the other controls keep
// their places, and Tab passes the box by.
void showField(QLabel *prompt, QLineEdit *box, bool chosen);

// Only the left mouse button acts on the list: other buttons neither select
// nor activate an entry, whatever the style does with a single click.
void acceptLeftButtonOnly(QAbstractItemView *list);

// A menu entry with its object name: a drop-down menu or a command, on the
// menu bar or in a drop-down menu.
QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption);
QAction *addCommand(QWidget *barOrMenu, const QString &name, const QString &caption);

// The windows' font, "MS Sans Serif" in the given point size, as the
// installed font that stands in for it shows it: made as narrow as the
// layouts need.
QFont sansSerif(qreal pointSize);

// Makes the default small font the application's font.
void useProgramFonts();

} // namespace form
