#pragma once

class Dialogs;
class QWidget;

// The first start: with no course file, the runner is asked for a first
// course, one question at a time; each wrong answer is told and its question
// asked again. Adds that course to the course file, which it creates, and
// returns true when the course file is then there to be listed; false,
// after telling the user, when the file could not be changed.
bool registerFirstCourse(Dialogs &dialogs, QWidget *parent);
