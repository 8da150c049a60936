#include "WindowText.h"

#include <vector>

namespace uiprobe {

std::wstring WindowText::ClassName(HWND hwnd)
{
    wchar_t name[256] = {};
    int n = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return n > 0 ? std::wstring(name, static_cast<size_t>(n)) : std::wstring();
}

std::wstring WindowText::Caption(HWND hwnd)
{
    std::vector<wchar_t> buffer(512);
    for (;;) {
        int n = InternalGetWindowText(hwnd, buffer.data(), static_cast<int>(buffer.size()));
        if (n <= 0)
            return std::wstring();
        if (static_cast<size_t>(n) < buffer.size() - 1 || buffer.size() >= 65536)
            return std::wstring(buffer.data(), static_cast<size_t>(n));
        buffer.resize(buffer.size() * 4);
    }
}

std::wstring WindowText::Text(HWND hwnd, UINT timeoutMs)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &length))
        return Caption(hwnd);
    if (length > 1000000)
        length = 1000000;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs, &copied))
        return Caption(hwnd);
    if (copied >= buffer.size())
        copied = buffer.size() - 1;
    return std::wstring(buffer.data(), static_cast<size_t>(copied));
}

} // namespace uiprobe
