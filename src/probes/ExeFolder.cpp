#include "probes/ExeFolder.h"

#include <windows.h>

std::wstring FolderOfPath(const std::wstring& path)
{
    const size_t slash = path.rfind(L'\\');
    if (slash != std::wstring::npos)
        return path.substr(0, slash + 1);
    const size_t colon = path.find(L':');
    if (colon != std::wstring::npos)
        return path.substr(0, colon + 1);
    return std::wstring();
}

std::wstring ExePath()
{
    // Long paths: grow the buffer while the path fills it.
    std::wstring buffer(128, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got == 0)
            return std::wstring();
        if (got < buffer.size()) {
            buffer.resize(got);
            break;
        }
        if (buffer.size() >= 32768)
            return std::wstring();
        buffer.assign(buffer.size() * 2, L'\0');
    }
    return buffer;
}

std::wstring ExeFolder()
{
    return FolderOfPath(ExePath());
}
