#include "ui/registry.h"

#include <QCloseEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

WindowRegistry::WindowRegistry(Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
{
}

WindowRegistry::~WindowRegistry()
{
    // Taken out first: deleting a window reaches forget().
    const auto loaded = std::exchange(m_loaded, {});
    for (const auto &[id, widget] : loaded) {
        if (widget) {
            widget->removeEventFilter(this);
            delete widget.data();
        }
    }
}

void WindowRegistry::setFactory(Window id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

QWidget *WindowRegistry::show(Window id)
{
    if (m_ended || m_loading[id])
        return nullptr;
    QWidget *widget = window(id);
    if (!widget) {
        const auto factory = m_factories.find(id);
        if (factory == m_factories.end() || !factory->second)
            return nullptr;
        m_loading[id] = true;
        widget = factory->second(*this);
        m_loading[id] = false;
        if (!widget) {
            // Its message, in a loop of its own, may have found the asking
            // window unloaded and this one still loading.
            endWhenNoneLoadedLater();
            return nullptr;
        }
        if (m_ended) {
            // The window's load ended the program.
            widget->deleteLater();
            return nullptr;
        }
        m_loaded[id] = widget;
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this, widget] { forget(widget); });
    }
    widget->show();
    widget->raise();
    widget->activateWindow();
    return widget;
}

void WindowRegistry::unload(Window id)
{
    const auto it = m_loaded.find(id);
    if (it == m_loaded.end())
        return;
    QPointer<QWidget> widget = it->second;
    m_loaded.erase(it);
    if (widget) {
        widget->removeEventFilter(this);
        widget->hide();
        // Deferred, since the window's own handler may be the caller.
        widget->deleteLater();
    }
    endWhenNoneLoadedLater();
}

bool WindowRegistry::isLoaded(Window id) const
{
    return window(id) != nullptr;
}

QWidget *WindowRegistry::window(Window id) const
{
    const auto it = m_loaded.find(id);
    return it == m_loaded.end() ? nullptr : it->second.data();
}

void WindowRegistry::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    const auto loaded = std::exchange(m_loaded, {});
    for (auto &[id, widget] : loaded) {
        if (widget) {
            widget->removeEventFilter(this);
            widget->hide();
            widget->deleteLater();
        }
    }
    Q_EMIT programEnded();
}

bool WindowRegistry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && !m_ended) {
        // Closed by its frame: that window is unloaded.
        for (const auto &[id, widget] : m_loaded) {
            if (widget == watched) {
                unload(id);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowRegistry::forget(QWidget *widget)
{
    for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
        if (it->second == widget || it->second.isNull()) {
            m_loaded.erase(it);
            return;
        }
    }
}

void WindowRegistry::endWhenNoneLoadedLater()
{
    QMetaObject::invokeMethod(this, &WindowRegistry::endIfNoneLoaded, Qt::QueuedConnection);
}

void WindowRegistry::endIfNoneLoaded()
{
    // A window still loading (asking its first-run questions, say) counts as
    // loaded.
    const bool loading =
        std::any_of(m_loading.begin(), m_loading.end(), [](const auto &entry) { return entry.second; });
    if (m_loaded.empty() && !loading)
        endProgram();
}
