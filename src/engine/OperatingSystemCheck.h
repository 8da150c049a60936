#pragma once
#include <string>

// Runs the disc's pre-check "OvSetup.exe" beside the program with the
// parameters and waits for it. Exit code 0 means the system is not
// supported: then MSG_QUIT_APP is sent to the main window (when there is
// one) and false returned. A missing program lets the start go on. Once
// stopEvent (optional) is set the wait ends and true is returned: the
// check is left to end on its own.
bool CheckOperatingSystem(const std::wstring& parameters, struct HWND__* mainWindow, void* stopEvent = nullptr);
