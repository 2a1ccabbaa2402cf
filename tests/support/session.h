#pragma once

#include "app/navigation.h"
#include "support/scripteddialogs.h"
#include "support/testfolder.h"
#include "ui/registry.h"

// The program's windows, answering to scripted boxes, in a working folder of
// their own. The windows go first, the folder last.
struct Session
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    WindowRegistry windows{dialogs};

    Session() { registerWindows(windows); }
};
