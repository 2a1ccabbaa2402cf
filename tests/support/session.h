#pragma once

#include "app/navigation.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "ui/registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

// The program's windows, answering to scripted boxes, in a working folder of
// their own. The windows go first, the folder last.
struct Session
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    WindowRegistry windows{dialogs};

    Session() { registerWindows(windows); }

    // Chooses a menu command, or clicks a button, of a loaded window.
    void trigger(Window window, const QString &control)
    {
        QWidget *widget = windows.window(window);
        QVERIFY(widget);
        if (auto *action = widget->findChild<QAction *>(control))
            return action->trigger();
        auto *button = widget->findChild<QAbstractButton *>(control);
        QVERIFY2(button, qPrintable(control));
        QTest::mouseClick(button, Qt::LeftButton);
    }
};
