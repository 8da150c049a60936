#include "ListProbe.h"

#include <algorithm>

#include "WindowFinder.h"

using namespace uiprobe;

namespace {

constexpr int kHostListId = 1018;
constexpr int kPopupMessageId = 1034;

struct TopLevelSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid)
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ProcessWindows(DWORD pid)
{
    TopLevelSearch search{pid, {}};
    EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsDialogClass(HWND hwnd)
{
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    return std::wstring(name) == L"#32770";
}

// The real pointer goes along: Wine turns window changes under it into
// moves of its own, which would otherwise pull the hover back to it.
void PointerTo(HWND list, int x, int y)
{
    POINT at{x, y};
    if (ClientToScreen(list, &at))
        SetCursorPos(at.x, at.y);
}

} // namespace

std::vector<ListWindow> ListProbe::Lists() const
{
    std::vector<ListWindow> lists;
    for (HWND child = GetWindow(m_main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsDialogClass(child))
            continue;
        ListWindow list;
        list.dialog = child;
        GetWindowRect(child, &list.rect);
        lists.push_back(list);
    }
    for (HWND top : ProcessWindows(m_pid)) {
        HWND control = GetDlgItem(top, kHostListId);
        RECT rect{};
        if (!control || !IsDialogClass(top) || !GetWindowRect(top, &rect))
            continue;
        for (ListWindow& list : lists) {
            if (rect.left == list.rect.left + 830 &&
                (rect.top == list.rect.top + 52 || rect.top == list.rect.top + 35)) {
                list.host = top;
                list.control = control;
            }
        }
    }
    std::sort(lists.begin(), lists.end(), [](const ListWindow& a, const ListWindow& b) { return a.rect.top < b.rect.top; });
    return lists;
}

std::vector<ListWindow> ListProbe::WaitLists(size_t count, DWORD timeoutMs) const
{
    // Lists are built where they are created and placed afterwards: the
    // answer is the same set twice in a row, each list with a host of its own.
    const auto settled = [count](const std::vector<ListWindow>& lists) {
        if (lists.size() != count)
            return false;
        for (size_t i = 0; i < lists.size(); ++i) {
            if (!lists[i].control || (i > 0 && lists[i].control == lists[i - 1].control))
                return false;
        }
        return true;
    };
    const auto same = [](const std::vector<ListWindow>& a, const std::vector<ListWindow>& b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i].control != b[i].control || a[i].rect.left != b[i].rect.left || a[i].rect.top != b[i].rect.top)
                return false;
        }
        return true;
    };
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    std::vector<ListWindow> last = Lists();
    for (;;) {
        Sleep(WindowFinder::kPollMs);
        std::vector<ListWindow> now = Lists();
        if ((settled(now) && same(now, last)) || GetTickCount64() > end)
            return now;
        last = now;
    }
}

std::vector<ListViewReader::Row> ListProbe::Rows(const ListWindow& list)
{
    ListViewReader reader(list.control);
    return reader.Ok() ? reader.Rows(5) : std::vector<ListViewReader::Row>{};
}

bool ListProbe::WaitChecked(const ListWindow& list, int row, bool checked, DWORD timeoutMs)
{
    ListViewReader reader(list.control);
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (reader.Checked(row) != checked) {
        if (GetTickCount64() > end)
            return false;
        Sleep(20);
    }
    return true;
}

void ListProbe::Press(HWND list, int x, int y)
{
    PointerTo(list, x, y);
    PostMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ListProbe::Hover(HWND list, int x, int y)
{
    PointerTo(list, x, y);
    PostMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void ListProbe::Key(HWND list, UINT key)
{
    PostMessageW(list, WM_KEYDOWN, key, 1);
    PostMessageW(list, WM_KEYUP, key, 0xC0000001);
}

HWND ListProbe::WaitQuestion(DWORD timeoutMs) const
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        for (HWND top : ProcessWindows(m_pid)) {
            if (IsWindowVisible(top) && GetDlgItem(top, kPopupMessageId))
                return top;
        }
        Sleep(WindowFinder::kPollMs);
    } while (GetTickCount64() < end);
    return nullptr;
}

std::wstring ListProbe::QuestionText(HWND popup)
{
    wchar_t text[1024] = {};
    GetWindowTextW(GetDlgItem(popup, kPopupMessageId), text, 1024);
    return text;
}
