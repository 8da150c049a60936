// The resume loader: run by the scheduled task after a restart, it shows a
// picture and starts the program named in "Ovcd_Load.ini" beside itself.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "Loading/LoaderWindow.h"

namespace {

constexpr int kExitStarted = 0;
constexpr int kExitNoDescription = 1;
constexpr int kExitStartFailed = 2;
constexpr DWORD kDefaultSeconds = 180;
constexpr DWORD kMaxSeconds = 3600;

std::wstring ProgramFolder()
{
    std::wstring path(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring ReadLoad(const std::wstring& ini, const wchar_t* key)
{
    wchar_t buffer[1024];
    GetPrivateProfileStringW(L"Load", key, L"", buffer, 1024, ini.c_str());
    return buffer;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring ini = ProgramFolder() + L"Ovcd_Load.ini";
    const std::wstring path = ReadLoad(ini, L"Path");
    const std::wstring param = ReadLoad(ini, L"Param");
    std::wstring images = ReadLoad(ini, L"ImgPath");
    if (path.empty())
        return kExitNoDescription;
    if (!images.empty() && images.back() != L'\\' && images.back() != L'/')
        images += L'\\';
    UINT seconds = GetPrivateProfileIntW(L"Load", L"CloseAfterSeconds", kDefaultSeconds, ini.c_str());
    if (seconds == 0 || seconds > kMaxSeconds)
        seconds = kDefaultSeconds;

    // The window exists before the program starts, so that the program finds it.
    LoaderWindow window(images.empty() ? std::wstring() : images + L"Loading.png");
    window.Create();

    const size_t sep = path.find_last_of(L"\\/");
    const std::wstring folder = sep == std::wstring::npos ? std::wstring() : path.substr(0, sep);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = path.c_str();
    info.lpParameters = param.empty() ? nullptr : param.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info))
        return kExitStartFailed;

    window.Run(info.hProcess, seconds * 1000);
    if (info.hProcess != nullptr)
        CloseHandle(info.hProcess);
    return kExitStarted;
}
