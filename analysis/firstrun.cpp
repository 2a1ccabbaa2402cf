#include "analysis/firstrun.h"

#include "data/coursefile.h"
#include "registration/coursecheck.h"
#include "ui/dialogs.h"

#include <functional>

namespace {

// Asks until the check passes; the check may rewrite the answer.
QString askUntilValid(Dialogs &dialogs, QWidget *parent, const QString &prompt, const QString &title,
                      const std::function<QString(QString &)> &check)
{
    for (;;) {
        QString answer = dialogs.input(parent, prompt, title);
        const QString refusal = check(answer);
        if (refusal.isEmpty())
            return answer;
        dialogs.message(parent, refusal);
    }
}

} // namespace

bool registerFirstCourse(Dialogs &dialogs, QWidget *parent)
{
    dialogs.message(parent,
                    QStringLiteral("Troligtvis första gången du startar programmet! Du saknar en fil som "
                                   "heter runda_ba. Den ska innehålla alla dina registrerade banor. Vi ska nu "
                                   "registrera din första bana."),
                    QStringLiteral("INFORMATION  Fil saknas som ska innehålla dina registrerade banor"),
                    Dialogs::Icon::Warning);

    const QString name = askUntilValid(
        dialogs, parent, QStringLiteral("Vad ska banan heta tex Hörnsjön 2 stora varv, max 50 tecken."),
        QStringLiteral("INMATNING AV BANA"), [](QString &answer) { return coursecheck::checkName(answer); });

    const QString count = askUntilValid(
        dialogs, parent,
        name + QStringLiteral(". Hur många tider ska du registrera (mellantider + slutiden) max 10 st."),
        QStringLiteral("INMATNING AV ANTALET TIDS REGISTRERINGAR"), [](QString &answer) {
            return coursecheck::checkCount(answer, QStringLiteral("Du kan inte registrera in inga tider alls !"));
        });

    const QString distance = askUntilValid(
        dialogs, parent, name + QStringLiteral(". Distans i meter. Vet du inte distansen så ange ? tillsvidare!"),
        QStringLiteral("REGISTRERING FÖR BANA"), [](QString &answer) { return coursecheck::checkDistance(answer); });

    // Another copy of the program may have made the course file while the
    // questions were asked: the course then goes after what it holds, and
    // the duplicate scan applies.
    const QString refusal = coursecheck::storeCourse(course::makeLine(name, count, distance));
    if (refusal.isEmpty())
        return true;
    dialogs.message(parent, refusal);
    // The file may be there now all the same, made by another copy of the
    // program (a duplicate refused is in it already): then it is listed.
    return course::load().status == seqfile::ReadStatus::Ok;
}
