#include "app/info.h"

#include "ui/form.h"
#include "ui/registry.h"
#include "ui/twips.h"

#include <QPushButton>

namespace {

struct Line
{
    const char *name;
    int top;
    int width;
    const char *text;
};

// One label a line, from the top; every line is 480 twips from the left and
// 255 high.
constexpr Line lines[] = {
    {"Label1", 360, 6135, "Tanken med detta program är att man ska få en överblick över sina löpar rundor."},
    {"Label3", 2520, 6375, "02-sep-2001 Ver 1.1 Första versionen släpptes"},
    {"Label4", 2760, 6375, "04-sep-2001 Ver 1.1 Stora förbättringar vid registrering av första rundan"},
    {"Label5", 3000, 6375,
     "05-sep-2001 Ver 1.2 Fixar till lite innan jag släpper ut Demo versionen på min hemsida"},
    {"Label11", 3240, 6495, "08-sep-2001 Ver 1.3 Vissa text boxar visas fast de inte ska. Åtgärdat."},
    {"Label12", 3480, 6135,
     "25-maj-2002 Ver 2.0 Fixar till info om att enbart de 28 första valda posterna visas"},
    {"Label9", 3720, 5775, "21-jan-2011 ver 2.1 Ser till att det fungerar igen samt ut för download"},
    {"Label6", 4200, 2775, "PLANER I FRAMTIDA VERSIONER"},
    {"Label7", 4440, 6135, "Att man får välja själv vilka poster man ska registrera. Tex vill man kanske"},
    {"Label8", 4680, 6135, "Inte registrera temperaturen, eller kanske inte registrera sin vikt osv"},
};

} // namespace

Info::Info(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("Information om Kvistra"));
    form::setClientArea(this, 7050, 7305);

    for (const Line &line : lines) {
        form::makeLabel(this, QString::fromLatin1(line.name), QString::fromUtf8(line.text), 480, line.top,
                        line.width, 255);
    }

    Command1 = new QPushButton(QStringLiteral("TILLBAKA"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    twips::place(Command1, 4680, 6240, 2055, 855);
    connect(Command1, &QPushButton::clicked, this, &Info::Command1_Click);
}

void Info::Command1_Click()
{
    m_windows.unload(Window::Info);
}
