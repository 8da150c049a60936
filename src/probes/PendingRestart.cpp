#include "probes/PendingRestart.h"

#include <windows.h>

#include "probes/PendingRenameRule.h"
#include "services/FsRedirectionSwitch.h"

namespace {

// The 64-bit view: a 32-bit program on 64-bit Windows would otherwise read
// the redirected SOFTWARE branch, where the system never sets these keys.
constexpr REGSAM kRead = KEY_READ | KEY_WOW64_64KEY;
// A rename list longer than this is not one the system keeps.
constexpr DWORD kMaxRenameBytes = 4u << 20;

} // namespace

bool PendingRestart::KeyExists(const wchar_t* subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, kRead, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::wstring PendingRestart::LiveRenameSource()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManagerKey, 0, kRead, &key) != ERROR_SUCCESS)
        return std::wstring();
    DWORD type = 0;
    DWORD bytes = 0;
    std::vector<wchar_t> data;
    LONG status = RegQueryValueExW(key, kRenameValue, nullptr, &type, nullptr, &bytes);
    // The value may grow between the two calls: ask again with its new size.
    while (status == ERROR_SUCCESS && type == REG_MULTI_SZ && bytes > 0 && bytes <= kMaxRenameBytes) {
        data.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = bytes;
        status = RegQueryValueExW(key, kRenameValue, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_MORE_DATA) {
            bytes = got;
            status = ERROR_SUCCESS;
            continue;
        }
        data.resize(status == ERROR_SUCCESS ? got / sizeof(wchar_t) : 0);
        break;
    }
    RegCloseKey(key);
    if (type != REG_MULTI_SZ || data.empty())
        return std::wstring();
    // Sources in the system folder are the 64-bit system's files.
    FsRedirectionSwitch redirection;
    redirection.TurnOff();
    const std::wstring live = PendingRenameRule::FirstLiveSource(
        PendingRenameRule::SplitMultiString(data.data(), data.size()),
        [](const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
    redirection.Restore();
    return live;
}

std::vector<std::wstring> PendingRestart::Signals()
{
    std::vector<std::wstring> signals;
    if (KeyExists(kServicingKey))
        signals.emplace_back(L"RebootPending");
    if (KeyExists(kUpdateKey))
        signals.emplace_back(L"RebootRequired");
    if (!LiveRenameSource().empty())
        signals.emplace_back(kRenameValue);
    return signals;
}

std::wstring PendingRestart::Describe(const std::vector<std::wstring>& signals)
{
    std::wstring text;
    for (const std::wstring& signal : signals)
        text += (text.empty() ? L"" : L", ") + signal;
    return text;
}
