#include "app/start.h"

#include "app/saveandexit.h"
#include "data/runfile.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>

#include <algorithm>

QString kvistraInSymbols()
{
    // K, v, i, s, t, r, a in the symbol font: a neutral face, a black diamond
    // minus white X, Pisces, a black medium lozenge, a black lozenge, a shadowed
    // white square and Cancer. The common fonts lack the medium lozenge, so
    // the black lozenge stands in for it.
    return QStringLiteral("\U0001F610\u2756\u2653\u29EB\u29EB\u2752\u264B");
}

Start::Start(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(QStringLiteral("Kvistra ver 2.1"));
    QWidget *client = form::makeClientArea(this, 7215, 2700);

    // Both pictures show the first frame of the animated start picture. On
    // a screen that draws more than one pixel a point it is scaled smoothly
    // to the screen's pixels, not blown up a pixel at a time.
    QPixmap picture(QStringLiteral(":/start.gif"));
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1.0) {
        picture = picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(picture);
    twips::place(Image1, 240, 720, 1425, 1800);

    Label1 = form::makeLabel(client, QStringLiteral("Label1"), kvistraInSymbols(), 2160, 1080, 3015, 975);
    QFont symbols = Label1->font();
    symbols.setPointSize(36);
    symbols.setBold(true);
    // Other fonts draw these symbols wider than Wingdings does: the size
    // comes down until the row fits the label, as it does in that font.
    // Glyph widths do not shrink exactly with the size, hence the steps.
    const auto advance = [&symbols, this] { return QFontMetrics(symbols).horizontalAdvance(Label1->text()); };
    if (advance() > Label1->width())
        symbols.setPointSizeF(std::max(12.0, 36.0 * Label1->width() / advance()));
    while (advance() > Label1->width() && symbols.pointSizeF() > 12.0)
        symbols.setPointSizeF(symbols.pointSizeF() - 0.5);
    Label1->setFont(symbols);
    Label1->setAccessibleName(QStringLiteral("Kvistra"));

    Image2 = new QLabel(client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(picture);
    twips::place(Image2, 5640, 720, 1425, 1800);

    QMenu *M_Arkiv1 = form::addMenu(menuBar(), QStringLiteral("M_Arkiv1"), QStringLiteral("Arkiv"));
    M_spara = form::addCommand(M_Arkiv1, QStringLiteral("M_spara"),
                               QStringLiteral("Spara och Avsluta (datat sorteras efter datum)"));
    M_Start = form::addCommand(M_Arkiv1, QStringLiteral("M_Start"), QStringLiteral("Avsluta (datat är redan sparat)"));
    M_val = form::addCommand(M_Arkiv1, QStringLiteral("M_val"), QStringLiteral("Välj vad som registreras…"));
    M_visa = form::addCommand(menuBar(), QStringLiteral("M_visa"), QStringLiteral("Visa"));
    M_inform = form::addCommand(menuBar(), QStringLiteral("M_inform"), QStringLiteral("Information"));

    connect(M_spara, &QAction::triggered, this, &Start::M_spara_Click);
    connect(M_Start, &QAction::triggered, this, &Start::M_Start_Click);
    connect(M_visa, &QAction::triggered, this, &Start::M_visa_Click);
    connect(M_inform, &QAction::triggered, this, &Start::M_inform_Click);
    connect(M_val, &QAction::triggered, this, &Start::M_val_Click);
}

void Start::M_spara_Click()
{
    Dialogs &dialogs = m_windows.dialogs();
    const QString failure = seqfile::failureMessage(saveandexit::saveRunsInDateOrder(), run::fileName());
    if (!failure.isEmpty())
        dialogs.message(this, failure);
    // The runner asked to end the program: it ends even when the file could
    // not be ordered, which the message has told.
    m_windows.endProgram();
}

void Start::M_Start_Click()
{
    // Every registration has already written its file: nothing to save.
    m_windows.endProgram();
}

void Start::M_visa_Click()
{
    m_windows.show(Window::Menu);
}

void Start::M_inform_Click()
{
    m_windows.show(Window::Info);
}

void Start::M_val_Click()
{
    m_windows.show(Window::ChooseFields);
}
