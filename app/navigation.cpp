#include "app/navigation.h"

#include "progress/chart.h"
#include "progress/trainingvolume.h"
#include "analysis/menu.h"
#include "runbook/runbook.h"
#include "app/info.h"
#include "app/start.h"
#include "registration/choosefields.h"
#include "registration/correctcourse.h"
#include "registration/correctrun.h"
#include "registration/regbana.h"
#include "registration/regrunda.h"
#include "ui/registry.h"

namespace {

// A window that loads nothing.
template<typename W>
QWidget *make(WindowRegistry &windows)
{
    return new W(windows);
}

// A window whose load may refuse to open it.
template<typename W>
QWidget *makeLoaded(WindowRegistry &windows)
{
    auto *window = new W(windows);
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    return window;
}

// A window opened on the course the registry holds as its subject; it
// remembers which, so that a window for another course can take its place.
QWidget *onSubject(QWidget *window, WindowRegistry &windows)
{
    window->setProperty("subject", windows.subject());
    return window;
}

QWidget *makeRunBook(WindowRegistry &windows)
{
    auto *window = new RunBook(windows, windows.subject());
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    return onSubject(window, windows);
}

// The run chosen in the run book.
QWidget *makeCorrectRun(WindowRegistry &windows)
{
    const auto *book = qobject_cast<RunBook *>(windows.window(Window::RunBook));
    const std::optional<run::Occurrence> run = book ? book->chosenRun() : std::nullopt;
    return run ? onSubject(new CorrectRun(windows, windows.subject(), *run), windows) : nullptr;
}

QWidget *makeCorrectCourse(WindowRegistry &windows)
{
    return onSubject(new CorrectCourse(windows, windows.subject()), windows);
}

} // namespace

void registerWindows(WindowRegistry &windows)
{
    windows.setFactory(Window::Start, make<Start>);
    windows.setFactory(Window::Info, make<Info>);
    windows.setFactory(Window::Menu, makeLoaded<Menu>);
    windows.setFactory(Window::Regbana, makeLoaded<Regbana>);
    windows.setFactory(Window::Regrunda, makeLoaded<Regrunda>);
    windows.setFactory(Window::ChooseFields, make<ChooseFields>);
    windows.setFactory(Window::RunBook, makeRunBook);
    windows.setFactory(Window::CorrectRun, makeCorrectRun);
    windows.setFactory(Window::CorrectCourse, makeCorrectCourse);
    windows.setFactory(Window::Chart, [](WindowRegistry &registry) -> QWidget * {
        auto *chart = new Chart(registry, registry.subject());
        if (!chart->Form_Load()) {
            delete chart;
            return nullptr;
        }
        return chart;
    });
    windows.setFactory(Window::TrainingVolume, [](WindowRegistry &registry) -> QWidget * {
        auto *volume = new TrainingVolume(registry);
        if (!volume->load()) {
            delete volume;
            return nullptr;
        }
        return volume;
    });
}
