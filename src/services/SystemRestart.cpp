#include "services/SystemRestart.h"

#include <windows.h>

#include <atomic>

namespace {
std::atomic<SystemRestart::Hook> g_hook{nullptr};
std::atomic<bool> g_requested{false};
}

bool SystemRestart::Requested()
{
    return g_requested.load();
}

SystemRestart::Hook SystemRestart::SetHook(Hook hook)
{
    return g_hook.exchange(hook);
}

bool SystemRestart::SetShutdownPrivilege(bool enable)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    bool ok = LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid) != 0;
    if (ok) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
        // AdjustTokenPrivileges succeeds without assigning; the last error tells.
        ok = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) != 0 &&
             GetLastError() == ERROR_SUCCESS;
    }
    CloseHandle(token);
    return ok;
}

void SystemRestart::RestartWindows()
{
    g_requested = true;
    if (Hook hook = g_hook.load()) {
        hook();
        return;
    }
    if (SetShutdownPrivilege(true))
        ExitWindowsEx(EWX_REBOOT | EWX_FORCE, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED);
    SetShutdownPrivilege(false);
}
