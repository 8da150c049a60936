#include "services/FsRedirectionSwitch.h"

#include <windows.h>

namespace {

using DisableFn = BOOL(WINAPI*)(PVOID*);
using RevertFn = BOOL(WINAPI*)(PVOID);

FARPROC Kernel32Function(const char* name)
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? GetProcAddress(kernel, name) : nullptr;
}

} // namespace

bool FsRedirectionSwitch::TurnOff()
{
    if (m_off)
        return true;
    auto disable = reinterpret_cast<DisableFn>(
        reinterpret_cast<void*>(Kernel32Function("Wow64DisableWow64FsRedirection")));
    if (!disable)
        return false;
    PVOID old = nullptr;
    if (!disable(&old))
        return false;
    m_oldValue = old;
    m_off = true;
    return true;
}

void FsRedirectionSwitch::Restore()
{
    if (!m_off)
        return;
    auto revert = reinterpret_cast<RevertFn>(
        reinterpret_cast<void*>(Kernel32Function("Wow64RevertWow64FsRedirection")));
    if (revert)
        revert(m_oldValue);
    m_off = false;
    m_oldValue = nullptr;
}
