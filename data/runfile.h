#pragma once

#include "data/seqfile.h"

#include <QString>
#include <QStringList>

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
bool store(const QStringList &records);

// Field 0 of a record, its course name: the text before the first "/", or
// the whole record when it holds none.
QStringView courseName(QStringView record);

// Fields 0 to fieldCount-1 of a record, cut at every "/". A record with fewer
// fields gives empty texts for the missing ones; fields past the last wanted
// one are left out.
QStringList split(QStringView record, int fieldCount);

} // namespace run
