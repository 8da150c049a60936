#include "ProcessRunner.h"

#include <gtest/gtest.h>

#include "E2ePaths.h"
#include "TextFile.h"

namespace {

HANDLE InheritableFile(const std::wstring& path)
{
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace

ProcessRunner::~ProcessRunner()
{
    if (Running()) {
        ADD_FAILURE() << "the program was still running at the end of the test and was killed: "
                      << std::string(m_exe.begin(), m_exe.end()) << " (pid " << m_pid << ")";
    }
    Kill();
    Release();
}

void ProcessRunner::Release()
{
    if (m_process)
        CloseHandle(m_process);
    if (m_job)
        CloseHandle(m_job); // kill-on-close: takes any straggler with it
    m_process = nullptr;
    m_job = nullptr;
    m_pid = 0;
    for (const std::wstring* path : {&m_outPath, &m_errPath})
        if (!path->empty())
            DeleteFileW(path->c_str());
    m_outPath.clear();
    m_errPath.clear();
}

bool ProcessRunner::Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workDir,
                          bool captureOutput)
{
    if (m_process) {
        Kill();
        Release();
    }
    // Wine now and then refuses a start right after another program's end;
    // a second attempt a moment later goes through.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (StartOnce(exe, arguments, workDir, captureOutput))
            return true;
        Release();
        Sleep(300);
    }
    return false;
}

bool ProcessRunner::StartOnce(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workDir,
                              bool captureOutput)
{
    m_exe = exe;
    m_job = CreateJobObjectW(nullptr, nullptr);
    if (!m_job)
        return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    HANDLE out = INVALID_HANDLE_VALUE;
    HANDLE err = INVALID_HANDLE_VALUE;
    if (captureOutput) {
        static LONG counter = 0;
        std::wstring base = E2ePaths::TempDir() + L"dez-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(InterlockedIncrement(&counter));
        m_outPath = base + L".out";
        m_errPath = base + L".err";
        out = InheritableFile(m_outPath);
        err = InheritableFile(m_errPath);
        if (out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE) {
            if (out != INVALID_HANDLE_VALUE)
                CloseHandle(out);
            if (err != INVALID_HANDLE_VALUE)
                CloseHandle(err);
            return false;
        }
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = out;
        si.hStdError = err;
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    std::wstring folder = workDir.empty() ? FolderOf(exe) : workDir;
    PROCESS_INFORMATION pi{};
    BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, captureOutput ? TRUE : FALSE,
                                  CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT, nullptr,
                                  folder.empty() ? nullptr : folder.c_str(), &si, &pi);
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    if (err != INVALID_HANDLE_VALUE)
        CloseHandle(err);
    if (!started)
        return false;
    // In the job before it runs a single instruction, so nothing it starts escapes.
    if (!AssignProcessToJobObject(m_job, pi.hProcess)) {
        TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return false;
    }
    m_process = pi.hProcess;
    m_pid = pi.dwProcessId;
    m_startedAt = GetTickCount64();
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    return true;
}

bool ProcessRunner::WaitExit(DWORD timeoutMs)
{
    return m_process && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

bool ProcessRunner::Running() const
{
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

DWORD ProcessRunner::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (!m_process || !GetExitCodeProcess(m_process, &code))
        return STILL_ACTIVE;
    return code;
}

void ProcessRunner::Kill()
{
    if (m_job)
        TerminateJobObject(m_job, 0xDEAD);
    if (!m_process)
        return;
    if (WaitForSingleObject(m_process, 5000) == WAIT_TIMEOUT) {
        TerminateProcess(m_process, 0xDEAD);
        WaitForSingleObject(m_process, 5000);
    }
}

DWORD ProcessRunner::LiveProcesses() const
{
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (!m_job || !QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &info, sizeof(info), nullptr))
        return 0;
    return info.ActiveProcesses;
}

std::wstring ProcessRunner::Output() const
{
    return m_outPath.empty() ? std::wstring() : TextFile::Read(m_outPath);
}

std::wstring ProcessRunner::Errors() const
{
    return m_errPath.empty() ? std::wstring() : TextFile::Read(m_errPath);
}

bool ProcessRunner::RunToEnd(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workDir,
                             DWORD timeoutMs, DWORD& exitCode, std::wstring* output)
{
    ProcessRunner runner;
    exitCode = STILL_ACTIVE;
    if (!runner.Start(exe, arguments, workDir, output != nullptr))
        return false;
    bool ended = runner.WaitExit(timeoutMs);
    if (!ended)
        runner.Kill();
    exitCode = runner.ExitCode();
    if (output)
        *output = runner.Output() + runner.Errors();
    return ended;
}
