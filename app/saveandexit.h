#pragma once

#include "data/seqfile.h"

#include <QStringList>
#include <QStringView>

// "Spara och Avsluta": the run file rewritten in date order, youngest first,
// before the program ends.
namespace saveandexit {

// The date of a whole run record: the 11 characters after its fourth "/"
// (fewer where the record ends sooner); empty when it has fewer than four.
QStringView dateText(QStringView record);

// Orders whole records of every course as "Yngsta datum" orders one course's
// runs, by the same passes; each record is left as it is.
void orderByDate(QStringList &records);

// Reads the run file, orders it and writes it back, holding the run file's
// lock from the read to the write so that no run stored meanwhile by
// another copy of the program is lost. Refused when there is no run file:
// there is nothing to order, and no file is made.
seqfile::StoreStatus saveRunsInDateOrder();

} // namespace saveandexit
