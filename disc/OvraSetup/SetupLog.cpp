#include "OvraSetup/SetupLog.h"

#include <windows.h>

#include <cwchar>

namespace {

std::wstring NoTabs(std::wstring text)
{
    for (auto& c : text)
        if (c == L'\t' || c == L'\r' || c == L'\n')
            c = L' ';
    return text;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace

SetupLog::SetupLog(std::wstring folder, std::wstring arguments)
    : m_folder(NoTabs(std::move(folder))), m_arguments(NoTabs(std::move(arguments)))
{
}

std::wstring SetupLog::Path()
{
    wchar_t buffer[MAX_PATH];
    DWORD n = GetEnvironmentVariableW(L"OVRASETUP_LOG", buffer, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        return std::wstring(buffer, n);
    n = GetTempPathW(MAX_PATH, buffer);
    if (n == 0 || n >= MAX_PATH)
        return L"OvraSetup.log";
    return std::wstring(buffer, n) + L"OvraSetup.log";
}

void SetupLog::Start(const std::wstring& action)
{
    Append(L"start", action, L"-");
}

void SetupLog::End(const std::wstring& action, int exitCode)
{
    Append(L"end", action, std::to_wstring(exitCode));
}

void SetupLog::Append(const std::wstring& phase, const std::wstring& action, const std::wstring& code)
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t stamp[32];
    swprintf(stamp, 32, L"%04u-%02u-%02u %02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
             t.wSecond, t.wMilliseconds);
    wchar_t cwd[MAX_PATH] = L"";
    DWORD n = GetCurrentDirectoryW(MAX_PATH, cwd);
    if (n == 0 || n >= MAX_PATH)
        cwd[0] = 0;
    const std::wstring line = std::wstring(stamp) + L"\t" + std::to_wstring(GetCurrentProcessId()) + L"\t" + phase +
                              L"\t" + m_folder + L"\t" + NoTabs(cwd) + L"\t" + m_arguments + L"\t" + action + L"\t" +
                              code + L"\r\n";
    const std::string bytes = Utf8(line);
    // Several setups may end at once: one appending write per line, retried
    // while another holds the file.
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE file = CreateFileW(Path().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() != ERROR_SHARING_VIOLATION)
                return;
            Sleep(20);
            continue;
        }
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return;
    }
}
