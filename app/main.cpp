#include "app/commandline.h"
#include "app/navigation.h"
#include "data/coursechange.h"
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
    // --version and --help need no display, and no window opens for them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const commandline::Outcome outcome = commandline::read(arguments);
    if (!outcome.startWindows) {
        std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
        return outcome.exitStatus;
    }

    if (!hasDisplay()) {
        std::fputs("Kvistra behöver en grafisk skärm: varken DISPLAY eller WAYLAND_DISPLAY är satt.\n", stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
#ifdef KVISTRA_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(KVISTRA_ID));
#endif
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
