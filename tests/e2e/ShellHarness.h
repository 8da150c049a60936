#pragma once
#include <windows.h>

#include <string>

// A disc folder in the temp folder with a copy of the program and a
// LayoutCfg.ini, and the running program's process seen from outside.
namespace shell {

std::wstring BinFolder();
std::wstring WindowsFolder();
bool Exists(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& data);
// Removes a folder and everything in it.
void RemoveTree(const std::wstring& folder);

class DiscFolder {
public:
    explicit DiscFolder(const std::wstring& name);
    ~DiscFolder();
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    const std::wstring& Path() const { return m_path; } // trailing backslash
    std::wstring Program() const { return m_path + L"Dezozi2.exe"; }
    bool Ready() const { return m_ready; }

private:
    std::wstring m_path;
    bool m_ready = false;
};

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts the program with the arguments in the given current directory.
    bool Start(const std::wstring& exe, const std::wstring& args, const std::wstring& folder);
    // The visible top-level window of class "Dezozi2" of this process.
    HWND WaitForMainWindow(DWORD timeoutMs);
    // Exit code, or -1 when it is still running after the time-out.
    long WaitForExit(DWORD timeoutMs);
    bool IsRunning() const;
    DWORD Id() const { return m_id; }
    // Milliseconds since Start.
    DWORD Elapsed() const { return ::GetTickCount() - m_started; }

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
    DWORD m_started = 0;
};

// Windows of class "Dezozi2" of any process.
int CountMainWindows();

// Moves a folder out of the way for a test and puts it back afterwards.
class FolderAside {
public:
    explicit FolderAside(const std::wstring& folder);
    ~FolderAside();
    FolderAside(const FolderAside&) = delete;
    FolderAside& operator=(const FolderAside&) = delete;
    bool Moved() const { return m_moved; }

private:
    std::wstring m_folder;
    std::wstring m_aside;
    bool m_moved = false;
};

} // namespace shell
