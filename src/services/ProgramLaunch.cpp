#include "services/ProgramLaunch.h"

#include <windows.h>
#include <shellapi.h>

ProgramLaunch::Result ProgramLaunch::Start(const std::wstring& file, const std::wstring& parameters,
                                           const std::wstring& directory, bool keepProcess)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // NOASYNC: the call may come from a thread that ends right after it.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | (keepProcess ? SEE_MASK_NOCLOSEPROCESS : 0);
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    Result result;
    if (!ShellExecuteExW(&info)) {
        result.error = GetLastError();
        // Some shells fail without setting an error; the instance field tells then.
        if (result.error == ERROR_SUCCESS) {
            const INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
            result.error = code > 0 && code <= 32 ? static_cast<unsigned long>(code) : ERROR_GEN_FAILURE;
        }
        return result;
    }
    result.started = true;
    result.process = keepProcess ? info.hProcess : nullptr;
    return result;
}

std::wstring ProgramLaunch::ErrorText(unsigned long error, const std::wstring& subject)
{
    std::wstring text = L"error " + std::to_wstring(error);
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    if (length && message) {
        std::wstring described(message, length);
        while (!described.empty() && (described.back() == L'\n' || described.back() == L'\r' ||
                                      described.back() == L' ' || described.back() == L'.'))
            described.pop_back();
        const size_t insert = described.find(L"%1");
        if (insert != std::wstring::npos && !subject.empty())
            described.replace(insert, 2, subject);
        if (!described.empty())
            text += L" (" + described + L")";
    }
    if (message)
        LocalFree(message);
    return text;
}
