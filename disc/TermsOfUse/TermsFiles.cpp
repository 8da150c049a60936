#include "TermsOfUse/TermsFiles.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "TermsOfUse/TermsRules.h"
#include "services/IniFileText.h"
#include "services/SystemFolders.h"

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool Ok() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

} // namespace

bool TermsFiles::ReadText(const std::wstring& path, std::wstring& text)
{
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Ok() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > static_cast<LONGLONG>(kMaxTextBytes))
        return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return false;
    IniText::Encoding encoding;
    return IniFileText::Decode(bytes, text, encoding);
}

bool TermsFiles::WriteNotice(const std::wstring& path, const std::wstring& notice)
{
    std::wstring line = TermsRules::NoticeLine(notice);
    if (line.empty())
        return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
    std::vector<uint8_t> bytes;
    if (!IniFileText::Encode(line, IniText::Encoding::Utf16Le, bytes))
        return false;
    FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.Ok() && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::wstring TermsFiles::NoticePath()
{
    return SystemFolders::WindowsDirectory() + L"\\Ov_termsTmp.txt";
}
