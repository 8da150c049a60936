#include "app/DllSearchPolicy.h"

namespace {

// Not declared for older targets; looked up at run time because Windows 7
// without update KB2533623 lacks them.
constexpr DWORD kSearchSystem32 = 0x00000800;
constexpr DWORD kSearchUserDirs = 0x00000400;
constexpr DWORD kSafeSearchMode = 0x00000001;
constexpr DWORD kSearchPermanent = 0x00008000;

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
using SetSearchPathModeFn = BOOL(WINAPI*)(DWORD);

FARPROC Kernel32Proc(const char* name)
{
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel ? ::GetProcAddress(kernel, name) : nullptr;
}

} // namespace

bool DllSearchPolicy::Restrict()
{
    bool safe = false;
    if (auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
            reinterpret_cast<void*>(Kernel32Proc("SetDefaultDllDirectories"))))
        safe = setDefault(kSearchSystem32 | kSearchUserDirs) != FALSE;
    // Without the call above this at least takes the current directory out.
    bool noCurrentDir = ::SetDllDirectoryW(L"") != FALSE;
    if (auto setMode = reinterpret_cast<SetSearchPathModeFn>(
            reinterpret_cast<void*>(Kernel32Proc("SetSearchPathMode"))))
        setMode(kSafeSearchMode | kSearchPermanent);
    return safe || noCurrentDir;
}
