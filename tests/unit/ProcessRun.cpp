#include "ProcessRun.h"

#include <windows.h>

#include "TempFolder.h"

namespace {

std::wstring Quote(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    for (wchar_t c : arg) {
        if (c == L'"')
            quoted += L'\\';
        quoted += c;
    }
    return quoted + L"\"";
}

HANDLE InheritableFile(const std::wstring& path)
{
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

ProcessResult RunProcess(const std::wstring& exe, const std::vector<std::wstring>& args,
                         const std::wstring& workingFolder, unsigned long timeoutMs)
{
    ProcessResult result;
    TempFolder capture(L"dez_run");
    const std::wstring outPath = capture / L"out.txt";
    const std::wstring errPath = capture / L"err.txt";
    HANDLE out = InheritableFile(outPath);
    HANDLE err = InheritableFile(errPath);
    if (out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE) {
        if (out != INVALID_HANDLE_VALUE)
            CloseHandle(out);
        if (err != INVALID_HANDLE_VALUE)
            CloseHandle(err);
        return result;
    }
    std::wstring line = Quote(exe);
    for (const std::wstring& arg : args)
        line += L" " + Quote(arg);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi{};
    result.started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                    workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &pi) != FALSE;
    CloseHandle(out);
    CloseHandle(err);
    if (!result.started)
        return result;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        result.timedOut = true;
        TerminateProcess(pi.hProcess, 99);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    result.exitCode = code;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    result.out = TempFolder::ReadFile(outPath);
    result.err = TempFolder::ReadFile(errPath);
    return result;
}
