#include "WindowQuery.h"

#include "WindowText.h"

namespace uiprobe {

bool WindowQuery::Matches(HWND hwnd) const
{
    if (!IsWindow(hwnd))
        return false;
    if (visibleOnly && !IsWindowVisible(hwnd))
        return false;
    if (processId != 0) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != processId)
            return false;
    }
    if (controlId != -1 && GetDlgCtrlID(hwnd) != controlId)
        return false;
    if (!className.empty() && _wcsicmp(WindowText::ClassName(hwnd).c_str(), className.c_str()) != 0)
        return false;
    if (!title.empty() || !titleContains.empty()) {
        // The stored caption: reading it sends no message, so a hung window cannot stall a search.
        std::wstring text = WindowText::Caption(hwnd);
        if (!title.empty() && text != title)
            return false;
        if (!titleContains.empty() && text.find(titleContains) == std::wstring::npos)
            return false;
    }
    return true;
}

} // namespace uiprobe
