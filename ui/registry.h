#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

class Dialogs;
class QWidget;

// The program's windows: the five it began with, then the choice of what is
// registered, the run book of a course, the windows that correct a run or a
// course, the chart of a course and the training volume over every course.
enum class Window { Start, Menu, Regbana, Regrunda, Info, ChooseFields, RunBook, CorrectRun, CorrectCourse, Chart,
                    TrainingVolume };

// Holds at most one instance of each window. Windows navigate through it and
// never include one another: showing loads a window when it is not loaded,
// unloading destroys it with everything it holds.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    // Makes and loads a window; returns nullptr when the window refuses to
    // open (its load has already told the user why).
    using Factory = std::function<QWidget *(WindowRegistry &)>;

    explicit WindowRegistry(Dialogs &dialogs, QObject *parent = nullptr);
    ~WindowRegistry() override;

    Dialogs &dialogs() const { return m_dialogs; }

    void setFactory(Window id, Factory factory);

    // The course line the next window opened from the analysis window acts on.
    void setSubject(const QString &courseLine) { m_subject = courseLine; }
    const QString &subject() const { return m_subject; }

    // Tells the windows that show the files that a run or a course has been
    // stored, corrected or deleted. For a course corrected or deleted, its
    // line before and after (after empty: deleted); both empty otherwise.
    void tellFilesChanged(const QString &courseBefore = QString(), const QString &courseAfter = QString())
    {
        Q_EMIT filesChanged(courseBefore, courseAfter);
    }

    // Loads the window if needed and brings it to the front, modeless.
    // Returns the window, or nullptr when it did not open.
    QWidget *show(Window id);
    void unload(Window id);

    // The program ends when no window is left loaded, however the last one
    // went: closed by its frame, unloaded by a button or after a store, or
    // unloaded to show a window that then refuses to open. That is decided
    // once the event that unloaded it has been handled, since a handler may
    // unload its own window and then show another; a window still loading
    // (asking the first-run questions, say) counts as loaded.
    bool isLoaded(Window id) const;
    QWidget *window(Window id) const;

    // Ends the program at once: every window closes and no further handler
    // runs. Emits programEnded() once.
    void endProgram();
    bool hasEnded() const { return m_ended; }

Q_SIGNALS:
    void programEnded();
    void filesChanged(const QString &courseBefore, const QString &courseAfter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void forget(QWidget *widget);
    void endWhenNoneLoadedLater();
    void endIfNoneLoaded();

    Dialogs &m_dialogs;
    std::map<Window, Factory> m_factories;
    std::map<Window, QPointer<QWidget>> m_loaded;
    std::map<Window, bool> m_loading;
    bool m_ended = false;
    QString m_subject;
};
