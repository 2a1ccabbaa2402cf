#pragma once

class WindowRegistry;

// Tells the registry how to make and load each of the program's windows.
void registerWindows(WindowRegistry &windows);
