#pragma once
#include <windows.h>

#include <string>

#include "TestPaths.h"

// Small file helpers shared by the tests under Wine.
namespace testfiles {

// A fresh, empty folder under the temp folder (trailing backslash).
inline std::wstring FreshFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring dir = std::wstring(temp) + name;
    std::wstring pattern = dir + L"\\*";
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW(pattern.c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring entry = fd.cFileName;
            if (entry == L"." || entry == L"..")
                continue;
            std::wstring full = dir + L"\\" + entry;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                FreshFolder(name + L"\\" + entry);
                ::RemoveDirectoryW(full.c_str());
            } else {
                ::DeleteFileW(full.c_str());
            }
        } while (::FindNextFileW(find, &fd));
        ::FindClose(find);
    }
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir + L"\\";
}

inline std::string ReadBytes(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string data;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        data.append(buffer, got);
    ::CloseHandle(file);
    return data;
}

inline bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs a program and returns its exit code, or -1 when it did not start or end.
inline long RunProgram(const std::wstring& exe, const std::wstring& args, const std::wstring& folder,
                       DWORD timeoutMs = 30000)
{
    std::wstring line = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        return -1;
    ::CloseHandle(pi.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    else
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hProcess);
    return static_cast<long>(code);
}

// Makes the current directory the given folder until the guard ends.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& folder)
    {
        ::GetCurrentDirectoryW(MAX_PATH, m_previous);
        ::SetCurrentDirectoryW(folder.c_str());
    }
    ~CurrentDirectory() { ::SetCurrentDirectoryW(m_previous); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    wchar_t m_previous[MAX_PATH] = {};
};

} // namespace testfiles
