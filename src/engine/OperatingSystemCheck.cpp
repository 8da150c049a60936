#include "engine/OperatingSystemCheck.h"

#include <windows.h>

#include "probes/ExeFolder.h"
#include "services/ProgramLaunch.h"
#include "ui/WindowMessages.h"

bool CheckOperatingSystem(const std::wstring& parameters, HWND mainWindow, HANDLE stopEvent)
{
    const std::wstring program = ExeFolder() + L"OvSetup.exe";
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        OutputDebugStringW(L"Can not find file: OvSetup.exe");
        return true;
    }
    // A check that cannot run says nothing against the system.
    const ProgramLaunch::Result launch = ProgramLaunch::Start(program, parameters, std::wstring(), true);
    if (!launch.started || !launch.process) {
        OutputDebugStringW((L"OvSetup.exe could not be started: " + ProgramLaunch::ErrorText(launch.error, program)).c_str());
        return true;
    }
    HANDLE process = static_cast<HANDLE>(launch.process);
    HANDLE waits[] = {process, stopEvent};
    const DWORD waited = WaitForMultipleObjects(stopEvent ? 2 : 1, waits, FALSE, INFINITE);
    if (waited != WAIT_OBJECT_0) {
        // Asked to stop (or the wait failed): the user is not kept waiting for it.
        OutputDebugStringW(L"OvSetup.exe is left to end on its own");
        CloseHandle(process);
        return true;
    }
    DWORD code = 1;
    const bool read = GetExitCodeProcess(process, &code) != FALSE;
    CloseHandle(process);
    if (!read || code != 0)
        return true;
    OutputDebugStringW(L"Not Support OS");
    if (mainWindow)
        SendMessageW(mainWindow, MSG_QUIT_APP, 0, 0);
    return false;
}
