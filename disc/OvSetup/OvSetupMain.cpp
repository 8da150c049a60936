// The disc's pre-check: decides from the Windows version whether the disc
// supports this system (exit code 0: it does not) and prepares the catalogue
// "Ovcd_tmp.ini" in the Windows directory from the disc's catalogue source.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "OvSetup/OsRule.h"
#include "services/IniScrambler.h"

namespace {

constexpr int kExitUnsupported = 0;
constexpr int kExitReady = 1;
constexpr int kExitNoCatalog = 2;
constexpr DWORD kMaxCatalogBytes = 16u * 1024 * 1024;
const wchar_t kAbsent[] = L"\x01";

std::wstring ProgramFolder()
{
    std::wstring path(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring Read(const std::wstring& ini, const wchar_t* section, const wchar_t* key, const wchar_t* def)
{
    wchar_t buffer[1024];
    GetPrivateProfileStringW(section, key, def, buffer, 1024, ini.c_str());
    return buffer;
}

bool HasRecoverySwitch()
{
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    bool found = false;
    for (int i = 1; argv != nullptr && i < count; ++i)
        if ((argv[i][0] == L'-' || argv[i][0] == L'/') && _wcsicmp(argv[i] + 1, L"RECOVERY") == 0)
            found = true;
    if (argv != nullptr)
        LocalFree(argv);
    return found;
}

// The real version: GetVersionEx answers what the manifest allows.
OsRule::Version WindowsVersion()
{
    OsRule::Version v;
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll == nullptr ? nullptr
                                          : reinterpret_cast<RtlGetVersionFn>(
                                                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion != nullptr && rtlGetVersion(&info) == 0) {
        v.major = info.dwMajorVersion;
        v.minor = info.dwMinorVersion;
        v.build = info.dwBuildNumber;
    }
    return v;
}

bool Is64BitWindows()
{
#ifdef _WIN64
    return true;
#else
    BOOL wow = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow) && wow;
#endif
}

bool ReadWhole(const std::wstring& path, std::vector<uint8_t>& out)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kMaxCatalogBytes;
    if (ok) {
        out.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = out.empty() || (ReadFile(file, out.data(), static_cast<DWORD>(out.size()), &got, nullptr) &&
                             got == out.size());
    }
    CloseHandle(file);
    return ok;
}

// Written beside the target and moved over it, so a reader never sees half a file.
bool WriteReplacing(const std::wstring& target, const std::vector<uint8_t>& bytes)
{
    const std::wstring temp = target + L".new";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
    ok = CloseHandle(file) && ok;
    if (ok)
        ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!ok)
        DeleteFileW(temp.c_str());
    return ok;
}

std::wstring WindowsFolder()
{
    wchar_t dir[MAX_PATH];
    UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
    return (n > 0 && n < MAX_PATH) ? std::wstring(dir, n) : std::wstring(L"C:\\Windows");
}

bool PrepareCatalog(const std::wstring& source, const std::wstring& target)
{
    std::vector<uint8_t> bytes;
    if (!ReadWhole(source, bytes))
        return false;
    if (IniScrambler::IsScrambled(bytes.data(), bytes.size())) {
        std::vector<uint8_t> plain;
        if (!IniScrambler::Unscramble(bytes.data(), bytes.size(), plain))
            return false;
        bytes.swap(plain);
    }
    return WriteReplacing(target, bytes);
}

void Trace(const std::wstring& text)
{
    OutputDebugStringW((L"OvSetup: " + text + L"\n").c_str());
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring folder = ProgramFolder();
    const std::wstring ini = folder + L"OvSetup.ini";
    const bool recovery = HasRecoverySwitch();

    OsRule rule;
    if (!rule.Parse(Read(ini, L"OS", L"Supported", L""), Read(ini, L"OS", L"Excluded", L""),
                    Read(ini, L"OS", L"Architecture", L"")))
        Trace(L"unreadable rule entry " + rule.Problem());
    const OsRule::Version version = WindowsVersion();
    const bool is64 = Is64BitWindows();
    wchar_t line[96];
    swprintf(line, 96, L"Windows %u.%u.%u %ls", version.major, version.minor, version.build, is64 ? L"64-bit" : L"32-bit");
    if (!rule.IsSupported(version, is64)) {
        Trace(std::wstring(line) + L": not supported");
        std::wstring message = Read(ini, L"Message", L"Unsupported", kAbsent);
        if (message == kAbsent)
            message = L"This version of Windows is not supported by this disc.";
        if (!recovery && !message.empty())
            MessageBoxW(nullptr, message.c_str(), L"Setup", MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
        return kExitUnsupported;
    }
    Trace(std::wstring(line) + L": supported");

    std::wstring source = Read(ini, L"Catalog", L"Source", L"Ovcd.ini");
    const bool absolute = (source.size() > 2 && source[1] == L':') || source.compare(0, 2, L"\\\\") == 0;
    if (!absolute)
        source = folder + source;
    const std::wstring target = WindowsFolder() + L"\\Ovcd_tmp.ini";
    if (!PrepareCatalog(source, target)) {
        // A catalogue left from another disc must not stand in for this one.
        DeleteFileW(target.c_str());
        Trace(L"catalogue " + source + L" could not be prepared");
        return kExitNoCatalog;
    }
    return kExitReady;
}
