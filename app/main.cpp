#include "app/navigation.h"
#include "registration/coursechange.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long explanation; say it in one line.
bool hasDisplay()
{
#if defined(Q_OS_LINUX)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fputs("Kvistra behöver en grafisk skärm: varken DISPLAY eller WAYLAND_DISPLAY är satt.\n", stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    // The registry ends the program, also when the last window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    form::useProgramFonts();
    useSwedishQtTexts();

    QtDialogs dialogs;
    WindowRegistry windows(dialogs);
    registerWindows(windows);
    QObject::connect(&windows, &WindowRegistry::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // A course correction that a stopped program left half done is
    // completed, or dropped, before anything reads the files.
    const QString unrecovered = coursechange::recover();
    if (!unrecovered.isEmpty())
        dialogs.message(nullptr, unrecovered);

    windows.show(Window::Start);
    return app.exec();
}
