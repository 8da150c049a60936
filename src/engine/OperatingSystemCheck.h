#pragma once
#include <string>

// Runs the disc's pre-check "OvSetup.exe" beside the program with the
// parameters and waits for it. Exit code 0 means the system is not
// supported: then MSG_QUIT_APP is sent to the main window (when there is
// one) and false returned. A missing program lets the start go on.
bool CheckOperatingSystem(const std::wstring& parameters, struct HWND__* mainWindow);
