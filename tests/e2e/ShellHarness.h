#pragma once
#include <windows.h>

#include <string>

#include "DiscFolder.h"
#include "ProcessRunner.h"

// The start-up scenarios' view of the shared harness: a disc folder with a copy
// of the program and a LayoutCfg.ini, and the running program seen from outside.
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
    // name only labels the scenario; the folder itself is always a fresh one.
    explicit DiscFolder(const std::wstring& name);
    ~DiscFolder();
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    const std::wstring& Path() const { return m_disc.Root(); } // trailing backslash
    std::wstring Program() const { return m_disc.Program(); }
    bool Ready() const { return m_ready; }

private:
    ::DiscFolder m_disc;
    bool m_ready = false;
};

class ProgramProcess {
public:
    ProgramProcess() = default;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts the program with the arguments in the given current directory.
    bool Start(const std::wstring& exe, const std::wstring& args, const std::wstring& folder);
    // The visible top-level window of class "Dezozi2" of this process.
    HWND WaitForMainWindow(DWORD timeoutMs);
    // Exit code, or -1 when it is still running after the time-out.
    long WaitForExit(DWORD timeoutMs);
    bool IsRunning() const { return m_runner.Running(); }
    DWORD Id() const { return m_runner.Pid(); }
    // Milliseconds since Start.
    DWORD Elapsed() const { return static_cast<DWORD>(m_runner.ElapsedMs()); }

private:
    // Still running when the test ends: killed, and the test fails.
    ProcessRunner m_runner;
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
