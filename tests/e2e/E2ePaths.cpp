#include "E2ePaths.h"

#include <windows.h>

#ifndef DEZ_SOURCE_DIR
#error "DEZ_SOURCE_DIR must name the source tree"
#endif

std::wstring E2ePaths::WithSlash(const std::wstring& folder)
{
    if (folder.empty() || folder.back() == L'\\')
        return folder;
    return folder + L"\\";
}

std::wstring E2ePaths::FromUnixPath(const std::wstring& path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring out = L"Z:" + path;
    for (wchar_t& c : out)
        if (c == L'/')
            c = L'\\';
    return out;
}

std::wstring E2ePaths::BinDir()
{
    wchar_t self[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::wstring();
    std::wstring path(self, n);
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring E2ePaths::SourceDir()
{
    std::string narrow = DEZ_SOURCE_DIR;
    return WithSlash(FromUnixPath(std::wstring(narrow.begin(), narrow.end())));
}

std::wstring E2ePaths::DemoDiscDir()
{
    return SourceDir() + L"build\\demo-disc\\";
}

std::wstring E2ePaths::WindowsDir()
{
    wchar_t dir[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return L"C:\\windows\\";
    return WithSlash(std::wstring(dir, n));
}

std::wstring E2ePaths::ProgramLog()
{
    return WindowsDir() + L"Logs\\Ov_DIZ.log";
}

std::wstring E2ePaths::TempDir()
{
    wchar_t dir[MAX_PATH + 1] = {};
    DWORD n = GetTempPathW(MAX_PATH + 1, dir);
    if (n == 0 || n > MAX_PATH)
        return WindowsDir() + L"Temp\\";
    return WithSlash(std::wstring(dir, n));
}
