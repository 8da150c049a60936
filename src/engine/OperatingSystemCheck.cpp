#include "engine/OperatingSystemCheck.h"

#include <windows.h>
#include <shellapi.h>

#include "probes/ExeFolder.h"
#include "ui/WindowMessages.h"

bool CheckOperatingSystem(const std::wstring& parameters, HWND mainWindow)
{
    const std::wstring program = ExeFolder() + L"OvSetup.exe";
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        OutputDebugStringW(L"Can not find file: OvSetup.exe");
        return true;
    }
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    // A check that cannot run says nothing against the system.
    if (!ShellExecuteExW(&info) || !info.hProcess)
        return true;
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    const bool read = GetExitCodeProcess(info.hProcess, &code) != FALSE;
    CloseHandle(info.hProcess);
    if (!read || code != 0)
        return true;
    OutputDebugStringW(L"Not Support OS");
    if (mainWindow)
        SendMessageW(mainWindow, MSG_QUIT_APP, 0, 0);
    return false;
}
