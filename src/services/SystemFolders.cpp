#include "services/SystemFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace SystemFolders {

std::wstring WindowsDirectory()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH)
        return std::wstring();
    return std::wstring(buffer, n);
}

std::wstring ProgramFiles32()
{
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return std::wstring();
    return std::wstring(buffer);
}

std::wstring ExpandEnvironment(const std::wstring& text)
{
    DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    // The needed size can grow between the two calls; retry a few times.
    for (int attempt = 0; attempt < 3 && size > 0; ++attempt) {
        std::wstring buffer(size, L'\0');
        const DWORD n = ExpandEnvironmentStringsW(text.c_str(), buffer.data(), size);
        if (n == 0)
            break;
        if (n <= size) {
            buffer.resize(n - 1);
            return buffer;
        }
        size = n;
    }
    return text;
}

} // namespace SystemFolders
