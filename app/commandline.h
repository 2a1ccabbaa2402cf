#pragma once

#include <QString>
#include <QStringList>

// What the program's arguments ask for, decided before any window or
// display is needed: start the windows, or print a text and end.
namespace commandline {

struct Outcome {
    bool startWindows = true;
    int exitStatus = 0; // when the windows are not started
    QString standardOutput;
    QString standardError;
};

// The arguments as the program got them, its own name first. No arguments
// start the windows; --version and --help print and end with status 0;
// anything else is told as unknown and ends with status 2.
Outcome read(const QStringList &arguments);

} // namespace commandline
