#pragma once

class Dialogs;
class QWidget;

// The first start: with no course file, the runner is asked for a first
// course, one question at a time; each wrong answer is told and its question
// asked again. Writes the course file with that one course and returns true;
// returns false, after telling the user, when the file could not be written.
bool registerFirstCourse(Dialogs &dialogs, QWidget *parent);
