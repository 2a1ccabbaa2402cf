#pragma once

#include "data/dateandtime.h"
#include "data/seqfile.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <optional>

// The run file: one run record per item. A record is its course's whole
// course line followed by the run's own fields, all joined by "/":
//   0 name, 1 count, 2 distance, 3 pace ("T" or "M"), 4 date, 5 note,
//   6 temperature, 7 weight, 8 to 7+n the n times (7+n the final time).
namespace run {

QString fileName();

// The runs in file order, as read.
struct Table
{
    seqfile::ReadStatus status = seqfile::ReadStatus::Missing;
    QStringList records;
};

Table load();

// Adds a run record on the course with that course line after the records
// the run file holds at this moment, runs another copy of the program stored
// since it was last read included. Stored only while the course file holds
// the course line: its lock is taken first (as everywhere), the line looked
// for under it, and held until the run file is written. Returns the message
// to show: courseGoneMessage() when the line is gone, or why a file could not
// be read or changed; empty when the run was stored.
QString append(const QString &courseLine, const QString &record);

// Which run of the file: its record text, and which of the records equal to
// it it is, counted from 0 in file order. Equal records are the same run
// typed twice; correcting or removing one leaves the others where they are.
struct Occurrence
{
    QString record;
    int index = 0;
};

// The position of that occurrence among the records; -1 when they no
// longer hold it.
qsizetype find(const QStringList &records, const Occurrence &run);

// Puts the new record in the place of that occurrence, or takes it out, in
// the run file as it is at this moment, under its lock; every other record
// stays as it was, in its place. Refused, the file unchanged, when the file
// no longer holds that occurrence (goneMessage() tells it). A new record is
// put in as append() adds one, only on a course line the course file holds;
// it returns the message to show, empty when the run was stored.
QString replace(const QString &courseLine, const Occurrence &run, const QString &newRecord);
seqfile::StoreStatus remove(const Occurrence &run);

// "Rundan finns inte längre i filen RUNDA_RE. Inget har ändrats i filen."
QString goneMessage();
// "Banan finns inte längre i filen RUNDA_BA. Rundan har inte sparats."
QString courseGoneMessage();

// What the user is told of a change of the run file that did not store:
// goneMessage() when it was refused, the file's message otherwise; empty
// when it stored.
QString storeMessage(seqfile::StoreStatus status);

// The seconds per kilometre of a final time over a course distance, when
// the time reads as one and the distance is known.
std::optional<qint64> paceSeconds(QStringView finalTime, QStringView distance);

// That pace as shown, "4.55"; empty when there is none.
QString paceText(QStringView finalTime, QStringView distance);

// Field 0 of a record, its course name: the text before the first "/", or
// the whole record when it holds none.
QStringView courseName(QStringView record);

// Where field f of a record starts: just past its f-th "/", or past its end
// when it has fewer.
qsizetype fieldStart(QStringView record, qsizetype f);

// Field f of a whole record, cut at every "/"; empty for a field it does
// not hold.
QStringView field(QStringView record, qsizetype f);

// Fields 0 to fieldCount-1 of a record (at most 18, the fields of a course
// with 10 timed points), cut at every "/" without being copied: the record
// is shared, and each field is a view into it. A record with fewer fields
// gives empty texts for the missing ones; fields past the last wanted one
// are left out.
class Fields
{
public:
    static constexpr int maxCount = 18;

    Fields() = default;
    Fields(const QString &record, int fieldCount);

    qsizetype size() const { return m_count; }
    // The whole record the fields are cut from.
    const QString &record() const { return m_record; }
    // Field f; empty for a field not held.
    QStringView at(qsizetype f) const
    {
        if (f < 0 || f >= m_count || m_start[f] > m_record.size())
            return QStringView();
        return QStringView(m_record).sliced(m_start[f], m_start[f + 1] - 1 - m_start[f]);
    }

private:
    QString m_record;
    int m_count = 0;
    // Field f runs from m_start[f] up to the "/" before m_start[f + 1].
    std::array<qsizetype, maxCount + 1> m_start{};
};

// A run as a course click takes it: a view of its record, which must
// outlive it, and the parts of its date, read once while the record is at
// hand.
struct RecordView
{
    QStringView record;
    dateandtime::DateParts dateParts;
};

// Field f of a run's fields, whichever way they are held; empty for a field
// not held.
inline QStringView field(const Fields &fields, qsizetype f)
{
    return fields.at(f);
}
inline QStringView field(const QStringList &fields, qsizetype f)
{
    return f >= 0 && f < fields.size() ? QStringView(fields.at(f)) : QStringView();
}
inline QStringView field(const RecordView &run, qsizetype f)
{
    return field(run.record, f);
}

// The parts of a run's date, field 4.
template<typename Run>
dateandtime::DateParts dateParts(const Run &run)
{
    return dateandtime::dateParts(field(run, 4));
}
inline dateandtime::DateParts dateParts(const RecordView &run)
{
    return run.dateParts;
}

} // namespace run

Q_DECLARE_TYPEINFO(run::Fields, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(run::RecordView, Q_PRIMITIVE_TYPE);
