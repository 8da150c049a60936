#include "check/CheckOutput.h"

#include <windows.h>

namespace {

void WriteLine(DWORD which, const std::wstring& line)
{
    HANDLE out = GetStdHandle(which);
    if (out == INVALID_HANDLE_VALUE || out == nullptr)
        return;
    const std::wstring text = line + L"\n";
    const int need = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    if (need <= 0)
        return;
    std::string bytes(static_cast<size_t>(need), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), need, nullptr,
                        nullptr);
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &put, nullptr) || put == 0)
            return;
        done += put;
    }
}

} // namespace

void CheckOut(const std::wstring& line)
{
    WriteLine(STD_OUTPUT_HANDLE, line);
}

void CheckErr(const std::wstring& line)
{
    WriteLine(STD_ERROR_HANDLE, line);
}

std::wstring CheckField(std::wstring text)
{
    for (wchar_t& c : text) {
        if (c == L'\t' || c == L'\r' || c == L'\n')
            c = L' ';
    }
    return text;
}
