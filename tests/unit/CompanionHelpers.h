#pragma once
// Shared by the tests that start the disc companions as real processes.
#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestPaths.h"
#include "services/CFileOperation.h"

namespace companions {

inline std::wstring TempFolder()
{
    wchar_t dir[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir, n);
}

inline std::wstring WindowsFolder()
{
    wchar_t dir[MAX_PATH];
    UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
    return std::wstring(dir, n);
}

inline bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void WriteText(const std::wstring& path, const std::string& text)
{
    WriteTestFile(path, text);
}

inline std::string ReadText(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep)) {
        if (!part.empty() && part.back() == '\r')
            part.pop_back();
        parts.push_back(part);
    }
    return parts;
}

inline bool CopyInto(const std::wstring& file, const std::wstring& folder)
{
    return CopyFileW((TestExeFolder() + file).c_str(), (folder + L"\\" + file).c_str(), FALSE) != FALSE;
}

// Starts the program as the system does (shell, no verb) and waits for it.
// Returns its exit code, or -1 when it could not start or did not end in time.
inline long RunProgram(const std::wstring& program, const std::wstring& args, const std::wstring& workdir = L"",
                DWORD timeoutMs = 30000, DWORD* elapsedMs = nullptr)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = program.c_str();
    info.lpParameters = args.empty() ? nullptr : args.c_str();
    info.lpDirectory = workdir.empty() ? nullptr : workdir.c_str();
    info.nShow = SW_SHOWNORMAL;
    const ULONGLONG start = GetTickCount64();
    if (!ShellExecuteExW(&info) || info.hProcess == nullptr)
        return -1;
    long result = -1;
    if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        if (GetExitCodeProcess(info.hProcess, &code))
            result = static_cast<long>(code);
    } else {
        TerminateProcess(info.hProcess, 99);
    }
    if (elapsedMs != nullptr)
        *elapsedMs = static_cast<DWORD>(GetTickCount64() - start);
    CloseHandle(info.hProcess);
    return result;
}

inline std::string Narrow(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// A fresh folder under the temporary folder, removed with its contents by the destructor.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name)
        : m_path(TempFolder() + name + L"_" + std::to_wstring(GetCurrentProcessId()))
    {
        Remove();
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(); }
    const std::wstring& Path() const { return m_path; }
    std::wstring Sub(const std::wstring& name) const
    {
        const std::wstring p = m_path + L"\\" + name;
        CreateDirectoryW(p.c_str(), nullptr);
        return p;
    }

private:
    void Remove()
    {
        CFileOperation op;
        op.DeleteTree(m_path);
    }
    std::wstring m_path;
};

} // namespace companions
