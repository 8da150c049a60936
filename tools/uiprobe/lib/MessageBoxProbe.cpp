#include "MessageBoxProbe.h"

#include <cwchar>

#include "WindowFinder.h"
#include "WindowText.h"

namespace uiprobe {

HWND MessageBoxProbe::Wait(DWORD processId, DWORD timeoutMs)
{
    WindowQuery query;
    query.className = L"#32770";
    query.processId = processId;
    query.visibleOnly = true;
    return WindowFinder::WaitFor(query, timeoutMs);
}

std::wstring MessageBoxProbe::Message(HWND box)
{
    WindowQuery statics;
    statics.className = L"Static";
    std::wstring message;
    for (HWND child : WindowFinder::Children(box, statics)) {
        LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON)
            continue;
        std::wstring text = WindowText::Text(child);
        if (text.empty())
            continue;
        if (!message.empty())
            message += L'\n';
        message += text;
    }
    return message;
}

std::wstring MessageBoxProbe::Title(HWND box)
{
    return WindowText::Text(box);
}

std::vector<MessageBoxProbe::Button> MessageBoxProbe::Buttons(HWND box)
{
    WindowQuery buttons;
    buttons.className = L"Button";
    buttons.visibleOnly = true;
    std::vector<Button> out;
    for (HWND child : WindowFinder::Children(box, buttons))
        out.push_back(Button{GetDlgCtrlID(child), WindowText::Text(child), IsWindowEnabled(child) != FALSE});
    return out;
}

bool MessageBoxProbe::Press(HWND box, int id, DWORD timeoutMs)
{
    HWND button = GetDlgItem(box, id);
    if (!button || !IsWindowVisible(button))
        return false;
    // A command posted to the box itself: the box ends even when the button lacks focus.
    if (!PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)))
        return false;
    return WindowFinder::WaitDestroyed(box, timeoutMs);
}

int MessageBoxProbe::IdFromName(const std::wstring& name)
{
    static const struct {
        const wchar_t* name;
        int id;
    } kNames[] = {{L"ok", IDOK},       {L"cancel", IDCANCEL}, {L"abort", IDABORT}, {L"retry", IDRETRY},
                  {L"ignore", IDIGNORE}, {L"yes", IDYES},       {L"no", IDNO}};
    for (const auto& entry : kNames)
        if (_wcsicmp(entry.name, name.c_str()) == 0)
            return entry.id;
    if (name.empty() || name.size() > 9)
        return 0;
    for (wchar_t c : name)
        if (c < L'0' || c > L'9')
            return 0;
    return static_cast<int>(wcstol(name.c_str(), nullptr, 10));
}

} // namespace uiprobe
