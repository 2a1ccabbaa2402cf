#include "data/coursechange.h"

#include "data/coursefile.h"
#include "data/runfile.h"
#include "data/savedfile.h"
#include "data/seqfile.h"
#include "registration/coursecheck.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace coursechange {
namespace {

// The course file's lock and then the run file's, while it lives.
struct Locks
{
    seqfile::Lock courses{course::fileName()};
    seqfile::Lock runs{run::fileName()};

    QString failure() const
    {
        if (!courses.held())
            return seqfile::failureMessage(courses.status(), course::fileName());
        return seqfile::failureMessage(runs.status(), run::fileName());
    }
    bool held() const { return courses.held() && runs.held(); }
};

// The runs of the course with the old line get the new line in front of
// their own fields (those after the record's third "/"). The number of
// records changed.
qsizetype renameRuns(QStringList &records, const QString &oldLine, const QString &newLine)
{
    const QString name = course::name(oldLine);
    qsizetype changed = 0;
    for (QString &record : records) {
        if (run::courseName(record) != name)
            continue;
        const QString renamed = (QStringList{newLine} + record.split(u'/').mid(3)).join(u'/');
        if (renamed != record) {
            record = renamed;
            ++changed;
        }
    }
    return changed;
}

// A correction left half done by a stopped program; both locks are held. It
// is completed only while the course file shows that it took the change: it
// holds the new line, and no other line holds the old name (a course made
// since under the old name has runs of its own, which must stay). Otherwise
// the intent file is stale and goes without a run rewritten. A damaged one
// proves nothing: it is neither acted on nor removed, and *damaged is set.
// The message when that could not be done.
QString finishLeftChange(bool *damaged)
{
    savedfile::removeLeftovers(intentFileName());
    if (!QFileInfo::exists(intentFileName()))
        return QString();
    const seqfile::ReadResult intent = seqfile::readFile(intentFileName());
    *damaged = intent.status != seqfile::ReadStatus::Ok || intent.items.size() != 2;
    if (*damaged)
        return QString();
    const QString &oldLine = intent.items.at(0), &newLine = intent.items.at(1);
    const seqfile::ReadResult courses = seqfile::readFile(course::fileName());
    if (courses.status == seqfile::ReadStatus::Failed)
        return seqfile::readFailedMessage(course::fileName());
    const bool oldNameHeld = std::any_of(courses.items.begin(), courses.items.end(), [&](const QString &line) {
        return line != newLine && course::name(line) == course::name(oldLine);
    });
    if (courses.items.contains(newLine) && !oldNameHeld) {
        seqfile::ReadResult runs = seqfile::readFile(run::fileName());
        if (runs.status == seqfile::ReadStatus::Failed)
            return seqfile::readFailedMessage(run::fileName());
        if (renameRuns(runs.items, oldLine, newLine) > 0 && !seqfile::writeFile(run::fileName(), runs.items))
            return seqfile::writeFailedMessage(run::fileName());
    }
    QFile::remove(intentFileName());
    return QString();
}

// Both files as they are now, read while both locks are held and once a
// correction left half done is finished; or the message when they cannot be
// had.
struct Current
{
    QString failure;
    seqfile::ReadResult courses;
    seqfile::ReadResult runs;
};

Current readBoth(const Locks &locks)
{
    if (!locks.held())
        return {locks.failure(), {}, {}};
    bool damaged = false;
    if (QString refusal = finishLeftChange(&damaged); !refusal.isEmpty())
        return {refusal, {}, {}};
    Current now{QString(), seqfile::readFile(course::fileName()), seqfile::readFile(run::fileName())};
    if (now.courses.status == seqfile::ReadStatus::Failed)
        now.failure = seqfile::readFailedMessage(course::fileName());
    else if (now.runs.status == seqfile::ReadStatus::Failed)
        now.failure = seqfile::readFailedMessage(run::fileName());
    return now;
}

} // namespace

qsizetype runCount(const QStringList &records, const QString &courseLine)
{
    const QString name = course::name(courseLine);
    return std::count_if(records.begin(), records.end(),
                         [&name](const QString &record) { return run::courseName(record) == name; });
}

qsizetype runCount(const QString &courseLine)
{
    const run::Table runs = run::load();
    return runs.status == seqfile::ReadStatus::Failed ? -1 : runCount(runs.records, courseLine);
}

QString countLockedMessage(qsizetype runs)
{
    return QStringLiteral("Banan har %1 registrerade rundor. Antalet tider kan inte ändras.").arg(runs);
}

QString hasRunsMessage(qsizetype runs)
{
    return QStringLiteral("Banan har %1 registrerade rundor och kan inte tas bort.").arg(runs);
}

QString removeQuestion(const QString &name)
{
    return QStringLiteral("Vill du ta bort banan %1?").arg(name);
}

QString goneMessage()
{
    return QStringLiteral("Banan finns inte längre i filen RUNDA_BA. Inget har ändrats i filen.");
}

QString storeChange(const QString &oldLine, const QString &newLine)
{
    const Locks locks;
    Current now = readBoth(locks);
    if (!now.failure.isEmpty())
        return now.failure;
    const seqfile::ReadResult &courses = now.courses;
    const seqfile::ReadResult &runs = now.runs;

    const qsizetype at = courses.items.indexOf(oldLine);
    if (at < 0)
        return goneMessage();
    QStringList newCourses = courses.items;
    newCourses.removeAt(at);
    const coursecheck::Duplicate verdict = coursecheck::findDuplicate(newCourses, newLine);
    if (verdict != coursecheck::Duplicate::None)
        return coursecheck::duplicateMessage(verdict);
    const qsizetype count = runCount(runs.items, oldLine);
    if (count > 0 && course::count(newLine) != course::count(oldLine))
        return countLockedMessage(count);
    if (newLine == oldLine)
        return QString();
    newCourses.insert(at, newLine);
    QStringList newRuns = runs.items;
    if (renameRuns(newRuns, oldLine, newLine) == 0) {
        return seqfile::writeFile(course::fileName(), newCourses) ? QString()
                                                                  : seqfile::writeFailedMessage(course::fileName());
    }

    // Two files: the intent file tells the next start what was under way. A
    // damaged one left in its place is not written over.
    if (QFileInfo::exists(intentFileName()))
        return damagedIntentMessage();
    if (!seqfile::writeFile(intentFileName(), {oldLine, newLine}))
        return seqfile::writeFailedMessage(course::fileName());
    if (!seqfile::writeFile(course::fileName(), newCourses)) {
        QFile::remove(intentFileName());
        return seqfile::writeFailedMessage(course::fileName());
    }
    if (!seqfile::writeFile(run::fileName(), newRuns)) {
        // The course file back as it was; should even that fail, the next
        // start completes the change from the intent file.
        if (!seqfile::writeFile(course::fileName(), courses.items))
            return QStringLiteral("Filen RUNDA_RE kunde inte sparas. Ändringen av banan görs klar när programmet "
                                  "startar nästa gång.");
        QFile::remove(intentFileName());
        return seqfile::writeFailedMessage(run::fileName());
    }
    QFile::remove(intentFileName());
    return QString();
}

QString removeCourse(const QString &line)
{
    const Locks locks;
    Current now = readBoth(locks);
    if (!now.failure.isEmpty())
        return now.failure;
    seqfile::ReadResult &courses = now.courses;
    const seqfile::ReadResult &runs = now.runs;
    const qsizetype at = courses.items.indexOf(line);
    if (at < 0)
        return goneMessage();
    const qsizetype count = runCount(runs.items, line);
    if (count > 0)
        return hasRunsMessage(count);
    courses.items.removeAt(at);
    return seqfile::writeFile(course::fileName(), courses.items) ? QString()
                                                                 : seqfile::writeFailedMessage(course::fileName());
}

QString intentFileName()
{
    return QStringLiteral("RUNDA_BA.andring");
}

QString damagedIntentMessage()
{
    return QStringLiteral("Filen RUNDA_BA.andring kunde inte läsas. En ändring av en bana kan vara ofullständig. "
                          "Kontrollera banorna.");
}

QString recover()
{
    // Nothing to do without the intent file or a temporary file of it, which
    // a program stopped while writing it leaves.
    if (!QFileInfo::exists(intentFileName()) && savedfile::leftovers(intentFileName()).isEmpty())
        return QString();
    const Locks locks;
    if (!locks.held())
        return locks.failure();
    bool damaged = false;
    const QString failure = finishLeftChange(&damaged);
    return damaged ? damagedIntentMessage() : failure;
}

} // namespace coursechange
