#pragma once
#include <windows.h>

#include <string>

// Starts one program for a test and makes sure it never outlives the test:
// the program and everything it starts share a job that is killed at the end.
// A program still running when the runner is destroyed fails the current test.
class ProcessRunner {
public:
    ProcessRunner() = default;
    ~ProcessRunner();
    ProcessRunner(const ProcessRunner&) = delete;
    ProcessRunner& operator=(const ProcessRunner&) = delete;

    // exe is a full path; arguments are appended to the quoted exe as they stand.
    // An empty workDir starts the program in its own folder. With captureOutput,
    // standard output and error go to files that Output() and Errors() read.
    bool Start(const std::wstring& exe, const std::wstring& arguments = L"", const std::wstring& workDir = L"",
               bool captureOutput = false);

    // True once the program ended within the time-out.
    bool WaitExit(DWORD timeoutMs);
    bool Running() const;
    // STILL_ACTIVE while running.
    DWORD ExitCode() const;
    DWORD Pid() const { return m_pid; }
    // Milliseconds since the program was started.
    ULONGLONG ElapsedMs() const { return GetTickCount64() - m_startedAt; }
    HANDLE Handle() const { return m_process; }
    // Ends the program and every process it started; expected endings use this.
    void Kill();
    // How many processes of the job (the program and its descendants) are alive.
    DWORD LiveProcesses() const;

    std::wstring Output() const;
    std::wstring Errors() const;

    // Start, wait, and kill on time-out; false when it did not end in time.
    static bool RunToEnd(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workDir,
                         DWORD timeoutMs, DWORD& exitCode, std::wstring* output = nullptr);

private:
    void Release();

    bool StartOnce(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workDir,
                   bool captureOutput);
    HANDLE m_job = nullptr;
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
    ULONGLONG m_startedAt = 0;
    std::wstring m_exe;
    std::wstring m_outPath;
    std::wstring m_errPath;
};
