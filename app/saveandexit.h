#pragma once

#include "data/seqfile.h"

#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

// "Spara och Avsluta": the run file rewritten in date order, youngest first,
// before the program ends.
namespace saveandexit {

// The date of a whole run record: the 11 characters after its fourth "/"
// (fewer where the record ends sooner); empty when it has fewer than four.
QStringView dateText(QStringView record);

// The order save and exit gives count records, record(k) giving the k-th:
// element k is the position of the record that goes k-th.
std::vector<qsizetype> dateOrder(qsizetype count, const std::function<QStringView(qsizetype)> &record);

// Orders whole records of every course as "Yngsta datum" orders one course's
// runs, by the same passes, in dateOrder's order; each record is left as it
// is.
void orderByDate(QStringList &records);

// Reads the run file, orders it and writes it back, each record byte for
// byte as it stood, holding the run file's lock from the read to the write
// so that no run stored meanwhile by another copy of the program is lost.
// Refused when there is no run file: there is nothing to order, and no file
// is made.
seqfile::StoreStatus saveRunsInDateOrder();

} // namespace saveandexit
