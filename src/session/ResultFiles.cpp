#include "session/ResultFiles.h"

#include <windows.h>

#include <string>

#include "config/SoftwareList.h"

namespace {

std::string ToAnsi(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int need = WideCharToMultiByte(CP_ACP, 0, text.c_str(), size, nullptr, 0, nullptr, nullptr);
    if (need <= 0)
        return std::string();
    std::string out(static_cast<size_t>(need), '\0');
    const int got = WideCharToMultiByte(CP_ACP, 0, text.c_str(), size, out.data(), need, nullptr, nullptr);
    out.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return out;
}

} // namespace

std::wstring ResultFiles::Line(const std::wstring& title, const std::wstring& version, const std::wstring& installed)
{
    return title + L"," + version + L"," + installed + L"\n";
}

void ResultFiles::Append(const wchar_t* fileName) const
{
    const std::wstring path = m_folder + fileName;
    // Opens without truncating, or creates the file empty.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER end{};
    if (SetFilePointerEx(file, end, nullptr, FILE_END)) {
        for (const auto& sw : m_items.Items()) {
            if (sw->Item().TabIndex != m_tab)
                continue;
            const std::string bytes = ToAnsi(Line(sw->Item().Title, sw->Item().Version, sw->GetCurrentVersion(0)));
            DWORD written = 0;
            if (!bytes.empty() &&
                !WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
                break;
        }
    }
    CloseHandle(file);
}
