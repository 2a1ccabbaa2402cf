#pragma once

#include "registration/fieldchoice.h"

#include <QString>
#include <QStringList>

// The checks of a new run and the record built from it, for the run
// registration window.
namespace runcheck {

// No field at all.
inline constexpr fieldchoice::Chosen nothing{false, false, false};

// The texts of the window's boxes, as typed.
struct Entry
{
    QString pace;        // 1:a registration box: "T" or "M"
    QString date;        // 2:a: "02-feb-2001"
    QString information; // 3:e: free text
    QString temperature; // 4:e: "+20"
    QString weight;      // 5:e: "79.0"
    QStringList times;   // time box 1 to n: "00.10.15"
};

// Tests the boxes in their order, the time boxes 1 to n last, and returns
// the messages of the first test that fails, in the order they are shown
// (one or two), or nothing when every box passes. n is the course's number
// of timed points; 0 for a count that is not a whole number from 1 to 10,
// which refuses the run once the five boxes have passed.
//
// Every box whose text goes into the record refuses, as its last test, a
// "/" (it would shift every later field of the record), a double quote (it
// would cut the record when the file is read) and a character the run file
// cannot store.
//
// A field the runner has chosen not to register is not tested, nor is one
// of mayStayEmpty left empty (a correction's field that the run holds empty:
// see heldEmpty); whatever is typed into a field is tested.
QStringList check(const Entry &entry, int n, const fieldchoice::Chosen &chosen = {},
                  const fieldchoice::Chosen &mayStayEmpty = nothing);

// The check of a run on the course with this course line, for a new run and
// for a corrected one alike: check() with the course's number of timed
// points, and then, when every box has passed, the course line itself: one
// that holds a double quote (only a hand-edited course file has one) cannot
// stand in a record that reads back whole, so the run is refused with
// quotedCourseMessage(). A field not chosen is not tested.
QStringList checkRun(const QString &courseLine, const Entry &entry, const fieldchoice::Chosen &chosen = {},
                     const fieldchoice::Chosen &mayStayEmpty = nothing);

// "Banans namn innehåller tecknet \" och rundan kan inte sparas. Ändra banans namn först."
QString quotedCourseMessage();

// The boxes of a stored run, to correct it: fields 3 to 7 of the record and
// its n times (fields 8 to 7+n), missing fields empty.
Entry entryOf(const QString &record, int n);

// The fields a correction of a stored run shows, checks and stores: those
// chosen, and any the run already holds even when no longer chosen, so that a
// correction never drops what was registered.
fieldchoice::Chosen correctionChoice(const Entry &stored, const fieldchoice::Chosen &chosen);

// The fields of a stored run that it holds empty: a correction may leave
// them so (a run stored while they were left out).
fieldchoice::Chosen heldEmpty(const Entry &stored);

// The caption over the time boxes of a course with n timed points; empty
// unless n is 1 to 10.
QString timePrompt(int n);

// The run record: the course line, then the boxes and the n times exactly as
// typed, joined by "/". A field not chosen is stored empty, in its place.
QString makeRecord(const QString &courseLine, const Entry &entry, const fieldchoice::Chosen &chosen = {});

} // namespace runcheck
