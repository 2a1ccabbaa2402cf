#include "app/navigation.h"

#include "analysis/chart.h"
#include "analysis/menu.h"
#include "app/info.h"
#include "app/start.h"
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

} // namespace

void registerWindows(WindowRegistry &windows)
{
    windows.setFactory(Window::Start, make<Start>);
    windows.setFactory(Window::Info, make<Info>);
    windows.setFactory(Window::Menu, makeLoaded<Menu>);
    windows.setFactory(Window::Regbana, makeLoaded<Regbana>);
    windows.setFactory(Window::Regrunda, makeLoaded<Regrunda>);
    windows.setFactory(Window::Chart, [](WindowRegistry &registry) -> QWidget * {
        auto *chart = new Chart(registry, registry.subject());
        if (!chart->Form_Load()) {
            delete chart;
            return nullptr;
        }
        return chart;
    });
}
