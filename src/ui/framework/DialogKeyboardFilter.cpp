#include "ui/framework/DialogKeyboardFilter.h"

#include <algorithm>
#include <vector>

namespace {

// Windows are thread-bound, and so are these: each user-interface thread
// keeps its own dialogs and its own filter hook.
struct ThreadDialogs {
    std::vector<HWND> dialogs;
    HHOOK hook = nullptr;

    ~ThreadDialogs()
    {
        if (hook)
            ::UnhookWindowsHookEx(hook);
    }
};

thread_local ThreadDialogs t_state;

bool IsKeyboardMessage(UINT msg)
{
    return msg >= WM_KEYFIRST && msg <= WM_KEYLAST;
}

} // namespace

void DialogKeyboardFilter::Add(HWND dialog)
{
    if (!dialog || std::find(t_state.dialogs.begin(), t_state.dialogs.end(), dialog) != t_state.dialogs.end())
        return;
    t_state.dialogs.push_back(dialog);
    if (!t_state.hook)
        t_state.hook = ::SetWindowsHookExW(WH_MSGFILTER, &DialogKeyboardFilter::FilterProc, nullptr,
                                           ::GetCurrentThreadId());
}

void DialogKeyboardFilter::Remove(HWND dialog)
{
    auto& list = t_state.dialogs;
    list.erase(std::remove(list.begin(), list.end(), dialog), list.end());
}

bool DialogKeyboardFilter::PreTranslate(MSG* msg)
{
    if (!msg || !msg->hwnd || !IsKeyboardMessage(msg->message))
        return false;
    HWND root = ::GetAncestor(msg->hwnd, GA_ROOT);
    const auto& list = t_state.dialogs;
    if (!root || std::find(list.begin(), list.end(), root) == list.end())
        return false;
    return ::IsDialogMessageW(root, msg) != FALSE;
}

LRESULT CALLBACK DialogKeyboardFilter::FilterProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Inside the system's modal loop a modal dialog gets its own
    // navigation; only modeless ones need this.
    if (code >= 0 && PreTranslate(reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
