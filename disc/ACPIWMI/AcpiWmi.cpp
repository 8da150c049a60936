// ACPIWMI.dll: the disc's device-status library. The board's firmware
// answers are configured by the disc author in ACPIWMI.ini beside the
// library (see README.md); every call reads the file anew.
#include <windows.h>

#include <cstdint>
#include <string>

namespace {

HMODULE g_self = nullptr;
volatile LONG g_openCount = 0;

constexpr uint32_t kBoardStatusId = 0xA0000000u;
constexpr int kMissing = INT32_MIN;

std::wstring ConfigPath()
{
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD got = GetModuleFileNameW(g_self, path, MAX_PATH * 2);
    if (got == 0 || got >= MAX_PATH * 2)
        return std::wstring();
    std::wstring text(path, got);
    const size_t slash = text.find_last_of(L"\\/");
    text.erase(slash == std::wstring::npos ? 0 : slash + 1);
    return text + L"ACPIWMI.ini";
}

int ReadInt(const wchar_t* key, int def)
{
    const std::wstring path = ConfigPath();
    if (path.empty())
        return def;
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"ACPIWMI", key, L"", value, 64, path.c_str());
    if (value[0] == L'\0')
        return def;
    wchar_t* end = nullptr;
    const long long number = wcstoll(value, &end, 0);
    if (end == value)
        return def;
    return static_cast<int>(static_cast<int32_t>(number));
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_self = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

__declspec(dllexport) unsigned char __cdecl OvWMI_Open()
{
    if (ReadInt(L"OpenFails", 0) != 0)
        return 0;
    InterlockedIncrement(&g_openCount);
    return 1;
}

__declspec(dllexport) unsigned char __cdecl OvWMI_GetDeviceStatus(uint32_t deviceId, int32_t* status)
{
    if (!status || g_openCount <= 0)
        return 0;
    if (ReadInt(L"StatusFails", 0) != 0)
        return 0;
    if (deviceId != kBoardStatusId)
        return 0;
    const int value = ReadInt(L"BoardStatus", kMissing);
    if (value == kMissing)
        return 0;
    *status = value;
    return 1;
}

__declspec(dllexport) void __cdecl OvWMI_Close()
{
    if (g_openCount > 0)
        InterlockedDecrement(&g_openCount);
}

} // extern "C"
