#pragma once

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

enum class Outcome {
    Saved,       // the file holds the same records in date order
    NoRunFile,   // nothing to order, and no file is made
    ReadFailed,  // the file exists but could not be read; it is as it was
    WriteFailed, // the file is as it was
};

// Reads the run file, orders it and writes it back.
Outcome saveRunsInDateOrder();

} // namespace saveandexit
